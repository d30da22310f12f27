// A small fixed-capacity text, so that the once-a-second texts cost no heap allocation.
#pragma once

#include <cstddef>
#include <string_view>

template <std::size_t N>
struct TextBuffer {
    char m_sz[N] = {};

    const char* c_str() const { return m_sz; }
    std::string_view view() const { return m_sz; }
    bool operator==(std::string_view other) const { return view() == other; }
};
