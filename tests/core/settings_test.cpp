// Where the settings file lies, and the defaults a missing file gives.
#include <gtest/gtest.h>

#include "core/settings.h"

TEST(SettingsPath, TheFileLiesBesideTheExecutableWhateverItIsCalled)
{
    struct Case {
        const char* exe;
        const char* ini;
    };
    const Case cases[] = {
        {"C:\\Program Files\\Tarnovell\\Tarnovell.EXE", "C:\\Program Files\\Tarnovell\\Tarnovell.ini"},
        {"C:\\Tools\\Uhr.exe", "C:\\Tools\\Tarnovell.ini"},
        {"C:\\Tools\\Tarnovell-Arbeitsuhr.exe", "C:\\Tools\\Tarnovell.ini"},
        {"C:\\T.exe", "C:\\Tarnovell.ini"},
        {"\\\\server\\share\\a.b.c\\Tarnovell", "\\\\server\\share\\a.b.c\\Tarnovell.ini"},
        {"/home/user/tarnovell.exe", "/home/user/Tarnovell.ini"},
        {"Uhr.exe", ".\\Tarnovell.ini"},
        {"", ".\\Tarnovell.ini"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SettingsPathFor(c.exe), c.ini) << c.exe;
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
