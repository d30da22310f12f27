// The settings file read and written through the real profile functions, against real files.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>
#include <utility>

#include "core/settings_file.h"
#include "settings_file_access.h"
#include "win32/file_exists.h"
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

// What lies around the file stays, and the change is in the file by every name it has: a hidden
// file stays hidden, a second name (a hard link) reads the change, a stale copy is taken over, a
// folder in the copy's place or a file held without delete sharing for 200 ms by another program
// has the file written where it lies (or the save waits for it).
TEST_F(SettingsFileTest, ASaveStoresTheChangeInTheFileAndKeepsWhatLiesAroundIt)
{
    const std::wstring path = m_file.GetPath(), copy = path + L".neu";
    const std::wstring secondName = path.substr(0, path.find_last_of(L'\\') + 1) + L"Zweitname.ini";
    HANDLE hHolder = nullptr;
    const std::pair<const char*, std::function<void()>> kCases[] = {
        {"hidden", [&] { ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_HIDDEN); }},
        {"a second name", [&] { ASSERT_TRUE(::CreateHardLinkW(secondName.c_str(), path.c_str(), nullptr)); }},
        {"a stale copy, hidden and read-only", [&] {
             WriteBytesAt(copy, "[EINHEIT]\r\nArb");
             ::SetFileAttributesW(copy.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY);
         }},
        {"a folder in the copy's place", [&] { ::CreateDirectoryW(copy.c_str(), nullptr); }},
        {"held without delete sharing for 200 ms", [&] {
             HANDLE hFile = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                          OPEN_EXISTING, 0, nullptr);
             auto release = [](void* hHeld) -> DWORD { return ::Sleep(200), ::CloseHandle(hHeld); };
             hHolder = ::CreateThread(nullptr, 0, release, hFile, 0, nullptr);
         }},
    };
    for (const auto& [name, arrange] : kCases) {
        SCOPED_TRACE(name);
        RemoveSettings();
        WriteSettings("[EINHEIT]\r\nArbeit=12\r\n");
        arrange();
        const DWORD kept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM, attributes = ::GetFileAttributesW(path.c_str());
        SettingsFile::WriteInt("EINHEIT", "Arbeit", 26, m_file);
        EXPECT_EQ(SettingsBytes(), "[EINHEIT]\r\nArbeit=26\r\n");
        EXPECT_EQ(::GetFileAttributesW(path.c_str()) & kept, attributes & kept);
        EXPECT_EQ(BytesAt(secondName), IsFile(secondName) ? SettingsBytes() : "");
        ::DeleteFileW(secondName.c_str());
        if (hHolder && ::WaitForSingleObject(hHolder, INFINITE) == WAIT_OBJECT_0)
            ::CloseHandle(std::exchange(hHolder, nullptr));
        EXPECT_EQ(::RemoveDirectoryW(copy.c_str()) != FALSE, kCases[3].first == name) << "the folder went";
        EXPECT_FALSE(SaveLeftBehind(path)) << "a copy stayed behind";
    }
}

// A symbolic link stays a link, and the file it names takes the change. A folder that takes no
// new file (immutable, set by root) has the file in it, which may be written, written in place.
// ctest's fixture locked_places makes both beside the test program, as Wine cannot.
TEST_F(SettingsFileTest, ASaveWritesTheFileThatALinkNamesOrInAFolderThatTakesNoNewFile)
{
    const std::wstring path = m_file.GetPath(), folder = path.substr(0, path.find_last_of(L'\\') + 1);
    const std::wstring link = folder + L"Verweis\\Tarnovell.ini", target = folder + L"Verweis\\Ziel\\Tarnovell.ini";
    const std::wstring locked = folder + L"Gesperrt\\Tarnovell.ini";
    if (!IsFile(link) || !IsFile(locked))
        GTEST_SKIP() << "no Verweis or Gesperrt beside the test: ctest's fixture locked_places makes them";
    WriteBytesAt(target, "[EINHEIT]\r\nArbeit=12\r\n");
    SettingsFile::WriteInt("EINHEIT", "Arbeit", 26, ProgramSettingsFile(link));
    EXPECT_EQ(BytesAt(target), "[EINHEIT]\r\nArbeit=26\r\n");
    WriteBytesAt(target, "[EINHEIT]\r\nArbeit=27\r\n");
    EXPECT_EQ(BytesAt(link), "[EINHEIT]\r\nArbeit=27\r\n") << "the link became a file of its own";
    EXPECT_FALSE(SaveLeftBehind(link) || SaveLeftBehind(target)) << "a copy stayed behind";

    const std::string why = BytesAt(folder + L"Gesperrt\\nicht-gesperrt.txt");
    if (!why.empty())
        GTEST_SKIP() << why;
    ASSERT_FALSE(::CreateDirectoryW((folder + L"Gesperrt\\Neu").c_str(), nullptr)) << "the folder took a new one";
    WriteBytesAt(locked, "[EINHEIT]\r\nArbeit=12\r\n[POS]\r\nX1=5\r\n");
    SettingsFile::SaveChordsActive(0, ProgramSettingsFile(locked));
    SettingsFile::SaveWindowPos({-12, 0, 446, 35}, ProgramSettingsFile(locked));
    EXPECT_EQ(BytesAt(locked),
              "[EINHEIT]\r\nArbeit=12\r\n[POS]\r\nX1=-12\r\nY1=0\r\nX2=446\r\nY2=35\r\n[TASTEN]\r\nAktiv=0\r\n");
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
