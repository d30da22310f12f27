// The DPI of a window and of the screen, and a window's frame at a DPI.
#include "win32/window_dpi.h"

#include "core/window_layout.h"
#include "win32/gdi.h"
#include "win32/lazy_import.h"

int ScreenDpi()
{
    const CClientDC screen(nullptr);
    const int nDpi = ::GetDeviceCaps(screen.GetSafeHdc(), LOGPIXELSY);
    return WindowLayout::IsUsableDpi(nDpi) ? nDpi : 96;
}

int WindowDpi(HWND hWnd)
{
    static LazyImport<decltype(::GetDpiForWindow)> getDpiForWindow("user32.dll", "GetDpiForWindow");
    if (auto* pfnGetDpiForWindow = getDpiForWindow.Get()) {
        if (const auto nDpi = static_cast<int>(pfnGetDpiForWindow(hWnd)); WindowLayout::IsUsableDpi(nDpi))
            return nDpi;
    }
    return ScreenDpi();
}

ScreenRect WindowFrame(DWORD style, DWORD exStyle, int nDpi)
{
    static LazyImport<decltype(::AdjustWindowRectExForDpi)> adjustForDpi("user32.dll", "AdjustWindowRectExForDpi");
    RECT rect{};
    if (auto* pfnAdjustForDpi = adjustForDpi.Get())
        pfnAdjustForDpi(&rect, style, FALSE, exStyle, static_cast<UINT>(nDpi));
    else
        ::AdjustWindowRectEx(&rect, style, FALSE, exStyle);
    return ScreenRect{rect.left, rect.top, rect.right, rect.bottom};
}
