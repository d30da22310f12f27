#include "spoken_status.h"

#include <algorithm>
#include <limits>

#include "unit_cycle.h"

namespace {

void AppendCount(SpokenText& text, int64_t nCount, const char* singular, const char* plural)
{
    if (text.view().size() > 0 && text.view().back() != ' ')
        text.Append(" ");
    text.AppendNumber(static_cast<int32_t>(std::min<int64_t>(nCount, std::numeric_limits<int32_t>::max())))
        .Append(" ")
        .Append(nCount == 1 ? singular : plural);
}

void AppendTime(SpokenText& text, int64_t nSeconds)
{
    nSeconds = std::max<int64_t>(nSeconds, 0);
    const int64_t nHours = nSeconds / 3600;
    const int64_t nMinutes = nSeconds % 3600 / 60;
    const int64_t nRest = nSeconds % 60;
    if (nHours > 0)
        AppendCount(text, nHours, "Stunde", "Stunden");
    if (nMinutes > 0 || nSeconds == 0)
        AppendCount(text, nMinutes, "Minute", "Minuten");
    if (nRest > 0)
        AppendCount(text, nRest, "Sekunde", "Sekunden");
}

void AppendPhase(SpokenText& text, const UnitCycle& cycle)
{
    if (cycle.m_bPause == 1)
        text.Append("Pause");
    else
        text.Append("Einheit ").AppendNumber(cycle.m_nUnit);
}

}  // namespace

SpokenText SpokenTime(int64_t nSeconds)
{
    SpokenText text;
    AppendTime(text, nSeconds);
    return text;
}

SpokenText SpokenPhaseStart(const UnitCycle& cycle)
{
    SpokenText text;
    AppendPhase(text, cycle);
    text.Append(", ");
    AppendTime(text, cycle.m_nTotal);
    return text;
}

SpokenText SpokenWaiting(const UnitCycle& cycle)
{
    SpokenText text;
    AppendPhase(text, cycle);
    text.Append(" wartet");
    return text;
}

SpokenText SpokenWarning(int32_t nMinutes)
{
    SpokenText text;
    text.Append("Noch ");
    AppendTime(text, int64_t{nMinutes} * 60);
    return text;
}

// The bar shows minutes past 60 as they are ("90:00"); spoken, they are hours and minutes.
SpokenText SpokenStatus(const UnitCycle& cycle)
{
    SpokenText text;
    AppendTime(text, int64_t{cycle.m_nMinutes} * 60 + cycle.m_nSeconds);
    text.Append(", ");
    AppendPhase(text, cycle);
    return text;
}
