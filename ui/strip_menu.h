// The strip's small menu, opened by a right click or from the keyboard: an entry per chord action
// with its chord, the status told to a screen reader, the switches of the chords and of the
// working day, and the about entry, which the window menu has as well.
#pragma once

#include <windows.h>

#include <optional>

#include "core/chord.h"
#include "core/workday.h"
#include "win32/controls.h"

// What the menu shows: the chords as read and what became of each, and the day's switches.
struct StripMenuState {
    const ChordSettings& chords;
    ChordState states[kChordActions];
    const WorkdaySettings& workday;
};

// Appends the about entry to the menu, after a separator if asked; where the menu or the entry's
// text is missing, the menu stays as it was and the answer is false.
bool AppendAboutEntry(const CMenu& menu, bool bSeparator);
// Shows the menu at the point for the owner and returns the command chosen, or 0.
UINT TrackStripMenu(HWND hOwner, POINT point, const StripMenuState& state);
// The chord action of a menu command, none for another command.
std::optional<ChordAction> ChordActionOfEntry(UINT nCommand);
