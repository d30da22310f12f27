// What a script or launcher asks of the strip: the action on the program's command line, the
// record a second start hands it to the running strip in, and the line that tells its state.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct Stopwatch;
struct UnitCycle;

// The record carries the number, so the numbers never change.
enum class StripAction : uint32_t { None = 0, Start, Pause, Next, Stopwatch, Show, Status };

// The action of a whole command line as the system hands it over, the program's own name first:
// none without an argument, nothing for an action it does not know or for more than one.
std::optional<StripAction> ParseStripAction(std::wstring_view commandLine);

// What a second start hands the running strip: the action, and for /status the window that takes
// the answer. Fixed-width fields, so that two builds of the program read it alike.
struct StripCommand {
    uint32_t m_nMagic = 0;
    uint32_t m_nVersion = 0;
    uint32_t m_nSize = 0;
    uint32_t m_nAction = 0;
    uint64_t m_nReplyWindow = 0;
};

// The tag of the record, and of the answer line, among all the data a window may be sent.
inline constexpr uint64_t kStripCommandTag = 0x5441524E;
inline constexpr uint32_t kStripCommandMagic = 0x4C564E54;
inline constexpr uint32_t kStripCommandVersion = 1;

StripCommand MakeStripCommand(StripAction action, uint64_t nReplyWindow);
// The record in these bytes; nothing for bytes of another size, version or magic, or for an
// action the program does not know.
std::optional<StripCommand> ReadStripCommand(const void* pData, std::size_t nBytes);

// The strip's state in one line of UTF-8: the bar's text, whether the countdown runs, waits or is
// paused, and the stopwatch, as "25:00 --- Einheit 1; pausiert; Stoppuhr 00:00:00 steht".
std::string StatusLine(const UnitCycle& cycle, bool bWaiting, const Stopwatch& stopwatch);

inline constexpr char kNotRunningLine[] = "Tarnovell l\xC3\xA4uft nicht";
inline constexpr char kUsageLine[] = "Tarnovell kennt diese Aufrufe: /start /pause /weiter /stoppuhr /zeigen /status";
