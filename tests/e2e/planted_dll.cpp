// A DLL beside a copy of Tarnovell.exe, named as a system DLL, with none of that DLL's functions:
// loaded, it leaves the file "<its own path>.loaded".
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        wchar_t path[MAX_PATH + 8] = {};
        const DWORD nLength = ::GetModuleFileNameW(hInstance, path, MAX_PATH);
        ::lstrcpyW(path + nLength, L".loaded");
        ::CloseHandle(::CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    }
    return TRUE;
}
