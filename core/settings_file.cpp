// The settings records mapped onto the keys of a settings file, each record saved whole with its
// keys in a fixed order; the file access itself is the platform's.
#include "settings_file.h"

#include <charconv>
#include <cstdio>

namespace {

std::string IntText(int32_t nValue)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d", nValue);
    return text;
}

}  // namespace

bool ProfileFile::WriteKeys(const char* section, std::span<const ProfileEntry> entries) const
{
    for (const ProfileEntry& entry : entries)
        WriteString(section, entry.key, entry.text.c_str());
    return true;
}

int32_t RunProfile::ReadInt(const char* section, const char* key, int32_t nDefault) const
{
    const auto kept = m_kept.find({section, key});
    if (kept == m_kept.end())
        return m_file.ReadInt(section, key, nDefault);
    // Kept texts are the program's own decimal numbers.
    int32_t nValue = nDefault;
    std::from_chars(kept->second.data(), kept->second.data() + kept->second.size(), nValue);
    return nValue;
}

std::string RunProfile::ReadString(const char* section, const char* key, const char* defaultText) const
{
    const auto kept = m_kept.find({section, key});
    return kept != m_kept.end() ? kept->second : m_file.ReadString(section, key, defaultText);
}

void RunProfile::WriteString(const char* section, const char* key, const char* text) const
{
    const ProfileEntry entry{key, text};
    WriteKeys(section, std::span(&entry, 1));
}

bool RunProfile::WriteKeys(const char* section, std::span<const ProfileEntry> entries) const
{
    const bool bStored = m_file.WriteKeys(section, entries);
    for (const ProfileEntry& entry : entries) {
        if (bStored)
            m_kept.erase({section, entry.key});
        else
            m_kept[{section, entry.key}] = entry.text;
    }
    return bStored;
}

int32_t SettingsFile::ReadInt(const char* section, const char* key, int32_t nDefault, const ProfileFile& file)
{
    return file.ReadInt(section, key, nDefault);
}

std::string SettingsFile::ReadString(const char* section, const char* key, const char* defaultText,
                                     const ProfileFile& file)
{
    const std::string text = file.ReadString(section, key, defaultText);
    return std::string(CutToCharacters(text, kMaxSettingText, file.CodePage()));
}

void SettingsFile::WriteInt(const char* section, const char* key, int32_t nValue, const ProfileFile& file)
{
    WriteString(section, key, IntText(nValue).c_str(), file);
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
    const ProfileEntry entries[] = {
        {kKeyWork, IntText(settings.m_nWorkMins)},
        {kKeyShortPause, IntText(settings.m_nShortPauseMins)},
        {kKeyLongPause, IntText(settings.m_nLongPauseMins)},
        {kKeyUnits, IntText(settings.m_nUnitsPerLongPause)},
        {kKeyStopwatch, IntText(settings.m_bStopwatch)},
        {kKeyAlarm, settings.m_strAlarmFile},
    };
    file.WriteKeys(kSectionUnit, entries);
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
    const ProfileEntry entries[] = {
        {kKeyLeft, IntText(pos.m_nLeft)},
        {kKeyTop, IntText(pos.m_nTop)},
        {kKeyWidth, IntText(pos.m_nWidth)},
        {kKeyHeight, IntText(pos.m_nHeight)},
    };
    file.WriteKeys(kSectionPos, entries);
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
