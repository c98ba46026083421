// Accessibility: the objects a screen reader gets through
// AccessibleObjectFromWindow (roles, names, values, descriptions, states,
// locations, hit testing, navigation, selecting and default actions), the
// WinEvents of a keyboard sequence, and objects that outlive their control.
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

Acc ObjectOf(HWND window, LONG id = OBJID_CLIENT) {
    IAccessible* a = nullptr;
    AccessibleObjectFromWindow(window, static_cast<DWORD>(id), __uuidof(IAccessible),
                               reinterpret_cast<void**>(&a));
    return Acc(a);
}

VARIANT Id(LONG id) {
    VARIANT v;
    VariantInit(&v);
    V_VT(&v) = VT_I4;
    V_I4(&v) = id;
    return v;
}

// The child id a call left in `v`; -1 for none.
LONG IdOf(VARIANT& v) {
    const LONG id = V_VT(&v) == VT_I4 ? V_I4(&v) : -1;
    VariantClear(&v);
    return id;
}

// A text property: "<error>" for a failure, "<none>" for no text.
using TextGetter = HRESULT (STDMETHODCALLTYPE IAccessible::*)(VARIANT, BSTR*);
const TextGetter kName = &IAccessible::get_accName, kValue = &IAccessible::get_accValue,
                 kAction = &IAccessible::get_accDefaultAction;
std::string Str(const Acc& a, TextGetter getter, LONG child = CHILDID_SELF) {
    BSTR text = nullptr;
    const HRESULT hr = (a.get()->*getter)(Id(child), &text);
    if (FAILED(hr) || (hr == S_FALSE && !text)) return FAILED(hr) ? "<error>" : "<none>";
    char out[256] = "";
    WideCharToMultiByte(CP_ACP, 0, text, -1, out, sizeof(out), nullptr, nullptr);
    SysFreeString(text);
    return out;
}

// The role or the state; -1 for a failure.
using NumberGetter = HRESULT (STDMETHODCALLTYPE IAccessible::*)(VARIANT, VARIANT*);
const NumberGetter kRole = &IAccessible::get_accRole, kState = &IAccessible::get_accState;
LONG Num(const Acc& a, NumberGetter getter, LONG child = CHILDID_SELF) {
    VARIANT v;
    VariantInit(&v);
    return SUCCEEDED((a.get()->*getter)(Id(child), &v)) ? IdOf(v) : -1;
}

LONG Count(const Acc& a) {
    LONG n = -1;
    return SUCCEEDED(a->get_accChildCount(&n)) ? n : -1;
}

// Location of a child on the screen, and the child at the centre of a rectangle.
RECT Location(const Acc& a, LONG child) {
    LONG x = 0, y = 0, w = 0, h = 0;
    a->accLocation(&x, &y, &w, &h, Id(child));
    return {x, y, x + w, y + h};
}
LONG HitTest(const Acc& a, const RECT& r) {
    VARIANT v;
    VariantInit(&v);
    a->accHitTest((r.left + r.right) / 2, (r.top + r.bottom) / 2, &v);
    return IdOf(v);
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
        ControlTest::TearDown();
        CoUninitialize();
    }
};

TEST_F(AccessTest, ControlObjectOfEachType) {
    const struct {
        DWORD type;
        std::vector<LONG> roles; // the children's roles
    } cases[] = {
        {QELBOXSTYLE_SIMPLE, {ROLE_SYSTEM_TEXT, ROLE_SYSTEM_LIST}},
        {QELBOXSTYLE_DROPDOWN, {ROLE_SYSTEM_TEXT, ROLE_SYSTEM_PUSHBUTTON, ROLE_SYSTEM_LIST}},
        {QELBOXSTYLE_DROPDOWNLIST, {ROLE_SYSTEM_PUSHBUTTON, ROLE_SYSTEM_LIST}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        // The name comes from the label before the control.
        HWND label = CreateWindowExA(0, "Static", "&Fruit:", WS_CHILD | WS_VISIBLE, 0, 0, 50, 10,
                                     TestParent(), nullptr, nullptr, nullptr);
        HWND control = AddRows(Create(c.type), 3);
        const bool list = c.type == QELBOXSTYLE_DROPDOWNLIST,
                   collapsible = c.type != QELBOXSTYLE_SIMPLE;
        QelBox_SetCurSel(control, 1);
        Acc a = ObjectOf(control);
        ASSERT_TRUE(a);
        EXPECT_EQ(Num(a, kRole), ROLE_SYSTEM_COMBOBOX);
        EXPECT_EQ(Str(a, kName), "Fruit:");
        EXPECT_EQ(Str(a, &IAccessible::get_accKeyboardShortcut), "Alt+F");
        EXPECT_EQ(Str(a, kValue), "Row 1");
        EXPECT_EQ(Str(a, kName, 1), list ? "Open" : "Fruit:");
        ASSERT_EQ(Count(a), static_cast<LONG>(c.roles.size()));
        for (size_t i = 0; i < c.roles.size(); ++i)
            EXPECT_EQ(Num(a, kRole, static_cast<LONG>(i + 1)), c.roles[i]);

        EXPECT_EQ(Num(a, kState) & (STATE_SYSTEM_FOCUSED | STATE_SYSTEM_COLLAPSED),
                  collapsible ? STATE_SYSTEM_COLLAPSED : 0);
        SetFocus(control);
        EXPECT_TRUE(Num(a, kState) & STATE_SYSTEM_FOCUSED);
        EnableWindow(control, FALSE);
        EXPECT_TRUE(Num(a, kState) & STATE_SYSTEM_UNAVAILABLE);
        EnableWindow(control, TRUE);
        if (collapsible) {
            ASSERT_TRUE(Drop(control));
            EXPECT_TRUE(Num(a, kState) & STATE_SYSTEM_EXPANDED);
            EXPECT_EQ(Str(a, kName, list ? 1 : 2), "Close");
        }
        DestroyWindow(label);
        EXPECT_EQ(Str(a, kName), "<none>");
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
    HWND window = QelBox_GetHWNDDropDown(control);
    Acc a = ObjectOf(window);
    ASSERT_TRUE(a);
    EXPECT_EQ(Num(a, kRole), ROLE_SYSTEM_LIST);
    EXPECT_EQ(Count(a), 20);
    EXPECT_EQ(Num(a, kRole, 3), ROLE_SYSTEM_LISTITEM);
    EXPECT_EQ(Str(a, kName, 3), "3.50");
    EXPECT_EQ(Str(a, &IAccessible::get_accDescription, 3), "Name: Row 2");
    EXPECT_EQ(Str(a, kName, 1), "<none>"); // no price: the first shown column is empty
    EXPECT_EQ(Str(a, kAction, 3), "Select");
    EXPECT_EQ(Str(a, kName, 21), "<error>");
    const LONG base = STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_FOCUSABLE;
    EXPECT_EQ(Num(a, kState, 3), base | kSelectedFocused);
    EXPECT_EQ(Num(a, kState, 4), base | STATE_SYSTEM_UNAVAILABLE);
    EXPECT_EQ(Num(a, kState, 20), base | kOffscreen);
    VARIANT v;
    EXPECT_EQ(a->get_accSelection(&v), S_OK);
    EXPECT_EQ(IdOf(v), 3);

    // Location and hit testing agree with the item rectangle; navigation.
    RECT item;
    ASSERT_EQ(QelBox_GetItemRect(control, 1, &item), 0);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&item), 2);
    RECT location = Location(a, 2);
    EXPECT_TRUE(EqualRect(&item, &location));
    EXPECT_EQ(HitTest(a, item), 2);
    EXPECT_TRUE(IsRectEmpty(&(location = Location(a, 20))));
    const LONG moves[][3] = {{NAVDIR_FIRSTCHILD, CHILDID_SELF, 1},
                             {NAVDIR_LASTCHILD, 0, 20},
                             {NAVDIR_NEXT, 5, 6},
                             {NAVDIR_PREVIOUS, 1, -1},
                             {NAVDIR_NEXT, 20, -1}};
    for (const auto& m : moves) {
        VariantInit(&v);
        a->accNavigate(m[0], Id(m[1]), &v);
        EXPECT_EQ(IdOf(v), m[2]) << m[0] << " from " << m[1];
    }

    // Tree lines make it an outline whose items carry their level.
    QelBox_SetItemLevel(control, 4, 1);
    QelBox_SetShowTreeLines(control, TRUE);
    EXPECT_EQ(Num(a, kRole), ROLE_SYSTEM_OUTLINE);
    EXPECT_EQ(Num(a, kRole, 5), ROLE_SYSTEM_OUTLINEITEM);
    EXPECT_EQ(Str(a, kValue, 5) + Str(a, kValue, 4), "10");

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
    EXPECT_EQ(Str(header, kName, 1) + "," + Str(header, kName, 2), "Price,Name");
    EXPECT_EQ(Num(header, kRole, 1), ROLE_SYSTEM_COLUMNHEADER);
}

TEST_F(AccessTest, SelectAndDefaultActionsNotifyAsKeysAndClicks) {
    HWND control = AddRows(Create(QELBOXSTYLE_DROPDOWNLIST), 5);
    Acc a = ObjectOf(control);
    ASSERT_TRUE(a);
    // The button opens as Alt+Down and closes accepting as Alt+Up.
    EXPECT_EQ(Str(a, kAction, 1), "Open");
    EXPECT_CODES_AFTER(EXPECT_EQ(a->accDoDefaultAction(Id(1)), S_OK), control, QELBOXN_DROPDOWN,
                       QELBOXN_SETFOCUS, QELBOXN_DROPDOWNOPEN);
    EXPECT_EQ(QelBox_GetDroppedState(control), 1);
    EXPECT_EQ(Str(a, kAction, 1), "Close");

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
    EXPECT_EQ(Str(a, kValue), "Row 4");

    // With the list closed the list object is still there, invisible.
    Acc closed = ObjectOf(control, QELBOX_OBJID_LIST);
    ASSERT_TRUE(closed);
    EXPECT_EQ(Num(closed, kState) & kOffscreen, kOffscreen);
    EXPECT_CODES_AFTER(EXPECT_EQ(closed->accDoDefaultAction(Id(1)), S_OK), control,
                       QELBOXN_SELCHANGE);
    EnableWindow(control, FALSE);
    EXPECT_EQ(closed->accSelect(SELFLAG_TAKESELECTION, Id(2)), E_FAIL);
    EXPECT_EQ(QelBox_GetCurSel(control), 0);
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
    for (const auto& known : kNames)
        if (known.first == event)
            g_events.push_back(std::string(known.second) + " " +
                               (window != g_watched      ? "list"
                                : object == OBJID_CLIENT ? "ctl"
                                                         : "ctl-list") +
                               " " + std::to_string(child));
}

using EventList = std::vector<std::string>;
EventList Events() {
    Pump();
    EventList events;
    events.swap(g_events);
    return events;
}

TEST_F(AccessTest, WinEventsOfAKeyboardSequenceAndOfTyping) {
    HWINEVENTHOOK hook = SetWinEventHook(EVENT_MIN, EVENT_MAX, nullptr, RecordEvent,
                                         GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    ASSERT_TRUE(hook);
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

    // Typing reports each change of the value once: a match committing row 3,
    // no match, and still none but another text.
    HWND typed = g_watched = AddRows(Create(QELBOXSTYLE_DROPDOWN, 0, 2), 5);
    Events();
    for (const char* text : {"row 3", "x", "xy"})
        SetWindowTextA(QelBox_GetHWNDEdit(typed), text);
    EXPECT_EQ(Events(), (EventList{"value ctl 0", "value ctl 0", "value ctl 0"}));
    EXPECT_EQ(Str(ObjectOf(typed), kValue), "xy");
    UnhookWinEvent(hook);
}

TEST_F(AccessTest, ObjectsOutliveTheControl) {
    HWND control = AddRows(Create(QELBOXSTYLE_SIMPLE), 3);
    Acc combo = ObjectOf(control), list = ObjectOf(QelBox_GetHWNDDropDown(control));
    ASSERT_TRUE(combo && list);
    DestroyWindow(control);
    LONG n = 7;
    VARIANT v;
    VariantInit(&v);
    EXPECT_EQ(Str(combo, kName), "<error>");
    EXPECT_EQ(list->get_accChildCount(&n), RPC_E_DISCONNECTED);
    EXPECT_EQ(n, 0);
    EXPECT_EQ(list->accSelect(SELFLAG_TAKEFOCUS, Id(1)), RPC_E_DISCONNECTED);
    EXPECT_EQ(list->accDoDefaultAction(Id(1)), RPC_E_DISCONNECTED);
    EXPECT_EQ(combo->accHitTest(0, 0, &v), RPC_E_DISCONNECTED);

    // Out of memory: no object, and WM_GETOBJECT answers 0; other object
    // ids are left to the system.
    HWND other = Create(QELBOXSTYLE_DROPDOWN);
    QelBoxDiag_FailAllocationsAfter(0);
    EXPECT_EQ(SendMessageA(other, WM_GETOBJECT, 0, static_cast<LPARAM>(OBJID_CLIENT)), 0);
    QelBoxDiag_FailAllocationsAfter(-1);
    EXPECT_TRUE(ObjectOf(other, OBJID_WINDOW));
}

} // namespace
