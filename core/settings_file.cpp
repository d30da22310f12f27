// The settings records mapped onto the keys of a settings file, key by key in a fixed order;
// the file access itself is the platform's.
#include "settings_file.h"

#include <cstdio>

int32_t SettingsFile::ReadInt(const char* section, const char* key, int32_t nDefault, const ProfileFile& file)
{
    return file.ReadInt(section, key, nDefault);
}

std::string SettingsFile::ReadString(const char* section, const char* key, const char* defaultText,
                                     const ProfileFile& file)
{
    std::string text = file.ReadString(section, key, defaultText);
    if (text.size() > kMaxSettingText)
        text.resize(kMaxSettingText);
    return text;
}

void SettingsFile::WriteInt(const char* section, const char* key, int32_t nValue, const ProfileFile& file)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d", nValue);
    WriteString(section, key, text, file);
}

void SettingsFile::WriteString(const char* section, const char* key, const char* text, const ProfileFile& file)
{
    file.WriteString(section, key, text);
}

TimerSettings SettingsFile::LoadTimerSettings(const char* alarmDefault, const ProfileFile& file)
{
    TimerSettings settings;
    settings.m_nWorkMins = ReadInt(kSectionUnit, kKeyWork, kDefaultWorkMins, file);
    settings.m_nShortPauseMins = ReadInt(kSectionUnit, kKeyShortPause, kDefaultShortPauseMins, file);
    settings.m_nLongPauseMins = ReadInt(kSectionUnit, kKeyLongPause, kDefaultLongPauseMins, file);
    settings.m_nUnitsPerLongPause = ReadInt(kSectionUnit, kKeyUnits, kDefaultUnitsPerLongPause, file);
    settings.m_bStopwatch = ReadInt(kSectionUnit, kKeyStopwatch, kDefaultStopwatch, file);
    settings.m_strAlarmFile = ReadString(kSectionUnit, kKeyAlarm, alarmDefault, file);
    return settings;
}

void SettingsFile::SaveTimerSettings(const TimerSettings& settings, const ProfileFile& file)
{
    WriteInt(kSectionUnit, kKeyWork, settings.m_nWorkMins, file);
    WriteInt(kSectionUnit, kKeyShortPause, settings.m_nShortPauseMins, file);
    WriteInt(kSectionUnit, kKeyLongPause, settings.m_nLongPauseMins, file);
    WriteInt(kSectionUnit, kKeyUnits, settings.m_nUnitsPerLongPause, file);
    WriteInt(kSectionUnit, kKeyStopwatch, settings.m_bStopwatch, file);
    WriteString(kSectionUnit, kKeyAlarm, settings.m_strAlarmFile.c_str(), file);
}

WindowPos SettingsFile::LoadWindowPos(const WindowPos& defaults, const ProfileFile& file)
{
    return WindowPos{ReadInt(kSectionPos, kKeyLeft, defaults.m_nLeft, file),
                     ReadInt(kSectionPos, kKeyTop, defaults.m_nTop, file),
                     ReadInt(kSectionPos, kKeyWidth, defaults.m_nWidth, file),
                     ReadInt(kSectionPos, kKeyHeight, defaults.m_nHeight, file)};
}

void SettingsFile::SaveWindowPos(const WindowPos& pos, const ProfileFile& file)
{
    WriteInt(kSectionPos, kKeyLeft, pos.m_nLeft, file);
    WriteInt(kSectionPos, kKeyTop, pos.m_nTop, file);
    WriteInt(kSectionPos, kKeyWidth, pos.m_nWidth, file);
    WriteInt(kSectionPos, kKeyHeight, pos.m_nHeight, file);
}

ChordSettings SettingsFile::LoadChordSettings(const ProfileFile& file)
{
    ChordSettings chords;
    chords.m_bActive = ReadInt(kSectionChords, kKeyChordsActive, 1, file);
    for (int nAction = 0; nAction < kChordActions; ++nAction) {
        const ChordKey& key = kChordKeys[nAction];
        chords.m_chord[nAction] = ReadChord(ReadString(kSectionChords, key.key, key.defaultText, file));
    }
    return chords;
}

void SettingsFile::SaveChordsActive(int32_t bActive, const ProfileFile& file)
{
    WriteInt(kSectionChords, kKeyChordsActive, bActive, file);
}

WorkdaySettings SettingsFile::LoadWorkdaySettings(const ProfileFile& file)
{
    return WorkdaySettings{ReadInt(kSectionWorkday, kKeyFullScreen, 1, file), ReadInt(kSectionWorkday, kKeyLock, 1, file)};
}
