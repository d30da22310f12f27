// The host of the running strip takes what a second start of this program sends it, and answers
// the strip's line to /status.
#pragma once

#include <windows.h>

#include <optional>
#include <string_view>

#include "core/strip_command.h"

// The command in the data; nothing for data of another tag, or a record the strip does not know.
std::optional<StripCommand> ReceiveStripCommand(const COPYDATASTRUCT& data);

// Sends the line from hHost to the command's reply window, only to a status reply window that this
// very program made; false where it is none or did not take the line within 2 s.
bool AnswerStatus(HWND hHost, const StripCommand& command, std::string_view line);
