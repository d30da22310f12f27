// Whether a screen reader runs: readers tell Windows so while they run.
#pragma once

#include <windows.h>

inline bool IsScreenReaderOn()
{
    BOOL bOn = FALSE;
    return ::SystemParametersInfoW(SPI_GETSCREENREADER, 0, &bOn, 0) && bOn;
}
