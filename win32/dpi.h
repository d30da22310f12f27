// The DPI a window is shown at, and what a window takes anew when its DPI changes: the layout of
// its dialog template, its frame and the icons drawn for each size.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "core/window_layout.h"

// The DPI of the screen: the one the system had at sign-in, that of every window where Windows
// knows no DPI per window.
int ScreenDpi();
// The DPI the window is shown at: its monitor's where Windows knows a DPI per window, else the
// screen's, as on systems before Windows 10 1607.
int WindowDpi(HWND hWnd);

// What the dialog manager reads of a template's header to lay out the window: its size in
// dialog units and its font.
struct DialogTemplateHeader {
    FormExtent units;
    int nPointSize = 0;
    int nWeight = FW_DONTCARE;
    BYTE bItalic = FALSE;
    BYTE nCharSet = DEFAULT_CHARSET;
    std::wstring strFace;
};

// The header of the module's dialog template nID, or none where it is missing or has no font.
std::optional<DialogTemplateHeader> ReadDialogTemplate(HINSTANCE hInstance, UINT nID);
// The base units of the template's font made for nDpi: its average character width as the
// dialog manager computes it, and its height.
FormExtent DialogBaseUnits(const DialogTemplateHeader& header, int nDpi);
// The frame around a window of these styles at nDpi, from an empty rectangle; the system's frame
// where Windows has no frames per DPI.
ScreenRect WindowFrame(DWORD style, DWORD exStyle, int nDpi);
// The module's icon nIconID as an image nPixels square, made from the image drawn for that size
// or else from the next larger one, scaled down; null where the icon is missing. It is the
// caller's to destroy.
HICON LoadIconImage(HINSTANCE hInstance, int nIconID, int nPixels);
