// The program's settings file: the one beside the running executable, or the user's own where
// that one cannot be written.
#pragma once

#include <string>

#include "core/settings_file.h"

// Which of the two files it is, is decided once in a run, at its first use.
class ProgramSettingsFile final : public ProfileFile {
public:
    static std::wstring GetPath();
    int32_t ReadInt(const char* section, const char* key, int32_t nDefault) const override;
    std::string ReadString(const char* section, const char* key, const char* defaultText) const override;
    void WriteString(const char* section, const char* key, const char* text) const override;
};
