// The lock that one running strip per settings file holds for its whole run.
#pragma once

#include <windows.h>

#include <string>

class CInstanceLock {
public:
    // Takes the lock of this name in the user's session; whoever took it first holds it.
    explicit CInstanceLock(const std::wstring& name)
        : m_hMutex(::CreateMutexW(nullptr, FALSE, (L"Local\\" + name).c_str())),
          m_bFirst(m_hMutex != nullptr && ::GetLastError() != ERROR_ALREADY_EXISTS)
    {
    }
    CInstanceLock(const CInstanceLock&) = delete;
    CInstanceLock& operator=(const CInstanceLock&) = delete;
    ~CInstanceLock()
    {
        if (m_hMutex)
            ::CloseHandle(m_hMutex);
    }

    // False when another run holds the lock. A lock that could not be made at all lets this run
    // go on: better two strips than none.
    bool IsFirst() const { return m_bFirst || m_hMutex == nullptr; }

private:
    HANDLE m_hMutex;
    bool m_bFirst;
};
