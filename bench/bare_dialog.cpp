// The baseline that the strip's start-up and memory are measured against: the strip's own
// dialog template shown by the system's dialog manager, with no code behind it but the alarm.
#include <windows.h>

#include <commctrl.h>
#include <mmsystem.h>

#include "core/settings.h"
#include "resource.h"
#include "win32/lazy_import.h"

namespace {

// The tick at which the strip, with its default settings, rings for the first time: the end of
// the first work unit. The baseline rings then too, once, so that after many ticks both carry
// the sound stack that the first alarm loads.
constexpr int kFirstAlarmTick = kDefaultWorkMins * 60 + 1;

void RingOnce()
{
    static LazyImport<decltype(::sndPlaySoundA)> playSound("winmm.dll", "sndPlaySoundA");
    if (auto* pfnPlaySound = playSound.Get())
        pfnPlaySound(kAlarmDefaultMain, SND_ASYNC);
}

INT_PTR CALLBACK BareDialogProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM)
{
    static int nTicks = 0;
    if (message == WM_INITDIALOG)
        return TRUE;
    if (message == WM_TIMER && ++nTicks == kFirstAlarmTick) {
        RingOnce();
        return TRUE;
    }
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
        ::EndDialog(hDlg, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}

}  // namespace

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int)
{
    // The template holds a progress bar, and its class is the common controls' to register.
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);
    return static_cast<int>(
        ::DialogBoxParamA(hInstance, MAKEINTRESOURCEA(IDD_TIMER_DIALOG), nullptr, &BareDialogProc, 0));
}
