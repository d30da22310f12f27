// Which program a window belongs to.
#pragma once

#include <windows.h>

#include <string>

#include "instance_name.h"
#include "lazy_import.h"
#include "wide_text.h"

// The path of the executable whose process made the window; empty where that cannot be asked.
// The question needs no more rights than any process has, also of an elevated one.
inline std::wstring WindowProgramPath(HWND hWnd)
{
    static LazyImport<decltype(::QueryFullProcessImageNameW)> queryImage("kernel32.dll", "QueryFullProcessImageNameW");
    DWORD processId = 0;
    auto* pfn = queryImage.Get();
    if (!pfn || !::GetWindowThreadProcessId(hWnd, &processId))
        return {};
    const HANDLE hProcess = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (!hProcess)
        return {};
    std::wstring path(32768, L'\0');
    DWORD nLength = static_cast<DWORD>(path.size());
    if (!pfn(hProcess, 0, path.data(), &nLength))
        nLength = 0;
    ::CloseHandle(hProcess);
    path.resize(nLength);
    return path;
}

// Whether this very executable made the window, however the path to it is spelled, so that a
// window of another program named alike never gets what only this one's windows may.
inline bool IsWindowOfThisProgram(HWND hWnd)
{
    const std::wstring path = WindowProgramPath(hWnd);
    return !path.empty() && InstanceNameOf(path) == InstanceNameOf(ExecutablePath());
}
