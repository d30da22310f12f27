// CSettingsDlg: the settings dialog "Einstellungen" with its four stepped numbers, the
// stopwatch switch and the alarm file, read from the settings file and written back on OK.
#pragma once

#include <cstdint>

#include "win32/controls.h"
#include "win32/dialog.h"

class CSettingsDlg : public CDialog {
public:
    explicit CSettingsDlg(CWnd* pParent = nullptr);

protected:
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
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
    // Takes the stepped value over and shows it in the number's display.
    static void SetNumber(int32_t& nNumber, int32_t nValue, const CStatic& display);

    static const MessageEntry<CSettingsDlg> kMessageMap[];

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
