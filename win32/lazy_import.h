// A function of a system DLL that only one rarely used feature needs, loaded on its first
// call instead of at start-up: the file-open dialog and the alarm sound each bring a DLL with a
// few megabytes of dependencies that a strip which never rings or browses has no use for.
// Every DLL that is not one of the system's known DLLs is loaded this way, from the system
// folder alone: a DLL of the same name lying beside the program, in a downloads folder say, is
// never loaded.
#pragma once

#include <windows.h>

// From here on, the DLLs that the system loads for the program and for the DLLs it uses come
// from the system folder alone. Called first of all, before anything loads a DLL; Vista and 7
// know the call only with their update of 2011 (KB2533623).
inline void LoadSystemLibrariesOnly()
{
    using SetDefaultDllDirectoriesFunction = BOOL WINAPI(DWORD);
    if (auto* pfn = reinterpret_cast<SetDefaultDllDirectoriesFunction*>(reinterpret_cast<void*>(
            ::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories"))))
        pfn(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

// A system DLL by its plain ASCII name, from the system folder; null if it is not there.
inline HMODULE LoadSystemLibrary(const char* dll)
{
    wchar_t path[MAX_PATH];
    const UINT nFolder = ::GetSystemDirectoryW(path, MAX_PATH);
    if (nFolder == 0 || nFolder >= MAX_PATH - 1)
        return nullptr;
    UINT n = nFolder;
    path[n++] = L'\\';
    for (; *dll && n < MAX_PATH - 1; ++dll)
        path[n++] = static_cast<wchar_t>(*dll);
    path[n] = L'\0';
    if (HMODULE hModule = ::LoadLibraryExW(path + nFolder + 1, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32))
        return hModule;
    // A system without the search flags refuses them: the full path names the same file.
    return ::GetLastError() == ERROR_INVALID_PARAMETER ? ::LoadLibraryExW(path, nullptr, 0) : nullptr;
}

template <class Function>
class LazyImport {
public:
    constexpr LazyImport(const char* dll, const char* name) : m_dll(dll), m_name(name) {}
    // By ordinal. Both constructors are constant, so a static LazyImport needs no guard, and with
    // it no thread library in the program.
    constexpr LazyImport(const char* dll, WORD nOrdinal) : m_dll(dll), m_nOrdinal(nOrdinal) {}

    // The function, or null if the DLL or the function cannot be found. A DLL once loaded stays
    // for the rest of the run, as one imported at start-up would.
    Function* Get()
    {
        if (!m_bLooked) {
            m_bLooked = true;
            if (HMODULE hModule = LoadSystemLibrary(m_dll))
                m_pfn = reinterpret_cast<Function*>(reinterpret_cast<void*>(
                    ::GetProcAddress(hModule, m_name ? m_name : MAKEINTRESOURCEA(m_nOrdinal))));
        }
        return m_pfn;
    }

    // Puts another function in the system's place from now on, as a test does to give the
    // program answers that the platform it runs on cannot give.
    void Substitute(Function* pfn)
    {
        m_bLooked = true;
        m_pfn = pfn;
    }

private:
    const char* m_dll;
    const char* m_name = nullptr;
    WORD m_nOrdinal = 0;
    bool m_bLooked = false;
    Function* m_pfn = nullptr;
};
