#pragma once

// Every hint the two front ends show, in the hint line or on standard error, and the
// status bar's prefix. The compiler turns these literals into GBK (-fexec-charset=GBK),
// so they reach the window and the terminal byte for byte.
namespace hint {
inline constexpr const char* kOpenFailed = "提示:打开文件失败,可能文件为只读属性!";
inline constexpr const char* kReadFailed = "提示:读取文件失败!";
inline constexpr const char* kNotKld = "提示:不是凯立德配置文件!";
inline constexpr const char* kPickRecord = "提示:请在下面列表中点击选取数据!";
inline constexpr const char* kEditThenEnter = "提示:修改请在上面编辑框中输入新内容后按回车!";
inline constexpr const char* kDone = "提示:修改完成!";
inline constexpr const char* kEnterOffset = "提示:请输入十六进制偏移地址!";
inline constexpr const char* kNoFileOpen = "提示:未打开KLD配置文件,请拖放到图标上!";
inline constexpr const char* kRateOnly = "提示:速率只能是 4800 或 9600 或 19200 或 38400 或 57600 值!";
inline constexpr const char* kValueTooLong = "提示:内容太长,超出了该记录的空间,未写入!";
inline constexpr const char* kUnwritableText = "提示:内容含有无法写入的字符,未写入!";
inline constexpr const char* kPortTooLong = "提示:端口文字最多5个字节(如 COM1:),未写入!";
inline constexpr const char* kWriteFailed = "提示:写入文件失败,修改未完成!";
inline constexpr const char* kBackupFailed = "提示:无法创建备份文件,未写入!";
inline constexpr const char* kExportFailed = "提示:导出文件写入失败!";
inline constexpr const char* kExportOntoItself = "提示:不能导出到正在打开的文件!";
inline constexpr const char* kUndone = "提示:已撤销修改!";
inline constexpr const char* kRedone = "提示:已恢复修改!";
inline constexpr const char* kNothingToUndo = "提示:没有可以撤销的修改!";
inline constexpr const char* kNothingToRedo = "提示:没有可以恢复的修改!";
inline constexpr const char* kChangedElsewhere = "提示:文件已被其他程序修改,无法撤销!";
inline constexpr const char* kCurrentFile = "当前文件:";
}  // namespace hint

// 提 is CC E1 in GBK (E6 8F 90 in UTF-8): a compiler left at another execution charset
// would ship texts the window cannot show.
static_assert(static_cast<unsigned char>(hint::kDone[0]) == 0xCC && static_cast<unsigned char>(hint::kDone[1]) == 0xE1,
              "narrow literals must be compiled to GBK");
