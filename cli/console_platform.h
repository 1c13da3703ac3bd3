#pragma once
#include <string>
#include <vector>

enum class Encoding { Utf8, Gbk };

// What the terminal reads and writes unless told otherwise: UTF-8 on Linux, the console's
// code page on Windows.
Encoding default_encoding();

// The program's arguments as GBK texts (on Windows from the wide command line, whatever
// the console's code page; elsewhere as the terminal gave them, converted below).
std::vector<std::string> command_line(int argc, char** argv);

// Texts cross the terminal boundary here only. False when a text has no form in the
// other encoding.
bool terminal_to_gbk(const std::string& text, Encoding encoding, std::string& gbk);
std::string gbk_to_terminal(const std::string& gbk, Encoding encoding);

// Whether command_line already delivered GBK (Windows), so values need no conversion.
bool arguments_are_gbk();

// The path made absolute: the private-profile API looks for a bare name in the Windows folder.
std::string absolute_path(const std::string& path);
