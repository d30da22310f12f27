// The settings as the program keeps them: the records, their keys and defaults, and where the file lies.
#include "settings.h"

#include <algorithm>

namespace {

// The executable's directory with its trailing separator.
std::wstring DirectoryOf(std::wstring_view exePath)
{
    const auto separator = exePath.find_last_of(L"\\/");
    // A bare name would send the profile functions to the Windows directory; keep it here instead.
    return separator == std::wstring_view::npos ? std::wstring(L".\\")
                                                : std::wstring(exePath.substr(0, separator + 1));
}

bool IsSeparator(wchar_t c)
{
    return c == L'\\' || c == L'/';
}

// The length of the path's root, "C:\" or "\\server\share\"; 0 for a path without one, as a
// relative path, one rooted on the current drive ("\x") or a device path ("\\?\", "\\.\").
std::size_t RootLength(std::wstring_view path)
{
    const wchar_t drive = path.empty() ? L'\0' : path[0];
    const bool bLetter = (drive >= L'A' && drive <= L'Z') || (drive >= L'a' && drive <= L'z');
    if (bLetter && path.size() >= 3 && path[1] == L':' && IsSeparator(path[2]))
        return 3;
    if (path.size() < 2 || !IsSeparator(path[0]) || !IsSeparator(path[1]))
        return 0;
    const std::size_t serverEnd = path.find_first_of(L"\\/", 2);
    if (serverEnd == std::wstring_view::npos || serverEnd == 2)
        return 0;
    const std::wstring_view server = path.substr(2, serverEnd - 2);
    if (server == L"?" || server == L".")
        return 0;
    const std::size_t shareEnd = path.find_first_of(L"\\/", serverEnd + 1);
    if (shareEnd == std::wstring_view::npos || shareEnd == serverEnd + 1)
        return 0;
    return shareEnd + 1;
}

// A folder of an absolute path, and not the root itself.
bool IsFolderBelowRoot(std::wstring_view folder)
{
    const std::size_t nRoot = RootLength(folder);
    return nRoot != 0 && folder.find_first_not_of(L"\\/", nRoot) != std::wstring_view::npos;
}

constexpr uint64_t kHashBasis = 14695981039346656037ULL;

uint64_t HashStep(uint64_t nHash, uint64_t nUnit)
{
    return (nHash ^ nUnit) * 1099511628211ULL;
}

// FNV-1a over the UTF-16 code units, each ASCII letter folded to upper case.
uint64_t HashText(uint64_t nHash, std::wstring_view text)
{
    for (wchar_t c : text) {
        if (c >= L'a' && c <= L'z')
            c = static_cast<wchar_t>(c - L'a' + L'A');
        nHash = HashStep(nHash, static_cast<uint16_t>(c));
    }
    return nHash;
}

std::wstring NameOf(uint64_t nHash)
{
    std::wstring name = L"Tarnovell-";
    for (int nShift = 60; nShift >= 0; nShift -= 4)
        name += L"0123456789ABCDEF"[(nHash >> nShift) & 0xF];
    return name;
}

}  // namespace

std::wstring SettingsPathFor(std::wstring_view exePath)
{
    std::wstring path = DirectoryOf(exePath);
    path.append(std::begin(kSettingsFileName), std::end(kSettingsFileName) - 1);
    return path;
}

bool IsSettingsPlace(std::wstring_view path)
{
    const std::size_t nName = path.find_last_of(L"\\/") + 1;
    return path.size() <= kMaxProfilePath && nName < path.size() && IsFolderBelowRoot(path.substr(0, nName));
}

std::wstring UserSettingsPathFor(std::wstring_view localAppData)
{
    if (!IsFolderBelowRoot(localAppData))
        return {};
    std::wstring path(localAppData);
    if (!IsSeparator(path.back()))
        path += L'\\';
    path += L"Tarnovell\\";
    path.append(std::begin(kSettingsFileName), std::end(kSettingsFileName) - 1);
    return path;
}

std::wstring AlarmPathBeside(std::wstring_view exePath, std::wstring_view alarm)
{
    // "C:x" is relative to a drive's own current directory, not to any folder of ours.
    const bool bRooted = !alarm.empty() && IsSeparator(alarm[0]);
    const bool bDrive = alarm.size() >= 2 && alarm[1] == L':';
    if (alarm.empty() || bRooted || bDrive)
        return {};
    return DirectoryOf(exePath).append(alarm);
}

std::string_view CutToCharacters(std::string_view text, std::size_t nMax, CharacterBytes characterBytes)
{
    std::size_t nEnd = 0;
    while (nEnd < text.size()) {
        const std::size_t nBytes = characterBytes(static_cast<unsigned char>(text[nEnd]));
        const std::size_t nNext = nEnd + std::max<std::size_t>(1, nBytes);
        // A character that runs past the end of the text or of the room is left out whole.
        if (nNext > nMax || nNext > text.size())
            break;
        nEnd = nNext;
    }
    return text.substr(0, nEnd);
}

std::wstring InstanceName(uint64_t nFolderIndex, std::wstring_view name)
{
    // FNV-1a over the index's bytes, lowest first, and then over the name.
    uint64_t nHash = kHashBasis;
    for (int nShift = 0; nShift < 64; nShift += 8)
        nHash = HashStep(nHash, (nFolderIndex >> nShift) & 0xFF);
    return NameOf(HashText(nHash, name));
}

std::wstring InstanceName(std::wstring_view foldedPath)
{
    return NameOf(HashText(kHashBasis, foldedPath));
}
