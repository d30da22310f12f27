// Whether a file is there.
#pragma once

#include <windows.h>

#include <string>

// True for a file at the path; false for a folder or for nothing there.
inline bool IsFile(const std::wstring& path)
{
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}
