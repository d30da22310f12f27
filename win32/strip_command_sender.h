// A second start with an action hands it to the host of the running strip, and takes the line
// that the strip answers to /status.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "core/strip_command.h"

// The class of the window that takes the strip's answer to /status: the strip answers only to a
// window of this class that this very program made.
inline constexpr wchar_t kStatusReplyClass[] = L"TarnovellStatusReply";

// What the host answered to the action, and for /status the strip's line.
struct StripAnswer {
    LRESULT nAnswer = 0;
    std::string strLine;
};

// Sends the action to the host as a record with WM_COPYDATA; nothing where the host does not
// answer within 2 s.
std::optional<StripAnswer> SendStripCommand(HWND hHost, StripAction action);
