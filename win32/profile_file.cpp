// The settings file's access through the Windows profile functions.
#include <windows.h>

#include <string>

#include "core/settings_file.h"

std::string SettingsFile::GetPath()
{
    // The module path can be longer than MAX_PATH; grow until it fits.
    std::string exePath(MAX_PATH, '\0');
    for (;;) {
        const DWORD nLength = GetModuleFileNameA(nullptr, exePath.data(), static_cast<DWORD>(exePath.size()));
        if (nLength < exePath.size()) {
            exePath.resize(nLength);
            break;
        }
        exePath.resize(exePath.size() * 2);
    }
    return SettingsPathFor(exePath);
}

int32_t SettingsFile::ReadInt(const char* section, const char* key, int32_t nDefault)
{
    // The profile function hands back the 32 bits of a signed value as unsigned.
    return static_cast<int32_t>(GetPrivateProfileIntA(section, key, nDefault, GetPath().c_str()));
}

std::string SettingsFile::ReadString(const char* section, const char* key, const char* defaultText)
{
    char buffer[kMaxSettingText + 1];
    const DWORD nLength =
        GetPrivateProfileStringA(section, key, defaultText, buffer, sizeof buffer, GetPath().c_str());
    return std::string(buffer, nLength);
}

void SettingsFile::WriteString(const char* section, const char* key, const char* text)
{
    // A file that cannot be written is not noticed: the old values simply stay.
    WritePrivateProfileStringA(section, key, text, GetPath().c_str());
}
