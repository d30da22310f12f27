// A dialog template's header read from the module, and its font's base units at a DPI.
#include "win32/dialog_template.h"

#include <cstring>

#include "core/window_layout.h"
#include "win32/gdi.h"
#include "win32/resource_bytes.h"

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

}  // namespace

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
