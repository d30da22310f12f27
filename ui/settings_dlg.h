// CSettingsDlg: the settings dialog "Einstellungen" with its four stepped numbers, the
// stopwatch switch and the alarm file, read from the settings file and written back on OK.
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

    void OnWorkPlus();
    void OnWorkMinus();
    void OnShortPausePlus();
    void OnShortPauseMinus();
    void OnLongPausePlus();
    void OnLongPauseMinus();
    void OnUnitsPlus();
    void OnUnitsMinus();
    void OnBrowse();

private:
    // Tells that the picked file's name cannot be kept; the path shown before stays.
    void SayNameCannotBeKept(const std::wstring& path) const;
    // The alarm path of the field as the settings file keeps it; where the code page cannot
    // hold it, the dialog says so, the field shows the saved path again and there is none.
    std::optional<std::string> AlarmToKeep() const;
    // Takes the stepped value over and shows it in the number's display.
    static void SetNumber(int32_t& nNumber, int32_t nValue, const CStatic& display);

    friend CMessageMapped;
    static constexpr MessageEntry<CSettingsDlg> kMessageMap[] = {
        OnCommandId(IDC_WORK_PLUS, &CSettingsDlg::OnWorkPlus),
        OnCommandId(IDC_WORK_MINUS, &CSettingsDlg::OnWorkMinus),
        OnCommandId(IDC_SHORT_PLUS, &CSettingsDlg::OnShortPausePlus),
        OnCommandId(IDC_SHORT_MINUS, &CSettingsDlg::OnShortPauseMinus),
        OnCommandId(IDC_LONG_PLUS, &CSettingsDlg::OnLongPausePlus),
        OnCommandId(IDC_LONG_MINUS, &CSettingsDlg::OnLongPauseMinus),
        OnCommandId(IDC_UNITS_PLUS, &CSettingsDlg::OnUnitsPlus),
        OnCommandId(IDC_UNITS_MINUS, &CSettingsDlg::OnUnitsMinus),
        OnCommandId(IDC_BROWSE, &CSettingsDlg::OnBrowse),
    };

    const ProfileFile& m_file;

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
};
