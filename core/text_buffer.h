// A small fixed-capacity text, so that the once-a-second texts cost no heap allocation.
#pragma once

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string_view>

template <std::size_t N>
struct TextBuffer {
    char m_sz[N] = {};

    const char* c_str() const { return m_sz; }
    std::string_view view() const { return m_sz; }
    bool operator==(std::string_view other) const { return view() == other; }

    // Appends the text; what does not fit is left out, and the text always ends.
    TextBuffer& Append(std::string_view text)
    {
        std::size_t n = view().size();
        for (std::size_t i = 0; i < text.size() && n + 1 < N; ++i)
            m_sz[n++] = text[i];
        m_sz[n] = '\0';
        return *this;
    }

    // Appends the number in decimal, right-aligned with blanks in at least nWidth characters, as
    // printf's "%2d" writes it with a width of 2.
    TextBuffer& AppendNumber(int32_t nValue, std::size_t nWidth = 0)
    {
        char digits[16];
        const std::to_chars_result result = std::to_chars(std::begin(digits), std::end(digits), nValue);
        const auto nDigits = static_cast<std::size_t>(result.ptr - digits);
        for (std::size_t n = nDigits; n < nWidth; ++n)
            Append(" ");
        return Append(std::string_view(digits, nDigits));
    }
};
