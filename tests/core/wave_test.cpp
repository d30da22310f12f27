// Wave files, well-formed and hostile, as the player is handed them at a level.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>

#include "core/wave.h"

using namespace std::string_literals;

namespace {

std::string U16(int n) { return {static_cast<char>(n & 0xFF), static_cast<char>(n >> 8 & 0xFF)}; }
std::string U32(uint32_t n) { return U16(static_cast<int>(n & 0xFFFF)) + U16(static_cast<int>(n >> 16)); }
std::string Chunk(const char* id, uint32_t nSize) { return id + U32(nSize); }
std::string S16(std::initializer_list<int> samples)
{
    std::string bytes;
    for (int n : samples)
        bytes += U16(n);
    return bytes;
}
// One channel at 2 samples a second, then the byte rate, block align and bits.
std::string Fmt(int nTag, uint32_t nByteRate, int nAlign, int nBits)
{
    return U16(nTag) + U16(1) + U32(2) + U32(nByteRate) + U16(nAlign) + U16(nBits);
}
// WAVE_FORMAT_EXTENSIBLE of 16 bits whose sub-format GUID starts with nSub.
std::string Extensible(int nSub)
{
    const std::string guidTail = U16(0) + U16(0x10) + "\x80\0\0\xAA\0\x38\x9B\x71"s;
    return Fmt(0xFFFE, 4, 2, 16) + U16(22) + U16(16) + U32(4) + U32(nSub) + guidTail;
}

}  // namespace

TEST(Wave, TheFileIsWrittenAnewWithItsPcmSamplesScaledTowardSilence)
{
    const std::string riff = "RIFF" + U32(0xFFFFFFFF) + "WAVE";
    const std::string pcm16 = Chunk("fmt ", 16) + Fmt(1, 4, 2, 16);
    const std::string pcm8 = riff + Chunk("fmt ", 16) + Fmt(1, 2, 1, 8) + Chunk("data", 5);
    const std::string bytes8 = "\xE4\x1C\x80\xFF\x00"s;
    const std::string ab = Chunk("data", 2) + "ab";
    struct Case {
        const char* what;
        std::string file;
        int32_t nLevel;
        std::optional<std::string> wave;
        uint32_t nDurationMs = 0;
    };
    const Case cases[] = {
        {"16 bits at 50", riff + pcm16 + Chunk("data", 10) + S16({1000, -1000, -32768, 1, -1}), 50,
         "RIFF" + U32(46) + "WAVE" + pcm16 + Chunk("data", 10) + S16({500, -500, -16384, 0, 0}), 2500},
        {"8 bits at 50, odd, no pad", pcm8 + bytes8, 50,
         "RIFF" + U32(42) + pcm8.substr(8) + "\xB2\x4E\x80\xBF\x40\0"s, 2500},
        {"level above 100", pcm8 + bytes8, 150, "RIFF" + U32(42) + pcm8.substr(8) + bytes8 + "\0"s, 2500},
        {"level below 0", pcm8 + bytes8, -5, "RIFF" + U32(42) + pcm8.substr(8) + "\x80\x80\x80\x80\x80\0"s, 2500},
        {"fmt after data, odd chunk before", riff + Chunk("LIST", 3) + "abc\0"s + Chunk("data", 2) + S16({-2}) + pcm16,
         100, "RIFF" + U32(38) + "WAVE" + pcm16 + Chunk("data", 2) + S16({-2}), 500},
        {"data beyond the file", riff + pcm16 + Chunk("data", 0xFFFFFFFF) + S16({1000, 2000}) + "\x07", 50,
         "RIFF" + U32(40) + "WAVE" + pcm16 + Chunk("data", 4) + S16({500, 1000}), 1000},
        {"odd fmt", riff + Chunk("fmt ", 17) + Fmt(1, 4, 2, 16) + "x\0"s + Chunk("data", 2) + S16({4}), 50,
         "RIFF" + U32(40) + "WAVE" + Chunk("fmt ", 17) + Fmt(1, 4, 2, 16) + "x\0"s + Chunk("data", 2) + S16({2}), 500},
        {"extensible PCM", riff + Chunk("fmt ", 40) + Extensible(1) + Chunk("data", 2) + S16({-1000}), 50,
         "RIFF" + U32(62) + "WAVE" + Chunk("fmt ", 40) + Extensible(1) + Chunk("data", 2) + S16({-500}), 500},
        {"extensible float", riff + Chunk("fmt ", 40) + Extensible(3) + Chunk("data", 2) + S16({-1000}), 50,
         "RIFF" + U32(62) + "WAVE" + Chunk("fmt ", 40) + Extensible(3) + Chunk("data", 2) + S16({-1000}), 500},
        {"float", riff + Chunk("fmt ", 16) + Fmt(3, 8, 4, 32) + Chunk("data", 4) + "\0\0\x80\x3F"s, 50,
         "RIFF" + U32(40) + "WAVE" + Chunk("fmt ", 16) + Fmt(3, 8, 4, 32) + Chunk("data", 4) + "\0\0\x80\x3F"s, 500},
        {"truncated header", "RIFF\0\0\0\0WAV"s, 100, std::nullopt},
        {"no fmt", riff + ab, 100, std::nullopt},
        {"no data", riff + pcm16 + Chunk("dat", 2), 100, std::nullopt},
        {"short fmt", riff + Chunk("fmt ", 14) + Fmt(1, 4, 2, 16).substr(0, 14) + ab, 100, std::nullopt},
        {"block align 0", riff + Chunk("fmt ", 16) + Fmt(1, 4, 0, 16) + ab, 100, std::nullopt},
        {"byte rate 0", riff + Chunk("fmt ", 16) + Fmt(1, 0, 2, 16) + ab, 100, std::nullopt},
        {"fmt beyond the file", riff + ab + Chunk("fmt ", 0xFFFFFFFF) + Fmt(1, 4, 2, 16), 100, std::nullopt},
        {"chunk beyond the file", riff + pcm16 + Chunk("junk", 0xFFFFFFFF) + ab, 100, std::nullopt},
    };
    for (const Case& c : cases) {
        // Bytes of their own, so that a read past them is a read past an allocation.
        const std::vector<uint8_t> file(c.file.begin(), c.file.end());
        const std::optional<WaveSound> sound = WaveAtLevel(file, c.nLevel);
        ASSERT_EQ(sound.has_value(), c.wave.has_value()) << c.what;
        if (sound) {
            EXPECT_EQ(std::string(sound->bytes.begin(), sound->bytes.end()), *c.wave) << c.what;
            EXPECT_EQ(sound->nDurationMs, c.nDurationMs) << c.what;
        }
    }

    // The largest file taken, of one byte a second: its 67108820 s cut to what 32 bits hold.
    const std::string header = riff + Chunk("fmt ", 16) + Fmt(3, 1, 4, 32) + Chunk("data", (64 << 20) - 44);
    std::vector<uint8_t> big(kMaxWaveFileBytes);
    std::copy(header.begin(), header.end(), big.begin());
    EXPECT_EQ(WaveAtLevel(big, 100).value().nDurationMs, 0xFFFFFFFFu);
    big.push_back(0);
    EXPECT_FALSE(WaveAtLevel(big, 100));
}
