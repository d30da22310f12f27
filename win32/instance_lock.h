// The lock that one running strip per settings file holds for its whole run.
#pragma once

#include <windows.h>

#include <string>

class CInstanceLock {
public:
    // Takes the lock of this name in the user's session; whoever took it first holds it. A lock
    // that another run made for itself alone (an elevated one) is held just as well.
    explicit CInstanceLock(const std::wstring& name) : m_name(L"Local\\" + name) { Take(); }
    CInstanceLock(const CInstanceLock&) = delete;
    CInstanceLock& operator=(const CInstanceLock&) = delete;
    ~CInstanceLock()
    {
        if (m_bFirst && m_hMutex)
            ::ReleaseMutex(m_hMutex);
        if (m_hMutex)
            ::CloseHandle(m_hMutex);
    }

    // False when another run holds the lock. A lock that could not be made at all lets this run
    // go on: better two strips than none.
    bool IsFirst() const { return m_bFirst || m_bUnmade; }

    // Waits at most this long for the run that holds the lock to let it go, and holds it then; a
    // run that died holding it lets it go as well.
    bool WaitUntilFirst(DWORD nMilliseconds)
    {
        const ULONGLONG nEnd = ::GetTickCount64() + nMilliseconds;
        // Without a handle there is nothing to wait on: the lock is asked for again until it is made.
        while (!m_hMutex && !IsFirst() && ::GetTickCount64() < nEnd) {
            ::Sleep(100);
            Take();
        }
        const ULONGLONG nNow = ::GetTickCount64();
        if (m_hMutex && !m_bFirst && nNow < nEnd) {
            const DWORD nWait = ::WaitForSingleObject(m_hMutex, static_cast<DWORD>(nEnd - nNow));
            m_bFirst = nWait == WAIT_OBJECT_0 || nWait == WAIT_ABANDONED;
        }
        return IsFirst();
    }

private:
    void Take()
    {
        m_hMutex = ::CreateMutexW(nullptr, TRUE, m_name.c_str());
        const DWORD nError = ::GetLastError();
        m_bFirst = m_hMutex != nullptr && nError != ERROR_ALREADY_EXISTS;
        m_bUnmade = m_hMutex == nullptr && nError != ERROR_ACCESS_DENIED;
    }

    std::wstring m_name;
    HANDLE m_hMutex = nullptr;
    bool m_bFirst = false;
    bool m_bUnmade = false;
};
