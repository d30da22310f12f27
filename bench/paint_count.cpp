// Counts the paints of the strip's progress bar over one whole work unit: the real CTimerDlg,
// run modally, gets its countdown ticks one by one; a paint inside a tick is SetPos drawing a
// new bar width at once, a paint when the control is brought up to date after the tick is
// what the new text left for later.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>

#include "resource.h"
#include "ui/timer_dlg.h"
#include "win32/profile_file.h"

namespace {

// From the start of work unit 1 to the tick that begins the pause.
constexpr int kPhaseTicks = 1501;

const char kCounterProperty[] = "Tarnovell.PaintCounter";

// Sits in front of the control's procedure and counts the paints that reach it.
struct PaintCounter {
    WNDPROC pfnNext = nullptr;
    int nPaints = 0;

    static LRESULT CALLBACK CountingProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        auto* self = static_cast<PaintCounter*>(::GetPropA(hWnd, kCounterProperty));
        if (message == WM_PAINT)
            ++self->nPaints;
        return ::CallWindowProcA(self->pfnNext, hWnd, message, wParam, lParam);
    }

    void Install(HWND hWnd)
    {
        ::SetPropA(hWnd, kCounterProperty, this);
        pfnNext = reinterpret_cast<WNDPROC>(
            ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CountingProc)));
    }

    void Remove(HWND hWnd) const
    {
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(pfnNext));
        ::RemovePropA(hWnd, kCounterProperty);
    }
};

// The strip, silent, counting its bar's paints over a work unit once its loop runs.
class CountingTimerDlg : public CTimerDlg {
public:
    static constexpr UINT kRunPhase = WM_APP + 1;

    using CTimerDlg::CTimerDlg;

    int m_nSetPosPaints = 0;
    int m_nTextPaints = 0;
    int m_nTicksWithBoth = 0;
    int m_nWidth = 0;
    std::string m_strLastText;

protected:
    void PlayAlarm(const wchar_t*) override {}

    BOOL OnInitDialog() override
    {
        const BOOL bResult = CTimerDlg::OnInitDialog();
        // Taken by the dialog's own loop, once it runs.
        ::PostMessageA(m_hWnd, kRunPhase, 0, 0);
        return bResult;
    }

    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override
    {
        if (message != kRunPhase)
            return CTimerDlg::OnWndMsg(message, wParam, lParam, result);
        RunPhase();
        result = 0;
        return true;
    }

private:
    void RunPhase()
    {
        const HWND hProgress = GetDlgItem(IDC_PROGRESS);
        // Whatever the start left to paint is painted before counting begins.
        ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        RECT rcBar{};
        ::GetClientRect(hProgress, &rcBar);
        m_nWidth = rcBar.right;
        SendMessage(WM_COMMAND, MAKEWPARAM(IDC_START, BN_CLICKED));
        PaintCounter counter;
        counter.Install(hProgress);
        for (int nTick = 0; nTick < kPhaseTicks; ++nTick) {
            const int nBefore = counter.nPaints;
            SendMessage(WM_TIMER, 0, 0);
            const int nInTick = counter.nPaints - nBefore;
            ::UpdateWindow(hProgress);
            const int nAfterTick = counter.nPaints - nBefore - nInTick;
            m_nSetPosPaints += nInTick;
            m_nTextPaints += nAfterTick;
            if (nInTick > 0 && nAfterTick > 0)
                ++m_nTicksWithBoth;
        }
        counter.Remove(hProgress);
        char text[64] = {};
        ::GetWindowTextA(hProgress, text, sizeof text);
        m_strLastText = text;
        EndDialog(IDCANCEL);
    }
};

}  // namespace

int main()
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);
    // No file: every setting is its default, and nothing is written.
    const ProgramSettingsFile noFile(L"");
    CountingTimerDlg dlg(noFile, L"Tarnovell paint count");
    if (dlg.DoModal() != IDCANCEL) {
        std::fprintf(stderr, "paint_count: the strip did not run\n");
        return 1;
    }
    std::printf("paint_ticks %d\n", kPhaseTicks);
    std::printf("paint_bar_width %d\n", dlg.m_nWidth);
    std::printf("paint_setpos %d\n", dlg.m_nSetPosPaints);
    std::printf("paint_text %d\n", dlg.m_nTextPaints);
    std::printf("paint_total %d\n", dlg.m_nSetPosPaints + dlg.m_nTextPaints);
    std::printf("paint_ticks_with_both %d\n", dlg.m_nTicksWithBoth);
    std::printf("paint_last_text %s\n", dlg.m_strLastText.c_str());
    return 0;
}
