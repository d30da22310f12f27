// The caption of the program's dialogs in the apps' mode: dark where Windows has the apps dark
// and high contrast is off. The window manager is asked only then, so that a light desktop loads
// nothing for it.
#pragma once

#include "core/look.h"
#include "win32/app_mode.h"
#include "win32/dwm_window.h"
#include "win32/high_contrast.h"

inline void FollowAppsModeCaption(HWND hDlg)
{
    if (LookFor(IsHighContrastOn(), AppsUseLightTheme()) == Look::Dark)
        UseDarkCaption(hDlg, true);
}
