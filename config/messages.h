#pragma once

// Every hint the core shows in Label1 and the status bar's prefix. The compiler turns
// these literals into GBK (-fexec-charset=GBK), so they reach the window byte for byte.
namespace msg {
inline constexpr const char* kOpenFailed = "提示:打开文件失败,可能文件为只读属性!";
inline constexpr const char* kNotKld = "提示:不是凯立德配置文件!";
inline constexpr const char* kPickRecord = "提示:请在下面列表中点击选取数据!";
inline constexpr const char* kEditThenEnter = "提示:修改请在上面编辑框中输入新内容后按回车!";
inline constexpr const char* kDone = "提示:修改完成!";
inline constexpr const char* kEnterOffset = "提示:请输入十六进制偏移地址!";
inline constexpr const char* kNoFileOpen = "提示:未打开KLD配置文件,请拖放到图标上!";
inline constexpr const char* kRateOnly = "提示:速率只能是 4800 或 9600 或 19200 或 38400 或 57600 值!";
inline constexpr const char* kValueTooLong = "提示:内容太长,超出了该记录的空间,未写入!";
inline constexpr const char* kPortTooLong = "提示:端口文字最多5个字节(如 COM1:),未写入!";
inline constexpr const char* kWriteFailed = "提示:写入文件失败,修改未完成!";
inline constexpr const char* kExportFailed = "提示:导出文件写入失败!";
inline constexpr const char* kCurrentFile = "当前文件:";
}  // namespace msg
