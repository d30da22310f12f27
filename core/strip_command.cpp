// The command line read without a copy of it, the record checked field by field, and the status line.
#include "strip_command.h"

#include <algorithm>
#include <cstring>
#include <iterator>

#include "status_display.h"
#include "stopwatch.h"
#include "unit_cycle.h"

namespace {

constexpr std::wstring_view kBlanks = L" \t";

// What follows the program's name, as Windows splits a command line: a quoted name ends at its
// closing quote, any other at the first blank.
std::wstring_view AfterProgramName(std::wstring_view line)
{
    const std::size_t nEnd = !line.empty() && line.front() == L'"' ? line.find(L'"', 1) : line.find_first_of(kBlanks);
    return nEnd == std::wstring_view::npos ? std::wstring_view{} : line.substr(nEnd + 1);
}

struct ActionName {
    std::wstring_view name;
    StripAction action;
};
constexpr ActionName kActionNames[] = {
    {L"start", StripAction::Start},         {L"pause", StripAction::Pause}, {L"weiter", StripAction::Next},
    {L"stoppuhr", StripAction::Stopwatch}, {L"zeigen", StripAction::Show}, {L"status", StripAction::Status},
};

// One argument, its quotes dropped and only its ASCII letters folded, so that no other letter
// turns into one of the names.
std::optional<StripAction> ActionOf(std::wstring_view token)
{
    // "/stoppuhr" is the longest action: a longer argument is none, however long it is.
    wchar_t folded[9];
    std::size_t n = 0;
    for (const wchar_t ch : token) {
        if (ch == L'"')
            continue;
        if (n == std::size(folded))
            return std::nullopt;
        folded[n++] = ch >= L'A' && ch <= L'Z' ? static_cast<wchar_t>(ch - L'A' + L'a') : ch;
    }
    if (n < 2 || (folded[0] != L'/' && folded[0] != L'-'))
        return std::nullopt;
    const std::wstring_view name(folded + 1, n - 1);
    const auto* pFound = std::find_if(std::begin(kActionNames), std::end(kActionNames),
                                      [name](const ActionName& entry) { return entry.name == name; });
    return pFound == std::end(kActionNames) ? std::nullopt : std::optional(pFound->action);
}

constexpr char kRuns[] = "l\xC3\xA4uft";

}  // namespace

std::optional<StripAction> ParseStripAction(std::wstring_view commandLine)
{
    std::wstring_view rest = AfterProgramName(commandLine);
    StripAction action = StripAction::None;
    for (std::size_t nStart = rest.find_first_not_of(kBlanks); nStart != std::wstring_view::npos;
         nStart = rest.find_first_not_of(kBlanks)) {
        rest.remove_prefix(nStart);
        const std::size_t nEnd = std::min(rest.find_first_of(kBlanks), rest.size());
        const std::optional<StripAction> next = ActionOf(rest.substr(0, nEnd));
        if (!next || action != StripAction::None)
            return std::nullopt;
        action = *next;
        rest.remove_prefix(nEnd);
    }
    return action;
}

StripCommand MakeStripCommand(StripAction action, uint64_t nReplyWindow)
{
    return StripCommand{kStripCommandMagic, kStripCommandVersion, sizeof(StripCommand),
                        static_cast<uint32_t>(action), nReplyWindow};
}

std::optional<StripCommand> ReadStripCommand(const void* pData, std::size_t nBytes)
{
    if (!pData || nBytes != sizeof(StripCommand))
        return std::nullopt;
    StripCommand command;
    std::memcpy(&command, pData, sizeof command);
    const bool bKnown = command.m_nMagic == kStripCommandMagic && command.m_nVersion == kStripCommandVersion &&
                        command.m_nSize == sizeof command &&
                        command.m_nAction >= static_cast<uint32_t>(StripAction::Start) &&
                        command.m_nAction <= static_cast<uint32_t>(StripAction::Status);
    return bKnown ? std::optional(command) : std::nullopt;
}

std::string StatusLine(const UnitCycle& cycle, bool bWaiting, const Stopwatch& stopwatch)
{
    std::string line(StatusText(cycle).view());
    line.append("; ").append(cycle.m_bRunning == 1 ? kRuns : bWaiting ? "wartet" : "pausiert");
    line.append("; Stoppuhr ").append(stopwatch.TimeText().view());
    line.append(" ").append(stopwatch.m_bSwRunning == 1 ? kRuns : "steht");
    return line;
}
