// Reading and writing the settings file, one key at a time, the file opened anew by every call.
#pragma once

#include <cstdint>
#include <string>

#include "settings.h"

class SettingsFile {
public:
    static std::string GetPath();
    static int32_t ReadInt(const char* section, const char* key, int32_t nDefault);
    static std::string ReadString(const char* section, const char* key, const char* defaultText);
    static void WriteInt(const char* section, const char* key, int32_t nValue);
    static void WriteString(const char* section, const char* key, const char* text);

    static TimerSettings LoadTimerSettings(const char* alarmDefault);
    static void SaveTimerSettings(const TimerSettings& settings);
    static WindowPos LoadWindowPos(const WindowPos& defaults);
    static void SaveWindowPos(const WindowPos& pos);
};
