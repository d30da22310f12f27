// A whole day in one run: 86,400 countdown and 86,400 stopwatch ticks through the real strip,
// with every phase change, alarm and paint, and nothing may grow while they pass; and thousands
// of changes of every button's picture, each one drawn, which must leave no GDI or USER object
// behind.
#include <gtest/gtest.h>

#include <windows.h>
#include <psapi.h>
#include <shlwapi.h>
#include <winternl.h>

#include <string>
#include <vector>

#include "core/settings.h"
#include "core/status_display.h"
#include "core/stopwatch.h"
#include "core/unit_cycle.h"
#include "modal_driver.h"
#include "recording_timer_dlg.h"
#include "ui/about_dlg.h"
#include "ui/settings_dlg.h"
#include "win32/lazy_import.h"
#include "settings_file_access.h"
#include "resource.h"

namespace {

constexpr int kDay = 24 * 60 * 60;

SIZE_T WorkingSet()
{
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    ::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof counters);
    return counters.WorkingSetSize;
}

// Wine shares its GDI handle table with the process as Windows does; the environment block
// holds it at 0xF8 on x64: 65,536 entries of 24 bytes, a used one with its type at byte 14.
DWORD WineGdiObjects()
{
    PROCESS_BASIC_INFORMATION info{};
    ::NtQueryInformationProcess(::GetCurrentProcess(), ProcessBasicInformation, &info, sizeof info, nullptr);
    const auto* peb = reinterpret_cast<const BYTE*>(info.PebBaseAddress);
    const auto* table = *reinterpret_cast<const BYTE* const*>(peb + 0xF8);
    DWORD nCount = 0;
    for (int i = 0; table && i < 0x10000; ++i)
        nCount += table[i * 24 + 14] != 0;
    return nCount;
}

// A USER handle of Wine is 0x20 + 2 x its slot in the table, with a generation above; a handle
// without a generation names whatever lives in the slot. Of what a process holds, its windows,
// menus and icons (cursors among them) are looked for in every slot.
DWORD WineUserObjects()
{
    const DWORD nProcess = ::GetCurrentProcessId();
    DWORD nCount = 0;
    for (UINT_PTR nHandle = 0x20; nHandle <= 0xFFEF; nHandle += 2) {
        const auto hWnd = reinterpret_cast<HWND>(nHandle);
        DWORD nOwner = 0;
        ICONINFO icon{};
        if (::IsWindow(hWnd) && ::GetWindowThreadProcessId(hWnd, &nOwner) && nOwner == nProcess) {
            ++nCount;
        } else if (::IsMenu(reinterpret_cast<HMENU>(hWnd))) {
            ++nCount;
        } else if (::GetIconInfo(reinterpret_cast<HICON>(hWnd), &icon)) {
            ++nCount;
            ::DeleteObject(icon.hbmColor);
            ::DeleteObject(icon.hbmMask);
        }
    }
    return nCount;
}

// The GDI and USER objects of this process as Windows counts them, or as Wine's tables show
// them: Wine's GetGuiResources counts nothing.
void GuiObjectCounts(DWORD& gdi, DWORD& user)
{
    ::SetLastError(0);
    gdi = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    user = ::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS);
    if (::GetLastError() == ERROR_CALL_NOT_IMPLEMENTED || gdi == 0) {
        gdi = WineGdiObjects();
        user = WineUserObjects();
    }
}

// The slot a new GDI object gets: freed slots are reused, so it stays low unless objects leak.
DWORD NextGdiSlot()
{
    HBRUSH probe = ::CreateSolidBrush(RGB(1, 2, 3));
    const auto slot = static_cast<DWORD>(reinterpret_cast<UINT_PTR>(probe) & 0xFFFF);
    ::DeleteObject(probe);
    return slot;
}

void OneSecond(HWND hDlg, int nSecond)
{
    ::SendMessageA(hDlg, WM_TIMER, 0, 0);
    ::SendMessageA(hDlg, WM_TIMER, 1, 0);
    // The deferred paints of the new texts, as the message loop would run them; every tenth
    // second is enough to put thousands of paints through the off-screen buffer.
    if (nSecond % 10 == 0)
        ::RedrawWindow(hDlg, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

}  // namespace

TEST(Soak, ADayOfTicksLeavesTheStripAsTheCyclePredictsAndGrowsNothing)
{
    RemoveSettings();
    // The cycle the strip must end up in, counted without any window.
    UnitCycle expected;
    expected.Reset(TimerSettings{});
    int nPhaseChanges = 0;
    for (int i = 0; i < kDay; ++i)
        nPhaseChanges += expected.Tick() ? 1 : 0;

    RecordingTimerDlg dlg;
    RunWhenIdle([&] {
        HWND hDlg = dlg.GetSafeHwnd();
        ::SendMessageA(hDlg, WM_COMMAND, IDC_START, 0);
        ::SendMessageA(hDlg, WM_COMMAND, IDC_STOPWATCH_START, 0);
        // An hour first, so that every cache the paints use is warm before the baseline.
        const int nWarmUp = 3600;
        for (int i = 0; i < nWarmUp; ++i)
            OneSecond(hDlg, i);
        DWORD gdiBefore = 0;
        DWORD userBefore = 0;
        GuiObjectCounts(gdiBefore, userBefore);
        const DWORD slotBefore = NextGdiSlot();
        const SIZE_T workingSetBefore = WorkingSet();

        for (int i = nWarmUp; i < kDay; ++i)
            OneSecond(hDlg, i);

        DWORD gdiAfter = 0;
        DWORD userAfter = 0;
        GuiObjectCounts(gdiAfter, userAfter);
        EXPECT_EQ(gdiAfter, gdiBefore);
        EXPECT_EQ(userAfter, userBefore);
        // A leak of one object per paint would have used up tens of thousands of slots.
        EXPECT_LT(NextGdiSlot(), slotBefore + 64) << "GDI objects leak";
        EXPECT_LT(WorkingSet(), workingSetBefore + 512 * 1024) << "memory grows with the ticks";

        char text[64] = {};
        ::GetDlgItemTextA(hDlg, IDC_PROGRESS, text, sizeof text);
        EXPECT_EQ(std::string(text), StatusText(expected).view());
        EXPECT_EQ(::SendDlgItemMessageW(hDlg, IDC_PROGRESS, PBM_GETPOS, 0, 0), expected.m_nElapsed);
        EXPECT_EQ(::SendDlgItemMessageW(hDlg, IDC_PROGRESS, PBM_GETRANGE, FALSE, 0), expected.m_nTotal);
        EXPECT_EQ(::SendDlgItemMessageW(hDlg, IDC_PROGRESS, PBM_GETBARCOLOR, 0, 0), BarColour(expected));
        EXPECT_EQ(dlg.m_alarms.size(), static_cast<size_t>(nPhaseChanges));
        ::GetDlgItemTextA(hDlg, IDC_STOPWATCH_TEXT, text, sizeof text);
        EXPECT_STREQ(text, "24:00:00");
        PressEscape(hDlg);
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    // A round of four units with their pauses takes 4 x 1501 + 3 x 301 + 1801 = 8708 ticks: a day
    // is nine rounds of eight changes and seven changes of the tenth.
    EXPECT_EQ(nPhaseChanges, 79);
}

TEST(Soak, AThousandChangesOfEveryButtonsPictureLeaveNoObjectBehind)
{
    RemoveSettings();
    RecordingTimerDlg dlg;
    RunWhenIdle([&] {
        HWND hDlg = dlg.GetSafeHwnd();
        // Start and pause, the caption toggle both ways, the stopwatch's start or stop and a
        // settings load, which pauses and makes the strip compact again; a change of DPI first.
        // Every picture is drawn, a button pressed and one whose visual style changed too.
        int nDpi = 96;
        const auto changeEveryPicture = [&] {
            nDpi = 240 - nDpi;
            ::SendMessageA(hDlg, WM_DPICHANGED, MAKEWPARAM(nDpi, nDpi), 0);
            ::SendMessageA(hDlg, WM_COMMAND, IDC_START, 0);
            ::SendMessageA(hDlg, WM_COMMAND, IDC_CAPTION, 0);
            ::SendMessageA(hDlg, WM_COMMAND, IDC_STOPWATCH_START, 0);
            dlg.ApplySettings();
            ::SendDlgItemMessageA(hDlg, IDC_STOPWATCH_RESET, BM_SETSTATE, nDpi == 96, 0);
            ::SendDlgItemMessageA(hDlg, IDC_NEXT, WM_THEMECHANGED, 0, 0);
            ::RedrawWindow(hDlg, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        };
        changeEveryPicture();
        DWORD gdiBefore = 0;
        DWORD userBefore = 0;
        GuiObjectCounts(gdiBefore, userBefore);
        for (int i = 0; i < 1000; ++i)
            changeEveryPicture();
        DWORD gdiAfter = 0;
        DWORD userAfter = 0;
        GuiObjectCounts(gdiAfter, userAfter);
        EXPECT_EQ(gdiAfter, gdiBefore) << "GDI objects leak";
        EXPECT_EQ(userAfter, userBefore) << "USER objects leak";
        PressEscape(hDlg);
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

TEST(Soak, ADpiThatNoScreenHasLeavesTheStripAsItIsAndMakesNothingLarge)
{
    RemoveSettings();
    RecordingTimerDlg dlg;
    RunWhenIdle([&] {
        HWND hDlg = dlg.GetSafeHwnd();
        RECT before{};
        ::GetWindowRect(hDlg, &before);
        const SIZE_T nBefore = WorkingSet();
        // Pictures made at 65535 DPI would take gigabytes; any program may post the message.
        for (const int nDpi : {65535, 961, 47, 0}) {
            SIZE size{};
            EXPECT_FALSE(::SendMessageA(hDlg, WM_GETDPISCALEDSIZE, nDpi, reinterpret_cast<LPARAM>(&size))) << nDpi;
            ::PostMessageA(hDlg, WM_DPICHANGED, MAKEWPARAM(nDpi, nDpi), 0);
        }
        MSG msg{};
        while (::PeekMessageA(&msg, hDlg, WM_DPICHANGED, WM_DPICHANGED, PM_REMOVE))
            ::DispatchMessageA(&msg);
        RECT after{};
        ::GetWindowRect(hDlg, &after);
        EXPECT_TRUE(::EqualRect(&before, &after));
        EXPECT_LT(WorkingSet(), nBefore + 32 * 1024 * 1024);
        PressEscape(hDlg);
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

// Under the common controls 6, whose button keeps a copy of any picture it is given, the dialogs
// must give none: two hundred openings of each leave the counts as they were.
TEST(Soak, TwoHundredOpeningsOfTheSettingsDialogAndTheAboutBoxLeaveNoObjectBehind)
{
    RemoveSettings();
    const auto openBoth = [] {
        CSettingsDlg settings(TestSettingsFile());
        RunWhenIdle([&] { PressEscape(settings.GetSafeHwnd()); });
        EXPECT_EQ(settings.DoModal(), IDCANCEL);
        CAboutDlg about;
        RunWhenIdle([&] { PressEscape(about.GetSafeHwnd()); });
        EXPECT_EQ(about.DoModal(), IDCANCEL);
    };
    openBoth();
    // The dialogs ran under version 6: Windows tells it by the version, Wine only by the folder of
    // the version's assembly that it loads the library from.
    HMODULE hCommonControls = LoadSystemLibrary("comctl32.dll");
    DLLVERSIONINFO version{};
    version.cbSize = sizeof version;
    const auto pfnGetVersion = reinterpret_cast<DLLGETVERSIONPROC>(
        reinterpret_cast<void*>(::GetProcAddress(hCommonControls, "DllGetVersion")));
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(hCommonControls, path, MAX_PATH);
    ASSERT_TRUE(pfnGetVersion && pfnGetVersion(&version) == S_OK);
    EXPECT_TRUE(version.dwMajorVersion == 6 || std::wstring(path).find(L"common-controls_6595b64144ccf1df_6.") !=
                                                   std::wstring::npos)
        << version.dwMajorVersion;
    DWORD gdiBefore = 0, userBefore = 0, gdiAfter = 0, userAfter = 0;
    GuiObjectCounts(gdiBefore, userBefore);
    for (int i = 0; i < 200; ++i)
        openBoth();
    GuiObjectCounts(gdiAfter, userAfter);
    EXPECT_EQ(gdiAfter, gdiBefore) << "GDI objects leak";
    EXPECT_EQ(userAfter, userBefore) << "USER objects leak";
}
