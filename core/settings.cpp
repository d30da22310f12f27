// The settings as the program keeps them: the records, their keys and defaults, and where the file lies.
#include "settings.h"

std::string SettingsPathFor(std::string_view exePath)
{
    const auto separator = exePath.find_last_of("\\/");
    // A bare name would send the profile functions to the Windows directory; keep it here instead.
    std::string path = separator == std::string_view::npos ? std::string(".\\")
                                                            : std::string(exePath.substr(0, separator + 1));
    path += kSettingsFileName;
    return path;
}
