#pragma once
#include <string>

#include "format/unit_chain.h"
#include "platform/profile_file.h"

// The reference comment of a record: ziz_ivi.ini's section of the file's edition, the
// record's address as the key. Empty for an unknown edition or a missing key.
std::string comment_for(ProfileReader& profile, const std::string& settings_path, Edition edition,
                        const std::string& address);
