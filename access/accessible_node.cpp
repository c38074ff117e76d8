// The IAccessible answers common to every accessible object of the game.
#include "access/accessible_node.h"

namespace {

constexpr UINT kProgramCodePage = 1252;

void ToScreen(HWND window, const RECT& area, long* left, long* top, long* width, long* height) {
    POINT corner = {area.left, area.top};
    ClientToScreen(window, &corner);
    *left = corner.x;
    *top = corner.y;
    *width = area.right - area.left;
    *height = area.bottom - area.top;
}

// Set while this program's own call joined the thread to an apartment.
bool ApartmentEntered = false;

}  // namespace

bool EnterAccessibleApartment() {
    if (ApartmentEntered) return true;
    const HRESULT result = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (result == RPC_E_CHANGED_MODE) return true;  // already in one: use it
    if (FAILED(result)) return false;
    ApartmentEntered = true;
    return true;
}

void LeaveAccessibleApartment() {
    if (!ApartmentEntered) return;
    ApartmentEntered = false;
    CoUninitialize();
}

BSTR WideText(const std::string& text) {
    if (text.empty()) return nullptr;
    const int length = MultiByteToWideChar(kProgramCodePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    BSTR wide = SysAllocStringLen(nullptr, static_cast<UINT>(length));
    if (wide) MultiByteToWideChar(kProgramCodePage, 0, text.data(), static_cast<int>(text.size()), wide, length);
    return wide;
}

void PostClickAt(HWND window, const RECT& area) {
    const LPARAM point = MAKELPARAM((area.left + area.right) / 2, (area.top + area.bottom) / 2);
    PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, point);
    PostMessageA(window, WM_LBUTTONUP, 0, point);
}

AccessibleNode::AccessibleNode(HWND window, IAccessible* standard) : Window(window), Standard(standard) {}

AccessibleNode::~AccessibleNode() {
    if (Standard) Standard->Release();
}

void AccessibleNode::Disconnect() {
    CoDisconnectObject(static_cast<IAccessible*>(this), 0);
    Release();
}

STDMETHODIMP AccessibleNode::QueryInterface(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == __uuidof(IAccessible)) {
        *object = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) AccessibleNode::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&References)); }

STDMETHODIMP_(ULONG) AccessibleNode::Release() {
    const LONG left = InterlockedDecrement(&References);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
}

STDMETHODIMP AccessibleNode::GetTypeInfoCount(UINT* count) {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
}
STDMETHODIMP AccessibleNode::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info) *info = nullptr;
    return E_NOTIMPL;
}
STDMETHODIMP AccessibleNode::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }
STDMETHODIMP AccessibleNode::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) {
    return E_NOTIMPL;
}

bool AccessibleNode::IsSelf(const VARIANT& child) const {
    return child.vt == VT_EMPTY || (child.vt == VT_I4 && child.lVal == CHILDID_SELF);
}

bool AccessibleNode::Find(const VARIANT& child, AccessibleItem& item) {
    if (!IsWindow(Window)) return false;
    const bool found = IsSelf(child) ? DescribeSelf(item) : child.vt == VT_I4 && DescribeChild(child.lVal, item);
    // While a modal dialog has disabled the window, nothing in it acts: an
    // action would reach the game behind the dialog.
    if (found && !IsWindowEnabled(GetAncestor(Window, GA_ROOT))) item.DefaultAction.clear();
    return found;
}

void AccessibleNode::SetChildVariant(long child, VARIANT* out) {
    IDispatch* object = ChildObject(child);
    if (object) {
        out->vt = VT_DISPATCH;
        out->pdispVal = object;
    } else {
        out->vt = VT_I4;
        out->lVal = child;
    }
}

HRESULT AccessibleNode::AnswerText(const VARIANT& child, std::string AccessibleItem::*field, BSTR* text,
                                   HRESULT (STDMETHODCALLTYPE IAccessible::*standard)(VARIANT, BSTR*)) {
    if (!text) return E_POINTER;
    *text = nullptr;
    if (!IsWindow(Window)) return CO_E_OBJNOTCONNECTED;
    AccessibleItem item;
    if (Find(child, item)) {
        *text = WideText(item.*field);
        return *text ? S_OK : S_FALSE;
    }
    if (IsSelf(child) && Standard) return (Standard->*standard)(child, text);
    return E_INVALIDARG;
}

STDMETHODIMP AccessibleNode::get_accParent(IDispatch** parent) {
    if (!parent) return E_POINTER;
    if (!IsWindow(Window)) return CO_E_OBJNOTCONNECTED;
    *parent = ParentObject();
    if (*parent) return S_OK;
    return Standard ? Standard->get_accParent(parent) : S_FALSE;
}

STDMETHODIMP AccessibleNode::get_accChildCount(long* count) {
    if (!count) return E_POINTER;
    if (!IsWindow(Window)) return CO_E_OBJNOTCONNECTED;
    *count = ChildCount();
    return S_OK;
}

STDMETHODIMP AccessibleNode::get_accChild(VARIANT child, IDispatch** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (!IsWindow(Window)) return CO_E_OBJNOTCONNECTED;
    AccessibleItem item;
    if (child.vt != VT_I4 || !Find(child, item)) return E_INVALIDARG;
    *object = ChildObject(child.lVal);
    return *object ? S_OK : S_FALSE;
}

STDMETHODIMP AccessibleNode::get_accName(VARIANT child, BSTR* name) {
    return AnswerText(child, &AccessibleItem::Name, name, &IAccessible::get_accName);
}

STDMETHODIMP AccessibleNode::get_accValue(VARIANT child, BSTR* value) {
    return AnswerText(child, &AccessibleItem::Value, value, &IAccessible::get_accValue);
}

STDMETHODIMP AccessibleNode::get_accDescription(VARIANT child, BSTR* description) {
    return AnswerText(child, &AccessibleItem::Description, description, &IAccessible::get_accDescription);
}

STDMETHODIMP AccessibleNode::get_accDefaultAction(VARIANT child, BSTR* action) {
    return AnswerText(child, &AccessibleItem::DefaultAction, action, &IAccessible::get_accDefaultAction);
}

HRESULT AccessibleNode::AnswerNumber(const VARIANT& child, long AccessibleItem::*field, VARIANT* number,
                                     HRESULT (STDMETHODCALLTYPE IAccessible::*standard)(VARIANT, VARIANT*)) {
    if (!number) return E_POINTER;
    VariantInit(number);
    if (!IsWindow(Window)) return CO_E_OBJNOTCONNECTED;
    AccessibleItem item;
    if (Find(child, item)) {
        number->vt = VT_I4;
        number->lVal = item.*field;
        return S_OK;
    }
    if (IsSelf(child) && Standard) return (Standard->*standard)(child, number);
    return E_INVALIDARG;
}

STDMETHODIMP AccessibleNode::get_accRole(VARIANT child, VARIANT* role) {
    return AnswerNumber(child, &AccessibleItem::Role, role, &IAccessible::get_accRole);
}

STDMETHODIMP AccessibleNode::get_accState(VARIANT child, VARIANT* state) {
    return AnswerNumber(child, &AccessibleItem::State, state, &IAccessible::get_accState);
}

STDMETHODIMP AccessibleNode::get_accHelp(VARIANT child, BSTR* help) {
    if (!help) return E_POINTER;
    *help = nullptr;
    if (!IsWindow(Window)) return CO_E_OBJNOTCONNECTED;
    if (IsSelf(child) && Standard) return Standard->get_accHelp(child, help);
    return S_FALSE;
}

STDMETHODIMP AccessibleNode::get_accHelpTopic(BSTR* file, VARIANT child, long* topic) {
    if (file) *file = nullptr;
    if (topic) *topic = -1;
    (void)child;
    return IsWindow(Window) ? S_FALSE : CO_E_OBJNOTCONNECTED;
}

STDMETHODIMP AccessibleNode::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) {
    if (!shortcut) return E_POINTER;
    *shortcut = nullptr;
    if (!IsWindow(Window)) return CO_E_OBJNOTCONNECTED;
    if (IsSelf(child) && Standard) return Standard->get_accKeyboardShortcut(child, shortcut);
    return S_FALSE;
}

STDMETHODIMP AccessibleNode::get_accFocus(VARIANT* focus) {
    if (!focus) return E_POINTER;
    VariantInit(focus);
    if (!IsWindow(Window)) return CO_E_OBJNOTCONNECTED;
    const long child = FocusedChild();
    if (child < 0) return S_FALSE;
    SetChildVariant(child, focus);
    return S_OK;
}

STDMETHODIMP AccessibleNode::get_accSelection(VARIANT* selection) {
    if (!selection) return E_POINTER;
    VariantInit(selection);
    return IsWindow(Window) ? S_FALSE : CO_E_OBJNOTCONNECTED;
}

STDMETHODIMP AccessibleNode::accSelect(long flags, VARIANT child) {
    if (!IsWindow(Window)) return CO_E_OBJNOTCONNECTED;
    if (IsSelf(child) && Standard) return Standard->accSelect(flags, child);
    return DISP_E_MEMBERNOTFOUND;
}

STDMETHODIMP AccessibleNode::accLocation(long* left, long* top, long* width, long* height, VARIANT child) {
    if (!left || !top || !width || !height) return E_POINTER;
    if (!IsWindow(Window)) return CO_E_OBJNOTCONNECTED;
    AccessibleItem item;
    if (Find(child, item)) {
        ToScreen(Window, item.Area, left, top, width, height);
        return S_OK;
    }
    if (IsSelf(child) && Standard) return Standard->accLocation(left, top, width, height, child);
    return E_INVALIDARG;
}

STDMETHODIMP AccessibleNode::accNavigate(long direction, VARIANT start, VARIANT* end) {
    if (!end) return E_POINTER;
    VariantInit(end);
    if (!IsWindow(Window)) return CO_E_OBJNOTCONNECTED;
    const long count = ChildCount();
    if (IsSelf(start)) {
        if (direction == NAVDIR_FIRSTCHILD || direction == NAVDIR_LASTCHILD) {
            if (count == 0) return S_FALSE;
            SetChildVariant(direction == NAVDIR_FIRSTCHILD ? 1 : count, end);
            return S_OK;
        }
        return Standard ? Standard->accNavigate(direction, start, end) : S_FALSE;
    }
    if (start.vt != VT_I4 || start.lVal < 1 || start.lVal > count) return E_INVALIDARG;
    long next = 0;
    if (direction == NAVDIR_NEXT || direction == NAVDIR_DOWN || direction == NAVDIR_RIGHT) next = start.lVal + 1;
    if (direction == NAVDIR_PREVIOUS || direction == NAVDIR_UP || direction == NAVDIR_LEFT) next = start.lVal - 1;
    if (next < 1 || next > count) return S_FALSE;
    SetChildVariant(next, end);
    return S_OK;
}

STDMETHODIMP AccessibleNode::accHitTest(long left, long top, VARIANT* child) {
    if (!child) return E_POINTER;
    VariantInit(child);
    if (!IsWindow(Window)) return CO_E_OBJNOTCONNECTED;
    POINT point = {left, top};
    RECT client;
    if (!IsWindow(Window) || !ScreenToClient(Window, &point) || !GetClientRect(Window, &client) ||
        !PtInRect(&client, point)) {
        return S_FALSE;
    }
    SetChildVariant(ChildAt(point.x, point.y), child);
    return S_OK;
}

STDMETHODIMP AccessibleNode::accDoDefaultAction(VARIANT child) {
    if (!IsWindow(Window)) return CO_E_OBJNOTCONNECTED;
    AccessibleItem item;
    if (Find(child, item) && !item.DefaultAction.empty()) {
        return DoDefaultAction(IsSelf(child) ? CHILDID_SELF : child.lVal) ? S_OK : DISP_E_MEMBERNOTFOUND;
    }
    if (IsSelf(child) && Standard) return Standard->accDoDefaultAction(child);
    return DISP_E_MEMBERNOTFOUND;
}

STDMETHODIMP AccessibleNode::put_accName(VARIANT, BSTR) { return E_NOTIMPL; }
STDMETHODIMP AccessibleNode::put_accValue(VARIANT, BSTR) { return E_NOTIMPL; }
