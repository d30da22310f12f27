// The strip's size in its two forms and its start-up place.
#include <gtest/gtest.h>

#include <array>

#include "core/window_layout.h"

using WindowLayout::FormSize;
using WindowLayout::StartPlacement;

TEST(WindowLayout, WidthIsFullOnlyForStopwatchOne)
{
    struct Case {
        int32_t width0, stopwatch, width;
    };
    const Case cases[] = {
        {452, 1, 452}, {452, 0, 334}, {452, 2, 334}, {452, -1, 334},
        {297, 0, 219}, {100, 0, 74},  {50, 0, 37},
    };
    for (const Case& c : cases) {
        for (WindowForm form : {WindowForm::Compact, WindowForm::Expanded})
            EXPECT_EQ(FormSize(c.width0, 35, c.stopwatch, form).cx, c.width) << c.width0 << "," << c.stopwatch;
    }
}

TEST(WindowLayout, ExpandedIsTwiceTheInitialHeightCompactExactlyIt)
{
    EXPECT_EQ(FormSize(452, 35, 1, WindowForm::Compact), (FormExtent{452, 35}));
    EXPECT_EQ(FormSize(452, 35, 1, WindowForm::Expanded), (FormExtent{452, 70}));
    EXPECT_EQ(FormSize(452, 35, 0, WindowForm::Expanded), (FormExtent{334, 70}));
    // The doubling of a height that no screen has wraps instead of overflowing.
    EXPECT_EQ(FormSize(10, 0x40000000, 1, WindowForm::Expanded).cy, INT32_MIN);
}

TEST(WindowLayout, CompactWidthFactorIsTheDoubleNearestToPoint74)
{
    EXPECT_EQ(std::bit_cast<uint64_t>(kCompactWidthFactor), 0x3FE7AE147AE147AEull);
}

TEST(WindowLayout, StartPlacementTakesTheSavedCornerWithTheFormsSizeElseTheInitialPlace)
{
    const WindowPos initial{414, 494, 452, 35};
    EXPECT_EQ(StartPlacement(initial, initial, {334, 35}), initial);
    EXPECT_EQ(StartPlacement({-12, 0, 446, 35}, initial, {334, 35}), (WindowPos{-12, 0, 334, 35}));
    EXPECT_EQ(StartPlacement({100, 494, 1, 1}, initial, {452, 35}), (WindowPos{100, 494, 452, 35}));
}

TEST(WindowLayout, MoveInsideMovesTheLeastDistanceForAnyValue)
{
    const ScreenRect screen{0, 0, 1280, 1024};
    const ScreenRect left{-1920, -200, 0, 880};
    struct Case {
        WindowPos place;
        ScreenRect bounds;
        int32_t left, top;
    };
    const Case cases[] = {
        {{100, 50, 452, 35}, screen, 100, 50},
        {{-12, -5, 452, 35}, screen, 0, 0},
        {{1023, 767, 452, 35}, screen, 828, 767},
        {{-1940, 860, 452, 35}, left, -1920, 845},
        {{-100, 100, 452, 35}, left, -452, 100},
        {{10, 10, 2000, 2000}, screen, 0, 0},
        {{10, 10, -5, -5}, screen, 10, 10},
        {{2147483647, 2147483647, 2147483647, 2147483647}, screen, 0, 0},
        {{2147483647, -2147483647 - 1, -2147483647 - 1, 2147483647}, screen, 1280, 0},
        {{0, 0, 452, 35}, {2147483647, -2147483647 - 1, -2147483647 - 1, 2147483647}, 2147483647, 0},
    };
    for (const Case& c : cases) {
        const WindowPos moved = WindowLayout::MoveInside(c.place, c.bounds);
        EXPECT_EQ(moved, (WindowPos{c.left, c.top, c.place.m_nWidth, c.place.m_nHeight}))
            << c.place.m_nLeft << "," << c.place.m_nTop;
    }
    // Onto a monitor: a place wholly on it stays, even over the taskbar; any other keeps clear of it.
    const ScreenRect work{0, 0, 1280, 984};
    EXPECT_EQ(WindowLayout::MoveOntoMonitor({100, 1000, 452, 24}, screen, work), (WindowPos{100, 1000, 452, 24}));
    EXPECT_EQ(WindowLayout::MoveOntoMonitor({100, 1010, 452, 24}, screen, work), (WindowPos{100, 960, 452, 24}));
}

TEST(WindowLayout, TheTemplateAndThePicturesAreLaidOutForEachDpiAsAFreshStartDoes)
{
    using namespace WindowLayout;
    // The strip's template with the dialog font's letters and height at 96, 144 and 192 DPI; an
    // average of 6.48 pixels rounds down, one of 6.5 up.
    EXPECT_EQ(DialogWindowSize({297, 18}, {DialogBaseWidth(334), 12}, {-3, -3, 3, 3}), (FormExtent{452, 33}));
    EXPECT_EQ(DialogWindowSize({297, 18}, {DialogBaseWidth(491), 17}, {-3, -3, 3, 3}), (FormExtent{674, 44}));
    EXPECT_EQ(DialogWindowSize({297, 18}, {DialogBaseWidth(646), 23}, {-4, -4, 4, 4}), (FormExtent{899, 60}));
    EXPECT_EQ(DialogBaseWidth(337) * 10 + DialogBaseWidth(338), 67);
    EXPECT_EQ(DialogWindowSize({INT32_MAX, 1}, {INT32_MAX, 8}, {-3, INT32_MIN, 3, INT32_MAX}).cx, INT32_MAX);
    // A button's picture at each DPI, from the drawn image next in size.
    for (const auto& [nDpi, nPixels, nDrawn] : {std::array{96, 32, 32}, {120, 40, 40}, {144, 48, 48}, {168, 56, 64}, {192, 64, 64},
                                                {288, 96, 96}, {480, 160, 96}, {72, 24, 32}, {0, 32, 32},
                                                {48, 16, 32}, {47, 32, 32}, {960, 320, 96}, {961, 32, 32},
                                                {65535, 32, 32}, {-96, 32, 32}}) {
        EXPECT_EQ(ButtonIconSize(nDpi), nPixels) << nDpi;
        EXPECT_EQ(DrawnIconSize(nPixels), nDrawn) << nDpi;
    }
}
