// A hook DLL that tells the probe the processor time of the process it is put into. Wine keeps
// no count of another process's times, so the process reads its own: on the registered message
// kProcessTimesMessage, posted with the probe's thread in wParam, it posts the same message back
// to that thread with its user and kernel time so far, in microseconds, in lParam.
#include <windows.h>

extern "C" __declspec(dllexport) LRESULT CALLBACK ProcessTimesHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    static const UINT kProcessTimesMessage = ::RegisterWindowMessageA("Tarnovell bench: processor time");
    auto* msg = reinterpret_cast<MSG*>(lParam);
    FILETIME created{}, exited{}, kernel{}, user{};
    if (nCode == HC_ACTION && wParam == PM_REMOVE && msg->message == kProcessTimesMessage &&
        ::GetProcessTimes(::GetCurrentProcess(), &created, &exited, &kernel, &user)) {
        const auto count = [](const FILETIME& time) {
            return ULARGE_INTEGER{{time.dwLowDateTime, time.dwHighDateTime}}.QuadPart;
        };
        ::PostThreadMessageA(static_cast<DWORD>(msg->wParam), kProcessTimesMessage, 0,
                             static_cast<LPARAM>((count(kernel) + count(user)) / 10));
        msg->message = WM_NULL;  // the window never sees it
    }
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}
