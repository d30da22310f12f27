// The program's icons as images of any size, each made from the image drawn nearest to it.
#pragma once

#include <windows.h>

// The module's icon nIconID as an image nPixels square, made from the image drawn for that size
// or else from the next larger one, scaled down; null where the icon is missing. It is the
// caller's to destroy.
HICON LoadIconImage(HINSTANCE hInstance, int nIconID, int nPixels);
