// Owners of GDI and USER handles: each frees what it holds exactly once, and cannot be copied.
// An owner is named for what it holds (CBitmap, CRgn, CFont, CIcon, CMemoryDC); the classes that only
// borrow a handle are the drawing contexts and windows the system hands out (CDC, CWnd, CMenu).
#pragma once

#include <windows.h>

#include <utility>

template <class Handle, class Traits>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : m_handle(handle) {}
    UniqueHandle(UniqueHandle&& other) noexcept : m_handle(std::exchange(other.m_handle, nullptr)) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept
    {
        Reset(std::exchange(other.m_handle, nullptr));
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() { Reset(); }

    Handle Get() const { return m_handle; }
    explicit operator bool() const { return m_handle != nullptr; }
    void Reset(Handle handle = nullptr)
    {
        if (m_handle)
            Traits::Free(m_handle);
        m_handle = handle;
    }

private:
    Handle m_handle = nullptr;
};

struct GdiObjectTraits {
    static void Free(HGDIOBJ handle) { ::DeleteObject(handle); }
};
struct DcTraits {
    static void Free(HDC handle) { ::DeleteDC(handle); }
};
struct IconTraits {
    static void Free(HICON handle) { ::DestroyIcon(handle); }
};
struct MenuTraits {
    static void Free(HMENU handle) { ::DestroyMenu(handle); }
};

using CBitmap = UniqueHandle<HBITMAP, GdiObjectTraits>;
using CRgn = UniqueHandle<HRGN, GdiObjectTraits>;
using CFont = UniqueHandle<HFONT, GdiObjectTraits>;
using CBrush = UniqueHandle<HBRUSH, GdiObjectTraits>;
using CMemoryDC = UniqueHandle<HDC, DcTraits>;
using CIcon = UniqueHandle<HICON, IconTraits>;
using CPopupMenu = UniqueHandle<HMENU, MenuTraits>;

// A drawing context that does not own its handle: the operations the program draws with.
class CDC {
public:
    CDC() = default;
    explicit CDC(HDC hDC) : m_hDC(hDC) {}

    HDC GetSafeHdc() const { return m_hDC; }
    RECT GetClipBox() const
    {
        RECT rect{};
        ::GetClipBox(m_hDC, &rect);
        return rect;
    }
    void FillSolidRect(const RECT& rect, COLORREF colour) const
    {
        ::SetBkColor(m_hDC, colour);
        ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    }
    void SetBkMode(int mode) const { ::SetBkMode(m_hDC, mode); }
    void SetBkColor(COLORREF colour) const { ::SetBkColor(m_hDC, colour); }
    void SetTextColor(COLORREF colour) const { ::SetTextColor(m_hDC, colour); }
    void SelectClipRgn(HRGN region) const { ::SelectClipRgn(m_hDC, region); }
    void DrawText(const char* text, RECT rect, UINT format) const { ::DrawTextA(m_hDC, text, -1, &rect, format); }
    void DrawText(const wchar_t* text, RECT rect, UINT format) const { ::DrawTextW(m_hDC, text, -1, &rect, format); }
    void SetWindowOrg(int x, int y) const { ::SetWindowOrgEx(m_hDC, x, y, nullptr); }
    void BitBlt(int x, int y, int cx, int cy, const CDC& source, int xSource, int ySource, DWORD rop) const
    {
        ::BitBlt(m_hDC, x, y, cx, cy, source.m_hDC, xSource, ySource, rop);
    }
    // A printer's context is drawn on directly: there is no screen to keep from flickering.
    bool IsPrinting() const { return ::GetDeviceCaps(m_hDC, TECHNOLOGY) == DT_RASPRINTER; }

protected:
    HDC m_hDC = nullptr;
};

// BeginPaint on construction, EndPaint on destruction.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(HWND hWnd) : m_hWnd(hWnd) { m_hDC = ::BeginPaint(hWnd, &m_ps); }
    ~CPaintDC() { ::EndPaint(m_hWnd, &m_ps); }
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;

private:
    HWND m_hWnd;
    PAINTSTRUCT m_ps{};
};

// A window's client-area context from GetDC, given back with ReleaseDC.
class CClientDC : public CDC {
public:
    explicit CClientDC(HWND hWnd) : CDC(::GetDC(hWnd)), m_hWnd(hWnd) {}
    ~CClientDC() { ::ReleaseDC(m_hWnd, m_hDC); }
    CClientDC(const CClientDC&) = delete;
    CClientDC& operator=(const CClientDC&) = delete;

private:
    HWND m_hWnd;
};

// Selects an object into a context and puts the one it replaced back when it goes. Moved, the
// duty goes along, so that a selection made only on some paths can live in a member.
class CSelectObject {
public:
    CSelectObject() = default;
    CSelectObject(HDC hDC, HGDIOBJ object) : m_hDC(hDC), m_old(::SelectObject(hDC, object)) {}
    CSelectObject(CSelectObject&& other) noexcept
        : m_hDC(std::exchange(other.m_hDC, nullptr)), m_old(std::exchange(other.m_old, nullptr))
    {
    }
    CSelectObject& operator=(CSelectObject&& other) noexcept
    {
        if (this != &other) {
            Restore();
            m_hDC = std::exchange(other.m_hDC, nullptr);
            m_old = std::exchange(other.m_old, nullptr);
        }
        return *this;
    }
    CSelectObject(const CSelectObject&) = delete;
    CSelectObject& operator=(const CSelectObject&) = delete;
    ~CSelectObject() { Restore(); }

private:
    void Restore()
    {
        if (m_hDC && m_old)
            ::SelectObject(m_hDC, m_old);
        m_hDC = nullptr;
        m_old = nullptr;
    }

    HDC m_hDC = nullptr;
    HGDIOBJ m_old = nullptr;
};
