#include "cli/run_cli.h"

#include <ostream>

#include "cli/console_window.h"
#include "cli/console_platform.h"
#include "config/byte_file.h"
#include "config/file_session.h"
#include "config/intake_file.h"
#include "config/messages.h"
#include "edit/export_decoded_content.h"
#include "edit/offset_box_key.h"
#include "edit/value_box_key.h"
#include "numeric/hex_helpers.h"

#ifndef TARVELLO_VERSION
#define TARVELLO_VERSION "0"
#endif

namespace {

constexpr int kDone = 0;
constexpr int kRefused = 1;
constexpr int kUsage = 2;

const char* const kUsageText =
    "用法: tarvello-cli [--encoding utf8|gbk] 命令 ...\n"
    "  list FILE [--ini PATH]      列出记录: 地址<TAB>值<TAB>注释\n"
    "  get FILE OFFSET             显示十六进制偏移地址处的值\n"
    "  set FILE OFFSET VALUE       在十六进制偏移地址处写入新值\n"
    "  export FILE OUT             导出解码后的内容到 OUT\n"
    "  --help                      显示本帮助\n"
    "  --version                   显示版本\n";

struct Invocation {
    std::vector<std::string> words;
    std::string ini;
    Encoding encoding = default_encoding();
    bool help = false;
    bool version = false;
    std::string error;
    std::string typed;  // the argument the error is about
};

Invocation parse(const std::vector<std::string>& args) {
    Invocation inv;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            inv.help = true;
        } else if (a == "--version") {
            inv.version = true;
        } else if (a == "--encoding" || a == "--ini") {
            if (i + 1 >= args.size()) {
                inv.error = "缺少参数: ";
                inv.typed = a;
                break;
            }
            const std::string& v = args[++i];
            if (a == "--ini") {
                inv.ini = v;
            } else if (v == "utf8" || v == "utf-8") {
                inv.encoding = Encoding::Utf8;
            } else if (v == "gbk") {
                inv.encoding = Encoding::Gbk;
            } else {
                inv.error = "--encoding 只能是 utf8 或 gbk";
            }
        } else if (a.size() > 1 && a[0] == '-' && a != "-") {
            inv.error = "未知选项: ";
            inv.typed = a;
        } else {
            inv.words.push_back(a);
        }
    }
    return inv;
}

struct Tool {
    FileSession session;
    ConsoleWindow window;
    Context context;
    Encoding encoding;
    std::ostream& out;
    std::ostream& err;

    Tool(ProfileReader& profile, const std::string& ini, Encoding enc, std::ostream& o, std::ostream& e)
        : context{session, window, profile, ini}, encoding(enc), out(o), err(e) {
        session.has_reference_file = !ini.empty() && file_exists(ini);
    }

    void say(const std::string& gbk) { err << gbk_to_terminal(gbk, encoding) << '\n'; }
    std::string hint() { return window.text(Control::Label1); }

    // The hint the window would show when the file is refused.
    bool open(const std::string& path) {
        intake_file(context, path);
        if (session.is_open()) return true;
        say(hint());
        return false;
    }
};

int list(Tool& t, const std::string& file) {
    if (!t.open(file)) return kRefused;
    for (int r = 0; r < t.window.row_count(); ++r) {
        t.out << t.window.cell(r, 0) << '\t' << gbk_to_terminal(t.window.cell(r, 1), t.encoding) << '\t'
              << gbk_to_terminal(t.window.cell(r, 2), t.encoding) << '\n';
    }
    return kDone;
}

int get(Tool& t, const std::string& file, const std::string& offset) {
    if (!t.open(file)) return kRefused;
    t.window.set_text(Control::EditBox2, offset);
    go_to_offset(t.context);
    t.out << gbk_to_terminal(t.window.text(Control::EditBox1), t.encoding) << '\n';
    return kDone;
}

// A module's row is chosen by what lies at the offset, as a click on that row would.
bool select_module_row(Tool& t, const std::string& offset) {
    std::string wanted = offset;
    const auto at = hex_value(wanted);
    for (int r = 0; r < t.window.row_count(); ++r) {
        std::string address = t.window.cell(r, 0);
        if (hex_value(address) == at) {
            t.window.select_row(r);
            return true;
        }
    }
    return false;
}

int set(Tool& t, const std::string& file, const std::string& offset, const std::string& value) {
    if (!t.open(file)) return kRefused;
    if (t.session.kind == kKindModule && !select_module_row(t, offset)) {
        t.say(msg::kEnterOffset);
        return kRefused;
    }
    t.window.set_text(Control::EditBox2, offset);
    t.window.set_text(Control::EditBox1, value);
    on_value_box_key(t.context, kKeyEnter);
    if (t.hint() == msg::kDone) return kDone;
    t.say(t.hint());
    return kRefused;
}

int export_file(Tool& t, const std::string& file, const std::string& output) {
    if (!t.open(file)) return kRefused;
    if (t.session.kind != kKindConfig) {
        t.say(msg::kNotKld);
        return kRefused;
    }
    if (!write_export_file(output, decode_body(t.session.file, {}))) {
        t.say(msg::kExportFailed);
        return kRefused;
    }
    return kDone;
}

}  // namespace

int run_cli(const std::vector<std::string>& args, ProfileReader& profile, std::ostream& out, std::ostream& err) {
    Invocation inv = parse(args);
    // The problem is GBK; what the user typed is echoed as the terminal gave it.
    auto usage = [&](const std::string& problem, const std::string& typed = {}) {
        if (!problem.empty()) err << "tarvello-cli: " << gbk_to_terminal(problem, inv.encoding)
                                      << (arguments_are_gbk() ? gbk_to_terminal(typed, inv.encoding) : typed) << '\n';
        err << gbk_to_terminal(kUsageText, inv.encoding);
        return kUsage;
    };
    if (!inv.error.empty()) return usage(inv.error, inv.typed);
    if (inv.help) {
        out << gbk_to_terminal(kUsageText, inv.encoding);
        return kDone;
    }
    if (inv.version) {
        out << "tarvello-cli " TARVELLO_VERSION "\n";
        return kDone;
    }
    const auto& w = inv.words;
    const std::string command = w.empty() ? std::string() : w[0];
    const std::size_t wanted = command == "list" ? 2 : command == "get" || command == "export" ? 3 : command == "set" ? 4 : 0;
    if (wanted == 0) return command.empty() ? usage("缺少命令") : usage("未知命令: ", command);
    if (w.size() != wanted) return usage("参数个数不对: ", command);
    if (!inv.ini.empty() && command != "list") return usage("--ini 只用于 list");

    Tool tool(profile, inv.ini.empty() ? std::string() : absolute_path(inv.ini), inv.encoding, out, err);
    if (command == "list") return list(tool, w[1]);
    if (command == "get") return get(tool, w[1], w[2]);
    if (command == "export") return export_file(tool, w[1], w[2]);
    std::string value = w[3];
    if (!arguments_are_gbk() && !terminal_to_gbk(w[3], inv.encoding, value)) return usage("VALUE 无法用 GBK 表示");
    return set(tool, w[1], w[2], value);
}
