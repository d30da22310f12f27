// The alarm's wave file as the sound call is to find it, and the call that plays it.
#include "alarm_sound.h"

#include "core/settings.h"
#include "file_exists.h"
#include "wide_text.h"

// The system looks for a relative path in the working directory and the system's folders, never
// beside the program: a strip started from elsewhere would ring the default sound instead.
std::wstring AlarmToPlay(const std::string& alarmFile)
{
    std::wstring alarm = WidenAnsi(alarmFile);
    std::wstring beside = AlarmPathBeside(ExecutablePath(), alarm);
    return !beside.empty() && IsFile(beside) ? beside : alarm;
}
