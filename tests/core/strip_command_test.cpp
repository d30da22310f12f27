// The action on the command line, the record a second start hands the strip, and the status line.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <optional>
#include <string>

#include "core/stopwatch.h"
#include "core/strip_command.h"
#include "core/unit_cycle.h"

TEST(StripCommand, TheCommandLineNamesAtMostOneActionThatTheProgramKnows)
{
    const std::optional<StripAction> error;
    const struct {
        std::wstring line;
        std::optional<StripAction> action;
    } rows[] = {
        {L"", StripAction::None},
        {L"Tarnovell.exe", StripAction::None},
        {L"Tarnovell.exe \t  ", StripAction::None},
        {L"Tarnovell.exe /start", StripAction::Start},
        {L"Tarnovell.exe -PAUSE", StripAction::Pause},
        {L"Tarnovell.exe\t/Weiter\t", StripAction::Next},
        {L"Tarnovell.exe   -stoppUHR", StripAction::Stopwatch},
        {L"Tarnovell.exe \"/zeigen\"", StripAction::Show},
        {L"Tarnovell.exe /sta\"tus\"", StripAction::Status},
        {L"\"C:\\Program Files\\Tar -start\\Tarnovell.exe\" /status", StripAction::Status},
        {L"\"C:\\Program Files\\Tar -start\\Tarnovell.exe\"", StripAction::None},
        {L"\"C:\\Program Files\\Tar -start\\Tarnovell.exe", StripAction::None},
        {L"C:\\Tools\\Tarnovell.exe/start -zeigen", StripAction::Show},
        {L"Tarnovell.exe /stop", error},
        {L"Tarnovell.exe start", error},
        {L"Tarnovell.exe /", error},
        {L"Tarnovell.exe \"\"", error},
        {L"Tarnovell.exe /stoppuhrr", error},
        {L"Tarnovell.exe /\u017Ftart", error},  // a long s, which Unicode folds to s
        {L"Tarnovell.exe /start /pause", error},
        {L"Tarnovell.exe /start /start", error},
        {L"Tarnovell.exe /status x", error},
        {L"Tarnovell.exe \"/zeigen /start\"", error},
        {L"Tarnovell.exe " + std::wstring(1 << 20, L' ') + L"/weiter", StripAction::Next},
        {L"Tarnovell.exe /" + std::wstring(1 << 20, L's'), error},
        {L"\"" + std::wstring(1 << 20, L'x'), StripAction::None},
        {L"Tarnovell.exe " + std::wstring(1 << 20, L'"') + L" -pause", error},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ParseStripAction(row.line), row.action) << std::string(row.line.begin(), row.line.begin() + 40);
}

TEST(StripCommand, TheStripReadsOnlyARecordOfItsOwnMagicVersionSizeAndActions)
{
    // The record's 24 bytes as little-endian words, laid out by hand: "TNVL", version 1, its size,
    // /pause, and the reply window 0x1122334455667788 in two halves.
    const uint32_t made[6] = {0x4C564E54, 1, 24, 2, 0x55667788, 0x11223344};
    const StripCommand command = MakeStripCommand(StripAction::Pause, 0x1122334455667788);
    ASSERT_EQ(sizeof command, sizeof made);
    EXPECT_EQ(std::memcmp(&command, made, sizeof made), 0);

    const struct {
        int nField;
        uint32_t nValue;
        std::size_t nBytes;
        std::optional<uint32_t> action;
    } rows[] = {
        {0, 0x4C564E54, 24, 2},   {0, 0x544E564C, 24, std::nullopt}, {1, 2, 24, std::nullopt},
        {1, 0, 24, std::nullopt}, {2, 32, 24, std::nullopt},         {3, 0, 24, std::nullopt},
        {3, 1, 24, 1},            {3, 6, 24, 6},                     {3, 7, 24, std::nullopt},
        {3, 0xFFFFFFFF, 24, std::nullopt}, {0, 0x4C564E54, 23, std::nullopt},
        {0, 0x4C564E54, 32, std::nullopt}, {0, 0x4C564E54, SIZE_MAX, std::nullopt},
    };
    for (const auto& row : rows) {
        uint32_t words[8] = {0x4C564E54, 1, 24, 2, 0x55667788, 0x11223344};
        words[row.nField] = row.nValue;
        // One byte in, so that no field lies where its type would be aligned.
        unsigned char bytes[1 + sizeof words] = {};
        std::memcpy(bytes + 1, words, sizeof words);
        const std::optional<StripCommand> read = ReadStripCommand(bytes + 1, row.nBytes);
        ASSERT_EQ(read.has_value(), row.action.has_value()) << row.nField << " " << row.nValue << " " << row.nBytes;
        if (read) {
            EXPECT_EQ(read->m_nAction, *row.action);
            EXPECT_EQ(read->m_nReplyWindow, 0x1122334455667788u);
        }
    }
    EXPECT_EQ(ReadStripCommand(nullptr, 24).has_value(), false);
}

TEST(StripCommand, TheStatusLineTellsTheBarWhetherItRunsWaitsOrIsPausedAndTheStopwatch)
{
    const auto cycle = [](int32_t bRunning, int32_t bPause, int32_t nMinutes, int32_t nSeconds, int32_t nUnit) {
        UnitCycle state;
        state.m_bRunning = bRunning;
        state.m_bPause = bPause;
        state.m_nMinutes = nMinutes;
        state.m_nSeconds = nSeconds;
        state.m_nUnit = nUnit;
        return state;
    };
    const struct {
        UnitCycle cycle;
        bool bWaiting;
        Stopwatch stopwatch;
        const char* line;
    } rows[] = {
        {cycle(0, 0, 25, 0, 1), false, Stopwatch{}, "25:00 --- Einheit 1; pausiert; Stoppuhr 00:00:00 steht"},
        {cycle(1, 0, 24, 5, 2), true, Stopwatch{1, 1, 2, 3},
         "24:05 --- Einheit 2; l\xC3\xA4uft; Stoppuhr 01:02:03 l\xC3\xA4uft"},
        {cycle(0, 1, 5, 0, 2), true, Stopwatch{0, 0, 0, 59}, "5:00 --- PAUSE; wartet; Stoppuhr 00:00:59 steht"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(StatusLine(row.cycle, row.bWaiting, row.stopwatch), row.line);
}
