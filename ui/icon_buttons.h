// CIconButtons: the strip's seven icon buttons: the picture each shows, made for the strip's
// DPI, the look they are drawn in, and each one's German name as window text and tooltip.
#pragma once

#include <utility>

#include "controls/icon_button.h"
#include "core/look.h"
#include "win32/controls.h"

class CIconButtons {
public:
    static constexpr int kSlots = 7;

    // Each button, in the order of its slot, with the icon it starts with; the buttons outlive
    // the object.
    explicit CIconButtons(const std::pair<CIconButton*, int> (&slots)[kSlots]);

    // Shows the icon on the button; a button that is none of the seven keeps its picture.
    void Show(const CIconButton& button, int nIconID);
    // Makes every button's picture anew for nDpi, the first icons before any was shown.
    void ShowAtDpi(int nDpi);
    // Draws every button in the look from now on.
    void UseLook(const LookPalette& look);
    // Draws the button that the item names; false where it is none of the seven.
    bool DrawItem(const DRAWITEMSTRUCT& item);
    // Gives each button its name, the string with the button's id, and a tooltip of it.
    void Name(const CWnd& owner);
    bool Contains(HWND hWnd) const;

private:
    void ShowInSlot(int nSlot, int nIconID);

    CIconButton* m_pButton[kSlots] = {};
    int m_nShownIcon[kSlots] = {};
    int m_nDpi = 96;
    CToolTipCtrl m_toolTip;
};
