// The settings records mapped onto the keys of a settings file, and the file as one run sees it.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "chord.h"
#include "phase_end.h"
#include "settings.h"
#include "workday.h"

// A key of a section and the text it is set to.
struct ProfileEntry {
    const char* key;
    std::string text;
};

// The text of a settings file with the entries set in one section, as the profile functions
// read it: in the first section of that name (in any case) the first line of each key takes the
// new value, the keys it lacks follow its last line that is not blank, and a missing section
// comes at the end of the text. Every other byte stays as it was; the lines read a character of
// the code page at a time. Nothing where a key or text would not stay on one line.
std::optional<std::string> WithEntries(std::string_view text, std::string_view section,
                                       std::span<const ProfileEntry> entries, CharacterBytes characterBytes);

// The entries a save sets in one section.
struct ProfileSection {
    const char* section;
    std::span<const ProfileEntry> entries;
};

// The text with the entries of each section set, one section after the other.
std::optional<std::string> WithSections(std::string_view text, std::span<const ProfileSection> sections,
                                        CharacterBytes characterBytes);

// The profile operations on one file. The program's file does them through the platform's
// profile functions; the tests also put an in-memory file behind them.
class ProfileFile {
public:
    virtual ~ProfileFile() = default;
    virtual int32_t ReadInt(const char* section, const char* key, int32_t nDefault) const = 0;
    // The default only when the key is missing: an empty value reads as empty.
    virtual std::string ReadString(const char* section, const char* key, const char* defaultText) const = 0;
    virtual void WriteString(const char* section, const char* key, const char* text) const = 0;
    // Sets the keys of every section in one save; false when the file did not store them. Here key
    // by key, with nothing to tell.
    virtual bool WriteSections(std::span<const ProfileSection> sections) const;
    // The keys of one section in one save.
    bool WriteKeys(const char* section, std::span<const ProfileEntry> entries) const;
    // How many bytes each character of the file's text takes.
    virtual CharacterBytes CodePage() const { return SingleByteCharacter; }
};

// The settings file as one run of the program sees it: what a save could not store in the file
// is kept in memory and read from there for the rest of the run; everything else comes from the
// file. The next run starts from the file again.
class RunProfile final : public ProfileFile {
public:
    explicit RunProfile(const ProfileFile& file) : m_file(file) {}
    int32_t ReadInt(const char* section, const char* key, int32_t nDefault) const override;
    std::string ReadString(const char* section, const char* key, const char* defaultText) const override;
    void WriteString(const char* section, const char* key, const char* text) const override;
    bool WriteSections(std::span<const ProfileSection> sections) const override;
    CharacterBytes CodePage() const override { return m_file.CodePage(); }

private:
    const ProfileFile& m_file;
    // Section and key of each text the file did not take at the last save of that key. Saving
    // changes what a run reads, so it lives beside the operations that stay const for the file.
    mutable std::map<std::pair<std::string, std::string>, std::string> m_kept;
};

// Every operation takes the file it works on.
class SettingsFile {
public:
    static int32_t ReadInt(const char* section, const char* key, int32_t nDefault, const ProfileFile& file);
    // At most kMaxSettingText bytes: a longer value is cut between two characters of its code page.
    static std::string ReadString(const char* section, const char* key, const char* defaultText,
                                  const ProfileFile& file);
    static void WriteInt(const char* section, const char* key, int32_t nValue, const ProfileFile& file);
    static void WriteString(const char* section, const char* key, const char* text, const ProfileFile& file);

    static TimerSettings LoadTimerSettings(const char* alarmDefault, const ProfileFile& file);
    static void SaveTimerSettings(const TimerSettings& settings, const ProfileFile& file);
    static WindowPos LoadWindowPos(const WindowPos& defaults, const ProfileFile& file);
    static void SaveWindowPos(const WindowPos& pos, const ProfileFile& file);
    // Section TASTEN; a missing key means its default chord, an empty one no chord.
    static ChordSettings LoadChordSettings(const ProfileFile& file);
    // The one key of the section that the program writes, when the user switches the chords.
    static void SaveChordsActive(int32_t bActive, const ProfileFile& file);
    // Section ARBEITSTAG, written a key at a time when the user switches one in the menu.
    static WorkdaySettings LoadWorkdaySettings(const ProfileFile& file);
    // Section ABLAUF, every value in its bounds: a text without a number reads as the default.
    static PhaseEndSettings LoadPhaseEndSettings(const ProfileFile& file);
    static void SavePhaseEndSettings(const PhaseEndSettings& settings, const ProfileFile& file);
    // What the settings dialog shows, sections EINHEIT and ABLAUF, in one save.
    static void SaveDialogSettings(const TimerSettings& timer, const PhaseEndSettings& phaseEnd,
                                   const ProfileFile& file);
};
