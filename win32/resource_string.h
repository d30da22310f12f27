// The program's own strings, from its string table.
#pragma once

#include <string>

// A string of the program's string table in UTF-16, as the resource holds it; empty if it is
// missing.
std::wstring ProgramString(unsigned int nID);
