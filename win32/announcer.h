// CAnnouncer: what the strip tells a screen reader without moving the focus, and the bar's
// accessible name in words. From Windows 10 1709 on it raises a notification of UI Automation;
// before that the bar becomes a polite live region whose change a reader reads. Nothing of either
// is loaded before a reader asks for the bar or the strip has something to tell.
#pragma once

#include <windows.h>
#include <unknwn.h>

#include <cstdint>
#include <functional>
#include <string>

struct IAccPropServices;
class CBarName;

// UI Automation's notification, looked up at run time: both functions, or neither.
struct UiaNotifier {
    using HostProviderFunction = HRESULT WINAPI(HWND, IUnknown**);
    using RaiseNotificationFunction = HRESULT WINAPI(IUnknown* pProvider, int nKind, int nProcessing, BSTR text,
                                                     BSTR activity);
    HostProviderFunction* pHostProvider = nullptr;
    RaiseNotificationFunction* pRaiseNotification = nullptr;
};
UiaNotifier LookUpUiaNotifier();

class CAnnouncer {
public:
    // Speaks for the bar, whose name in words is asked of `name` each time a reader reads it;
    // pLookUp finds the notification, once, at the first announcement that a reader hears.
    CAnnouncer(std::function<std::wstring()> name, UiaNotifier (*pLookUp)(), bool (*pScreenReader)());
    CAnnouncer(const CAnnouncer&) = delete;
    CAnnouncer& operator=(const CAnnouncer&) = delete;
    ~CAnnouncer();

    void Attach(HWND hBar) { m_hBar = hBar; }
    // A reader asks for the bar: from now on its name is the one in words.
    void NameBar();
    // The bar goes: the name and the live region are taken back while it is still there.
    void Detach();
    // Tells a reader the text where one runs or has asked for the bar, or where the user asked
    // for it: a strip that no reader hears loads nothing for one.
    void Announce(const std::wstring& text, bool bAskedFor = false);
    // The bar's name now: the text of the live region while a reader may still read it, else the
    // status in words.
    std::wstring Name() const;

private:
    IAccPropServices* Services();
    // The name in words, given once; a reader that asks for it, or the live region, needs it.
    void GiveName();
    void RaiseNotification(const std::wstring& text) const;

    std::function<std::wstring()> m_name;
    UiaNotifier (*m_pLookUp)();
    bool (*m_pScreenReader)();
    UiaNotifier m_notifier;
    bool m_bLookedUp = false;
    HWND m_hBar = nullptr;
    bool m_bReaderAsked = false;
    bool m_bComStarted = false;
    bool m_bServicesAsked = false;
    IAccPropServices* m_pServices = nullptr;
    CBarName* m_pName = nullptr;
    bool m_bLiveRegion = false;
    std::wstring m_strLive;
    uint64_t m_nLiveAtMs = 0;
};
