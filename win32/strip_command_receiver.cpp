// The record read through the core, and the answer line sent back with WM_COPYDATA.
#include "strip_command_receiver.h"

#include <cwchar>
#include <iterator>

#include "strip_command_sender.h"
#include "window_program.h"

std::optional<StripCommand> ReceiveStripCommand(const COPYDATASTRUCT& data)
{
    if (data.dwData != kStripCommandTag)
        return std::nullopt;
    return ReadStripCommand(data.lpData, data.cbData);
}

bool AnswerStatus(HWND hHost, const StripCommand& command, std::string_view line)
{
    const auto hReply = reinterpret_cast<HWND>(static_cast<uintptr_t>(command.m_nReplyWindow));
    wchar_t className[std::size(kStatusReplyClass) + 1] = {};
    if (!::GetClassNameW(hReply, className, static_cast<int>(std::size(className))) ||
        std::wcscmp(className, kStatusReplyClass) != 0 || !IsWindowOfThisProgram(hReply))
        return false;
    COPYDATASTRUCT data{kStripCommandTag, static_cast<DWORD>(line.size()), const_cast<char*>(line.data())};
    DWORD_PTR nTaken = 0;
    return ::SendMessageTimeoutW(hReply, WM_COPYDATA, reinterpret_cast<WPARAM>(hHost), reinterpret_cast<LPARAM>(&data),
                                 SMTO_ABORTIFHUNG, 2000, &nTaken) &&
           nTaken == TRUE;
}
