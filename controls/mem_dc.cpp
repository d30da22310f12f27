// CMemDC: the off-screen buffer of one paint, covering only the area being repainted.
#include "controls/mem_dc.h"

namespace {

int Width(const RECT& rect)
{
    return rect.right - rect.left;
}

int Height(const RECT& rect)
{
    return rect.bottom - rect.top;
}

}  // namespace

CMemDC::CMemDC(CDC& targetDC) : m_pTargetDC(&targetDC), m_bBuffered(!targetDC.IsPrinting())
{
    if (m_bBuffered) {
        m_rcBuffer = targetDC.GetClipBox();
        m_memoryDC.Reset(::CreateCompatibleDC(targetDC.GetSafeHdc()));
        // Made on the target's context, not the memory one, so that the buffer has the
        // screen's colours rather than a new memory context's one monochrome bit.
        m_bmBuffer.Reset(::CreateCompatibleBitmap(targetDC.GetSafeHdc(), Width(m_rcBuffer), Height(m_rcBuffer)));
        // Without a buffer the picture still appears, drawn straight onto the target.
        if (!m_memoryDC || !m_bmBuffer) {
            m_bBuffered = FALSE;
            m_rcBuffer = {};
        }
    }
    if (!m_bBuffered) {
        m_hDC = targetDC.GetSafeHdc();
        return;
    }
    m_hDC = m_memoryDC.Get();
    m_selectBuffer = CSelectObject(m_hDC, m_bmBuffer.Get());
    // Drawing in the target's coordinates lands in the buffer.
    SetWindowOrg(m_rcBuffer.left, m_rcBuffer.top);
}

CMemDC::~CMemDC()
{
    if (m_bBuffered)
        m_pTargetDC->BitBlt(m_rcBuffer.left, m_rcBuffer.top, Width(m_rcBuffer), Height(m_rcBuffer), *this,
                            m_rcBuffer.left, m_rcBuffer.top, SRCCOPY);
    // A borrowed target context stays the target's.
    m_hDC = nullptr;
}

CRgn CMemDC::ClipRegion(const RECT& rect) const
{
    return CRgn(::CreateRectRgn(rect.left - m_rcBuffer.left, rect.top - m_rcBuffer.top, rect.right - m_rcBuffer.left,
                                rect.bottom - m_rcBuffer.top));
}
