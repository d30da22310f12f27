// The settings records mapped onto the keys of a settings file, each record saved whole with its
// keys in a fixed order; the file access itself is the platform's.
#include "settings_file.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <vector>

#include "text_buffer.h"

namespace {

std::string IntText(int32_t nValue)
{
    return std::string(TextBuffer<16>().AppendNumber(nValue).view());
}

std::string SwitchText(bool bOn)
{
    return bOn ? "1" : "0";
}

// Each record's keys in the order they are saved.
std::array<ProfileEntry, 6> TimerEntries(const TimerSettings& settings)
{
    return {{
        {kKeyWork, IntText(settings.m_nWorkMins)},
        {kKeyShortPause, IntText(settings.m_nShortPauseMins)},
        {kKeyLongPause, IntText(settings.m_nLongPauseMins)},
        {kKeyUnits, IntText(settings.m_nUnitsPerLongPause)},
        {kKeyStopwatch, IntText(settings.m_bStopwatch)},
        {kKeyAlarm, settings.m_strAlarmFile},
    }};
}

std::array<ProfileEntry, 9> PhaseEndEntries(const PhaseEndSettings& settings)
{
    return {{
        {kKeyPauseBySelf, SwitchText(settings.m_bPauseBySelf)},
        {kKeyUnitBySelf, SwitchText(settings.m_bUnitBySelf)},
        {kKeyUnitAtInput, SwitchText(settings.m_bUnitAtInput)},
        {kKeyRepeat, IntText(settings.m_nRepeatSecs)},
        {kKeyWarning, IntText(settings.m_nWarningMins)},
        {kKeyWarningSound, settings.m_strWarningSound},
        {kKeyPauseAlarm, settings.m_strPauseAlarm},
        {kKeyLevel, IntText(settings.m_nLevel)},
        {kKeyStartAtOnce, SwitchText(settings.m_bStartAtOnce)},
    }};
}

// What the profile functions take for blanks around a name or a value.
bool IsBlank(char ch)
{
    return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\v' || ch == '\f' || ch == '\x1A';
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Section and key names are the program's ASCII names, matched in any case.
bool IsSameName(std::string_view a, std::string_view b)
{
    const auto lower = [](char ch) { return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch; };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

// The name between the brackets of a section's header, the second byte of a double-byte
// character never taken for the closing one; nothing for any other line.
std::optional<std::string_view> SectionName(std::string_view line, CharacterBytes characterBytes)
{
    if (line.empty() || line.front() != '[')
        return std::nullopt;
    for (std::size_t n = 1; n < line.size();) {
        if (line[n] == ']')
            return line.substr(1, n - 1);
        n += std::max<std::size_t>(1, characterBytes(static_cast<unsigned char>(line[n])));
    }
    return std::nullopt;
}

bool HasLineBreak(std::string_view text)
{
    return text.find_first_of("\r\n") != std::string_view::npos;
}

}  // namespace

std::optional<std::string> WithEntries(std::string_view text, std::string_view section,
                                       std::span<const ProfileEntry> entries, CharacterBytes characterBytes)
{
    if (std::any_of(entries.begin(), entries.end(),
                    [](const ProfileEntry& entry) { return HasLineBreak(entry.key) || HasLineBreak(entry.text); }))
        return std::nullopt;
    std::string result;
    result.reserve(text.size() + 64 * entries.size());
    std::vector<bool> bSet(entries.size());
    bool bInSection = false, bFound = false;
    std::size_t nSectionEnd = 0;  // in the result, after the section's last line that is not blank
    for (std::size_t nStart = 0; nStart < text.size();) {
        // A line ends at CR LF, LF or CR alone, as the profile functions read it.
        const std::size_t nBreak = std::min(text.find_first_of("\r\n", nStart), text.size());
        std::size_t nNext = std::min(nBreak + 1, text.size());
        if (nBreak + 1 < text.size() && text[nBreak] == '\r' && text[nBreak + 1] == '\n')
            ++nNext;
        const std::string_view body = text.substr(nStart, nBreak - nStart);
        const std::string_view line = Trimmed(body);
        std::string_view written = text.substr(nStart, nNext - nStart);
        std::string replaced;
        if (const std::optional<std::string_view> name = SectionName(line, characterBytes)) {
            bInSection = !bFound && IsSameName(*name, section);
            bFound = bFound || bInSection;
        } else if (bInSection && !line.empty()) {
            const std::size_t nEqual = body.find('=');
            const std::string_view key = Trimmed(body.substr(0, nEqual));
            for (std::size_t n = 0; n < entries.size(); ++n) {
                if (!IsSameName(key, entries[n].key))
                    continue;
                // Only the key's first line counts, as only that one is read.
                if (!bSet[n]) {
                    bSet[n] = true;
                    replaced = std::string(nEqual == std::string_view::npos ? Trimmed(body) : body.substr(0, nEqual)) +
                               "=" + entries[n].text;
                    replaced += text.substr(nBreak, nNext - nBreak);
                    written = replaced;
                }
                break;
            }
        }
        result += written;
        if (bInSection && !line.empty())
            nSectionEnd = result.size();
        nStart = nNext;
    }
    std::string added;
    for (std::size_t n = 0; n < entries.size(); ++n) {
        if (!bSet[n])
            added += std::string(entries[n].key) + "=" + entries[n].text + "\r\n";
    }
    if (!bFound) {
        nSectionEnd = result.size();
        added = "[" + std::string(section) + "]\r\n" + added;
    }
    // The line before may be the last of the text and have no line end yet.
    if (!added.empty() && nSectionEnd > 0 && result[nSectionEnd - 1] != '\n' && result[nSectionEnd - 1] != '\r')
        added = "\r\n" + added;
    result.insert(nSectionEnd, added);
    return result;
}

std::optional<std::string> WithSections(std::string_view text, std::span<const ProfileSection> sections,
                                        CharacterBytes characterBytes)
{
    std::optional<std::string> result(text);
    for (const ProfileSection& section : sections) {
        if (result)
            result = WithEntries(*result, section.section, section.entries, characterBytes);
    }
    return result;
}

bool ProfileFile::WriteSections(std::span<const ProfileSection> sections) const
{
    for (const ProfileSection& section : sections) {
        for (const ProfileEntry& entry : section.entries)
            WriteString(section.section, entry.key, entry.text.c_str());
    }
    return true;
}

bool ProfileFile::WriteKeys(const char* section, std::span<const ProfileEntry> entries) const
{
    const ProfileSection one{section, entries};
    return WriteSections(std::span(&one, 1));
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

bool RunProfile::WriteSections(std::span<const ProfileSection> sections) const
{
    const bool bStored = m_file.WriteSections(sections);
    for (const ProfileSection& section : sections) {
        for (const ProfileEntry& entry : section.entries) {
            if (bStored)
                m_kept.erase({section.section, entry.key});
            else
                m_kept[{section.section, entry.key}] = entry.text;
        }
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
    file.WriteKeys(kSectionUnit, TimerEntries(settings));
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

namespace {

int32_t ReadNumber(const char* key, int32_t nDefault, const ProfileFile& file)
{
    return SettingNumber(SettingsFile::ReadString(kSectionPhaseEnd, key, "", file)).value_or(nDefault);
}

}  // namespace

PhaseEndSettings SettingsFile::LoadPhaseEndSettings(const ProfileFile& file)
{
    const PhaseEndSettings defaults;
    PhaseEndSettings settings;
    settings.m_bPauseBySelf = SwitchFrom(ReadNumber(kKeyPauseBySelf, defaults.m_bPauseBySelf, file));
    settings.m_bUnitBySelf = SwitchFrom(ReadNumber(kKeyUnitBySelf, defaults.m_bUnitBySelf, file));
    settings.m_bUnitAtInput = SwitchFrom(ReadNumber(kKeyUnitAtInput, defaults.m_bUnitAtInput, file));
    settings.m_nRepeatSecs = RepeatSecondsFrom(ReadNumber(kKeyRepeat, defaults.m_nRepeatSecs, file));
    settings.m_nWarningMins = WarningMinutesFrom(ReadNumber(kKeyWarning, defaults.m_nWarningMins, file));
    settings.m_strWarningSound = ReadString(kSectionPhaseEnd, kKeyWarningSound, "", file);
    settings.m_strPauseAlarm = ReadString(kSectionPhaseEnd, kKeyPauseAlarm, "", file);
    settings.m_nLevel = LevelFrom(ReadNumber(kKeyLevel, defaults.m_nLevel, file));
    settings.m_bStartAtOnce = SwitchFrom(ReadNumber(kKeyStartAtOnce, defaults.m_bStartAtOnce, file));
    return settings;
}

void SettingsFile::SavePhaseEndSettings(const PhaseEndSettings& settings, const ProfileFile& file)
{
    file.WriteKeys(kSectionPhaseEnd, PhaseEndEntries(settings));
}

void SettingsFile::SaveDialogSettings(const TimerSettings& timer, const PhaseEndSettings& phaseEnd,
                                      const ProfileFile& file)
{
    const auto timerEntries = TimerEntries(timer);
    const auto phaseEndEntries = PhaseEndEntries(phaseEnd);
    const ProfileSection sections[] = {{kSectionUnit, timerEntries}, {kSectionPhaseEnd, phaseEndEntries}};
    file.WriteSections(sections);
}
