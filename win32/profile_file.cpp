// The settings file beside the executable, through the wide profile functions so that any
// folder name works; the texts in the file stay 8-bit ANSI, as the profile functions keep an
// ANSI file ANSI.
#include <windows.h>

#include <string>

#include "core/settings_file.h"
#include "wide_text.h"

std::wstring SettingsFile::GetPath()
{
    return SettingsPathFor(ExecutablePath());
}

ProgramSettingsFile::ProgramSettingsFile() : m_strPath(SettingsFile::GetPath())
{
}

int32_t ProgramSettingsFile::ReadInt(const char* section, const char* key, int32_t nDefault) const
{
    // The profile function hands back the 32 bits of a signed value as unsigned.
    return static_cast<int32_t>(
        ::GetPrivateProfileIntW(WidenAnsi(section).c_str(), WidenAnsi(key).c_str(), nDefault, m_strPath.c_str()));
}

std::string ProgramSettingsFile::ReadString(const char* section, const char* key, const char* defaultText) const
{
    wchar_t buffer[kMaxSettingText + 1];
    const DWORD nLength = ::GetPrivateProfileStringW(WidenAnsi(section).c_str(), WidenAnsi(key).c_str(),
                                                     WidenAnsi(defaultText).c_str(), buffer,
                                                     static_cast<DWORD>(std::size(buffer)), m_strPath.c_str());
    return NarrowAnsi(std::wstring_view(buffer, nLength));
}

void ProgramSettingsFile::WriteString(const char* section, const char* key, const char* text) const
{
    // A file that cannot be written is not noticed: the old values simply stay.
    ::WritePrivateProfileStringW(WidenAnsi(section).c_str(), WidenAnsi(key).c_str(), WidenAnsi(text).c_str(),
                                 m_strPath.c_str());
}
