// The strip's size in its two forms and its start-up place.
#include <gtest/gtest.h>

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

TEST(WindowLayout, StartPlacementTakesEverySavedKeyElseTheInitialRectangle)
{
    const ScreenRect initial{414, 494, 866, 529};
    EXPECT_EQ(StartPlacement({}, initial), (WindowPos{414, 494, 452, 35}));
    EXPECT_EQ(StartPlacement({-12, 0, 446, 35}, initial), (WindowPos{-12, 0, 446, 35}));
    EXPECT_EQ(StartPlacement({100, std::nullopt, 300, std::nullopt}, initial), (WindowPos{100, 494, 300, 35}));
}
