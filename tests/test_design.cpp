// Dialog-editor support: the custom-control records and the style dialog,
// driven through its controls from a timer inside its modal loop.
#include "harness.h"

#include <string.h>

namespace {

std::function<void(HWND)> g_drive;

void CALLBACK DriveDialog(HWND, UINT, UINT_PTR id, DWORD) {
    HWND dialog = FindWindowA("#32770", "RqCombo Styles");
    if (!dialog || !IsWindowVisible(dialog)) return; // not shown yet
    KillTimer(nullptr, id);
    g_drive(dialog);
    if (IsWindowVisible(dialog)) EndDialog(dialog, 99); // the driver failed to close it
}

// Shows the style dialog through the editor's entry and hands it to
// `drive`, which closes it.
INT_PTR RunStyleDialog(CCSTYLEA* style, std::function<void(HWND)> drive) {
    CCINFOA records[3];
    CustomControlInfoA(records);
    g_drive = std::move(drive);
    const UINT_PTR timer = SetTimer(nullptr, 0, 10, DriveDialog);
    const INT_PTR result = records[0].lpfnStyle(TestParent(), style);
    KillTimer(nullptr, timer); // still running when no dialog came
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

TEST_F(DesignTest, ControlInfoDescribesTheThreeTypesAndTheirStyles) {
    CCINFOA records[3];
    memset(records, 0xAB, sizeof(records));
    EXPECT_EQ(CustomControlInfoA(nullptr), 3u);
    EXPECT_EQ(records[0].cxDefault, 0xABABABABu); // nothing written
    EXPECT_NE(GetProcAddress(GetModuleHandleA(QELBOX_TEST_DLL), "CustomControlInfoA"), nullptr);
    ASSERT_EQ(CustomControlInfoA(records), 3u);
    const char* descriptions[] = {"QelBox/DLL - DropDownList", "QelBox/DLL - DropDown",
                                  "QelBox/DLL - Simple"};
    for (DWORD i = 0; i < 3; ++i) {
        const CCINFOA& info = records[i];
        EXPECT_STREQ(info.szClass, "RqCombo");
        EXPECT_STREQ(info.szDesc, descriptions[i]);
        EXPECT_EQ(info.flStyleDefault, 0x50B12002 - i);
        EXPECT_EQ(info.cxDefault * 1000 + info.cyDefault, 60080u);
        EXPECT_EQ(info.flOptions | info.flExtStyleDefault | info.flCtrlTypeMask | info.dwReserved1 |
                      info.dwReserved2 | info.szTextDefault[0],
                  0u);
        EXPECT_EQ(info.cStyleFlags, 9);
        EXPECT_EQ(info.aStyleFlags, records[0].aStyleFlags);
        EXPECT_EQ(info.lpfnStyle, records[0].lpfnStyle);
        EXPECT_EQ(info.lpfnSizeToText(info.flStyleDefault, 0, nullptr, nullptr), -1);
    }
    std::string table; // style, mask and name of each entry
    for (int i = 0; i < records[0].cStyleFlags; ++i) {
        const CCSTYLEFLAGA& flag = records[0].aStyleFlags[i];
        char entry[64];
        wsprintfA(entry, "%lx/%lx/%s ", flag.flStyle, flag.flStyleMask, flag.pszStyle + 12);
        table += entry;
    }
    EXPECT_EQ(table, "0/3/SIMPLE 1/3/DROPDOWN 2/3/DROPDOWNLIST 800/0/VARIABLE 1000/0/AUTOHSCROLL "
                     "10/70/ALIGNBOTTOM 20/70/ALIGNCENTER 2000/0/LEFTBUTTONONLY "
                     "4000/0/DISABLENOSCROLL ");
    EXPECT_EQ(std::string(records[0].aStyleFlags[0].pszStyle, 12), "QELBOXSTYLE_");
}

TEST_F(DesignTest, StyleDialogEditsTheBoundBitsAndKeepsTypeAndAlignment) {
    CCSTYLEA style = {};
    const DWORD original = WS_CHILD | WS_VSCROLL | WS_TABSTOP | QELBOXSTYLE_SIMPLE |
                           QELBOXSTYLE_ALIGNCENTER | QELBOXSTYLE_LEFTBUTTONONLY;
    style.flStyle = original;
    style.flExtStyle = WS_EX_CLIENTEDGE;
    RECT box = {}, owner = {};
    const INT_PTR result = RunStyleDialog(&style, [&](HWND dialog) {
        GetWindowRect(dialog, &box);
        GetWindowRect(TestParent(), &owner);
        // Checked and enabled states; the simple type has no alignment.
        const int states[][3] = {{301, 1, 1}, {302, 0, 1}, {303, 0, 1}, {304, 1, 1}, {305, 0, 1},
                                 {306, 0, 1}, {307, 0, 1}, {308, 1, 1}, {309, 1, 1}, {313, 0, 1},
                                 {314, 0, 1}, {317, 0, 0}, {318, 0, 0}, {319, 1, 0}};
        for (const auto& s : states) {
            EXPECT_EQ(Checked(dialog, s[0]), s[1] != 0) << s[0];
            EXPECT_EQ(Enabled(dialog, s[0]), s[2] != 0) << s[0];
        }
        EXPECT_FALSE(Enabled(dialog, 315));
        // "Disable no scroll" follows the two scroll-bar boxes at once.
        const int scrollSteps[][2] = {{301, 0}, {302, 1}, {302, 0}, {301, 1}};
        for (const auto& step : scrollSteps) {
            Click(dialog, step[0]);
            EXPECT_EQ(Enabled(dialog, 303), step[1] != 0) << step[0];
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
    // Centred over the owner.
    EXPECT_NEAR(box.left + box.right, owner.left + owner.right, 2);
    EXPECT_NEAR(box.top + box.bottom, owner.top + owner.bottom, 2);
}

TEST_F(DesignTest, StyleDialogDisablesWhatATypeLacksAndCancelChangesNothing) {
    for (DWORD type : {QELBOXSTYLE_DROPDOWNLIST, QELBOXSTYLE_DROPDOWN}) {
        CCSTYLEA style = {};
        style.flStyle = type | QELBOXSTYLE_ALIGNBOTTOM;
        const INT_PTR result = RunStyleDialog(&style, [&](HWND dialog) {
            EXPECT_EQ(Enabled(dialog, 313), type == QELBOXSTYLE_DROPDOWN); // no edit field
            for (int id : {315, 317, 318, 319})
                EXPECT_TRUE(Enabled(dialog, id)) << id;
            EXPECT_TRUE(Checked(dialog, 318));
            EXPECT_FALSE(Enabled(dialog, 303)); // no scroll bar
            Click(dialog, 319);
            Click(dialog, type == QELBOXSTYLE_DROPDOWN ? IDOK : IDCANCEL);
        });
        // Accepted, the new alignment replaces the old one.
        EXPECT_EQ(result, type == QELBOXSTYLE_DROPDOWN ? TRUE : FALSE);
        EXPECT_EQ(style.flStyle,
                  type | (result ? QELBOXSTYLE_ALIGNCENTER : QELBOXSTYLE_ALIGNBOTTOM));
    }
}

} // namespace
