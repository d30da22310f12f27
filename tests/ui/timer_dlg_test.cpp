// The strip run as the real modal dialog, its ticks and buttons driven by messages.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>
#include <oleacc.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cwchar>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/look.h"
#include "core/settings.h"
#include "core/status_display.h"
#include "core/unit_cycle.h"
#include "host_program.h"
#include "message_pump.h"
#include "modal_driver.h"
#include "picture.h"
#include "recording_timer_dlg.h"
#include "resource.h"
#include "settings_file_access.h"
#include "ui/icon_buttons.h"
#include "win32/foreground_watcher.h"
#include "win32/lazy_import.h"
#include "win32/profile_file.h"
#include "win32/session_notification.h"

namespace {

HICON ProgramIcon(int nIconID)
{
    return ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(nIconID));
}

int DesktopDpi()
{
    return ::GetDeviceCaps(CClientDC(nullptr).GetSafeHdc(), LOGPIXELSY);
}

// The picture drawn for a button on this desktop: 32 pixels at 96 DPI, 48 at 144.
Picture DrawnPicture(int nIconID, int nDpi = DesktopDpi())
{
    const int cx = nDpi / 3;
    HANDLE hDrawn = ::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(nIconID), IMAGE_ICON, cx, cx, 0);
    return PictureOf(static_cast<HICON>(hDrawn), true);
}

Picture ButtonImage(HWND hDlg, int nID)
{
    return PictureOf(reinterpret_cast<HICON>(::SendDlgItemMessageA(hDlg, nID, BM_GETIMAGE, IMAGE_ICON, 0)));
}

// A button's pixel on the screen after a paint, counted from the button's middle in 32nds of its
// picture, which is drawn on a grid of 32 and shown centred.
COLORREF ButtonPixel(HWND hButton, int x32, int y32)
{
    ::RedrawWindow(hButton, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    RECT rc{};
    ::GetClientRect(hButton, &rc);
    const int nPicture = DesktopDpi() / 3;
    return ::GetPixel(CClientDC(hButton).GetSafeHdc(), rc.right / 2 + x32 * nPicture / 32,
                      rc.bottom / 2 + y32 * nPicture / 32);
}

// The bar's pixels after a paint, at its filled end and at its empty end.
std::pair<COLORREF, COLORREF> BarEnds(HWND hDlg)
{
    HWND hBar = ::GetDlgItem(hDlg, IDC_PROGRESS);
    ::RedrawWindow(hBar, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    RECT rc{};
    ::GetClientRect(hBar, &rc);
    const CClientDC dc(hBar);
    return std::pair{::GetPixel(dc.GetSafeHdc(), 1, 1), ::GetPixel(dc.GetSafeHdc(), rc.right - 2, 1)};
}

std::string ItemText(HWND hDlg, int nID)
{
    char text[256] = {};
    ::GetDlgItemTextA(hDlg, nID, text, sizeof text);
    return text;
}

// The bar's status text measured in the font the bar draws it with.
RECT BarTextRect(HWND hDlg)
{
    HWND hBar = ::GetDlgItem(hDlg, IDC_PROGRESS);
    RECT rcText{};
    const CClientDC bar(hBar);
    const CSelectObject font(bar.GetSafeHdc(), reinterpret_cast<HFONT>(::SendMessageA(hBar, WM_GETFONT, 0, 0)));
    ::DrawTextA(bar.GetSafeHdc(), ItemText(hDlg, IDC_PROGRESS).c_str(), -1, &rcText, DT_CALCRECT | DT_SINGLELINE);
    return rcText;
}

// The bar's answer to a message, as any progress control is asked.
LRESULT AskBar(HWND hDlg, UINT message, WPARAM wParam = 0)
{
    return ::SendDlgItemMessageW(hDlg, IDC_PROGRESS, message, wParam, 0);
}

void Command(HWND hDlg, int nID)
{
    ::SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), 0);
}

void Ticks(HWND hDlg, UINT_PTR nTimer, int count)
{
    for (int i = 0; i < count; ++i)
        ::SendMessageA(hDlg, WM_TIMER, nTimer, 0);
}

SIZE WindowSize(HWND hWnd)
{
    RECT rect{};
    ::GetWindowRect(hWnd, &rect);
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

// A template as the dialog manager lays it out on this desktop, with no program behind it: the
// window's size and the frame around its client area.
struct LaidOut {
    SIZE window, frame;
};

LaidOut BareTemplate(int nID)
{
    HWND hBare = ::CreateDialogParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(nID), nullptr,
                                      [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0);
    RECT rcClient{};
    ::GetClientRect(hBare, &rcClient);
    const SIZE window = WindowSize(hBare);
    ::DestroyWindow(hBare);
    return {window, {window.cx - rcClient.right, window.cy - rcClient.bottom}};
}

// The strip's template (297 x 18 dialog units in 8-point MS Sans Serif) laid out at any DPI by the
// dialog manager's rule: a dialog unit is a quarter of the font's average letter width and an
// eighth of its height, the frame as on this desktop.
SIZE StripTemplateAt(int nDpi)
{
    LOGFONTW font{};
    font.lfHeight = -::MulDiv(8, nDpi, 72);
    std::wcscpy(font.lfFaceName, L"MS Sans Serif");
    const CFont dialogFont(::CreateFontIndirectW(&font));
    const CClientDC screen(nullptr);
    const CSelectObject select(screen.GetSafeHdc(), dialogFont.Get());
    SIZE letters{};
    TEXTMETRICW metrics{};
    ::GetTextExtentPoint32W(screen.GetSafeHdc(), L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", 52, &letters);
    ::GetTextMetricsW(screen.GetSafeHdc(), &metrics);
    const SIZE frame = BareTemplate(IDD_TIMER_DIALOG).frame;
    return {::MulDiv(297, (letters.cx / 26 + 1) / 2, 4) + frame.cx, ::MulDiv(18, metrics.tmHeight, 8) + frame.cy};
}

// The first window of this thread of this class, or null.
HWND ThreadWindowOfClass(std::string_view className)
{
    return FindThreadWindowIf([&](HWND hWnd) {
        char name[32] = {};
        ::GetClassNameA(hWnd, name, sizeof name);
        return name == className;
    });
}

// Every icon button has its German name in the strip's tooltip control, which shows it also
// while the strip is not the active window, and as the name of its accessible object, which a
// screen reader reads; both in UTF-16, the same under any code page.
void ExpectButtonNames(HWND hDlg)
{
    const std::pair<int, const wchar_t*> names[] = {
        {IDOK, L"Beenden"}, {IDC_SETTINGS, L"Einstellungen"}, {IDC_CAPTION, L"Titelleiste ein/aus"},
        {IDC_START, L"Start/Pause"}, {IDC_NEXT, L"N\u00E4chste Einheit"}, {IDC_STOPWATCH_START, L"Stoppuhr Start/Pause"},
        {IDC_STOPWATCH_RESET, L"Stoppuhr zur\u00FCcksetzen"}};
    HWND hToolTip = ThreadWindowOfClass(TOOLTIPS_CLASSA);
    EXPECT_TRUE(::GetWindowLongPtrA(hToolTip, GWL_STYLE) & TTS_ALWAYSTIP);
    EXPECT_EQ(::SendMessageA(hToolTip, TTM_GETTOOLCOUNT, 0, 0), 7);
    for (const auto& [nID, name] : names) {
        wchar_t text[80] = {};
        TOOLINFOW tool{};
        tool.cbSize = TTTOOLINFOW_V2_SIZE;
        tool.hwnd = hDlg;
        tool.uId = reinterpret_cast<UINT_PTR>(::GetDlgItem(hDlg, nID));
        tool.lpszText = text;
        ::SendMessageW(hToolTip, TTM_GETTEXTW, std::size(text), reinterpret_cast<LPARAM>(&tool));
        EXPECT_STREQ(text, name);
        // What a screen reader reads; __uuidof, as the import library gets IID_IAccessible wrong.
        IAccessible* pButton = nullptr;
        BSTR accName = nullptr;
        if (SUCCEEDED(::AccessibleObjectFromWindow(::GetDlgItem(hDlg, nID), static_cast<DWORD>(OBJID_CLIENT),
                                                   __uuidof(IAccessible), reinterpret_cast<void**>(&pButton)))) {
            VARIANT self{};  // CHILDID_SELF
            self.vt = VT_I4;
            pButton->get_accName(self, &accName);
            pButton->Release();
        }
        EXPECT_STREQ(accName, name);
        ::SysFreeString(accName);
    }
}

// The strip's window rectangle when it first became visible, recorded by the hook below.
RECT g_rcFirstShown{};

LRESULT CALLBACK RecordFirstShow(int nCode, WPARAM wParam, LPARAM lParam)
{
    const auto& msg = *reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (msg.message == WM_SHOWWINDOW && msg.wParam && ::GetDlgItem(msg.hwnd, IDC_PROGRESS) &&
        ::IsRectEmpty(&g_rcFirstShown))
        ::GetWindowRect(msg.hwnd, &g_rcFirstShown);
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}

class StripTest : public testing::Test {
protected:
    void SetUp() override { RemoveSettings(); }
    void TearDown() override { RemoveSettings(); }

    // Runs the strip modally; `body` runs inside its loop, then the strip ends by Escape
    // unless the body ended it.
    INT_PTR Run(RecordingTimerDlg& dlg, const std::function<void(HWND)>& body)
    {
        RunWhenIdle([&] {
            HWND hDlg = dlg.GetSafeHwnd();
            body(hDlg);
            if (::IsWindow(hDlg))
                PressEscape(hDlg);
        });
        return dlg.DoModal();
    }
};

}  // namespace

TEST_F(StripTest, StartsCompactTopmostStoppedAtUnitOne)
{
    RecordingTimerDlg dlg;
    Run(dlg, [&](HWND hDlg) {
        EXPECT_EQ(ItemText(hDlg, IDC_PROGRESS), "25:00 --- Einheit 1");
        EXPECT_EQ(AskBar(hDlg, PBM_GETRANGE, TRUE), 0);
        EXPECT_EQ(AskBar(hDlg, PBM_GETRANGE, FALSE), 1500);
        EXPECT_EQ(AskBar(hDlg, PBM_GETPOS), 0);
        EXPECT_EQ(AskBar(hDlg, PBM_GETBARCOLOR), RGB(0, 255, 0));
        EXPECT_EQ(AskBar(hDlg, CTextProgressCtrl::kGetTextColour, FALSE), RGB(0, 0, 255));
        EXPECT_EQ(ItemText(hDlg, IDC_STOPWATCH_TEXT), "00:00:00");
        EXPECT_EQ(dlg.Read().m_cycle.m_bRunning, 0);
        EXPECT_EQ(dlg.Read().m_stopwatch.m_bSwRunning, 0);

        const LONG_PTR style = ::GetWindowLongPtrA(hDlg, GWL_STYLE);
        const LONG_PTR exStyle = ::GetWindowLongPtrA(hDlg, GWL_EXSTYLE);
        EXPECT_FALSE(style & WS_CAPTION);
        EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
        EXPECT_FALSE(exStyle & WS_EX_APPWINDOW);
        // Owned, by a window that never shows: no taskbar button, no Alt+Tab entry.
        HWND hOwner = ::GetWindow(hDlg, GW_OWNER);
        EXPECT_TRUE(hOwner && !::IsWindowVisible(hOwner));
        const SIZE size = WindowSize(hDlg);
        EXPECT_EQ(size.cx, dlg.Read().m_rcInitial.right - dlg.Read().m_rcInitial.left);
        EXPECT_EQ(size.cy, dlg.Read().m_rcInitial.bottom - dlg.Read().m_rcInitial.top);
        EXPECT_EQ(::SendMessageA(hDlg, WM_GETICON, ICON_BIG, 0), reinterpret_cast<LRESULT>(ProgramIcon(IDR_MAINFRAME)));
        EXPECT_EQ(::GetDlgCtrlID(::GetFocus()), IDOK);
        // The hourglass is also what a dragged iconic strip shows.
        EXPECT_EQ(::SendMessageA(hDlg, WM_QUERYDRAGICON, 0, 0), reinterpret_cast<LRESULT>(ProgramIcon(IDR_MAINFRAME)));

        const struct {
            int button, icon;
        } images[] = {{IDC_CAPTION, IDI_CAPTION_DOWN}, {IDC_START, IDI_START},
                      {IDC_NEXT, IDI_NEXT},            {IDC_SETTINGS, IDI_SETTINGS},
                      {IDOK, IDI_EXIT},                {IDC_STOPWATCH_START, IDI_START},
                      {IDC_STOPWATCH_RESET, IDI_RESET}};
        // Each button shows the image drawn for its window's DPI.
        for (const auto& image : images)
            EXPECT_EQ(ButtonImage(hDlg, image.button), DrawnPicture(image.icon)) << image.button;

        // The status text fits inside the bar in the font it is drawn with.
        RECT rcBar{};
        ::GetClientRect(::GetDlgItem(hDlg, IDC_PROGRESS), &rcBar);
        const RECT rcText = BarTextRect(hDlg);
        EXPECT_LE(rcText.right, rcBar.right);
        EXPECT_LE(rcText.bottom, rcBar.bottom);

        // The bar keeps its text in UTF-16, under the code page that the run names.
        if (const char* codePage = std::getenv("TARNOVELL_CODE_PAGE")) {
            EXPECT_EQ(::GetACP(), static_cast<UINT>(std::atoi(codePage))) << "Wine took no such code page from LC_ALL";
        }
        wchar_t text[32] = {};
        ::SetDlgItemTextW(hDlg, IDC_PROGRESS, L"N\u00E4chste \u00DCbung");
        ::GetDlgItemTextW(hDlg, IDC_PROGRESS, text, static_cast<int>(std::size(text)));
        EXPECT_STREQ(text, L"N\u00E4chste \u00DCbung");
    });
}

// The sizes a user first sees: the strip and the settings dialog as the dialog manager lays their
// templates out on this desktop, and the narrow strip (the stopwatch switched off, shown from the
// first settings load on) 0.74 of the strip's width. How large that is depends on the desktop's
// fonts, and so on the Wine at hand; the strip must never differ from it.
TEST_F(StripTest, FirstSizesAreTheDialogManagersOnTheDesktop)
{
    const int nDpi = DesktopDpi();
    // The test rig names the DPI of each run, so that no run passes on the other desktop.
    if (const char* runDpi = std::getenv("TARNOVELL_DPI")) {
        ASSERT_EQ(nDpi, std::atoi(runDpi)) << "the desktop is not at the DPI this run asks for";
    }
    const SIZE strip = BareTemplate(IDD_TIMER_DIALOG).window;
    enum class Shown { Strip, AfterSettingsLoad, SettingsDialog };
    const struct {
        const char* what;
        const char* file;
        Shown shown;
        SIZE expected;
    } pins[] = {
        {"strip", "", Shown::Strip, strip},
        {"narrow strip", "[EINHEIT]\r\nStoppuhr=0\r\n", Shown::AfterSettingsLoad,
         {static_cast<LONG>(strip.cx * 0.74), strip.cy}},
        {"settings dialog", "", Shown::SettingsDialog, BareTemplate(IDD_SETTINGS).window},
    };
    for (const auto& pin : pins) {
        WriteSettings(pin.file);
        SIZE size{};
        RecordingTimerDlg dlg;
        Run(dlg, [&](HWND hDlg) {
            if (pin.shown == Shown::AfterSettingsLoad)
                dlg.ApplySettings();
            if (pin.shown != Shown::SettingsDialog) {
                size = WindowSize(hDlg);
                return;
            }
            RunWhenIdle([&] {
                HWND hSettings = FindThreadWindow("Einstellungen");
                if (!hSettings)
                    hSettings = ::GetActiveWindow();
                size = WindowSize(hSettings);
                Command(hSettings, IDCANCEL);
            });
            Command(hDlg, IDC_SETTINGS);
        });
        const SIZE expected = pin.expected;
        EXPECT_TRUE(size.cx == expected.cx && size.cy == expected.cy)
            << "the " << pin.what << " is " << size.cx << " x " << size.cy << " pixels at " << nDpi
            << " DPI instead of " << expected.cx << " x " << expected.cy;
    }
}

// Tick by tick, through a whole cycle whose fourth pause is long, the strip shows what the core
// computes for the same ticks and rings on each tick that changes the phase.
TEST_F(StripTest, ACycleWithTheDefaultsRingsExactlyAtTheEndsOfPhases)
{
    struct Row {
        int tick;
        const char* text;
        int pos, upper;
        COLORREF colour;
        size_t alarms;
    };
    UnitCycle cycle;
    cycle.Reset(TimerSettings{});
    size_t nRings = 0;
    RecordingTimerDlg dlg;
    Run(dlg, [&](HWND hDlg) {
        Command(hDlg, IDC_START);
        EXPECT_EQ(ButtonImage(hDlg, IDC_START), DrawnPicture(IDI_PAUSE));
        EXPECT_EQ(ButtonImage(hDlg, IDC_STOPWATCH_START), DrawnPicture(IDI_START));
        for (int tick = 1; tick <= 1802 + 3 * 1501 + 2 * 301 + 1801 && !HasFailure(); ++tick) {
            Ticks(hDlg, 0, 1);
            nRings += cycle.Tick() ? 1 : 0;
            const StatusString status = StatusText(cycle);
            const Row row{tick, status.m_sz, cycle.m_nElapsed, cycle.m_nTotal, BarColour(cycle), nRings};
            SCOPED_TRACE(row.tick);
            EXPECT_EQ(ItemText(hDlg, IDC_PROGRESS), row.text);
            EXPECT_EQ(AskBar(hDlg, PBM_GETPOS), row.pos);
            EXPECT_EQ(AskBar(hDlg, PBM_GETRANGE, TRUE), 0);
            EXPECT_EQ(AskBar(hDlg, PBM_GETRANGE, FALSE), row.upper);
            EXPECT_EQ(AskBar(hDlg, PBM_GETBARCOLOR), row.colour);
            EXPECT_EQ(dlg.m_alarms.size(), row.alarms);
        }
        EXPECT_EQ(ItemText(hDlg, IDC_PROGRESS), "25:00 --- Einheit 1");
        EXPECT_EQ(dlg.m_alarms.size(), 8u);
        EXPECT_EQ(dlg.m_alarms.front(), L"ALARM.WAV");
        EXPECT_EQ(dlg.Read().m_cycle.m_bRunning, 1);
    });
}

TEST_F(StripTest, NextUnitSkipsWithoutAlarmAndKeepsTheRunningState)
{
    RecordingTimerDlg dlg;
    Run(dlg, [&](HWND hDlg) {
        // Timer messages for a stopped count count nothing and start nothing.
        Ticks(hDlg, 0, 10);
        Ticks(hDlg, 1, 10);
        EXPECT_EQ(ItemText(hDlg, IDC_PROGRESS), "25:00 --- Einheit 1");
        EXPECT_EQ(ItemText(hDlg, IDC_STOPWATCH_TEXT), "00:00:00");
        Command(hDlg, IDC_NEXT);
        EXPECT_EQ(ItemText(hDlg, IDC_PROGRESS), "5:00 --- PAUSE");
        EXPECT_EQ(AskBar(hDlg, PBM_GETPOS), 0);
        EXPECT_EQ(AskBar(hDlg, PBM_GETRANGE, FALSE), 300);
        EXPECT_EQ(dlg.Read().m_cycle.m_bRunning, 0);
        EXPECT_EQ(ButtonImage(hDlg, IDC_START), DrawnPicture(IDI_START));

        Command(hDlg, IDC_START);
        Command(hDlg, IDC_NEXT);
        EXPECT_EQ(ItemText(hDlg, IDC_PROGRESS), "25:00 --- Einheit 2");
        EXPECT_EQ(dlg.Read().m_cycle.m_bRunning, 1);
        EXPECT_EQ(ButtonImage(hDlg, IDC_START), DrawnPicture(IDI_PAUSE));
        // A phase begun by the button ends at the upper bound, not above it.
        Ticks(hDlg, 0, 1500);
        EXPECT_EQ(AskBar(hDlg, PBM_GETPOS), 1500);
        EXPECT_TRUE(dlg.m_alarms.empty());
    });
}

TEST_F(StripTest, PauseAndStartWithinOnePeriodCountNoSecond)
{
    RecordingTimerDlg dlg;
    Run(dlg, [&](HWND hDlg) {
        Command(hDlg, IDC_START);
        Ticks(hDlg, 0, 3);
        Command(hDlg, IDC_START);
        EXPECT_EQ(ButtonImage(hDlg, IDC_START), DrawnPicture(IDI_START));
        EXPECT_EQ(dlg.Read().m_cycle.m_bRunning, 0);
        Command(hDlg, IDC_START);
        EXPECT_EQ(ItemText(hDlg, IDC_PROGRESS), "24:57 --- Einheit 1");
        EXPECT_EQ(dlg.Read().m_cycle.m_bRunning, 1);
    });
}

TEST_F(StripTest, SettingsReloadedWhileRunningPauseAndStartAgainAtUnitOne)
{
    RecordingTimerDlg dlg;
    Run(dlg, [&](HWND hDlg) {
        Command(hDlg, IDC_START);
        Command(hDlg, IDC_NEXT);
        Ticks(hDlg, 0, 5);
        WriteSettings("[EINHEIT]\r\nArbeit=10\r\nAlarm=Gong.wav\r\n");
        dlg.ApplySettings();
        EXPECT_EQ(ItemText(hDlg, IDC_PROGRESS), "10:00 --- Einheit 1");
        EXPECT_EQ(AskBar(hDlg, PBM_GETRANGE, FALSE), 600);
        EXPECT_EQ(AskBar(hDlg, PBM_GETPOS), 0);
        EXPECT_EQ(dlg.Read().m_cycle.m_bRunning, 0);
        EXPECT_EQ(ButtonImage(hDlg, IDC_START), DrawnPicture(IDI_START));
        EXPECT_EQ(dlg.Read().m_strAlarmFile, "Gong.wav");
    });
}

TEST_F(StripTest, PhasesOfZeroMinutesRingOnEveryTick)
{
    WriteSettings("[EINHEIT]\r\nArbeit=0\r\nKPause=0\r\nLPause=0\r\n");
    RecordingTimerDlg dlg;
    Run(dlg, [&](HWND hDlg) {
        EXPECT_EQ(ItemText(hDlg, IDC_PROGRESS), "0:00 --- Einheit 1");
        Command(hDlg, IDC_START);
        Ticks(hDlg, 0, 1);
        EXPECT_EQ(ItemText(hDlg, IDC_PROGRESS), "0:00 --- PAUSE");
        EXPECT_EQ(AskBar(hDlg, PBM_GETBARCOLOR), RGB(255, 0, 0));
        Ticks(hDlg, 0, 1);
        EXPECT_EQ(ItemText(hDlg, IDC_PROGRESS), "0:00 --- Einheit 2");
        EXPECT_EQ(dlg.m_alarms.size(), 2u);
    });
}

TEST_F(StripTest, StopwatchCountsStopsAndZeroesIndependently)
{
    RecordingTimerDlg dlg;
    Run(dlg, [&](HWND hDlg) {
        Command(hDlg, IDC_STOPWATCH_START);
        EXPECT_EQ(ButtonImage(hDlg, IDC_STOPWATCH_START), DrawnPicture(IDI_PAUSE));
        EXPECT_EQ(ButtonImage(hDlg, IDC_START), DrawnPicture(IDI_START));
        Ticks(hDlg, 1, 3661);
        EXPECT_EQ(ItemText(hDlg, IDC_STOPWATCH_TEXT), "01:01:01");
        EXPECT_EQ(ItemText(hDlg, IDC_PROGRESS), "25:00 --- Einheit 1");
        // Zeroing a running stopwatch leaves it running.
        Command(hDlg, IDC_STOPWATCH_RESET);
        EXPECT_EQ(ItemText(hDlg, IDC_STOPWATCH_TEXT), "00:00:00");
        EXPECT_EQ(dlg.Read().m_stopwatch.m_bSwRunning, 1);
        Ticks(hDlg, 1, 1);
        EXPECT_EQ(ItemText(hDlg, IDC_STOPWATCH_TEXT), "00:00:01");
        Command(hDlg, IDC_STOPWATCH_START);
        EXPECT_EQ(ButtonImage(hDlg, IDC_STOPWATCH_START), DrawnPicture(IDI_START));
        Command(hDlg, IDC_STOPWATCH_RESET);
        EXPECT_EQ(ItemText(hDlg, IDC_STOPWATCH_TEXT), "00:00:00");
        EXPECT_EQ(dlg.Read().m_stopwatch.m_bSwRunning, 0);
    });
}

TEST_F(StripTest, TheToggleSwitchesFormsAtTheSameCorner)
{
    for (const char* file : {"", "[EINHEIT]\r\nStoppuhr=0\r\n", "[EINHEIT]\r\nStoppuhr=2\r\n"}) {
        WriteSettings(file);
        const bool bFullWidth = std::string(file).empty();
        RecordingTimerDlg dlg;
        Run(dlg, [&](HWND hDlg) {
            SCOPED_TRACE(file);
            const int w0 = dlg.Read().m_rcInitial.right - dlg.Read().m_rcInitial.left;
            const int h0 = dlg.Read().m_rcInitial.bottom - dlg.Read().m_rcInitial.top;
            const int width = bFullWidth ? w0 : static_cast<int>(w0 * 0.74);
            // A new settings load makes the strip compact at the width its switch gives.
            dlg.ApplySettings();
            RECT compact{};
            ::GetWindowRect(hDlg, &compact);
            EXPECT_EQ(compact.right - compact.left, width);
            EXPECT_EQ(compact.bottom - compact.top, h0);
            ExpectButtonNames(hDlg);

            Command(hDlg, IDC_CAPTION);
            RECT expanded{};
            ::GetWindowRect(hDlg, &expanded);
            EXPECT_EQ(expanded.left, compact.left);
            EXPECT_EQ(expanded.top, compact.top);
            EXPECT_EQ(expanded.right - expanded.left, width);
            EXPECT_EQ(expanded.bottom - expanded.top, 2 * h0);
            EXPECT_TRUE(::GetWindowLongPtrA(hDlg, GWL_STYLE) & WS_CAPTION);
            EXPECT_EQ(ButtonImage(hDlg, IDC_CAPTION), DrawnPicture(IDI_CAPTION_UP));
            ExpectButtonNames(hDlg);

            Command(hDlg, IDC_CAPTION);
            RECT again{};
            ::GetWindowRect(hDlg, &again);
            EXPECT_TRUE(::EqualRect(&again, &compact));
            EXPECT_FALSE(::GetWindowLongPtrA(hDlg, GWL_STYLE) & WS_CAPTION);
            EXPECT_EQ(ButtonImage(hDlg, IDC_CAPTION), DrawnPicture(IDI_CAPTION_DOWN));
        });
    }
}

TEST_F(StripTest, ExitSavesTheCompactPlaceAndTheNextStartPutsItBack)
{
    RECT saved{};
    {
        RecordingTimerDlg dlg;
        const INT_PTR result = Run(dlg, [&](HWND hDlg) {
            ::MoveWindow(hDlg, 40, 30, 300, 20, TRUE);
            Command(hDlg, IDC_CAPTION);
            Command(hDlg, IDOK);
            EXPECT_EQ(dlg.Read().m_bCaption, 0);
            ::GetWindowRect(hDlg, &saved);
        });
        EXPECT_EQ(result, IDOK);
    }
    const int w0 = saved.right - saved.left;
    const int h0 = saved.bottom - saved.top;
    EXPECT_EQ(saved.left, 40);
    EXPECT_EQ(SettingsBytes(),
              "[POS]\r\nX1=40\r\nY1=30\r\nX2=" + std::to_string(w0) + "\r\nY2=" + std::to_string(h0) + "\r\n");

    RecordingTimerDlg next;
    Run(next, [&](HWND hDlg) {
        RECT rect{};
        ::GetWindowRect(hDlg, &rect);
        EXPECT_TRUE(::EqualRect(&rect, &saved));
    });
}

TEST_F(StripTest, EscapeAndCloseEndWithoutSaving)
{
    for (bool bClose : {false, true}) {
        RecordingTimerDlg dlg;
        const INT_PTR result = Run(dlg, [&](HWND hDlg) {
            ::MoveWindow(hDlg, 10, 10, 300, 20, TRUE);
            if (bClose)
                ::PostMessageA(hDlg, WM_SYSCOMMAND, SC_CLOSE, 0);
        });
        EXPECT_EQ(result, IDCANCEL);
        EXPECT_FALSE(SettingsExist());
    }
}

TEST_F(StripTest, SavedPlacesOnAMonitorAreRestoredAndOthersCentredAndShownThereAtOnce)
{
    // A place on a monitor keeps its corner and takes the compact form's size; one partly off
    // the monitor comes wholly onto it by the shortest way. The strip first shows itself where
    // and as it then stands, with the width of its stopwatch switch.
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    ::GetMonitorInfoA(::MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor);
    constexpr LONG kAtRightEdge = -1;
    struct Case {
        const char* pos;
        bool bRestored;
        POINT corner;
        bool bNarrow = false;
    };
    const Case cases[] = {
        {"X1=100\r\nY1=50\r\nX2=300\r\nY2=40\r\n", true, {100, 50}},
        {"X1=100\r\nY1=50\r\nX2=1\r\nY2=1\r\n", true, {100, 50}},
        {"X1=100\r\nY1=50\r\nX2=2147483647\r\nY2=2147483647\r\n", true, {100, 50}},
        {"X1=-12\r\nY1=-5\r\nX2=446\r\nY2=35\r\n", true, {0, 0}},
        {"X1=1023\r\nY1=767\r\nX2=446\r\nY2=35\r\n", true, {kAtRightEdge, 767}},
        {"X1=-5000\r\nY1=50\r\nX2=300\r\nY2=40\r\n", false, {}},
        {"X1=2147483647\r\nY1=2147483647\r\nX2=2147483647\r\nY2=35\r\n", false, {}},
        {"X1=100\r\nY1=50\r\nX2=300\r\nY2=40\r\n[EINHEIT]\r\nStoppuhr=0\r\n", true, {100, 50}, true},
    };
    for (const Case& c : cases) {
        WriteSettings(std::string("[POS]\r\n") + c.pos);
        g_rcFirstShown = {};
        HHOOK hHook = ::SetWindowsHookExA(WH_CALLWNDPROCRET, &RecordFirstShow, nullptr, ::GetCurrentThreadId());
        RecordingTimerDlg dlg;
        Run(dlg, [&](HWND hDlg) {
            SCOPED_TRACE(c.pos);
            const LONG w0 = dlg.Read().m_rcInitial.right - dlg.Read().m_rcInitial.left;
            const LONG h0 = dlg.Read().m_rcInitial.bottom - dlg.Read().m_rcInitial.top;
            const LONG width = c.bNarrow ? static_cast<LONG>(w0 * 0.74) : w0;
            const LONG left = c.corner.x == kAtRightEdge ? monitor.rcMonitor.right - width : c.corner.x;
            const RECT restored{left, c.corner.y, left + width, c.corner.y + h0};
            RECT rect{};
            ::GetWindowRect(hDlg, &rect);
            EXPECT_TRUE(::EqualRect(&rect, c.bRestored ? &restored : &dlg.Read().m_rcInitial));
            EXPECT_TRUE(::EqualRect(&g_rcFirstShown, &rect)) << "first shown at " << g_rcFirstShown.left;
        });
        ::UnhookWindowsHookEx(hHook);
    }
}

TEST_F(StripTest, OnTwoMonitorsAPlaceOnTheSecondStaysThereAndOnePartlyOffItMovesOntoIt)
{
    using Edges = std::array<LONG, 4>;
    std::vector<Edges> monitors;
    ::EnumDisplayMonitors(nullptr, nullptr, [](HMONITOR hMonitor, HDC, LPRECT, LPARAM lParam) -> BOOL {
        MONITORINFO info{};
        info.cbSize = sizeof info;
        ::GetMonitorInfoA(hMonitor, &info);
        const RECT& rc = info.rcMonitor;
        reinterpret_cast<std::vector<Edges>*>(lParam)->push_back({rc.left, rc.top, rc.right, rc.bottom});
        return TRUE;
    }, reinterpret_cast<LPARAM>(&monitors));
    if (monitors.size() < 2)
        GTEST_SKIP() << "a desktop of " << monitors.size() << " monitor; timer_dlg_tests_two_monitors has two";
    // The two-monitor desktop: two 1280 x 1024 monitors side by side, the first at the origin.
    std::sort(monitors.begin(), monitors.end());
    EXPECT_EQ(monitors, (std::vector<Edges>{{0, 0, 1280, 1024}, {1280, 0, 2560, 1024}}));
    // Wholly on the second it stays; off its right edge it comes back to that edge; mostly on
    // the second but reaching 80 pixels onto the first, it moves onto the second, though the
    // desktop holds it whole.
    constexpr LONG kAtRightEdge = -1;
    const struct {
        const char* pos;
        POINT corner;
    } cases[] = {
        {"X1=1500\r\nY1=100\r\n", {1500, 100}},
        {"X1=2400\r\nY1=200\r\n", {kAtRightEdge, 200}},
        {"X1=1200\r\nY1=300\r\n", {1280, 300}},
    };
    for (const auto& c : cases) {
        WriteSettings(std::string("[POS]\r\n") + c.pos + "X2=300\r\nY2=40\r\n");
        RecordingTimerDlg dlg;
        Run(dlg, [&](HWND hDlg) {
            const LONG width = dlg.Read().m_rcInitial.right - dlg.Read().m_rcInitial.left;
            RECT rc{};
            ::GetWindowRect(hDlg, &rc);
            const LONG left = c.corner.x == kAtRightEdge ? 2560 - width : c.corner.x;
            const std::array place{rc.left, rc.top, rc.right - rc.left};
            EXPECT_EQ(place, (std::array{left, c.corner.y, width})) << c.pos;
        });
    }
}

TEST_F(StripTest, OnTwoMonitorsOnlyABorderlessWindowOverTheStripsOwnIsAFullScreenProgram)
{
    if (::GetSystemMetrics(SM_CMONITORS) < 2)
        GTEST_SKIP() << "one monitor; timer_dlg_tests_two_monitors has two";
    WriteSettings("[POS]\r\nX1=1500\r\nY1=100\r\nX2=300\r\nY2=40\r\n");
    RecordingTimerDlg dlg;
    Run(dlg, [&](HWND hDlg) {
        const RECT second{1280, 0, 2560, 1024};
        const struct {
            RECT rect;
            DWORD style;
            int nShow;
            bool bHides;
        } cases[] = {
            {{0, 0, 1280, 1024}, WS_POPUP, SW_SHOW, false},
            {second, WS_POPUP, SW_SHOW, true},
            {{1500, 200, 1900, 600}, WS_OVERLAPPEDWINDOW, SW_SHOWMAXIMIZED, false},
        };
        const auto inFront = [&](HWND hWnd, bool bShown) {
            ::SetForegroundWindow(hWnd);
            ::NotifyWinEvent(EVENT_SYSTEM_FOREGROUND, hWnd, OBJID_WINDOW, CHILDID_SELF);
            int nRounds = 0;
            PumpUntil([&] { return ++nRounds > 40 && (::IsWindowVisible(hDlg) != FALSE) == bShown; });
        };
        for (const auto& c : cases) {
            HWND hWnd = ::CreateWindowExA(0, "Static", "", c.style, c.rect.left, c.rect.top, c.rect.right - c.rect.left,
                                          c.rect.bottom - c.rect.top, nullptr, nullptr, nullptr, nullptr);
            ::ShowWindow(hWnd, c.nShow);
            RECT rc{};
            ::GetWindowRect(hWnd, &rc);
            EXPECT_TRUE(c.nShow != SW_SHOWMAXIMIZED || (rc.left <= 1280 && rc.right >= 2560 && rc.bottom >= 1024))
                << "the maximised window leaves the monitor uncovered";
            inFront(hWnd, !c.bHides);
            EXPECT_EQ(::IsWindowVisible(hDlg) == FALSE, c.bHides) << c.rect.left << " " << c.nShow;
            ::DestroyWindow(hWnd);
            inFront(hDlg, true);
            EXPECT_TRUE(::IsWindowVisible(hDlg)) << c.rect.left << " " << c.nShow;
        }
    });
}

TEST_F(StripTest, ARelativeAlarmPathNamesTheFileBesideTheProgramWhereOneLiesThere)
{
    wchar_t exe[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, exe, MAX_PATH);
    const std::wstring directory(exe, std::wcsrchr(exe, L'\\') + 1);
    const std::wstring beside = directory + L"Gl\u00F6ckchen.wav";
    ::CloseHandle(::CreateFileW(beside.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    // Started from elsewhere, as from a shortcut.
    wchar_t previous[MAX_PATH] = {};
    wchar_t elsewhere[MAX_PATH] = {};
    ::GetCurrentDirectoryW(MAX_PATH, previous);
    ::GetTempPathW(MAX_PATH, elsewhere);
    ::SetCurrentDirectoryW(elsewhere);
    const struct {
        const char* alarm;
        std::wstring played;
    } cases[] = {
        {"Gl\xF6" "ckchen.wav", beside},
        {".\\Gl\xF6" "ckchen.wav", directory + L".\\Gl\u00F6ckchen.wav"},
        {"Fehlt.wav", L"Fehlt.wav"},
        {"C:\\Gl\xF6" "ckchen.wav", L"C:\\Gl\u00F6ckchen.wav"},
    };
    for (const auto& c : cases) {
        WriteSettings(std::string("[EINHEIT]\r\nArbeit=0\r\nAlarm=") + c.alarm + "\r\n");
        RecordingTimerDlg dlg;
        Run(dlg, [&](HWND hDlg) {
            Command(hDlg, IDC_START);
            Ticks(hDlg, 0, 1);
        });
        EXPECT_EQ(dlg.m_alarms, std::vector<std::wstring>{c.played}) << c.alarm;
    }
    ::SetCurrentDirectoryW(previous);
    ::DeleteFileW(beside.c_str());
}

TEST_F(StripTest, TheSystemMenuOpensTheAboutBoxForCommands16To31)
{
    RecordingTimerDlg dlg;
    Run(dlg, [&](HWND hDlg) {
        // A strip without a system-menu box may have no system menu at all (Wine gives none);
        // where there is one, the about entry ends it behind a separator.
        HMENU hMenu = ::GetSystemMenu(hDlg, FALSE);
        if (hMenu) {
            const int count = ::GetMenuItemCount(hMenu);
            wchar_t text[64] = {};
            ::GetMenuStringW(hMenu, IDM_ABOUTBOX, text, static_cast<int>(std::size(text)), MF_BYCOMMAND);
            EXPECT_STREQ(text, L"Inf&o \u00FCber Tarnovell...");
            EXPECT_EQ(::GetMenuItemID(hMenu, count - 1), static_cast<UINT>(IDM_ABOUTBOX));
            EXPECT_EQ(::GetMenuState(hMenu, count - 2, MF_BYPOSITION) & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));
        }

        for (WPARAM nID : {WPARAM{16}, WPARAM{31}}) {
            bool bShown = false;
            RunWhenIdle([&] {
                HWND hAbout = FindThreadWindow("Info \xFC" "ber Tarnovell");
                bShown = hAbout != nullptr;
                if (!hAbout)
                    hAbout = ::GetActiveWindow();  // end whatever came up, so that nothing hangs
                EXPECT_EQ(::GetWindow(hAbout, GW_OWNER), hDlg);
                ::SendMessageA(hAbout, WM_COMMAND, IDOK, 0);
            });
            Command(hDlg, IDC_START);  // the countdown keeps running behind the box
            ::SendMessageA(hDlg, WM_SYSCOMMAND, nID, 0);
            EXPECT_TRUE(bShown) << nID;
            Command(hDlg, IDC_START);
        }
        EXPECT_TRUE(::IsWindow(hDlg));
    });
}

TEST_F(StripTest, SettingsOkRestartsTheCycleAndNarrowsTheStripWhileCancelChangesNothing)
{
    for (bool bOk : {true, false}) {
        RemoveSettings();
        RecordingTimerDlg dlg;
        Run(dlg, [&](HWND hDlg) {
            SCOPED_TRACE(bOk ? "OK" : "Abbrechen");
            Command(hDlg, IDC_START);
            Command(hDlg, IDC_STOPWATCH_START);
            Ticks(hDlg, 0, 5);
            Command(hDlg, IDC_CAPTION);
            RunWhenIdle([&] {
                HWND hSettings = FindThreadWindow("Einstellungen");
                if (!hSettings)
                    hSettings = ::GetActiveWindow();
                EXPECT_EQ(::GetWindow(hSettings, GW_OWNER), hDlg);
                // The strip's timers go on while the dialog is open.
                Ticks(hDlg, 0, 3);
                Ticks(hDlg, 1, 2);
                ::SendDlgItemMessageA(hSettings, IDC_STOPWATCH_CHECK, BM_CLICK, 0, 0);
                Command(hSettings, IDC_WORK_MINUS);
                Command(hSettings, bOk ? IDOK : IDCANCEL);
            });
            Command(hDlg, IDC_SETTINGS);

            const int w0 = dlg.Read().m_rcInitial.right - dlg.Read().m_rcInitial.left;
            const int h0 = dlg.Read().m_rcInitial.bottom - dlg.Read().m_rcInitial.top;
            const SIZE size = WindowSize(hDlg);
            EXPECT_EQ(ItemText(hDlg, IDC_STOPWATCH_TEXT), "00:00:02");
            if (bOk) {
                EXPECT_EQ(ItemText(hDlg, IDC_PROGRESS), "24:00 --- Einheit 1");
                EXPECT_EQ(dlg.Read().m_cycle.m_bRunning, 0);
                EXPECT_EQ(ButtonImage(hDlg, IDC_START), DrawnPicture(IDI_START));
                EXPECT_EQ(size.cx, static_cast<int>(w0 * 0.74));
                EXPECT_EQ(size.cy, h0);
                EXPECT_EQ(dlg.Read().m_bStopwatch, 0);
            } else {
                EXPECT_EQ(ItemText(hDlg, IDC_PROGRESS), "24:52 --- Einheit 1");
                EXPECT_EQ(dlg.Read().m_cycle.m_bRunning, 1);
                EXPECT_EQ(ButtonImage(hDlg, IDC_START), DrawnPicture(IDI_PAUSE));
                EXPECT_EQ(size.cx, w0);
                EXPECT_EQ(size.cy, 2 * h0);
                EXPECT_FALSE(SettingsExist());
            }
        });
    }
}

namespace {

// Opens the settings dialog from the strip; `body` gets the dialog inside its loop and ends it.
void InSettings(HWND hDlg, const std::function<void(HWND)>& body)
{
    RunWhenIdle([&] {
        HWND hSettings = FindThreadWindow("Einstellungen");
        body(hSettings ? hSettings : ::GetActiveWindow());
    });
    Command(hDlg, IDC_SETTINGS);
}

}  // namespace

// A folder put in the file's place while the strip runs, or a file that another program holds
// open: what the file cannot take holds for the run, the file stays as it was unless it can be
// written where it lies, no copy stays behind, and the next start reads the disk.
TEST_F(StripTest, AChangeTheFileCannotTakeHoldsForTheRunAndTheNextStartReadsTheDisk)
{
    const std::string kBefore = "[EINHEIT]\r\nArbeit=12\r\n";
    const std::wstring path = TestSettingsFile().GetPath();
    const struct {
        const char* name;
        DWORD access;  // of the other program's handle; none: the folder
        DWORD share;
        std::string kept;   // one step down from what the dialog first shows: without a file, 25
        std::string after;  // the file once the strip ended; empty: no file
        const char* nextStart;
    } kCases[] = {
        {"a folder in its place", 0, 0, "24", "", "25:00 --- Einheit 1"},
        {"held open for writing", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, "11", kBefore, "12:00 --- Einheit 1"},
        // It cannot be replaced, but written where it lies.
        {"held open for reading", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, "11",
         "[EINHEIT]\r\nArbeit=11\r\nKPause=5\r\nLPause=30\r\nAnzahl=4\r\nStoppuhr=1\r\nAlarm=Alarm.wav\r\n"
         "[ABLAUF]\r\nPauseVonSelbst=1\r\nEinheitVonSelbst=1\r\nEinheitBeiEingabe=0\r\nWiederholen=0\r\nVorwarnung=0\r\n"
         "Warnton=\r\nPausenAlarm=\r\nLautstaerke=100\r\nBeimStart=0\r\n",
         "11:00 --- Einheit 1"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        RemoveSettings();
        WriteSettings(kBefore);
        HANDLE hOther = c.access ? ::CreateFileW(path.c_str(), c.access, c.share, nullptr, OPEN_EXISTING, 0, nullptr)
                                 : INVALID_HANDLE_VALUE;
        RecordingTimerDlg dlg;
        std::string shown;
        Run(dlg, [&](HWND hDlg) {
            if (!c.access) {
                RemoveSettings();
                ::CreateDirectoryW(path.c_str(), nullptr);
            }
            // One step down and OK, then the dialog again: it shows what the strip runs with.
            for (int nClose : {IDOK, IDCANCEL}) {
                InSettings(hDlg, [&](HWND hSettings) {
                    shown = ItemText(hSettings, IDC_WORK_TEXT);
                    Command(hSettings, IDC_WORK_MINUS);
                    Command(hSettings, nClose);
                });
            }
            EXPECT_EQ(ItemText(hDlg, IDC_PROGRESS), c.kept + ":00 --- Einheit 1");
        });
        EXPECT_EQ(shown, c.kept);
        if (hOther != INVALID_HANDLE_VALUE)
            ::CloseHandle(hOther);
        EXPECT_EQ(SettingsBytes(), c.after);
        EXPECT_FALSE(SaveLeftBehind(path)) << "a copy stayed behind";
        ::RemoveDirectoryW(path.c_str());
        RecordingTimerDlg next;
        Run(next, [&](HWND hDlg) { EXPECT_EQ(ItemText(hDlg, IDC_PROGRESS), c.nextStart); });
    }
}

// A typed alarm path goes by the rule of a picked one: where the code page cannot hold it (Greek,
// in code page 1251 as in 1252) and the file has no short name, the dialog says so, shows the
// saved path again and stays open.
TEST_F(StripTest, ATypedAlarmPathTheCodePageCannotHoldIsNotKept)
{
    const std::wstring typed = L"C:\\\u03A9mega\\Glocke.wav";
    WriteSettings("[EINHEIT]\r\nAlarm=C:\\Vorher.wav\r\n");
    RecordingTimerDlg dlg;
    wchar_t said[512] = {};
    Run(dlg, [&](HWND hDlg) {
        InSettings(hDlg, [&](HWND hSettings) {
            ::SetDlgItemTextW(hSettings, IDC_ALARM_EDIT, typed.c_str());
            const IdleStep readMessage([&] {
                HWND hBox = FindThreadWindowIf([&](HWND hWnd) {
                    return hWnd != hDlg && hWnd != hSettings && IsDialogWindow(hWnd) && ::IsWindowVisible(hWnd);
                });
                return hBox && ::GetDlgItemTextW(hBox, 0xFFFF, said, 512) && ::PostMessageA(hBox, WM_COMMAND, IDOK, 0);
            });
            Command(hSettings, IDOK);
            EXPECT_TRUE(::IsWindowVisible(hSettings)) << "the dialog closed";
            EXPECT_EQ(ItemText(hSettings, IDC_ALARM_EDIT), "C:\\Vorher.wav");
            Command(hSettings, IDOK);
        });
    });
    EXPECT_NE(std::wstring(said).find(typed), std::wstring::npos) << said;
    EXPECT_EQ(dlg.Read().m_strAlarmFile, "C:\\Vorher.wav");
    EXPECT_EQ(SettingsBytes().find("mega"), std::string::npos) << "a look-alike of the typed path was saved";
}

TEST_F(StripTest, ADpiChangeGivesTheFormsPicturesAndTextOfAFreshStartThere)
{
    // A fresh start's compact strip is the template laid out at that DPI, the narrow one 0.74 of
    // its width; the pictures are those drawn for the DPI (32 pixels at 96), and the bar's text
    // grows with the DPI.
    const int nDesktop = DesktopDpi();
    ASSERT_EQ(StripTemplateAt(nDesktop).cx, BareTemplate(IDD_TIMER_DIALOG).window.cx);
    ASSERT_EQ(StripTemplateAt(nDesktop).cy, BareTemplate(IDD_TIMER_DIALOG).window.cy);
    RecordingTimerDlg dlg;
    Run(dlg, [&](HWND hDlg) {
        const LONG nDesktopText = BarTextRect(hDlg).bottom;
        // The first change, to the DPI the strip has, comes in the compact form, the others in the
        // expanded one.
        for (const int nDpi : {nDesktop, 240 - nDesktop, 192, nDesktop}) {
            const SIZE compact = StripTemplateAt(nDpi);
            const int cxPicture = nDpi / 3;
            const auto expectSize = [&](LONG cx, LONG cy) {
                EXPECT_EQ(WindowSize(hDlg).cx, cx) << nDpi;
                EXPECT_EQ(WindowSize(hDlg).cy, cy) << nDpi;
            };
            // Windows asks for the new size first and suggests a place of that size.
            SIZE size{};
            EXPECT_TRUE(::SendMessageA(hDlg, WM_GETDPISCALEDSIZE, nDpi, reinterpret_cast<LPARAM>(&size)));
            RECT rect{};
            ::GetWindowRect(hDlg, &rect);
            RECT suggested{rect.left + 9, rect.top + 5, rect.left + 9 + size.cx, rect.top + 5 + size.cy};
            ::SendMessageA(hDlg, WM_DPICHANGED, MAKEWPARAM(nDpi, nDpi), reinterpret_cast<LPARAM>(&suggested));
            ::GetWindowRect(hDlg, &rect);
            EXPECT_TRUE(::EqualRect(&rect, &suggested)) << nDpi;
            for (const int nID : {IDC_CAPTION, IDC_START, IDC_NEXT, IDC_SETTINGS, IDOK, IDC_STOPWATCH_START,
                                  IDC_STOPWATCH_RESET})
                EXPECT_EQ(ButtonImage(hDlg, nID).nWidth, cxPicture) << nDpi << " " << nID;
            EXPECT_EQ(ButtonImage(hDlg, IDC_CAPTION), DrawnPicture(dlg.Read().m_bCaption ? IDI_CAPTION_UP : IDI_CAPTION_DOWN, nDpi));
            const LONG nText = BarTextRect(hDlg).bottom;
            EXPECT_GE(nText * nDesktop, nDesktopText * nDpi - 2 * nDesktop) << nDpi;
            EXPECT_TRUE(nDpi != nDesktop || nText == nDesktopText);
            WriteSettings("[EINHEIT]\r\nStoppuhr=0\r\n");
            dlg.ApplySettings();
            expectSize(static_cast<LONG>(compact.cx * 0.74), compact.cy);
            RemoveSettings();
            dlg.ApplySettings();
            for (int nToggle = 0; nToggle < 3; ++nToggle) {
                expectSize(compact.cx, compact.cy * (dlg.Read().m_bCaption + 1));
                Command(hDlg, IDC_CAPTION);
            }
        }
    });
}

TEST_F(StripTest, ARightClickBesideTheButtonsAndTheKeyboardAnywhereOpenTheAboutBoxThroughAMenu)
{
    RecordingTimerDlg dlg;
    Run(dlg, [&](HWND hDlg) {
        // At the screen's left the menu, chord entries and all, opens beside every button uncut.
        ::SetWindowPos(hDlg, nullptr, 0, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        // 0 is the strip's own background. From the keyboard a button opens the menu too, below it.
        constexpr int kTargets[] = {IDC_PROGRESS, IDC_STOPWATCH_TEXT, 0, IDOK, IDC_CAPTION, IDC_START, IDC_NEXT,
                                    IDC_SETTINGS, IDC_STOPWATCH_START, IDC_STOPWATCH_RESET};
        for (std::size_t nPass = 0; nPass < 2 * std::size(kTargets); ++nPass) {
            const int nID = kTargets[nPass % std::size(kTargets)];
            const bool bKey = nPass >= std::size(kTargets);
            wchar_t entry[64] = {};
            RECT rcMenu{};
            bool bAbout = false;
            IdleStep chooseEntry([&] {
                HWND hMenu = ThreadWindowOfClass("#32768");
                if (hMenu && ::IsWindowVisible(hMenu)) {
                    const auto hItems = reinterpret_cast<HMENU>(::SendMessageA(hMenu, MN_GETHMENU, 0, 0));
                    ::GetMenuStringW(hItems, IDM_ABOUTBOX, entry, static_cast<int>(std::size(entry)), MF_BYCOMMAND);
                    ::GetWindowRect(hMenu, &rcMenu);
                    // The about entry is the menu's last.
                    ::PostMessageA(hMenu, WM_KEYDOWN, VK_UP, 0);
                    ::PostMessageA(hMenu, WM_KEYDOWN, VK_RETURN, 0);
                }
                if (HWND hAbout = FindThreadWindow("Info \xFC" "ber Tarnovell")) {
                    bAbout = true;
                    ::SendMessageA(hAbout, WM_COMMAND, IDOK, 0);
                }
                return false;
            });
            // Under Wine a focus change that the last about box left behind may end the next menu
            // before it is seen; that click is repeated. On a button every click must open nothing.
            HWND hTarget = nID ? ::GetDlgItem(hDlg, nID) : hDlg;
            for (int nTry = 0; nTry < 3 && !bAbout; ++nTry)
                ::SendMessageA(hTarget, bKey ? WM_CONTEXTMENU : WM_RBUTTONUP, bKey ? reinterpret_cast<WPARAM>(hTarget) : 0,
                               bKey ? -1 : MAKELPARAM(2, 2));
            const bool bButton = nID != IDC_PROGRESS && nID != IDC_STOPWATCH_TEXT && nID != 0;
            EXPECT_STREQ(entry, bButton && !bKey ? L"" : L"Inf&o \u00FCber Tarnovell...") << nID << bKey;
            EXPECT_EQ(bAbout, !bButton || bKey) << nID << bKey;
            RECT rcButton{};
            ::GetWindowRect(hTarget, &rcButton);
            EXPECT_TRUE(!bButton || !bKey || (rcMenu.left == rcButton.left && rcMenu.top == rcButton.bottom)) << nID;
        }
    });
}

namespace {

HWND HostOf(HWND hDlg)
{
    return ::GetWindow(hDlg, GW_OWNER);
}

// True when this thread could take the chord itself: no one holds it.
bool ChordIsFree(UINT nModifiers, UINT nKey)
{
    if (!::RegisterHotKey(nullptr, 0x7000, nModifiers, nKey))
        return false;
    ::UnregisterHotKey(nullptr, 0x7000);
    return true;
}

// The texts of the strip's own menu, opened from the keyboard on the start button with the
// coordinates zero-extended as they may come on x64, and the entry chosen by `nDown` presses of
// the down key, none for 0.
std::vector<std::wstring> StripMenu(HWND hDlg, int nDown, UINT* pActiveState = nullptr)
{
    std::vector<std::wstring> texts;
    IdleStep choose([&] {
        HWND hMenu = ThreadWindowOfClass("#32768");
        if (!hMenu || !::IsWindowVisible(hMenu))
            return false;
        const auto hItems = reinterpret_cast<HMENU>(::SendMessageA(hMenu, MN_GETHMENU, 0, 0));
        for (int i = 0; i < ::GetMenuItemCount(hItems); ++i) {
            wchar_t text[80] = {};
            ::GetMenuStringW(hItems, static_cast<UINT>(i), text, static_cast<int>(std::size(text)), MF_BYPOSITION);
            const UINT nState = ::GetMenuState(hItems, static_cast<UINT>(i), MF_BYPOSITION);
            const bool bGreyed = (nState & (MF_GRAYED | MF_SEPARATOR)) == MF_GRAYED;
            texts.emplace_back(std::wstring(text) + (bGreyed ? L" (grau)" : L""));
        }
        if (pActiveState)
            *pActiveState = ::GetMenuState(hItems, IDM_CHORDS_ACTIVE, MF_BYCOMMAND) & MF_CHECKED;
        for (int i = 0; i < nDown; ++i)
            ::PostMessageA(hMenu, WM_KEYDOWN, VK_DOWN, 0);
        ::PostMessageA(hMenu, WM_KEYDOWN, nDown ? VK_RETURN : VK_ESCAPE, 0);
        return true;
    });
    HWND hButton = ::GetDlgItem(hDlg, IDC_START);
    for (int nTry = 0; nTry < 3 && texts.empty(); ++nTry)
        ::SendMessageA(hButton, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hButton), static_cast<LPARAM>(0xFFFFFFFFu));
    return texts;
}

// A desktop as Wine cannot make one: high contrast switched on, a presentation with a window in
// front on the strip's monitor, and a clock that the test moves on.
bool g_bHighContrast = false;
bool g_bPresentation = false;
int g_nPresentationAsked = 0;
ULONGLONG g_nNow = 1'000'000;
// The last caption the strip asked the window manager for: 0 light, 1 dark, -1 none yet.
int g_nDarkCaption = -1;
int g_nRoundCorners = 0;

// What a screen reader was told through the notification of Windows 10, whose element stands
// for the bar as long as the test runs.
std::vector<std::wstring> g_announced;
bool g_bScreenReader = true;

struct StandingElement : IUnknown {
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** ppv) override { return *ppv = nullptr, E_NOINTERFACE; }
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
} g_barElement;

DesktopQuestions FakeDesktop()
{
    DesktopQuestions questions;
    questions.pScreenReader = [] { return g_bScreenReader; };
    questions.pUiaNotifier = [] {
        return UiaNotifier{[](HWND, IUnknown** ppElement) { return *ppElement = &g_barElement, S_OK; },
                           [](IUnknown*, int, int, BSTR text, BSTR) { return g_announced.emplace_back(text), S_OK; }};
    };
    questions.pDarkCaption = [](HWND, bool bDark) { return g_nDarkCaption = bDark ? 1 : 0, true; };
    questions.pRoundCorners = [](HWND) { return ++g_nRoundCorners, true; };
    questions.pHighContrast = [] { return g_bHighContrast; };
    questions.pPresentationMode = [] { return ++g_nPresentationAsked, g_bPresentation; };
    questions.pFrontWindow = [](HWND hStrip) {
        return g_bPresentation ? FrontWindow{true, "Folien", {0, 0, 640, 480}, false, true, false, true, {}}
                               : FrontWindowOf(hStrip);
    };
    questions.pNow = [] { return g_nNow; };
    return questions;
}

// How often the strip was shown since the count was last set to 0.
int g_nStripShows = 0;

LRESULT CALLBACK CountStripShows(int nCode, WPARAM wParam, LPARAM lParam)
{
    const auto& msg = *reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (msg.message == WM_SHOWWINDOW && msg.wParam && ::GetDlgItem(msg.hwnd, IDC_PROGRESS))
        ++g_nStripShows;
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}

}  // namespace

TEST_F(StripTest, ChordsRunTheButtonsActionsHideAndShowTheStripAndTheMenuShowsAndSwitchesThem)
{
    // Another program holds Ctrl+Alt+P before the strip starts.
    ASSERT_TRUE(::RegisterHotKey(nullptr, 0x7001, MOD_CONTROL | MOD_ALT, 'P')) << ::GetLastError();
    RecordingTimerDlg dlg;
    Run(dlg, [&](HWND hDlg) {
        EXPECT_FALSE(ChordIsFree(MOD_CONTROL | MOD_ALT, 'N'));
        EXPECT_FALSE(ChordIsFree(MOD_CONTROL | MOD_ALT, 'T'));
        const std::vector<std::wstring> entries = {
            L"Start/Pause\tStrg+Alt+P belegt", L"N\u00E4chste Einheit\tStrg+Alt+N",
            L"Stoppuhr Start/Pause\tStrg+Alt+S", L"Leiste ausblenden\tStrg+Alt+T", L"Restzeit ansagen", L"Tastenk\u00FCrzel",
            L"Bei Vollbild ausblenden", L"Bei gesperrtem Bildschirm anhalten", L"", L"Inf&o \u00FCber Tarnovell..."};
        UINT nActive = 0;
        EXPECT_EQ(StripMenu(hDlg, 0, &nActive), entries);
        EXPECT_EQ(nActive, static_cast<UINT>(MF_CHECKED));
        // Let go by its holder, the chord is the strip's when the menu opens next.
        ::UnregisterHotKey(nullptr, 0x7001);
        EXPECT_EQ(StripMenu(hDlg, 0).at(0), L"Start/Pause\tStrg+Alt+P");
        EXPECT_FALSE(ChordIsFree(MOD_CONTROL | MOD_ALT, 'P'));

        ::SendMessageA(HostOf(hDlg), WM_HOTKEY, 1, MAKELPARAM(MOD_CONTROL | MOD_ALT, 'P'));
        EXPECT_EQ(ButtonImage(hDlg, IDC_START), DrawnPicture(IDI_PAUSE));
        Ticks(hDlg, 0, 3);
        ::SendMessageA(HostOf(hDlg), WM_HOTKEY, 3, 0);
        Ticks(hDlg, 1, 2);
        EXPECT_EQ(ItemText(hDlg, IDC_STOPWATCH_TEXT), "00:00:02");
        RECT shown{};
        ::GetWindowRect(hDlg, &shown);
        ::SendMessageA(HostOf(hDlg), WM_HOTKEY, 4, 0);
        EXPECT_FALSE(::IsWindowVisible(hDlg));
        Ticks(hDlg, 0, 2);  // hidden, it counts on
        ::SendMessageA(HostOf(hDlg), WM_HOTKEY, 4, 0);
        EXPECT_TRUE(::IsWindowVisible(hDlg));
        RECT again{};
        ::GetWindowRect(hDlg, &again);
        EXPECT_TRUE(::EqualRect(&again, &shown));
        EXPECT_EQ(ItemText(hDlg, IDC_PROGRESS), "24:55 --- Einheit 1");
        ::SendMessageA(HostOf(hDlg), WM_HOTKEY, 2, 0);
        ::SendMessageA(HostOf(hDlg), WM_HOTKEY, 5, 0);  // no chord of the strip's
        EXPECT_EQ(ItemText(hDlg, IDC_PROGRESS), "5:00 --- PAUSE");

        // The entries run their actions without chords; the switch frees every chord and writes only itself.
        StripMenu(hDlg, 1);
        EXPECT_EQ(ButtonImage(hDlg, IDC_START), DrawnPicture(IDI_START));
        StripMenu(hDlg, 6);
        EXPECT_EQ(SettingsBytes(), "[TASTEN]\r\nAktiv=0\r\n");
        EXPECT_TRUE(ChordIsFree(MOD_CONTROL | MOD_ALT, 'N'));
        EXPECT_EQ(StripMenu(hDlg, 0, &nActive)[1], L"N\u00E4chste Einheit");
        EXPECT_EQ(nActive, 0u);
    });
    ::UnregisterHotKey(nullptr, 0x7001);

    // An empty chord registers nothing, an unreadable one nothing either, and the others work.
    WriteSettings("[TASTEN]\r\nWeiter=\r\nStoppuhr=Strg+Alt+\r\nLeiste=Strg+Umschalt+F9\r\n");
    {
        RecordingTimerDlg next;
        Run(next, [&](HWND hDlg) {
            EXPECT_TRUE(ChordIsFree(MOD_CONTROL | MOD_ALT, 'N') && ChordIsFree(MOD_CONTROL | MOD_ALT, 'S'));
            EXPECT_FALSE(ChordIsFree(MOD_CONTROL | MOD_ALT, 'P') || ChordIsFree(MOD_CONTROL | MOD_SHIFT, VK_F9));
            EXPECT_EQ(StripMenu(hDlg, 0)[3], L"Leiste ausblenden\tStrg+Umschalt+F9");
        });
    }
    EXPECT_TRUE(ChordIsFree(MOD_CONTROL | MOD_SHIFT, VK_F9)) << "the strip's chords outlive it";

    // Strg+Alt+Q types @ on a German layout and Strg+Alt+S an s with an acute on a Polish one, of
    // the keys that type a character with AltGr there: neither is registered and both entries are
    // greyed, " (grau)"; the second action with Strg+Alt+P is doubled.
    WriteSettings("[TASTEN]\r\nWeiter=Strg+Alt+Q\r\nLeiste=alt+strg+p\r\n");
    RecordingTimerDlg altGr(DesktopQuestions{AltGrLayouts{
        [] { return std::vector<HKL>{reinterpret_cast<HKL>(0x04070407), reinterpret_cast<HKL>(0x04150415)}; },
        [](HKL hLayout, UINT nKey, bool) {
            const std::string_view keys = hLayout == reinterpret_cast<HKL>(0x04070407) ? "QEM237890" : "SNAEZXCLO";
            return keys.find(static_cast<char>(nKey)) != std::string_view::npos;
        }}});
    Run(altGr, [&](HWND hDlg) {
        std::vector<std::wstring> entries = StripMenu(hDlg, 0);
        entries.resize(4);
        EXPECT_EQ(entries, (std::vector<std::wstring>{L"Start/Pause\tStrg+Alt+P",
                                                      L"N\u00E4chste Einheit\tStrg+Alt+Q: AltGr-Zeichen (grau)",
                                                      L"Stoppuhr Start/Pause\tStrg+Alt+S: AltGr-Zeichen (grau)",
                                                      L"Leiste ausblenden\tStrg+Alt+P doppelt"}));
        EXPECT_TRUE(ChordIsFree(MOD_CONTROL | MOD_ALT, 'Q') && ChordIsFree(MOD_CONTROL | MOD_ALT, 'S'));
        EXPECT_FALSE(ChordIsFree(MOD_CONTROL | MOD_ALT, 'P'));
    });
}

TEST_F(StripTest, ASessionEndSavesTheCompactPlaceAndACloseToTheOwnerEndsTheStripUnsaved)
{
    RecordingTimerDlg dlg;
    const INT_PTR result = Run(dlg, [&](HWND hDlg) {
        ::MoveWindow(hDlg, 40, 30, 300, 20, TRUE);
        Command(hDlg, IDC_CAPTION);
        EXPECT_EQ(::SendMessageA(HostOf(hDlg), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE);
        ::SendMessageA(HostOf(hDlg), WM_ENDSESSION, FALSE, ENDSESSION_LOGOFF);
        EXPECT_FALSE(SettingsExist());
        ::SendMessageA(HostOf(hDlg), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
        const LONG w0 = dlg.Read().m_rcInitial.right - dlg.Read().m_rcInitial.left;
        const LONG h0 = dlg.Read().m_rcInitial.bottom - dlg.Read().m_rcInitial.top;
        EXPECT_EQ(SettingsBytes(),
                  "[POS]\r\nX1=40\r\nY1=30\r\nX2=" + std::to_string(w0) + "\r\nY2=" + std::to_string(h0) + "\r\n");
        // Nothing else: the strip goes on in its form, and a second start finds it shown.
        EXPECT_EQ(::SendMessageA(HostOf(hDlg), CStripHost::kBringIntoViewMessage, 0, 0), CStripHost::kStripShown);
        EXPECT_TRUE(::IsWindowVisible(hDlg));
        EXPECT_EQ(WindowSize(hDlg).cy, 2 * h0);
    });
    EXPECT_EQ(result, IDCANCEL) << "the session end ended the strip";

    // Sent to the owner or to the strip itself, a close ends the strip and the dialog it opened.
    for (const auto& [bToStrip, nOpened] : {std::pair{false, 0}, {false, IDC_SETTINGS}, {true, IDC_SETTINGS},
                                            {true, IDM_ABOUTBOX}}) {
        RemoveSettings();
        RecordingTimerDlg closed;
        HWND hHost = nullptr;
        LRESULT nAnswer = 0;
        const INT_PTR closedResult = Run(closed, [&](HWND hDlg) {
            hHost = HostOf(hDlg);
            HWND hTarget = bToStrip ? hDlg : hHost;
            if (nOpened == 0) {
                ::PostMessageA(hTarget, WM_CLOSE, 0, 0);
                return;
            }
            // A second start that asks while the strip ends waits for the end instead of leaving.
            RunWhenIdle([&] {
                ::SendMessageA(hTarget, WM_CLOSE, 0, 0);
                nAnswer = ::SendMessageA(hHost, CStripHost::kBringIntoViewMessage, 0, 0);
            });
            ::SendMessageA(hDlg, nOpened == IDM_ABOUTBOX ? WM_SYSCOMMAND : WM_COMMAND, nOpened, 0);
            EXPECT_EQ(FindThreadWindowIf([](HWND hWnd) { return IsDialogWindow(hWnd) && ::IsWindowVisible(hWnd); }),
                      nullptr) << bToStrip << nOpened;
        });
        EXPECT_EQ(closedResult, IDCANCEL) << bToStrip << nOpened;
        EXPECT_FALSE(SettingsExist());
        EXPECT_TRUE(::IsWindow(hHost)) << "the close destroyed the owner";
        EXPECT_EQ(nAnswer, nOpened != 0 ? CStripHost::kStripEnding : 0);
    }
}

TEST_F(StripTest, AfterADisplayChangeAStripOffItsMonitorComesBackAndOneOnItStays)
{
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    ::GetMonitorInfoA(::MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor);
    RecordingTimerDlg dlg;
    Run(dlg, [&](HWND hDlg) {
        const SIZE size = WindowSize(hDlg);
        const struct {
            UINT message;
            WPARAM wParam;
            POINT from, to;
        } cases[] = {
            {WM_DISPLAYCHANGE, 32, {100, 50}, {100, 50}},
            {WM_DISPLAYCHANGE, 32, {monitor.rcWork.right - 100, 60}, {monitor.rcWork.right - size.cx, 60}},
            {WM_SETTINGCHANGE, SPI_SETWORKAREA, {-30, -8}, {0, 0}},
            {WM_SETTINGCHANGE, SPI_SETWORKAREA, {5, 5}, {5, 5}},
            {WM_SETTINGCHANGE, SPI_SETDESKWALLPAPER, {-30, 5}, {-30, 5}},
        };
        for (const auto& c : cases) {
            ::SetWindowPos(hDlg, nullptr, c.from.x, c.from.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            ::SendMessageA(HostOf(hDlg), c.message, c.wParam, 0);
            RECT rect{};
            ::GetWindowRect(hDlg, &rect);
            EXPECT_EQ(rect.left, c.to.x) << c.from.x;
            EXPECT_EQ(rect.top, c.to.y) << c.from.x;
            EXPECT_EQ(rect.right - rect.left, size.cx);
        }
    });
}

TEST_F(StripTest, ColoursFollowTheSystemAndHighContrastDrawsInTheSystemsColoursAlone)
{
    // The system's colours changed inside the strip's own process, as Wine changes them; high
    // contrast, which Wine cannot switch on, through the layer's look-up.
    const INT elements[] = {COLOR_WINDOW, COLOR_HIGHLIGHT, COLOR_HIGHLIGHTTEXT, COLOR_WINDOWTEXT, COLOR_BTNFACE,
                            COLOR_BTNTEXT};
    const COLORREF changed[] = {RGB(10, 20, 30), RGB(200, 0, 100), RGB(1, 2, 3), RGB(250, 240, 230),
                                RGB(0, 0, 0),    RGB(255, 255, 255)};
    COLORREF original[6] = {};
    for (int i = 0; i < 6; ++i)
        original[i] = ::GetSysColor(elements[i]);
    // Every pixel of every button: the black face or the white text, of which the glyph is one, or
    // the highlight's two colours of a button under the pointer.
    const auto onlyThemeColours = [](HWND hDlg) {
        for (const int nID : {IDC_CAPTION, IDC_START, IDC_NEXT, IDC_SETTINGS, IDOK, IDC_STOPWATCH_START,
                              IDC_STOPWATCH_RESET}) {
            HWND hButton = ::GetDlgItem(hDlg, nID);
            ::RedrawWindow(hButton, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
            RECT rc{};
            ::GetClientRect(hButton, &rc);
            const CClientDC dc(hButton);
            for (int y = 0; y < rc.bottom; ++y) {
                for (int x = 0; x < rc.right; ++x) {
                    const COLORREF cr = ::GetPixel(dc.GetSafeHdc(), x, y);
                    if (cr != RGB(0, 0, 0) && cr != RGB(255, 255, 255) && cr != RGB(200, 0, 100) &&
                        cr != RGB(1, 2, 3))
                        return false;
                }
            }
        }
        return true;
    };
    WriteSettings("[EINHEIT]\r\nArbeit=1\r\n");
    RecordingTimerDlg dlg(FakeDesktop());
    Run(dlg, [&](HWND hDlg) {
        const auto pixels = [&] { return BarEnds(hDlg); };
        const auto texts = [&] { return std::pair{AskBar(hDlg, CTextProgressCtrl::kGetTextColour, TRUE),
                                                  AskBar(hDlg, CTextProgressCtrl::kGetTextColour, FALSE)}; };
        Command(hDlg, IDC_START);
        Ticks(hDlg, 0, 30);
        // Half of a minute: 127 of 255 steps from green to red.
        EXPECT_EQ(pixels(), std::pair(RGB(127, 128, 0), original[0]));

        ::SetSysColors(6, elements, changed);
        ::SendMessageA(HostOf(hDlg), WM_SYSCOLORCHANGE, 0, 0);
        EXPECT_EQ(pixels(), std::pair(RGB(127, 128, 0), RGB(10, 20, 30)));
        EXPECT_EQ(texts(), std::pair(LRESULT{RGB(10, 20, 30)}, LRESULT{RGB(0, 0, 255)}));

        g_bHighContrast = true;
        ::SendMessageA(HostOf(hDlg), WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
        Ticks(hDlg, 0, 1);
        EXPECT_EQ(pixels(), std::pair(RGB(200, 0, 100), RGB(10, 20, 30)));
        EXPECT_EQ(texts(), std::pair(LRESULT{RGB(1, 2, 3)}, LRESULT{RGB(250, 240, 230)}));
        EXPECT_TRUE(onlyThemeColours(hDlg));
        EXPECT_EQ(ButtonPixel(::GetDlgItem(hDlg, IDC_STOPWATCH_RESET), 5, 0), RGB(255, 255, 255));

        g_bHighContrast = false;
        ::SetSysColors(6, elements, original);
        ::SendMessageA(HostOf(hDlg), WM_SYSCOLORCHANGE, 0, 0);
        EXPECT_EQ(pixels(), std::pair(RGB(131, 124, 0), original[0]));
        EXPECT_EQ(texts(), std::pair(LRESULT{original[0]}, LRESULT{RGB(0, 0, 255)}));
    });
}

// In the light look every picture but the spanner and the red cross is a glyph in the button
// text's colour, in its icon's shape: the green triangle turns black, the ring keeps its hole.
TEST_F(StripTest, TheLightLookDrawsGlyphsInTheButtonTextColourAndTheCrossInItsOwnColours)
{
    RecordingTimerDlg dlg;
    Run(dlg, [&](HWND hDlg) {
        const COLORREF text = ::GetSysColor(COLOR_BTNTEXT);
        HWND hReset = ::GetDlgItem(hDlg, IDC_STOPWATCH_RESET);
        HWND hStart = ::GetDlgItem(hDlg, IDC_START);
        EXPECT_EQ(ButtonPixel(hReset, 5, 0), text);
        EXPECT_NE(ButtonPixel(hReset, 0, 0), text);
        EXPECT_EQ(ButtonPixel(hStart, 0, 0), text);
        // The white cross at the middle, the dark-red square above it.
        EXPECT_EQ(ButtonPixel(::GetDlgItem(hDlg, IDOK), 0, 0), RGB(255, 255, 255));
        EXPECT_EQ(ButtonPixel(::GetDlgItem(hDlg, IDOK), 0, -5), RGB(128, 0, 0));
        // With the visual styles off (Wine still switches them for the whole desktop), the classic
        // frame in the system's button colours: on a black face the glyph stays visible, in the
        // button text's white.
        static LazyImport<HRESULT WINAPI(BOOL)> enableTheming("uxtheme.dll", "EnableTheming");
        const INT elements[] = {COLOR_BTNFACE, COLOR_BTNTEXT};
        const COLORREF black[] = {RGB(0, 0, 0), RGB(255, 255, 255)};
        const COLORREF original[] = {::GetSysColor(COLOR_BTNFACE), text};
        ASSERT_NE(enableTheming.Get(), nullptr);
        enableTheming.Get()(FALSE);
        ::SetSysColors(2, elements, black);
        ::SendMessageA(HostOf(hDlg), WM_SYSCOLORCHANGE, 0, 0);
        ::SendMessageA(hReset, WM_THEMECHANGED, 0, 0);
        EXPECT_EQ(std::pair(ButtonPixel(hReset, 0, 0), ButtonPixel(hReset, 5, 0)), std::pair(black[0], black[1]));
        enableTheming.Get()(TRUE);
        ::SetSysColors(2, elements, original);
        ::SendMessageA(HostOf(hDlg), WM_SYSCOLORCHANGE, 0, 0);
        // Made the default from the keyboard, a button stays owner-drawn and takes Enter itself.
        ::SendMessageA(hDlg, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(hStart), TRUE);
        EXPECT_EQ(::GetWindowLongPtrA(hStart, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
        EXPECT_TRUE(::SendMessageA(hStart, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON);
    });
}

// High contrast with a black theme, on the strip's bare template: a flat black face with white
// glyphs, the highlight's colours under the pointer and pressed. The cross is a glyph of its own
// shape there: above it lies the face, not the red square.
TEST(IconButtons, HighContrastDrawsFlatFacesAndGlyphsInTheThemesColoursAlone)
{
    constexpr COLORREF kFace = RGB(0, 0, 0), kText = RGB(255, 255, 255);
    constexpr COLORREF kHighlight = RGB(26, 235, 255), kHighlightText = RGB(0, 0, 0);
    const int ids[] = {IDC_CAPTION, IDC_START, IDC_NEXT, IDC_SETTINGS, IDOK, IDC_STOPWATCH_START, IDC_STOPWATCH_RESET};
    CIconButton button[CIconButtons::kSlots];
    CIconButtons buttons({{&button[0], IDI_CAPTION_DOWN}, {&button[1], IDI_START}, {&button[2], IDI_NEXT},
                          {&button[3], IDI_SETTINGS}, {&button[4], IDI_EXIT}, {&button[5], IDI_START},
                          {&button[6], IDI_RESET}});
    HWND hDlg = ::CreateDialogParamW(
        ::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_TIMER_DIALOG), nullptr,
        [](HWND hWnd, UINT message, WPARAM, LPARAM lParam) -> INT_PTR {
            if (message == WM_INITDIALOG)
                ::SetWindowLongPtrW(hWnd, DWLP_USER, lParam);
            auto* pButtons = reinterpret_cast<CIconButtons*>(::GetWindowLongPtrW(hWnd, DWLP_USER));
            return message == WM_DRAWITEM && pButtons->DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        },
        reinterpret_cast<LPARAM>(&buttons));
    for (int i = 0; i < CIconButtons::kSlots; ++i)
        button[i].BindControl(::GetDlgItem(hDlg, ids[i]));
    buttons.ShowAtDpi(DesktopDpi());
    buttons.UseLook(PaletteFor(Look::HighContrast, SystemPalette{kHighlight, kHighlightText, 0, 0, kFace, kText}));
    // Where each picture shows the face and where its glyph.
    const struct {
        int nID;
        POINT face, glyph;
    } pictures[] = {{IDC_STOPWATCH_RESET, {0, 0}, {5, 0}}, {IDOK, {0, -5}, {0, 0}}};
    for (const auto& picture : pictures) {
        HWND hButton = ::GetDlgItem(hDlg, picture.nID);
        const auto pixels = [&] {
            return std::pair{ButtonPixel(hButton, picture.face.x, picture.face.y),
                             ButtonPixel(hButton, picture.glyph.x, picture.glyph.y)};
        };
        EXPECT_EQ(pixels(), std::pair(kFace, kText)) << picture.nID;
        ::SendMessageW(hButton, BM_SETSTATE, TRUE, 0);
        EXPECT_EQ(pixels(), std::pair(kHighlight, kHighlightText)) << picture.nID;
        ::SendMessageW(hButton, BM_SETSTATE, FALSE, 0);
        ::SendMessageW(hButton, WM_MOUSEMOVE, 0, 0);
        EXPECT_EQ(pixels(), std::pair(kHighlight, kHighlightText)) << picture.nID;
        ::SendMessageW(hButton, WM_MOUSELEAVE, 0, 0);
        EXPECT_EQ(pixels(), std::pair(kFace, kText)) << picture.nID;
    }
    ::DestroyWindow(hDlg);
}

TEST_F(StripTest, ATaskbarThatComesAboveTheStripIsPutBelowItAndOtherTopmostWindowsAreLeftAlone)
{
    // Wine raises no foreground event for another program's windows: the stand-in taskbar, a
    // topmost window of the shell's class, raises its own.
    WNDCLASSA trayClass{};
    trayClass.lpfnWndProc = ::DefWindowProcA;
    trayClass.hInstance = ::GetModuleHandleA(nullptr);
    for (const char* className : {"Shell_TrayWnd", "XamlExplorerHostIslandWindow"}) {
        trayClass.lpszClassName = className;
        ::RegisterClassA(&trayClass);
    }
    RecordingTimerDlg dlg;
    Run(dlg, [&](HWND hDlg) {
        for (const char* className : {"Shell_TrayWnd", "Static"}) {
            HWND hOther = ::CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, className, "", WS_POPUP | WS_VISIBLE, 0,
                                            740, 300, 28, nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
            ::SetWindowPos(hOther, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            ASSERT_TRUE(IsAbove(hOther, hDlg)) << className;
            HWND hActive = ::GetActiveWindow();
            ::NotifyWinEvent(EVENT_SYSTEM_FOREGROUND, hOther, OBJID_WINDOW, CHILDID_SELF);
            // The event comes through the message loop: ten rounds of it at least.
            const bool bTaskbar = std::string_view(className) == "Shell_TrayWnd";
            int nRounds = 0;
            PumpUntil([&] { return ++nRounds > 10 && !(bTaskbar && IsAbove(hOther, hDlg)); });
            EXPECT_EQ(IsAbove(hOther, hDlg), !bTaskbar) << className;
            EXPECT_EQ(::GetActiveWindow(), hActive) << className;
            ::DestroyWindow(hOther);
        }
        // After Task View or the Alt+Tab switcher leaves the front, the strip looks once for a
        // taskbar that came up with it, which raised no event; after another window it does not.
        for (const char* className : {"XamlExplorerHostIslandWindow", "Static"}) {
            const auto standIn = [](const char* name) {
                HWND hWnd = ::CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, name, "", WS_POPUP, 0, 740, 300, 28,
                                              nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
                ::ShowWindow(hWnd, SW_SHOWNA);
                return hWnd;
            };
            HWND hSwitcher = standIn(className);
            HWND hNext = standIn("Static");
            ::NotifyWinEvent(EVENT_SYSTEM_FOREGROUND, hSwitcher, OBJID_WINDOW, CHILDID_SELF);
            int nRounds = 0;
            PumpUntil([&] { return ++nRounds > 10; });
            HWND hTray = standIn("Shell_TrayWnd");
            ASSERT_TRUE(IsAbove(hTray, hDlg));
            ::NotifyWinEvent(EVENT_SYSTEM_FOREGROUND, hNext, OBJID_WINDOW, CHILDID_SELF);
            const bool bSwitcher = std::string_view(className) != "Static";
            nRounds = 0;
            PumpUntil([&] { return ++nRounds > 10 && !(bSwitcher && IsAbove(hTray, hDlg)); });
            EXPECT_EQ(IsAbove(hTray, hDlg), !bSwitcher) << className;
            for (HWND hWnd : {hSwitcher, hNext, hTray})
                ::DestroyWindow(hWnd);
        }
    });
    for (const char* className : {"Shell_TrayWnd", "XamlExplorerHostIslandWindow"})
        ::UnregisterClassA(className, ::GetModuleHandleA(nullptr));
}

TEST_F(StripTest, AFullScreenWindowHidesTheStripWithoutAShowOrASoundUntilItCloses)
{
    // Wine 10 on a display without a window manager never returns from showing a window that
    // covers the whole screen; the faked report of the shell below stands in for it there.
    using WineVersion = const char*(CDECL*)();
    const auto wineVersion = reinterpret_cast<WineVersion>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("ntdll.dll"), "wine_get_version")));
    if (wineVersion && std::atoi(wineVersion()) >= 10)
        GTEST_SKIP() << "Wine " << wineVersion() << " hangs on a window that covers the screen under Xvfb";
    // Phases of no minutes: every tick changes the phase and would ring.
    WriteSettings("[EINHEIT]\r\nArbeit=0\r\nKPause=0\r\n");
    HHOOK hHook = ::SetWindowsHookExA(WH_CALLWNDPROCRET, &CountStripShows, nullptr, ::GetCurrentThreadId());
    RecordingTimerDlg dlg;
    Run(dlg, [&](HWND hDlg) {
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        ::GetMonitorInfoA(::MonitorFromWindow(hDlg, MONITOR_DEFAULTTONEAREST), &monitor);
        const RECT& rc = monitor.rcMonitor;
        Command(hDlg, IDC_START);
        HWND hFull = ::CreateWindowExA(0, "Static", "", WS_POPUP | WS_VISIBLE, rc.left, rc.top, rc.right - rc.left,
                                       rc.bottom - rc.top, nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
        ::SetForegroundWindow(hFull);
        // Wine raises no foreground event of its own: the window announces itself.
        ::NotifyWinEvent(EVENT_SYSTEM_FOREGROUND, hFull, OBJID_WINDOW, CHILDID_SELF);
        PumpUntil([&] { return !::IsWindowVisible(hDlg); });
        EXPECT_FALSE(::IsWindowVisible(hDlg));
        g_nStripShows = 0;
        Ticks(hDlg, 0, 3);
        EXPECT_EQ(ItemText(hDlg, IDC_PROGRESS), "0:00 --- PAUSE");
        EXPECT_TRUE(dlg.m_alarms.empty());
        EXPECT_EQ(g_nStripShows, 0);
        ::DestroyWindow(hFull);
        ::NotifyWinEvent(EVENT_SYSTEM_FOREGROUND, hDlg, OBJID_WINDOW, CHILDID_SELF);
        PumpUntil([&] { return ::IsWindowVisible(hDlg) != FALSE; });
        Ticks(hDlg, 0, 1);
        EXPECT_TRUE(::IsWindowVisible(hDlg));
        EXPECT_EQ(dlg.m_alarms.size(), 1u);
    });
    ::UnhookWindowsHookEx(hHook);
}

TEST_F(StripTest, APresentationHidesTheStripUntilTheUserShowsItAndNotWithTheSwitchOff)
{
    RecordingTimerDlg dlg(FakeDesktop());
    Run(dlg, [&](HWND hDlg) {
        Command(hDlg, IDC_STOPWATCH_START);
        // Shown or not after a tick with or without the report. Ticks on a clock that stands ask
        // once: the strip's own foreground event asks again, once the moves that may follow it
        // are over, which a slow machine is given two seconds for.
        const auto reportAndTick = [&](bool bPresentation, bool bShown) {
            g_bPresentation = bPresentation;
            Ticks(hDlg, 1, 1);
            ::NotifyWinEvent(EVENT_SYSTEM_FOREGROUND, hDlg, OBJID_WINDOW, CHILDID_SELF);
            int nRounds = 0;
            PumpUntil([&] { return ++nRounds > 40 && (::IsWindowVisible(hDlg) != FALSE) == bShown; });
            return (::IsWindowVisible(hDlg) != FALSE) == bShown;
        };
        const auto chord = [&] {
            ::SendMessageA(HostOf(hDlg), WM_HOTKEY, 4, 0);
            return ::IsWindowVisible(hDlg) != FALSE;
        };
        EXPECT_TRUE(reportAndTick(true, false));
        EXPECT_TRUE(reportAndTick(false, true));
        EXPECT_FALSE(chord());
        EXPECT_TRUE(reportAndTick(true, false));
        EXPECT_TRUE(reportAndTick(false, false)) << "the chord's hiding ended with the full screen";
        EXPECT_TRUE(chord());
        // The chord and a second start show a strip that stepped aside until that full screen
        // ends; the next one hides it again.
        EXPECT_TRUE(reportAndTick(true, false));
        EXPECT_TRUE(chord());
        EXPECT_TRUE(reportAndTick(true, true));
        EXPECT_TRUE(reportAndTick(false, true));
        EXPECT_TRUE(reportAndTick(true, false));
        EXPECT_EQ(::SendMessageA(HostOf(hDlg), CStripHost::kBringIntoViewMessage, 0, 0), CStripHost::kStripShown);
        EXPECT_TRUE(reportAndTick(true, true));
        EXPECT_TRUE(reportAndTick(false, true));
        // A rush of a hundred events asks once, after the last.
        g_nPresentationAsked = 0;
        for (int i = 0; i < 100; ++i)
            ::NotifyWinEvent(EVENT_SYSTEM_FOREGROUND, hDlg, OBJID_WINDOW, CHILDID_SELF);
        int nRounds = 0;
        PumpUntil([&] { return ++nRounds > 40 && g_nPresentationAsked > 0; });
        EXPECT_EQ(g_nPresentationAsked, 1);
        // Switched off in the menu, written, and the report no longer counts.
        StripMenu(hDlg, 7);
        EXPECT_EQ(SettingsBytes(), "[ARBEITSTAG]\r\nVollbild=0\r\n");
        EXPECT_TRUE(reportAndTick(true, true));
        EXPECT_EQ(ItemText(hDlg, IDC_STOPWATCH_TEXT), "00:00:11");
        g_bPresentation = false;
    });
}

TEST_F(StripTest, SleepHoldsAWorkUnitAndAPauseCountsTheTimeSleptOnOnceRingingAtTheWake)
{
    RecordingTimerDlg dlg(FakeDesktop());
    Run(dlg, [&](HWND hDlg) {
        const auto power = [&](WPARAM nEvent) {
            EXPECT_EQ(::SendMessageA(HostOf(hDlg), WM_POWERBROADCAST, nEvent, 0), TRUE);
        };
        Command(hDlg, IDC_START);
        Ticks(hDlg, 0, 2);
        power(PBT_APMSUSPEND);
        EXPECT_EQ(ButtonImage(hDlg, IDC_START), DrawnPicture(IDI_START));
        // Wine rings on through a sleep: nothing counts, and an hour away is no time of the unit.
        Ticks(hDlg, 0, 5);
        g_nNow += 3'600'000;
        power(PBT_APMRESUMEAUTOMATIC);
        EXPECT_EQ(ItemText(hDlg, IDC_PROGRESS), "24:58 --- Einheit 1");
        EXPECT_EQ(ButtonImage(hDlg, IDC_START), DrawnPicture(IDI_PAUSE));

        // A pause counts on by the 240 whole seconds of 240.9 slept, once for both wakes.
        Command(hDlg, IDC_NEXT);
        Ticks(hDlg, 0, 1);
        power(PBT_APMSUSPEND);
        Ticks(hDlg, 0, 3);
        g_nNow += 240'900;
        power(PBT_APMRESUMEAUTOMATIC);
        power(PBT_APMRESUMESUSPEND);
        EXPECT_EQ(ItemText(hDlg, IDC_PROGRESS), "0:59 --- PAUSE");
        Ticks(hDlg, 0, 1);
        EXPECT_EQ(ItemText(hDlg, IDC_PROGRESS), "0:58 --- PAUSE");
        // Asleep past its end, the pause rings once at the wake, and the next unit waits at its
        // full length for the user or the unlock.
        power(PBT_APMSUSPEND);
        g_nNow += 120'000;
        power(PBT_APMRESUMEAUTOMATIC);
        EXPECT_EQ(dlg.m_alarms.size(), 1u);
        EXPECT_EQ(ItemText(hDlg, IDC_PROGRESS), "25:00 --- Einheit 2");
        EXPECT_EQ(dlg.Read().m_cycle.m_bRunning, 0);
        ::SendMessageA(HostOf(hDlg), WM_WTSSESSION_CHANGE, WTS_SESSION_UNLOCK, 1);
        EXPECT_EQ(dlg.Read().m_cycle.m_bRunning, 1);
    });
}

TEST_F(StripTest, TheLockPausesAWorkUnitLetsAPauseRunOutAndTheUnlockGoesOn)
{
    RecordingTimerDlg dlg;
    Run(dlg, [&](HWND hDlg) {
        const auto session = [&](WPARAM nStatus) { ::SendMessageA(HostOf(hDlg), WM_WTSSESSION_CHANGE, nStatus, 1); };
        Command(hDlg, IDC_START);
        Command(hDlg, IDC_STOPWATCH_START);
        Ticks(hDlg, 0, 2);
        session(WTS_SESSION_LOCK);
        EXPECT_EQ(ButtonImage(hDlg, IDC_START), DrawnPicture(IDI_START));
        EXPECT_EQ(dlg.Read().m_stopwatch.m_bSwRunning, 1);
        Ticks(hDlg, 0, 5);
        EXPECT_EQ(ItemText(hDlg, IDC_PROGRESS), "24:58 --- Einheit 1");
        session(WTS_SESSION_UNLOCK);
        EXPECT_EQ(ButtonImage(hDlg, IDC_START), DrawnPicture(IDI_PAUSE));

        // A pause counts on through the lock; the work unit after it waits at its full length.
        Command(hDlg, IDC_NEXT);
        session(WTS_SESSION_LOCK);
        Ticks(hDlg, 0, 301);
        EXPECT_EQ(dlg.m_alarms.size(), 1u);
        EXPECT_EQ(ItemText(hDlg, IDC_PROGRESS), "25:00 --- Einheit 2");
        EXPECT_EQ(AskBar(hDlg, PBM_GETPOS), 0);
        EXPECT_EQ(ButtonImage(hDlg, IDC_START), DrawnPicture(IDI_START));
        session(WTS_SESSION_UNLOCK);
        Ticks(hDlg, 0, 1);
        EXPECT_EQ(ItemText(hDlg, IDC_PROGRESS), "24:59 --- Einheit 2");

        // A countdown the user paused stays paused through a lock and its unlock.
        Command(hDlg, IDC_START);
        session(WTS_SESSION_LOCK);
        session(WTS_SESSION_UNLOCK);
        EXPECT_EQ(dlg.Read().m_cycle.m_bRunning, 0);

        // A disconnected session is away as a locked one is, until it connects again.
        Command(hDlg, IDC_START);
        session(WTS_REMOTE_DISCONNECT);
        EXPECT_EQ(dlg.Read().m_cycle.m_bRunning, 0);
        session(WTS_REMOTE_CONNECT);
        EXPECT_EQ(dlg.Read().m_cycle.m_bRunning, 1);
    });
}

TEST(SessionNotification, ARegistrationBeforeTheSessionsServicesIsTriedAgainUntilItSucceeds)
{
    static int nCalls = 0;
    const auto registerLate = [](HWND, DWORD) -> BOOL {
        ::SetLastError(RPC_S_INVALID_BINDING);
        return ++nCalls >= 3;
    };
    HWND hWnd = ::CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    {
        CSessionNotification session(hWnd, registerLate);
        EXPECT_TRUE(::KillTimer(hWnd, CSessionNotification::kRetryTimer)) << "no second try after the first";
        session.Retry();
        session.Retry();
        EXPECT_EQ(nCalls, 3);
        EXPECT_FALSE(::KillTimer(hWnd, CSessionNotification::kRetryTimer)) << "the timer runs on";
        session.Retry();
        EXPECT_EQ(nCalls, 3);
    }
    ::DestroyWindow(hWnd);
}

TEST_F(StripTest, APauseThatWaitsBlinksAndRingsAgainUntilAClickAndStartsOnlyOnStart)
{
    WriteSettings("[EINHEIT]\r\nArbeit=1\r\n[ABLAUF]\r\nPauseVonSelbst=0\r\nWiederholen=5\r\n");
    RecordingTimerDlg dlg(FakeDesktop());
    Run(dlg, [&](HWND hDlg) {
        HWND hBar = ::GetDlgItem(hDlg, IDC_PROGRESS);
        const auto emptyCorner = [&] { return BarEnds(hDlg).second; };
        const auto second = [&](int nCount) {
            for (int n = 0; n < nCount; ++n)
                g_nNow += 1000, Ticks(hDlg, 2, 1);
        };
        const COLORREF window = ::GetSysColor(COLOR_WINDOW);
        const COLORREF inverted = RGB(255 - GetRValue(window), 255 - GetGValue(window), 255 - GetBValue(window));
        Command(hDlg, IDC_START);
        Ticks(hDlg, 0, 64);
        EXPECT_EQ(ItemText(hDlg, IDC_PROGRESS), "5:00 --- PAUSE");
        EXPECT_EQ(ButtonImage(hDlg, IDC_START), DrawnPicture(IDI_START));
        EXPECT_EQ(emptyCorner(), inverted);
        second(1);
        EXPECT_EQ(emptyCorner(), window);
        second(9);
        EXPECT_EQ(dlg.m_alarms.size(), 3u);
        // A click on the bar answers: no more repeats and no blinking, and the pause still waits
        // for its start button.
        ::SendMessageA(hBar, WM_LBUTTONDOWN, MK_LBUTTON, 0);
        second(6);
        EXPECT_EQ(dlg.m_alarms.size(), 3u);
        EXPECT_EQ(emptyCorner(), window);
        EXPECT_EQ(ItemText(hDlg, IDC_PROGRESS), "5:00 --- PAUSE");
        ::SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDC_START, BN_CLICKED), (LPARAM)::GetDlgItem(hDlg, IDC_START));
        Ticks(hDlg, 0, 1);
        EXPECT_EQ(ItemText(hDlg, IDC_PROGRESS), "4:59 --- PAUSE");
    });
}

// Wine counts a pointer move over one of its own windows as input, not one over the bare desktop.
TEST_F(StripTest, AUnitThatWaitsStartsWithAPointerMoveOverTheStripAfterThePause)
{
    WriteSettings("[EINHEIT]\r\nKPause=1\r\n[ABLAUF]\r\nEinheitVonSelbst=0\r\nEinheitBeiEingabe=1\r\n");
    RecordingTimerDlg dlg;
    Run(dlg, [&](HWND hDlg) {
        Command(hDlg, IDC_NEXT);
        Command(hDlg, IDC_START);
        Ticks(hDlg, 0, 61);
        Ticks(hDlg, 2, 1);
        EXPECT_EQ(ItemText(hDlg, IDC_PROGRESS), "25:00 --- Einheit 2");
        EXPECT_EQ(dlg.Read().m_cycle.m_bRunning, 0);
        RECT rc{};
        ::GetWindowRect(hDlg, &rc);
        const std::wstring x = std::to_wstring((rc.left + rc.right) / 2), y = std::to_wstring((rc.top + rc.bottom) / 2);
        ASSERT_TRUE(StartHostProgram(L"Z:\\usr\\bin\\xdotool",
                                     L"xdotool mousemove " + x + L" " + y + L" mousemove_relative 3 0"))
            << "no xdotool (apt package xdotool)";
        // The reminder's own second reads the input.
        PumpUntil([&] { return dlg.Read().m_cycle.m_bRunning == 1; }, 5000);
        EXPECT_EQ(dlg.Read().m_cycle.m_bRunning, 1);
        EXPECT_EQ(ButtonImage(hDlg, IDC_START), DrawnPicture(IDI_PAUSE));
        EXPECT_EQ(ItemText(hDlg, IDC_PROGRESS), "25:00 --- Einheit 2");
    });
}

TEST_F(StripTest, WithBeimStartTheCountdownRunsFromTheStartAndLevelZeroRingsNothing)
{
    WriteSettings("[EINHEIT]\r\nArbeit=1\r\n[ABLAUF]\r\nBeimStart=1\r\nLautstaerke=0\r\nWiederholen=5\r\n");
    RecordingTimerDlg dlg(FakeDesktop());
    Run(dlg, [&](HWND hDlg) {
        EXPECT_EQ(ButtonImage(hDlg, IDC_START), DrawnPicture(IDI_PAUSE));
        Ticks(hDlg, 0, 61);
        g_nNow += 5000;
        Ticks(hDlg, 2, 1);
        Ticks(hDlg, 0, 1);
        EXPECT_EQ(ItemText(hDlg, IDC_PROGRESS), "4:59 --- PAUSE");
        EXPECT_TRUE(dlg.m_alarms.empty());
    });
}

// The apps' mode as Windows stores it, in the test prefix's registry, and its change announced.
TEST_F(StripTest, TheStripTurnsDarkAndLightAgainAsTheAppsModeChanges)
{
    g_nDarkCaption = -1;
    g_nRoundCorners = 0;
    RecordingTimerDlg dlg(FakeDesktop());
    Run(dlg, [&](HWND hDlg) {
        const auto pixels = [&] {
            ::RedrawWindow(hDlg, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
            return std::pair{::GetPixel(CClientDC(hDlg).GetSafeHdc(), 0, 0), BarEnds(hDlg).second};
        };
        const auto announce = [&] {
            ::SendMessageW(HostOf(hDlg), WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(L"ImmersiveColorSet"));
        };
        const wchar_t* key = L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize";
        const std::pair light{::GetSysColor(COLOR_BTNFACE), ::GetSysColor(COLOR_WINDOW)};
        EXPECT_EQ(pixels(), light);
        EXPECT_EQ(g_nDarkCaption, -1);
        const DWORD nDark = 0;
        ASSERT_EQ(::RegSetKeyValueW(HKEY_CURRENT_USER, key, L"AppsUseLightTheme", REG_DWORD, &nDark, sizeof nDark),
                  ERROR_SUCCESS);
        announce();
        EXPECT_EQ(pixels(), std::pair(RGB(0x20, 0x20, 0x20), RGB(0x2B, 0x2B, 0x2B)));
        EXPECT_EQ(g_nDarkCaption, 1);
        // The ring's hole shows the dark face, the ring itself is white.
        HWND hReset = ::GetDlgItem(hDlg, IDC_STOPWATCH_RESET);
        EXPECT_EQ(std::pair(ButtonPixel(hReset, 0, 0), ButtonPixel(hReset, 5, 0)),
                  std::pair(RGB(0x2D, 0x2D, 0x2D), RGB(255, 255, 255)));
        ::RegDeleteKeyValueW(HKEY_CURRENT_USER, key, L"AppsUseLightTheme");
        announce();
        EXPECT_EQ(pixels(), light);
        EXPECT_EQ(g_nDarkCaption, 0);
        EXPECT_EQ(ButtonPixel(hReset, 5, 0), ::GetSysColor(COLOR_BTNTEXT));
        EXPECT_EQ(g_nRoundCorners, 1);
    });
}

// A reader hears each phase change, a phase that waits and the warning once, in words; nothing in
// mid-phase and nothing while the strip stands aside for a full screen.
TEST_F(StripTest, AScreenReaderHearsPhaseChangesWaitsAndWarningsInWordsOnceAndNotWhileAside)
{
    WriteSettings("[EINHEIT]\r\nArbeit=3\r\nKPause=1\r\n[ABLAUF]\r\nVorwarnung=1\r\nEinheitVonSelbst=0\r\n");
    RecordingTimerDlg dlg(FakeDesktop());
    Run(dlg, [&](HWND hDlg) {
        g_announced.clear();
        Command(hDlg, IDC_START);
        Ticks(hDlg, 0, 60);
        EXPECT_TRUE(g_announced.empty());
        Ticks(hDlg, 0, 60);
        Ticks(hDlg, 0, 61);
        Ticks(hDlg, 0, 61);
        StripMenu(hDlg, 5);
        EXPECT_EQ(g_announced, (std::vector<std::wstring>{L"Noch 1 Minute", L"Pause, 1 Minute", L"Einheit 2 wartet",
                                                           L"3 Minuten, Einheit 2"}));
        g_announced.clear();
        g_bPresentation = true;
        ::SendMessageA(HostOf(hDlg), WM_TIMER, 1, 0);
        ASSERT_FALSE(::IsWindowVisible(hDlg));
        Command(hDlg, IDC_NEXT);
        g_bPresentation = false;
        ::SendMessageA(HostOf(hDlg), WM_TIMER, 1, 0);
        Command(hDlg, IDC_NEXT);
        EXPECT_EQ(g_announced, (std::vector<std::wstring>{L"Einheit 3, 3 Minuten"}));
        // Where no reader runs, only what the user asks for is told.
        g_bScreenReader = false;
        Command(hDlg, IDC_NEXT);
        StripMenu(hDlg, 5);
        g_bScreenReader = true;
        EXPECT_EQ(g_announced, (std::vector<std::wstring>{L"Einheit 3, 3 Minuten", L"1 Minute, Pause"}));
    });
}

// Where the system has no notification, the bar tells its change as a live region, here to a
// reader that does not say it runs but has asked for the bar.
TEST_F(StripTest, WithoutTheNotificationTheBarTellsAPhaseChangeAsALiveRegion)
{
    DesktopQuestions questions = FakeDesktop();
    questions.pUiaNotifier = [] { return UiaNotifier{}; };
    RecordingTimerDlg dlg(questions);
    Run(dlg, [&](HWND hDlg) {
        static HWND s_hChanged;
        s_hChanged = nullptr;
        g_announced.clear();
        const HWINEVENTHOOK hHook = ::SetWinEventHook(
            EVENT_OBJECT_LIVEREGIONCHANGED, EVENT_OBJECT_LIVEREGIONCHANGED, nullptr,
            [](HWINEVENTHOOK, DWORD, HWND hWnd, LONG, LONG, DWORD, DWORD) { s_hChanged = hWnd; },
            ::GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
        g_bScreenReader = false;
        IAccessible* pBar = nullptr;
        ASSERT_EQ(::AccessibleObjectFromWindow(::GetDlgItem(hDlg, IDC_PROGRESS), static_cast<DWORD>(OBJID_CLIENT),
                                               IID_IAccessible, reinterpret_cast<void**>(&pBar)), S_OK);
        pBar->Release();
        Command(hDlg, IDC_NEXT);
        PumpUntil([] { return s_hChanged != nullptr; });
        g_bScreenReader = true;
        ::UnhookWinEvent(hHook);
        EXPECT_EQ(s_hChanged, ::GetDlgItem(hDlg, IDC_PROGRESS));
        EXPECT_TRUE(g_announced.empty());
    });
}
