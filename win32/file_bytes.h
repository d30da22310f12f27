// A file opened through an owner of its handle, and everything it holds read at once.
#pragma once

#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>

#include "gdi.h"

// A handle that CloseHandle frees: a file's, a thread's.
struct KernelHandleTraits {
    static void Free(HANDLE handle) { ::CloseHandle(handle); }
};
using CFile = UniqueHandle<HANDLE, KernelHandleTraits>;

inline constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

inline CFile OpenFile(const std::wstring& path, DWORD access, DWORD share, DWORD creation)
{
    const HANDLE hFile = ::CreateFileW(path.c_str(), access, share, nullptr, creation, FILE_ATTRIBUTE_NORMAL, nullptr);
    return CFile(hFile != INVALID_HANDLE_VALUE ? hFile : nullptr);
}

// Everything the file holds from its start; nothing for a file of more than nMaxBytes.
inline std::optional<std::string> ReadAll(HANDLE hFile, std::size_t nMaxBytes)
{
    LARGE_INTEGER size{};
    const LARGE_INTEGER start{};
    if (!::GetFileSizeEx(hFile, &size) || static_cast<unsigned long long>(size.QuadPart) > nMaxBytes ||
        !::SetFilePointerEx(hFile, start, nullptr, FILE_BEGIN))
        return std::nullopt;
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    DWORD nRead = 0;
    if (!bytes.empty() && (!::ReadFile(hFile, bytes.data(), static_cast<DWORD>(bytes.size()), &nRead, nullptr) ||
                           nRead != bytes.size()))
        return std::nullopt;
    return bytes;
}
