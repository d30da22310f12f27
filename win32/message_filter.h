// The messages that a window takes from programs running with fewer rights than its own.
#pragma once

#include <windows.h>

#include "lazy_import.h"

// An elevated window takes this message from a program that is not, as a second start or a
// script started without elevation is.
inline void AdmitFromLowerPrograms(HWND hWnd, UINT message)
{
    static LazyImport<decltype(::ChangeWindowMessageFilterEx)> changeFilter("user32.dll",
                                                                            "ChangeWindowMessageFilterEx");
    if (auto* pfn = changeFilter.Get())
        pfn(hWnd, message, MSGFLT_ALLOW, nullptr);
}
