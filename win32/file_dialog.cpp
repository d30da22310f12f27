// CFileDialog: the common file-open dialog, set up once and run modally.
#include "file_dialog.h"

#include <algorithm>

#include "lazy_import.h"

namespace {

// The platform wants the entries separated by NULs and ended by an empty one; a bar cannot
// stand in a file pattern, so every bar is a separator.
std::string FilterFromBars(const char* filter)
{
    std::string converted = filter;
    std::replace(converted.begin(), converted.end(), '|', '\0');
    return converted;
}

}  // namespace

CFileDialog::CFileDialog(const char* defaultExt, const char* fileName, DWORD flags, const char* filter,
                         CWnd* pParent)
    : m_strDefExt(defaultExt ? defaultExt : ""), m_strFilter(filter ? FilterFromBars(filter) : ""), m_pParent(pParent)
{
    if (fileName)
        lstrcpynA(m_szFile, fileName, sizeof m_szFile);
    m_ofn.lStructSize = sizeof m_ofn;
    // std::string keeps a NUL behind its last character, which ends the list of pairs.
    m_ofn.lpstrFilter = filter ? m_strFilter.c_str() : nullptr;
    m_ofn.lpstrFile = m_szFile;
    m_ofn.nMaxFile = sizeof m_szFile;
    m_ofn.lpstrDefExt = defaultExt ? m_strDefExt.c_str() : nullptr;
    m_ofn.Flags = flags;
}

INT_PTR CFileDialog::DoModal()
{
    // The owner waits while the file dialog runs, as under any modal dialog.
    m_ofn.hwndOwner = m_pParent ? m_pParent->GetSafeHwnd() : ::GetActiveWindow();
    static LazyImport<decltype(::GetOpenFileNameA)> getOpenFileName("comdlg32.dll", "GetOpenFileNameA");
    auto* pfnGetOpenFileName = getOpenFileName.Get();
    return pfnGetOpenFileName && pfnGetOpenFileName(&m_ofn) ? IDOK : IDCANCEL;
}
