// Where the settings file lies, and the defaults a missing file gives.
#include <gtest/gtest.h>

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

TEST(SettingsPath, OneRunningStripPerFileWhateverTheCaseOfItsPath)
{
    // FNV-1a of no text is its offset basis, 0xCBF29CE484222325.
    EXPECT_EQ(InstanceName(L""), L"Tarnovell-CBF29CE484222325");
    const std::wstring name = InstanceName(L"C:\\Tools\\Tarnovell.ini");
    EXPECT_EQ(InstanceName(L"c:\\TOOLS\\tarnovell.INI"), name);
    EXPECT_NE(InstanceName(L"C:\\Tools2\\Tarnovell.ini"), name);
    EXPECT_NE(InstanceName(L"C:\\\u03A9mega\\Tarnovell.ini"), InstanceName(L"C:\\\u03C9mega\\Tarnovell.ini"));
    EXPECT_EQ(InstanceName(std::wstring(300, L'x')).size(), 26u);
}
