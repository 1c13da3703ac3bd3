#include "config/scan_record.h"

#include "numeric/hex_helpers.h"

std::string read_unit(ByteFile& file) { return file.read_text(2); }

std::string scan_record(ByteFile& file) {
    std::string decoded_hex;
    for (;;) {
        std::string unit = read_unit(file);
        std::string next_unit = read_unit(file);
        // A short unit would make the step back land off the unit grid and repeat the
        // same pair for ever; it ends the value instead, as a zero byte does.
        const bool whole = unit.size() == 2 && next_unit.size() == 2;
        decoded_hex += whole ? unit_difference(next_unit, unit) : "00";
        file.seek(file.position() - 2);
        if (!whole || unit == next_unit) return decoded_hex;
    }
}

std::string value_text(std::string_view decoded_hex) {
    const std::string bytes = hex_to_bytes(decoded_hex);
    return bytes.substr(0, bytes.find('\0'));
}
