// An icon image at any size, from the module's icon group.
#include "win32/icon_image.h"

#include <cstdint>
#include <vector>

#include "core/icon_bitmap.h"
#include "core/window_layout.h"
#include "win32/resource_bytes.h"

HICON LoadIconImage(HINSTANCE hInstance, int nIconID, int nPixels)
{
    DWORD nSize = 0;
    const BYTE* group = ResourceBytes(hInstance, nIconID, RT_GROUP_ICON, nSize);
    if (!group)
        return nullptr;
    // Asked for a size it holds, the system picks that image exactly; the icon is then made
    // from it at the size wanted.
    const int nDrawn = WindowLayout::DrawnIconSize(nPixels);
    const int nImageID = ::LookupIconIdFromDirectoryEx(const_cast<BYTE*>(group), TRUE, nDrawn, nDrawn, LR_DEFAULTCOLOR);
    const BYTE* image = ResourceBytes(hInstance, nImageID, RT_ICON, nSize);
    if (!image)
        return nullptr;
    // A bitmap of 16 colours is scaled with its mask apart from its colours, which leaves dark
    // dots along a picture's edges; widened to 32-bit colour it is scaled as the PNG images are.
    std::vector<uint8_t> widened;
    if (nPixels != nDrawn)
        widened = WidenedIconBitmap({image, nSize});
    if (!widened.empty()) {
        image = widened.data();
        nSize = static_cast<DWORD>(widened.size());
    }
    return ::CreateIconFromResourceEx(const_cast<BYTE*>(image), nSize, TRUE, 0x00030000, nPixels, nPixels,
                                      LR_DEFAULTCOLOR);
}
