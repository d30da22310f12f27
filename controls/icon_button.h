// CIconButton: a push button that draws its face and picture itself, in the look it is given:
// the visual style's face (or the classic frame where themes are off) in the light look, a flat
// face with a thin frame in the dark and high contrast ones, each lit under the pointer and
// pressed. Its picture is a glyph in the look's glyph colour, or keeps its own colours where
// both the picture and the look let it.
#pragma once

#include "core/look.h"
#include "win32/controls.h"
#include "win32/gdi.h"
#include "win32/visual_style.h"

// What a button shows, by the program's icon ids: the icon, the icon whose transparency mask
// has the shape of the picture's one-colour glyph (the icon itself where its own mask has it),
// and whether the picture keeps its colours in a look with coloured pictures.
struct IconPicture {
    int nIconID = 0;
    int nGlyphID = 0;
    bool bColoured = false;
};

class CIconButton : public CMessageMapped<CIconButton, CButton> {
public:
    // Shows the picture's icons made nPixels square, centred and clipped to the button. The icons
    // are the button's own until its next picture; BM_GETIMAGE answers the coloured one.
    void Show(const IconPicture& picture, int nPixels);
    void UseLook(const LookPalette& look);
    // Draws the button as its parent is asked to by WM_DRAWITEM; false for another control.
    bool DrawItem(const DRAWITEMSTRUCT& item);

    // Binding subclasses the stock button, so that its messages reach this class first.
    void BindControl(HWND hWnd) override { SubclassWindow(hWnd); }

private:
    void OnMouseMove();
    void OnMouseLeave();
    void OnThemeChanged();
    UINT OnGetDlgCode();
    LRESULT OnSetStyle(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetImage(WPARAM wParam, LPARAM lParam);

    // The face in its state; true where the face sinks in when pressed, as the classic frame does.
    bool DrawFace(const CDC& dc, const RECT& rect, bool bPressed);
    // The one-colour glyph with its top left at x, y.
    void DrawGlyph(const CDC& dc, int x, int y, COLORREF crGlyph) const;
    bool ShowsFocus(UINT nState) const;
    // The visual style's data for buttons, opened at its first use; none where themes are off.
    const CThemeData& Theme();
    void Repaint() const
    {
        if (m_hWnd)
            InvalidateRect(nullptr, FALSE);
    }

    friend CMessageMapped;
    static constexpr MessageEntry<CIconButton> kMessageMap[] = {
        OnPlainMessage<WM_MOUSEMOVE, &CIconButton::OnMouseMove>(),
        OnPlainMessage<WM_MOUSELEAVE, &CIconButton::OnMouseLeave>(),
        OnPlainMessage<WM_THEMECHANGED, &CIconButton::OnThemeChanged>(),
        OnPlainMessage<WM_GETDLGCODE, &CIconButton::OnGetDlgCode>(),
        OnMessage(BM_SETSTYLE, &CIconButton::OnSetStyle),
        OnMessage(BM_GETIMAGE, &CIconButton::OnGetImage),
    };

    CIcon m_hIcon;
    // Null where the icon's own mask is the glyph's shape.
    CIcon m_hGlyph;
    bool m_bColoured = false;
    int m_nPixels = 0;
    LookPalette m_look;
    // The pointer rests on the button.
    bool m_bHot = false;
    // The dialog manager made the button its default one, as it does with the focused push button.
    bool m_bDefault = false;
    CThemeData m_hTheme;
    bool m_bThemeOpened = false;
};
