// The settings dialog's plus and minus steps and the text of its number displays.
#include "value_steps.h"


int32_t StepUp(int32_t nValue, int32_t nMaximum)
{
    // value + 1 above the maximum, written so that the largest value cannot overflow.
    return nValue >= nMaximum ? nMaximum : nValue + 1;
}

int32_t StepDown(int32_t nValue)
{
    return nValue <= 1 ? 1 : nValue - 1;
}

NumberString NumberText(int32_t nValue)
{
    NumberString text;
    text.AppendNumber(nValue, 2);
    return text;
}
