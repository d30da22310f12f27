// The settings records mapped onto the keys of a settings file.
#pragma once

#include <cstdint>
#include <string>

#include "chord.h"
#include "settings.h"
#include "workday.h"

// The three profile operations on one file. The program's file does them through the
// platform's profile functions; the tests also put an in-memory file behind them.
class ProfileFile {
public:
    virtual ~ProfileFile() = default;
    virtual int32_t ReadInt(const char* section, const char* key, int32_t nDefault) const = 0;
    // The default only when the key is missing: an empty value reads as empty.
    virtual std::string ReadString(const char* section, const char* key, const char* defaultText) const = 0;
    virtual void WriteString(const char* section, const char* key, const char* text) const = 0;
};

// Every operation takes the file it works on.
class SettingsFile {
public:
    static int32_t ReadInt(const char* section, const char* key, int32_t nDefault, const ProfileFile& file);
    // At most kMaxSettingText characters: a longer value is cut.
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
};
