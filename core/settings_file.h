// The settings records mapped onto the keys of a settings file, and the file the program uses.
#pragma once

#include <cstdint>
#include <string>

#include "settings.h"

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

// The program's settings file: the one beside the running executable, or the user's own where
// that one cannot be written. Which one is decided once in a run, at its first use.
class ProgramSettingsFile final : public ProfileFile {
public:
    ProgramSettingsFile();
    int32_t ReadInt(const char* section, const char* key, int32_t nDefault) const override;
    std::string ReadString(const char* section, const char* key, const char* defaultText) const override;
    void WriteString(const char* section, const char* key, const char* text) const override;

private:
    std::wstring m_strPath;
};

// Every operation takes the file it works on; left out, that is the program's own file, opened
// anew for the one call.
class SettingsFile {
public:
    static std::wstring GetPath();
    static int32_t ReadInt(const char* section, const char* key, int32_t nDefault,
                           const ProfileFile& file = ProgramSettingsFile());
    // At most kMaxSettingText characters: a longer value is cut.
    static std::string ReadString(const char* section, const char* key, const char* defaultText,
                                  const ProfileFile& file = ProgramSettingsFile());
    static void WriteInt(const char* section, const char* key, int32_t nValue,
                         const ProfileFile& file = ProgramSettingsFile());
    static void WriteString(const char* section, const char* key, const char* text,
                            const ProfileFile& file = ProgramSettingsFile());

    static TimerSettings LoadTimerSettings(const char* alarmDefault, const ProfileFile& file = ProgramSettingsFile());
    static void SaveTimerSettings(const TimerSettings& settings, const ProfileFile& file = ProgramSettingsFile());
    static WindowPos LoadWindowPos(const WindowPos& defaults, const ProfileFile& file = ProgramSettingsFile());
    static void SaveWindowPos(const WindowPos& pos, const ProfileFile& file = ProgramSettingsFile());
};
