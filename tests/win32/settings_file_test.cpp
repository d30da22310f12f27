// The settings file read and written through the real profile functions, against real files.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "core/settings_file.h"
#include "settings_file_access.h"
#include "win32/profile_file.h"

namespace {

class SettingsFileTest : public testing::Test {
protected:
    void SetUp() override { RemoveSettings(); }
    void TearDown() override { RemoveSettings(); }

    static TimerSettings DialogDefaults()
    {
        TimerSettings settings;
        settings.m_strAlarmFile = kAlarmDefaultDialog;
        return settings;
    }

    const ProgramSettingsFile& m_file = TestSettingsFile();
};

}  // namespace

TEST_F(SettingsFileTest, PathIsTarnovellIniInTheExecutablesDirectory)
{
    wchar_t exePath[MAX_PATH];
    const DWORD nLength = GetModuleFileNameW(nullptr, exePath, MAX_PATH);
    const std::wstring exe(exePath, nLength);
    EXPECT_EQ(ProgramSettingsFile::Choose().GetPath(), exe.substr(0, exe.find_last_of(L'\\') + 1) + L"Tarnovell.ini");
}

TEST_F(SettingsFileTest, MissingFileGivesEveryDefault)
{
    EXPECT_EQ(SettingsFile::LoadTimerSettings(kAlarmDefaultMain, m_file), TimerSettings{});
    EXPECT_EQ(SettingsFile::LoadWindowPos({414, 494, 452, 35}, m_file), (WindowPos{414, 494, 452, 35}));
    EXPECT_EQ(GetFileAttributesW(m_file.GetPath().c_str()), INVALID_FILE_ATTRIBUTES) << "reading created it";
}

TEST_F(SettingsFileTest, FirstSettingsThenExitWriteTheTwelveLineExample)
{
    SettingsFile::SaveTimerSettings(DialogDefaults(), m_file);
    SettingsFile::SaveWindowPos({-12, 0, 446, 35}, m_file);
    EXPECT_EQ(SettingsBytes(),
              "[EINHEIT]\r\nArbeit=25\r\nKPause=5\r\nLPause=30\r\nAnzahl=4\r\nStoppuhr=1\r\nAlarm=Alarm.wav\r\n"
              "[POS]\r\nX1=-12\r\nY1=0\r\nX2=446\r\nY2=35\r\n");
}

TEST_F(SettingsFileTest, AFileFirstWrittenOnExitBeginsWithPos)
{
    SettingsFile::SaveWindowPos({100, 200, 300, 40}, m_file);
    SettingsFile::SaveTimerSettings(DialogDefaults(), m_file);
    const std::string bytes = SettingsBytes();
    EXPECT_EQ(bytes.rfind("[POS]\r\nX1=100\r\nY1=200\r\nX2=300\r\nY2=40\r\n", 0), 0u) << bytes;
    EXPECT_NE(bytes.find("[EINHEIT]\r\nArbeit=25\r\n"), std::string::npos) << bytes;
}

TEST_F(SettingsFileTest, WritesKeepUnknownLinesAndSectionsInPlace)
{
    WriteSettings(
        "; meine Notizen\r\n[Anderes]\r\nFarbe=blau\r\n[EINHEIT]\r\nArbeit=50\r\nEigen=ja\r\n[POS]\r\nX1=5\r\n");
    SettingsFile::SaveTimerSettings(DialogDefaults(), m_file);
    SettingsFile::SaveWindowPos({-12, 0, 446, 35}, m_file);
    EXPECT_EQ(SettingsBytes(),
              "; meine Notizen\r\n[Anderes]\r\nFarbe=blau\r\n"
              "[EINHEIT]\r\nArbeit=25\r\nEigen=ja\r\nKPause=5\r\nLPause=30\r\nAnzahl=4\r\nStoppuhr=1\r\nAlarm=Alarm.wav\r\n"
              "[POS]\r\nX1=-12\r\nY1=0\r\nX2=446\r\nY2=35\r\n");
}

TEST_F(SettingsFileTest, ValuesAreReadAsTheFileHoldsThem)
{
    WriteSettings("[einheit]\r\narbeit = 90\r\nKPause=0\r\nLPause=-5\r\nAnzahl=11\r\nStoppuhr=2\r\nAlarm=\r\n"
                  "[POS]\r\nX1=-1280\r\nY1=-40\r\nX2=300\r\nY2=35\r\n");
    TimerSettings expected;
    expected.m_nWorkMins = 90;
    expected.m_nShortPauseMins = 0;
    expected.m_nLongPauseMins = -5;
    expected.m_nUnitsPerLongPause = 11;
    expected.m_bStopwatch = 2;
    expected.m_strAlarmFile = "";
    EXPECT_EQ(SettingsFile::LoadTimerSettings(kAlarmDefaultMain, m_file), expected);
    EXPECT_EQ(SettingsFile::LoadWindowPos({1, 2, 3, 4}, m_file), (WindowPos{-1280, -40, 300, 35}));
}

TEST_F(SettingsFileTest, WrittenIntegersReadBackWhateverTheirSign)
{
    for (int32_t value : {0, 1, -1, 60, -12, 2147483647, -2147483647 - 1}) {
        SettingsFile::WriteInt("POS", "X1", value, m_file);
        EXPECT_EQ(SettingsFile::ReadInt("POS", "X1", 7, m_file), value);
    }
    EXPECT_EQ(SettingsBytes(), "[POS]\r\nX1=-2147483648\r\n");
}

TEST_F(SettingsFileTest, UmlautsAreKeptAsSingleBytesInANewFileAndInAnExistingOne)
{
    // The wide profile functions must neither turn the file into UTF-16 or UTF-8 nor lose a byte.
    const char path[] = "C:\\Kl\xE4nge\\Gl\xF6""ckchen.wav";
    for (const std::string before : {"", "[EINHEIT]\r\nAlarm=Gl\xF6""ckchen.wav\r\n"}) {
        RemoveSettings();
        if (!before.empty())
            WriteSettings(before);
        EXPECT_EQ(SettingsFile::ReadString("EINHEIT", "Alarm", "", m_file), before.empty() ? "" : "Gl\xF6""ckchen.wav");
        SettingsFile::WriteString("EINHEIT", "Alarm", path, m_file);
        EXPECT_EQ(SettingsFile::ReadString("EINHEIT", "Alarm", "", m_file), path);
        EXPECT_EQ(SettingsBytes(), std::string("[EINHEIT]\r\nAlarm=") + path + "\r\n");
    }
}

// Run by itself under a file size limit of 1024 bytes, which the program meets as a full disk. A
// file of 1000 bytes: the section [Fremd] of 17 + 865 bytes, [EINHEIT] of 82, [POS] of 36.
TEST_F(SettingsFileTest, OnAFullDiskASaveStoresItsKeysWholeOrLeavesTheFileAsItWas)
{
    const std::string before = "[Fremd]\r\nNotiz=" + std::string(865, 'x') +
                               "\r\n[EINHEIT]\r\nArbeit=25\r\nKPause=5\r\nLPause=30\r\nAnzahl=4\r\nStoppuhr=1\r\n"
                               "Alarm=Alarm.wav\r\n[POS]\r\nX1=-12\r\nY1=0\r\nX2=446\r\nY2=35\r\n";
    ASSERT_EQ(before.size(), 1000u);
    const std::wstring path = m_file.GetPath();
    // 30 more characters of alarm would make 1030 bytes; values of the same length still fit.
    TimerSettings longer = DialogDefaults();
    longer.m_strAlarmFile += std::string(30, 'w');
    TimerSettings same = DialogDefaults();
    same.m_nWorkMins = 26;
    std::string after = before;
    after.replace(after.find("Arbeit=25"), 9, "Arbeit=26");
    after.replace(after.find("[POS]"), std::string::npos, "[POS]\r\nX1=-13\r\nY1=1\r\nX2=445\r\nY2=36\r\n");

    WriteSettings(before);
    SettingsFile::SaveTimerSettings(longer, m_file);
    EXPECT_EQ(SettingsBytes(), before);
    SettingsFile::SaveTimerSettings(same, m_file);
    SettingsFile::SaveWindowPos({-13, 1, 445, 36}, m_file);
    EXPECT_EQ(SettingsBytes(), after);
    EXPECT_FALSE(SaveLeftBehind(path)) << "a copy stayed behind";
}
