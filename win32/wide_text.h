// Texts handed between the program's 8-bit ANSI strings and the wide-character functions, and
// the executable's own path, which only the wide functions give whole in any folder.
#pragma once

#include <string>
#include <string_view>

// Both through the ANSI code page, so that every text the code page holds comes back byte for byte.
std::wstring WidenAnsi(std::string_view text);
std::string NarrowAnsi(std::wstring_view text);

std::wstring ExecutablePath();
