// The settings as the program keeps them: the records, their keys and defaults, and where the file lies.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "geometry.h"

inline constexpr char kSettingsFileName[] = "Tarnovell.ini";

// The main window plays this while the key is missing; the settings dialog shows and writes the other.
inline constexpr char kAlarmDefaultMain[] = "ALARM.WAV";
inline constexpr char kAlarmDefaultDialog[] = "Alarm.wav";

// A text read from the file keeps at most this many bytes.
inline constexpr std::size_t kMaxSettingText = 254;

inline constexpr char kSectionUnit[] = "EINHEIT";
inline constexpr char kKeyWork[] = "Arbeit";
inline constexpr char kKeyShortPause[] = "KPause";
inline constexpr char kKeyLongPause[] = "LPause";
inline constexpr char kKeyUnits[] = "Anzahl";
inline constexpr char kKeyStopwatch[] = "Stoppuhr";
inline constexpr char kKeyAlarm[] = "Alarm";

inline constexpr char kSectionPos[] = "POS";
inline constexpr char kKeyLeft[] = "X1";
inline constexpr char kKeyTop[] = "Y1";
inline constexpr char kKeyWidth[] = "X2";
inline constexpr char kKeyHeight[] = "Y2";

inline constexpr int32_t kDefaultWorkMins = 25;
inline constexpr int32_t kDefaultShortPauseMins = 5;
inline constexpr int32_t kDefaultLongPauseMins = 30;
inline constexpr int32_t kDefaultUnitsPerLongPause = 4;
inline constexpr int32_t kDefaultStopwatch = 1;

struct TimerSettings {
    int32_t m_nWorkMins = kDefaultWorkMins;
    int32_t m_nShortPauseMins = kDefaultShortPauseMins;
    int32_t m_nLongPauseMins = kDefaultLongPauseMins;
    int32_t m_nUnitsPerLongPause = kDefaultUnitsPerLongPause;
    int32_t m_bStopwatch = kDefaultStopwatch;  // as read; only 1 counts as on
    std::string m_strAlarmFile = kAlarmDefaultMain;

    bool operator==(const TimerSettings&) const = default;
};

// The settings file lies beside the executable, whatever the executable is called. Paths are
// wide text, so that a folder whose name the ANSI code page cannot hold still works.
std::wstring SettingsPathFor(std::wstring_view exePath);

// The profile functions take paths shorter than 260 characters; given a longer one, they write
// somewhere else.
inline constexpr std::size_t kMaxProfilePath = 259;

// Whether a settings file may lie at this path: a whole absolute path (a drive letter with a
// backslash, or \\server\share\), in a folder below the root of its drive or share, and short
// enough for the profile functions. A relative path would name a file in the working directory.
bool IsSettingsPlace(std::wstring_view path);

// Where the settings go when the file beside the executable cannot be written: a folder of the
// program's own in the user's local application data. Empty unless that is a folder of an
// absolute path below a drive's or share's root.
std::wstring UserSettingsPathFor(std::wstring_view localAppData);

// The number of bytes of the character that begins with this byte, in the code page of a text.
using CharacterBytes = std::size_t (*)(unsigned char lead);
inline std::size_t SingleByteCharacter(unsigned char)
{
    return 1;
}

// The longest start of the text of at most nMax bytes that ends between two characters: a
// character of several bytes is kept whole or not at all.
std::string_view CutToCharacters(std::string_view text, std::size_t nMax, CharacterBytes characterBytes);

// The file beside the executable that a relative alarm path would name there; empty for a path
// with a drive or a root (and for an empty one), which is always used as written.
std::wstring AlarmPathBeside(std::wstring_view exePath, std::wstring_view alarm);

// The name that one running strip per settings file holds, at most 40 characters, so that it fits
// any name the platform gives to locks and windows. Named for the file `name` in the folder of this
// file index, which tells the folder from every other on its volume however its path is spelled;
// or, where the folder cannot be asked, for the file's whole path folded to one case. The platform
// folds every letter; this folds the ASCII letters once more.
std::wstring InstanceName(uint64_t nFolderIndex, std::wstring_view name);
std::wstring InstanceName(std::wstring_view foldedPath);
