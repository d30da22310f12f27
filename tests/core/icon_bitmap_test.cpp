// Icon bitmaps of 16 colours and a mask widened to 32-bit colour.
#include <gtest/gtest.h>

#include <vector>

#include "core/icon_bitmap.h"

namespace {

// A picture 2 pixels square, rows bottom up: black and white below, red and a transparent pixel
// above. Its palette holds black, red at 9 and white at 15.
std::vector<uint8_t> TwoByTwo()
{
    std::vector<uint8_t> image = {40, 0, 0, 0, 2, 0, 0, 0, 4, 0, 0, 0, 1, 0, 4, 0, 0, 0, 0, 0, 16, 0, 0, 0};
    image.resize(40 + 64);
    image[40 + 9 * 4 + 2] = 0xFF;
    image[40 + 15 * 4] = image[40 + 15 * 4 + 1] = image[40 + 15 * 4 + 2] = 0xFF;
    for (const uint8_t byte : {0x0F, 0, 0, 0, 0x90, 0, 0, 0, 0x00, 0, 0, 0, 0x40, 0, 0, 0})
        image.push_back(byte);
    return image;
}

}  // namespace

TEST(IconBitmap, EachPixelTakesItsPaletteColourOpaqueOrIsTransparentBlackAndOnlyWholeImagesAreWidened)
{
    const std::vector<uint8_t> widened = {
        40, 0, 0, 0, 2, 0, 0, 0, 4, 0, 0, 0, 1, 0, 32, 0, 0, 0, 0, 0, 24, 0, 0, 0,
        0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
        0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,  // black, white
        0, 0, 0xFF, 0xFF, 0, 0, 0, 0,           // red, transparent
        0x00, 0, 0, 0, 0x40, 0, 0, 0};          // the mask
    EXPECT_EQ(WidenedIconBitmap(TwoByTwo()), widened);

    std::vector<uint8_t> cut = TwoByTwo(), deep = TwoByTwo(), empty = TwoByTwo();
    cut.pop_back();
    deep[14] = 32;
    empty[4] = 0;
    std::vector<uint8_t> shortPalette = TwoByTwo();  // white and red lie past a palette of two colours
    shortPalette[32] = 2;
    shortPalette.erase(shortPalette.begin() + 48, shortPalette.begin() + 104);
    for (const auto& image : {cut, deep, empty, shortPalette, std::vector<uint8_t>(39, 40)})
        EXPECT_TRUE(WidenedIconBitmap(image).empty()) << image.size();
}
