// The strip's size in its two forms and the place it starts at.
#include "window_layout.h"

namespace WindowLayout {

FormExtent FormSize(int32_t nWidth0, int32_t nHeight0, int32_t bStopwatch, WindowForm form)
{
    FormExtent size;
    size.cx = bStopwatch == 1 ? nWidth0 : static_cast<int32_t>(nWidth0 * kCompactWidthFactor);
    // Doubling wraps instead of overflowing; no real window comes near that height.
    size.cy = form == WindowForm::Expanded
                  ? static_cast<int32_t>(static_cast<uint32_t>(nHeight0) << 1)
                  : nHeight0;
    return size;
}

WindowPos StartPlacement(const SavedPlace& saved, const ScreenRect& rcInitial)
{
    // Width and height are taken as 64-bit differences so that no rectangle can overflow them.
    const auto nWidth0 = static_cast<int32_t>(int64_t{rcInitial.right} - rcInitial.left);
    const auto nHeight0 = static_cast<int32_t>(int64_t{rcInitial.bottom} - rcInitial.top);
    return WindowPos{saved.left.value_or(rcInitial.left), saved.top.value_or(rcInitial.top),
                     saved.width.value_or(nWidth0), saved.height.value_or(nHeight0)};
}

}  // namespace WindowLayout
