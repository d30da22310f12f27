// Runs a test body inside a modal dialog's own message loop, the way a user's clicks arrive.
#include "modal_driver.h"

#include <vector>

namespace {

std::vector<std::function<void()>>& PendingBodies()
{
    static std::vector<std::function<void()>> bodies;
    return bodies;
}

void CALLBACK RunPending(HWND, UINT, UINT_PTR idEvent, DWORD)
{
    ::KillTimer(nullptr, idEvent);
    auto& bodies = PendingBodies();
    if (bodies.empty())
        return;
    std::function<void()> body = std::move(bodies.front());
    bodies.erase(bodies.begin());
    body();
}

}  // namespace

void RunWhenIdle(std::function<void()> body)
{
    PendingBodies().push_back(std::move(body));
    ::SetTimer(nullptr, 0, 0, &RunPending);
}

HWND FindThreadWindow(const std::string& title)
{
    struct Search {
        const std::string& title;
        HWND found;
    } search{title, nullptr};
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND hWnd, LPARAM lParam) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(lParam);
            char text[256] = {};
            ::GetWindowTextA(hWnd, text, sizeof text);
            if (s.title == text) {
                s.found = hWnd;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void PressEscape(HWND hDlg)
{
    // Posted to the focused control, so that the dialog manager turns it into IDCANCEL.
    HWND hFocus = ::GetFocus();
    ::PostMessageA(hFocus ? hFocus : hDlg, WM_KEYDOWN, VK_ESCAPE, 0);
    ::PostMessageA(hFocus ? hFocus : hDlg, WM_KEYUP, VK_ESCAPE, 0xC0000001);
}
