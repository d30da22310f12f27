// A picture as its size and pixels, read from an icon or from a 32-bit drawing surface, so that
// tests compare what is shown rather than the handles it is shown with.
#pragma once

#include <windows.h>

#include <cstddef>
#include <vector>

struct Picture {
    int nWidth = 0;
    int nHeight = 0;
    std::vector<COLORREF> pixels;

    COLORREF At(int x, int y) const { return pixels[static_cast<std::size_t>(y * nWidth + x)]; }
    bool operator==(const Picture&) const = default;
};

// The pixels of a top-down 32-bit DIB, 0x00RRGGBB each.
inline Picture PictureOfDib(const DWORD* bits, int nWidth, int nHeight)
{
    Picture picture{nWidth, nHeight, {}};
    for (int i = 0; i < nWidth * nHeight; ++i)
        picture.pixels.push_back(RGB((bits[i] >> 16) & 0xFF, (bits[i] >> 8) & 0xFF, bits[i] & 0xFF));
    return picture;
}

// An icon's colour image; an icon the caller owns is destroyed with it.
inline Picture PictureOf(HICON hIcon, bool bOwned = false)
{
    ICONINFO info{};
    BITMAP bitmap{};
    ::GetIconInfo(hIcon, &info);
    ::GetObjectA(info.hbmColor, sizeof bitmap, &bitmap);
    std::vector<DWORD> bits(static_cast<std::size_t>(bitmap.bmWidth) * bitmap.bmHeight);
    BITMAPINFO format{{sizeof(BITMAPINFOHEADER), bitmap.bmWidth, -bitmap.bmHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    HDC hScreen = ::GetDC(nullptr);
    ::GetDIBits(hScreen, info.hbmColor, 0, static_cast<UINT>(bitmap.bmHeight), bits.data(), &format, DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, hScreen);
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    if (bOwned)
        ::DestroyIcon(hIcon);
    return PictureOfDib(bits.data(), bitmap.bmWidth, bitmap.bmHeight);
}
