// Where the settings file lies, how its texts are cut, and the defaults a missing file gives.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <tuple>
#include <utility>

#include "core/settings.h"

TEST(SettingsPath, TheFileLiesBesideTheExecutableWhateverItIsCalled)
{
    struct Case {
        const wchar_t* exe;
        const wchar_t* ini;
    };
    const Case cases[] = {
        {L"C:\\Program Files\\Tarnovell\\Tarnovell.EXE", L"C:\\Program Files\\Tarnovell\\Tarnovell.ini"},
        {L"C:\\Tools\\Uhr.exe", L"C:\\Tools\\Tarnovell.ini"},
        {L"C:\\Tools\\Tarnovell-Arbeitsuhr.exe", L"C:\\Tools\\Tarnovell.ini"},
        {L"C:\\T.exe", L"C:\\Tarnovell.ini"},
        {L"C:\\\u03A9mega\\\u65E5\u672C\u8A9E\\Tarnovell.exe", L"C:\\\u03A9mega\\\u65E5\u672C\u8A9E\\Tarnovell.ini"},
        {L"\\\\server\\share\\a.b.c\\Tarnovell", L"\\\\server\\share\\a.b.c\\Tarnovell.ini"},
        {L"/home/user/tarnovell.exe", L"/home/user/Tarnovell.ini"},
        {L"Uhr.exe", L".\\Tarnovell.ini"},
        {L"", L".\\Tarnovell.ini"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SettingsPathFor(c.exe), c.ini);
}

TEST(SettingsPath, AFileLiesOnlyInAFolderOfAWholeAbsolutePathShorterThan260Characters)
{
    // "\\Tarnovell.ini" is 14 characters: 3 + 242 + 14 = 259.
    const std::wstring n259 = L"C:\\" + std::wstring(242, L'a') + L"\\Tarnovell.ini";
    const std::pair<std::wstring, bool> cases[] = {
        {L"C:\\Tools\\Tarnovell.ini", true},   {L"\\\\server\\share\\Tarnovell\\Tarnovell.ini", true},
        {L".\\Tarnovell.ini", false},           {L"C:Tarnovell\\Tarnovell.ini", false},
        {L"\\Tarnovell\\Tarnovell.ini", false}, {L"C:\\Tarnovell.ini", false},
        {L"\\\\server\\share\\Tarnovell.ini", false}, {L"\\\\?\\C:\\Tools\\Tarnovell.ini", false},
        {n259, true}, {L"C:\\a" + n259.substr(3), false}, {L"C:\\ab" + n259.substr(3), false},
    };
    for (const auto& [path, bPlace] : cases)
        EXPECT_EQ(IsSettingsPlace(path), bPlace) << path.size() << " characters";

    // The user's folder is one of its own, not a drive's root nor the working directory.
    EXPECT_EQ(UserSettingsPathFor(L"C:\\Users\\Ann\\AppData\\Local\\"),
              L"C:\\Users\\Ann\\AppData\\Local\\Tarnovell\\Tarnovell.ini");
    for (const wchar_t* folder : {L"", L"\\", L"AppData\\Local", L"C:\\", L"\\\\server\\home"})
        EXPECT_EQ(UserSettingsPathFor(folder), L"");

    // One running strip per file, named for its folder's file index and its name, or else for its
    // whole path, whatever the case of their ASCII letters. FNV-1a of no text is its offset basis;
    // the others are worked out byte by byte, the index's lowest byte first.
    EXPECT_EQ(InstanceName(L""), L"Tarnovell-CBF29CE484222325");
    EXPECT_EQ(InstanceName(0, L""), L"Tarnovell-A8C7F832281A39C5");
    EXPECT_EQ(InstanceName(0xA72002, L"TARNOVELL.INI"), L"Tarnovell-DEACF9210ADB004D");
    EXPECT_EQ(InstanceName(0xA72002, L"tarnovell.ini"), L"Tarnovell-DEACF9210ADB004D");
    EXPECT_EQ(InstanceName(0xA72003, L"TARNOVELL.INI"), L"Tarnovell-7A7CFBCA3ACD0A6E");
    EXPECT_EQ(InstanceName(0x0200A7, L"TARNOVELL.INI"), L"Tarnovell-A96F36059419FC55");
    const std::wstring name = InstanceName(L"C:\\Tools\\Tarnovell.ini");
    EXPECT_EQ(InstanceName(L"c:\\TOOLS\\tarnovell.INI"), name);
    EXPECT_NE(InstanceName(L"C:\\Tools2\\Tarnovell.ini"), name);
    EXPECT_NE(InstanceName(L"C:\\\u03A9mega\\Tarnovell.ini"), InstanceName(L"C:\\\u03C9mega\\Tarnovell.ini"));
    EXPECT_EQ(InstanceName(std::wstring(300, L'x')).size(), 26u);
}

TEST(SettingsText, ACutKeepsADoubleByteCharacterWholeOrLeavesItOut)
{
    // Lead bytes as in code page 932: 0x81 to 0x9F and 0xE0 to 0xFC.
    const CharacterBytes shiftJis = [](unsigned char lead) -> std::size_t {
        return (lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xFC) ? 2 : 1;
    };
    // 0xB1 is a half-width character of one byte; a lead byte at the end is half a character.
    const std::tuple<std::string_view, std::size_t, std::string_view> cases[] = {
        {"abc", 2, "ab"},         {"a\x82\xA0", 2, "a"},  {"a\x82\xA0", 3, "a\x82\xA0"},
        {"\x93\xFA\x96\x7B", 3, "\x93\xFA"}, {"a\xB1\x82", 2, "a\xB1"}, {"ab\x82", 9, "ab"},
    };
    for (const auto& [text, nMax, cut] : cases)
        EXPECT_EQ(CutToCharacters(text, nMax, shiftJis), cut) << text << " to " << nMax;
    EXPECT_EQ(CutToCharacters("a\x82\xA0", 2, SingleByteCharacter), "a\x82");
}

TEST(SettingsPath, OnlyARelativeAlarmPathIsLookedForBesideTheExecutable)
{
    const wchar_t exe[] = L"C:\\\u03A9mega\\Tarnovell.exe";
    struct Case {
        const wchar_t* alarm;
        const wchar_t* beside;  // empty: played as written
    };
    const Case cases[] = {
        {L"Alarm.wav", L"C:\\\u03A9mega\\Alarm.wav"},
        {L".\\x.wav", L"C:\\\u03A9mega\\.\\x.wav"},
        {L"..\\x.wav", L"C:\\\u03A9mega\\..\\x.wav"},
        {L"C:\\x.wav", L""},
        {L"C:x.wav", L""},
        {L"\\\\server\\share\\x.wav", L""},
        {L"\\x.wav", L""},
        {L"/x.wav", L""},
        {L"", L""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AlarmPathBeside(exe, c.alarm), c.beside);
}

TEST(TimerSettings, DefaultsAreTheFirstStartsValues)
{
    const TimerSettings settings;
    EXPECT_EQ(settings.m_nWorkMins, 25);
    EXPECT_EQ(settings.m_nShortPauseMins, 5);
    EXPECT_EQ(settings.m_nLongPauseMins, 30);
    EXPECT_EQ(settings.m_nUnitsPerLongPause, 4);
    EXPECT_EQ(settings.m_bStopwatch, 1);
    EXPECT_EQ(settings.m_strAlarmFile, "ALARM.WAV");
    EXPECT_STREQ(kAlarmDefaultDialog, "Alarm.wav");
}
