// Application registration of a private window class.
#include "harness.h"

namespace {

using ModuleTest = ControlTest;

TEST_F(ModuleTest, RegisterAppTwiceThenUnregisterOnceRemovesHooks) {
    HINSTANCE app = GetModuleHandleA(nullptr);
    ASSERT_TRUE(QelBox_RegisterApp(app));
    ASSERT_TRUE(QelBox_RegisterApp(app)); // class exists already: still success
    WNDCLASSA cls;
    ASSERT_TRUE(GetClassInfoA(app, "QelBoxControl", &cls));
    EXPECT_EQ(cls.style, static_cast<UINT>(CS_DBLCLKS));
    // A control of the private class works like RqCombo.
    HWND control =
        CreateWindowExA(0, "QelBoxControl", "", WS_CHILD | WS_VISIBLE | QELBOXSTYLE_DROPDOWNLIST, 0,
                        0, 100, 30, TestParent(), reinterpret_cast<HMENU>(7), app, nullptr);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(QelBox_AddString_A(control, "x"), 0);
    DestroyWindow(control);
    QelBox_UnregisterApp(app);
    EXPECT_FALSE(GetClassInfoA(app, "QelBoxControl", &cls));
    // With the hooks gone a second registration installs them again.
    ASSERT_TRUE(QelBox_RegisterApp(app));
    QelBox_UnregisterApp(app);
}

} // namespace
