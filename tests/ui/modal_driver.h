// Runs a test body inside a modal dialog's own message loop, the way a user's clicks arrive.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

// Calls `body` once the next modal loop of this thread is idle; `body` runs synchronously
// inside the loop, so everything it sends is handled before it returns.
void RunWhenIdle(std::function<void()> body);

// The top-level window of this thread with this title, or null; a modal dialog may not be
// shown yet when its loop first idles.
HWND FindThreadWindow(const std::string& title);

// Ends a dialog from inside its loop as Escape would.
void PressEscape(HWND hDlg);
