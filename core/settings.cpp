// The settings as the program keeps them: the records, their keys and defaults, and where the file lies.
#include "settings.h"

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

}  // namespace

std::wstring SettingsPathFor(std::wstring_view exePath)
{
    std::wstring path = DirectoryOf(exePath);
    path.append(std::begin(kSettingsFileName), std::end(kSettingsFileName) - 1);
    return path;
}

std::wstring UserSettingsPathFor(std::wstring_view localAppData)
{
    if (localAppData.empty())
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

std::wstring InstanceName(std::wstring_view settingsPath)
{
    // FNV-1a over the UTF-16 code units, each ASCII letter folded to upper case.
    uint64_t nHash = 14695981039346656037ULL;
    for (wchar_t c : settingsPath) {
        if (c >= L'a' && c <= L'z')
            c = static_cast<wchar_t>(c - L'a' + L'A');
        nHash = (nHash ^ static_cast<uint16_t>(c)) * 1099511628211ULL;
    }
    std::wstring name = L"Tarnovell-";
    for (int nShift = 60; nShift >= 0; nShift -= 4)
        name += L"0123456789ABCDEF"[(nHash >> nShift) & 0xF];
    return name;
}
