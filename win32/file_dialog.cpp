// CFileDialog: the common file-open dialog, set up once and run modally.
#include "file_dialog.h"

#include <algorithm>
#include <iterator>

#include "lazy_import.h"
#include "wide_text.h"

namespace {

// The platform wants the entries separated by NULs and ended by an empty one; a bar cannot
// stand in a file pattern, so every bar is a separator.
std::wstring FilterFromBars(const char* filter)
{
    std::wstring converted = WidenAnsi(filter);
    std::replace(converted.begin(), converted.end(), L'|', L'\0');
    return converted;
}

}  // namespace

CFileDialog::CFileDialog(const char* defaultExt, const char* fileName, DWORD flags, const char* filter,
                         CWnd* pParent)
    : m_strDefExt(defaultExt ? WidenAnsi(defaultExt) : std::wstring()),
      m_strFilter(filter ? FilterFromBars(filter) : std::wstring()),
      m_pParent(pParent)
{
    if (fileName)
        lstrcpynW(m_szFile, WidenAnsi(fileName).c_str(), static_cast<int>(std::size(m_szFile)));
    m_ofn.lStructSize = sizeof m_ofn;
    // std::wstring keeps a NUL behind its last character, which ends the list of pairs.
    m_ofn.lpstrFilter = filter ? m_strFilter.c_str() : nullptr;
    m_ofn.lpstrFile = m_szFile;
    m_ofn.nMaxFile = static_cast<DWORD>(std::size(m_szFile));
    m_ofn.lpstrDefExt = defaultExt ? m_strDefExt.c_str() : nullptr;
    m_ofn.Flags = flags;
}

INT_PTR CFileDialog::DoModal()
{
    // The owner waits while the file dialog runs, as under any modal dialog.
    m_ofn.hwndOwner = m_pParent ? m_pParent->GetSafeHwnd() : ::GetActiveWindow();
    static LazyImport<decltype(::GetOpenFileNameW)> getOpenFileName("comdlg32.dll", "GetOpenFileNameW");
    auto* pfnGetOpenFileName = getOpenFileName.Get();
    return pfnGetOpenFileName && pfnGetOpenFileName(&m_ofn) ? IDOK : IDCANCEL;
}
