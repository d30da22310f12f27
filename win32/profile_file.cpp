// The settings file beside the executable, or the user's own where that one cannot be written,
// through the wide profile functions so that any folder name works; the texts in the file stay
// 8-bit ANSI, as the profile functions keep an ANSI file ANSI.
#include <windows.h>

#include <string>

#include "profile_file.h"
#include "wide_text.h"

namespace {

// Found out without a trace: a file that lies there is opened for writing and closed unchanged,
// a missing one is created and goes again as it is closed. A file that another program holds
// open at this moment is still the program's own file.
bool CanWrite(const std::wstring& path)
{
    if (path.size() > kMaxProfilePath)
        return false;
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
    return settingsPath.substr(0, settingsPath.size() - (std::size(kSettingsFileName) - 1));
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
    if (::GetFileAttributesW(besidePath.c_str()) == INVALID_FILE_ATTRIBUTES)
        return;
    ::CreateDirectoryW(FolderOf(userPath).c_str(), nullptr);
    if (::CopyFileW(besidePath.c_str(), userPath.c_str(), TRUE))
        ::SetFileAttributesW(userPath.c_str(), FILE_ATTRIBUTE_NORMAL);
}

// Decided once, so that every read and write of a run goes to the same file.
std::wstring ChooseSettingsPath()
{
    std::wstring beside = SettingsPathFor(ExecutablePath());
    const std::wstring user = UserSettingsPathFor(LocalAppData());
    if (CanWrite(beside) || user.empty())
        return beside;
    if (::GetFileAttributesW(user.c_str()) == INVALID_FILE_ATTRIBUTES)
        StartUserSettings(user, beside);
    return user;
}

const std::wstring& ChosenPath()
{
    static const std::wstring path = ChooseSettingsPath();
    return path;
}

}  // namespace

std::wstring ProgramSettingsFile::GetPath()
{
    return ChosenPath();
}

int32_t ProgramSettingsFile::ReadInt(const char* section, const char* key, int32_t nDefault) const
{
    // The profile function hands back the 32 bits of a signed value as unsigned.
    return static_cast<int32_t>(
        ::GetPrivateProfileIntW(WidenAnsi(section).c_str(), WidenAnsi(key).c_str(), nDefault, ChosenPath().c_str()));
}

std::string ProgramSettingsFile::ReadString(const char* section, const char* key, const char* defaultText) const
{
    wchar_t buffer[kMaxSettingText + 1];
    const DWORD nLength = ::GetPrivateProfileStringW(WidenAnsi(section).c_str(), WidenAnsi(key).c_str(),
                                                     WidenAnsi(defaultText).c_str(), buffer,
                                                     static_cast<DWORD>(std::size(buffer)), ChosenPath().c_str());
    return NarrowAnsi(std::wstring_view(buffer, nLength));
}

void ProgramSettingsFile::WriteString(const char* section, const char* key, const char* text) const
{
    // The user's folder is made by the first write; a file that cannot be written is not
    // noticed: the old values simply stay.
    ::CreateDirectoryW(FolderOf(ChosenPath()).c_str(), nullptr);
    ::WritePrivateProfileStringW(WidenAnsi(section).c_str(), WidenAnsi(key).c_str(), WidenAnsi(text).c_str(),
                                 ChosenPath().c_str());
}
