// A function of a system DLL that only one rarely used feature needs, loaded on its first
// call instead of at start-up: the file-open dialog and the alarm sound each bring a DLL with a
// few megabytes of dependencies that a strip which never rings or browses has no use for.
#pragma once

#include <windows.h>

template <class Function>
class LazyImport {
public:
    constexpr LazyImport(const char* dll, const char* name) : m_dll(dll), m_name(name) {}

    // The function, or null if the DLL or the function cannot be found. A DLL once loaded stays
    // for the rest of the run, as one imported at start-up would.
    Function* Get()
    {
        if (!m_bLooked) {
            m_bLooked = true;
            if (HMODULE hModule = ::LoadLibraryA(m_dll))
                m_pfn = reinterpret_cast<Function*>(reinterpret_cast<void*>(::GetProcAddress(hModule, m_name)));
        }
        return m_pfn;
    }

private:
    const char* m_dll;
    const char* m_name;
    bool m_bLooked = false;
    Function* m_pfn = nullptr;
};
