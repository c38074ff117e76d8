// Announcements: the ring of alert elements and the two ways of sending.
// UI Automation's functions are looked up at run time: the notification
// event exists from Windows 10 version 1709 on, and the program must still
// start where uiautomationcore.dll lacks it or is missing.
#include "access/announcer.h"

#include <uiautomationcore.h>

#include "access/accessible_node.h"
#include "access/game_access.h"

namespace {

// UI Automation's NotificationKind and NotificationProcessing values.
constexpr int kNotificationKindActionCompleted = 2;
constexpr int kNotificationKindOther = 4;
constexpr int kNotificationProcessingImportantAll = 0;
constexpr int kNotificationProcessingAll = 2;

using RaiseNotificationFunction = HRESULT(WINAPI*)(IRawElementProviderSimple*, int, int, BSTR, BSTR);
using ClientsAreListeningFunction = BOOL(WINAPI*)();
using HostProviderFunction = HRESULT(WINAPI*)(HWND, IRawElementProviderSimple**);

HWND AnnouncingWindow = nullptr;
std::string Slots[kAccessAnnouncementSlots];
long AnnouncementCount = 0;

HMODULE AutomationLibrary = nullptr;
RaiseNotificationFunction RaiseNotification = nullptr;
ClientsAreListeningFunction ClientsAreListening = nullptr;
HostProviderFunction HostProviderFromWindow = nullptr;

// The element the notifications come from: the main window itself, as
// the system's host provider presents it.
class NotificationSource : public IRawElementProviderSimple {
public:
    virtual ~NotificationSource() = default;
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override {
        if (!object) return E_POINTER;
        if (iid == IID_IUnknown || iid == __uuidof(IRawElementProviderSimple)) {
            *object = static_cast<IRawElementProviderSimple*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&References)); }
    STDMETHODIMP_(ULONG) Release() override {
        const LONG left = InterlockedDecrement(&References);
        if (left == 0) delete this;
        return static_cast<ULONG>(left);
    }
    STDMETHODIMP get_ProviderOptions(ProviderOptions* options) override {
        if (!options) return E_POINTER;
        *options = static_cast<ProviderOptions>(ProviderOptions_ServerSideProvider | ProviderOptions_UseComThreading);
        return S_OK;
    }
    STDMETHODIMP GetPatternProvider(PATTERNID, IUnknown** pattern) override {
        if (!pattern) return E_POINTER;
        *pattern = nullptr;
        return S_OK;
    }
    STDMETHODIMP GetPropertyValue(PROPERTYID, VARIANT* value) override {
        if (!value) return E_POINTER;
        VariantInit(value);
        return S_OK;
    }
    STDMETHODIMP get_HostRawElementProvider(IRawElementProviderSimple** host) override {
        if (!host) return E_POINTER;
        *host = nullptr;
        return HostProviderFromWindow(AnnouncingWindow, host);
    }

private:
    LONG References = 1;
};

NotificationSource* Source = nullptr;

void LookUpNotificationEvent() {
    AutomationLibrary = LoadLibraryA("uiautomationcore.dll");
    if (!AutomationLibrary) return;
    RaiseNotification = reinterpret_cast<RaiseNotificationFunction>(
        reinterpret_cast<void*>(GetProcAddress(AutomationLibrary, "UiaRaiseNotificationEvent")));
    ClientsAreListening = reinterpret_cast<ClientsAreListeningFunction>(
        reinterpret_cast<void*>(GetProcAddress(AutomationLibrary, "UiaClientsAreListening")));
    HostProviderFromWindow = reinterpret_cast<HostProviderFunction>(
        reinterpret_cast<void*>(GetProcAddress(AutomationLibrary, "UiaHostProviderFromHwnd")));
    if (RaiseNotification && ClientsAreListening && HostProviderFromWindow) {
        Source = new NotificationSource();
        return;
    }
    RaiseNotification = nullptr;
    FreeLibrary(AutomationLibrary);
    AutomationLibrary = nullptr;
}

bool SendNotification(const std::string& text, AnnounceKind kind) {
    if (!Source || !ClientsAreListening()) return false;
    static const wchar_t* const kActivities[] = {L"Wordloft.Game", L"Wordloft.Guess", L"Wordloft.GameEnd"};
    BSTR display = WideText(text);
    BSTR activity = SysAllocString(kActivities[kind]);
    const HRESULT result =
        RaiseNotification(Source, kind == kAnnounceGuess ? kNotificationKindActionCompleted : kNotificationKindOther,
                          kind == kAnnounceGuess ? kNotificationProcessingAll : kNotificationProcessingImportantAll,
                          display, activity);
    SysFreeString(display);
    SysFreeString(activity);
    return SUCCEEDED(result);
}

}  // namespace

void StartAnnouncements(HWND window) {
    AnnouncingWindow = window;
    LookUpNotificationEvent();
}

void StopAnnouncements() {
    if (Source) {
        CoDisconnectObject(Source, 0);
        Source->Release();
        Source = nullptr;
    }
    RaiseNotification = nullptr;
    if (AutomationLibrary) FreeLibrary(AutomationLibrary);
    AutomationLibrary = nullptr;
    AnnouncingWindow = nullptr;
}

void Announce(const std::string& text, AnnounceKind kind) {
    if (!AnnouncingWindow) return;
    const long slot = AnnouncementCount % kAccessAnnouncementSlots;
    Slots[slot] = text;
    ++AnnouncementCount;
    if (SendNotification(text, kind)) return;
    NotifyWinEvent(EVENT_SYSTEM_ALERT, AnnouncingWindow, OBJID_CLIENT, kAccessFirstAnnouncement + slot);
}

const char* NewestAnnouncement() {
    if (AnnouncementCount == 0) return nullptr;
    return Slots[(AnnouncementCount - 1) % kAccessAnnouncementSlots].c_str();
}

const char* AnnouncementNumbered(long child) {
    const long slot = child - kAccessFirstAnnouncement;
    if (slot < 0 || slot >= kAccessAnnouncementSlots || slot >= AnnouncementCount) return nullptr;
    return Slots[slot].c_str();
}
