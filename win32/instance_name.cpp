#include "instance_name.h"

#include <windows.h>

#include <optional>

#include "core/settings.h"
#include "lazy_import.h"

namespace {

// The text in upper case as a file system compares names, non-ASCII letters among them; the text
// as it is where the system cannot fold it.
std::wstring Folded(const std::wstring& text)
{
    using LCMapStringExFunction = int WINAPI(LPCWSTR, DWORD, LPCWSTR, int, LPWSTR, int, LPNLSVERSIONINFO, LPVOID,
                                             LPARAM);
    static LazyImport<LCMapStringExFunction> mapString("kernel32.dll", "LCMapStringEx");
    auto* pfn = mapString.Get();
    if (!pfn || text.empty())
        return text;
    const DWORD flags = LCMAP_UPPERCASE | LCMAP_LINGUISTIC_CASING;
    const int nLength = static_cast<int>(text.size());
    const int nSize = pfn(LOCALE_NAME_INVARIANT, flags, text.c_str(), nLength, nullptr, 0, nullptr, nullptr, 0);
    if (nSize <= 0)
        return text;
    std::wstring folded(static_cast<std::size_t>(nSize), L'\0');
    if (pfn(LOCALE_NAME_INVARIANT, flags, text.c_str(), nLength, folded.data(), nSize, nullptr, nullptr, 0) != nSize)
        return text;
    return folded;
}

// The whole path with each of its parts that exists spelled long.
std::wstring LongFullPath(const std::wstring& path)
{
    std::wstring full(::GetFullPathNameW(path.c_str(), 0, nullptr, nullptr), L'\0');
    const DWORD nFull = ::GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (nFull == 0 || nFull >= full.size())
        return path;
    full.resize(nFull);
    std::wstring longPath(::GetLongPathNameW(full.c_str(), nullptr, 0), L'\0');
    const DWORD nLong = ::GetLongPathNameW(full.c_str(), longPath.data(), static_cast<DWORD>(longPath.size()));
    if (nLong == 0 || nLong >= longPath.size())
        return full;
    longPath.resize(nLong);
    return longPath;
}

// The folder's file index, through every link on its way. Neither its volume's serial number nor
// its creation time is taken: Wine makes the one from the drive letter, so that one folder has one
// per letter, and moves the other whenever a file is made in the folder, as every save does.
std::optional<uint64_t> FolderIndexOf(const std::wstring& folder)
{
    const HANDLE hFolder = ::CreateFileW(folder.c_str(), FILE_READ_ATTRIBUTES,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                         OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (hFolder == INVALID_HANDLE_VALUE)
        return std::nullopt;
    BY_HANDLE_FILE_INFORMATION info{};
    const bool bRead = ::GetFileInformationByHandle(hFolder, &info) != FALSE;
    ::CloseHandle(hFolder);
    if (!bRead || !(info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return std::nullopt;
    return (uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow;
}

}  // namespace

std::wstring InstanceNameOf(const std::wstring& path)
{
    const std::wstring whole = LongFullPath(path);
    const std::size_t nName = whole.find_last_of(L"\\/") + 1;
    // "C:\Tools\." names the folder itself, and the root's "C:\." the root.
    if (nName != 0) {
        if (const std::optional<uint64_t> nFolder = FolderIndexOf(whole.substr(0, nName) + L'.'))
            return InstanceName(*nFolder, Folded(whole.substr(nName)));
    }
    return InstanceName(Folded(whole));
}
