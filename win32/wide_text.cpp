// Texts handed between the program's 8-bit ANSI strings and the wide-character functions, and
// the executable's own path.
#include "wide_text.h"

#include <windows.h>

std::wstring WidenAnsi(std::string_view text)
{
    if (text.empty())
        return {};
    const int nSize = static_cast<int>(text.size());
    const int nWide = ::MultiByteToWideChar(CP_ACP, 0, text.data(), nSize, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(nWide), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, text.data(), nSize, wide.data(), static_cast<int>(wide.size()));
    return wide;
}

std::string NarrowAnsi(std::wstring_view text)
{
    if (text.empty())
        return {};
    const int nSize = static_cast<int>(text.size());
    const int nNarrow = ::WideCharToMultiByte(CP_ACP, 0, text.data(), nSize, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(nNarrow), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, text.data(), nSize, narrow.data(), static_cast<int>(narrow.size()), nullptr,
                          nullptr);
    return narrow;
}

std::wstring ExecutablePath()
{
    // The module path can be longer than MAX_PATH; grow until it fits.
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD nLength = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (nLength < path.size()) {
            path.resize(nLength);
            return path;
        }
        path.resize(path.size() * 2);
    }
}
