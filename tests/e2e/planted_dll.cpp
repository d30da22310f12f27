// A DLL that lies beside a copy of Tarnovell.exe under the name of a system DLL. Loaded, it
// leaves a file "<its own path>.loaded" as its mark, and it has none of the functions the real one has.
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
