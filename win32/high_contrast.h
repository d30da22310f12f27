// Whether the user has switched high contrast on.
#pragma once

#include <windows.h>

#include "lazy_import.h"

namespace HighContrast {

// The system call that answers the question, looked up at its first use.
LazyImport<decltype(::SystemParametersInfoW)>& Lookup();

inline bool IsOn()
{
    HIGHCONTRASTW state{};
    state.cbSize = sizeof state;
    auto* pfn = Lookup().Get();
    return pfn && pfn(SPI_GETHIGHCONTRAST, sizeof state, &state, 0) && (state.dwFlags & HCF_HIGHCONTRASTON);
}

}  // namespace HighContrast
