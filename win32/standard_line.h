// One line of the program's, written where a script reads what a program says.
#pragma once

#include <windows.h>

#include <string_view>

// Writes the UTF-8 line and CRLF to the standard output or error (STD_OUTPUT_HANDLE,
// STD_ERROR_HANDLE) that the program was given: its bytes to a file or a pipe, its characters to
// a console, whatever the console's code page. A program started from a console without either
// writes to that console.
void WriteStandardLine(DWORD nStdHandle, std::string_view line);
