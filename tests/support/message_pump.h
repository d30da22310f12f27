// Lets this thread's windows handle what comes to them, for tests that wait on something the
// message loop brings.
#pragma once

#include <windows.h>

#include <functional>

// Dispatches what is queued, every 10 ms, until `done` says so or about nMilliseconds passed.
inline void PumpUntil(const std::function<bool()>& done, int nMilliseconds = 2000)
{
    for (int i = 0; i < nMilliseconds / 10 && !done(); ++i, ::Sleep(10)) {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageA(&msg);
    }
}
