// CFileDialog: the common file-open dialog, set up once and run modally.
#pragma once

#include <windows.h>
#include <commdlg.h>

#include <string>

#include "window.h"

class CFileDialog {
public:
    // The filter comes in the bar-separated form "Text (*.EXT)|*.EXT||": pairs of a text and
    // its pattern. Without a parent the dialog is owned by the window that is active when it runs.
    CFileDialog(const char* defaultExt, const char* fileName, DWORD flags, const char* filter,
                CWnd* pParent = nullptr);
    // The structure points into the object itself.
    CFileDialog(const CFileDialog&) = delete;
    CFileDialog& operator=(const CFileDialog&) = delete;

    // IDOK when a file was chosen, IDCANCEL when the user cancelled or the dialog failed.
    INT_PTR DoModal();
    // The full path of the chosen file, with the default extension added to a bare name; in
    // UTF-16, as the file system names it.
    std::wstring GetPathName() const { return m_szFile; }
    const OPENFILENAMEW& GetOFN() const { return m_ofn; }

private:
    std::wstring m_strDefExt;
    std::wstring m_strFilter;
    wchar_t m_szFile[MAX_PATH] = {};
    CWnd* m_pParent;
    OPENFILENAMEW m_ofn{};
};
