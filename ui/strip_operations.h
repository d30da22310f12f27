// IStripOperations: what the strip's hidden owner asks of the strip for what comes from outside
// it, so that the owner needs nothing else of the strip.
#pragma once

#include <windows.h>

#include <string>

#include "core/chord.h"
#include "core/strip_command.h"

class IStripOperations {
public:
    // The strip's window; null before it is made.
    virtual HWND StripWindow() const = 0;
    // Runs what the chord's button runs; the fourth hides the strip or shows it again.
    virtual void RunChordAction(ChordAction action) = 0;
    // Ends the strip as its own close command does, and every dialog it opened with it.
    virtual void EndAsCloseCommand() = 0;
    // Saves the place as the exit button would, in the compact form's size, and changes nothing.
    virtual void SavePlace() const = 0;
    // Shows the strip, in front of the other topmost windows, without taking the focus; false,
    // showing nothing, once the strip is ending.
    virtual bool BringIntoView() = 0;
    // Carries out what a second start asked for; false, doing nothing, once the strip is ending.
    virtual bool RunStripAction(StripAction action) = 0;
    // The strip's state in one line of UTF-8, as /status tells it.
    virtual std::string StatusLine() const = 0;
    // Reads the system's colours and the high-contrast switch again and repaints.
    virtual void FollowSystemColours() = 0;
    // Moves a strip that is no longer wholly on a monitor onto one, as at start-up.
    virtual void KeepOnMonitor() = 0;
    // Puts the strip back above a window that has come above it.
    virtual void KeepAbove(HWND hWnd) = 0;
    // Asks whether a full-screen program runs, while the switch is on, and steps aside for it or
    // comes back.
    virtual void FollowFullScreen() = 0;
    // A change of the session (a lock, a disconnect, ...) by its number.
    virtual void TakeSessionChange(UINT nStatus) = 0;
    // The machine goes to sleep, and wakes.
    virtual void Suspend() = 0;
    virtual void Resume() = 0;

protected:
    ~IStripOperations() = default;
};
