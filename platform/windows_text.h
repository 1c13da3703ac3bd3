#pragma once
// Text between the program's narrow forms and Windows' UTF-16, with the code page always
// named: the system code page differs from machine to machine and must never decide.
#include <string>

inline constexpr unsigned kGbkCodePage = 936;

std::wstring utf8_to_wide(const std::string& text);
std::string wide_to_utf8(const std::wstring& text);
std::wstring gbk_to_wide(const std::string& gbk);
// False when a character has no GBK form; no best-fit substitutes are made.
bool wide_to_gbk(const std::wstring& text, std::string& gbk);
