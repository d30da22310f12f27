// The end of a phase the user's way: phases that wait to be started, an alarm that repeats until
// the user reacts, a warning before the end, the level of every sound and a count that starts with
// the program. The keys of section ABLAUF and the bounds their values are read into.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

inline constexpr char kSectionPhaseEnd[] = "ABLAUF";
inline constexpr char kKeyPauseBySelf[] = "PauseVonSelbst";
inline constexpr char kKeyUnitBySelf[] = "EinheitVonSelbst";
inline constexpr char kKeyUnitAtInput[] = "EinheitBeiEingabe";
inline constexpr char kKeyRepeat[] = "Wiederholen";
inline constexpr char kKeyWarning[] = "Vorwarnung";
inline constexpr char kKeyWarningSound[] = "Warnton";
inline constexpr char kKeyPauseAlarm[] = "PausenAlarm";
inline constexpr char kKeyLevel[] = "Lautstaerke";
inline constexpr char kKeyStartAtOnce[] = "BeimStart";

// The repeats come every 5 to 600 s; 0 rings once.
inline constexpr int32_t kMinRepeatSecs = 5;
inline constexpr int32_t kMaxRepeatSecs = 600;
// The warning comes 1 to 60 minutes before the end; 0 gives none.
inline constexpr int32_t kMaxWarningMins = 60;
// The level of every sound as a share of the file's own, in percent.
inline constexpr int32_t kFullLevel = 100;

// Every default is the program's behaviour without the section: each phase rolls on by itself
// and rings once at the file's own level, and the countdown waits for the user at the start.
struct PhaseEndSettings {
    bool m_bPauseBySelf = true;
    bool m_bUnitBySelf = true;
    // A unit that waits starts with the first input after the pause's end.
    bool m_bUnitAtInput = false;
    int32_t m_nRepeatSecs = 0;
    int32_t m_nWarningMins = 0;
    // Wave files found as the alarm is; an empty pause alarm rings the alarm.
    std::string m_strWarningSound;
    std::string m_strPauseAlarm;
    int32_t m_nLevel = kFullLevel;
    bool m_bStartAtOnce = false;

    bool operator==(const PhaseEndSettings&) const = default;
};

// A number as a hand-edited file may hold it: blanks, a sign and digits, with anything after the
// digits left out; one beyond 32 bits is the nearest that fits. Nothing for a text without digits.
std::optional<int32_t> SettingNumber(std::string_view text);

// The nearest value each key allows: a switch is 0 or 1, the repeat 0 or 5 to 600 seconds, the
// warning 0 to 60 minutes, the level 0 to 100.
bool SwitchFrom(int32_t nValue);
int32_t RepeatSecondsFrom(int32_t nValue);
int32_t WarningMinutesFrom(int32_t nValue);
int32_t LevelFrom(int32_t nValue);
