// The Active Accessibility objects of a control: the control itself (a
// combo box), its list and its column header strip. An object holds only
// the control's window handle and looks the record up on every call, so
// that it can outlive the control: once the control is being destroyed
// every call fails with RPC_E_DISCONNECTED and touches nothing. Rows,
// header cells and the drop-down button are simple child elements, so a
// list of any length costs one object.
#include <oleacc.h>

#include <new>

#include "base/accevents.h"
#include "window/accobject.h"
#include "window/acctext.h"
#include "window/combo.h"
#include "base/memory.h"
#include "base/module.h"
#include "model/columns.h"
#include "geometry/layout.h"
#include "geometry/metrics.h"
#include "model/items.h"
#include "window/dropdown.h"

namespace {

enum class Kind { Combo, List, Header };

// What a child id of an object stands for.
enum class Element { Combo, Edit, Button, List, Header, Row, Column };

struct Target {
    Element element;
    int index; // row or column
};

const HRESULT kGone = RPC_E_DISCONNECTED;

bool HasFocus(const ControlRecord* rec) {
    HWND focus = GetFocus();
    return focus &&
           (focus == rec->hwndControl || focus == rec->hwndEdit || focus == rec->hwndDropDown);
}

bool IsDropDownType(const ControlRecord* rec) {
    return !rec->isSimple;
}

bool IsDropped(const ControlRecord* rec) {
    return IsDropDownType(rec) && rec->hwndDropDown;
}

// The control's children in order: edit field, drop-down button, list,
// column header strip (each when the control has it).
int ComboParts(const ControlRecord* rec, Element* parts) {
    int n = 0;
    if (rec->hwndEdit) parts[n++] = Element::Edit;
    if (IsDropDownType(rec)) parts[n++] = Element::Button;
    parts[n++] = Element::List;
    if (rec->showHeader) parts[n++] = Element::Header;
    return n;
}

// Number of columns with a width, and the column of the k-th of them
// (0-based, display order; -1 when there is none).
int VisibleColumn(const ControlRecord* rec, int k, int* count) {
    int found = -1, n = 0;
    for (int position = 0; position < rec->columnCount; ++position) {
        int column = ColumnAtPosition(rec, position);
        if (ColumnWidth(rec, column) <= 0) continue;
        if (n == k) found = column;
        ++n;
    }
    if (count) *count = n;
    return found;
}

RECT ToScreen(HWND window, RECT r) {
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

RECT ButtonRect(ControlRecord* rec) {
    RECT client;
    GetClientRect(rec->hwndControl, &client);
    RECT r = {client.right - ButtonWidth(rec), client.top, client.right,
              client.top + HeaderHeight(rec) + EditAreaHeight(rec)};
    return r;
}

// A row's rectangle in list client coordinates; empty when it is not shown.
RECT RowRect(ControlRecord* rec, int index) {
    RECT r = {0, 0, 0, 0};
    if (!rec->hwndDropDown || index < rec->topIndex) return r;
    int height = 0;
    int top = RowTopInList(rec, index, &height);
    if (top < 0) return r;
    RECT list = ListRect(rec);
    SetRect(&r, list.left, top, list.right, min(top + height, static_cast<int>(list.bottom)));
    return r;
}

// A column's header cell in control client coordinates, clipped to the
// strip.
RECT HeaderCellRect(ControlRecord* rec, int column) {
    RECT strip = HeaderStripRect(rec);
    int position = rec->columns[column].displayPosition;
    RECT r;
    r.left = strip.left - rec->horizontalOffset + ColumnX(rec, position, -1);
    r.right = r.left + CellWidth(rec, HeaderAvailableWidth(rec), column, -1);
    r.top = strip.top;
    r.bottom = strip.bottom;
    RECT clipped;
    if (!IntersectRect(&clipped, &r, &strip)) SetRectEmpty(&clipped);
    return clipped;
}

RECT ElementRect(ControlRecord* rec, const Target& t) {
    RECT r = {0, 0, 0, 0};
    switch (t.element) {
    case Element::Combo:
        GetWindowRect(rec->hwndControl, &r);
        break;
    case Element::Edit:
        GetWindowRect(rec->hwndEdit, &r);
        break;
    case Element::Button:
        r = ToScreen(rec->hwndControl, ButtonRect(rec));
        break;
    case Element::List:
        if (rec->hwndDropDown) GetWindowRect(rec->hwndDropDown, &r);
        break;
    case Element::Header:
        r = ToScreen(rec->hwndControl, HeaderStripRect(rec));
        break;
    case Element::Row:
        r = RowRect(rec, t.index);
        if (!IsRectEmpty(&r)) r = ToScreen(rec->hwndDropDown, r);
        break;
    case Element::Column:
        r = HeaderCellRect(rec, t.index);
        if (!IsRectEmpty(&r)) r = ToScreen(rec->hwndControl, r);
        break;
    }
    return r;
}

bool ScreenPointIn(HWND window, LONG x, LONG y) {
    RECT r;
    POINT pt = {x, y};
    return window && IsWindowVisible(window) && GetWindowRect(window, &r) && PtInRect(&r, pt);
}

void SetChildId(VARIANT* v, LONG id) {
    V_VT(v) = VT_I4;
    V_I4(v) = id;
}

void SetDispatch(VARIANT* v, IDispatch* object) {
    V_VT(v) = VT_DISPATCH;
    V_DISPATCH(v) = object;
}

// Clicks a row the way the mouse does: button down and up on its text.
void ClickRow(ControlRecord* rec, int index) {
    HWND list = rec->hwndDropDown;
    RECT r = RowRect(rec, index);
    if (IsRectEmpty(&r)) {
        ScrollToRow(rec, index);
        r = RowRect(rec, index);
        if (IsRectEmpty(&r)) return;
    }
    int x = min(static_cast<int>(r.left) + Indent(rec, ItemLevel(rec, index)) -
                    rec->horizontalOffset + 2,
                static_cast<int>(r.right) - 1);
    LPARAM at = MAKELPARAM(max(x, static_cast<int>(r.left)), (r.top + r.bottom) / 2);
    SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    if (IsWindow(list)) SendMessageA(list, WM_LBUTTONUP, 0, at);
}

class AccObject final : public IAccessible {
  public:
    static AccObject* Create(Kind kind, HWND control) {
        if (QelAllocationRefused()) return nullptr;
        return new (std::nothrow) AccObject(kind, control);
    }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
        if (!out) return E_POINTER;
        if (riid == IID_IUnknown || riid == IID_IDispatch || riid == __uuidof(IAccessible)) {
            *out = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override {
        return static_cast<ULONG>(InterlockedIncrement(&refs_));
    }
    ULONG STDMETHODCALLTYPE Release() override {
        LONG left = InterlockedDecrement(&refs_);
        if (left == 0) delete this;
        return static_cast<ULONG>(left);
    }

    // IDispatch: the object is reached through its vtable only.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (!count) return E_POINTER;
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
        if (info) *info = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        return E_NOTIMPL;
    }

    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        if (!parent) return E_POINTER;
        *parent = nullptr;
        if (!Live()) return Gone();
        if (kind_ == Kind::Combo)
            return AccessibleObjectFromWindow(control_, static_cast<DWORD>(OBJID_WINDOW),
                                              IID_IDispatch, reinterpret_cast<void**>(parent));
        *parent = Create(Kind::Combo, control_);
        return *parent ? S_OK : E_OUTOFMEMORY;
    }

    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        if (!count) return E_POINTER;
        *count = 0;
        ControlRecord* rec = Live();
        if (!rec) return Gone();
        Element parts[4];
        switch (kind_) {
        case Kind::Combo:
            *count = ComboParts(rec, parts);
            break;
        case Kind::List:
            *count = rec->itemCount;
            break;
        case Kind::Header: {
            int columns = 0;
            VisibleColumn(rec, -1, &columns);
            *count = columns;
            break;
        }
        }
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        if (!object) return E_POINTER;
        *object = nullptr;
        Target t;
        HRESULT hr = Resolve(child, &t);
        if (hr != S_OK) return hr;
        if (IsChildId(child, CHILDID_SELF)) return E_INVALIDARG;
        return ObjectOf(t, object);
    }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (!name) return E_POINTER;
        *name = nullptr;
        Target t;
        HRESULT hr = Resolve(child, &t);
        if (hr != S_OK) return hr;
        ControlRecord* rec = Live();
        AccText text;
        wchar_t shortcut;
        switch (t.element) {
        case Element::Combo:
        case Element::Edit: // the label names the edit field and the list too
        case Element::List:
            AccLabelName(control_, &text, &shortcut);
            break;
        case Element::Button:
            return AccBstr(IsDropped(rec) ? L"Close" : L"Open", name);
        case Element::Header:
            return S_FALSE;
        case Element::Row:
            AccRowName(rec, t.index, &text);
            break;
        case Element::Column:
            text.Append(ColumnHeaderText(rec, t.index));
            break;
        }
        return text.ToBstr(name);
    }

    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        if (!value) return E_POINTER;
        *value = nullptr;
        Target t;
        HRESULT hr = Resolve(child, &t);
        if (hr != S_OK) return hr;
        ControlRecord* rec = Live();
        AccText text;
        if (t.element == Element::Combo) {
            AccControlValue(rec, &text);
            // An empty value is still a value: the control shows nothing.
            if (!text.Failed() && text.Empty()) return AccBstr(L"", value);
        } else if (t.element == Element::Row && rec->showTreeLines) {
            AccRowLevel(rec, t.index, &text);
        } else if (t.element == Element::Edit) {
            return Forward(t, [&](IAccessible* a) { return a->get_accValue(Self(), value); });
        } else {
            return S_FALSE;
        }
        return text.ToBstr(value);
    }

    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
        if (!description) return E_POINTER;
        *description = nullptr;
        Target t;
        HRESULT hr = Resolve(child, &t);
        if (hr != S_OK) return hr;
        if (t.element != Element::Row) return S_FALSE;
        AccText text;
        AccRowDescription(Live(), t.index, &text);
        return text.ToBstr(description);
    }

    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (!role) return E_POINTER;
        VariantInit(role);
        Target t;
        HRESULT hr = Resolve(child, &t);
        if (hr != S_OK) return hr;
        const bool outline = Live()->showTreeLines != 0;
        LONG value = 0;
        switch (t.element) {
        case Element::Combo:
            value = ROLE_SYSTEM_COMBOBOX;
            break;
        case Element::Edit:
            value = ROLE_SYSTEM_TEXT;
            break;
        case Element::Button:
            value = ROLE_SYSTEM_PUSHBUTTON;
            break;
        case Element::List:
            value = outline ? ROLE_SYSTEM_OUTLINE : ROLE_SYSTEM_LIST;
            break;
        case Element::Header:
            value = ROLE_SYSTEM_GROUPING;
            break;
        case Element::Row:
            value = outline ? ROLE_SYSTEM_OUTLINEITEM : ROLE_SYSTEM_LISTITEM;
            break;
        case Element::Column:
            value = ROLE_SYSTEM_COLUMNHEADER;
            break;
        }
        SetChildId(role, value);
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        if (!state) return E_POINTER;
        VariantInit(state);
        Target t;
        HRESULT hr = Resolve(child, &t);
        if (hr != S_OK) return hr;
        if (t.element == Element::Edit)
            return Forward(t, [&](IAccessible* a) { return a->get_accState(Self(), state); });
        SetChildId(state, StateOf(Live(), t));
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        if (!help) return E_POINTER;
        *help = nullptr;
        Target t;
        HRESULT hr = Resolve(child, &t);
        return hr == S_OK ? S_FALSE : hr;
    }

    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
        if (!file || !topic) return E_POINTER;
        *file = nullptr;
        *topic = -1;
        Target t;
        HRESULT hr = Resolve(child, &t);
        return hr == S_OK ? S_FALSE : hr;
    }

    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        if (!shortcut) return E_POINTER;
        *shortcut = nullptr;
        Target t;
        HRESULT hr = Resolve(child, &t);
        if (hr != S_OK) return hr;
        if (t.element != Element::Combo) return S_FALSE;
        AccText name;
        wchar_t key;
        AccLabelName(control_, &name, &key);
        if (!key) return S_FALSE;
        wchar_t text[8] = L"Alt+";
        text[4] = key;
        text[5] = 0;
        CharUpperBuffW(text + 4, 1);
        return AccBstr(text, shortcut);
    }

    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
        if (!focus) return E_POINTER;
        VariantInit(focus);
        ControlRecord* rec = Live();
        if (!rec) return Gone();
        HWND window = GetFocus();
        if (kind_ == Kind::Combo) {
            if (window == control_) SetChildId(focus, CHILDID_SELF);
            if (window && window == rec->hwndEdit) {
                IDispatch* edit = nullptr;
                Target t = {Element::Edit, 0};
                if (ObjectOf(t, &edit) == S_OK) SetDispatch(focus, edit);
            }
        } else if (kind_ == Kind::List && rec->curSel >= 0 && (HasFocus(rec) || IsDropped(rec))) {
            SetChildId(focus, rec->curSel + 1);
        }
        return V_VT(focus) == VT_EMPTY ? S_FALSE : S_OK;
    }

    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
        if (!selection) return E_POINTER;
        VariantInit(selection);
        ControlRecord* rec = Live();
        if (!rec) return Gone();
        if (kind_ == Kind::List && rec->curSel >= 0) {
            SetChildId(selection, rec->curSel + 1);
            return S_OK;
        }
        return S_FALSE;
    }

    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        if (!action) return E_POINTER;
        *action = nullptr;
        Target t;
        HRESULT hr = Resolve(child, &t);
        if (hr != S_OK) return hr;
        if (t.element == Element::Button)
            return AccBstr(IsDropped(Live()) ? L"Close" : L"Open", action);
        if (t.element == Element::Row) return AccBstr(L"Select", action);
        if (t.element == Element::Edit)
            return Forward(t,
                           [&](IAccessible* a) { return a->get_accDefaultAction(Self(), action); });
        return S_FALSE;
    }

    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
        Target t;
        HRESULT hr = Resolve(child, &t);
        if (hr != S_OK) return hr;
        ControlRecord* rec = Live();
        const LONG allowed = SELFLAG_TAKEFOCUS | SELFLAG_TAKESELECTION;
        if (flags == 0 || (flags & ~allowed)) return E_INVALIDARG;
        if (t.element == Element::Edit)
            return Forward(t, [&](IAccessible* a) { return a->accSelect(flags, Self()); });
        if (t.element != Element::Row && t.element != Element::Combo) return E_INVALIDARG;
        if (!IsWindowEnabled(control_)) return E_FAIL;
        // As when the user tabs to it: the control passes the focus on to
        // its edit field.
        if ((flags & SELFLAG_TAKEFOCUS) && !HasFocus(rec)) SetFocus(control_);
        if (t.element == Element::Row) {
            // The keyboard's move: highlight and commit with notification.
            rec = Live();
            if (!rec) return S_OK;
            HWND list = rec->hwndDropDown;
            MoveHighlightTo(rec, t.index);
            UpdateWindow(control_);
            if (list) UpdateWindow(list);
        }
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT child) override {
        if (!left || !top || !width || !height) return E_POINTER;
        *left = *top = *width = *height = 0;
        Target t;
        HRESULT hr = Resolve(child, &t);
        if (hr != S_OK) return hr;
        RECT r = ElementRect(Live(), t);
        *left = r.left;
        *top = r.top;
        *width = r.right - r.left;
        *height = r.bottom - r.top;
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
        if (!end) return E_POINTER;
        VariantInit(end);
        Target t;
        HRESULT hr = Resolve(start, &t);
        if (hr != S_OK) return hr;
        LONG count = 0;
        get_accChildCount(&count);
        LONG from = V_I4(&start);
        LONG to = 0;
        switch (direction) {
        case NAVDIR_FIRSTCHILD:
            if (from != CHILDID_SELF) return E_INVALIDARG;
            to = 1;
            break;
        case NAVDIR_LASTCHILD:
            if (from != CHILDID_SELF) return E_INVALIDARG;
            to = count;
            break;
        case NAVDIR_NEXT:
        case NAVDIR_DOWN:
        case NAVDIR_RIGHT:
            if (from == CHILDID_SELF) return S_FALSE;
            to = from + 1;
            break;
        case NAVDIR_PREVIOUS:
        case NAVDIR_UP:
        case NAVDIR_LEFT:
            if (from == CHILDID_SELF) return S_FALSE;
            to = from - 1;
            break;
        default:
            return E_INVALIDARG;
        }
        if (to < 1 || to > count) return S_FALSE;
        return ChildVariant(to, end);
    }

    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* hit) override {
        if (!hit) return E_POINTER;
        VariantInit(hit);
        ControlRecord* rec = Live();
        if (!rec) return Gone();
        POINT pt = {x, y};
        if (kind_ == Kind::Combo) {
            if (!ScreenPointIn(control_, x, y) &&
                !(rec->hwndDropDown && ScreenPointIn(rec->hwndDropDown, x, y)))
                return S_FALSE;
            Element parts[4];
            const int n = ComboParts(rec, parts);
            for (int i = 0; i < n; ++i) {
                RECT r = ElementRect(rec, Target{parts[i], 0});
                if (PtInRect(&r, pt)) return ChildVariant(i + 1, hit);
            }
            SetChildId(hit, CHILDID_SELF);
            return S_OK;
        }
        if (kind_ == Kind::List) {
            if (!ScreenPointIn(rec->hwndDropDown, x, y)) return S_FALSE;
            POINT client = pt;
            ScreenToClient(rec->hwndDropDown, &client);
            RECT list = ListRect(rec);
            int row = PtInRect(&list, client) ? RowAtListY(rec, client.y) : -1;
            SetChildId(hit, row >= 0 ? row + 1 : CHILDID_SELF);
            return S_OK;
        }
        RECT strip = ElementRect(rec, Target{Element::Header, 0});
        if (!PtInRect(&strip, pt)) return S_FALSE;
        int count = 0;
        VisibleColumn(rec, -1, &count);
        SetChildId(hit, CHILDID_SELF);
        for (int k = 0; k < count; ++k) {
            RECT r = ElementRect(rec, Target{Element::Column, VisibleColumn(rec, k, nullptr)});
            if (PtInRect(&r, pt)) SetChildId(hit, k + 1);
        }
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        Target t;
        HRESULT hr = Resolve(child, &t);
        if (hr != S_OK) return hr;
        ControlRecord* rec = Live();
        if (t.element == Element::Edit)
            return Forward(t, [&](IAccessible* a) { return a->accDoDefaultAction(Self()); });
        if (t.element != Element::Button && t.element != Element::Row) return DISP_E_MEMBERNOTFOUND;
        if (!IsWindowEnabled(control_)) return E_FAIL;
        if (t.element == Element::Button) {
            // As Alt+Down / Alt+Up: open, or close accepting the highlight.
            ShowOrClose(rec, rec->hwndDropDown == nullptr, true);
        } else if (rec->hwndDropDown) {
            ClickRow(rec, t.index);
        } else {
            // The list is closed: there is no row to click, the row is
            // committed as the keyboard would.
            MoveHighlightTo(rec, t.index);
        }
        UpdateWindow(control_);
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

  private:
    AccObject(Kind kind, HWND control) : refs_(1), kind_(kind), control_(control) {}
    ~AccObject() = default;

    static VARIANT Self() {
        VARIANT v;
        V_VT(&v) = VT_I4;
        V_I4(&v) = CHILDID_SELF;
        return v;
    }

    static bool IsChildId(const VARIANT& v, LONG id) { return V_VT(&v) == VT_I4 && V_I4(&v) == id; }

    // The record while the control lives, on the thread that owns it.
    ControlRecord* Live() const {
        if (!IsWindow(control_) || !GetPropA(control_, kControlProperty)) return nullptr;
        if (GetWindowThreadProcessId(control_, nullptr) != GetCurrentThreadId()) return nullptr;
        ControlRecord* rec = RecordOf(control_);
        if (!rec || rec == reinterpret_cast<ControlRecord*>(-1) || rec->hwndControl != control_ ||
            AccIsDestroying(rec))
            return nullptr;
        return rec;
    }

    HRESULT Gone() const {
        if (IsWindow(control_) &&
            GetWindowThreadProcessId(control_, nullptr) != GetCurrentThreadId() &&
            GetPropA(control_, kControlProperty))
            return RPC_E_WRONG_THREAD;
        return kGone;
    }

    // What a child id stands for in this object.
    HRESULT Resolve(const VARIANT& child, Target* t) {
        ControlRecord* rec = Live();
        if (!rec) return Gone();
        if (V_VT(&child) != VT_I4) return E_INVALIDARG;
        const LONG id = V_I4(&child);
        switch (kind_) {
        case Kind::Combo: {
            if (id == CHILDID_SELF) {
                *t = Target{Element::Combo, 0};
                return S_OK;
            }
            Element parts[4];
            const int n = ComboParts(rec, parts);
            if (id < 1 || id > n) return E_INVALIDARG;
            *t = Target{parts[id - 1], 0};
            return S_OK;
        }
        case Kind::List:
            if (id == CHILDID_SELF) {
                *t = Target{Element::List, 0};
                return S_OK;
            }
            if (id < 1 || id > rec->itemCount) return E_INVALIDARG;
            *t = Target{Element::Row, static_cast<int>(id - 1)};
            return S_OK;
        case Kind::Header: {
            if (id == CHILDID_SELF) {
                *t = Target{Element::Header, 0};
                return S_OK;
            }
            int column = id >= 1 ? VisibleColumn(rec, static_cast<int>(id - 1), nullptr) : -1;
            if (column < 0) return E_INVALIDARG;
            *t = Target{Element::Column, column};
            return S_OK;
        }
        }
        return E_INVALIDARG;
    }

    // The object of a child that has one (edit field, list, header strip).
    HRESULT ObjectOf(const Target& t, IDispatch** object) {
        *object = nullptr;
        ControlRecord* rec = Live();
        switch (t.element) {
        case Element::Edit:
            return CreateStdAccessibleObject(rec->hwndEdit, OBJID_CLIENT, IID_IDispatch,
                                             reinterpret_cast<void**>(object));
        case Element::List:
        case Element::Header:
            if (kind_ != Kind::Combo) return S_FALSE;
            *object = Create(t.element == Element::List ? Kind::List : Kind::Header, control_);
            return *object ? S_OK : E_OUTOFMEMORY;
        default:
            return S_FALSE;
        }
    }

    // Child `id` as the answer of a navigation or hit test: its object when
    // it has one, else its id.
    HRESULT ChildVariant(LONG id, VARIANT* out) {
        VARIANT v;
        V_VT(&v) = VT_I4;
        V_I4(&v) = id;
        Target t;
        HRESULT hr = Resolve(v, &t);
        if (hr != S_OK) return hr;
        IDispatch* object = nullptr;
        hr = ObjectOf(t, &object);
        if (FAILED(hr)) return hr;
        if (object)
            SetDispatch(out, object);
        else
            SetChildId(out, id);
        return S_OK;
    }

    // Calls `call` on the object of a child that has its own.
    template <typename Call> HRESULT Forward(const Target& t, Call call) {
        IDispatch* object = nullptr;
        HRESULT hr = ObjectOf(t, &object);
        if (hr != S_OK) return FAILED(hr) ? hr : E_INVALIDARG;
        IAccessible* acc = nullptr;
        hr = object->QueryInterface(__uuidof(IAccessible), reinterpret_cast<void**>(&acc));
        object->Release();
        if (FAILED(hr)) return hr;
        hr = call(acc);
        acc->Release();
        return hr;
    }

    LONG StateOf(ControlRecord* rec, const Target& t) {
        const bool enabled = IsWindowEnabled(control_) != 0;
        LONG state = enabled ? 0 : STATE_SYSTEM_UNAVAILABLE;
        if (!IsWindowVisible(control_)) state |= STATE_SYSTEM_INVISIBLE;
        switch (t.element) {
        case Element::Combo:
            state |= STATE_SYSTEM_FOCUSABLE;
            if (HasFocus(rec)) state |= STATE_SYSTEM_FOCUSED;
            if (IsDropDownType(rec))
                state |= IsDropped(rec) ? STATE_SYSTEM_EXPANDED : STATE_SYSTEM_COLLAPSED;
            break;
        case Element::Button:
            if (rec->dropButtonPressed || IsDropped(rec)) state |= STATE_SYSTEM_PRESSED;
            break;
        case Element::List:
            if (!rec->hwndDropDown || !IsWindowVisible(rec->hwndDropDown))
                state |= STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN;
            break;
        case Element::Header:
            break;
        case Element::Row: {
            state |= STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_FOCUSABLE;
            if (t.index == rec->curSel) state |= STATE_SYSTEM_SELECTED | STATE_SYSTEM_FOCUSED;
            if (!AccRowEnabled(rec, t.index)) state |= STATE_SYSTEM_UNAVAILABLE;
            RECT r = RowRect(rec, t.index);
            if (IsRectEmpty(&r)) state |= STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN;
            break;
        }
        case Element::Column: {
            if (ColumnHeaderStyle(rec, t.index) & QELBOX_HEADER_DISABLED)
                state |= STATE_SYSTEM_UNAVAILABLE;
            RECT r = HeaderCellRect(rec, t.index);
            if (IsRectEmpty(&r)) state |= STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN;
            break;
        }
        case Element::Edit:
            break;
        }
        return state;
    }

    LONG refs_;
    const Kind kind_;
    const HWND control_;
};

} // namespace

namespace {

// The object id of WM_GETOBJECT is a 32-bit value in lParam.
LONG ObjectId(LPARAM lParam) {
    return static_cast<LONG>(static_cast<DWORD>(lParam));
}

} // namespace

bool AccAnswersObject(bool list, LPARAM objectId) {
    const LONG id = ObjectId(objectId);
    return id == OBJID_CLIENT || (!list && id == QELBOX_OBJID_LIST);
}

LRESULT AccGetObject(ControlRecord* rec, bool list, WPARAM wParam, LPARAM lParam) {
    if (!AccAnswersObject(list, lParam)) return 0;
    const bool listObject = list || ObjectId(lParam) == QELBOX_OBJID_LIST;
    AccObject* object = AccObject::Create(listObject ? Kind::List : Kind::Combo, rec->hwndControl);
    if (!object) return 0;
    LRESULT result =
        LresultFromObject(__uuidof(IAccessible), wParam, static_cast<IAccessible*>(object));
    object->Release();
    return result < 0 ? 0 : result;
}
