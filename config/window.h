#pragma once
#include <string>

// The controls the handlers touch.
enum class Control { EditBox1, EditBox2, Label1, StatusBar1, ListView1 };

// What the handlers need of the window: the Win32 shell implements it with the real
// controls, the tests in memory. Texts are GBK. Rows and columns count from 0.
class Window {
public:
    virtual ~Window() = default;

    // The text of an edit box, the caption of Label1, the first part of StatusBar1.
    virtual std::string text(Control control) = 0;
    virtual void set_text(Control control, const std::string& text) = 0;
    virtual void focus(Control control) = 0;

    virtual void clear_rows() = 0;
    virtual int row_count() = 0;
    virtual void append_row(const std::string& address, const std::string& value) = 0;
    virtual std::string cell(int row, int column) = 0;
    virtual void set_cell(int row, int column, const std::string& text) = 0;
    virtual int selected_row() = 0;  // the first selected row, -1 when none
    virtual void select_row(int row) = 0;
    virtual void scroll_to_row(int row) = 0;

    virtual void show_progress(bool shown) = 0;
    virtual void set_progress_range(int maximum) = 0;
    virtual void set_progress(int position) = 0;

    // The file dialogs of CommonDlg1; an empty text when the user cancels.
    virtual std::string ask_open_path() = 0;
    virtual std::string ask_save_path() = 0;

    // Lets pending window events run, so the window repaints and stays responsive.
    virtual void let_events_run() = 0;
};

// Private-profile (INI) reading: an empty text when the file, section or key is missing.
class ProfileReader {
public:
    virtual ~ProfileReader() = default;
    virtual std::string read(const std::string& file, const std::string& section, const std::string& key) = 0;
};

struct FileSession;

// Everything a handler works on.
struct Context {
    FileSession& session;
    Window& window;
    ProfileReader& profile;
    std::string settings_path;  // the program's directory + "\ziz_ivi.ini"
};

// Windows virtual-key codes the edit boxes act on.
inline constexpr int kKeyEnter = 13;
inline constexpr int kKeyUp = 38;
inline constexpr int kKeyDown = 40;
