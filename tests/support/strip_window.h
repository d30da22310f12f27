// Finding a running strip from another process, and reading its texts, as the end-to-end test,
// the screenshot remote and the benchmarks do.
#pragma once

#include <windows.h>

#include <cstdio>
#include <string>

#include "resource.h"

// The visible dialog that carries the strip's progress bar, of the given process or, for 0, of
// any; null if there is none.
inline HWND FindStripWindow(DWORD processId)
{
    struct Search {
        DWORD processId;
        HWND found;
    } search{processId, nullptr};
    ::EnumWindows(
        [](HWND hWnd, LPARAM lParam) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(lParam);
            DWORD owner = 0;
            ::GetWindowThreadProcessId(hWnd, &owner);
            if ((s.processId == 0 || owner == s.processId) && ::IsWindowVisible(hWnd) &&
                ::GetDlgItem(hWnd, IDC_PROGRESS) && ::GetDlgItem(hWnd, IDC_STOPWATCH_TEXT)) {
                s.found = hWnd;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The text of one of the strip's controls, asked across processes without hanging on a strip
// that no longer answers.
inline std::string StripControlText(HWND hStrip, int nID)
{
    char text[128] = {};
    DWORD_PTR result = 0;
    ::SendMessageTimeoutA(::GetDlgItem(hStrip, nID), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                          SMTO_ABORTIFHUNG, 5000, &result);
    return text;
}

// Seconds left in a status text like "24:58 --- Einheit 1", or -1 for any other text.
inline int SecondsLeft(const std::string& text)
{
    int nMinutes = -1;
    int nSeconds = -1;
    if (std::sscanf(text.c_str(), "%d:%d", &nMinutes, &nSeconds) != 2)
        return -1;
    return nMinutes * 60 + nSeconds;
}
