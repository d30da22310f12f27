// The strip as the window tests run it: silent, with every alarm recorded as it was handed to
// the sound call.
#pragma once

#include <string>
#include <vector>

#include "settings_file_access.h"
#include "ui/timer_dlg.h"

class RecordingTimerDlg : public CTimerDlg {
public:
    explicit RecordingTimerDlg(const DesktopQuestions& questions = {})
        : CTimerDlg(TestSettingsFile(), L"Tarnovell test strip", questions) {}

    std::vector<std::wstring> m_alarms;

protected:
    void PlayAlarm(const wchar_t* file) override { m_alarms.emplace_back(file); }
};
