// The chord texts of the settings file and the actions of the registered chords.
#include "chord.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr struct {
    const char* name;
    uint32_t nFlag;
} kModifierNames[] = {{"Strg", kChordCtrl}, {"Alt", kChordAlt}, {"Umschalt", kChordShift}};

constexpr char kSpaceName[] = "Leertaste";

bool SameLetters(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

// The key code of a key name, or 0.
uint32_t KeyOf(std::string_view name)
{
    if (name.size() == 1) {
        const auto c = static_cast<unsigned char>(std::toupper(static_cast<unsigned char>(name[0])));
        return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ? c : 0;
    }
    if (SameLetters(name, kSpaceName))
        return kKeySpace;
    if (name.size() < 2 || name.size() > 3 || (name[0] != 'F' && name[0] != 'f') || name[1] == '0')
        return 0;
    uint32_t nNumber = 0;
    for (const char c : name.substr(1)) {
        if (c < '0' || c > '9')
            return 0;
        nNumber = nNumber * 10 + static_cast<uint32_t>(c - '0');
    }
    return nNumber >= 1 && nNumber <= 24 ? kKeyF1 + nNumber - 1 : 0;
}

bool IsFunctionKey(uint32_t nKey)
{
    return nKey >= kKeyF1 && nKey < kKeyF1 + 24;
}

}  // namespace

std::optional<KeyChord> ReadChord(std::string_view text)
{
    KeyChord chord;
    for (;;) {
        const std::size_t nPlus = text.find('+');
        const std::string_view part = Trimmed(text.substr(0, nPlus));
        if (nPlus == std::string_view::npos) {
            chord.m_nKey = KeyOf(part);
            break;
        }
        uint32_t nFlag = 0;
        for (const auto& modifier : kModifierNames) {
            if (SameLetters(part, modifier.name))
                nFlag = modifier.nFlag;
        }
        if (nFlag == 0 || (chord.m_nModifiers & nFlag))
            return std::nullopt;
        chord.m_nModifiers |= nFlag;
        text.remove_prefix(nPlus + 1);
    }
    if (chord.m_nKey == 0)
        return std::nullopt;
    if (!IsFunctionKey(chord.m_nKey) && !(chord.m_nModifiers & (kChordCtrl | kChordAlt)))
        return std::nullopt;
    return chord;
}

std::string ChordText(KeyChord chord)
{
    std::string key;
    if (chord.m_nKey == kKeySpace)
        key = kSpaceName;
    else if ((chord.m_nKey >= 'A' && chord.m_nKey <= 'Z') || (chord.m_nKey >= '0' && chord.m_nKey <= '9'))
        key = std::string(1, static_cast<char>(chord.m_nKey));
    else if (IsFunctionKey(chord.m_nKey))
        key = "F" + std::to_string(chord.m_nKey - kKeyF1 + 1);
    else
        return {};
    std::string text;
    for (const auto& modifier : kModifierNames) {
        if (chord.m_nModifiers & modifier.nFlag)
            text += std::string(modifier.name) + "+";
    }
    return text + key;
}

std::optional<ChordAction> ChordActionOf(int nId)
{
    if (nId < 1 || nId > kChordActions)
        return std::nullopt;
    return static_cast<ChordAction>(nId - 1);
}

void ChordStates::Decide(const ChordSettings& chords, const std::function<bool(KeyChord)>& typesAltGr,
                         const std::function<bool(int nAction, KeyChord)>& registerChord)
{
    constexpr uint32_t kAltGr = kChordCtrl | kChordAlt;
    for (int nAction = 0; nAction < kChordActions; ++nAction) {
        const std::optional<KeyChord>& chord = chords.m_chord[nAction];
        ChordState& state = m_state[nAction];
        if (chords.m_bActive != 1 || !chord)
            state = ChordState::None;
        else if ((chord->m_nModifiers & kAltGr) == kAltGr && typesAltGr(*chord))
            state = ChordState::AltGr;
        else if (std::find(chords.m_chord, chords.m_chord + nAction, chord) != chords.m_chord + nAction)
            state = ChordState::Doubled;
        else
            state = registerChord(nAction, *chord) ? ChordState::Registered : ChordState::Taken;
    }
}

void ChordStates::RetryTaken(const ChordSettings& chords,
                             const std::function<bool(int nAction, KeyChord)>& registerChord)
{
    for (int nAction = 0; nAction < kChordActions; ++nAction) {
        const std::optional<KeyChord>& chord = chords.m_chord[nAction];
        if (m_state[nAction] == ChordState::Taken && chord && registerChord(nAction, *chord))
            m_state[nAction] = ChordState::Registered;
    }
}
