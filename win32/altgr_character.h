// Which chord keys type a character with Strg and Alt down, as AltGr types it, in the keyboard
// layouts the user has installed: such a chord would take that character from every program.
#pragma once

#include <windows.h>

#include <vector>

namespace AltGrCharacter {

// The keyboard layouts the user has installed, in the order Windows lists them.
std::vector<HKL> InstalledLayouts();

// Whether the key, pressed with Strg and Alt (and Umschalt, when asked) in the layout, types a
// character or starts one as a dead key. A control character is no character here.
bool IsTyped(HKL hLayout, UINT nKey, bool bShift);

}  // namespace AltGrCharacter

// The questions as the strip's host asks them; a test hands in layouts the platform lacks.
struct AltGrLayouts {
    std::vector<HKL> (*pInstalledLayouts)() = AltGrCharacter::InstalledLayouts;
    bool (*pIsTyped)(HKL hLayout, UINT nKey, bool bShift) = AltGrCharacter::IsTyped;

    // Whether the key with Strg and Alt types a character in any of the installed layouts.
    bool IsTypedInAny(UINT nKey, bool bShift) const
    {
        for (HKL hLayout : pInstalledLayouts()) {
            if (pIsTyped(hLayout, nKey, bShift))
                return true;
        }
        return false;
    }
};
