// The common controls that the program uses, loaded from the system folder on first use rather
// than imported: comctl32 is none of the system's known DLLs, and one beside the program would
// be loaded in its stead.
#pragma once

#include <windows.h>

#include <commctrl.h>

namespace CommonControls {

// Registers the window classes that `classes` (ICC_ flags) name; false if that cannot be done.
bool InitClasses(DWORD classes);

// The subclass chain, in which a subclass put on a window before or after another keeps working.
bool SetSubclass(HWND hWnd, SUBCLASSPROC proc, UINT_PTR id, DWORD_PTR refData);
void RemoveSubclass(HWND hWnd, SUBCLASSPROC proc, UINT_PTR id);
LRESULT DefSubclass(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace CommonControls
