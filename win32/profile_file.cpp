// The settings file beside the executable, or the user's own where that one cannot be written,
// through the wide profile functions so that any folder name works; the texts in the file stay
// 8-bit ANSI, as the profile functions keep an ANSI file ANSI. A save goes to a copy first, so
// that a full disk or a second writer never leaves half a file.
#include <windows.h>

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "file_exists.h"
#include "profile_file.h"
#include "wide_text.h"

namespace {

// Found out without a trace: a file that lies there is opened for writing and closed unchanged,
// a missing one is created and goes again as it is closed. A file that another program holds
// open at this moment is still the program's own file.
bool CanWrite(const std::wstring& path)
{
    const DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    HANDLE hFile = ::CreateFileW(path.c_str(), GENERIC_WRITE, share, nullptr, OPEN_EXISTING, 0, nullptr);
    if (hFile == INVALID_HANDLE_VALUE && ::GetLastError() == ERROR_FILE_NOT_FOUND)
        hFile = ::CreateFileW(path.c_str(), GENERIC_WRITE | DELETE, share, nullptr, CREATE_NEW,
                              FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return ::GetLastError() == ERROR_SHARING_VIOLATION;
    ::CloseHandle(hFile);
    return true;
}

std::wstring FolderOf(const std::wstring& settingsPath)
{
    return settingsPath.substr(0, settingsPath.find_last_of(L'\\') + 1);
}

std::wstring LocalAppData()
{
    std::wstring value(MAX_PATH, L'\0');
    DWORD nLength = ::GetEnvironmentVariableW(L"LOCALAPPDATA", value.data(), static_cast<DWORD>(value.size()));
    if (nLength >= value.size()) {
        value.resize(nLength);
        nLength = ::GetEnvironmentVariableW(L"LOCALAPPDATA", value.data(), static_cast<DWORD>(value.size()));
    }
    value.resize(nLength < value.size() ? nLength : 0);
    return value;
}

// The user's file starts as a copy of the one beside the executable, so that whoever installed
// the program can hand out settings with it; a copy of a read-only file must not stay read-only.
// Without a file to copy, nothing is made before the first write.
void StartUserSettings(const std::wstring& userPath, const std::wstring& besidePath)
{
    if (!IsSettingsPlace(besidePath) || !IsFile(besidePath))
        return;
    if (::CopyFileW(besidePath.c_str(), userPath.c_str(), TRUE))
        ::SetFileAttributesW(userPath.c_str(), FILE_ATTRIBUTE_NORMAL);
}

// Wine keeps the files it read in a cache and trusts it while a file's time stays the same; this
// drops the file from it, so that the next read sees the disk.
void ForgetCached(const wchar_t* path)
{
    ::WritePrivateProfileStringW(nullptr, nullptr, nullptr, path);
}

// A value as the profile functions read it, whatever its length.
std::wstring ProfileText(const wchar_t* section, const wchar_t* key, const wchar_t* path)
{
    std::wstring text(256, L'\0');
    for (;;) {
        const DWORD nSize = static_cast<DWORD>(text.size());
        const DWORD nLength = ::GetPrivateProfileStringW(section, key, L"", text.data(), nSize, path);
        // A list of names ends in two terminators, a value in one; either is cut when it is full.
        if (nLength + 2 < nSize) {
            text.resize(nLength);
            return text;
        }
        text.resize(text.size() * 2);
    }
}

// The section names of a file (for a null section), or the key names of one of its sections.
std::vector<std::wstring> ProfileNames(const wchar_t* section, const wchar_t* path)
{
    std::vector<std::wstring> names;
    const std::wstring list = ProfileText(section, nullptr, path);
    for (std::size_t nStart = 0; nStart < list.size();) {
        const std::size_t nEnd = std::min(list.find(L'\0', nStart), list.size());
        names.emplace_back(list, nStart, nEnd - nStart);
        nStart = nEnd + 1;
    }
    return names;
}

// What a text written as a value reads back as: without blanks at either end and without the
// quotes around it.
std::wstring AsRead(std::wstring text)
{
    const std::size_t nFirst = text.find_first_not_of(L" \t");
    if (nFirst == std::wstring::npos)
        return {};
    text = text.substr(nFirst, text.find_last_not_of(L" \t") - nFirst + 1);
    if (text.size() >= 2 && (text[0] == L'"' || text[0] == L'\'') && text.back() == text[0])
        text = text.substr(1, text.size() - 2);
    return text;
}

bool IsOneOf(const std::wstring& section, const std::wstring& key, const std::wstring& entrySection,
             std::span<const ProfileEntry> entries)
{
    return ::lstrcmpiW(section.c_str(), entrySection.c_str()) == 0 &&
           std::any_of(entries.begin(), entries.end(), [&](const ProfileEntry& entry) {
               return ::lstrcmpiW(key.c_str(), WidenAnsi(entry.key).c_str()) == 0;
           });
}

// The copy reads back every other key of the file as the file has it, and the entries as they
// were written: no line of it was lost on the way to the disk.
bool HoldsWhole(const wchar_t* copy, const std::wstring& path, const std::wstring& section,
                std::span<const ProfileEntry> entries)
{
    for (const std::wstring& name : ProfileNames(nullptr, path.c_str())) {
        for (const std::wstring& key : ProfileNames(name.c_str(), path.c_str())) {
            if (!IsOneOf(name, key, section, entries) &&
                ProfileText(name.c_str(), key.c_str(), copy) != ProfileText(name.c_str(), key.c_str(), path.c_str()))
                return false;
        }
    }
    return std::all_of(entries.begin(), entries.end(), [&](const ProfileEntry& entry) {
        return ProfileText(section.c_str(), WidenAnsi(entry.key).c_str(), copy) == AsRead(WidenAnsi(entry.text));
    });
}

bool WriteEntries(const wchar_t* path, const std::wstring& section, std::span<const ProfileEntry> entries)
{
    return std::all_of(entries.begin(), entries.end(), [&](const ProfileEntry& entry) {
        return ::WritePrivateProfileStringW(section.c_str(), WidenAnsi(entry.key).c_str(),
                                            WidenAnsi(entry.text).c_str(), path) != FALSE;
    });
}

// The file's bytes in the copy, which is no longer read-only if the file was; a missing file
// leaves the copy empty.
bool CopyBytes(const std::wstring& path, const wchar_t* copy)
{
    if (!::CopyFileW(path.c_str(), copy, FALSE))
        return ::GetLastError() == ERROR_FILE_NOT_FOUND;
    return ::SetFileAttributesW(copy, FILE_ATTRIBUTE_NORMAL) != FALSE;
}

// A copy of the file beside it, with the entries written into it and read back whole; nothing
// where that cannot be done, and then no copy stays behind. Each copy has a name of its own, so
// that two programs saving at once never write into the same one.
std::optional<std::wstring> WholeCopy(const std::wstring& path, const std::wstring& section,
                                      std::span<const ProfileEntry> entries)
{
    wchar_t copy[MAX_PATH] = {};
    if (!::GetTempFileNameW(FolderOf(path).c_str(), L"Tar", 0, copy))
        return std::nullopt;
    ForgetCached(copy);
    bool bWhole = CopyBytes(path, copy) && WriteEntries(copy, section, entries);
    // Read back from the disk, not from what the profile functions remember having written.
    ForgetCached(copy);
    bWhole = bWhole && HoldsWhole(copy, path, section, entries);
    ForgetCached(copy);
    if (bWhole)
        return std::wstring(copy);
    ::DeleteFileW(copy);
    return std::nullopt;
}

}  // namespace

// A path that is relative, in a root or too long is never touched: the profile functions would
// take it for a file in the working directory or the Windows directory.
ProgramSettingsFile ProgramSettingsFile::Choose()
{
    const std::wstring beside = SettingsPathFor(ExecutablePath());
    if (IsSettingsPlace(beside) && CanWrite(beside))
        return ProgramSettingsFile(beside);
    const std::wstring user = UserSettingsPathFor(LocalAppData());
    if (IsSettingsPlace(user)) {
        ::CreateDirectoryW(FolderOf(user).c_str(), nullptr);
        if (!IsFile(user))
            StartUserSettings(user, beside);
        if (CanWrite(user))
            return ProgramSettingsFile(user);
        if (IsFile(user))
            return ProgramSettingsFile(user, false);
    }
    // Nowhere to store: the run starts from the file beside the executable, if it may read it.
    return ProgramSettingsFile(IsSettingsPlace(beside) ? beside : std::wstring(), false);
}

ProgramSettingsFile::ProgramSettingsFile(std::wstring path, bool bStore)
    : m_path(std::move(path)), m_bStore(bStore && !m_path.empty())
{
}

int32_t ProgramSettingsFile::ReadInt(const char* section, const char* key, int32_t nDefault) const
{
    if (m_path.empty())
        return nDefault;
    // The profile function hands back the 32 bits of a signed value as unsigned.
    return static_cast<int32_t>(
        ::GetPrivateProfileIntW(WidenAnsi(section).c_str(), WidenAnsi(key).c_str(), nDefault, m_path.c_str()));
}

std::string ProgramSettingsFile::ReadString(const char* section, const char* key, const char* defaultText) const
{
    if (m_path.empty())
        return defaultText;
    wchar_t buffer[kMaxSettingText + 1];
    const DWORD nLength = ::GetPrivateProfileStringW(WidenAnsi(section).c_str(), WidenAnsi(key).c_str(),
                                                     WidenAnsi(defaultText).c_str(), buffer,
                                                     static_cast<DWORD>(std::size(buffer)), m_path.c_str());
    return NarrowAnsi(std::wstring_view(buffer, nLength));
}

void ProgramSettingsFile::WriteString(const char* section, const char* key, const char* text) const
{
    const ProfileEntry entry{key, text};
    WriteKeys(section, std::span(&entry, 1));
}

bool ProgramSettingsFile::WriteKeys(const char* section, std::span<const ProfileEntry> entries) const
{
    if (!m_bStore)
        return false;
    // The user's folder may have gone since the start.
    ::CreateDirectoryW(FolderOf(m_path).c_str(), nullptr);
    const std::wstring wideSection = WidenAnsi(section);
    const std::optional<std::wstring> copy = WholeCopy(m_path, wideSection, entries);
    if (!copy)
        return false;
    if (::MoveFileExW(copy->c_str(), m_path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        ForgetCached(m_path.c_str());
        return true;
    }
    // Another program holds the file open and does not let it go: written where it lies, as
    // that program would write it, rather than losing the change.
    ::DeleteFileW(copy->c_str());
    return WriteEntries(m_path.c_str(), wideSection, entries);
}

CharacterBytes ProgramSettingsFile::CodePage() const
{
    return AnsiCharacterBytes;
}
