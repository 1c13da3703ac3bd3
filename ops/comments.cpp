#include "ops/comments.h"

std::string comment_for(ProfileReader& profile, const std::string& settings_path, Edition edition,
                        const std::string& address) {
    const std::string_view section = comment_section(edition);
    if (section.empty()) return {};
    return profile.read(settings_path, std::string(section), address);
}
