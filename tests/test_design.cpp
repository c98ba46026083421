// Dialog-editor support: the custom-control records, the style dialog
// driven through its controls, and the sample rows shown in editors.
#include "harness.h"

#include <map>
#include <string.h>

namespace {

// Runs `step` from the message loop of whatever modal loop is running,
// every 10 ms until it returns true.
std::map<UINT_PTR, std::function<bool()>> g_steps;

void CALLBACK StepTimer(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id); // a step may run a modal loop of its own
    auto step = g_steps.extract(id);
    if (!step.empty() && !step.mapped()()) {
        g_steps[SetTimer(nullptr, 0, 10, StepTimer)] = std::move(step.mapped());
    }
}

void Later(std::function<bool()> step) {
    g_steps[SetTimer(nullptr, 0, 10, StepTimer)] = std::move(step);
}

// A visible top-level dialog of this thread with the given caption, or
// with a child of the given id.
struct DialogSearch {
    const char* caption;
    int childId;
    HWND found;
};

BOOL CALLBACK MatchDialog(HWND window, LPARAM param) {
    DialogSearch* search = reinterpret_cast<DialogSearch*>(param);
    char name[64] = {0}, text[64] = {0};
    GetClassNameA(window, name, sizeof(name));
    GetWindowTextA(window, text, sizeof(text));
    if (strcmp(name, "#32770") != 0 || !IsWindowVisible(window)) return TRUE;
    if ((search->caption && strcmp(text, search->caption) == 0) ||
        (search->childId && GetDlgItem(window, search->childId))) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindDialog(const char* caption, int childId) {
    DialogSearch search = {caption, childId, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), MatchDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

CCINFOA g_records[3];

// Shows the style dialog for `style` through the editor's entry and hands
// the open dialog to `drive`, which must close it.
INT_PTR RunStyleDialog(CCSTYLEA* style, std::function<void(HWND)> drive) {
    EXPECT_EQ(CustomControlInfoA(g_records), 3u);
    Later([drive] {
        HWND dialog = FindDialog(nullptr, 301);
        if (!dialog) return false;
        drive(dialog);
        if (IsWindowVisible(dialog)) EndDialog(dialog, 99); // the driver failed
        return true;
    });
    const INT_PTR result = g_records[0].lpfnStyle(TestParent(), style);
    for (const auto& step : g_steps) // steps left over when no dialog came
        KillTimer(nullptr, step.first);
    g_steps.clear();
    return result;
}

bool Checked(HWND dialog, int id) {
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}
bool Enabled(HWND dialog, int id) {
    return IsWindowEnabled(GetDlgItem(dialog, id)) != 0;
}
void Click(HWND dialog, int id) {
    SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

using DesignTest = ControlTest;

TEST_F(DesignTest, ControlInfoDescribesTheThreeTypes) {
    memset(g_records, 0xAB, sizeof(g_records));
    EXPECT_EQ(CustomControlInfoA(nullptr), 3u);
    EXPECT_EQ(g_records[0].cxDefault, 0xABABABABu); // nothing written
    // Editors look the entry up by its plain name.
    EXPECT_NE(GetProcAddress(GetModuleHandleA("qelbox32.dll"), "CustomControlInfoA"), nullptr);
    ASSERT_EQ(CustomControlInfoA(g_records), 3u);
    const struct {
        const char* description;
        DWORD style;
    } types[] = {{"QelBox/DLL - DropDownList", 0x50B12002},
                 {"QelBox/DLL - DropDown", 0x50B12001},
                 {"QelBox/DLL - Simple", 0x50B12000}};
    for (int i = 0; i < 3; ++i) {
        const CCINFOA& info = g_records[i];
        SCOPED_TRACE(i);
        EXPECT_STREQ(info.szClass, "RqCombo");
        EXPECT_STREQ(info.szDesc, types[i].description);
        EXPECT_EQ(info.flStyleDefault, types[i].style);
        EXPECT_EQ(info.flOptions | info.flExtStyleDefault | info.flCtrlTypeMask, 0u);
        EXPECT_EQ(info.dwReserved1 | info.dwReserved2, 0u);
        EXPECT_EQ(info.cxDefault, 60u);
        EXPECT_EQ(info.cyDefault, 80u);
        EXPECT_STREQ(info.szTextDefault, "");
        EXPECT_EQ(info.cStyleFlags, 9);
        EXPECT_EQ(info.aStyleFlags, g_records[0].aStyleFlags);
        EXPECT_EQ(info.lpfnStyle, g_records[0].lpfnStyle);
        ASSERT_NE(info.lpfnSizeToText, nullptr);
        EXPECT_EQ(info.lpfnSizeToText(info.flStyleDefault, 0, nullptr, const_cast<char*>("x")), -1);
    }
    const struct {
        DWORD style, mask;
        const char* name;
    } flags[] = {
        {0x0, 0x3, "QELBOXSTYLE_SIMPLE"},          {0x1, 0x3, "QELBOXSTYLE_DROPDOWN"},
        {0x2, 0x3, "QELBOXSTYLE_DROPDOWNLIST"},    {0x800, 0, "QELBOXSTYLE_VARIABLE"},
        {0x1000, 0, "QELBOXSTYLE_AUTOHSCROLL"},    {0x10, 0x70, "QELBOXSTYLE_ALIGNBOTTOM"},
        {0x20, 0x70, "QELBOXSTYLE_ALIGNCENTER"},   {0x2000, 0, "QELBOXSTYLE_LEFTBUTTONONLY"},
        {0x4000, 0, "QELBOXSTYLE_DISABLENOSCROLL"}};
    for (int i = 0; i < 9; ++i) {
        const CCSTYLEFLAGA& flag = g_records[0].aStyleFlags[i];
        EXPECT_EQ(flag.flStyle, flags[i].style) << i;
        EXPECT_EQ(flag.flStyleMask, flags[i].mask) << i;
        EXPECT_STREQ(flag.pszStyle, flags[i].name);
    }
}

TEST_F(DesignTest, StyleDialogEditsTheBoundBitsAndKeepsTypeAndAlignment) {
    CCSTYLEA style = {};
    const DWORD original = QELBOXSTYLE_SIMPLE | WS_VSCROLL | WS_TABSTOP | WS_CHILD |
                           QELBOXSTYLE_ALIGNCENTER | QELBOXSTYLE_LEFTBUTTONONLY;
    style.flStyle = original;
    style.flExtStyle = WS_EX_CLIENTEDGE;
    RECT box = {}, owner = {};
    const INT_PTR result = RunStyleDialog(&style, [&](HWND dialog) {
        GetWindowRect(dialog, &box);
        GetWindowRect(TestParent(), &owner);
        const struct {
            int id;
            bool checked, enabled;
        } initial[] = {{301, true, true},   {302, false, true}, {303, false, true},
                       {304, true, true},   {305, false, true}, {306, false, true},
                       {307, false, true},  {308, true, true},  {309, true, true},
                       {313, false, true},  {314, false, true}, {317, false, false},
                       {318, false, false}, {319, true, false}};
        for (const auto& item : initial) {
            EXPECT_EQ(Checked(dialog, item.id), item.checked) << item.id;
            EXPECT_EQ(Enabled(dialog, item.id), item.enabled) << item.id;
        }
        EXPECT_FALSE(Enabled(dialog, 315));
        // "Disable no scroll" follows the two scroll-bar boxes at once.
        const struct {
            int click;
            bool enabled;
        } scrollSteps[] = {{301, false}, {302, true}, {302, false}, {301, true}};
        for (const auto& step : scrollSteps) {
            Click(dialog, step.click);
            EXPECT_EQ(Enabled(dialog, 303), step.enabled) << step.click;
        }
        for (int id : {303, 305, 309, 314})
            Click(dialog, id);
        EXPECT_EQ(style.flStyle, original); // written back only on OK
        Click(dialog, IDOK);
    });
    EXPECT_EQ(result, TRUE);
    EXPECT_EQ(style.flStyle,
              original | QELBOXSTYLE_DISABLENOSCROLL | WS_VISIBLE | QELBOXSTYLE_VARIABLE);
    EXPECT_EQ(style.flExtStyle, 0u);
    // Centred over the owner (which lies on the screen).
    EXPECT_NEAR((box.left + box.right) / 2, (owner.left + owner.right) / 2, 1);
    EXPECT_NEAR((box.top + box.bottom) / 2, (owner.top + owner.bottom) / 2, 1);
}

TEST_F(DesignTest, StyleDialogDisablesWhatATypeLacksAndCancelChangesNothing) {
    const struct {
        DWORD type;
        bool autoScroll, alignment;
    } cases[] = {{QELBOXSTYLE_DROPDOWNLIST, false, true}, {QELBOXSTYLE_DROPDOWN, true, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        CCSTYLEA style = {};
        style.flStyle = c.type | QELBOXSTYLE_ALIGNBOTTOM;
        const INT_PTR result = RunStyleDialog(&style, [&](HWND dialog) {
            EXPECT_EQ(Enabled(dialog, 313), c.autoScroll);
            for (int id : {315, 317, 318, 319})
                EXPECT_EQ(Enabled(dialog, id), c.alignment) << id;
            EXPECT_TRUE(Checked(dialog, 318));
            EXPECT_FALSE(Enabled(dialog, 303)); // no scroll bar
            Click(dialog, 319);
            Click(dialog, 302);
            Click(dialog, IDCANCEL);
        });
        EXPECT_EQ(result, FALSE);
        EXPECT_EQ(style.flStyle, c.type | QELBOXSTYLE_ALIGNBOTTOM);
    }
    // Accepted, the new alignment replaces the old one.
    CCSTYLEA style = {};
    style.flStyle = QELBOXSTYLE_DROPDOWN | QELBOXSTYLE_ALIGNBOTTOM;
    EXPECT_EQ(RunStyleDialog(&style,
                             [](HWND dialog) {
                                 Click(dialog, 317);
                                 Click(dialog, IDOK);
                             }),
              TRUE);
    EXPECT_EQ(style.flStyle, static_cast<DWORD>(QELBOXSTYLE_DROPDOWN));
}

TEST_F(DesignTest, MissingWizardIsReportedToTheUser) {
    CCSTYLEA style = {};
    std::string message;
    RunStyleDialog(&style, [&](HWND dialog) {
        Later([&] {
            HWND box = FindDialog("Orvane", 0);
            if (!box) return false;
            char text[1024] = {0};
            GetDlgItemTextA(box, 0xFFFF, text, sizeof(text));
            message = text;
            SendMessageA(box, WM_COMMAND, IDOK, 0);
            return true;
        });
        Click(dialog, 311); // returns when the message box is closed
        Click(dialog, IDCANCEL);
    });
    EXPECT_EQ(message.rfind("The QelBox/DLL Wizard application is part of the QelBox/DLL product "
                            "and is not installed.",
                            0),
              0u)
        << message;
}

TEST_F(DesignTest, DialogEditorsGetSampleRows) {
    const struct {
        const char* editorClass;
        int rows;
    } cases[] = {{"DlgEdit", 9}, {"OrvaneDlgEdit", 9}, {"RWSWnd", 9}, {"dlgedit", 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.editorClass);
        WNDCLASSA cls = {};
        cls.lpfnWndProc = DefWindowProcA;
        cls.hInstance = GetModuleHandleA(nullptr);
        cls.lpszClassName = c.editorClass;
        ASSERT_NE(RegisterClassA(&cls), 0);
        HWND editor = CreateWindowExA(0, c.editorClass, "", WS_OVERLAPPED, 0, 0, 300, 200, nullptr,
                                      nullptr, cls.hInstance, nullptr);
        HWND page = CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 250, 150, editor, nullptr,
                                    cls.hInstance, nullptr);
        HWND control = CreateWindowExA(0, QELBOX_CLASSNAME, "", WS_CHILD | QELBOXSTYLE_DROPDOWN, 0,
                                       0, 200, 100, page, nullptr, cls.hInstance, nullptr);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(QelBox_GetCount(control), c.rows);
        if (c.rows) {
            EXPECT_EQ(Text(control, 8), "Item 9");
        }
        DestroyWindow(editor);
        UnregisterClassA(c.editorClass, cls.hInstance);
    }
    HWND orphan = CreateWindowExA(0, QELBOX_CLASSNAME, "", WS_POPUP, 0, 0, 200, 100, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
    EXPECT_EQ(QelBox_GetCount(orphan), 0);
    DestroyWindow(orphan);
}

} // namespace
