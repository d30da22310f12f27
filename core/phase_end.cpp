// The bounds of section ABLAUF's values.
#include "phase_end.h"

#include <algorithm>
#include <climits>

std::optional<int32_t> SettingNumber(std::string_view text)
{
    std::size_t n = text.find_first_not_of(" \t");
    if (n == std::string_view::npos)
        return std::nullopt;
    const bool bNegative = text[n] == '-';
    if (text[n] == '-' || text[n] == '+')
        ++n;
    if (n >= text.size() || text[n] < '0' || text[n] > '9')
        return std::nullopt;
    // Counted in 64 bits and stopped at the first step beyond 32: no digit can overflow it.
    int64_t nValue = 0;
    for (; n < text.size() && text[n] >= '0' && text[n] <= '9' && nValue <= INT32_MAX; ++n)
        nValue = nValue * 10 + (text[n] - '0');
    nValue = bNegative ? -nValue : nValue;
    return static_cast<int32_t>(std::clamp<int64_t>(nValue, INT32_MIN, INT32_MAX));
}

bool SwitchFrom(int32_t nValue)
{
    return nValue >= 1;
}

int32_t RepeatSecondsFrom(int32_t nValue)
{
    // Between off and the shortest repeat, the nearer of the two.
    if (nValue < kMinRepeatSecs)
        return nValue <= kMinRepeatSecs / 2 ? 0 : kMinRepeatSecs;
    return std::min(nValue, kMaxRepeatSecs);
}

int32_t WarningMinutesFrom(int32_t nValue)
{
    return std::clamp(nValue, 0, kMaxWarningMins);
}

int32_t LevelFrom(int32_t nValue)
{
    return std::clamp(nValue, 0, kFullLevel);
}
