// The accessible objects' common ground: one COM object implementing the
// system's IAccessible for a window or a part of it, whose children are
// simple elements (numbered from 1) or objects of their own. A node only
// says what each child is (AccessibleItem) and where a point falls; the
// IAccessible answers, the conversions to screen coordinates and wide
// text, and the navigation among children are made here. What the node
// does not describe of itself is answered by the system's default object
// for the window when it has one (the caption, the window's parent, ...).
#ifndef WORDLOFT_ACCESS_ACCESSIBLE_NODE_H
#define WORDLOFT_ACCESS_ACCESSIBLE_NODE_H

#include <windows.h>
#include <oleacc.h>

#include <string>

struct AccessibleItem {
    std::string Name;
    std::string Value;
    std::string Description;
    std::string DefaultAction;  // empty: the item has no action
    long Role = ROLE_SYSTEM_STATICTEXT;
    long State = 0;
    RECT Area = {0, 0, 0, 0};  // client coordinates of the node's window
};

// BSTR of a Windows-1252 text (the program's texts); null for "".
BSTR WideText(const std::string& text);

class AccessibleNode : public IAccessible {
public:
    // standard: the system's object answering for the node itself where
    // DescribeSelf declines; may be null. The node takes its reference.
    AccessibleNode(HWND window, IAccessible* standard);
    virtual ~AccessibleNode();

    // Cuts every client off the node (their calls fail from now on) and
    // drops the creator's reference. A call that still reaches the node
    // once its window is gone fails the same way (CO_E_OBJNOTCONNECTED).
    void Disconnect();

    // IUnknown and IDispatch (no type information).
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
    STDMETHODIMP Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override;

    // IAccessible.
    STDMETHODIMP get_accParent(IDispatch** parent) override;
    STDMETHODIMP get_accChildCount(long* count) override;
    STDMETHODIMP get_accChild(VARIANT child, IDispatch** object) override;
    STDMETHODIMP get_accName(VARIANT child, BSTR* name) override;
    STDMETHODIMP get_accValue(VARIANT child, BSTR* value) override;
    STDMETHODIMP get_accDescription(VARIANT child, BSTR* description) override;
    STDMETHODIMP get_accRole(VARIANT child, VARIANT* role) override;
    STDMETHODIMP get_accState(VARIANT child, VARIANT* state) override;
    STDMETHODIMP get_accHelp(VARIANT child, BSTR* help) override;
    STDMETHODIMP get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override;
    STDMETHODIMP get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
    STDMETHODIMP get_accFocus(VARIANT* focus) override;
    STDMETHODIMP get_accSelection(VARIANT* selection) override;
    STDMETHODIMP get_accDefaultAction(VARIANT child, BSTR* action) override;
    STDMETHODIMP accSelect(long flags, VARIANT child) override;
    STDMETHODIMP accLocation(long* left, long* top, long* width, long* height, VARIANT child) override;
    STDMETHODIMP accNavigate(long direction, VARIANT start, VARIANT* end) override;
    STDMETHODIMP accHitTest(long left, long top, VARIANT* child) override;
    STDMETHODIMP accDoDefaultAction(VARIANT child) override;
    STDMETHODIMP put_accName(VARIANT child, BSTR name) override;
    STDMETHODIMP put_accValue(VARIANT child, BSTR value) override;

protected:
    // The children numbered 1 to ChildCount that navigation and counting see.
    virtual long ChildCount() = 0;
    // Describes child 1..ChildCount (or another number the node knows);
    // false for a number it does not know.
    virtual bool DescribeChild(long child, AccessibleItem& item) = 0;
    // The node itself; false leaves it to the standard object.
    virtual bool DescribeSelf(AccessibleItem&) { return false; }
    // A child that is an object of its own, with a reference for the caller.
    virtual IDispatch* ChildObject(long) { return nullptr; }
    // The parent object when the standard object does not give it.
    virtual IDispatch* ParentObject() { return nullptr; }
    // The child (1..) under a client point, 0 for the node itself.
    virtual long ChildAt(int x, int y) = 0;
    // The focused child, 0 for the node itself, -1 for none.
    virtual long FocusedChild() { return -1; }
    // The child's action, run when a client asks for it; never asked while
    // the window's top-level window is disabled.
    virtual bool DoDefaultAction(long) { return false; }

    HWND Window;
    IAccessible* Standard;

private:
    // The item for a child id; false (and E_INVALIDARG for the caller)
    // when the id is none the node knows or the window is gone. It has no
    // default action while the top-level window is disabled.
    bool Find(const VARIANT& child, AccessibleItem& item);
    bool IsSelf(const VARIANT& child) const;
    HRESULT AnswerText(const VARIANT& child, std::string AccessibleItem::*field, BSTR* text,
                       HRESULT (STDMETHODCALLTYPE IAccessible::*standard)(VARIANT, BSTR*));
    HRESULT AnswerNumber(const VARIANT& child, long AccessibleItem::*field, VARIANT* number,
                         HRESULT (STDMETHODCALLTYPE IAccessible::*standard)(VARIANT, VARIANT*));
    void SetChildVariant(long child, VARIANT* out);

    LONG References = 1;
};

// The program's thread joins a COM apartment the first time a client asks
// for an object (false when it cannot); the last object released leaves it.
bool EnterAccessibleApartment();
void LeaveAccessibleApartment();

// Posts a left click (press and release) at the centre of a client
// rectangle of the window, as the mouse would.
void PostClickAt(HWND window, const RECT& area);

#endif
