// Whether the user has switched high contrast on.
#pragma once

#include <windows.h>

inline bool IsHighContrastOn()
{
    HIGHCONTRASTW state{};
    state.cbSize = sizeof state;
    return ::SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof state, &state, 0) &&
           (state.dwFlags & HCF_HIGHCONTRASTON);
}
