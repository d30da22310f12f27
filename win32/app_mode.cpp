#include "app_mode.h"

#include <windows.h>

std::optional<uint32_t> AppsUseLightTheme()
{
    DWORD nValue = 0;
    DWORD cbValue = sizeof nValue;
    if (::RegGetValueW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize",
                       L"AppsUseLightTheme", RRF_RT_REG_DWORD, nullptr, &nValue, &cbValue) != ERROR_SUCCESS ||
        cbValue != sizeof nValue)
        return std::nullopt;
    return nValue;
}
