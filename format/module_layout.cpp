#include "format/module_layout.h"

#include "platform/file_chunks.h"

const Rate* rate_by_text(std::string_view text) {
    for (const Rate& rate : kRates) {
        if (rate.text == text) return &rate;
    }
    return nullptr;
}

const Rate* rate_by_encoding(std::string_view encoding) {
    for (const Rate& rate : kRates) {
        if (rate.encoding == encoding) return &rate;
    }
    return nullptr;
}

Scan find_port_text(const ByteFile& file, PortText& port) {
    port = {};
    const bool read = walk_chunks(file, kModuleBodyStart, 4, [&](std::string_view chunk, std::int64_t offset) {
        for (std::size_t at = chunk.find("COM"); at != std::string_view::npos; at = chunk.find("COM", at + 1)) {
            if (at + 4 >= chunk.size()) break;  // the next chunk repeats these bytes
            const char digit = chunk[at + 3];
            if (digit < '1' || digit > '9' || chunk[at + 4] != ':') continue;
            // Matches come in file order, so only a lower digit replaces the one held.
            if (port.digit == 0 || digit - '0' < port.digit) {
                port.digit = digit - '0';
                port.offset = offset + static_cast<std::int64_t>(at);
            }
            if (port.digit == 1) return true;
        }
        return false;
    });
    return read ? Scan::ok : Scan::read_failed;
}

Scan find_rate_offset(const ByteFile& file, std::int64_t& offset) {
    offset = -1;
    const bool read = walk_chunks(file, kModuleBodyStart, kRateAnchor.size() - 1,
                                  [&](std::string_view chunk, std::int64_t chunk_offset) {
                                      const std::size_t at = chunk.find(kRateAnchor);
                                      if (at == std::string_view::npos) return false;
                                      offset = chunk_offset + static_cast<std::int64_t>(at) + kRateAfterAnchor;
                                      return true;
                                  });
    return read ? Scan::ok : Scan::read_failed;
}
