// Runs test bodies inside a modal dialog's own message loop, the way a user's clicks arrive.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

// The time after which a driver gives up waiting and ends every dialog, so that a fault shows
// as a failure and never as a hanging test program. Counted on the clock, not in idle rounds:
// how often an idle loop comes round differs between Wines.
inline constexpr ULONGLONG kMillisecondsBeforeRescue = 10000;

// Calls a step from the message loop of whatever modal dialog this thread runs, each time the
// loop has nothing else to do, until the step returns true or the object ends. A thread timer
// of 0 ms does it: the loop sees its WM_TIMER only after the dialog's sent, posted and paint
// messages. A step that opens a nested modal loop is not entered again from that loop.
class IdleStep {
public:
    explicit IdleStep(std::function<bool()> step);
    ~IdleStep();
    IdleStep(const IdleStep&) = delete;
    IdleStep& operator=(const IdleStep&) = delete;

    bool Done() const;

    // The step and its timer, held by the object and by the timer while the step runs.
    struct Entry;

private:
    std::shared_ptr<Entry> m_entry;
};

// Fails the running case and ends every dialog of this thread once `fault` names what went
// wrong; it is asked in each idle round, with `bTimedOut` set from kMillisecondsBeforeRescue
// on, and returns an empty string while all is well.
class Rescue {
public:
    explicit Rescue(std::function<std::string(bool bTimedOut)> fault);

private:
    ULONGLONG m_nStart = ::GetTickCount64();
    IdleStep m_step;
};

// The last resort of a case that went wrong: every dialog of this thread ends with IDABORT.
void EndEveryDialog();

// Calls `body` once the next modal loop of this thread is idle; `body` runs synchronously
// inside the loop, so everything it sends is handled before it returns. A dialog that took
// input when `body` began and is still open kMillisecondsBeforeRescue after it
// returned is a failure, and every dialog of the thread ends.
void RunWhenIdle(std::function<void()> body);

// True for a window of the dialog class, as every dialog box and message box has.
bool IsDialogWindow(HWND hWnd);

// The first top-level window of this thread that `match` accepts, or null.
HWND FindThreadWindowIf(const std::function<bool(HWND)>& match);

// The top-level window of this thread with this title, or null; a modal dialog may not be
// shown yet when its loop first idles.
HWND FindThreadWindow(const std::string& title);

// Ends a dialog from inside its loop as Escape would.
void PressEscape(HWND hDlg);
