// The stopwatch beside the countdown: hours, minutes and seconds counted up tick by tick.
#include "stopwatch.h"


void Stopwatch::Reset()
{
    m_nHours = 0;
    m_nSwMinutes = 0;
    m_nSwSeconds = 0;
}

void Stopwatch::Tick()
{
    m_nSwSeconds += 1;
    if (m_nSwSeconds >= 60) {
        m_nSwMinutes += 1;
        m_nSwSeconds = 0;
        if (m_nSwMinutes >= 60) {
            m_nHours += 1;
            m_nSwMinutes = 0;
            // No day count: after 99:59:59 it starts again at zero.
            if (m_nHours > 99)
                m_nHours = 0;
        }
    }
}

int32_t Stopwatch::ToggleRunning()
{
    m_bSwRunning = m_bSwRunning == 0 ? 1 : 0;
    return m_bSwRunning;
}

TimeString Stopwatch::TimeText() const
{
    TimeString text;
    text.AppendNumber(m_nHours, 2).Append(":").AppendNumber(m_nSwMinutes, 2).Append(":").AppendNumber(m_nSwSeconds, 2);
    for (char& c : text.m_sz) {
        if (c == ' ')
            c = '0';
    }
    return text;
}
