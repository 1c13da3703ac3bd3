// gbk_copy FROM TO: a UTF-8 source file copied as GBK, for the clang build of the fuzz
// targets. clang has no execution charset but UTF-8 and keeps the bytes of a narrow literal
// that are not UTF-8 as they stand, so a GBK copy compiles to the GBK literals GCC makes
// with -fexec-charset=GBK. One GBK character would not survive: a trail byte 5C reads as a
// backslash and escapes what follows, so a copy holding one is refused.
#include <iconv.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: gbk_copy FROM TO\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    std::string utf8{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!in && !in.eof()) {
        std::fprintf(stderr, "gbk_copy: cannot read %s\n", argv[1]);
        return 1;
    }
    const iconv_t converter = iconv_open("GBK", "UTF-8");
    std::string gbk(utf8.size() + 1, '\0');  // GBK never takes more bytes than UTF-8
    char* from = utf8.data();
    char* to = gbk.data();
    std::size_t from_left = utf8.size();
    std::size_t to_left = gbk.size();
    if (converter == reinterpret_cast<iconv_t>(-1) ||
        iconv(converter, &from, &from_left, &to, &to_left) == static_cast<std::size_t>(-1)) {
        std::fprintf(stderr, "gbk_copy: %s has text without a GBK form (at byte %zu)\n", argv[1],
                     utf8.size() - from_left);
        return 1;
    }
    gbk.resize(gbk.size() - to_left);
    for (std::size_t i = 0; i < gbk.size(); ++i) {
        if (static_cast<unsigned char>(gbk[i]) < 0x81) continue;
        if (i + 1 < gbk.size() && gbk[i + 1] == '\\') {
            std::fprintf(stderr, "gbk_copy: %s: a GBK character at byte %zu ends in 5C\n", argv[1], i);
            return 1;
        }
        ++i;
    }
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out << gbk;
    return out ? 0 : 1;
}
