// The AltGr characters of the installed keyboard layouts.
#include "altgr_character.h"

#include <iterator>

namespace {

// Windows 10 1607 and later leave the keyboard state, a pending dead key among it, as it was;
// older versions ignore the flag.
constexpr UINT kKeepKeyboardState = 0x4;

}  // namespace

namespace AltGrCharacter {

std::vector<HKL> InstalledLayouts()
{
    const int nCount = ::GetKeyboardLayoutList(0, nullptr);
    if (nCount <= 0)
        return {};
    std::vector<HKL> layouts(static_cast<size_t>(nCount));
    // A layout removed between the two calls leaves fewer.
    const int nListed = ::GetKeyboardLayoutList(nCount, layouts.data());
    layouts.resize(static_cast<size_t>(nListed > 0 ? nListed : 0));
    return layouts;
}

bool IsTyped(HKL hLayout, UINT nKey, bool bShift)
{
    BYTE keys[256] = {};
    keys[VK_CONTROL] = keys[VK_LCONTROL] = keys[VK_MENU] = keys[VK_RMENU] = 0x80;
    if (bShift)
        keys[VK_SHIFT] = keys[VK_LSHIFT] = 0x80;
    const UINT nScan = ::MapVirtualKeyExW(nKey, MAPVK_VK_TO_VSC, hLayout);
    wchar_t text[8] = {};
    const int nTyped = ::ToUnicodeEx(nKey, nScan, keys, text, static_cast<int>(std::size(text)) - 1,
                                     kKeepKeyboardState, hLayout);
    if (nTyped < 0) {
        // A dead key: where the flag is ignored, it now waits for the next key of this thread. The
        // same key once more types it and clears it; where the flag holds, nothing waits.
        ::ToUnicodeEx(nKey, nScan, keys, text, static_cast<int>(std::size(text)) - 1, kKeepKeyboardState, hLayout);
        return true;
    }
    for (int i = 0; i < nTyped && i < static_cast<int>(std::size(text)); ++i) {
        if (text[i] >= L' ' && text[i] != 0x7F)
            return true;
    }
    return false;
}

}  // namespace AltGrCharacter
