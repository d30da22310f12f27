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

    CBitmap m_bmBuffer;
    HGDIOBJ m_pOldBitmap = nullptr;
    CDC* m_pTargetDC;
    RECT m_rcBuffer{};
    BOOL m_bBuffered = FALSE;

private:
    CMemoryDCHandle m_memoryDC;
};
