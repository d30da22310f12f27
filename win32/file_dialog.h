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
    // The full path of the chosen file, with the default extension added to a bare name.
    std::string GetPathName() const { return m_szFile; }
    const OPENFILENAMEA& GetOFN() const { return m_ofn; }

private:
    std::string m_strDefExt;
    std::string m_strFilter;
    char m_szFile[MAX_PATH] = {};
    CWnd* m_pParent;
    OPENFILENAMEA m_ofn{};
};
