// CIconButtons: the strip's seven icon buttons as pictures: the image each shows, made for the
// strip's DPI, its German name as window text and tooltip, and the image each gave back.
#pragma once

#include <utility>

#include "win32/controls.h"
#include "win32/gdi.h"

class CIconButtons {
public:
    static constexpr int kSlots = 7;

    // Each button, in the order of its slot, with the icon it starts with; the buttons outlive
    // the object.
    explicit CIconButtons(const std::pair<const CButton*, int> (&slots)[kSlots]);

    // Shows the icon on the button; a button that is none of the seven keeps its picture.
    void Show(const CButton& button, int nIconID);
    // Makes every button's picture anew for nDpi, the first icons before any was shown.
    void ShowAtDpi(int nDpi);
    // Gives each button its name, the string with the button's id, and a tooltip of it.
    void Name(const CWnd& owner);
    bool Contains(HWND hWnd) const;
    // Releases the images that the buttons gave back, as the strip ends.
    void ReleaseReplaced();

private:
    void ShowInSlot(int nSlot, int nIconID);

    const CButton* m_pButton[kSlots] = {};
    int m_nShownIcon[kSlots] = {};
    int m_nDpi = 96;
    // The images the buttons show, and the ones they gave back, released at the button's next
    // change. The images are the strip's own, made for its DPI: none is destroyed while a button
    // shows it.
    CIcon m_hShownImage[kSlots];
    CIcon m_hReplacedImage[kSlots];
    CToolTipCtrl m_toolTip;
};
