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

}  // namespace

std::wstring SettingsPathFor(std::wstring_view exePath)
{
    std::wstring path = DirectoryOf(exePath);
    path.append(std::begin(kSettingsFileName), std::end(kSettingsFileName) - 1);
    return path;
}
