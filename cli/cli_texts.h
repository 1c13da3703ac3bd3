#pragma once
// The command line's own texts, GBK like the hints of ops/hints.h (-fexec-charset=GBK).
// Texts that name a file are cut around the path: a path goes out as it was typed.

namespace cli_text {

inline constexpr const char* kUsage =
    "用法: tarvello-cli [--encoding utf8|gbk] 命令 ...\n"
    "命令:\n"
    "  list FILE [--ini PATH] [--json]\n"
    "                              列出记录: 地址<TAB>值<TAB>注释\n"
    "  get FILE OFFSET [--json]    显示十六进制偏移地址处的值\n"
    "  set [--no-backup] FILE OFFSET VALUE\n"
    "                              在十六进制偏移地址处写入新值; 导航模块的端口或速率\n"
    "                              以其所在行的地址指定\n"
    "  export FILE OUT             导出解码后的内容到 OUT\n"
    "  restore FILE                用备份 FILE.bak 恢复 FILE, 备份保留\n"
    "  diff A [B] [--json]         列出两个文件中值不同的记录: 地址<TAB>A 的值<TAB>B 的值;\n"
    "                              B 默认为 A.bak\n"
    "选项:\n"
    "  --ini PATH                  注释取自 ziz_ivi.ini 中文件版本的一节 (仅 list)\n"
    "  --no-backup                 不创建备份 (仅 set); 否则首次修改前把原文件保存为\n"
    "                              FILE.bak, 已有的备份从不覆盖\n"
    "  --json                      输出一个 UTF-8 的 JSON 文档 (仅 list, get, diff)\n"
    "  --encoding utf8|gbk         终端读写的编码; Linux 默认 utf8, Windows 默认为控制台\n"
    "                              的代码页 (65001 为 utf8, 否则 gbk). 文件本身总是 GBK\n"
    "  --                          其后的参数都不是选项 (如以 - 开头的值)\n"
    "  --help                      显示本帮助\n"
    "  --version                   显示版本\n"
    "退出状态:\n"
    "  0 完成; 1 文件或写入被拒绝, 未写入任何内容 (提示在标准错误); 2 用法错误\n"
    "  diff: 0 没有不同; 1 有不同; 2 用法错误, 或文件无法读取, 或类型不对\n";

// Usage errors, after "tarvello-cli: "; the argument concerned follows some of them.
inline constexpr const char* kMissingCommand = "缺少命令";
inline constexpr const char* kUnknownCommand = "未知命令: ";
inline constexpr const char* kUnknownOption = "未知选项: ";
inline constexpr const char* kMissingOptionValue = "缺少参数: ";
inline constexpr const char* kBadEncoding = "--encoding 只能是 utf8 或 gbk";
inline constexpr const char* kWrongOperandCount = "参数个数不对: ";
inline constexpr const char* kOptionNotForCommand = "此命令不接受该选项: ";

// restore without a backup: "提示:没有备份文件 FILE.bak!"
inline constexpr const char* kNoBackupBefore = "提示:没有备份文件 ";
inline constexpr const char* kNoBackupAfter = "!";

// diff: a file it cannot compare, named after the text.
inline constexpr const char* kCannotRead = "提示:无法读取文件: ";
inline constexpr const char* kNotKldFile = "提示:不是凯立德配置文件或导航模块: ";
inline constexpr const char* kKindsDiffer = "提示:一个是配置文件, 另一个是导航模块, 无法比较!";

// Standard output could not be written whole (a full disk, a closed pipe).
inline constexpr const char* kOutputFailed = "提示:输出写入失败!";

}  // namespace cli_text
