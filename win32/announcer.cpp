#include "announcer.h"

#include <initguid.h>
#include <oleacc.h>

#include <atomic>

#include "lazy_import.h"

namespace {

// No header of the tool chain knows the notification's numbers or the live region's property.
constexpr int kNotificationKindOther = 4;
// A newer announcement of the strip replaces one that the reader has not spoken yet.
constexpr int kNotificationProcessingImportantMostRecent = 1;
constexpr LONG kLiveSettingPolite = 1;
// {C12BCD8E-2A8E-4950-8AE7-3625111D58EB}
constexpr GUID kLiveSettingProperty = {0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr GUID kIidUnknown = {0, 0, 0, {0xc0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr wchar_t kActivity[] = L"Tarnovell.Ablauf";
// How long the live region's text stays the bar's name, for a reader to read it.
constexpr uint64_t kLiveTextMs = 2000;

BSTR AllocateText(const wchar_t* text)
{
    static LazyImport<decltype(::SysAllocString)> allocate("oleaut32.dll", "SysAllocString");
    auto* pfn = allocate.Get();
    return pfn ? pfn(text) : nullptr;
}

// A text handed to a reader, freed with the call it was made for.
class CReaderText {
public:
    explicit CReaderText(const wchar_t* text) : m_text(AllocateText(text)) {}
    CReaderText(const CReaderText&) = delete;
    CReaderText& operator=(const CReaderText&) = delete;
    ~CReaderText()
    {
        static LazyImport<decltype(::SysFreeString)> free("oleaut32.dll", "SysFreeString");
        if (auto* pfn = free.Get(); pfn && m_text)
            pfn(m_text);
    }
    BSTR Get() const { return m_text; }

private:
    BSTR m_text;
};

}  // namespace

// The bar's name, asked each time a reader reads it. Windows holds it as long as it likes: it
// answers nothing once its announcer is gone.
class CBarName final : public IAccPropServer {
public:
    explicit CBarName(const CAnnouncer& announcer) : m_pAnnouncer(&announcer) {}
    void Orphan() { m_pAnnouncer = nullptr; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override
    {
        if (!ppv)
            return E_POINTER;
        *ppv = IsEqualGUID(riid, kIidUnknown) || IsEqualGUID(riid, IID_IAccPropServer) ? this : nullptr;
        if (!*ppv)
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++m_nRefs; }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const ULONG nRefs = --m_nRefs;
        if (nRefs == 0)
            delete this;
        return nRefs;
    }
    HRESULT STDMETHODCALLTYPE GetPropValue(const BYTE*, DWORD, MSAAPROPID idProp, VARIANT* pValue,
                                           BOOL* pbHasProp) override
    {
        if (!pValue || !pbHasProp)
            return E_POINTER;
        pValue->vt = VT_EMPTY;
        *pbHasProp = FALSE;
        if (!m_pAnnouncer || !IsEqualGUID(idProp, PROPID_ACC_NAME))
            return S_OK;
        const BSTR name = AllocateText(m_pAnnouncer->Name().c_str());
        if (!name)
            return E_OUTOFMEMORY;
        pValue->vt = VT_BSTR;
        pValue->bstrVal = name;
        *pbHasProp = TRUE;
        return S_OK;
    }

private:
    std::atomic<ULONG> m_nRefs{1};
    const CAnnouncer* m_pAnnouncer;
};

UiaNotifier LookUpUiaNotifier()
{
    static LazyImport<UiaNotifier::HostProviderFunction> hostProvider("uiautomationcore.dll",
                                                                      "UiaHostProviderFromHwnd");
    static LazyImport<UiaNotifier::RaiseNotificationFunction> raise("uiautomationcore.dll",
                                                                    "UiaRaiseNotificationEvent");
    const UiaNotifier notifier{hostProvider.Get(), raise.Get()};
    return notifier.pHostProvider && notifier.pRaiseNotification ? notifier : UiaNotifier{};
}

CAnnouncer::CAnnouncer(std::function<std::wstring()> name, UiaNotifier (*pLookUp)(), bool (*pScreenReader)())
    : m_name(std::move(name)), m_pLookUp(pLookUp), m_pScreenReader(pScreenReader)
{
}

CAnnouncer::~CAnnouncer()
{
    Detach();
    if (m_pServices)
        m_pServices->Release();
    static LazyImport<decltype(::CoUninitialize)> uninitialize("ole32.dll", "CoUninitialize");
    if (auto* pfn = uninitialize.Get(); pfn && m_bComStarted)
        pfn();
}

// The services of accessibility are COM's: started on the strip's thread the first time they are
// needed, as a single-threaded apartment unless the thread has another already.
IAccPropServices* CAnnouncer::Services()
{
    if (m_bServicesAsked)
        return m_pServices;
    m_bServicesAsked = true;
    static LazyImport<decltype(::CoInitializeEx)> initialize("ole32.dll", "CoInitializeEx");
    static LazyImport<decltype(::CoCreateInstance)> create("ole32.dll", "CoCreateInstance");
    auto* pfnInitialize = initialize.Get();
    auto* pfnCreate = create.Get();
    if (!pfnInitialize || !pfnCreate)
        return nullptr;
    m_bComStarted = SUCCEEDED(pfnInitialize(nullptr, COINIT_APARTMENTTHREADED));
    void* pServices = nullptr;
    if (SUCCEEDED(pfnCreate(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices, &pServices)))
        m_pServices = static_cast<IAccPropServices*>(pServices);
    return m_pServices;
}

void CAnnouncer::Detach()
{
    if (m_pServices && m_hBar && (m_pName || m_bLiveRegion)) {
        MSAAPROPID props[] = {PROPID_ACC_NAME, kLiveSettingProperty};
        m_pServices->ClearHwndProps(m_hBar, OBJID_CLIENT, CHILDID_SELF, props, 2);
    }
    if (m_pName) {
        m_pName->Orphan();
        m_pName->Release();
        m_pName = nullptr;
    }
    m_bLiveRegion = false;
    m_hBar = nullptr;
}

void CAnnouncer::NameBar()
{
    m_bReaderAsked = true;
    GiveName();
}

void CAnnouncer::GiveName()
{
    if (m_pName || !m_hBar)
        return;
    IAccPropServices* pServices = Services();
    if (!pServices)
        return;
    m_pName = new CBarName(*this);
    MSAAPROPID name = PROPID_ACC_NAME;
    pServices->SetHwndPropServer(m_hBar, OBJID_CLIENT, CHILDID_SELF, &name, 1, m_pName, ANNO_THIS);
}

std::wstring CAnnouncer::Name() const
{
    if (!m_strLive.empty() && ::GetTickCount64() - m_nLiveAtMs < kLiveTextMs)
        return m_strLive;
    return m_name ? m_name() : std::wstring();
}

void CAnnouncer::Announce(const std::wstring& text, bool bAskedFor)
{
    const bool bHeard = bAskedFor || m_bReaderAsked || (m_pScreenReader && m_pScreenReader());
    if (!m_hBar || text.empty() || !bHeard)
        return;
    if (!m_bLookedUp) {
        m_notifier = m_pLookUp ? m_pLookUp() : UiaNotifier{};
        m_bLookedUp = true;
    }
    if (m_notifier.pHostProvider && m_notifier.pRaiseNotification) {
        RaiseNotification(text);
        return;
    }
    // Before the notification: a reader hears the change of a live region and reads its name,
    // which is the text for a moment.
    m_strLive = text;
    m_nLiveAtMs = ::GetTickCount64();
    GiveName();
    if (IAccPropServices* pServices = Services(); pServices && !m_bLiveRegion) {
        VARIANT polite{};
        polite.vt = VT_I4;
        polite.lVal = kLiveSettingPolite;
        m_bLiveRegion =
            SUCCEEDED(pServices->SetHwndProp(m_hBar, OBJID_CLIENT, CHILDID_SELF, kLiveSettingProperty, polite));
    }
    ::NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, m_hBar, OBJID_CLIENT, CHILDID_SELF);
}

void CAnnouncer::RaiseNotification(const std::wstring& text) const
{
    IUnknown* pProvider = nullptr;
    if (FAILED(m_notifier.pHostProvider(m_hBar, &pProvider)) || !pProvider)
        return;
    const CReaderText spoken(text.c_str());
    const CReaderText activity(kActivity);
    if (spoken.Get() && activity.Get())
        m_notifier.pRaiseNotification(pProvider, kNotificationKindOther, kNotificationProcessingImportantMostRecent,
                                      spoken.Get(), activity.Get());
    pProvider->Release();
}
