// The test program's settings file, read and written byte for byte beside the code under test.
#include "settings_file_access.h"

#include <windows.h>

#include <fstream>
#include <iterator>

#include "core/settings_file.h"

std::string SettingsBytes()
{
    std::ifstream file(SettingsFile::GetPath(), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void WriteSettings(const std::string& bytes)
{
    std::ofstream file(SettingsFile::GetPath(), std::ios::binary);
    file << bytes;
}

bool SettingsExist()
{
    return ::GetFileAttributesA(SettingsFile::GetPath().c_str()) != INVALID_FILE_ATTRIBUTES;
}

void RemoveSettings()
{
    // Whatever a test left there: a read-only file, or a directory of the same name.
    const std::string path = SettingsFile::GetPath();
    ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    ::DeleteFileA(path.c_str());
    ::RemoveDirectoryA(path.c_str());
}
