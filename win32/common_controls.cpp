// The common controls through comctl32 loaded from the system folder. The subclass functions go
// by ordinal: the system's comctl32 5.82 of older Windows exports them by ordinal alone, and
// these ordinals are the same in version 6 and in Wine.
#include "common_controls.h"

#include "lazy_import.h"

namespace CommonControls {

namespace {

constexpr char kDll[] = "comctl32.dll";

}  // namespace

bool InitClasses(DWORD classes)
{
    static LazyImport<decltype(::InitCommonControlsEx)> init(kDll, "InitCommonControlsEx");
    const INITCOMMONCONTROLSEX controls{sizeof controls, classes};
    auto* pfnInit = init.Get();
    return pfnInit && pfnInit(&controls);
}

bool SetSubclass(HWND hWnd, SUBCLASSPROC proc, UINT_PTR id, DWORD_PTR refData)
{
    static LazyImport<decltype(::SetWindowSubclass)> setSubclass(kDll, 410);
    auto* pfnSetSubclass = setSubclass.Get();
    return pfnSetSubclass && pfnSetSubclass(hWnd, proc, id, refData);
}

void RemoveSubclass(HWND hWnd, SUBCLASSPROC proc, UINT_PTR id)
{
    static LazyImport<decltype(::RemoveWindowSubclass)> removeSubclass(kDll, 412);
    if (auto* pfnRemoveSubclass = removeSubclass.Get())
        pfnRemoveSubclass(hWnd, proc, id);
}

// Only a window that SetSubclass took comes here, so the function is there.
LRESULT DefSubclass(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    static LazyImport<decltype(::DefSubclassProc)> defSubclass(kDll, 413);
    auto* pfnDefSubclass = defSubclass.Get();
    return pfnDefSubclass ? pfnDefSubclass(hWnd, message, wParam, lParam) : 0;
}

}  // namespace CommonControls
