// The questions about the desktop that the strip and its host ask the platform, as one record of
// plain functions that the strip hands its host: a test hands in others that answer as a desktop
// that Wine cannot make would.
#pragma once

#include <windows.h>

#include "altgr_character.h"
#include "announcer.h"
#include "app_mode.h"
#include "dwm_window.h"
#include "front_window.h"
#include "high_contrast.h"
#include "last_input.h"
#include "presentation_mode.h"
#include "screen_reader.h"

struct DesktopQuestions {
    AltGrLayouts layouts;
    FrontWindow (*pFrontWindow)(HWND hStrip) = FrontWindowOf;
    bool (*pPresentationMode)() = IsPresentationMode;
    bool (*pHighContrast)() = IsHighContrastOn;
    // The milliseconds since the start of the machine, counted on through its sleep.
    ULONGLONG (*pNow)() = ::GetTickCount64;
    // The moment of the user's last input, on the clock of GetTickCount; nothing if unknown.
    std::optional<DWORD> (*pLastInput)() = LastInputTime;
    std::optional<uint32_t> (*pAppsUseLightTheme)() = AppsUseLightTheme;
    // The window manager's frame: a dark caption, small round corners; true where it took them.
    bool (*pDarkCaption)(HWND hWnd, bool bDark) = UseDarkCaption;
    bool (*pRoundCorners)(HWND hWnd) = UseSmallRoundCorners;
    // UI Automation's notification, where the system has one, and whether a reader runs.
    UiaNotifier (*pUiaNotifier)() = LookUpUiaNotifier;
    bool (*pScreenReader)() = IsScreenReaderOn;
};
