// Tells when a window comes to the foreground, in any program: the strip learns so that the
// shell's taskbar has lifted itself above it.
#pragma once

#include <windows.h>

#include <functional>

// Events, not a timer: nothing runs while the foreground stays where it is. The hook's events
// come through the message loop of the thread that made the keeper.
class CTopmostKeeper {
public:
    explicit CTopmostKeeper(std::function<void(HWND)> onForeground);
    CTopmostKeeper(const CTopmostKeeper&) = delete;
    CTopmostKeeper& operator=(const CTopmostKeeper&) = delete;
    ~CTopmostKeeper();

private:
    static void CALLBACK OnEvent(HWINEVENTHOOK hHook, DWORD event, HWND hWnd, LONG idObject, LONG idChild,
                                 DWORD idThread, DWORD dwTime);

    std::function<void(HWND)> m_onForeground;
    HWINEVENTHOOK m_hHook = nullptr;
};

// True when hAbove stands above hWnd in the z-order of the top-level windows.
bool IsAbove(HWND hAbove, HWND hWnd);
