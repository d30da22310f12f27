// The action on the command line, the record a second start hands the strip, and the status line.
#include <gtest/gtest.h>

#include <array>
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
    const std::wstring huge(1 << 20, L's');
    const struct {
        std::wstring line;
        std::optional<StripAction> action;
    } rows[] = {
        {L"", StripAction::None},                      {L"Tarnovell.exe \t  ", StripAction::None},
        {L"Tarnovell.exe /start", StripAction::Start}, {L"Tarnovell.exe\t-PAUSE\t", StripAction::Pause},
        {L"Tarnovell.exe /Weiter", StripAction::Next}, {L"Tarnovell.exe -stoppUHR", StripAction::Stopwatch},
        {L"Tarnovell.exe \"/zeigen\"", StripAction::Show},
        {L"\"C:\\Program Files\\Tar -start\\Tarnovell.exe\" /sta\"tus\"", StripAction::Status},
        {L"\"C:\\Program Files\\Tar -start\\Tarnovell.exe", StripAction::None},
        {L"C:\\Tools\\Tarnovell.exe/start -zeigen", StripAction::Show},
        {L"Tarnovell.exe start", error},               {L"Tarnovell.exe \"\"", error},
        {L"Tarnovell.exe /stoppuhrr", error},          {L"Tarnovell.exe /\u017Ftart", error},  // a long s
        {L"Tarnovell.exe /start -pause", error},       {L"Tarnovell.exe /start /start", error},
        {L"Tarnovell.exe " + std::wstring(1 << 20, L' ') + L"/weiter", StripAction::Next},
        {L"Tarnovell.exe /" + huge, error},
        {L"Tarnovell.exe " + std::wstring(1 << 20, L'"') + L" -pause", error},
        {L"\"" + huge, StripAction::None},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ParseStripAction(row.line), row.action) << std::string(row.line.begin(), row.line.begin() + 40);
}

TEST(StripCommand, TheStripReadsOnlyARecordOfItsOwnMagicVersionSizeAndActions)
{
    // The 24 bytes as little-endian words, laid out by hand: "TNVL", version 1, the size, /pause
    // and the reply window 0x1122334455667788 in two halves; the field of a row changed.
    const uint32_t laid[8] = {0x4C564E54, 1, 24, 2, 0x55667788, 0x11223344};
    const StripCommand made = MakeStripCommand(StripAction::Pause, 0x1122334455667788);
    EXPECT_EQ(std::memcmp(&made, laid, sizeof made), 0);
    const struct {
        int nField;
        uint32_t nValue;
        std::size_t nBytes;
        std::optional<uint32_t> action;
    } rows[] = {
        {0, 0x4C564E54, 24, 2},       {0, 0x544E564C, 24, std::nullopt}, {1, 2, 24, std::nullopt},
        {2, 32, 24, std::nullopt},    {3, 0, 24, std::nullopt},          {3, 1, 24, 1},
        {3, 6, 24, 6},                {3, 7, 24, std::nullopt},          {0, 0x4C564E54, 23, std::nullopt},
        {0, 0x4C564E54, 32, std::nullopt}, {0, 0x4C564E54, SIZE_MAX, std::nullopt},
    };
    for (const auto& row : rows) {
        std::array<uint32_t, 8> words = std::to_array(laid);
        words[row.nField] = row.nValue;
        // One byte in, so that no field lies where its type would be aligned.
        unsigned char bytes[1 + sizeof words] = {};
        std::memcpy(bytes + 1, words.data(), sizeof words);
        const std::optional<StripCommand> read = ReadStripCommand(bytes + 1, row.nBytes);
        EXPECT_EQ(read ? std::optional(read->m_nAction) : std::nullopt, row.action) << row.nField << " " << row.nBytes;
        EXPECT_TRUE(!read || read->m_nReplyWindow == 0x1122334455667788u);
    }
    EXPECT_FALSE(ReadStripCommand(nullptr, 24));
}

TEST(StripCommand, TheStatusLineTellsTheBarWhetherItRunsWaitsOrIsPausedAndTheStopwatch)
{
    const struct {
        UnitCycle cycle;
        bool bWaiting;
        Stopwatch stopwatch;
        const char* line;
    } rows[] = {
        {{.m_nMinutes = 25, .m_nUnit = 1}, false, {}, "25:00 --- Einheit 1; pausiert; Stoppuhr 00:00:00 steht"},
        {{.m_bRunning = 1, .m_nSeconds = 5, .m_nMinutes = 24, .m_nUnit = 2}, true, {1, 1, 2, 3},
         "24:05 --- Einheit 2; l\xC3\xA4uft; Stoppuhr 01:02:03 l\xC3\xA4uft"},
        {{.m_bPause = 1, .m_nMinutes = 5}, true, {0, 0, 0, 59}, "5:00 --- PAUSE; wartet; Stoppuhr 00:00:59 steht"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(StatusLine(row.cycle, row.bWaiting, row.stopwatch), row.line);
}
