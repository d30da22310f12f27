// The text progress bar bound to a real stock progress control, its pixels read back from the
// screen and compared with pictures drawn here from the same default font.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>
#include <ostream>
#include <string>
#include <vector>

#include "controls/text_progress_ctrl.h"
#include "win32/gdi.h"
#include "picture.h"
#include "progress_host.h"

namespace {

// Four colours that no blend of two others can give, so every pixel names its part.
constexpr COLORREF kBar = RGB(0, 160, 0);
constexpr COLORREF kBackground = RGB(255, 255, 208);
constexpr COLORREF kTextOverEmpty = RGB(0, 0, 255);
constexpr COLORREF kTextOverFilled = RGB(255, 0, 128);

// The bar's client area in these tests; even, so that halves and quarters are whole pixels.
constexpr int kWidth = 200;
constexpr int kHeight = 24;

constexpr UINT kTextFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE;

// A 32-bit top-down DIB selected into a memory context of the screen's kind.
class CDibCanvas {
public:
    CDibCanvas(int nWidth, int nHeight)
        : m_nWidth(nWidth), m_nHeight(nHeight), m_dc(::CreateCompatibleDC(nullptr)),
          m_bitmap(CreateDib(nWidth, nHeight, m_pBits)), m_select(m_dc.Get(), m_bitmap.Get())
    {
    }

    CDC Dc() const { return CDC(m_dc.Get()); }

    Picture Read() const
    {
        ::GdiFlush();
        return PictureOfDib(static_cast<const DWORD*>(m_pBits), m_nWidth, m_nHeight);
    }

private:
    static HBITMAP CreateDib(int nWidth, int nHeight, void*& pBits)
    {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = nWidth;
        info.bmiHeader.biHeight = -nHeight;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        return ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pBits, nullptr, 0);
    }

    int m_nWidth;
    int m_nHeight;
    void* m_pBits = nullptr;
    CMemoryDC m_dc;
    CBitmap m_bitmap;
    CSelectObject m_select;
};

// What a window shows in its client area, copied from its own context.
Picture CaptureClient(HWND hWnd)
{
    RECT rc{};
    ::GetClientRect(hWnd, &rc);
    CDibCanvas canvas(rc.right, rc.bottom);
    const CClientDC windowDC(hWnd);
    canvas.Dc().BitBlt(0, 0, rc.right, rc.bottom, windowDC, 0, 0, SRCCOPY);
    return canvas.Read();
}

struct Colours {
    COLORREF crBar;
    COLORREF crBg;
    COLORREF crText;
    COLORREF crTextBk;
};

constexpr Colours kKnownColours{kBar, kBackground, kTextOverEmpty, kTextOverFilled};

// The text in one colour over one fill, drawn with the same flags into a fresh memory context,
// which starts with the same default font as the bar's off-screen buffer. Drawn here, the
// edges of smoothed characters blend exactly as they do in the bar.
Picture TextOver(const char* text, COLORREF crFill, COLORREF crText, int nWidth, int nHeight)
{
    CDibCanvas canvas(nWidth, nHeight);
    const CDC dc = canvas.Dc();
    const RECT rc{0, 0, nWidth, nHeight};
    dc.FillSolidRect(rc, crFill);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(crText);
    dc.DrawText(text, rc, kTextFormat);
    return canvas.Read();
}

// The picture the bar must show: left of column x the text over a filled bar, from x on the
// text over an empty one.
Picture ExpectedPicture(const char* text, int x, const Colours& colours, int nWidth = kWidth, int nHeight = kHeight)
{
    const Picture filled = TextOver(text, colours.crBar, colours.crTextBk, nWidth, nHeight);
    Picture picture = TextOver(text, colours.crBg, colours.crText, nWidth, nHeight);
    for (int row = 0; row < nHeight; ++row)
        for (int col = 0; col < std::min(x, nWidth); ++col)
            picture.pixels[static_cast<std::size_t>(row * nWidth + col)] = filled.At(col, row);
    return picture;
}

std::string Hex(COLORREF colour)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%06lX", static_cast<unsigned long>(colour));
    return text;
}

testing::AssertionResult SamePicture(const Picture& actual, const Picture& expected)
{
    if (actual.nWidth != expected.nWidth || actual.nHeight != expected.nHeight)
        return testing::AssertionFailure() << "size " << actual.nWidth << "x" << actual.nHeight << ", expected "
                                           << expected.nWidth << "x" << expected.nHeight;
    int nDiffering = 0;
    int xFirst = -1;
    int yFirst = -1;
    for (int y = 0; y < actual.nHeight; ++y) {
        for (int x = 0; x < actual.nWidth; ++x) {
            if (actual.At(x, y) == expected.At(x, y))
                continue;
            if (nDiffering++ == 0) {
                xFirst = x;
                yFirst = y;
            }
        }
    }
    if (nDiffering == 0)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << nDiffering << " pixels differ, the first at (" << xFirst << ", " << yFirst
                                       << "): " << Hex(actual.At(xFirst, yFirst)) << ", expected "
                                       << Hex(expected.At(xFirst, yFirst));
}

int CountColour(const Picture& picture, COLORREF colour, int xFrom, int xTo)
{
    int nCount = 0;
    for (int y = 0; y < picture.nHeight; ++y)
        for (int x = std::max(xFrom, 0); x < std::min(xTo, picture.nWidth); ++x)
            nCount += picture.At(x, y) == colour;
    return nCount;
}

// True when every channel of the colour lies between those of a and b: the colour is a or b,
// or a blend of the two such as the smoothed edge of a character.
bool Between(COLORREF colour, COLORREF a, COLORREF b)
{
    const auto within = [](int value, int end1, int end2) {
        return value >= std::min(end1, end2) && value <= std::max(end1, end2);
    };
    return within(GetRValue(colour), GetRValue(a), GetRValue(b)) &&
           within(GetGValue(colour), GetGValue(a), GetGValue(b)) &&
           within(GetBValue(colour), GetBValue(a), GetBValue(b));
}

// Pixels that are neither their side's fill nor its text: left of x bar and text over the
// bar, from x on background and text over the background.
int CountOffSide(const Picture& picture, int x, const Colours& colours)
{
    int nCount = 0;
    for (int row = 0; row < picture.nHeight; ++row)
        for (int col = 0; col < picture.nWidth; ++col)
            nCount += col < x ? !Between(picture.At(col, row), colours.crBar, colours.crTextBk)
                              : !Between(picture.At(col, row), colours.crBg, colours.crText);
    return nCount;
}

// The bar as the main window holds it, with a count of the paints that reach it.
class CCountingProgressCtrl : public CTextProgressCtrl {
public:
    int m_nPaints = 0;

protected:
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override
    {
        if (message == WM_PAINT)
            ++m_nPaints;
        return CTextProgressCtrl::OnWndMsg(message, wParam, lParam, result);
    }
};

// The bar's answer to a message, as any control is asked.
LRESULT Ask(HWND hBar, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    return ::SendMessageW(hBar, message, wParam, lParam);
}

// A window of its own for a bar object, to ask it what it holds.
HWND BindToNewWindow(CTextProgressCtrl& bar)
{
    const HWND hWnd =
        ::CreateWindowExW(0, PROGRESS_CLASSW, nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    bar.BindControl(hWnd);
    return hWnd;
}

INT_PTR CALLBACK HostProc(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG;
}

class TextProgressCtrlTest : public testing::Test {
protected:
    void SetUp() override
    {
        const INITCOMMONCONTROLSEX init{sizeof(INITCOMMONCONTROLSEX), ICC_PROGRESS_CLASS};
        ::InitCommonControlsEx(&init);
        m_hDialog = ::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_PROGRESS_HOST), nullptr,
                                         &HostProc, 0);
        ASSERT_NE(m_hDialog, nullptr);
        m_hBar = ::GetDlgItem(m_hDialog, IDC_PROGRESS_BAR);
        ASSERT_NE(m_hBar, nullptr);
        m_bar.BindControl(m_hBar);
        ResizeClient(kWidth, kHeight);
        // Never activated: Wine waits two seconds for the focus to move when an active window goes.
        ::ShowWindow(m_hDialog, SW_SHOWNOACTIVATE);
        ::UpdateWindow(m_hDialog);
        PumpMessages();
    }

    void TearDown() override
    {
        if (m_hDialog)
            ::DestroyWindow(m_hDialog);
    }

    // Gives the bar a client area of exactly this size; its border stays around it.
    void ResizeClient(int nWidth, int nHeight) const
    {
        RECT rcWindow{};
        RECT rcClient{};
        ::GetWindowRect(m_hBar, &rcWindow);
        ::GetClientRect(m_hBar, &rcClient);
        const int nFrameX = (rcWindow.right - rcWindow.left) - rcClient.right;
        const int nFrameY = (rcWindow.bottom - rcWindow.top) - rcClient.bottom;
        ::SetWindowPos(m_hBar, nullptr, 0, 0, nWidth + nFrameX, nHeight + nFrameY,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        RECT rcDialog{0, 0, nWidth + nFrameX + 40, nHeight + nFrameY + 40};
        ::AdjustWindowRectEx(&rcDialog, static_cast<DWORD>(::GetWindowLongPtrA(m_hDialog, GWL_STYLE)), FALSE, 0);
        ::SetWindowPos(m_hDialog, nullptr, 0, 0, rcDialog.right - rcDialog.left, rcDialog.bottom - rcDialog.top,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

    static void PumpMessages()
    {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }

    // The two colours that the object has no setter for are sent to its window; none repaints.
    void UseColours(const Colours& colours)
    {
        m_bar.SetBarColour(colours.crBar);
        m_bar.SetTextColour(colours.crText);
        Ask(m_hBar, PBM_SETBKCOLOR, 0, colours.crBg);
        Ask(m_hBar, CTextProgressCtrl::kSetTextColour, TRUE, colours.crTextBk);
    }

    void UseKnownColours() { UseColours(kKnownColours); }

    // The known colours and seven characters over a bar that ends in the middle: a picture to change.
    Picture ShowHalfFilled()
    {
        UseKnownColours();
        ::SetWindowTextA(m_hBar, "WWWWWWW");
        m_bar.SetPos(50);
        ::UpdateWindow(m_hBar);
        return Capture();
    }

    // A full repaint through the event loop's way: invalidate, then let the paint run.
    void Repaint() const
    {
        ::InvalidateRect(m_hBar, nullptr, TRUE);
        ::UpdateWindow(m_hBar);
    }

    bool UpdatePending() const { return ::GetUpdateRect(m_hBar, nullptr, FALSE) != FALSE; }

    Picture Capture() const { return CaptureClient(m_hBar); }

    std::string Text() const
    {
        char buffer[256];
        const auto nLength = ::SendMessageA(m_hBar, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
        return std::string(buffer, static_cast<std::size_t>(nLength));
    }

    HWND m_hDialog = nullptr;
    HWND m_hBar = nullptr;
    CCountingProgressCtrl m_bar;
};

// --- Construction and the picture of a new control ----------------------------------------------

// A new object has no window; bound, it answers its first range, position and colours.
TEST_F(TextProgressCtrlTest, NewControlShowsZeroPercentInSystemColoursNotTheTemplateText)
{
    EXPECT_EQ(CTextProgressCtrl().GetSafeHwnd(), nullptr);
    EXPECT_EQ(Ask(m_hBar, PBM_GETPOS), 0);
    EXPECT_EQ(Ask(m_hBar, PBM_GETRANGE, TRUE), 0);
    EXPECT_EQ(Ask(m_hBar, PBM_GETRANGE, FALSE), 100);
    ASSERT_NE(::GetSysColor(COLOR_HIGHLIGHT), ::GetSysColor(COLOR_WINDOW));
    const Colours system{::GetSysColor(COLOR_HIGHLIGHT), ::GetSysColor(COLOR_WINDOW), ::GetSysColor(COLOR_HIGHLIGHT),
                         ::GetSysColor(COLOR_WINDOW)};
    EXPECT_EQ(Ask(m_hBar, PBM_GETBARCOLOR), system.crBar);
    EXPECT_EQ(Ask(m_hBar, PBM_GETBKCOLOR), system.crBg);
    EXPECT_EQ(Ask(m_hBar, CTextProgressCtrl::kGetTextColour, FALSE), system.crText);
    EXPECT_EQ(Ask(m_hBar, CTextProgressCtrl::kGetTextColour, TRUE), system.crTextBk);
    ASSERT_FALSE(SamePicture(ExpectedPicture("0%", 0, system), ExpectedPicture("Progress1", 0, system)));
    EXPECT_TRUE(SamePicture(Capture(), ExpectedPicture("0%", 0, system)));
    EXPECT_EQ(Text(), "");
}

// --- The picture: the bar up to its end, the text or the percentage over it --------------------

struct PictureCase {
    int nLower;
    int nUpper;
    int nPos;
    const char* text;  // the window text; empty: the percentage shows
    const char* shown;
    int x;  // the bar's end in the 200-pixel client area, worked out by hand
    const char* notShown = nullptr;  // a near miss that the picture must tell from what it shows
};

void PrintTo(const PictureCase& c, std::ostream* os)
{
    *os << c.nPos << " in " << c.nLower << ".." << c.nUpper << " shows \"" << c.shown << "\"";
}

class PictureTest : public TextProgressCtrlTest, public testing::WithParamInterface<PictureCase> {};

TEST_P(PictureTest, FillsUpToTheBarsEndAndChangesTheTextColourThere)
{
    const PictureCase& c = GetParam();
    // Nothing of the picture before may stay, not even for a range without room.
    ASSERT_TRUE(SamePicture(ShowHalfFilled(), ExpectedPicture("WWWWWWW", 100, kKnownColours)));

    m_bar.SetRange(c.nLower, c.nUpper);
    m_bar.SetPos(c.nPos);
    ::SetWindowTextA(m_hBar, c.text);
    Repaint();
    EXPECT_FALSE(UpdatePending());
    const Picture picture = Capture();
    const Picture expected = ExpectedPicture(c.shown, c.x, kKnownColours);
    EXPECT_TRUE(SamePicture(picture, expected));
    if (c.notShown) {
        EXPECT_FALSE(SamePicture(ExpectedPicture(c.notShown, c.x, kKnownColours), expected));
    }
    // Each side in its own two colours, whatever the font looks like, and the text shows.
    EXPECT_EQ(CountOffSide(picture, c.x, kKnownColours), 0);
    EXPECT_GT(CountColour(picture, kTextOverFilled, 0, c.x) + CountColour(picture, kTextOverEmpty, c.x, kWidth), 0);
    EXPECT_EQ(Text(), c.text) << "the percentage is no window text";
}

INSTANTIATE_TEST_SUITE_P(
    Positions, PictureTest,
    testing::Values(
        PictureCase{0, 4, 2, "WWWWWWW", "WWWWWWW", 100}, PictureCase{0, 4, 1, "WWWWWWW", "WWWWWWW", 50},
        PictureCase{0, 4, 3, "WWWWWWW", "WWWWWWW", 150}, PictureCase{0, 100, 0, "WWWWWWW", "WWWWWWW", 0},
        PictureCase{0, 100, 100, "WWWWWWW", "WWWWWWW", 200}, PictureCase{-40, -20, -30, "Einheit 1", "Einheit 1", 100},
        PictureCase{0, 8, 4, "&Zeit && Geld", "&Zeit && Geld", 100},
        PictureCase{0, 2, 1, "WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW",
                    "WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW", 100},
        // The share is truncated after a product in double precision: 29 of 100 is just below
        // 29 % and fills just below 58 of 200 pixels.
        PictureCase{0, 100, 0, "", "0%", 0, "1%"}, PictureCase{0, 100, 29, "", "28%", 57, "29%"},
        PictureCase{0, 100, 57, "", "56%", 113, "57%"}, PictureCase{0, 100, 58, "", "57%", 115, "58%"},
        PictureCase{0, 100, 50, "", "50%", 100, "49%"}, PictureCase{0, 100, 100, "", "100%", 200, "99%"},
        // Outside the range the bar is whole or empty, and the share is not held inside it.
        PictureCase{0, 100, 150, "", "150%", 200, "100%"}, PictureCase{0, 100, -50, "", "-50%", 0, "0%"},
        PictureCase{0, 100, 101, "PAUSE", "PAUSE", 200}, PictureCase{0, 100, INT_MAX, "PAUSE", "PAUSE", 200},
        PictureCase{-1000, 1000, INT_MAX, "PAUSE", "PAUSE", 200}, PictureCase{0, 100, -1, "PAUSE", "PAUSE", 0},
        PictureCase{0, 100, INT_MIN, "PAUSE", "PAUSE", 0},
        PictureCase{-1000, 1000, INT_MIN + 1000, "PAUSE", "PAUSE", 0},
        // A range without room stands at its start, whatever the position: a phase of no
        // minutes shows its own text over an empty bar, or 0 %.
        PictureCase{5, 5, 50, "0:00 --- Einheit 2", "0:00 --- Einheit 2", 0},
        PictureCase{10, 0, 50, "0:00 --- Einheit 2", "0:00 --- Einheit 2", 0},
        PictureCase{0, 0, 50, "0:00 --- Einheit 2", "0:00 --- Einheit 2", 0}, PictureCase{5, 5, 50, "", "0%", 0, "50%"},
        PictureCase{10, 0, 50, "", "0%", 0, "50%"}, PictureCase{0, 0, 50, "", "0%", 0, "50%"}));

TEST_F(TextProgressCtrlTest, SplitsTheCharacterThatLiesOverTheBarsEnd)
{
    UseKnownColours();
    m_bar.SetRange(0, 2);
    m_bar.SetPos(1);
    ::SetWindowTextA(m_hBar, "WWWWWWW");
    ::UpdateWindow(m_hBar);
    const Picture picture = Capture();

    // Seven equal characters centred on x = 100: the fourth one spans x.
    SIZE size{};
    {
        CDibCanvas canvas(1, 1);
        ::GetTextExtentPoint32A(canvas.Dc().GetSafeHdc(), "W", 1, &size);
    }
    ASSERT_GT(size.cx, 4);
    const int nHalf = size.cx / 2 - 1;
    EXPECT_GT(CountColour(picture, kTextOverFilled, 100 - nHalf, 100), 0);
    EXPECT_GT(CountColour(picture, kTextOverEmpty, 100, 100 + nHalf), 0);
    EXPECT_EQ(CountColour(picture, kTextOverEmpty, 0, 100), 0);
    EXPECT_EQ(CountColour(picture, kTextOverFilled, 100, kWidth), 0);
}

// --- Repainting part of the control -------------------------------------------------------------

class PartialRepaintTest : public TextProgressCtrlTest, public testing::WithParamInterface<RECT> {};

TEST_P(PartialRepaintTest, RepaintedPartMatchesTheFullPicture)
{
    const Picture full = ShowHalfFilled();
    ASSERT_TRUE(SamePicture(full, ExpectedPicture("WWWWWWW", 100, kKnownColours)));

    // Show other colours everywhere, then bring the known ones back without a repaint.
    const Colours other{RGB(1, 2, 3), RGB(4, 5, 6), RGB(7, 8, 9), RGB(10, 11, 12)};
    UseColours(other);
    Repaint();
    const Picture otherPicture = Capture();
    ASSERT_TRUE(SamePicture(otherPicture, ExpectedPicture("WWWWWWW", 100, other)));
    UseKnownColours();

    const RECT part = GetParam();
    ::InvalidateRect(m_hBar, &part, FALSE);
    ::UpdateWindow(m_hBar);

    const Picture picture = Capture();
    int nInside = 0;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const bool bInside = x >= part.left && x < part.right && y >= part.top && y < part.bottom;
            const COLORREF expected = bInside ? full.At(x, y) : otherPicture.At(x, y);
            nInside += bInside;
            ASSERT_EQ(picture.At(x, y), expected) << "at (" << x << ", " << y << ")";
        }
    }
    EXPECT_GT(nInside, 0);
}

INSTANTIATE_TEST_SUITE_P(Parts, PartialRepaintTest,
                         testing::Values(RECT{87, 3, 113, 21}, RECT{93, 0, 100, kHeight}, RECT{100, 5, 131, 19},
                                         RECT{60, 0, 140, kHeight}, RECT{0, 0, kWidth, 9},
                                         RECT{101, 11, kWidth, kHeight}));

// The paints share one buffer, made at the first paint: a bar that grows paints its whole new
// area, none of it left to the edge of the smaller buffer.
TEST_F(TextProgressCtrlTest, ABarThatGrowsPaintsItsWholeNewArea)
{
    UseKnownColours();
    ::SetWindowTextA(m_hBar, " ");
    m_bar.SetPos(100);
    ResizeClient(kWidth + 40, kHeight + 8);
    Repaint();
    const Picture picture = Capture();
    ASSERT_EQ(picture.nWidth, kWidth + 40);
    for (int y = 0; y < picture.nHeight; ++y) {
        for (int x = 0; x < picture.nWidth; ++x)
            ASSERT_EQ(picture.At(x, y), kBar) << "at (" << x << ", " << y << ")";
    }
}

// --- When SetPos repaints -----------------------------------------------------------------------

TEST_F(TextProgressCtrlTest, SetPosRepaintsAtOnceExactlyWhenTheWidthInPixelsChanges)
{
    // The strip's own bar: 193 pixels for 1500 seconds.
    ResizeClient(193, kHeight);
    m_bar.SetRange(0, 1500);
    PumpMessages();
    ASSERT_FALSE(UpdatePending());

    const std::vector<int> changes{0, 8, 16, 24, 32, 39, 47};
    for (int nPos = 0; nPos <= 50; ++nPos) {
        const int nPaints = m_bar.m_nPaints;
        EXPECT_EQ(m_bar.SetPos(nPos), nPos == 0 ? 0 : nPos - 1);
        const bool bChange = std::find(changes.begin(), changes.end(), nPos) != changes.end();
        EXPECT_EQ(m_bar.m_nPaints - nPaints, bChange ? 1 : 0) << "position " << nPos;
        EXPECT_FALSE(UpdatePending()) << "position " << nPos;
    }
}

TEST_F(TextProgressCtrlTest, SetPosRepaintsAfterASizeEvenWithTheSameWidth)
{
    // Positions 94 to 101 of 1500 all fill 12 of 193 pixels.
    ResizeClient(193, kHeight);
    m_bar.SetRange(0, 1500);
    m_bar.SetPos(95);
    PumpMessages();

    int nPaints = m_bar.m_nPaints;
    m_bar.SetPos(96);
    EXPECT_EQ(m_bar.m_nPaints, nPaints);

    ::SendMessageA(m_hBar, WM_SIZE, SIZE_RESTORED, MAKELPARAM(193, kHeight));
    ::UpdateWindow(m_hBar);
    nPaints = m_bar.m_nPaints;
    m_bar.SetPos(97);
    EXPECT_EQ(m_bar.m_nPaints, nPaints + 1);
    m_bar.SetPos(98);
    EXPECT_EQ(m_bar.m_nPaints, nPaints + 1);
}

TEST_F(TextProgressCtrlTest, SetPosShowsTheNewPictureBeforeItReturns)
{
    UseKnownColours();
    ::SetWindowTextA(m_hBar, "WWWWWWW");
    ::UpdateWindow(m_hBar);
    m_bar.SetRange(0, 4);
    m_bar.SetPos(1);
    EXPECT_TRUE(SamePicture(Capture(), ExpectedPicture("WWWWWWW", 50, kKnownColours)));
    m_bar.SetPos(3);
    EXPECT_TRUE(SamePicture(Capture(), ExpectedPicture("WWWWWWW", 150, kKnownColours)));
}

TEST_F(TextProgressCtrlTest, SetPosWithAnEmptyRangeStoresThePosition)
{
    m_bar.SetRange(5, 5);
    EXPECT_EQ(m_bar.SetPos(7), 0);
    EXPECT_EQ(Ask(m_hBar, PBM_GETPOS), 7);
    EXPECT_EQ(m_bar.SetPos(INT_MIN), 7);
    EXPECT_EQ(m_bar.SetPos(INT_MAX), INT_MIN);
    EXPECT_EQ(Ask(m_hBar, PBM_GETPOS), INT_MAX);
    EXPECT_TRUE(::IsWindow(m_hBar));
}

TEST_F(TextProgressCtrlTest, SetPosWithoutAWindowReturnsMinusOneAndStoresNothing)
{
    CTextProgressCtrl unbound;
    EXPECT_EQ(unbound.SetPos(42), -1);
    unbound.SetRange(10, 20);
    unbound.SetBarColour(kBar);
    unbound.SetTextColour(kTextOverEmpty);
    // Given a window afterwards, it answers what it stored without one.
    const HWND hUnbound = BindToNewWindow(unbound);
    PBRANGE range{};
    EXPECT_EQ(Ask(hUnbound, PBM_GETPOS), 0);
    EXPECT_EQ(Ask(hUnbound, PBM_GETRANGE, TRUE, reinterpret_cast<LPARAM>(&range)), 10);
    EXPECT_EQ(range.iHigh, 20);
    EXPECT_EQ(Ask(hUnbound, PBM_GETBARCOLOR), kBar);
    EXPECT_EQ(Ask(hUnbound, CTextProgressCtrl::kGetTextColour, FALSE), kTextOverEmpty);
    ::DestroyWindow(hUnbound);

    // Once its window is gone, the bound control is without a window too.
    EXPECT_EQ(m_bar.SetPos(30), 0);
    ::DestroyWindow(m_hDialog);
    m_hDialog = nullptr;
    EXPECT_EQ(m_bar.GetSafeHwnd(), nullptr);
    EXPECT_EQ(m_bar.SetPos(60), -1);
    const HWND hAgain = BindToNewWindow(m_bar);
    EXPECT_EQ(Ask(hAgain, PBM_GETPOS), 30);
    ::DestroyWindow(hAgain);
}

// --- Colours ------------------------------------------------------------------------------------

TEST_F(TextProgressCtrlTest, ColourSettersShowOnlyAtTheNextRepaint)
{
    const Picture before = ShowHalfFilled();
    const int nPaints = m_bar.m_nPaints;

    const Colours changed{RGB(200, 0, 0), RGB(0, 64, 0), RGB(0, 128, 128), RGB(64, 0, 0)};
    m_bar.SetBarColour(changed.crBar);
    m_bar.SetTextColour(changed.crText);
    // A colour sent is answered with the one before it, as the setters or the messages left it.
    EXPECT_EQ(Ask(m_hBar, PBM_SETBARCOLOR, 0, changed.crBar), changed.crBar);
    EXPECT_EQ(Ask(m_hBar, CTextProgressCtrl::kSetTextColour, FALSE, changed.crText), changed.crText);
    EXPECT_EQ(Ask(m_hBar, PBM_SETBKCOLOR, 0, changed.crBg), kBackground);
    EXPECT_EQ(Ask(m_hBar, CTextProgressCtrl::kSetTextColour, TRUE, changed.crTextBk), kTextOverFilled);
    m_bar.SetRange(0, 50);
    EXPECT_EQ(m_bar.m_nPaints, nPaints);
    EXPECT_FALSE(UpdatePending());
    EXPECT_TRUE(SamePicture(Capture(), before));

    Repaint();
    EXPECT_TRUE(SamePicture(Capture(), ExpectedPicture("WWWWWWW", kWidth, changed)));
}

TEST_F(TextProgressCtrlTest, TextMadeForTheScreensDpiIsTheDefaultFontsAndGrowsWithTheDpi)
{
    UseKnownColours();
    ::SetWindowTextA(m_hBar, "I");
    ResizeClient(kWidth, 3 * kHeight);
    Repaint();
    const Picture defaultFont = Capture();
    const int nDpi = ::GetDeviceCaps(CClientDC(nullptr).GetSafeHdc(), LOGPIXELSY);
    m_bar.SetDpi(nDpi);
    Repaint();
    EXPECT_TRUE(SamePicture(Capture(), defaultFont));
    const auto textRows = [](const Picture& picture) {
        int nRows = 0;
        for (auto row = picture.pixels.begin(); row != picture.pixels.end(); row += picture.nWidth)
            nRows += std::count(row, row + picture.nWidth, kTextOverEmpty) > 0 ? 1 : 0;
        return nRows;
    };
    m_bar.SetDpi(2 * nDpi);
    Repaint();
    EXPECT_GE(textRows(Capture()), 2 * textRows(defaultFont) - 2);
}

TEST_F(TextProgressCtrlTest, EraseBackgroundTouchesNoPixelAndCountsAsDone)
{
    CDibCanvas canvas(kWidth, kHeight);
    canvas.Dc().FillSolidRect(RECT{0, 0, kWidth, kHeight}, RGB(12, 34, 56));
    const Picture blank = canvas.Read();
    EXPECT_EQ(::SendMessageA(m_hBar, WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.Dc().GetSafeHdc()), 0), 1);
    EXPECT_TRUE(SamePicture(canvas.Read(), blank));

    UseKnownColours();
    Repaint();
    const Picture before = Capture();
    {
        const CClientDC windowDC(m_hBar);
        EXPECT_EQ(::SendMessageA(m_hBar, WM_ERASEBKGND, reinterpret_cast<WPARAM>(windowDC.GetSafeHdc()), 0), 1);
    }
    EXPECT_TRUE(SamePicture(Capture(), before));
}

// --- The window text ----------------------------------------------------------------------------

struct TextStep {
    const char* text;  // null: a null text pointer
    bool bRepaints;
    const char* stored;
};

TEST_F(TextProgressCtrlTest, NewTextRepaintsLaterAndOnlyWhenItDiffers)
{
    UseKnownColours();
    const TextStep steps[] = {
        {nullptr, false, ""},     {"", false, ""},           {"24:59 Einheit 1", true, "24:59 Einheit 1"},
        {"24:59 Einheit 1", false, "24:59 Einheit 1"},       {"24:58 Einheit 1", true, "24:58 Einheit 1"},
        {"24:58 Einheit", true, "24:58 Einheit"},            {"", true, ""},
        {nullptr, false, ""},     {"\xC4nderung", true, "\xC4nderung"}, {"\xC4nderung", false, "\xC4nderung"},
        {nullptr, true, ""},
    };
    for (const TextStep& step : steps) {
        const std::string label = step.text ? step.text : "(null)";
        ::UpdateWindow(m_hBar);
        ASSERT_FALSE(UpdatePending());
        const int nPaints = m_bar.m_nPaints;

        EXPECT_TRUE(::SendMessageA(m_hBar, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(step.text))) << label;
        EXPECT_EQ(m_bar.m_nPaints, nPaints) << label << ": the repaint must wait for the event loop";
        EXPECT_EQ(UpdatePending(), step.bRepaints) << label;
        EXPECT_EQ(Text(), step.stored) << label;
        EXPECT_EQ(::SendMessageA(m_hBar, WM_GETTEXTLENGTH, 0, 0), static_cast<LRESULT>(std::strlen(step.stored)))
            << label;

        ::UpdateWindow(m_hBar);
        EXPECT_EQ(m_bar.m_nPaints, nPaints + (step.bRepaints ? 1 : 0)) << label;
    }
    // The last step emptied the text: the percentage is back.
    EXPECT_TRUE(SamePicture(Capture(), ExpectedPicture("0%", 0, kKnownColours)));
}

TEST_F(TextProgressCtrlTest, GetTextFillsAtMostTheBufferWithATerminator)
{
    const std::string text = "12:34 Einheit 3";
    ::SetWindowTextA(m_hBar, text.c_str());
    const std::size_t sizes[] = {0, 1, 2, 5, text.size(), text.size() + 1, text.size() + 2, 64};
    for (const std::size_t nSize : sizes) {
        std::vector<char> buffer(nSize + 8, '#');
        const LRESULT nCopied = ::SendMessageA(m_hBar, WM_GETTEXT, nSize, reinterpret_cast<LPARAM>(buffer.data()));
        const std::size_t nExpected = nSize == 0 ? 0 : std::min(nSize - 1, text.size());
        EXPECT_EQ(nCopied, static_cast<LRESULT>(nExpected)) << "size " << nSize;
        EXPECT_EQ(std::string(buffer.data(), nExpected), text.substr(0, nExpected)) << "size " << nSize;
        if (nSize > 0) {
            EXPECT_EQ(buffer[nExpected], '\0') << "size " << nSize;
        }
        const std::size_t nUntouchedFrom = nSize == 0 ? 0 : nExpected + 1;
        EXPECT_EQ(std::count(buffer.begin() + static_cast<std::ptrdiff_t>(nUntouchedFrom), buffer.end(), '#'),
                  static_cast<std::ptrdiff_t>(buffer.size() - nUntouchedFrom))
            << "size " << nSize;
    }
}

TEST_F(TextProgressCtrlTest, GetTextReturnsNoTextWhileThePercentageShows)
{
    m_bar.SetPos(42);
    ::UpdateWindow(m_hBar);
    char buffer[16] = "#######";
    EXPECT_EQ(::SendMessageA(m_hBar, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer)), 0);
    EXPECT_STREQ(buffer, "");
    EXPECT_EQ(::SendMessageA(m_hBar, WM_GETTEXT, 0, reinterpret_cast<LPARAM>(buffer)), 0);
}

}  // namespace
