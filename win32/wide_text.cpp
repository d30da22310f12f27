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

std::size_t AnsiCharacterBytes(unsigned char lead)
{
    if (::GetACP() != CP_UTF8)
        return ::IsDBCSLeadByte(lead) ? 2 : 1;
    if (lead >= 0xF0)
        return 4;
    if (lead >= 0xE0)
        return 3;
    return lead >= 0xC0 ? 2 : 1;
}

namespace {

// The text in the code page, or nothing if a character of it has no exact counterpart there: a
// look-alike that the conversion would put in its place names another file. A UTF-8 code page
// holds every character and takes neither the flag nor the question.
std::optional<std::string> ExactAnsi(std::wstring_view text)
{
    if (text.empty())
        return std::string();
    const bool bUtf8 = ::GetACP() == CP_UTF8;
    const DWORD flags = bUtf8 ? 0 : WC_NO_BEST_FIT_CHARS;
    BOOL bUsedDefault = FALSE;
    const int nSize = static_cast<int>(text.size());
    const int nNarrow = ::WideCharToMultiByte(CP_ACP, flags, text.data(), nSize, nullptr, 0, nullptr,
                                              bUtf8 ? nullptr : &bUsedDefault);
    if (nNarrow <= 0 || bUsedDefault)
        return std::nullopt;
    std::string narrow(static_cast<std::size_t>(nNarrow), '\0');
    ::WideCharToMultiByte(CP_ACP, flags, text.data(), nSize, narrow.data(), nNarrow, nullptr, nullptr);
    return narrow;
}

}  // namespace

std::optional<std::string> AnsiPath(const std::wstring& path)
{
    if (std::optional<std::string> exact = ExactAnsi(path))
        return exact;
    // Only a file that exists has a short name, and only on a volume that makes them.
    const DWORD nSize = ::GetShortPathNameW(path.c_str(), nullptr, 0);
    if (nSize == 0)
        return std::nullopt;
    std::wstring shortPath(nSize, L'\0');
    const DWORD nLength = ::GetShortPathNameW(path.c_str(), shortPath.data(), nSize);
    if (nLength == 0 || nLength >= nSize)
        return std::nullopt;
    shortPath.resize(nLength);
    return ExactAnsi(shortPath);
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
