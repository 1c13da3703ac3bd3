#pragma once
#include <string_view>

// Whether bytes are well-formed GBK as code page 936 has it: ASCII, the euro sign 80, or a
// lead byte 81..FE followed by a trail byte 40..FE other than 7F. What the command line takes as GBK must be, or it could not be
// shown again as the same text.
bool is_valid_gbk(std::string_view bytes);
