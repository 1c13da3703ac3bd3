#include "cli/typed_arguments.h"

#include "format/gbk_text.h"
#include "format/unit_chain.h"
#include "ops/read_record.h"

bool offset_argument(const std::string& argument, Encoding encoding, std::int64_t& offset) {
    std::string gbk;
    if (argument.empty() || !argument_to_gbk(argument, encoding, gbk)) return false;
    offset = typed_offset(gbk);
    return true;
}

bool offset_in_body(const NaviFile& file, std::int64_t offset) {
    return offset >= kConfigHeaderSize && offset < file.file.length();
}

bool value_argument(const std::string& argument, Encoding encoding, std::string& gbk) {
    return argument_to_gbk(argument, encoding, gbk) && is_valid_gbk(gbk);
}
