// CMemDC: the off-screen buffer of one paint, covering only the area being repainted, drawn in
// the buffer that the window's paints share.
#include "controls/mem_dc.h"

#include <algorithm>

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

HDC CPaintBuffer::Prepare(HDC hTarget, int cx, int cy)
{
    if (m_bmBuffer && cx <= m_cx && cy <= m_cy)
        return m_memoryDC.Get();
    m_selectBuffer = CSelectObject();
    if (!m_memoryDC)
        m_memoryDC.Reset(::CreateCompatibleDC(hTarget));
    m_cx = std::max(cx, m_cx);
    m_cy = std::max(cy, m_cy);
    // Made on the target's context, not the memory one, so that the buffer has the screen's
    // colours rather than a new memory context's one monochrome bit.
    m_bmBuffer.Reset(::CreateCompatibleBitmap(hTarget, m_cx, m_cy));
    if (!m_memoryDC || !m_bmBuffer) {
        m_bmBuffer.Reset();
        m_cx = m_cy = 0;
        return nullptr;
    }
    m_selectBuffer = CSelectObject(m_memoryDC.Get(), m_bmBuffer.Get());
    return m_memoryDC.Get();
}

CMemDC::CMemDC(CDC& targetDC, CPaintBuffer& buffer) : m_pTargetDC(&targetDC)
{
    HDC hBuffer = nullptr;
    if (!targetDC.IsPrinting()) {
        m_rcBuffer = targetDC.GetClipBox();
        hBuffer = buffer.Prepare(targetDC.GetSafeHdc(), Width(m_rcBuffer), Height(m_rcBuffer));
    }
    // Without a buffer the picture still appears, drawn straight onto the target.
    m_bBuffered = hBuffer != nullptr;
    if (!m_bBuffered) {
        m_rcBuffer = {};
        m_hDC = targetDC.GetSafeHdc();
        return;
    }
    m_hDC = hBuffer;
    // Drawing in the target's coordinates lands in the buffer.
    SetWindowOrg(m_rcBuffer.left, m_rcBuffer.top);
}

CMemDC::~CMemDC()
{
    if (m_bBuffered)
        m_pTargetDC->BitBlt(m_rcBuffer.left, m_rcBuffer.top, Width(m_rcBuffer), Height(m_rcBuffer), *this,
                            m_rcBuffer.left, m_rcBuffer.top, SRCCOPY);
    // A borrowed context stays its owner's: the target's, or the buffer's for the next paint.
    m_hDC = nullptr;
}

CRgn CMemDC::ClipRegion(const RECT& rect) const
{
    return CRgn(::CreateRectRgn(rect.left - m_rcBuffer.left, rect.top - m_rcBuffer.top, rect.right - m_rcBuffer.left,
                                rect.bottom - m_rcBuffer.top));
}
