#pragma once
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Private-profile (INI) reading: an empty text when the file, section or key is missing.
// Texts are the file's own bytes (GBK); the file name is a path in UTF-8.
class ProfileReader {
public:
    virtual ~ProfileReader() = default;
    virtual std::string read(const std::string& file, const std::string& section, const std::string& key) = 0;
};

// ziz_ivi.ini read as the Windows profile API reads it, but byte for byte on every
// machine: section and key names compared without regard to ASCII case, the first of
// duplicate keys wins, blanks around names and values dropped, one pair of surrounding
// quotes removed, values cut to 10239 bytes.
class ProfileFile : public ProfileReader {
public:
    std::string read(const std::string& file, const std::string& section, const std::string& key) override;
};

// The largest value the profile API hands back (its buffer of 10240 bytes less the end).
inline constexpr std::size_t kProfileValueLimit = 10239;

// The profile's bytes with one key set as the profile API sets it, every other byte as it
// was: the key's line becomes "key=value" (its line end kept); a missing key goes after
// the last line of its section, a missing section at the end.
std::string with_profile_value(std::string_view bytes, std::string_view section, std::string_view key,
                               std::string_view value);

// Sets the keys of one section in the file, replaced whole in one step; false when it
// could not be written (the file is then as it was).
bool write_profile_values(const std::string& file, std::string_view section,
                          const std::vector<std::pair<std::string, std::string>>& keys);
