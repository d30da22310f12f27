// An icon image stored as a plain bitmap of 16 colours and a mask, widened to 32-bit colour
// with an alpha channel.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

// The image as the system takes an icon image of 32-bit colour: the same header but for its
// colour depth, no palette, each pixel its palette colour and opaque where the mask is clear,
// black and transparent where it is set, then the mask as it was. Empty for anything but a whole
// 4-bit image of at most 256 pixels each way whose pixels all lie in its palette.
std::vector<uint8_t> WidenedIconBitmap(std::span<const uint8_t> image);
