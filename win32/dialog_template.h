// A dialog template laid out at any DPI as the dialog manager lays it out: the header it reads and
// the base units of the template's font.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "core/geometry.h"

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
