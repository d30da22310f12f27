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

const CSettingsDlg::Stepper CSettingsDlg::kSteppers[4] = {
    {IDC_WORK_PLUS, &CSettingsDlg::m_nWorkMins, &CSettingsDlg::m_txtWork, kMaxMinutes},
    {IDC_SHORT_PLUS, &CSettingsDlg::m_nShortPauseMins, &CSettingsDlg::m_txtShortPause, kMaxMinutes},
    {IDC_LONG_PLUS, &CSettingsDlg::m_nLongPauseMins, &CSettingsDlg::m_txtLongPause, kMaxMinutes},
    {IDC_UNITS_PLUS, &CSettingsDlg::m_nUnitsPerLongPause, &CSettingsDlg::m_txtUnits, kMaxUnits},
};

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

void CSettingsDlg::OnStep(UINT nId)
{
    for (const Stepper& stepper : kSteppers) {
        int32_t& nNumber = this->*stepper.pNumber;
        if (nId == stepper.nPlusId)
            SetNumber(nNumber, StepUp(nNumber, stepper.nMax), this->*stepper.pDisplay);
        else if (nId == stepper.nPlusId + 1)
            SetNumber(nNumber, StepDown(nNumber), this->*stepper.pDisplay);
    }
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
