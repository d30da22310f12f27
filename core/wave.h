// A wave file read whatever its bytes claim and written anew at a level: the bytes the system's
// player is handed from memory, which hold nothing that could lead it past their end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// A file beyond this is not taken: an alarm of a few seconds is a few hundred kilobytes.
inline constexpr std::size_t kMaxWaveFileBytes = std::size_t{64} << 20;

struct WaveSound {
    // "RIFF", its size, "WAVE", the file's fmt chunk as it was and one data chunk.
    std::vector<uint8_t> bytes;
    // How long the data plays, cut to whole milliseconds.
    uint32_t nDurationMs = 0;
};

// The file with the samples of 8- and 16-bit PCM scaled to nLevel percent (0 to 100) of their
// own, each toward silence: 16-bit samples toward 0, 8-bit ones toward 128. Other formats keep
// their samples and play at their own level. Chunks other than the first fmt and data go; a data
// chunk that claims more than the file holds keeps the whole blocks that are there, and the first
// other chunk that does ends the file. Nothing for a file that is no wave, lacks either chunk,
// has a block align, sample rate or byte rate of 0, or is larger than kMaxWaveFileBytes.
std::optional<WaveSound> WaveAtLevel(std::span<const uint8_t> file, int32_t nLevel);
