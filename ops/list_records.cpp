#include "ops/list_records.h"

#include "numeric/hex_helpers.h"

ListOutcome list_config_records(const NaviFile& file, const std::function<void(int, const Record&)>& on_record) {
    std::string image;
    if (file.file.read_all(image) == ByteFile::Read::failed) return ListOutcome::read_failed;
    const auto length = static_cast<std::int64_t>(image.size());
    for (int i = 0; i <= kLastListedSlot; ++i) {
        const std::int64_t offset = kConfigHeaderSize + kSlotSize * i;
        const DecodedChain chain = decode_chain(image, offset);
        on_record(i, Record{offset_hex(offset), value_of(chain)});
        // The first slot is always listed; after it, a chain that reached the last slot's
        // room ends the listing.
        if (i > 0 && chain.end > length - kSlotSize) break;
    }
    return ListOutcome::listed;
}

ListOutcome list_module_records(const NaviFile& file, std::vector<Record>& records) {
    records.clear();
    records.push_back({offset_hex(file.port.offset), "COM" + std::to_string(file.port.digit) + ":"});
    std::int64_t rate_at = -1;
    if (find_rate_offset(file.file, rate_at) == Scan::read_failed) return ListOutcome::read_failed;
    if (rate_at < 0) return ListOutcome::listed;
    std::string encoding;
    if (file.file.read_at(rate_at, kRateEncodingSize, encoding) == ByteFile::Read::failed) return ListOutcome::read_failed;
    if (const Rate* rate = rate_by_encoding(encoding)) records.push_back({offset_hex(rate_at), std::string(rate->text)});
    return ListOutcome::listed;
}
