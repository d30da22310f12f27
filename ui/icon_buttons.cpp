#include "icon_buttons.h"

#include <algorithm>
#include <string>

#include "core/window_layout.h"
#include "resource.h"
#include "win32/resource_string.h"

namespace {

// The spanner and the red cross keep their colours where the look lets them; every other picture
// is a glyph in the look's colour. The red cross's own mask is its whole square: its glyph is the
// cross alone, from an icon of its own.
IconPicture PictureOf(int nIconID)
{
    const bool bColoured = nIconID == IDI_SETTINGS || nIconID == IDI_EXIT;
    return IconPicture{nIconID, nIconID == IDI_EXIT ? IDI_EXIT_GLYPH : nIconID, bColoured};
}

}  // namespace

CIconButtons::CIconButtons(const std::pair<CIconButton*, int> (&slots)[kSlots])
{
    for (int nSlot = 0; nSlot < kSlots; ++nSlot) {
        m_pButton[nSlot] = slots[nSlot].first;
        m_nShownIcon[nSlot] = slots[nSlot].second;
    }
}

void CIconButtons::Show(const CIconButton& button, int nIconID)
{
    for (int nSlot = 0; nSlot < kSlots; ++nSlot) {
        if (m_pButton[nSlot] == &button)
            ShowInSlot(nSlot, nIconID);
    }
}

void CIconButtons::ShowAtDpi(int nDpi)
{
    m_nDpi = nDpi;
    for (int nSlot = 0; nSlot < kSlots; ++nSlot)
        ShowInSlot(nSlot, m_nShownIcon[nSlot]);
}

void CIconButtons::ShowInSlot(int nSlot, int nIconID)
{
    m_pButton[nSlot]->Show(PictureOf(nIconID), WindowLayout::ButtonIconSize(m_nDpi));
    m_nShownIcon[nSlot] = nIconID;
}

void CIconButtons::UseLook(const LookPalette& look)
{
    for (CIconButton* pButton : m_pButton)
        pButton->UseLook(look);
}

bool CIconButtons::DrawItem(const DRAWITEMSTRUCT& item)
{
    return std::any_of(std::begin(m_pButton), std::end(m_pButton),
                       [&](CIconButton* pButton) { return pButton->DrawItem(item); });
}

void CIconButtons::Name(const CWnd& owner)
{
    const bool bTips = m_toolTip.Create(owner);
    for (const CIconButton* pButton : m_pButton) {
        const std::wstring name = ProgramString(static_cast<UINT>(::GetDlgCtrlID(pButton->GetSafeHwnd())));
        if (name.empty())
            continue;
        // A screen reader reads a button's window text; an icon button shows none of it.
        pButton->SetWindowText(name.c_str());
        if (bTips)
            m_toolTip.AddTool(pButton->GetSafeHwnd(), name.c_str());
    }
}

bool CIconButtons::Contains(HWND hWnd) const
{
    return hWnd && std::any_of(std::begin(m_pButton), std::end(m_pButton),
                               [&](const CIconButton* pButton) { return pButton->GetSafeHwnd() == hWnd; });
}
