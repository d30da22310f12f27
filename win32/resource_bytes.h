// The bytes of one of the module's resources, as the system keeps them.
#pragma once

#include <windows.h>

// The resource's bytes, which stay loaded as long as the module does.
inline const BYTE* ResourceBytes(HINSTANCE hInstance, int nID, const char* type, DWORD& nSize)
{
    HRSRC hResource = ::FindResourceA(hInstance, MAKEINTRESOURCEA(nID), type);
    HGLOBAL hData = hResource ? ::LoadResource(hInstance, hResource) : nullptr;
    nSize = hData ? ::SizeofResource(hInstance, hResource) : 0;
    return hData ? static_cast<const BYTE*>(::LockResource(hData)) : nullptr;
}
