// The program's settings file: the one beside the running executable, or the user's own where
// that one cannot be written, or none that a save may touch.
#pragma once

#include <span>
#include <string>

#include "core/settings_file.h"

// Which of the two files it is, is decided once in a run, at its first use. Where neither may be
// written, the run reads the one it finds and stores nothing.
class ProgramSettingsFile final : public ProfileFile {
public:
    // Empty where the run has no file to read.
    static std::wstring GetPath();
    int32_t ReadInt(const char* section, const char* key, int32_t nDefault) const override;
    std::string ReadString(const char* section, const char* key, const char* defaultText) const override;
    void WriteString(const char* section, const char* key, const char* text) const override;
    // Writes the keys into a copy beside the file, reads the copy back and then puts it in the
    // file's place in one step; a file that cannot be replaced is written where it lies.
    bool WriteKeys(const char* section, std::span<const ProfileEntry> entries) const override;
    CharacterBytes CodePage() const override;
};
