// CSettingsDlg: the settings dialog "Einstellungen" with its four stepped numbers, the
// stopwatch switch and the alarm file, read from the settings file and written back on OK.
#include "settings_dlg.h"

#include <optional>
#include <string>

#include "core/settings_file.h"
#include "core/value_steps.h"
#include "resource.h"
#include "win32/file_dialog.h"
#include "win32/resource_string.h"
#include "win32/wide_text.h"

namespace {

// The plus buttons stop here; the minus buttons stop at 1.
constexpr int32_t kMaxMinutes = 60;
constexpr int32_t kMaxUnits = 10;

}  // namespace

CSettingsDlg::CSettingsDlg(const ProfileFile& file, CWnd* pParent)
    : CMessageMapped(IDD_SETTINGS, pParent), m_file(file)
{
}

void CSettingsDlg::DoDataExchange()
{
    DDX_Control(IDC_ALARM_EDIT, m_edtAlarm);
    DDX_Control(IDC_STOPWATCH_CHECK, m_chkStopwatch);
    DDX_Control(IDC_LONG_TEXT, m_txtLongPause);
    DDX_Control(IDC_SHORT_TEXT, m_txtShortPause);
    DDX_Control(IDC_WORK_TEXT, m_txtWork);
    DDX_Control(IDC_UNITS_TEXT, m_txtUnits);
}

BOOL CSettingsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    // Whatever the file holds is shown, even outside the bounds of the buttons.
    const TimerSettings settings = SettingsFile::LoadTimerSettings(kAlarmDefaultDialog, m_file);
    SetNumber(m_nWorkMins, settings.m_nWorkMins, m_txtWork);
    SetNumber(m_nShortPauseMins, settings.m_nShortPauseMins, m_txtShortPause);
    SetNumber(m_nLongPauseMins, settings.m_nLongPauseMins, m_txtLongPause);
    SetNumber(m_nUnitsPerLongPause, settings.m_nUnitsPerLongPause, m_txtUnits);
    m_chkStopwatch.SetCheck(settings.m_bStopwatch);
    m_edtAlarm.SetWindowText(settings.m_strAlarmFile.c_str());

    // The dialog manager puts the focus on the first control in tab order, OK.
    return TRUE;
}

void CSettingsDlg::OnOK()
{
    const std::optional<std::string> alarm = AlarmToKeep();
    if (!alarm)
        return;
    TimerSettings settings;
    settings.m_nWorkMins = m_nWorkMins;
    settings.m_nShortPauseMins = m_nShortPauseMins;
    settings.m_nLongPauseMins = m_nLongPauseMins;
    settings.m_nUnitsPerLongPause = m_nUnitsPerLongPause;
    settings.m_bStopwatch = m_chkStopwatch.GetCheck() == BST_CHECKED ? 1 : 0;
    settings.m_strAlarmFile = *alarm;
    SettingsFile::SaveTimerSettings(settings, m_file);

    CDialog::OnOK();
}

void CSettingsDlg::OnWorkPlus()
{
    SetNumber(m_nWorkMins, StepUp(m_nWorkMins, kMaxMinutes), m_txtWork);
}

void CSettingsDlg::OnWorkMinus()
{
    SetNumber(m_nWorkMins, StepDown(m_nWorkMins), m_txtWork);
}

void CSettingsDlg::OnShortPausePlus()
{
    SetNumber(m_nShortPauseMins, StepUp(m_nShortPauseMins, kMaxMinutes), m_txtShortPause);
}

void CSettingsDlg::OnShortPauseMinus()
{
    SetNumber(m_nShortPauseMins, StepDown(m_nShortPauseMins), m_txtShortPause);
}

void CSettingsDlg::OnLongPausePlus()
{
    SetNumber(m_nLongPauseMins, StepUp(m_nLongPauseMins, kMaxMinutes), m_txtLongPause);
}

void CSettingsDlg::OnLongPauseMinus()
{
    SetNumber(m_nLongPauseMins, StepDown(m_nLongPauseMins), m_txtLongPause);
}

void CSettingsDlg::OnUnitsPlus()
{
    SetNumber(m_nUnitsPerLongPause, StepUp(m_nUnitsPerLongPause, kMaxUnits), m_txtUnits);
}

void CSettingsDlg::OnUnitsMinus()
{
    SetNumber(m_nUnitsPerLongPause, StepDown(m_nUnitsPerLongPause), m_txtUnits);
}

void CSettingsDlg::OnBrowse()
{
    // Browsing starts wherever the platform likes, not from the path in the field; a name
    // typed without an extension gets ".WAV".
    CFileDialog dlgFile("WAV", nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, "WAV-Dateien (*.WAV)|*.WAV||");
    if (dlgFile.DoModal() != IDOK)
        return;
    // The settings file keeps the path in the code page, by its short name if it must.
    const std::wstring path = dlgFile.GetPathName();
    if (const std::optional<std::string> kept = AnsiPath(path))
        m_edtAlarm.SetWindowText(kept->c_str());
    else
        SayNameCannotBeKept(path);
}

// A typed path goes by the rule of a picked one: kept as it is, or by its short name.
std::optional<std::string> CSettingsDlg::AlarmToKeep() const
{
    const std::wstring typed = m_edtAlarm.GetWindowTextWide();
    std::optional<std::string> kept = AnsiPath(typed);
    if (!kept) {
        SayNameCannotBeKept(typed);
        m_edtAlarm.SetWindowText(SettingsFile::LoadTimerSettings(kAlarmDefaultDialog, m_file).m_strAlarmFile.c_str());
    }
    return kept;
}

void CSettingsDlg::SayNameCannotBeKept(const std::wstring& path) const
{
    const std::wstring text = ProgramString(IDS_ALARM_NAME_NOT_KEPT) + L"\n\n" + path;
    ::MessageBoxW(m_hWnd, text.c_str(), L"Tarnovell", MB_OK | MB_ICONWARNING);
}

void CSettingsDlg::SetNumber(int32_t& nNumber, int32_t nValue, const CStatic& display)
{
    nNumber = nValue;
    display.SetWindowText(NumberText(nValue).c_str());
}
