// The strip started on every kind of settings file a disk or a person can leave beside it:
// each start must show a sane status in a reachable window, and the exit must still work.
#include <gtest/gtest.h>

#include <windows.h>

#include <regex>
#include <string>

#include "modal_driver.h"
#include "recording_timer_dlg.h"
#include "settings_file_access.h"
#include "resource.h"
#include "win32/profile_file.h"

namespace {

const std::wstring kPath = TestSettingsFile().GetPath();

std::string StatusOf(HWND hDlg)
{
    char text[128] = {};
    ::GetDlgItemTextA(hDlg, IDC_PROGRESS, text, sizeof text);
    return text;
}

bool IsSaneStatus(const std::string& text)
{
    static const std::regex status(R"(-?\d+:\d\d --- (Einheit -?\d+|PAUSE))");
    return std::regex_match(text, status);
}

// Whole on a monitor, visible and above the other windows.
void ExpectReachable(HWND hDlg)
{
    RECT rect{};
    ::GetWindowRect(hDlg, &rect);
    EXPECT_NE(::MonitorFromRect(&rect, MONITOR_DEFAULTTONULL), nullptr);
    EXPECT_TRUE(::IsWindowVisible(hDlg));
    EXPECT_TRUE(::GetWindowLongPtrA(hDlg, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_GT(rect.right - rect.left, 0);
    EXPECT_GT(rect.bottom - rect.top, 0);
}

struct StartResult {
    std::string status;
    std::string statusAfterTicks;
    RECT place{};
    RECT initial{};
    int nAlarms = 0;
    std::string alarm;
    std::wstring lastAlarm;
};

// Starts the strip, lets it run a few seconds and a phase change, and ends it by the exit
// button (which writes the place) or by Escape.
StartResult StartAndEnd(bool bExitButton)
{
    StartResult result;
    RecordingTimerDlg dlg;
    RunWhenIdle([&] {
        HWND hDlg = dlg.GetSafeHwnd();
        result.status = StatusOf(hDlg);
        ::GetWindowRect(hDlg, &result.place);
        result.initial = dlg.Read().m_rcInitial;
        ExpectReachable(hDlg);
        ::SendMessageA(hDlg, WM_COMMAND, IDC_START, 0);
        for (int i = 0; i < 3; ++i)
            ::SendMessageA(hDlg, WM_TIMER, 0, 0);
        ::SendMessageA(hDlg, WM_COMMAND, IDC_NEXT, 0);
        ::SendMessageA(hDlg, WM_TIMER, 0, 0);
        result.statusAfterTicks = StatusOf(hDlg);
        result.nAlarms = static_cast<int>(dlg.m_alarms.size());
        result.alarm = dlg.Read().m_strAlarmFile;
        if (!dlg.m_alarms.empty())
            result.lastAlarm = dlg.m_alarms.back();
        if (bExitButton)
            ::SendMessageA(hDlg, WM_COMMAND, IDOK, 0);
        else
            PressEscape(hDlg);
    });
    dlg.DoModal();
    return result;
}

class HostileSettingsTest : public testing::Test {
protected:
    void SetUp() override { RemoveSettings(); }
    void TearDown() override { RemoveSettings(); }
};

}  // namespace

TEST_F(HostileSettingsTest, EveryFileStartsASaneReachableStripThatCanExit)
{
    const std::string longAlarm(300, 'x');
    struct Case {
        const char* name;
        std::string bytes;
        const char* firstStatus;  // null: any sane status
    };
    const Case cases[] = {
        {"empty file", "", "25:00 --- Einheit 1"},
        {"binary junk", std::string("\x00\xFF\x1B[\x01=\x7F\n\r\xFE]\x00", 12) + "\x80\x81\x82", "25:00 --- Einheit 1"},
        {"UTF-8 byte-order mark", "\xEF\xBB\xBF[EINHEIT]\r\nArbeit=10\r\n", "10:00 --- Einheit 1"},
        {"CRLF line ends", "[EINHEIT]\r\nArbeit=10\r\nKPause=2\r\n", "10:00 --- Einheit 1"},
        {"LF line ends", "[EINHEIT]\nArbeit=10\nKPause=2\n", "10:00 --- Einheit 1"},
        {"duplicate sections and keys", "[EINHEIT]\r\nArbeit=10\r\nArbeit=20\r\n[EINHEIT]\r\nArbeit=30\r\n",
         "10:00 --- Einheit 1"},
        {"0", "[EINHEIT]\r\nArbeit=0\r\nKPause=0\r\nLPause=0\r\nAnzahl=0\r\n", "0:00 --- Einheit 1"},
        {"-5", "[EINHEIT]\r\nArbeit=-5\r\nKPause=-5\r\nLPause=-5\r\nAnzahl=-5\r\n", "-5:00 --- Einheit 1"},
        {"90", "[EINHEIT]\r\nArbeit=90\r\nKPause=90\r\nLPause=90\r\nAnzahl=90\r\n", "90:00 --- Einheit 1"},
        {"2147483647", "[EINHEIT]\r\nArbeit=2147483647\r\nKPause=2147483647\r\nAnzahl=2147483647\r\n",
         "35791394:00 --- Einheit 1"},
        {"-2147483648", "[EINHEIT]\r\nArbeit=-2147483648\r\nKPause=-2147483648\r\nAnzahl=-2147483648\r\n",
         "-35791394:00 --- Einheit 1"},
        {"99999999999", "[EINHEIT]\r\nArbeit=99999999999\r\nKPause=99999999999\r\n", nullptr},
        {"abc", "[EINHEIT]\r\nArbeit=abc\r\nStoppuhr=abc\r\n", "0:00 --- Einheit 1"},
        {"blank before the digits", "[EINHEIT]\r\nArbeit= 7\r\n", "7:00 --- Einheit 1"},
        {"plus sign", "[EINHEIT]\r\nArbeit=+3\r\n", "3:00 --- Einheit 1"},
        {"alarm of 300 characters", "[EINHEIT]\r\nArbeit=0\r\nAlarm=" + longAlarm + "\r\n", "0:00 --- Einheit 1"},
        {"empty alarm", "[EINHEIT]\r\nArbeit=0\r\nAlarm=\r\n", "0:00 --- Einheit 1"},
        {"place off every screen", "[POS]\r\nX1=-30000\r\nY1=-30000\r\nX2=300\r\nY2=20\r\n", "25:00 --- Einheit 1"},
        {"place of no size", "[POS]\r\nX1=100\r\nY1=100\r\nX2=0\r\nY2=0\r\n", "25:00 --- Einheit 1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RemoveSettings();
        WriteSettings(c.bytes + "\r\n; eigene Zeile\r\n[Fremd]\r\nBleibt=ja\r\n");
        const StartResult first = StartAndEnd(true);
        EXPECT_TRUE(IsSaneStatus(first.status)) << first.status;
        EXPECT_TRUE(IsSaneStatus(first.statusAfterTicks)) << first.statusAfterTicks;
        if (c.firstStatus) {
            EXPECT_EQ(first.status, c.firstStatus);
        }

        // The exit wrote the place and kept every line it does not know.
        const std::string written = SettingsBytes();
        EXPECT_NE(written.find("; eigene Zeile"), std::string::npos) << written;
        EXPECT_NE(written.find("[Fremd]\r\nBleibt=ja"), std::string::npos) << written;
        EXPECT_NE(written.find("X1="), std::string::npos) << written;

        // The next start comes up where the exit left it.
        const StartResult second = StartAndEnd(false);
        EXPECT_TRUE(::EqualRect(&second.place, &first.place));
        EXPECT_EQ(second.status, first.status);
    }
}

TEST_F(HostileSettingsTest, AlarmTextsAreTakenAsTheFileHoldsThemUpTo254Characters)
{
    const struct {
        std::string value;
        std::string alarm;
        std::wstring played;
    } cases[] = {
        {std::string(300, 'x'), std::string(254, 'x'), std::wstring(254, L'x')},
        {"", "", L""},
        {"C:\\Kl\xE4nge\\Gong.wav", "C:\\Kl\xE4nge\\Gong.wav", L"C:\\Kl\u00E4nge\\Gong.wav"},
    };
    for (const auto& c : cases) {
        WriteSettings("[EINHEIT]\r\nArbeit=0\r\nAlarm=" + c.value + "\r\n");
        const StartResult result = StartAndEnd(false);
        EXPECT_EQ(result.alarm, c.alarm);
        // The ticks that end the two 0-minute units ring with that very text.
        EXPECT_EQ(result.nAlarms, 2);
        EXPECT_EQ(result.lastAlarm, c.played);
    }
}

TEST_F(HostileSettingsTest, NoFileADirectoryOrAReadOnlyFileStillStartAndEnd)
{
    // No file at all: the defaults, and the exit creates the file with the place alone.
    const StartResult fresh = StartAndEnd(true);
    EXPECT_EQ(fresh.status, "25:00 --- Einheit 1");
    EXPECT_EQ(SettingsBytes().rfind("[POS]\r\nX1=", 0), 0u);

    // A directory where the file should be: nothing can be read or written, nothing breaks.
    RemoveSettings();
    ASSERT_TRUE(::CreateDirectoryW(kPath.c_str(), nullptr));
    const StartResult directory = StartAndEnd(true);
    EXPECT_EQ(directory.status, "25:00 --- Einheit 1");
    EXPECT_EQ(::GetFileAttributesW(kPath.c_str()) & FILE_ATTRIBUTE_DIRECTORY,
              static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
    RemoveSettings();

    // A read-only file is read as usual; a write that fails is not noticed.
    WriteSettings("[EINHEIT]\r\nArbeit=12\r\n");
    ASSERT_TRUE(::SetFileAttributesW(kPath.c_str(), FILE_ATTRIBUTE_READONLY));
    const StartResult readOnly = StartAndEnd(true);
    EXPECT_EQ(readOnly.status, "12:00 --- Einheit 1");
    EXPECT_NE(SettingsBytes().find("Arbeit=12"), std::string::npos);
}
