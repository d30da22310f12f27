// The test program's settings file, read and written byte for byte beside the code under test.
#include "settings_file_access.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>


const ProgramSettingsFile& TestSettingsFile()
{
    static const ProgramSettingsFile file = ProgramSettingsFile::Choose();
    return file;
}

std::string SettingsBytes()
{
    return BytesAt(TestSettingsFile().GetPath());
}

std::string BytesAt(const std::wstring& path)
{
    std::ifstream file(std::filesystem::path(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void WriteSettings(const std::string& bytes)
{
    WriteBytesAt(TestSettingsFile().GetPath(), bytes);
}

void WriteBytesAt(const std::wstring& path, const std::string& bytes)
{
    std::ofstream file(std::filesystem::path(path), std::ios::binary);
    file << bytes;
}

bool SettingsExist()
{
    return ::GetFileAttributesW(TestSettingsFile().GetPath().c_str()) != INVALID_FILE_ATTRIBUTES;
}

void RemoveSettings()
{
    // Whatever a test left there: a read-only file, or a directory of the same name.
    const std::wstring path = TestSettingsFile().GetPath();
    ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    ::DeleteFileW(path.c_str());
    ::RemoveDirectoryW(path.c_str());
}

bool SaveLeftBehind(const std::wstring& path)
{
    return ::GetFileAttributesW((path + L".neu").c_str()) != INVALID_FILE_ATTRIBUTES ||
           ::GetFileAttributesW((path + L".alt").c_str()) != INVALID_FILE_ATTRIBUTES;
}
