// Whether the user lets apps use the light theme, as Windows stores it for the current user.
#pragma once

#include <cstdint>
#include <optional>

// The stored value, 0 for dark; nothing where the key or the value is missing or the value is no
// DWORD, as on a Windows that has no light or dark mode for apps.
std::optional<uint32_t> AppsUseLightTheme();
