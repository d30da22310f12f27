// The plain records of places and sizes on the screen, in pixels, that the settings and the
// strip's layout share.
#pragma once

#include <cstdint>

// Left, top, width and height of the whole window in screen pixels.
struct WindowPos {
    int32_t m_nLeft = 0;
    int32_t m_nTop = 0;
    int32_t m_nWidth = 0;
    int32_t m_nHeight = 0;

    bool operator==(const WindowPos&) const = default;
};

struct ScreenRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
};

struct FormExtent {
    int32_t cx = 0;
    int32_t cy = 0;
    bool operator==(const FormExtent&) const = default;
};
