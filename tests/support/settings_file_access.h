// The test program's settings file, read and written byte for byte beside the code under test.
#pragma once

#include <string>

// Everything the file holds; empty without a file.
std::string SettingsBytes();

// Replaces the file with exactly these bytes.
void WriteSettings(const std::string& bytes);

bool SettingsExist();

void RemoveSettings();
