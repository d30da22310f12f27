// A settings file read and written through the platform's profile functions; the program's own
// lies beside the running executable, or is the user's own where that one cannot be written.
#pragma once

#include <span>
#include <string>

#include "core/settings_file.h"

class ProgramSettingsFile final : public ProfileFile {
public:
    // The program's file, chosen once at the start of a run so that every read and write of the
    // run goes to it: the one beside the executable, or the user's own where that one cannot be
    // written. Where neither may be written, the run reads the one it finds and stores nothing.
    static ProgramSettingsFile Choose();
    // The file at this path, which a save writes only where bStore; an empty path reads every
    // default and stores nothing.
    explicit ProgramSettingsFile(std::wstring path, bool bStore = true);

    // Empty where the run has no file to read.
    const std::wstring& GetPath() const { return m_path; }
    int32_t ReadInt(const char* section, const char* key, int32_t nDefault) const override;
    std::string ReadString(const char* section, const char* key, const char* defaultText) const override;
    void WriteString(const char* section, const char* key, const char* text) const override;
    // Writes the file's text with the keys of every section set into a copy beside the file (its
    // name and ".neu"), reads the copy back and then puts it in the file's place in one step. A
    // file of several names, one that another program holds, or one beside which no copy can be
    // made is written where it lies, whole. A link's file is the one written.
    bool WriteSections(std::span<const ProfileSection> sections) const override;
    CharacterBytes CodePage() const override;

private:
    std::wstring m_path;
    bool m_bStore;
};
