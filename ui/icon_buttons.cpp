#include "icon_buttons.h"

#include <algorithm>
#include <string>

#include "core/window_layout.h"
#include "win32/icon_image.h"
#include "win32/resource_string.h"

CIconButtons::CIconButtons(const std::pair<const CButton*, int> (&slots)[kSlots])
{
    for (int nSlot = 0; nSlot < kSlots; ++nSlot) {
        m_pButton[nSlot] = slots[nSlot].first;
        m_nShownIcon[nSlot] = slots[nSlot].second;
    }
}

void CIconButtons::Show(const CButton& button, int nIconID)
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
    m_hReplacedImage[nSlot].Reset();
    CIcon image(LoadIconImage(::GetModuleHandleA(nullptr), nIconID, WindowLayout::ButtonIconSize(m_nDpi)));
    // The button gives back the image it showed until now, the one in m_hShownImage: it is kept
    // until the button's next change and released then.
    m_pButton[nSlot]->SetIcon(image.Get());
    m_hReplacedImage[nSlot] = std::move(m_hShownImage[nSlot]);
    m_hShownImage[nSlot] = std::move(image);
    m_nShownIcon[nSlot] = nIconID;
}

void CIconButtons::Name(const CWnd& owner)
{
    const bool bTips = m_toolTip.Create(owner);
    for (const CButton* pButton : m_pButton) {
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
                               [&](const CButton* pButton) { return pButton->GetSafeHwnd() == hWnd; });
}

void CIconButtons::ReleaseReplaced()
{
    for (CIcon& image : m_hReplacedImage)
        image.Reset();
}
