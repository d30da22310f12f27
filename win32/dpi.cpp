// The DPI of a window and of the screen, a dialog template laid out at any DPI as the dialog
// manager does it, and icons at any size.
#include "win32/dpi.h"

#include <cstring>
#include <vector>

#include "core/icon_bitmap.h"
#include "win32/gdi.h"
#include "win32/lazy_import.h"

namespace {

// Reads a template's header field by field; past its end every field reads as zero.
class TemplateReader {
public:
    TemplateReader(const BYTE* data, DWORD nSize) : m_pData(data), m_nSize(nSize) {}

    template <class T>
    T Read()
    {
        T value{};
        if (m_nSize - m_nAt >= sizeof value)
            std::memcpy(&value, m_pData + m_nAt, sizeof value);
        m_nAt = m_nSize - m_nAt >= sizeof value ? m_nAt + sizeof value : m_nSize;
        return value;
    }
    std::wstring String()
    {
        std::wstring text;
        while (const auto ch = Read<wchar_t>())
            text += ch;
        return text;
    }
    // A name or an ordinal: none (0), 0xFFFF and a number, or a string.
    void SkipNameOrOrdinal()
    {
        const auto first = Read<WORD>();
        if (first == 0xFFFF)
            Read<WORD>();
        else if (first != 0)
            String();
    }

private:
    const BYTE* m_pData;
    DWORD m_nSize;
    DWORD m_nAt = 0;
};

// The resource's bytes, which stay loaded as long as the module does.
const BYTE* ResourceBytes(HINSTANCE hInstance, int nID, const char* type, DWORD& nSize)
{
    HRSRC hResource = ::FindResourceA(hInstance, MAKEINTRESOURCEA(nID), type);
    HGLOBAL hData = hResource ? ::LoadResource(hInstance, hResource) : nullptr;
    nSize = hData ? ::SizeofResource(hInstance, hResource) : 0;
    return hData ? static_cast<const BYTE*>(::LockResource(hData)) : nullptr;
}

}  // namespace

int ScreenDpi()
{
    const CClientDC screen(nullptr);
    return ::GetDeviceCaps(screen.GetSafeHdc(), LOGPIXELSY);
}

int WindowDpi(HWND hWnd)
{
    static LazyImport<decltype(::GetDpiForWindow)> getDpiForWindow("user32.dll", "GetDpiForWindow");
    if (auto* pfnGetDpiForWindow = getDpiForWindow.Get()) {
        if (const UINT nDpi = pfnGetDpiForWindow(hWnd))
            return static_cast<int>(nDpi);
    }
    return ScreenDpi();
}

std::optional<DialogTemplateHeader> ReadDialogTemplate(HINSTANCE hInstance, UINT nID)
{
    DWORD nSize = 0;
    const BYTE* data = ResourceBytes(hInstance, static_cast<int>(nID), RT_DIALOG, nSize);
    if (!data)
        return std::nullopt;
    TemplateReader reader(data, nSize);
    // An extended template starts with its version 1 and the signature 0xFFFF, then its help id
    // and its extended style before the style; a plain one with its style and extended style.
    DWORD style = reader.Read<DWORD>();
    const bool bExtended = style == 0xFFFF0001;
    if (bExtended) {
        reader.Read<DWORD>();
        reader.Read<DWORD>();
        style = reader.Read<DWORD>();
    } else {
        reader.Read<DWORD>();
    }
    reader.Read<WORD>();  // the count of controls
    reader.Read<short>();
    reader.Read<short>();
    DialogTemplateHeader header;
    header.units.cx = reader.Read<short>();
    header.units.cy = reader.Read<short>();
    reader.SkipNameOrOrdinal();  // menu
    reader.SkipNameOrOrdinal();  // window class
    reader.String();             // title
    if (!(style & DS_SETFONT))
        return std::nullopt;
    header.nPointSize = reader.Read<WORD>();
    if (bExtended) {
        header.nWeight = reader.Read<WORD>();
        header.bItalic = reader.Read<BYTE>();
        header.nCharSet = reader.Read<BYTE>();
    }
    header.strFace = reader.String();
    return header;
}

FormExtent DialogBaseUnits(const DialogTemplateHeader& header, int nDpi)
{
    LOGFONTW font{};
    font.lfHeight = -::MulDiv(header.nPointSize, nDpi, 72);
    font.lfWeight = header.nWeight;
    font.lfItalic = header.bItalic;
    font.lfCharSet = header.nCharSet;
    font.lfQuality = PROOF_QUALITY;
    header.strFace.copy(font.lfFaceName, LF_FACESIZE - 1);
    const CFont dialogFont(::CreateFontIndirectW(&font));
    const CClientDC screen(nullptr);
    const CSelectObject select(screen.GetSafeHdc(), dialogFont.Get());
    static constexpr wchar_t kLetters[] = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    SIZE letters{};
    TEXTMETRICW metrics{};
    ::GetTextExtentPoint32W(screen.GetSafeHdc(), kLetters, 52, &letters);
    ::GetTextMetricsW(screen.GetSafeHdc(), &metrics);
    return FormExtent{WindowLayout::DialogBaseWidth(letters.cx), metrics.tmHeight};
}

ScreenRect WindowFrame(DWORD style, DWORD exStyle, int nDpi)
{
    static LazyImport<decltype(::AdjustWindowRectExForDpi)> adjustForDpi("user32.dll", "AdjustWindowRectExForDpi");
    RECT rect{};
    if (auto* pfnAdjustForDpi = adjustForDpi.Get())
        pfnAdjustForDpi(&rect, style, FALSE, exStyle, static_cast<UINT>(nDpi));
    else
        ::AdjustWindowRectEx(&rect, style, FALSE, exStyle);
    return ScreenRect{rect.left, rect.top, rect.right, rect.bottom};
}

HICON LoadIconImage(HINSTANCE hInstance, int nIconID, int nPixels)
{
    DWORD nSize = 0;
    const BYTE* group = ResourceBytes(hInstance, nIconID, RT_GROUP_ICON, nSize);
    if (!group)
        return nullptr;
    // Asked for a size it holds, the system picks that image exactly; the icon is then made
    // from it at the size wanted.
    const int nDrawn = WindowLayout::DrawnIconSize(nPixels);
    const int nImageID = ::LookupIconIdFromDirectoryEx(const_cast<BYTE*>(group), TRUE, nDrawn, nDrawn, LR_DEFAULTCOLOR);
    const BYTE* image = ResourceBytes(hInstance, nImageID, RT_ICON, nSize);
    if (!image)
        return nullptr;
    // A bitmap of 16 colours is scaled with its mask apart from its colours, which leaves dark
    // dots along a picture's edges; widened to 32-bit colour it is scaled as the PNG images are.
    std::vector<uint8_t> widened;
    if (nPixels != nDrawn)
        widened = WidenedIconBitmap({image, nSize});
    if (!widened.empty()) {
        image = widened.data();
        nSize = static_cast<DWORD>(widened.size());
    }
    return ::CreateIconFromResourceEx(const_cast<BYTE*>(image), nSize, TRUE, 0x00030000, nPixels, nPixels,
                                      LR_DEFAULTCOLOR);
}
