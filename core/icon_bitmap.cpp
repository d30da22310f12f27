// An icon image stored as a plain bitmap of 16 colours and a mask, widened to 32-bit colour
// with an alpha channel.
#include "icon_bitmap.h"

#include <cstddef>

namespace {

constexpr size_t kHeaderSize = 40;

// A little-endian field of the header; the caller has checked that it lies inside.
uint32_t Field(std::span<const uint8_t> image, size_t nAt, size_t nBytes)
{
    uint32_t value = 0;
    for (size_t i = nBytes; i-- > 0;)
        value = value << 8 | image[nAt + i];
    return value;
}

void PutField(std::vector<uint8_t>& image, size_t nAt, size_t nBytes, uint32_t value)
{
    for (size_t i = 0; i < nBytes; ++i)
        image[nAt + i] = static_cast<uint8_t>(value >> (8 * i));
}

}  // namespace

std::vector<uint8_t> WidenedIconBitmap(std::span<const uint8_t> image)
{
    if (image.size() < kHeaderSize || Field(image, 0, 4) != kHeaderSize)
        return {};
    // The height counts the colours and the mask, each as high as the picture.
    const uint32_t nWidth = Field(image, 4, 4);
    const uint32_t nHeight = Field(image, 8, 4) / 2;
    const uint32_t nColours = Field(image, 32, 4) ? Field(image, 32, 4) : 16;
    if (Field(image, 14, 2) != 4 || Field(image, 16, 4) != 0 || nWidth - 1 >= 256 || nHeight - 1 >= 256 ||
        nColours > 16)
        return {};
    const size_t nStride = (nWidth * 4 + 31) / 32 * 4;
    const size_t nMaskStride = (nWidth + 31) / 32 * 4;
    const size_t nPalette = kHeaderSize;
    const size_t nColourBits = nPalette + nColours * 4;
    const size_t nMaskBits = nColourBits + nStride * nHeight;
    if (image.size() < nMaskBits + nMaskStride * nHeight)
        return {};

    std::vector<uint8_t> widened(image.begin(), image.begin() + kHeaderSize);
    PutField(widened, 14, 2, 32);
    PutField(widened, 20, 4, static_cast<uint32_t>((nWidth * 4 + nMaskStride) * nHeight));
    PutField(widened, 32, 4, 0);
    for (size_t y = 0; y < nHeight; ++y) {
        for (size_t x = 0; x < nWidth; ++x) {
            const uint8_t byte = image[nColourBits + y * nStride + x / 2];
            const uint32_t nIndex = x % 2 ? byte & 0x0F : byte >> 4;
            const bool bTransparent = image[nMaskBits + y * nMaskStride + x / 8] >> (7 - x % 8) & 1;
            if (nIndex >= nColours)
                return {};
            if (bTransparent) {
                widened.insert(widened.end(), 4, 0);
                continue;
            }
            const auto colour = image.subspan(nPalette + nIndex * 4, 3);
            widened.insert(widened.end(), colour.begin(), colour.end());
            widened.push_back(0xFF);
        }
    }
    const auto mask = image.subspan(nMaskBits, nMaskStride * nHeight);
    widened.insert(widened.end(), mask.begin(), mask.end());
    return widened;
}
