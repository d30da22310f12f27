// Starts a program of the Linux host (xdotool, ln, rm) as Wine starts one; Wine gives no handle
// to wait for its end.
#pragma once

#include <windows.h>

#include <string>

inline bool StartHostProgram(const wchar_t* program, std::wstring command)
{
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(program, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    for (HANDLE handle : {process.hThread, process.hProcess}) {
        if (handle)
            ::CloseHandle(handle);
    }
    return true;
}
