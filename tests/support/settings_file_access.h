// The test program's settings file, read and written byte for byte beside the code under test.
#pragma once

#include <string>

#include "win32/profile_file.h"

// The file the tests hand to the strip and its dialogs: chosen as the program chooses its own,
// beside the test program.
const ProgramSettingsFile& TestSettingsFile();

// Everything the file holds; empty without a file.
std::string SettingsBytes();
std::string BytesAt(const std::wstring& path);

// Replaces the file with exactly these bytes.
void WriteSettings(const std::string& bytes);
void WriteBytesAt(const std::wstring& path, const std::string& bytes);

bool SettingsExist();

void RemoveSettings();

// Whether anything lies beside the file under the names a save gives its copy (".neu") and the
// old file (".alt") for a moment; a save leaves neither behind.
bool SaveLeftBehind(const std::wstring& path);
