#include "config/find_port_text.h"

#include "config/file_chunks.h"

PortText find_port_text(ByteFile& file, std::int64_t from) {
    PortText port;
    walk_chunks(file, from, 4, [&](std::string_view chunk, std::int64_t offset) {
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
    return port;
}
