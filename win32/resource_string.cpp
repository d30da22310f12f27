// The program's own strings, from its string table.
#include "resource_string.h"

#include <windows.h>

std::wstring ProgramString(unsigned int nID)
{
    // With no buffer, the call gives the resource's own text, which is not ended by a NUL.
    const wchar_t* text = nullptr;
    const int nLength = ::LoadStringW(::GetModuleHandleW(nullptr), nID, reinterpret_cast<LPWSTR>(&text), 0);
    return nLength > 0 && text ? std::wstring(text, static_cast<std::size_t>(nLength)) : std::wstring();
}
