// CMemDC: an off-screen drawing context for one paint, limited to the target's clip box and
// brought to the target in one block copy when it goes. CPaintBuffer: the buffer that a window's
// paints share.
#pragma once

#include "win32/gdi.h"

// A memory context with a bitmap of the screen's kind, made at a window's first paint and again
// only when a paint needs a larger one: a bar that repaints every second makes no new context
// and bitmap each time.
class CPaintBuffer {
public:
    CPaintBuffer() = default;
    CPaintBuffer(const CPaintBuffer&) = delete;
    CPaintBuffer& operator=(const CPaintBuffer&) = delete;

    // The context, its bitmap at least cx by cy pixels and made on the target; null where none
    // can be made.
    HDC Prepare(HDC hTarget, int cx, int cy);

private:
    CMemoryDC m_memoryDC;
    CBitmap m_bmBuffer;
    // Declared after the context and the bitmap: the bitmap goes out of the context before
    // either is deleted.
    CSelectObject m_selectBuffer;
    int m_cx = 0;
    int m_cy = 0;
};

class CMemDC : public CDC {
public:
    CMemDC(CDC& targetDC, CPaintBuffer& buffer);
    ~CMemDC();
    CMemDC(const CMemDC&) = delete;
    CMemDC& operator=(const CMemDC&) = delete;

    // A region that clips drawing to this rectangle, given in the target's coordinates: clip
    // regions are in device units, and the buffer's device origin is its own top-left.
    CRgn ClipRegion(const RECT& rect) const;

private:
    CDC* m_pTargetDC;
    bool m_bBuffered = false;
    RECT m_rcBuffer{};
};
