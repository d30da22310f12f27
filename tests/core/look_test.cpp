// The look chosen from Windows' settings, the colours each draws in, and the contrast of colours.
#include <gtest/gtest.h>

#include <tuple>

#include "core/look.h"

const SystemPalette kSystem{0x00112233, 0x00445566, 0x00778899, 0x00AABBCC, 0x00DDEEFF, 0x00102030};

TEST(LookFor, HighContrastWinsAndOnlyAStoredZeroIsDark)
{
    const std::tuple<bool, std::optional<uint32_t>, Look> cases[] = {
        {false, std::nullopt, Look::Light},  {false, 1, Look::Light},         {false, 0, Look::Dark},
        {false, 2, Look::Light},             {false, 0xFFFFFFFF, Look::Light}, {true, 0, Look::HighContrast},
        {true, 1, Look::HighContrast},       {true, std::nullopt, Look::HighContrast},
    };
    for (const auto& [bHighContrast, nLight, look] : cases)
        EXPECT_EQ(LookFor(bHighContrast, nLight), look) << bHighContrast << " " << nLight.value_or(99);
}

TEST(ContrastRatio, FromOneForEqualColoursToTwentyOneForBlackOnWhite)
{
    const std::tuple<uint32_t, uint32_t, double> cases[] = {
        {0x00FFFFFF, 0x00000000, 21.0}, {0x00000000, 0x00FFFFFF, 21.0}, {0x00777777, 0x00777777, 1.0},
        {0x000000FF, 0x000000FF, 1.0},  {0x00777777, 0x00FFFFFF, 4.478},
        // Red is the low byte: pure red on black (0.2126 + 0.05) / 0.05, pure blue (0.0722 + 0.05) / 0.05.
        {0x000000FF, 0x00000000, 5.252}, {0x00FF0000, 0x00000000, 2.444},
    };
    for (const auto& [crA, crB, ratio] : cases)
        EXPECT_NEAR(ContrastRatio(crA, crB), ratio, 0.001) << std::hex << crA << " " << crB;
}

TEST(PaletteFor, LightAndHighContrastInTheSystemsPairsDarkInItsOwnGreys)
{
    const std::pair<Look, LookPalette> cases[] = {
        {Look::Light,
         {0x00DDEEFF, 0x00AABBCC,
          {0x00DDEEFF, 0x00DDEEFF, 0x00DDEEFF, 0x00102030, 0x00102030, 0x00102030, 0x00102030}, true, true}},
        {Look::HighContrast,
         {0x00DDEEFF, 0x00102030,
          {0x00DDEEFF, 0x00112233, 0x00112233, 0x00102030, 0x00445566, 0x00445566, 0x00102030}, false, false}},
        {Look::Dark,
         {0x00202020, 0x00FFFFFF,
          {0x002D2D2D, 0x00383838, 0x00262626, 0x00FFFFFF, 0x00FFFFFF, 0x00FFFFFF, 0x00454545}, false, true}},
    };
    for (const auto& [look, palette] : cases)
        EXPECT_EQ(PaletteFor(look, kSystem), palette) << static_cast<int>(look);
}

TEST(BarPaletteFor, LightAndHighContrastAsBeforeDarkDarkensThePhaseUnderWhiteText)
{
    const std::tuple<Look, uint32_t, BarPalette, BarPalette> cases[] = {
        {Look::Light, 0x0000FF00, {0x0000FF00, 0x00778899, 0x00778899, 0x00FF0000},
         {0x00FF00FF, 0x00887766, 0x00887766, 0x0000FFFF}},
        {Look::HighContrast, 0x0000FF00, {0x00112233, 0x00778899, 0x00445566, 0x00AABBCC},
         {0x00778899, 0x00112233, 0x00AABBCC, 0x00445566}},
        // Green 138 and red 238 are the brightest that keep 4.5:1 to white (4.530; 139: 4.475, 239: 4.497).
        {Look::Dark, 0x0000FF00, {0x00008A00, 0x002B2B2B, 0x00FFFFFF, 0x00FFFFFF}, {0x00FF75FF, 0x00D4D4D4, 0, 0}},
        {Look::Dark, 0x000000FF, {0x000000EE, 0x002B2B2B, 0x00FFFFFF, 0x00FFFFFF}, {0x00FFFF11, 0x00D4D4D4, 0, 0}},
        // Dark blue is readable under white (16:1) as it is.
        {Look::Dark, 0x00800000, {0x00800000, 0x002B2B2B, 0x00FFFFFF, 0x00FFFFFF}, {0x007FFFFF, 0x00D4D4D4, 0, 0}},
    };
    for (const auto& [look, crPhase, bar, blink] : cases) {
        EXPECT_EQ(BarPaletteFor(look, crPhase, kSystem), bar) << static_cast<int>(look) << " " << std::hex << crPhase;
        EXPECT_EQ(BlinkPaletteFor(look, bar), blink) << static_cast<int>(look) << " " << std::hex << crPhase;
    }
}

TEST(BarPaletteFor, DarkTextStaysReadableOverTheWholePhaseAndWhileBlinking)
{
    for (uint32_t nRed = 0; nRed <= 255; ++nRed) {
        const BarPalette bar = BarPaletteFor(Look::Dark, nRed + (255 - nRed) * 256, kSystem);
        for (const BarPalette& shown : {bar, BlinkPaletteFor(Look::Dark, bar)}) {
            EXPECT_GE(ContrastRatio(shown.crBar, shown.crTextOverBar), 4.5) << nRed;
            EXPECT_GE(ContrastRatio(shown.crEmpty, shown.crTextOverEmpty), 4.5) << nRed;
        }
    }
}
