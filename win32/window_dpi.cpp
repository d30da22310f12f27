// The DPI of a window and of the screen, and a window's frame at a DPI.
#include "win32/window_dpi.h"

#include "win32/gdi.h"
#include "win32/lazy_import.h"

int ScreenDpi()
{
    const CClientDC screen(nullptr);
    return ::GetDeviceCaps(screen.GetSafeHdc(), LOGPIXELSY);
}

int WindowDpi(HWND hWnd)
{
    static LazyImport<decltype(::GetDpiForWindow)> getDpiForWindow("user32.dll", "GetDpiForWindow");
    if (auto* pfnGetDpiForWindow = getDpiForWindow.Get()) {
        if (const UINT nDpi = pfnGetDpiForWindow(hWnd))
            return static_cast<int>(nDpi);
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
