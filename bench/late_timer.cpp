// A hook DLL that makes every timer message of the thread it is put on 20 ms late, as a coarse
// system clock and a busy queue make them late on Windows.
#include <windows.h>

extern "C" __declspec(dllexport) LRESULT CALLBACK LateTimerHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    const auto* msg = reinterpret_cast<const MSG*>(lParam);
    if (nCode == HC_ACTION && wParam == PM_REMOVE && msg->message == WM_TIMER)
        ::Sleep(20);
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}
