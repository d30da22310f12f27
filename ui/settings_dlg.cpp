// CSettingsDlg: the settings dialog's values shown, stepped, picked and saved.
#include "settings_dlg.h"

#include <optional>
#include <string>
#include <utility>

#include "core/phase_end.h"
#include "core/settings_file.h"
#include "apps_mode_caption.h"
#include "core/value_steps.h"
#include "resource.h"
#include "win32/alarm_sound.h"
#include "win32/common_controls.h"
#include "win32/file_dialog.h"
#include "win32/resource_string.h"
#include "win32/wide_text.h"

namespace {

// The plus buttons stop here; the minus buttons stop at 1.
constexpr int32_t kMaxMinutes = 60;
constexpr int32_t kMaxUnits = 10;

// The number of a field with digits only; an empty one is off.
int32_t NumberIn(const CEdit& field)
{
    return SettingNumber(field.GetWindowText()).value_or(0);
}

// The field takes as many digits as its largest number has, and the arrows stop at that number.
void SetUpNumber(const CEdit& field, const CSpinButtonCtrl& spin, int32_t nMax, int32_t nValue)
{
    field.SetLimitText(static_cast<UINT>(std::to_string(nMax).size()));
    spin.SetRange32(0, nMax);
    spin.SetPos32(nValue);
}

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
    // The template's up-down controls and trackbar need their classes before it comes up.
    CommonControls::InitClasses(ICC_UPDOWN_CLASS | ICC_BAR_CLASSES);
}

void CSettingsDlg::DoDataExchange()
{
    DDX_Control(IDC_ALARM_EDIT, m_edtAlarm);
    DDX_Control(IDC_STOPWATCH_CHECK, m_chkStopwatch);
    DDX_Control(IDC_LONG_TEXT, m_txtLongPause);
    DDX_Control(IDC_SHORT_TEXT, m_txtShortPause);
    DDX_Control(IDC_WORK_TEXT, m_txtWork);
    DDX_Control(IDC_UNITS_TEXT, m_txtUnits);
    DDX_Control(IDC_PAUSE_BY_SELF, m_chkPauseBySelf);
    DDX_Control(IDC_UNIT_BY_SELF, m_chkUnitBySelf);
    DDX_Control(IDC_UNIT_AT_INPUT, m_chkUnitAtInput);
    DDX_Control(IDC_REPEAT_EDIT, m_edtRepeat);
    DDX_Control(IDC_REPEAT_SPIN, m_spnRepeat);
    DDX_Control(IDC_WARNING_EDIT, m_edtWarning);
    DDX_Control(IDC_WARNING_SPIN, m_spnWarning);
    DDX_Control(IDC_LEVEL, m_sldLevel);
    DDX_Control(IDC_PAUSE_ALARM_EDIT, m_edtPauseAlarm);
    DDX_Control(IDC_START_AT_ONCE, m_chkStartAtOnce);
}

BOOL CSettingsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    FollowAppsModeCaption(m_hWnd);

    // Whatever the file holds is shown, even outside the bounds of the buttons.
    const TimerSettings settings = SettingsFile::LoadTimerSettings(kAlarmDefaultDialog, m_file);
    SetNumber(m_nWorkMins, settings.m_nWorkMins, m_txtWork);
    SetNumber(m_nShortPauseMins, settings.m_nShortPauseMins, m_txtShortPause);
    SetNumber(m_nLongPauseMins, settings.m_nLongPauseMins, m_txtLongPause);
    SetNumber(m_nUnitsPerLongPause, settings.m_nUnitsPerLongPause, m_txtUnits);
    m_chkStopwatch.SetCheck(settings.m_bStopwatch);
    m_edtAlarm.SetWindowText(settings.m_strAlarmFile.c_str());
    ShowPhaseEnd(SettingsFile::LoadPhaseEndSettings(m_file));

    // The dialog manager puts the focus on the first control in tab order, OK.
    return TRUE;
}

void CSettingsDlg::OnOK()
{
    const std::optional<std::string> alarm =
        PathToKeep(m_edtAlarm, SettingsFile::LoadTimerSettings(kAlarmDefaultDialog, m_file).m_strAlarmFile);
    if (!alarm)
        return;
    const std::optional<std::string> pauseAlarm =
        PathToKeep(m_edtPauseAlarm, SettingsFile::LoadPhaseEndSettings(m_file).m_strPauseAlarm);
    if (!pauseAlarm)
        return;
    SettingsFile::SaveDialogSettings(TimerShown(*alarm), PhaseEndShown(*pauseAlarm), m_file);

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
    BrowseInto(m_edtAlarm);
}

void CSettingsDlg::OnBrowsePauseAlarm()
{
    BrowseInto(m_edtPauseAlarm);
}

void CSettingsDlg::OnUnitBySelf()
{
    m_chkUnitAtInput.EnableWindow(m_chkUnitBySelf.GetCheck() != BST_CHECKED);
}

void CSettingsDlg::OnHScroll(UINT nCode, HWND hBar)
{
    // The level sounds once the user lets go, not at every step of a drag.
    if (nCode != TB_ENDTRACK || hBar != m_sldLevel.GetSafeHwnd())
        return;
    // The alarm of the field, found as the strip finds it; a path the code page cannot hold, as typed.
    const std::wstring typed = m_edtAlarm.GetWindowTextWide();
    const std::optional<std::string> kept = AnsiPath(typed);
    PlayAlarm(kept ? AlarmToPlay(*kept) : typed, m_sldLevel.GetPos());
}

void CSettingsDlg::PlayAlarm(const std::wstring& file, int32_t nLevel)
{
    PlaySoundAtLevel(file, nLevel);
}

void CSettingsDlg::ShowPhaseEnd(const PhaseEndSettings& settings)
{
    m_chkPauseBySelf.SetCheck(settings.m_bPauseBySelf);
    m_chkUnitBySelf.SetCheck(settings.m_bUnitBySelf);
    m_chkUnitAtInput.SetCheck(settings.m_bUnitAtInput);
    OnUnitBySelf();
    SetUpNumber(m_edtRepeat, m_spnRepeat, kMaxRepeatSecs, settings.m_nRepeatSecs);
    // From off, one click of an arrow gives the shortest repeat.
    m_spnRepeat.SetStep(kMinRepeatSecs);
    SetUpNumber(m_edtWarning, m_spnWarning, kMaxWarningMins, settings.m_nWarningMins);
    m_sldLevel.SetRange(0, kFullLevel);
    m_sldLevel.SetTicFreq(kFullLevel / 10);
    m_sldLevel.SetPos(settings.m_nLevel);
    m_edtPauseAlarm.SetWindowText(settings.m_strPauseAlarm.c_str());
    m_chkStartAtOnce.SetCheck(settings.m_bStartAtOnce);
    m_strWarningSound = settings.m_strWarningSound;
}

TimerSettings CSettingsDlg::TimerShown(std::string alarm) const
{
    TimerSettings settings;
    settings.m_nWorkMins = m_nWorkMins;
    settings.m_nShortPauseMins = m_nShortPauseMins;
    settings.m_nLongPauseMins = m_nLongPauseMins;
    settings.m_nUnitsPerLongPause = m_nUnitsPerLongPause;
    settings.m_bStopwatch = m_chkStopwatch.GetCheck() == BST_CHECKED ? 1 : 0;
    settings.m_strAlarmFile = std::move(alarm);
    return settings;
}

// A typed number beyond the bounds is saved as the nearest the key allows.
PhaseEndSettings CSettingsDlg::PhaseEndShown(std::string pauseAlarm) const
{
    PhaseEndSettings settings;
    settings.m_bPauseBySelf = m_chkPauseBySelf.GetCheck() == BST_CHECKED;
    settings.m_bUnitBySelf = m_chkUnitBySelf.GetCheck() == BST_CHECKED;
    settings.m_bUnitAtInput = m_chkUnitAtInput.GetCheck() == BST_CHECKED;
    settings.m_nRepeatSecs = RepeatSecondsFrom(NumberIn(m_edtRepeat));
    settings.m_nWarningMins = WarningMinutesFrom(NumberIn(m_edtWarning));
    settings.m_strWarningSound = m_strWarningSound;
    settings.m_strPauseAlarm = std::move(pauseAlarm);
    settings.m_nLevel = LevelFrom(m_sldLevel.GetPos());
    settings.m_bStartAtOnce = m_chkStartAtOnce.GetCheck() == BST_CHECKED;
    return settings;
}

void CSettingsDlg::BrowseInto(const CEdit& field) const
{
    // Browsing starts wherever the platform likes, not from the path in the field; a name
    // typed without an extension gets ".WAV".
    CFileDialog dlgFile("WAV", nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, "WAV-Dateien (*.WAV)|*.WAV||");
    if (dlgFile.DoModal() != IDOK)
        return;
    // The settings file keeps the path in the code page, by its short name if it must.
    const std::wstring path = dlgFile.GetPathName();
    if (const std::optional<std::string> kept = AnsiPath(path))
        field.SetWindowText(kept->c_str());
    else
        SayNameCannotBeKept(path);
}

// A typed path goes by the rule of a picked one: kept as it is, or by its short name.
std::optional<std::string> CSettingsDlg::PathToKeep(const CEdit& field, const std::string& saved) const
{
    const std::wstring typed = field.GetWindowTextWide();
    std::optional<std::string> kept = AnsiPath(typed);
    if (!kept) {
        SayNameCannotBeKept(typed);
        field.SetWindowText(saved.c_str());
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
