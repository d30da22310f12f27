// CMemDC: an off-screen drawing context for one paint, limited to the target's clip box and
// brought to the target in one block copy when it goes.
#pragma once

#include "win32/gdi.h"

class CMemDC : public CDC {
public:
    explicit CMemDC(CDC& targetDC);
    ~CMemDC();
    CMemDC(const CMemDC&) = delete;
    CMemDC& operator=(const CMemDC&) = delete;

    // A region that clips drawing to this rectangle, given in the target's coordinates: clip
    // regions are in device units, and the buffer's device origin is its own top-left.
    CRgn ClipRegion(const RECT& rect) const;

private:
    CDC* m_pTargetDC;
    BOOL m_bBuffered = FALSE;
    RECT m_rcBuffer{};
    CMemoryDC m_memoryDC;
    CBitmap m_bmBuffer;
    // Declared after the context and the bitmap: the buffer goes out of the context before
    // either is deleted.
    CSelectObject m_selectBuffer;
};
