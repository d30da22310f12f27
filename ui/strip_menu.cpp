#include "strip_menu.h"

#include <string>

#include "resource.h"
#include "win32/gdi.h"
#include "win32/resource_string.h"
#include "win32/wide_text.h"

namespace {

// The menu entry of each chord action, in the order of the actions.
constexpr UINT kChordEntries[kChordActions] = {IDM_CHORD_START_PAUSE, IDM_CHORD_NEXT, IDM_CHORD_STOPWATCH,
                                               IDM_CHORD_SHOW_HIDE};

// What an entry shows after its chord when the chord is not registered. A chord that would take
// an AltGr character greys its entry; a taken or doubled one leaves the entry running its action.
constexpr struct {
    ChordState state;
    const wchar_t* separator;
    UINT nString;
    UINT nFlags;
} kChordNotes[] = {{ChordState::Taken, L" ", IDS_CHORD_TAKEN, 0},
                   {ChordState::AltGr, L": ", IDS_CHORD_ALTGR, MF_GRAYED},
                   {ChordState::Doubled, L" ", IDS_CHORD_DOUBLED, 0}};

// Each action's entry shows its chord right-aligned, and why the chord is not registered; the
// status told to a screen reader follows the actions.
void AppendChordEntries(const CMenu& menu, const StripMenuState& state)
{
    for (int nAction = 0; nAction < kChordActions; ++nAction) {
        std::wstring text = ProgramString(kChordEntries[nAction]);
        if (text.empty())
            continue;
        UINT nFlags = MF_STRING;
        if (const std::optional<KeyChord>& chord = state.chords.m_chord[nAction];
            chord && state.chords.m_bActive == 1) {
            text += L'\t' + WidenAnsi(ChordText(*chord));
            for (const auto& note : kChordNotes) {
                if (note.state == state.states[nAction]) {
                    text += note.separator + ProgramString(note.nString);
                    nFlags |= note.nFlags;
                }
            }
        }
        menu.AppendMenu(nFlags, kChordEntries[nAction], text.c_str());
    }
    if (const std::wstring text = ProgramString(IDM_SPEAK_REMAINING); !text.empty())
        menu.AppendMenu(MF_STRING, IDM_SPEAK_REMAINING, text.c_str());
    const struct {
        UINT nID;
        int32_t bOn;
    } switches[] = {{IDM_CHORDS_ACTIVE, state.chords.m_bActive},
                    {IDM_AWAY_FULL_SCREEN, state.workday.m_bFullScreen},
                    {IDM_AWAY_LOCK, state.workday.m_bLock}};
    for (const auto& entry : switches) {
        const std::wstring text = ProgramString(entry.nID);
        if (!text.empty())
            menu.AppendMenu(MF_STRING | (entry.bOn == 1 ? MF_CHECKED : MF_UNCHECKED), entry.nID, text.c_str());
    }
}

}  // namespace

bool AppendAboutEntry(const CMenu& menu, bool bSeparator)
{
    const std::wstring text = ProgramString(IDS_ABOUTBOX);
    if (!menu.GetSafeHmenu() || text.empty())
        return false;
    if (bSeparator)
        menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_STRING, IDM_ABOUTBOX, text.c_str());
    return true;
}

UINT TrackStripMenu(HWND hOwner, POINT point, const StripMenuState& state)
{
    const CPopupMenu menu(::CreatePopupMenu());
    if (menu.Get())
        AppendChordEntries(CMenu(menu.Get()), state);
    if (!AppendAboutEntry(CMenu(menu.Get()), ::GetMenuItemCount(menu.Get()) > 0))
        return 0;
    return static_cast<UINT>(::TrackPopupMenu(menu.Get(), TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY, point.x,
                                              point.y, 0, hOwner, nullptr));
}

std::optional<ChordAction> ChordActionOfEntry(UINT nCommand)
{
    for (int nAction = 0; nAction < kChordActions; ++nAction) {
        if (nCommand == kChordEntries[nAction])
            return static_cast<ChordAction>(nAction);
    }
    return std::nullopt;
}
