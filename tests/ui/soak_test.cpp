// A whole day in one run: 86,400 countdown and 86,400 stopwatch ticks through the real strip,
// with every phase change, alarm and paint, and nothing may grow while they pass.
#include <gtest/gtest.h>

#include <windows.h>
#include <psapi.h>

#include <string>

#include "core/settings.h"
#include "core/status_display.h"
#include "core/stopwatch.h"
#include "core/unit_cycle.h"
#include "modal_driver.h"
#include "recording_timer_dlg.h"
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

// What the system counts of this process's GDI and USER objects; Wine counts nothing and says so.
bool GuiObjectCounts(DWORD& gdi, DWORD& user)
{
    ::SetLastError(0);
    gdi = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    user = ::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS);
    return ::GetLastError() != ERROR_CALL_NOT_IMPLEMENTED && gdi != 0;
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
        const bool bCounted = GuiObjectCounts(gdiBefore, userBefore);
        const DWORD slotBefore = NextGdiSlot();
        const SIZE_T workingSetBefore = WorkingSet();

        for (int i = nWarmUp; i < kDay; ++i)
            OneSecond(hDlg, i);

        DWORD gdiAfter = 0;
        DWORD userAfter = 0;
        if (bCounted) {
            GuiObjectCounts(gdiAfter, userAfter);
            EXPECT_EQ(gdiAfter, gdiBefore);
            EXPECT_EQ(userAfter, userBefore);
        }
        // A leak of one object per paint would have used up tens of thousands of slots.
        EXPECT_LT(NextGdiSlot(), slotBefore + 64) << "GDI objects leak";
        EXPECT_LT(WorkingSet(), workingSetBefore + 512 * 1024) << "memory grows with the ticks";

        char text[64] = {};
        ::GetDlgItemTextA(hDlg, IDC_PROGRESS, text, sizeof text);
        EXPECT_EQ(std::string(text), StatusText(expected).view());
        EXPECT_EQ(dlg.m_progress.m_nPos, expected.m_nElapsed);
        EXPECT_EQ(dlg.m_progress.m_nUpper, expected.m_nTotal);
        EXPECT_EQ(dlg.m_progress.m_crBarClr, BarColour(expected));
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
