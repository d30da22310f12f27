// The plus and minus steps of the settings dialog and its number displays.
#include <gtest/gtest.h>

#include <climits>

#include "core/value_steps.h"

TEST(ValueSteps, StepUpAppliesTheMaximumAfterTheStep)
{
    struct Case {
        int32_t value, maximum, result;
    };
    const Case cases[] = {
        {25, 60, 26}, {59, 60, 60}, {60, 60, 60}, {90, 60, 60}, {10, 10, 10}, {9, 10, 10},
        {0, 60, 1},   {-5, 60, -4}, {INT_MAX, 60, 60}, {INT_MIN, 60, INT_MIN + 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StepUp(c.value, c.maximum), c.result) << c.value << " max " << c.maximum;
}

TEST(ValueSteps, StepDownNeverGoesBelowOne)
{
    struct Case {
        int32_t value, result;
    };
    const Case cases[] = {{25, 24}, {2, 1}, {1, 1}, {0, 1}, {-5, 1}, {90, 89}, {INT_MIN, 1}, {INT_MAX, INT_MAX - 1}};
    for (const Case& c : cases)
        EXPECT_EQ(StepDown(c.value), c.result) << c.value;
}

TEST(ValueSteps, NumberTextIsRightAlignedInTwoCharacters)
{
    EXPECT_EQ(NumberText(5).view(), " 5");
    EXPECT_EQ(NumberText(0).view(), " 0");
    EXPECT_EQ(NumberText(25).view(), "25");
    EXPECT_EQ(NumberText(-5).view(), "-5");
    EXPECT_EQ(NumberText(100).view(), "100");
    EXPECT_EQ(NumberText(INT_MIN).view(), "-2147483648");
}
