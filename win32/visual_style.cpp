#include "visual_style.h"

#include "lazy_import.h"

void ThemeTraits::Free(HTHEME hTheme)
{
    static LazyImport<decltype(::CloseThemeData)> closeThemeData("uxtheme.dll", "CloseThemeData");
    if (auto* pfn = closeThemeData.Get())
        pfn(hTheme);
}

// Where themes are off, for the system or for the program, the style has no data to give.
CThemeData OpenVisualStyle(HWND hWnd, const wchar_t* classList)
{
    static LazyImport<decltype(::OpenThemeData)> openThemeData("uxtheme.dll", "OpenThemeData");
    auto* pfn = openThemeData.Get();
    return CThemeData(pfn ? pfn(hWnd, classList) : nullptr);
}

bool DrawVisualStyleBackground(const CThemeData& theme, HDC hDC, int nPart, int nState, const RECT& rect)
{
    static LazyImport<decltype(::DrawThemeBackground)> drawThemeBackground("uxtheme.dll", "DrawThemeBackground");
    auto* pfn = drawThemeBackground.Get();
    return theme && pfn && SUCCEEDED(pfn(theme.Get(), hDC, nPart, nState, &rect, nullptr));
}
