// Not a test: the strip as it shows with high contrast on and a black theme, for scripts/screenshot.
// Wine can switch neither on, so this program tells the strip that the switch is on and sets the
// black theme's colours for itself; everything else is the strip itself, reading no settings file.
// It ends when the strip does (its red cross, as strip_remote clicks it).
#include <windows.h>

#include <iterator>

#include "ui/timer_dlg.h"
#include "win32/common_controls.h"
#include "win32/profile_file.h"

int main()
{
    const INT elements[] = {COLOR_BTNFACE, COLOR_BTNTEXT, COLOR_WINDOW, COLOR_WINDOWTEXT, COLOR_HIGHLIGHT,
                            COLOR_HIGHLIGHTTEXT, COLOR_3DHILIGHT, COLOR_3DSHADOW};
    const COLORREF black[] = {RGB(0, 0, 0),      RGB(255, 255, 255), RGB(0, 0, 0),       RGB(255, 255, 255),
                              RGB(26, 235, 255), RGB(0, 0, 0),       RGB(255, 255, 255), RGB(255, 255, 255)};
    ::SetSysColors(static_cast<int>(std::size(elements)), elements, black);
    CommonControls::InitClasses(ICC_PROGRESS_CLASS);
    DesktopQuestions questions;
    questions.pHighContrast = [] { return true; };
    const ProgramSettingsFile noFile(L"", false);
    CTimerDlg strip(noFile, L"Tarnovell high contrast picture", questions);
    strip.DoModal();
    return 0;
}
