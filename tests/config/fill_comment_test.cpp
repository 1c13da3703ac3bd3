#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/fill_comment.h"
#include "config/intake_file.h"
#include "tests/support/config_bytes.h"
#include "tests/support/memory_window.h"
#include "tests/support/temp_file.h"

namespace {

using Column = std::vector<std::string>;

class Comments : public testing::Test {
protected:
    Comments() {
        h.session.has_reference_file = true;
        h.profile.put("C-PND", "30", "pnd 30");
        h.profile.put("C-PND", "D0", "pnd D0");
        h.profile.put("C-PND", "170", "pnd 170");
        h.profile.put("C-Car", "30", "car 30");
        h.profile.put("C-Car", "d0", "car D0");
        h.profile.put("C-Car", "210", "car 210");
    }

    // Three slots: 30, D0 and 170, the last listed row.
    Column listed_comments(char edition) {
        intake_file(h.context, dir.write("NaviConfig.dll", numbered_config_file(edition, 3)));
        EXPECT_EQ(h.window.row_count(), 3);
        return h.window.column(2);
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
        EXPECT_EQ(h.profile.files_read, std::vector<std::string>(c.look_ups, "C:\\tarvello\\ziz_ivi.ini"));
    }
}

TEST_F(Comments, NoneWithoutAReferenceFile) {
    h.session.has_reference_file = false;
    EXPECT_EQ(listed_comments('\xBF'), (Column{"", "", ""}));
    EXPECT_TRUE(h.profile.files_read.empty());
}

TEST_F(Comments, NoneForTheSignatureAlone) {
    intake_file(h.context, dir.write("NaviConfig.dll", kSignature));
    EXPECT_EQ(h.session.header_hex, "1A673201");
    EXPECT_EQ(h.window.column(2), (Column{"", ""}));
    EXPECT_TRUE(h.profile.files_read.empty());
}

TEST_F(Comments, AnEmptyValueLeavesTheCellAsItWas) {
    h.session.header_hex = "1A673201BF";
    h.window.append_row("D0", "v");
    h.window.append_row("3F0", "v");
    h.window.set_cell(1, 2, "kept");
    h.profile.put("C-PND", "3F0", "");
    fill_comment(h.context, 0);
    fill_comment(h.context, 1);
    EXPECT_EQ(h.window.column(2), (Column{"pnd D0", "kept"}));
}

}  // namespace
