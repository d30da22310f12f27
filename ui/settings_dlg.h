// CSettingsDlg: the settings dialog "Einstellungen" with its four stepped numbers, the
// stopwatch switch and the alarm file, and its group "Ablauf" with the end of a phase the user's
// way; read from the settings file and written back on OK, both sections in one save.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/settings_file.h"
#include "resource.h"
#include "win32/controls.h"
#include "win32/dialog.h"

class CSettingsDlg : public CMessageMapped<CSettingsDlg, CDialog> {
public:
    // Reads and saves the settings through the file it is given, which outlives it.
    explicit CSettingsDlg(const ProfileFile& file, CWnd* pParent = nullptr);

protected:
    void DoDataExchange() override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    // A plus or minus button of one of the four numbers.
    void OnStep(UINT nId);
    void OnBrowse();
    void OnBrowsePauseAlarm();
    // The input box counts only while a work unit waits for the user.
    void OnUnitBySelf();
    // The level's trackbar, once a drag or a key press on it ends.
    void OnHScroll(UINT nCode, HWND hBar);
    // Plays the wave file at nLevel percent of its own level, to let the user hear the level.
    virtual void PlayAlarm(const std::wstring& file, int32_t nLevel);

private:
    // Each stepped number: its plus button, with its minus button the next id, the number, its
    // display and the bound of the plus button.
    struct Stepper {
        UINT nPlusId;
        int32_t CSettingsDlg::*pNumber;
        CStatic CSettingsDlg::*pDisplay;
        int32_t nMax;
    };
    static const Stepper kSteppers[4];

    // Fills the group "Ablauf" with the section's values.
    void ShowPhaseEnd(const PhaseEndSettings& settings);
    // What the dialog shows, with the paths as the settings file keeps them.
    TimerSettings TimerShown(std::string alarm) const;
    PhaseEndSettings PhaseEndShown(std::string pauseAlarm) const;
    // Puts the path of a picked wave file into the field.
    void BrowseInto(const CEdit& field) const;
    // Tells that the picked file's name cannot be kept; the path shown before stays.
    void SayNameCannotBeKept(const std::wstring& path) const;
    // The path of the field as the settings file keeps it; where the code page cannot hold it,
    // the dialog says so, the field shows the saved path again and there is none.
    std::optional<std::string> PathToKeep(const CEdit& field, const std::string& saved) const;
    // Takes the stepped value over and shows it in the number's display.
    static void SetNumber(int32_t& nNumber, int32_t nValue, const CStatic& display);

    friend CMessageMapped;
    static constexpr MessageEntry<CSettingsDlg> kMessageMap[] = {
        OnCommandRange(IDC_WORK_PLUS, IDC_UNITS_MINUS, &CSettingsDlg::OnStep),
        OnCommandId(IDC_BROWSE, &CSettingsDlg::OnBrowse),
        OnCommandId(IDC_PAUSE_BROWSE, &CSettingsDlg::OnBrowsePauseAlarm),
        OnCommandId(IDC_UNIT_BY_SELF, &CSettingsDlg::OnUnitBySelf),
        OnHScrollMessage<&CSettingsDlg::OnHScroll>(),
    };

    const ProfileFile& m_file;
    // The warning's sound has no control; it goes back as the file held it.
    std::string m_strWarningSound;

public:
    int32_t m_nWorkMins = 0;
    int32_t m_nShortPauseMins = 0;
    int32_t m_nLongPauseMins = 0;
    int32_t m_nUnitsPerLongPause = 0;
    CEdit m_edtAlarm;
    CButton m_chkStopwatch;
    CStatic m_txtLongPause;
    CStatic m_txtShortPause;
    CStatic m_txtWork;
    CStatic m_txtUnits;
    CButton m_chkPauseBySelf;
    CButton m_chkUnitBySelf;
    CButton m_chkUnitAtInput;
    CEdit m_edtRepeat;
    CSpinButtonCtrl m_spnRepeat;
    CEdit m_edtWarning;
    CSpinButtonCtrl m_spnWarning;
    CSliderCtrl m_sldLevel;
    CEdit m_edtPauseAlarm;
    CButton m_chkStartAtOnce;
};
