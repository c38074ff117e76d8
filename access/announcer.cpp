// Announcements: the announcer windows, their alert elements and their UI
// Automation providers.
//
// UI Automation's functions are looked up at run time, since the program
// must start where uiautomationcore.dll lacks the notification event (it
// came with Windows 10 version 1709, and Wine has none) or is missing. The
// library, once loaded, stays loaded until the program ends: UI Automation
// may still hold a provider or a host provider it made after the window
// that used them is gone, and freeing the library would leave those
// pointing nowhere.
#include "access/announcer.h"

#include <uiautomationcore.h>

#include "access/accessible_node.h"
#include "platform/program_texts.h"
#include "records/record_requests.h"
#include "platform/system_library.h"
#include "resource.h"

namespace {

// UI Automation's values, from its headers, so that only run-time lookups
// are needed.
constexpr LONG kUiaRootObjectId = -25;
constexpr PROPERTYID kControlTypeProperty = 30003;
constexpr PROPERTYID kNameProperty = 30005;
constexpr PROPERTYID kIsControlElementProperty = 30016;
constexpr PROPERTYID kIsContentElementProperty = 30017;
constexpr long kTextControlType = 50020;
constexpr HRESULT kElementNotAvailable = static_cast<HRESULT>(0x80040201);
constexpr int kNotificationKindActionCompleted = 2;
constexpr int kNotificationKindOther = 4;
constexpr int kNotificationProcessingImportantAll = 0;
constexpr int kNotificationProcessingAll = 2;

// The announcer's own message: run the task in lParam.
constexpr UINT kRunTaskMessage = WM_APP + 1;

using RaiseNotificationFunction = HRESULT(WINAPI*)(IRawElementProviderSimple*, int, int, BSTR, BSTR);
using HostProviderFunction = HRESULT(WINAPI*)(HWND, IRawElementProviderSimple**);
using ReturnProviderFunction = LRESULT(WINAPI*)(HWND, WPARAM, LPARAM, IRawElementProviderSimple*);
using DisconnectProviderFunction = HRESULT(WINAPI*)(IRawElementProviderSimple*);

struct AutomationFunctions {
    RaiseNotificationFunction RaiseNotification = nullptr;
    HostProviderFunction HostProviderFromHwnd = nullptr;
    ReturnProviderFunction ReturnRawElementProvider = nullptr;
    DisconnectProviderFunction DisconnectProvider = nullptr;  // Windows 8 on
};
AutomationFunctions Automation;

HWND MainWindow = nullptr;
bool Started = false;
bool ClassRegistered = false;
std::string Slots[kAnnouncementSlots];
long AnnouncementCount = 0;

// Finds the notification event and what the announcer's provider needs;
// leaves Automation empty unless all of it is there.
void LookUpAutomation() {
    HMODULE library = LoadSystemLibrary("uiautomationcore.dll");
    if (!library) return;
    AutomationFunctions found;
    found.RaiseNotification = LibraryFunction<RaiseNotificationFunction>(library, "UiaRaiseNotificationEvent");
    found.HostProviderFromHwnd = LibraryFunction<HostProviderFunction>(library, "UiaHostProviderFromHwnd");
    found.ReturnRawElementProvider =
        LibraryFunction<ReturnProviderFunction>(library, "UiaReturnRawElementProvider");
    found.DisconnectProvider = LibraryFunction<DisconnectProviderFunction>(library, "UiaDisconnectProvider");
    if (found.RaiseNotification && found.HostProviderFromHwnd && found.ReturnRawElementProvider) Automation = found;
}

bool AutomationNotifies() { return Automation.RaiseNotification != nullptr; }

// The announcer as a UI Automation element: a text element that is no
// control (it is nowhere to be reached by navigation), hosted by its own
// window. UI Automation calls it through COM, on the program's thread.
class AnnouncerProvider : public IRawElementProviderSimple {
public:
    explicit AnnouncerProvider(HWND window) : Window(window) {}
    virtual ~AnnouncerProvider() = default;

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
    STDMETHODIMP GetPropertyValue(PROPERTYID property, VARIANT* value) override {
        if (!value) return E_POINTER;
        VariantInit(value);
        if (!Window) return kElementNotAvailable;
        if (property == kControlTypeProperty) {
            value->vt = VT_I4;
            value->lVal = kTextControlType;
        } else if (property == kNameProperty) {
            value->vt = VT_BSTR;
            value->bstrVal = SysAllocString(ProgramWideText(IDS_SAY_ANNOUNCEMENTS).c_str());
        } else if (property == kIsControlElementProperty || property == kIsContentElementProperty) {
            value->vt = VT_BOOL;
            value->boolVal = VARIANT_FALSE;
        }
        return S_OK;
    }
    STDMETHODIMP get_HostRawElementProvider(IRawElementProviderSimple** host) override {
        if (!host) return E_POINTER;
        *host = nullptr;
        if (!Window) return kElementNotAvailable;
        return Automation.HostProviderFromHwnd(Window, host);
    }

    // The window is going: every later call finds no element.
    void Detach() { Window = nullptr; }

private:
    HWND Window;
    LONG References = 1;
};

// The announcer as an accessible object: one alert element per kept
// announcement, placed where the announcer is (it has no size).
class AnnouncerNode : public AccessibleNode {
public:
    AnnouncerNode(HWND window, IAccessible* standard) : AccessibleNode(window, standard) {}

protected:
    long ChildCount() override { return AnnouncementCount < kAnnouncementSlots ? AnnouncementCount : kAnnouncementSlots; }

    bool DescribeSelf(AccessibleItem& item) override {
        item.Name = ProgramText(IDS_SAY_ANNOUNCEMENTS);
        item.Role = ROLE_SYSTEM_GROUPING;
        item.State = STATE_SYSTEM_READONLY;
        return true;
    }

    bool DescribeChild(long child, AccessibleItem& item) override {
        if (child < 1 || child > ChildCount()) return false;
        item.Name = Slots[child - 1];
        item.Role = ROLE_SYSTEM_ALERT;
        item.State = STATE_SYSTEM_READONLY;
        return true;
    }

    long ChildAt(int, int) override { return CHILDID_SELF; }
};

// What one announcer window holds; made on the first request for it.
struct Announcer {
    AnnouncerNode* Node = nullptr;
    AnnouncerProvider* Provider = nullptr;
};

Announcer* AnnouncerData(HWND window) {
    return reinterpret_cast<Announcer*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

AnnouncerProvider* ProviderOf(HWND window) {
    Announcer* data = AnnouncerData(window);
    if (!data || !AutomationNotifies()) return nullptr;
    if (!data->Provider) data->Provider = new AnnouncerProvider(window);
    return data->Provider;
}

LRESULT AnswerObject(HWND window, WPARAM wParam, LPARAM lParam) {
    const LONG id = static_cast<LONG>(lParam);
    Announcer* data = AnnouncerData(window);
    if (!Started || !data) return DefWindowProcA(window, WM_GETOBJECT, wParam, lParam);
    if (id == kUiaRootObjectId) {
        AnnouncerProvider* provider = ProviderOf(window);
        if (provider) return Automation.ReturnRawElementProvider(window, wParam, lParam, provider);
    } else if (id == OBJID_CLIENT) {
        if (!data->Node) {
            IAccessible* standard = nullptr;
            if (FAILED(CreateStdAccessibleObject(window, OBJID_CLIENT, __uuidof(IAccessible),
                                                 reinterpret_cast<void**>(&standard)))) {
                standard = nullptr;
            }
            data->Node = new AnnouncerNode(window, standard);
        }
        return LresultFromObject(__uuidof(IAccessible), wParam, data->Node);
    }
    return DefWindowProcA(window, WM_GETOBJECT, wParam, lParam);
}

// Before the window goes: UI Automation lets go of the provider and of the
// window, COM cuts off every client still holding an object.
void TearDown(HWND window) {
    Announcer* data = AnnouncerData(window);
    if (!data) return;
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    if (data->Provider) {
        if (Automation.DisconnectProvider) Automation.DisconnectProvider(data->Provider);
        Automation.ReturnRawElementProvider(window, 0, 0, nullptr);
        data->Provider->Detach();
        CoDisconnectObject(data->Provider, 0);
        data->Provider->Release();
    }
    if (data->Node) data->Node->Disconnect();
    delete data;
}

LRESULT CALLBACK AnnouncerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_GETOBJECT: return AnswerObject(window, wParam, lParam);
        case WM_DESTROY: TearDown(window); return 0;
        case kRunTaskMessage:
            if (Started && lParam) reinterpret_cast<void (*)()>(lParam)();
            return 0;
        default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

bool RegisterAnnouncerClass() {
    if (ClassRegistered) return true;
    WNDCLASSA announcerClass = {};
    announcerClass.lpfnWndProc = AnnouncerProc;
    announcerClass.hInstance = GetModuleHandleA(nullptr);
    announcerClass.lpszClassName = kAnnouncerClass;
    ClassRegistered = RegisterClassA(&announcerClass) != 0;
    return ClassRegistered;
}

// The announcer of a top-level window, made when it is first needed.
HWND AnnouncerFor(HWND topLevel) {
    HWND found = FindWindowExA(topLevel, nullptr, kAnnouncerClass, nullptr);
    if (found || !RegisterAnnouncerClass()) return found;
    HWND window = CreateWindowExA(WS_EX_NOPARENTNOTIFY, kAnnouncerClass, "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, topLevel, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    if (window) SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new Announcer()));
    return window;
}

// The window the player works in: the main window, or a dialog of the
// program that is active over it.
HWND SpeakingWindow() {
    HWND active = GetActiveWindow();
    if (active && IsWindowEnabled(active) && GetWindowThreadProcessId(active, nullptr) == GetCurrentThreadId()) {
        return active;
    }
    return MainWindow;
}

bool SendNotification(HWND announcer, const std::string& text, AnnounceKind kind) {
    AnnouncerProvider* provider = ProviderOf(announcer);
    if (!provider) return false;
    static const wchar_t* const kActivities[] = {L"Wordloft.Game", L"Wordloft.Guess", L"Wordloft.GameEnd"};
    BSTR display = WideText(text);
    BSTR activity = SysAllocString(kActivities[kind]);
    Automation.RaiseNotification(provider,
                                 kind == kAnnounceGuess ? kNotificationKindActionCompleted : kNotificationKindOther,
                                 kind == kAnnounceGuess ? kNotificationProcessingAll : kNotificationProcessingImportantAll,
                                 display, activity);
    SysFreeString(display);
    SysFreeString(activity);
    return true;
}

}  // namespace

void StartAnnouncements(HWND mainWindow) {
    if (Started) return;
    MainWindow = mainWindow;
    Started = true;
    static bool lookedUp = false;
    if (!lookedUp) LookUpAutomation();
    lookedUp = true;
    AnnouncerFor(mainWindow);
}

void StopAnnouncements() {
    if (!Started) return;
    Started = false;
    HWND announcer = FindWindowExA(MainWindow, nullptr, kAnnouncerClass, nullptr);
    if (announcer) DestroyWindow(announcer);
    MainWindow = nullptr;
}

bool AnnouncementsStarted() { return Started; }

void Announce(const std::string& text, AnnounceKind kind) {
    if (!Started) return;
    HWND announcer = AnnouncerFor(SpeakingWindow());
    if (!announcer) return;
    const long slot = AnnouncementCount % kAnnouncementSlots;
    Slots[slot] = text;
    ++AnnouncementCount;
    if (SendNotification(announcer, text, kind)) return;
    NotifyWinEvent(EVENT_SYSTEM_ALERT, announcer, OBJID_CLIENT, slot + 1);
}

void RunAfterThisMessage(void (*task)()) {
    if (!Started) return;
    HWND announcer = FindWindowExA(MainWindow, nullptr, kAnnouncerClass, nullptr);
    if (announcer) PostMessageA(announcer, kRunTaskMessage, 0, reinterpret_cast<LPARAM>(task));
}
