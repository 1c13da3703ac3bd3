// A configuration file's records in the live window: listed, clicked, written back,
// navigated by offset, commented from ziz_ivi.ini.
#include "shell_fixture.h"

#include "tests/support/config_bytes.h"

namespace {

using Rows = std::vector<std::vector<std::string>>;

const std::string kEditThenEnter =
    "\xCC\xE1\xCA\xBE:\xD0\xDE\xB8\xC4\xC7\xEB\xD4\xDA\xC9\xCF\xC3\xE6\xB1\xE0\xBC\xAD\xBF\xF2\xD6\xD0"
    "\xCA\xE4\xC8\xEB\xD0\xC2\xC4\xDA\xC8\xDD\xBA\xF3\xB0\xB4\xBB\xD8\xB3\xB5!";
const std::string kDone = "\xCC\xE1\xCA\xBE:\xD0\xDE\xB8\xC4\xCD\xEA\xB3\xC9!";
const std::string kPickRecord = "提示:请在下面列表中点击选取数据!";
const std::string kEnterOffset = "提示:请输入十六进制偏移地址!";
const std::string kValueTooLong = "提示:内容太长,超出了该记录的空间,未写入!";

const std::string kChinese = "\xD6\xD0\xCE\xC4";  // 中文

// The header, then one 160-byte slot per chain, padded with the units "00" so that every
// even offset of a slot holds a whole unit. Slot 3 is the last one listed: its scan ends
// within 160 bytes of the end of the file.
std::string config_with(char edition) {
    const std::vector<std::string> chains = {chain("HELLO", 0x41), chain(kChinese, 0xF0), chain("x", 0xFE),
                                             chain("end", 0xC0)};
    std::string out = kSignature + edition + std::string(43, '\x55');
    for (const std::string& c : chains) out += (c + std::string(160, '0')).substr(0, 160);
    return out;
}

const Rows kListed = {{"30", "HELLO"}, {"D0", kChinese}, {"170", "x"}, {"210", "end"}};

class RecordsTest : public ShellTest {
protected:
    // The window with the configuration file dropped on its icon.
    void open_config() {
        start();
        path_ = folder_.write("NaviConfig.dll", config_with('\xBF'));
        drop_file(path_);
        ASSERT_EQ(rows(), kListed);
    }
    HWND value_box() const { return control(ControlId::value_box); }
    HWND offset_box() const { return control(ControlId::offset_box); }
    void click_row(int row) { click_list(row_point(row)); }
    void enter(HWND box) { press(box, VK_RETURN); }

    std::string path_;
};

TEST_F(RecordsTest, AClickedRowFillsTheBoxesAndAClickBelowEmptiesThem) {
    open_config();
    EXPECT_EQ(status_text(), "当前文件:" + path_);
    EXPECT_EQ(hint(), kPickRecord);
    EXPECT_EQ(GetFocus(), list());
    EXPECT_EQ(selected_row(), -1);

    for (const int row : {1, 3, 0}) {
        SCOPED_TRACE(row);
        click_row(row);
        EXPECT_EQ(selected_row(), row);
        EXPECT_EQ(text_of(offset_box()), kListed[row][0]);
        EXPECT_EQ(text_of(value_box()), kListed[row][1]) << "GBK arrives byte for byte";
        EXPECT_EQ(hint(), kEditThenEnter);
        EXPECT_EQ(GetFocus(), list());
    }

    SetWindowTextA(control(ControlId::hint_line), "");
    click_list(below_rows());
    EXPECT_EQ(selected_row(), -1);
    EXPECT_EQ(text_of(offset_box()), "");
    EXPECT_EQ(text_of(value_box()), "");
    EXPECT_EQ(hint(), kEditThenEnter);

    // Keys move the selection but never fill the boxes.
    click_row(0);
    press(list(), VK_DOWN);
    EXPECT_EQ(selected_row(), 1);
    EXPECT_EQ(text_of(offset_box()), "30");
}

TEST_F(RecordsTest, AClickOnTheEmptyListOnlyMovesTheFocus) {
    start();
    SetWindowTextA(offset_box(), "D0");
    SetFocus(list());
    const std::string before = hint();
    click_list(row_point(0));
    EXPECT_EQ(GetFocus(), offset_box());
    EXPECT_EQ(text_of(offset_box()), "D0");
    EXPECT_EQ(hint(), before);
}

// Typed into the value box after a click on the row, Enter pressed as the keyboard
// would: the file holds the new chain, the list shows it, the row is selected again.
TEST_F(RecordsTest, EnterWritesTheTypedValueAndListsTheFileAgain) {
    struct Case {
        int row;
        std::string value;
        std::size_t offset;
        int seed;
    };
    const Case cases[] = {
        {0, "AB", 0x30, 0x41},
        {1, "N", 0xD0, 0xF0},
        {2, "\xBF\xAD\xC1\xA2\xB5\xC2", 0x170, 0xFE},  // 凯立德
        {3, "", 0x210, 0xC0},
        {0, std::string(77, 'q'), 0x30, 0x41},
    };
    open_config();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        std::string expected = file_bytes(path_);
        const std::string units = chain(c.value, c.seed).substr(2);
        expected.replace(c.offset + 2, units.size(), units);

        click_row(c.row);
        type(value_box(), c.value);
        ASSERT_EQ(text_of(value_box()), c.value);
        SetWindowTextA(control(ControlId::hint_line), "");
        enter(value_box());

        EXPECT_EQ(file_bytes(path_), expected);
        EXPECT_EQ(cell(c.row, 1), c.value);
        EXPECT_EQ(row_count(), 4);
        EXPECT_EQ(selected_row(), c.row);
        EXPECT_EQ(hint(), kDone);
        EXPECT_EQ(text_of(offset_box()), kListed[c.row][0]);
        EXPECT_EQ(text_of(value_box()), c.value);
        EXPECT_TRUE(shell().form.file.is_open());
    }

    // A GBK value goes from the list through the box and back into the file unchanged.
    const std::string before = file_bytes(path_);
    click_row(2);
    ASSERT_EQ(text_of(value_box()), cases[2].value);
    enter(value_box());
    EXPECT_EQ(file_bytes(path_), before);
    EXPECT_EQ(cell(2, 1), cases[2].value);
    EXPECT_EQ(hint(), kDone);
}

TEST_F(RecordsTest, AValueThatWouldLeaveItsPlaceIsNotWritten) {
    struct Case {
        const char* name;
        std::string offset;
        std::string value;
        std::string hint;
    };
    const Case cases[] = {
        {"one byte too long for a slot", "30", std::string(78, 'q'), kValueTooLong},
        {"inside the header", "2F", "x", kEnterOffset},
        {"not hexadecimal", "zz", "x", kEnterOffset},
        {"past the end of the file", "300", "x", kEnterOffset},
    };
    open_config();
    const std::string before = file_bytes(path_);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        click_row(0);
        type(offset_box(), c.offset);
        type(value_box(), c.value);
        enter(value_box());
        EXPECT_EQ(file_bytes(path_), before);
        EXPECT_EQ(hint(), c.hint);
        EXPECT_EQ(rows(), kListed);
    }
}

TEST_F(RecordsTest, EnterInTheOffsetBoxDecodesThereAndTheArrowsMoveTheFocus) {
    struct Case {
        std::string offset;
        std::string value;
    };
    const Case cases[] = {
        {"d0", kChinese},
        {"00D0", kChinese},
        {"34", "LLO"},  // two units into slot 30: the unit there is the seed
        {"5000", ""},
    };
    open_config();
    click_row(2);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.offset);
        type(offset_box(), c.offset);
        enter(offset_box());
        EXPECT_EQ(text_of(value_box()), c.value);
        EXPECT_EQ(text_of(offset_box()), c.offset);
        EXPECT_EQ(hint(), kEditThenEnter);
        EXPECT_EQ(selected_row(), 2);
    }

    // The value decoded there goes back to the same place.
    const std::string units = chain("LLo", 0x41 + 'H' + 'E').substr(2);
    std::string expected = file_bytes(path_);
    expected.replace(0x36, units.size(), units);
    type(offset_box(), "34");
    enter(offset_box());
    type(value_box(), "LLo");
    enter(value_box());
    EXPECT_EQ(file_bytes(path_), expected);
    EXPECT_EQ(cell(0, 1), "HELLo");
    EXPECT_EQ(selected_row(), -1) << "no row is at 34";

    SetWindowTextA(offset_box(), "");
    enter(offset_box());
    EXPECT_EQ(hint(), kEnterOffset);

    // Down in the value box and Up in the offset box move the focus; the other arrow
    // key stays with the box.
    SetFocus(value_box());
    press(value_box(), VK_DOWN);
    EXPECT_EQ(GetFocus(), offset_box());
    press(offset_box(), VK_UP);
    EXPECT_EQ(GetFocus(), value_box());
    press(value_box(), VK_UP);
    EXPECT_EQ(GetFocus(), value_box());
}

// A written row far down the list is selected with the row after it in view.
TEST_F(RecordsTest, AWriteFarDownTheListScrollsItsRowIntoView) {
    start();
    std::string file = kSignature + '\xBF' + std::string(43, '\x55');
    for (int slot = 0; slot < 200; ++slot) file += (chain("slot " + std::to_string(slot)) + std::string(160, '0')).substr(0, 160);
    const std::string path = folder_.write("NaviConfig.dll", file);
    drop_file(path);
    ASSERT_EQ(row_count(), 191);
    ASSERT_EQ(cell(190, 0), "76F0");
    ASSERT_EQ(SendMessageA(list(), LVM_GETTOPINDEX, 0, 0), 0);

    type(offset_box(), "12F0");  // slot 30
    type(value_box(), "thirty");
    press(value_box(), VK_RETURN);
    EXPECT_EQ(cell(30, 1), "thirty");
    EXPECT_EQ(selected_row(), 30);
    const auto top = static_cast<int>(SendMessageA(list(), LVM_GETTOPINDEX, 0, 0));
    const auto per_page = static_cast<int>(SendMessageA(list(), LVM_GETCOUNTPERPAGE, 0, 0));
    EXPECT_LE(top, 31);
    EXPECT_GT(top + per_page, 31);
    EXPECT_EQ(hint(), kDone);
}

// A file dropped, or Enter pressed in the value box, while a listing lets events run is
// ignored: the listing goes on with the file it started, and nothing writes into it.
TEST_F(RecordsTest, ADropOrAWriteDuringAListingIsIgnored) {
    start();
    const std::string first = folder_.write("first.dll", config_with('\xBF'));
    const std::string second = folder_.write("second.dll", kSignature + '\xBF' + std::string(43, 'x') + chain("2nd"));
    const std::string first_bytes = file_bytes(first);
    QueuedAction during;
    bool ran = false;
    bool busy = false;
    during.post([&] {
        ran = true;
        busy = shell().form.busy;
        drop_file(second);
        SetWindowTextA(offset_box(), "30");
        SetWindowTextA(value_box(), "written meanwhile");
        SendMessageA(value_box(), WM_KEYDOWN, VK_RETURN, 1);
    });
    drop_file(first);
    EXPECT_TRUE(ran);
    EXPECT_TRUE(busy);
    EXPECT_EQ(file_bytes(first), first_bytes);
    EXPECT_EQ(hint(), kPickRecord);
    EXPECT_EQ(shell().form.file.path, first);
    EXPECT_EQ(status_text(), "当前文件:" + first);
    EXPECT_EQ(rows(), kListed);

    drop_file(second);
    EXPECT_EQ(cell(0, 1), "2nd") << "once the listing has ended, a drop is taken in";
}

// Esc while a listing lets events run closes the window; the listing ends on the
// destroyed controls and the program's loop ends.
TEST_F(RecordsTest, EscDuringAListingClosesTheWindow) {
    start();
    QueuedAction during;
    during.post([&] { PostMessageA(list(), WM_KEYDOWN, VK_ESCAPE, 1); });
    drop_file(folder_.write("NaviConfig.dll", config_with('\xBF')));
    EXPECT_FALSE(IsWindow(form()));
    EXPECT_EQ(run_loop_until_quit(), 0);
}

// Comments from ziz_ivi.ini, read for the file's edition.
const std::string kReference =
    "[整理]\r\nID=王工\r\n"
    "[C-PND]\r\n30=起点\r\nd0=声音\r\n170=only pnd\r\n210=最后一行\r\n"
    "[C-Car]\r\n30=车载\r\nD0=car d0\r\n";

TEST_F(RecordsTest, CommentsComeFromTheSectionOfTheFilesEdition) {
    struct Case {
        const char* name;
        char edition;
        std::vector<std::string> comments;
    };
    const Case cases[] = {
        {"C-PND", '\xBF', {"\xC6\xF0\xB5\xE3", "声音", "only pnd", "最后一行"}},
        {"C-Car", '\xB4', {"车载", "car d0", "", ""}},
        {"no edition", '\x77', {"", "", "", ""}},
    };
    start_with_ini(kReference);
    ASSERT_EQ(column_count(), 3);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        drop_file(folder_.write(std::string(c.name) + ".dll", config_with(c.edition)));
        ASSERT_EQ(row_count(), 4);
        for (int row = 0; row < 4; ++row) {
            EXPECT_EQ(cell(row, 0), kListed[row][0]);
            EXPECT_EQ(cell(row, 1), kListed[row][1]);
            EXPECT_EQ(cell(row, 2), c.comments[row]) << kListed[row][0];
        }
    }

    // A changed reference shows at the next listing; a write lists again with comments.
    std::string changed = kReference;
    changed.replace(changed.find("only pnd"), 8, "changed");
    folder_.write("ziz_ivi.ini", changed);
    const std::string pnd = folder_.path("C-PND.dll");
    drop_file(pnd);
    EXPECT_EQ(cell(2, 2), "changed");
    click_list(row_point(3));
    type(control(ControlId::value_box), "fin");
    press(control(ControlId::value_box), VK_RETURN);
    EXPECT_EQ(cell(3, 1), "fin");
    EXPECT_EQ(cell(3, 2), "最后一行");
}

TEST_F(RecordsTest, WithoutAReferenceAtStartThereAreNoComments) {
    start();
    folder_.write("ziz_ivi.ini", kReference);
    drop_file(folder_.write("NaviConfig.dll", config_with('\xBF')));
    EXPECT_EQ(column_count(), 2);
    EXPECT_EQ(rows(3), (Rows{{"30", "HELLO", ""}, {"D0", kChinese, ""}, {"170", "x", ""}, {"210", "end", ""}}));
}

}  // namespace
