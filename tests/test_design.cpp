// Dialog-editor support: the style dialog, driven through its controls from
// a timer inside its modal loop.
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

} // namespace
