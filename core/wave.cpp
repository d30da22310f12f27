// A wave file's chunks found within its bytes, and the file written anew at a level.
#include "wave.h"

#include <algorithm>
#include <limits>

#include "phase_end.h"

namespace {

constexpr std::size_t kRiffHeaderBytes = 12;
constexpr std::size_t kChunkHeaderBytes = 8;
constexpr std::size_t kMinFormatBytes = 16;
// WAVE_FORMAT_EXTENSIBLE names its true format in a GUID after 24 bytes of format.
constexpr std::size_t kSubFormatOffset = 24;
constexpr uint16_t kFormatPcm = 1;
constexpr uint16_t kFormatExtensible = 0xFFFE;

// Read byte by byte: the file's numbers are little-endian and lie at any offset.
uint16_t Le16(std::span<const uint8_t> bytes, std::size_t nAt)
{
    return static_cast<uint16_t>(bytes[nAt] | bytes[nAt + 1] << 8);
}

uint32_t Le32(std::span<const uint8_t> bytes, std::size_t nAt)
{
    return static_cast<uint32_t>(Le16(bytes, nAt)) | static_cast<uint32_t>(Le16(bytes, nAt + 2)) << 16;
}

bool IsId(std::span<const uint8_t> bytes, std::size_t nAt, const char (&id)[5])
{
    return std::equal(id, id + 4, bytes.begin() + static_cast<std::ptrdiff_t>(nAt));
}

void AppendLe32(std::vector<uint8_t>& bytes, std::size_t nValue)
{
    for (int nShift = 0; nShift < 32; nShift += 8)
        bytes.push_back(static_cast<uint8_t>(nValue >> nShift));
}

// A chunk of the given body; a body of odd length is followed by a pad byte.
void AppendChunk(std::vector<uint8_t>& bytes, const char (&id)[5], std::span<const uint8_t> body)
{
    bytes.insert(bytes.end(), id, id + 4);
    AppendLe32(bytes, body.size());
    bytes.insert(bytes.end(), body.begin(), body.end());
    if (body.size() % 2)
        bytes.push_back(0);
}

struct Chunks {
    std::optional<std::span<const uint8_t>> format;
    std::optional<std::span<const uint8_t>> data;
    // Whether the data chunk claimed more than the file holds.
    bool bDataCut = false;
};

// The first fmt chunk of a whole format and the first data chunk. The walk ends where no whole
// chunk header is left, and at a chunk that claims more than the file holds: only data can be
// taken in part.
Chunks FindChunks(std::span<const uint8_t> file)
{
    Chunks chunks;
    std::size_t nAt = kRiffHeaderBytes;
    while (file.size() - nAt >= kChunkHeaderBytes) {
        const std::size_t nSize = Le32(file, nAt + 4);
        const std::size_t nBody = nAt + kChunkHeaderBytes;
        const std::size_t nThere = std::min(nSize, file.size() - nBody);
        if (IsId(file, nAt, "data") && !chunks.data) {
            chunks.data = file.subspan(nBody, nThere);
            chunks.bDataCut = nThere < nSize;
        } else if (IsId(file, nAt, "fmt ") && !chunks.format && nThere == nSize && nSize >= kMinFormatBytes) {
            chunks.format = file.subspan(nBody, nSize);
        }
        if (nThere < nSize)
            break;
        // The pad byte of the file's last chunk may be missing.
        nAt = std::min(nBody + nSize + nSize % 2, file.size());
    }
    return chunks;
}

bool IsPcm(std::span<const uint8_t> format)
{
    const uint16_t nTag = Le16(format, 0);
    return nTag == kFormatPcm || (nTag == kFormatExtensible && format.size() >= kSubFormatOffset + 2 &&
                                  Le16(format, kSubFormatOffset) == kFormatPcm);
}

// C++ division cuts toward zero, so every sample comes closer to silence, never beyond it.
void ScaleSamples(std::span<uint8_t> data, uint16_t nBits, int32_t nLevel)
{
    if (nBits == 8) {
        for (uint8_t& sample : data)
            sample = static_cast<uint8_t>((sample - 128) * nLevel / kFullLevel + 128);
    } else if (nBits == 16) {
        // A last odd byte is half a sample and stays as it is.
        for (std::size_t n = 0; n + 1 < data.size(); n += 2) {
            const auto nSample = static_cast<int16_t>(Le16(data, n));
            const auto nScaled = static_cast<uint16_t>(nSample * nLevel / kFullLevel);
            data[n] = static_cast<uint8_t>(nScaled);
            data[n + 1] = static_cast<uint8_t>(nScaled >> 8);
        }
    }
}

}  // namespace

std::optional<WaveSound> WaveAtLevel(std::span<const uint8_t> file, int32_t nLevel)
{
    if (file.size() < kRiffHeaderBytes || file.size() > kMaxWaveFileBytes || !IsId(file, 0, "RIFF") ||
        !IsId(file, 8, "WAVE"))
        return std::nullopt;
    const Chunks chunks = FindChunks(file);
    if (!chunks.format || !chunks.data)
        return std::nullopt;
    const std::span<const uint8_t> format = *chunks.format;
    const uint32_t nSampleRate = Le32(format, 4);
    const uint32_t nByteRate = Le32(format, 8);
    const uint16_t nBlockAlign = Le16(format, 12);
    if (nSampleRate == 0 || nByteRate == 0 || nBlockAlign == 0)
        return std::nullopt;
    std::span<const uint8_t> data = *chunks.data;
    if (chunks.bDataCut)
        data = data.first(data.size() - data.size() % nBlockAlign);

    WaveSound sound;
    std::vector<uint8_t>& bytes = sound.bytes;
    const std::size_t nFormatChunk = kChunkHeaderBytes + format.size() + format.size() % 2;
    const std::size_t nDataChunk = kChunkHeaderBytes + data.size() + data.size() % 2;
    bytes.reserve(kRiffHeaderBytes + nFormatChunk + nDataChunk);
    bytes.insert(bytes.end(), {'R', 'I', 'F', 'F'});
    AppendLe32(bytes, 4 + nFormatChunk + nDataChunk);
    bytes.insert(bytes.end(), {'W', 'A', 'V', 'E'});
    AppendChunk(bytes, "fmt ", format);
    AppendChunk(bytes, "data", data);
    if (IsPcm(format)) {
        const std::size_t nData = kRiffHeaderBytes + nFormatChunk + kChunkHeaderBytes;
        ScaleSamples(std::span(bytes).subspan(nData, data.size()), Le16(format, 14), LevelFrom(nLevel));
    }
    const uint64_t nMs = uint64_t{data.size()} * 1000 / nByteRate;
    sound.nDurationMs = static_cast<uint32_t>(std::min<uint64_t>(nMs, std::numeric_limits<uint32_t>::max()));
    return sound;
}
