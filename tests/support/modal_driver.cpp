// Runs test bodies inside a modal dialog's own message loop, the way a user's clicks arrive.
#include "modal_driver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cwchar>
#include <deque>
#include <map>
#include <string_view>
#include <vector>

struct IdleStep::Entry {
    std::function<bool()> step;
    UINT_PTR nId = 0;
    bool bRunning = false;
    bool bDone = false;
};

namespace {

std::map<UINT_PTR, std::shared_ptr<IdleStep::Entry>>& Entries()
{
    static std::map<UINT_PTR, std::shared_ptr<IdleStep::Entry>> entries;
    return entries;
}

void Stop(IdleStep::Entry& entry)
{
    if (entry.bDone)
        return;
    entry.bDone = true;
    ::KillTimer(nullptr, entry.nId);
    Entries().erase(entry.nId);
}

void CALLBACK OnIdle(HWND, UINT, UINT_PTR nId, DWORD)
{
    const auto found = Entries().find(nId);
    if (found == Entries().end()) {
        ::KillTimer(nullptr, nId);
        return;
    }
    // Held here too, so that a step may end the object that runs it.
    const std::shared_ptr<IdleStep::Entry> entry = found->second;
    if (entry->bRunning)
        return;
    entry->bRunning = true;
    bool bDone = true;
    // Nothing may unwind through the dialog's message loop.
    try {
        bDone = entry->step();
    } catch (...) {
        ADD_FAILURE() << "a step threw";
    }
    entry->bRunning = false;
    if (bDone)
        Stop(*entry);
}

std::shared_ptr<IdleStep::Entry> Start(std::function<bool()> step)
{
    auto entry = std::make_shared<IdleStep::Entry>();
    entry->step = std::move(step);
    entry->nId = ::SetTimer(nullptr, 0, 0, &OnIdle);
    Entries()[entry->nId] = entry;
    return entry;
}

void GiveUp(const std::string& what)
{
    ADD_FAILURE() << what;
    EndEveryDialog();
}

std::vector<HWND> ThreadWindows()
{
    std::vector<HWND> windows;
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND hWnd, LPARAM lParam) -> BOOL {
            reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hWnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    return windows;
}

// The dialogs that take input now: the one whose modal loop runs, none it blocks.
std::vector<HWND> InputDialogs()
{
    std::vector<HWND> dialogs = ThreadWindows();
    std::erase_if(dialogs, [](HWND hWnd) { return !IsDialogWindow(hWnd) || !::IsWindowEnabled(hWnd); });
    return dialogs;
}

// Gives up on these dialogs if they are not all gone within kMillisecondsBeforeRescue.
void WatchUntilClosed(std::vector<HWND> dialogs)
{
    if (dialogs.empty())
        return;
    Start([dialogs = std::move(dialogs), nStart = ::GetTickCount64()] {
        if (std::none_of(dialogs.begin(), dialogs.end(), [](HWND hWnd) { return ::IsWindow(hWnd); }))
            return true;
        if (::GetTickCount64() - nStart < kMillisecondsBeforeRescue)
            return false;
        GiveUp("a dialog was still open " + std::to_string(kMillisecondsBeforeRescue / 1000) +
               " seconds after its test body");
        return true;
    });
}

std::deque<std::function<void()>>& PendingBodies()
{
    static std::deque<std::function<void()>> bodies;
    return bodies;
}

}  // namespace

IdleStep::IdleStep(std::function<bool()> step) : m_entry(Start(std::move(step))) {}

IdleStep::~IdleStep()
{
    Stop(*m_entry);
}

bool IdleStep::Done() const
{
    return m_entry->bDone;
}

Rescue::Rescue(std::function<std::string(bool bTimedOut)> fault)
    : m_step([this, fault = std::move(fault)] {
          const std::string what = fault(::GetTickCount64() - m_nStart >= kMillisecondsBeforeRescue);
          if (what.empty())
              return false;
          GiveUp(what);
          return true;
      })
{
}

void EndEveryDialog()
{
    for (HWND hWnd : ThreadWindows()) {
        if (IsDialogWindow(hWnd))
            ::EndDialog(hWnd, IDABORT);
    }
}

void RunWhenIdle(std::function<void()> body)
{
    PendingBodies().push_back(std::move(body));
    // Bodies run in the order they were given, whichever of their timers comes first.
    Start([] {
        auto& bodies = PendingBodies();
        if (bodies.empty())
            return true;
        const std::function<void()> next = std::move(bodies.front());
        bodies.pop_front();
        std::vector<HWND> dialogs = InputDialogs();
        next();
        WatchUntilClosed(std::move(dialogs));
        return true;
    });
}

bool IsDialogWindow(HWND hWnd)
{
    char className[16] = {};
    ::GetClassNameA(hWnd, className, sizeof className);
    return std::string_view(className) == "#32770";
}

HWND FindThreadWindowIf(const std::function<bool(HWND)>& match)
{
    for (HWND hWnd : ThreadWindows()) {
        if (match(hWnd))
            return hWnd;
    }
    return nullptr;
}

HWND FindThreadWindow(const std::string& title)
{
    // The tests' titles are Windows-1252 under any code page; windows compare in UTF-16.
    wchar_t wide[256] = {};
    ::MultiByteToWideChar(1252, 0, title.c_str(), -1, wide, 255);
    return FindThreadWindowIf([&](HWND hWnd) {
        wchar_t text[256] = {};
        ::GetWindowTextW(hWnd, text, 256);
        return std::wcscmp(wide, text) == 0;
    });
}

void PressEscape(HWND hDlg)
{
    // Posted to the focused control, so that the dialog manager turns it into IDCANCEL.
    HWND hFocus = ::GetFocus();
    ::PostMessageA(hFocus ? hFocus : hDlg, WM_KEYDOWN, VK_ESCAPE, 0);
    ::PostMessageA(hFocus ? hFocus : hDlg, WM_KEYUP, VK_ESCAPE, 0xC0000001);
}
