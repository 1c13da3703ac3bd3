#pragma once
#include <string>

#include "config/window.h"

// Reads a GBK private-profile file the way GetPrivateProfileStringA does for the keys the
// tool uses: section and key names without regard to ASCII case, blanks around names and
// values dropped, one pair of surrounding quotes removed, values cut to 10239 bytes.
class IniReader : public ProfileReader {
public:
    std::string read(const std::string& file, const std::string& section, const std::string& key) override;
};
