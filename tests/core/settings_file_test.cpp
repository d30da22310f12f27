// The settings records mapped onto the keys of a settings file, run against a file in memory.
#include <gtest/gtest.h>

#include <charconv>
#include <map>
#include <span>
#include <string>
#include <vector>

#include "core/chord.h"
#include "core/settings_file.h"

namespace {

// Keys held in memory; every write is also logged, in order, as "SECTION/Key=value", and the
// saves are counted. A full file takes no save.
class MemoryFile : public ProfileFile {
public:
    mutable std::map<std::string, std::string> m_values;
    mutable std::vector<std::string> m_writes;
    mutable int m_nSaves = 0;
    bool m_bFull = false;
    CharacterBytes m_codePage = SingleByteCharacter;

    bool WriteSections(std::span<const ProfileSection> sections) const override
    {
        ++m_nSaves;
        return !m_bFull && ProfileFile::WriteSections(sections);
    }
    CharacterBytes CodePage() const override { return m_codePage; }

    int32_t ReadInt(const char* section, const char* key, int32_t nDefault) const override
    {
        const std::string text = ReadString(section, key, "");
        std::from_chars(text.data(), text.data() + text.size(), nDefault);
        return nDefault;
    }
    std::string ReadString(const char* section, const char* key, const char* defaultText) const override
    {
        const auto found = m_values.find(std::string(section) + "/" + key);
        return found != m_values.end() ? found->second : defaultText;
    }
    void WriteString(const char* section, const char* key, const char* text) const override
    {
        m_values[std::string(section) + "/" + key] = text;
        m_writes.push_back(std::string(section) + "/" + key + "=" + text);
    }
};

}  // namespace

TEST(SettingsMapping, MissingKeysGiveEveryDefault)
{
    const MemoryFile file;
    TimerSettings dialogDefaults;
    dialogDefaults.m_strAlarmFile = kAlarmDefaultDialog;
    EXPECT_EQ(SettingsFile::LoadTimerSettings(kAlarmDefaultMain, file), TimerSettings{});
    EXPECT_EQ(SettingsFile::LoadTimerSettings(kAlarmDefaultDialog, file), dialogDefaults);
    EXPECT_EQ(SettingsFile::LoadWindowPos({414, 494, 452, 35}, file), (WindowPos{414, 494, 452, 35}));
}

TEST(SettingsMapping, SavesWriteEveryKeyInOrderAsDecimalTextAndLoadsCutTheAlarmTo254Characters)
{
    MemoryFile file;
    const std::string alarm = "C:\\" + std::string(290, 'a') + ".wav";
    TimerSettings settings{0, -5, 2147483647, -2147483647 - 1, 2, alarm};
    SettingsFile::SaveTimerSettings(settings, file);
    SettingsFile::SaveWindowPos({-12, 0, 446, 35}, file);
    const std::vector<std::string> writes = {
        "EINHEIT/Arbeit=0", "EINHEIT/KPause=-5", "EINHEIT/LPause=2147483647", "EINHEIT/Anzahl=-2147483648",
        "EINHEIT/Stoppuhr=2", "EINHEIT/Alarm=" + alarm, "POS/X1=-12", "POS/Y1=0", "POS/X2=446", "POS/Y2=35",
    };
    EXPECT_EQ(file.m_writes, writes);
    settings.m_strAlarmFile.resize(254);
    EXPECT_EQ(SettingsFile::LoadTimerSettings(kAlarmDefaultMain, file), settings);
    EXPECT_EQ(SettingsFile::LoadWindowPos({1, 2, 3, 4}, file), (WindowPos{-12, 0, 446, 35}));

    // In a code page of two-byte characters the cut at 254 bytes leaves out the one that would end at 255.
    file.m_codePage = [](unsigned char lead) -> std::size_t { return lead >= 0x81 ? 2 : 1; };
    file.m_values["EINHEIT/Alarm"] = std::string(253, 'a') + "\x82\xA0";
    EXPECT_EQ(SettingsFile::ReadString("EINHEIT", "Alarm", "", file), std::string(253, 'a'));
}

TEST(SettingsMapping, WhatTheFileCannotStoreTheRunKeepsUntilTheFileTakesItAgain)
{
    MemoryFile file;
    file.m_values = {{"EINHEIT/Arbeit", "40"}, {"POS/X1", "7"}};
    file.m_bFull = true;
    const RunProfile run(file);
    TimerSettings changed;
    changed.m_nWorkMins = 12;
    const PhaseEndSettings waiting{false, true, true, 30, 0, "", "", 100, false};
    SettingsFile::SaveDialogSettings(changed, waiting, run);
    EXPECT_TRUE(file.m_writes.empty());
    EXPECT_EQ(file.m_nSaves, 1);
    EXPECT_EQ(SettingsFile::LoadTimerSettings(kAlarmDefaultMain, run), changed);
    EXPECT_EQ(SettingsFile::LoadPhaseEndSettings(run), waiting);
    EXPECT_EQ(SettingsFile::LoadWindowPos({1, 2, 3, 4}, run), (WindowPos{7, 2, 3, 4}));

    // Once the file stores again, the run reads the file, here changed behind the run's back.
    file.m_bFull = false;
    SettingsFile::WriteInt("EINHEIT", "Arbeit", 13, run);
    file.m_values["EINHEIT/Arbeit"] = "14";
    EXPECT_EQ(SettingsFile::ReadInt("EINHEIT", "Arbeit", 0, run), 14);
}

// Section TASTEN: each text as the file holds it, the chord read from it (Strg 2, Alt 1,
// Umschalt 4; a letter or digit is its capital's code, F1 0x70, Leertaste 0x20) and the text
// that chord is written as; "-" for no chord.
TEST(SettingsMapping, ChordTextsReadWithTheGermanKeyNamesAndWriteInOneOrder)
{
    const struct {
        const char* text;
        uint32_t nModifiers, nKey;
        const char* written;
    } rows[] = {
        {"Strg+Alt+P", 3, 0x50, "Strg+Alt+P"}, {"alt + strg + p", 3, 0x50, "Strg+Alt+P"},
        {"Umschalt+Strg+9", 6, 0x39, "Strg+Umschalt+9"}, {"Alt+Leertaste", 1, 0x20, "Alt+Leertaste"},
        {"F1", 0, 0x70, "F1"}, {"Umschalt+f24", 4, 0x87, "Umschalt+F24"},
        {"Strg+Alt+Umschalt+F10", 7, 0x79, "Strg+Alt+Umschalt+F10"},
        {"", 0, 0, "-"}, {"P", 0, 0, "-"}, {"Umschalt+P", 0, 0, "-"}, {"Strg+Strg+P", 0, 0, "-"},
        {"Strg+Alt", 0, 0, "-"}, {"Strg+Alt+", 0, 0, "-"}, {"Ctrl+Alt+P", 0, 0, "-"}, {"Strg+Alt+PP", 0, 0, "-"},
        {"Strg+Alt+\xDF", 0, 0, "-"}, {"Strg+F0", 0, 0, "-"}, {"Strg+F25", 0, 0, "-"}, {"Strg+F01", 0, 0, "-"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        const std::optional<KeyChord> chord = ReadChord(row.text);
        EXPECT_EQ(chord.has_value(), std::string(row.written) != "-");
        if (!chord)
            continue;
        EXPECT_EQ(chord->m_nModifiers, row.nModifiers);
        EXPECT_EQ(chord->m_nKey, row.nKey);
        EXPECT_EQ(ChordText(*chord), row.written);
    }

    // Missing keys give the default chords, an empty or unreadable one none; only Aktiv is written.
    const MemoryFile file;
    file.m_values = {{"TASTEN/Aktiv", "0"}, {"TASTEN/Weiter", ""}, {"TASTEN/Stoppuhr", "Strg+Alt+Q+"}};
    const ChordSettings chords = SettingsFile::LoadChordSettings(file);
    EXPECT_EQ(chords.m_bActive, 0);
    EXPECT_EQ(chords.m_chord[0], (KeyChord{3, 0x50}));
    EXPECT_FALSE(chords.m_chord[1] || chords.m_chord[2]);
    EXPECT_EQ(chords.m_chord[3], (KeyChord{3, 0x54}));
    SettingsFile::SaveChordsActive(1, file);
    EXPECT_EQ(file.m_writes, std::vector<std::string>{"TASTEN/Aktiv=1"});
    EXPECT_TRUE(!ChordActionOf(0) && !ChordActionOf(5) && ChordActionOf(4) == ChordAction::ShowHide);
}

// Each action's chord by four texts, where Q, E and S type an AltGr character and another program
// holds the chords with X until it lets them go. States: R registered, T taken, G AltGr character,
// D doubled, - none; as decided | once the taken ones are tried again, when every chord is free.
TEST(SettingsMapping, AChordThatTypesAnAltGrCharacterOrCameBeforeStaysUnregisteredAndATakenOneIsTriedAgain)
{
    const struct {
        const char* texts[kChordActions];
        int32_t bActive;
        const char* states;
    } rows[] = {
        {{"Strg+Alt+P", "Strg+Alt+N", "Strg+Alt+S", "Strg+Alt+T"}, 1, "RRGR|RRGR"},
        {{"Strg+Alt+P", "Strg+Alt+N", "Strg+Alt+S", "Strg+Alt+T"}, 0, "----|----"},
        {{"Strg+Alt+Q", "Alt+Q", "Strg+Umschalt+S", "Strg+Alt+Umschalt+E"}, 1, "GRRG|GRRG"},
        {{"Strg+Alt+X", "Strg+Alt+X", "alt+strg+p", "Strg+Alt+P"}, 1, "TDRD|RDRD"},
        {{"Strg+Alt+S", "", "F5", "F5"}, 1, "G-RD|G-RD"},
    };
    const auto typesAltGr = [](KeyChord chord) {
        return chord.m_nKey == 'Q' || chord.m_nKey == 'E' || chord.m_nKey == 'S';
    };
    const auto letters = [](const ChordStates& chordStates) {
        std::string text;
        for (const ChordState state : chordStates.m_state)
            text += "-RTGD"[static_cast<int>(state)];
        return text;
    };
    for (const auto& row : rows) {
        ChordSettings chords{row.bActive, {}};
        for (int nAction = 0; nAction < kChordActions; ++nAction)
            chords.m_chord[nAction] = ReadChord(row.texts[nAction]);
        ChordStates chordStates;
        chordStates.Decide(chords, typesAltGr, [](int, KeyChord chord) { return chord.m_nKey != 'X'; });
        const std::string decided = letters(chordStates) + "|";
        chordStates.RetryTaken(chords, [](int, KeyChord) { return true; });
        EXPECT_EQ(decided + letters(chordStates), row.states) << row.texts[0];
    }
}

// A save's text: the entries go into the first section of their name, in place of each key's
// first line there or after that section's last line, and every other byte stays.
TEST(SettingsMapping, ASavedTextChangesOnlyTheLinesOfItsEntries)
{
    const CharacterBytes doubleByte = [](unsigned char lead) -> std::size_t { return lead >= 0x81 ? 2 : 1; };
    const struct {
        const char* name;
        std::string before;
        CharacterBytes codePage;
        std::string after;
    } rows[] = {
        {"a section missing after a last line without its end", "; Notiz\r\n[Anderes]\r\nA=1", SingleByteCharacter,
         "; Notiz\r\n[Anderes]\r\nA=1\r\n[POS]\r\nX1=-12\r\nY1=0\r\n"},
        {"... in the section", "[POS]\r\nX1=5", SingleByteCharacter, "[POS]\r\nX1=-12\r\nY1=0\r\n"},
        {"spelling, spaces, blank lines and a second section of the name kept",
         "[pos]\n  x1 = 7 ; alt\nZ=1\n\n[Pos]\nY1=3\n", SingleByteCharacter,
         "[pos]\n  x1 =-12\nZ=1\nY1=0\r\n\n[Pos]\nY1=3\n"},
        {"line ends CR alone, a key twice", "[POS]\rY1=1\rY1=2\r", SingleByteCharacter,
         "[POS]\rY1=0\rY1=2\rX1=-12\r\n"},
        {"a bracket as the second byte of a character: a key", "[POS]\r\n[\x81]=1\r\nX1=5\r\n", doubleByte,
         "[POS]\r\n[\x81]=1\r\nX1=-12\r\nY1=0\r\n"},
        {"... a header in a code page of single bytes", "[POS]\r\n[\x81]=1\r\nX1=5\r\n", SingleByteCharacter,
         "[POS]\r\nX1=-12\r\nY1=0\r\n[\x81]=1\r\nX1=5\r\n"},
    };
    const ProfileEntry entries[] = {{"X1", "-12"}, {"Y1", "0"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(WithEntries(row.before, "POS", entries, row.codePage), row.after);
    }
    const ProfileEntry broken[] = {{"Alarm", "a.wav\r\n[POS]"}};
    EXPECT_EQ(WithEntries("", "EINHEIT", broken, SingleByteCharacter), std::nullopt);

    // Two sections in one text, each set as if alone; an entry that would break its line spoils all.
    const ProfileEntry unit[] = {{"Arbeit", "26"}};
    const ProfileSection sections[] = {{"POS", entries}, {"EINHEIT", unit}}, spoilt[] = {{"POS", entries}, {"X", broken}};
    EXPECT_EQ(WithSections("[EINHEIT]\r\nArbeit=12\r\n[POS]\r\nX1=5", sections, SingleByteCharacter),
              "[EINHEIT]\r\nArbeit=26\r\n[POS]\r\nX1=-12\r\nY1=0\r\n");
    EXPECT_EQ(WithSections("", spoilt, SingleByteCharacter), std::nullopt);
}

// Section ABLAUF as a hand-edited file may hold it, every key set to the same text: switches on
// from 1, repeats 0 or 5 to 600 (3 is nearer 5, 2 nearer 0), warnings 0 to 60, the level 0 to 100.
TEST(SettingsMapping, PhaseEndValuesAreReadIntoTheirBounds)
{
    const struct {
        const char* text;
        PhaseEndSettings read;
    } rows[] = {
        {"abc", {true, true, false, 0, 0, "abc", "abc", 100, false}},
        {"-5", {false, false, false, 0, 0, "-5", "-5", 0, false}},
        {"2147483647", {true, true, true, 600, 60, "2147483647", "2147483647", 100, true}},
        {"99999999999", {true, true, true, 600, 60, "99999999999", "99999999999", 100, true}},
        {" 3", {true, true, true, 5, 3, " 3", " 3", 3, true}},
        {"3", {true, true, true, 5, 3, "3", "3", 3, true}},
        {"2", {true, true, true, 0, 2, "2", "2", 2, true}},
    };
    for (const auto& row : rows) {
        MemoryFile file;
        for (const char* key : {"PauseVonSelbst", "EinheitVonSelbst", "EinheitBeiEingabe", "Wiederholen", "Vorwarnung",
                                "Warnton", "PausenAlarm", "Lautstaerke", "BeimStart"})
            file.m_values[std::string("ABLAUF/") + key] = row.text;
        EXPECT_EQ(SettingsFile::LoadPhaseEndSettings(file), row.read) << row.text;
    }
}
