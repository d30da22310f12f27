// The record on its way, and the window only for messages that waits for the answer line.
#include "strip_command_sender.h"

#include "hidden_owner.h"
#include "message_filter.h"

namespace {

// The strip sends its line while the sender still waits for the host's answer: a thread that
// waits in SendMessageTimeout takes the messages sent to its own windows.
class CStatusReply : public CMessageMapped<CStatusReply, CHiddenOwner> {
public:
    CStatusReply() : CMessageMapped(kStatusReplyClass, HWND_MESSAGE)
    {
        // An elevated script's reply window takes the line from a strip that is not elevated.
        AdmitFromLowerPrograms(m_hWnd, WM_COPYDATA);
        SubclassWindow(m_hWnd);
    }

    std::string m_strLine;

private:
    LRESULT OnCopyData(const COPYDATASTRUCT& data)
    {
        if (data.dwData != kStripCommandTag || (!data.lpData && data.cbData > 0))
            return FALSE;
        m_strLine.assign(static_cast<const char*>(data.lpData), data.cbData);
        return TRUE;
    }

    friend CMessageMapped;
    static constexpr MessageEntry<CStatusReply> kMessageMap[] = {
        OnCopyDataMessage<&CStatusReply::OnCopyData>(),
    };
};

}  // namespace

std::optional<StripAnswer> SendStripCommand(HWND hHost, StripAction action)
{
    std::optional<CStatusReply> reply;
    if (action == StripAction::Status)
        reply.emplace();
    const HWND hReply = reply ? reply->GetSafeHwnd() : nullptr;
    StripCommand command = MakeStripCommand(action, reinterpret_cast<uintptr_t>(hReply));
    COPYDATASTRUCT data{kStripCommandTag, sizeof command, &command};
    DWORD_PTR nAnswer = 0;
    if (!::SendMessageTimeoutW(hHost, WM_COPYDATA, reinterpret_cast<WPARAM>(hReply), reinterpret_cast<LPARAM>(&data),
                               SMTO_ABORTIFHUNG, 2000, &nAnswer))
        return std::nullopt;
    return StripAnswer{static_cast<LRESULT>(nAnswer), reply ? reply->m_strLine : std::string()};
}
