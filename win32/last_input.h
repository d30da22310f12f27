// When the user last pressed a key or moved the pointer, on the system's 32-bit millisecond clock.
#pragma once

#include <windows.h>

#include <optional>

inline std::optional<DWORD> LastInputTime()
{
    LASTINPUTINFO info{};
    info.cbSize = sizeof info;
    if (!::GetLastInputInfo(&info))
        return std::nullopt;
    return info.dwTime;
}
