#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ops/comments.h"
#include "opened_file.h"

namespace {

using Column = std::vector<std::string>;

class Comments : public testing::Test {
protected:
    Comments() {
        h.form.has_reference_file = true;
        h.profile.put("C-PND", "30", "pnd 30");
        h.profile.put("C-PND", "D0", "pnd D0");
        h.profile.put("C-PND", "170", "pnd 170");
        h.profile.put("C-Car", "30", "car 30");
        h.profile.put("C-Car", "d0", "car D0");
        h.profile.put("C-Car", "210", "car 210");
    }

    // Three slots: 30, D0 and 170, the last listed row.
    Column listed_comments(char edition) {
        take_in_file(h.form, dir.write("NaviConfig.dll", numbered_config_file(edition, 3)));
        EXPECT_EQ(h.view.row_count(), 3);
        return h.view.column(2);
    }

    TempDir dir;
    Harness h;
};

TEST_F(Comments, ComeFromTheSectionOfTheEditionOnly) {
    const struct {
        char edition;
        Column comments;
        std::size_t look_ups;
    } cases[] = {
        {'\xBF', {"pnd 30", "pnd D0", "pnd 170"}, 3},
        {'\xB4', {"car 30", "car D0", ""}, 3},
        {'\xBE', {"", "", ""}, 0},
        {'\x00', {"", "", ""}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(static_cast<unsigned char>(c.edition)));
        h.profile.files_read.clear();
        EXPECT_EQ(listed_comments(c.edition), c.comments);
        EXPECT_EQ(h.profile.files_read, std::vector<std::string>(c.look_ups, kSettingsPath));
    }
}

TEST_F(Comments, NoneWithoutAReferenceFile) {
    h.form.has_reference_file = false;
    EXPECT_EQ(listed_comments('\xBF'), (Column{"", "", ""}));
    EXPECT_TRUE(h.profile.files_read.empty());
}

TEST_F(Comments, NoneForTheSignatureAlone) {
    take_in_file(h.form, dir.write("NaviConfig.dll", kSignature));
    EXPECT_EQ(h.form.file.edition, Edition::unknown);
    EXPECT_EQ(h.view.column(2), (Column{"", ""}));
    EXPECT_TRUE(h.profile.files_read.empty());
}

TEST(CommentFor, ReadsTheEditionsSectionWithTheAddressAsKey) {
    MemoryProfile profile;
    profile.put("C-PND", "3F0", "pnd");
    profile.put("C-Car", "3F0", "car");
    profile.put("C-PND", "D0", "");
    EXPECT_EQ(comment_for(profile, "/x/ziz_ivi.ini", Edition::pnd, "3F0"), "pnd");
    EXPECT_EQ(comment_for(profile, "/x/ziz_ivi.ini", Edition::car, "3f0"), "car");
    EXPECT_EQ(comment_for(profile, "/x/ziz_ivi.ini", Edition::pnd, "D0"), "");
    EXPECT_EQ(comment_for(profile, "/x/ziz_ivi.ini", Edition::car, "D0"), "");
    EXPECT_EQ(profile.files_read, std::vector<std::string>(4, "/x/ziz_ivi.ini"));
    EXPECT_EQ(comment_for(profile, "/x/ziz_ivi.ini", Edition::unknown, "3F0"), "");
    EXPECT_EQ(profile.files_read.size(), 4u);
}

}  // namespace
