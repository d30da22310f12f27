// The system-wide chords: how a chord reads in the settings file, with the German key names a
// Windows user reads on the keyboard, and which action each one runs.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// The modifier flags and key codes of the platform's keyboard, as plain numbers.
inline constexpr uint32_t kChordAlt = 0x1;
inline constexpr uint32_t kChordCtrl = 0x2;
inline constexpr uint32_t kChordShift = 0x4;
inline constexpr uint32_t kKeySpace = 0x20;
inline constexpr uint32_t kKeyF1 = 0x70;

struct KeyChord {
    uint32_t m_nModifiers = 0;
    uint32_t m_nKey = 0;
    bool operator==(const KeyChord&) const = default;
};

// "Strg+Alt+P": the modifiers Strg, Alt and Umschalt in any order and case, each at most once,
// then one key: a letter, a digit, F1 to F24 or Leertaste. A letter, digit or space needs Strg
// or Alt, so that no chord takes a character that is typed; a function key may stand alone.
// Anything else, the empty text among it, is no chord.
std::optional<KeyChord> ReadChord(std::string_view text);
// The chord as ReadChord reads it, its modifiers in the order Strg, Alt, Umschalt; empty for a
// key that has no name.
std::string ChordText(KeyChord chord);

// What a chord does, in the order of the section's keys and of the strip's menu entries.
enum class ChordAction { StartPause, Next, Stopwatch, ShowHide };
inline constexpr int kChordActions = 4;

inline constexpr char kSectionChords[] = "TASTEN";
inline constexpr char kKeyChordsActive[] = "Aktiv";
struct ChordKey {
    const char* key;
    const char* defaultText;
};
inline constexpr ChordKey kChordKeys[kChordActions] = {
    {"StartPause", "Strg+Alt+P"}, {"Weiter", "Strg+Alt+N"}, {"Stoppuhr", "Strg+Alt+S"}, {"Leiste", "Strg+Alt+T"}};

// Section TASTEN as read: the switch for all chords (only 1 is on) and each action's chord, none
// where its text is empty or cannot be read.
struct ChordSettings {
    int32_t m_bActive = 1;
    std::optional<KeyChord> m_chord[kChordActions];
};

// The chord's id when it is registered, and the action of an id; none for an id of no action.
inline int ChordId(ChordAction action)
{
    return static_cast<int>(action) + 1;
}
std::optional<ChordAction> ChordActionOf(int nId);

// What became of an action's chord: none is asked for, it is registered, another program holds
// it, its key types a character with AltGr in a keyboard layout the user has installed, or an
// action before it in the table has the same chord.
enum class ChordState { None, Registered, Taken, AltGr, Doubled };

// Each action's chord as the strip holds it.
struct ChordStates {
    ChordState m_state[kChordActions] = {};

    // Windows reads AltGr as Strg+Alt, so that a chord with both takes whatever its key types
    // with AltGr away from every program; typesAltGr is asked about these chords alone. Of two
    // actions with the same chord, the first in table order keeps it. registerChord is called, in
    // the order of the actions, for each chord that is none of these, and answers whether the
    // chord is now registered; false means another program holds it. Every chord of an earlier
    // decision must have been let go before.
    void Decide(const ChordSettings& chords, const std::function<bool(KeyChord)>& typesAltGr,
                const std::function<bool(int nAction, KeyChord)>& registerChord);
    // Tries each taken chord again: one that its holder has let go since is registered now.
    void RetryTaken(const ChordSettings& chords, const std::function<bool(int nAction, KeyChord)>& registerChord);
};
