#include "dwm_window.h"

#include "lazy_import.h"

namespace {

constexpr DWORD kDarkModeAttribute = 20;
// Windows 10 before 20H1 (build 19041) knew the dark caption under this number.
constexpr DWORD kDarkModeAttributeBefore20H1 = 19;
constexpr DWORD kFirstBuildOfDarkModeAttribute = 19041;
constexpr DWORD kCornerPreferenceAttribute = 33;
constexpr DWORD kRoundSmall = 3;

bool SetAttribute(HWND hWnd, DWORD nAttribute, DWORD nValue)
{
    using DwmSetWindowAttributeFunction = HRESULT WINAPI(HWND, DWORD, LPCVOID, DWORD);
    static LazyImport<DwmSetWindowAttributeFunction> set("dwmapi.dll", "DwmSetWindowAttribute");
    auto* pfn = set.Get();
    return pfn && pfn(hWnd, nAttribute, &nValue, sizeof nValue) == S_OK;
}

// The build of the running Windows, told by the kernel itself: GetVersionEx answers with the
// newest version that the program's manifest names, not the one that runs. Without an answer,
// the first build of the attribute's lasting number.
DWORD WindowsBuild()
{
    using RtlGetVersionFunction = LONG WINAPI(OSVERSIONINFOW*);
    static LazyImport<RtlGetVersionFunction> getVersion("ntdll.dll", "RtlGetVersion");
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof version;
    auto* pfn = getVersion.Get();
    return pfn && pfn(&version) == 0 ? version.dwBuildNumber : kFirstBuildOfDarkModeAttribute;
}

}  // namespace

bool UseDarkCaption(HWND hWnd, bool bDark)
{
    const DWORD nAttribute =
        WindowsBuild() < kFirstBuildOfDarkModeAttribute ? kDarkModeAttributeBefore20H1 : kDarkModeAttribute;
    return SetAttribute(hWnd, nAttribute, bDark ? TRUE : FALSE);
}

bool UseSmallRoundCorners(HWND hWnd)
{
    return SetAttribute(hWnd, kCornerPreferenceAttribute, kRoundSmall);
}
