// Drives a running Tarnovell from outside, as a person's clicks would, so that scripts can
// show it at work: strip_remote COMMAND [ID]
//   rect                  prints the strip's left, top, width and height
//   click ID              presses one of the strip's buttons and waits until it is handled
//   open-settings         presses the wrench without waiting for the dialog to close
//   settings-rect         prints the settings dialog's left, top, width and height
//   settings-click ID     presses a button of the settings dialog
//   pointer-away          puts the mouse pointer into the screen's corner, where it raises no tip
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "resource.h"
#include "strip_window.h"

namespace {

HWND FindStrip()
{
    for (int i = 0; i < 100; ++i) {
        if (HWND hStrip = FindStripWindow(0))
            return hStrip;
        ::Sleep(100);
    }
    return nullptr;
}

HWND FindSettings()
{
    for (int i = 0; i < 100; ++i) {
        HWND hWnd = ::FindWindowA("#32770", "Einstellungen");
        if (hWnd && ::IsWindowVisible(hWnd))
            return hWnd;
        ::Sleep(100);
    }
    return nullptr;
}

int PrintRect(HWND hWnd)
{
    if (!hWnd)
        return 1;
    RECT rect{};
    ::GetWindowRect(hWnd, &rect);
    std::printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    return 0;
}

int Click(HWND hDlg, int nID, bool bWait)
{
    if (!hDlg)
        return 1;
    const WPARAM wParam = MAKEWPARAM(nID, BN_CLICKED);
    if (bWait) {
        DWORD_PTR result = 0;
        ::SendMessageTimeoutA(hDlg, WM_COMMAND, wParam, 0, SMTO_ABORTIFHUNG, 5000, &result);
    } else {
        ::PostMessageA(hDlg, WM_COMMAND, wParam, 0);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return 2;
    const char* command = argv[1];
    const int nID = argc > 2 ? std::atoi(argv[2]) : 0;
    if (std::strcmp(command, "rect") == 0)
        return PrintRect(FindStrip());
    if (std::strcmp(command, "click") == 0)
        return Click(FindStrip(), nID, true);
    if (std::strcmp(command, "open-settings") == 0)
        return Click(FindStrip(), IDC_SETTINGS, false);
    if (std::strcmp(command, "pointer-away") == 0)
        return ::SetCursorPos(0, 0) ? 0 : 1;
    if (std::strcmp(command, "settings-rect") == 0)
        return PrintRect(FindSettings());
    if (std::strcmp(command, "settings-click") == 0) {
        HWND hSettings = FindSettings();
        if (!hSettings)
            return 1;
        // A real click, so that a check box changes its state too.
        ::SendMessageA(::GetDlgItem(hSettings, nID), BM_CLICK, 0, 0);
        return 0;
    }
    return 2;
}
