// Accessibility: the objects a screen reader gets through
// AccessibleObjectFromWindow (roles, names, values, descriptions, states,
// locations, hit testing, navigation, selecting and default actions) in
// stored and virtual mode, the WinEvents of a keyboard sequence, and
// objects that outlive their control.
#include <oleacc.h>
#include <string.h>

#include <memory>

#include "harness.h"

namespace {

struct Releaser {
    void operator()(IUnknown* p) const { p->Release(); }
};
// An IAccessible reference that is released at the end of its scope.
using Acc = std::unique_ptr<IAccessible, Releaser>;

VARIANT Id(LONG id) {
    VARIANT v;
    VariantInit(&v);
    V_VT(&v) = VT_I4;
    V_I4(&v) = id;
    return v;
}

// A child id, or -2 for an object child and -1 for nothing.
LONG IdOf(VARIANT* v) {
    LONG id = V_VT(v) == VT_I4 ? V_I4(v) : (V_VT(v) == VT_DISPATCH ? -2 : -1);
    VariantClear(v);
    return id;
}

Acc ObjectOf(HWND window, LONG id = OBJID_CLIENT) {
    IAccessible* a = nullptr;
    AccessibleObjectFromWindow(window, static_cast<DWORD>(id), __uuidof(IAccessible),
                               reinterpret_cast<void**>(&a));
    return Acc(a);
}

POINT Center(const RECT& r) {
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

const LONG kSelectedFocused = STATE_SYSTEM_SELECTED | STATE_SYSTEM_FOCUSED;
const LONG kOffscreen = STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN;

class AccessTest : public ControlTest {
  protected:
    void SetUp() override {
        CoInitialize(nullptr);
        ControlTest::SetUp();
    }
    void TearDown() override {
        if (label_) DestroyWindow(label_);
        ControlTest::TearDown();
        CoUninitialize();
    }
    // A control of `type` with rows "Row 0".. below a label "&Fruit:".
    HWND Labelled(DWORD type, int rows) {
        label_ = CreateWindowExA(0, "Static", "&Fruit:", WS_CHILD | WS_VISIBLE, 0, 0, 50, 10,
                                 TestParent(), nullptr, nullptr, nullptr);
        return AddRows(Create(type), rows);
    }
    HWND label_ = nullptr;

    // The object's properties; "<error>" for a failure, "<none>" for no text.
    using Getter = HRESULT (STDMETHODCALLTYPE IAccessible::*)(VARIANT, BSTR*);
    static std::string Str(const Acc& a, Getter getter, LONG child) {
        BSTR text = nullptr;
        HRESULT hr = (a.get()->*getter)(Id(child), &text);
        if (FAILED(hr) || (hr == S_FALSE && !text)) return FAILED(hr) ? "<error>" : "<none>";
        char out[256] = "";
        WideCharToMultiByte(CP_ACP, 0, text, -1, out, sizeof(out), nullptr, nullptr);
        SysFreeString(text);
        return out;
    }
    static std::string Name(const Acc& a, LONG c = 0) {
        return Str(a, &IAccessible::get_accName, c);
    }
    static std::string Value(const Acc& a, LONG c = 0) {
        return Str(a, &IAccessible::get_accValue, c);
    }
    static std::string Action(const Acc& a, LONG c) {
        return Str(a, &IAccessible::get_accDefaultAction, c);
    }
    using NumberGetter = HRESULT (STDMETHODCALLTYPE IAccessible::*)(VARIANT, VARIANT*);
    static LONG Number(const Acc& a, NumberGetter getter, LONG child) {
        VARIANT v;
        VariantInit(&v);
        if (FAILED((a.get()->*getter)(Id(child), &v)) || V_VT(&v) != VT_I4) return -1;
        return V_I4(&v);
    }
    static LONG Role(const Acc& a, LONG c = 0) { return Number(a, &IAccessible::get_accRole, c); }
    static LONG State(const Acc& a, LONG c = 0) { return Number(a, &IAccessible::get_accState, c); }
    static LONG Count(const Acc& a) {
        LONG n = -1;
        return SUCCEEDED(a->get_accChildCount(&n)) ? n : -1;
    }
    static RECT Location(const Acc& a, LONG child) {
        LONG x = 0, y = 0, w = 0, h = 0;
        a->accLocation(&x, &y, &w, &h, Id(child));
        return {x, y, x + w, y + h};
    }
    static LONG Navigate(const Acc& a, LONG direction, LONG from) {
        VARIANT v;
        VariantInit(&v);
        a->accNavigate(direction, Id(from), &v);
        return IdOf(&v);
    }
    static LONG HitTest(const Acc& a, POINT pt) {
        VARIANT v;
        VariantInit(&v);
        a->accHitTest(pt.x, pt.y, &v);
        return IdOf(&v);
    }
};

TEST_F(AccessTest, ControlObjectOfEachType) {
    const struct {
        DWORD type;
        std::vector<LONG> roles; // the children's roles
        bool collapsible;
    } cases[] = {
        {QELBOXSTYLE_SIMPLE, {ROLE_SYSTEM_TEXT, ROLE_SYSTEM_LIST}, false},
        {QELBOXSTYLE_DROPDOWN, {ROLE_SYSTEM_TEXT, ROLE_SYSTEM_PUSHBUTTON, ROLE_SYSTEM_LIST}, true},
        {QELBOXSTYLE_DROPDOWNLIST, {ROLE_SYSTEM_PUSHBUTTON, ROLE_SYSTEM_LIST}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        HWND control = Labelled(c.type, 3);
        QelBox_SetCurSel(control, 1);
        Acc a = ObjectOf(control);
        ASSERT_TRUE(a);
        EXPECT_EQ(Role(a), ROLE_SYSTEM_COMBOBOX);
        EXPECT_EQ(Name(a), "Fruit:");
        EXPECT_EQ(Str(a, &IAccessible::get_accKeyboardShortcut, CHILDID_SELF), "Alt+F");
        EXPECT_EQ(Value(a), "Row 1");
        EXPECT_EQ(Name(a, 1), c.type == QELBOXSTYLE_DROPDOWNLIST ? "Open" : "Fruit:");
        const LONG n = static_cast<LONG>(c.roles.size());
        ASSERT_EQ(Count(a), n);
        VARIANT children[4];
        LONG got = 0;
        ASSERT_EQ(AccessibleChildren(a.get(), 0, n, children, &got), S_OK);
        ASSERT_EQ(got, n);
        for (LONG i = 0; i < n; ++i) { // objects for the edit field and the list
            EXPECT_EQ(Role(a, i + 1), c.roles[i]);
            EXPECT_EQ(IdOf(&children[i]), c.roles[i] == ROLE_SYSTEM_PUSHBUTTON ? i + 1 : -2);
        }
        RECT window, location = Location(a, CHILDID_SELF);
        GetWindowRect(control, &window);
        EXPECT_TRUE(EqualRect(&window, &location));
        EXPECT_NE(HitTest(a, Center(window)), -1);

        EXPECT_FALSE(State(a) & STATE_SYSTEM_FOCUSED);
        EXPECT_EQ((State(a) & STATE_SYSTEM_COLLAPSED) != 0, c.collapsible);
        SetFocus(control);
        EXPECT_TRUE(State(a) & STATE_SYSTEM_FOCUSED);
        EnableWindow(control, FALSE);
        EXPECT_TRUE(State(a) & STATE_SYSTEM_UNAVAILABLE);
        EnableWindow(control, TRUE);
        if (c.collapsible) {
            ASSERT_TRUE(Drop(control));
            EXPECT_TRUE(State(a) & STATE_SYSTEM_EXPANDED);
            EXPECT_EQ(Name(a, 2 - (c.type == QELBOXSTYLE_DROPDOWNLIST)), "Close");
        }
        DestroyWindow(label_);
        label_ = nullptr;
        EXPECT_EQ(Name(a), "<none>");
    }
}

TEST_F(AccessTest, RowsOfTheList) {
    HWND control = Create(QELBOXSTYLE_SIMPLE, 0, 1, 90);
    std::vector<ColumnRecord> columns = {Column(60, 0, "Name"), Column(50, 0, "Price"),
                                         Column(0, 0, "Note")};
    columns[0].displayPosition = 1; // Price is shown first, Note is hidden
    columns[1].displayPosition = 0;
    columns[2].displayPosition = 2;
    ASSERT_EQ(SetColumns(control, columns), 1);
    AddRows(control, 20);
    QelBox_SetText_A(control, 2, 1, "3.50");
    QelBox_SetText_A(control, 2, 2, "hidden");
    QelBox_SetItemStatus(control, 3, FALSE);
    QelBox_SetCurSel(control, 2);
    Acc a = ObjectOf(QelBox_GetHWNDDropDown(control));
    ASSERT_TRUE(a);
    EXPECT_EQ(Role(a), ROLE_SYSTEM_LIST);
    EXPECT_EQ(Count(a), 20);
    EXPECT_EQ(Role(a, 3), ROLE_SYSTEM_LISTITEM);
    EXPECT_EQ(Name(a, 3), "3.50");
    EXPECT_EQ(Str(a, &IAccessible::get_accDescription, 3), "Name: Row 2");
    EXPECT_EQ(Name(a, 1), "<none>"); // no price: the first shown column is empty
    EXPECT_EQ(Action(a, 3), "Select");
    EXPECT_EQ(Name(a, 21), "<error>");

    const LONG base = STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_FOCUSABLE;
    EXPECT_EQ(State(a, 3), base | kSelectedFocused);
    EXPECT_EQ(State(a, 4), base | STATE_SYSTEM_UNAVAILABLE);
    EXPECT_EQ(State(a, 20), base | kOffscreen);
    VARIANT v;
    EXPECT_EQ(a->get_accSelection(&v), S_OK);
    EXPECT_EQ(IdOf(&v), 3);

    // Location and hit testing agree with the item rectangle.
    RECT item;
    ASSERT_EQ(QelBox_GetItemRect(control, 1, &item), 0);
    MapWindowPoints(QelBox_GetHWNDDropDown(control), nullptr, reinterpret_cast<POINT*>(&item), 2);
    RECT location = Location(a, 2);
    EXPECT_TRUE(EqualRect(&item, &location));
    EXPECT_EQ(HitTest(a, Center(item)), 2);
    EXPECT_TRUE(IsRectEmpty(&(location = Location(a, 20))));

    // Navigation: {direction, from, to}.
    const LONG moves[][3] = {{NAVDIR_FIRSTCHILD, CHILDID_SELF, 1},
                             {NAVDIR_LASTCHILD, CHILDID_SELF, 20},
                             {NAVDIR_NEXT, 5, 6},
                             {NAVDIR_PREVIOUS, 1, -1},
                             {NAVDIR_NEXT, 20, -1}};
    for (const auto& m : moves)
        EXPECT_EQ(Navigate(a, m[0], m[1]), m[2]) << m[0] << " from " << m[1];

    // Tree lines make it an outline whose items carry their level.
    QelBox_SetItemLevel(control, 4, 1);
    QelBox_SetShowTreeLines(control, TRUE);
    EXPECT_EQ(Role(a), ROLE_SYSTEM_OUTLINE);
    EXPECT_EQ(Role(a, 5), ROLE_SYSTEM_OUTLINEITEM);
    EXPECT_EQ(Value(a, 5), "1");
    EXPECT_EQ(Value(a, 4), "0");

    // The header strip: one element per visible column, in display order.
    QelBox_SetShowHeader(control, 1);
    Acc combo = ObjectOf(control);
    ASSERT_EQ(Count(combo), 3);
    IDispatch* dispatch = nullptr;
    ASSERT_EQ(combo->get_accChild(Id(3), &dispatch), S_OK);
    IAccessible* strip = nullptr;
    dispatch->QueryInterface(__uuidof(IAccessible), reinterpret_cast<void**>(&strip));
    dispatch->Release();
    Acc header(strip);
    ASSERT_EQ(Count(header), 2);
    EXPECT_EQ(Name(header, 1), "Price");
    EXPECT_EQ(Name(header, 2), "Name");
    EXPECT_EQ(Role(header, 1), ROLE_SYSTEM_COLUMNHEADER);
    RECT cell;
    QelBox_GetHeaderRect(control, 0, &cell);
    MapWindowPoints(control, nullptr, reinterpret_cast<POINT*>(&cell), 2);
    EXPECT_EQ(HitTest(header, Center(cell)), 2);
}

TEST_F(AccessTest, SelectAndDefaultActionsNotifyAsKeysAndClicks) {
    HWND control = AddRows(Create(QELBOXSTYLE_DROPDOWNLIST), 5);
    Acc a = ObjectOf(control);
    ASSERT_TRUE(a);
    // The button opens as Alt+Down and closes accepting as Alt+Up.
    EXPECT_EQ(Action(a, 1), "Open");
    EXPECT_CODES_AFTER(EXPECT_EQ(a->accDoDefaultAction(Id(1)), S_OK), control, QELBOXN_DROPDOWN,
                       QELBOXN_SETFOCUS, QELBOXN_DROPDOWNOPEN);
    EXPECT_EQ(QelBox_GetDroppedState(control), 1);
    EXPECT_EQ(Action(a, 1), "Close");

    // Selecting a row moves the highlight as the arrow keys do.
    Acc list = ObjectOf(QelBox_GetHWNDDropDown(control));
    ASSERT_TRUE(list);
    EXPECT_CODES_AFTER(EXPECT_EQ(list->accSelect(SELFLAG_TAKESELECTION, Id(3)), S_OK), control,
                       QELBOXN_SELCHANGE);
    EXPECT_EQ(QelBox_GetCurSel(control), 2);
    EXPECT_EQ(list->accSelect(SELFLAG_ADDSELECTION, Id(3)), E_INVALIDARG);
    EXPECT_CODES_AFTER(EXPECT_EQ(a->accDoDefaultAction(Id(1)), S_OK), control, QELBOXN_CLOSEUPOK,
                       QELBOXN_DROPDOWNDESTROY, QELBOXN_SELCHANGE);

    // The default action of a row clicks it: the drop-down closes accepting.
    ASSERT_TRUE(Drop(control));
    Acc open = ObjectOf(QelBox_GetHWNDDropDown(control));
    EXPECT_CODES_AFTER(EXPECT_EQ(open->accDoDefaultAction(Id(5)), S_OK), control,
                       QELBOXN_LBUTTON + QELBOXN_ZONE_ITEM, QELBOXN_CLOSEUPOK,
                       QELBOXN_DROPDOWNDESTROY, QELBOXN_SELCHANGE);
    EXPECT_EQ(QelBox_GetCurSel(control), 4);
    EXPECT_EQ(Value(a), "Row 4");

    // With the list closed the list object is still there, invisible.
    Acc closed = ObjectOf(control, QELBOX_OBJID_LIST);
    ASSERT_TRUE(closed);
    EXPECT_EQ(State(closed) & kOffscreen, kOffscreen);
    EXPECT_CODES_AFTER(EXPECT_EQ(closed->accDoDefaultAction(Id(1)), S_OK), control,
                       QELBOXN_SELCHANGE);
    EnableWindow(control, FALSE);
    EXPECT_EQ(closed->accSelect(SELFLAG_TAKESELECTION, Id(2)), E_FAIL);
    EXPECT_EQ(QelBox_GetCurSel(control), 0);
}

struct Fetched {
    char text[24];
    char* cells[1];
    ItemRecord item;
};
Fetched g_fetched;

void CALLBACK FetchRow(HWND, QelData, int index, ItemRecord** out) {
    wsprintfA(g_fetched.text, "Virtual %d", index);
    g_fetched.cells[0] = g_fetched.text;
    g_fetched.item = {
        QelData(index), 0, 0, 0, 0, 0, g_fetched.cells, index % 2 ? QELBOX_ITEM_ENABLED : 0};
    *out = &g_fetched.item;
}

TEST_F(AccessTest, VirtualListOfAMillionRows) {
    HWND control = Create(QELBOXSTYLE_SIMPLE);
    ASSERT_EQ(QelBox_VirtualInitialize(control, FetchRow, nullptr, 0), 1);
    ASSERT_EQ(QelBox_VirtualCount(control, 1000000), 1);
    Acc a = ObjectOf(QelBox_GetHWNDDropDown(control));
    ASSERT_TRUE(a);
    EXPECT_EQ(Count(a), 1000000);
    EXPECT_EQ(Name(a, 1000000), "Virtual 999999");
    EXPECT_TRUE(State(a, 999999) & STATE_SYSTEM_UNAVAILABLE); // even rows are disabled
    EXPECT_FALSE(State(a, 1000000) & STATE_SYSTEM_UNAVAILABLE);
    EXPECT_EQ(State(a, 1000000) & kOffscreen, kOffscreen);
    EXPECT_EQ(Navigate(a, NAVDIR_LASTCHILD, CHILDID_SELF), 1000000);
    EXPECT_CODES_AFTER(EXPECT_EQ(a->accSelect(SELFLAG_TAKEFOCUS, Id(500001)), S_OK), control,
                       QELBOXN_KILLFOCUS, QELBOXN_SETFOCUS, QELBOXN_TOPINDEXCHANGE,
                       QELBOXN_SELCHANGE);
    EXPECT_EQ(QelBox_GetCurSel(control), 500000);
    EXPECT_EQ(State(a, 500001) & (kSelectedFocused | kOffscreen), kSelectedFocused);
    EXPECT_EQ(Value(ObjectOf(control)), "Virtual 500000");
}

// WinEvents of the control's objects, in the order they arrived.
std::vector<std::string> g_events;
HWND g_watched;

void CALLBACK RecordEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD,
                          DWORD) {
    if (object != OBJID_CLIENT && object != QELBOX_OBJID_LIST) return;
    char cls[32] = {0};
    GetClassNameA(window, cls, sizeof(cls));
    // The drop-down may be gone by now: any window but the control is it.
    if (window != g_watched && strcmp(cls, "QelBoxDropDown") != 0 && IsWindow(window)) return;
    // The hide event names the drop-down, which is destroyed right after
    // it: a system that drops the events of destroyed windows loses it, so
    // it is left out of the comparison.
    const std::pair<DWORD, const char*> kNames[] = {
        {EVENT_OBJECT_FOCUS, "focus"},       {EVENT_OBJECT_SELECTION, "select"},
        {EVENT_OBJECT_VALUECHANGE, "value"}, {EVENT_OBJECT_SHOW, "show"},
        {EVENT_OBJECT_STATECHANGE, "state"}, {EVENT_OBJECT_NAMECHANGE, "name"},
        {EVENT_OBJECT_REORDER, "reorder"}};
    const char* name = nullptr;
    for (const auto& known : kNames)
        if (known.first == event) name = known.second;
    if (!name) return;
    std::string where =
        window == g_watched ? (object == OBJID_CLIENT ? "ctl" : "ctl-list") : "list";
    g_events.push_back(std::string(name) + " " + where + " " + std::to_string(child));
}

class EventTest : public AccessTest {
  protected:
    void SetUp() override {
        AccessTest::SetUp();
        hook_ = SetWinEventHook(EVENT_MIN, EVENT_MAX, nullptr, RecordEvent, GetCurrentProcessId(),
                                0, WINEVENT_OUTOFCONTEXT);
        ASSERT_TRUE(hook_);
    }
    void TearDown() override {
        UnhookWinEvent(hook_);
        AccessTest::TearDown();
    }
    std::vector<std::string> Events() {
        Pump();
        std::vector<std::string> events;
        events.swap(g_events);
        return events;
    }
    HWINEVENTHOOK hook_ = nullptr;
};

using EventList = std::vector<std::string>;

TEST_F(EventTest, KeyboardSequence) {
    HWND control = g_watched = AddRows(Create(QELBOXSTYLE_DROPDOWNLIST), 5);
    SetFocus(control);
    Events();
    Key(control, VK_DOWN); // commits row 0 with the list closed
    Key(control, VK_DOWN);
    EXPECT_EQ(Events(), (EventList{"focus ctl-list 1", "select ctl-list 1", "value ctl 0",
                                   "focus ctl-list 2", "select ctl-list 2", "value ctl 0"}));
    Key(control, VK_F4); // opens
    Key(control, VK_DOWN);
    EXPECT_EQ(Events(), (EventList{"show list 0", "state ctl 0", "focus list 2", "select list 2",
                                   "focus list 3", "select list 3", "value ctl 0"}));
    Key(control, VK_RETURN); // closes accepting the highlighted row
    EXPECT_EQ(Events(), (EventList{"state ctl 0", "focus ctl 0"}));

    // Enabling, a row's state and text, and the rows themselves.
    EnableWindow(control, FALSE);
    EnableWindow(control, TRUE);
    QelBox_SetItemStatus(control, 4, FALSE);
    QelBox_SetText_A(control, 4, 0, "Renamed");
    QelBox_SetText_A(control, 2, 0, "Committed");
    QelBox_AddString_A(control, "Added");
    QelBox_MoveItem(control, 0, 3);
    EXPECT_EQ(Events(), (EventList{"state ctl 0", "state ctl 0", "state ctl-list 5",
                                   "name ctl-list 5", "name ctl-list 3", "value ctl 0",
                                   "reorder ctl-list 0", "reorder ctl-list 0"}));

    // Nothing while redraw is off; one reorder when it comes back.
    SendMessageA(control, WM_SETREDRAW, FALSE, 0);
    QelBox_AddString_A(control, "Quiet 1");
    QelBox_DeleteString(control, 0);
    QelBox_SetCurSel(control, 1);
    EXPECT_EQ(Events(), EventList{});
    SendMessageA(control, WM_SETREDRAW, TRUE, 0);
    EXPECT_EQ(Events(), (EventList{"reorder ctl-list 0"}));
}

TEST_F(EventTest, TypingInTheEditFieldReportsTheValueOnce) {
    HWND control = g_watched = AddRows(Create(QELBOXSTYLE_DROPDOWN), 5);
    HWND edit = QelBox_GetHWNDEdit(control);
    Events();
    SetWindowTextA(edit, "row 3"); // matches and commits row 3
    SetWindowTextA(edit, "x");     // matches nothing: no committed row
    SetWindowTextA(edit, "xy");    // still none, but the text changed
    EXPECT_EQ(Events(), (EventList{"value ctl 0", "value ctl 0", "value ctl 0"}));
    EXPECT_EQ(Value(ObjectOf(control)), "xy");
}

TEST_F(AccessTest, ObjectsOutliveTheControl) {
    HWND control = AddRows(Create(QELBOXSTYLE_SIMPLE), 3);
    Acc combo = ObjectOf(control), list = ObjectOf(QelBox_GetHWNDDropDown(control));
    ASSERT_TRUE(combo && list);
    DestroyWindow(control);
    created_.clear();
    BSTR text = nullptr;
    LONG n = 7;
    VARIANT v;
    VariantInit(&v);
    EXPECT_EQ(combo->get_accName(Id(CHILDID_SELF), &text), RPC_E_DISCONNECTED);
    EXPECT_EQ(text, nullptr);
    EXPECT_EQ(list->get_accChildCount(&n), RPC_E_DISCONNECTED);
    EXPECT_EQ(n, 0);
    EXPECT_EQ(list->accSelect(SELFLAG_TAKEFOCUS, Id(1)), RPC_E_DISCONNECTED);
    EXPECT_EQ(list->accDoDefaultAction(Id(1)), RPC_E_DISCONNECTED);
    EXPECT_EQ(combo->accHitTest(0, 0, &v), RPC_E_DISCONNECTED);

    // Out of memory: no object, and WM_GETOBJECT answers 0.
    HWND other = Create(QELBOXSTYLE_DROPDOWN);
    QelBoxDiag_FailAllocationsAfter(0);
    EXPECT_EQ(SendMessageA(other, WM_GETOBJECT, 0, static_cast<LPARAM>(OBJID_CLIENT)), 0);
    QelBoxDiag_FailAllocationsAfter(-1);
    // Other object ids are left to the system.
    EXPECT_TRUE(ObjectOf(other, OBJID_WINDOW));
}

} // namespace
