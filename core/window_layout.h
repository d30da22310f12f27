// The strip's size in its two forms and the place it starts at.
#pragma once

#include <cstdint>
#include <optional>

#include "settings.h"

// The narrow strip, with the stopwatch switched off, ends just after the exit button.
inline constexpr double kCompactWidthFactor = 0.74;

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

enum class WindowForm { Compact, Expanded };

// What section POS held, key by key; a missing key is empty.
struct SavedPlace {
    std::optional<int32_t> left;
    std::optional<int32_t> top;
    std::optional<int32_t> width;
    std::optional<int32_t> height;
};

namespace WindowLayout {
FormExtent FormSize(int32_t nWidth0, int32_t nHeight0, int32_t bStopwatch, WindowForm form);
WindowPos StartPlacement(const SavedPlace& saved, const ScreenRect& rcInitial);
}  // namespace WindowLayout
