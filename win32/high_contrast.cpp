// The look-up of the high-contrast question.
#include "high_contrast.h"

LazyImport<decltype(::SystemParametersInfoW)>& HighContrast::Lookup()
{
    static LazyImport<decltype(::SystemParametersInfoW)> systemParametersInfo("user32.dll", "SystemParametersInfoW");
    return systemParametersInfo;
}
