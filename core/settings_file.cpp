// The settings records read and written key by key; the file access itself is the platform's.
#include "settings_file.h"

#include <cstdio>

void SettingsFile::WriteInt(const char* section, const char* key, int32_t nValue)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d", nValue);
    WriteString(section, key, text);
}

TimerSettings SettingsFile::LoadTimerSettings(const char* alarmDefault)
{
    TimerSettings settings;
    settings.m_nWorkMins = ReadInt(kSectionUnit, kKeyWork, kDefaultWorkMins);
    settings.m_nShortPauseMins = ReadInt(kSectionUnit, kKeyShortPause, kDefaultShortPauseMins);
    settings.m_nLongPauseMins = ReadInt(kSectionUnit, kKeyLongPause, kDefaultLongPauseMins);
    settings.m_nUnitsPerLongPause = ReadInt(kSectionUnit, kKeyUnits, kDefaultUnitsPerLongPause);
    settings.m_bStopwatch = ReadInt(kSectionUnit, kKeyStopwatch, kDefaultStopwatch);
    settings.m_strAlarmFile = ReadString(kSectionUnit, kKeyAlarm, alarmDefault);
    return settings;
}

void SettingsFile::SaveTimerSettings(const TimerSettings& settings)
{
    WriteInt(kSectionUnit, kKeyWork, settings.m_nWorkMins);
    WriteInt(kSectionUnit, kKeyShortPause, settings.m_nShortPauseMins);
    WriteInt(kSectionUnit, kKeyLongPause, settings.m_nLongPauseMins);
    WriteInt(kSectionUnit, kKeyUnits, settings.m_nUnitsPerLongPause);
    WriteInt(kSectionUnit, kKeyStopwatch, settings.m_bStopwatch);
    WriteString(kSectionUnit, kKeyAlarm, settings.m_strAlarmFile.c_str());
}

WindowPos SettingsFile::LoadWindowPos(const WindowPos& defaults)
{
    return WindowPos{ReadInt(kSectionPos, kKeyLeft, defaults.m_nLeft), ReadInt(kSectionPos, kKeyTop, defaults.m_nTop),
                     ReadInt(kSectionPos, kKeyWidth, defaults.m_nWidth),
                     ReadInt(kSectionPos, kKeyHeight, defaults.m_nHeight)};
}

void SettingsFile::SaveWindowPos(const WindowPos& pos)
{
    WriteInt(kSectionPos, kKeyLeft, pos.m_nLeft);
    WriteInt(kSectionPos, kKeyTop, pos.m_nTop);
    WriteInt(kSectionPos, kKeyWidth, pos.m_nWidth);
    WriteInt(kSectionPos, kKeyHeight, pos.m_nHeight);
}
