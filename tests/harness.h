// Test harness: a visible top-level parent window that records every
// WM_COMMAND notification in order, and a fixture that creates controls of
// each type as its children and checks that nothing leaks when they go.
#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "qelbox.h"
#include "qelbox_diag.h"

// The DLL under test: the 64-bit test programs load qelbox64.dll.
#ifdef _WIN64
#define QELBOX_TEST_DLL "qelbox64.dll"
#else
#define QELBOX_TEST_DLL "qelbox32.dll"
#endif

struct Note {
    int id;
    int code;
    HWND sender;
};

// The parent window shared by all tests of a program.
HWND TestParent();
// Notifications received by the parent since the last ClearNotes().
const std::vector<Note>& Notes();
void ClearNotes();
// Codes of the recorded notifications (optionally only those of `from`),
// leaving out QELBOXN_MOUSEMOVE, QELBOXN_SIZE and the layout's
// QELBOXN_OVERHEADWIDTHCHANGE unless `all` is set.
std::vector<int> Codes(HWND from = nullptr, bool all = false);
// Called for each notification as it arrives (before it is recorded).
extern std::function<void(const Note&)> g_onNotify;
// Dispatches every pending message of this thread.
void Pump();
// Number of notifications `code` from `control` recorded.
int CountCode(HWND control, int code);
// Arguments of the program that GoogleTest did not take.
extern std::vector<std::string> g_args;
// Called when the program crashes, to say what it was doing.
extern std::function<std::string()> g_crashContext;

// Creates a control of class RqCombo as a child of the test parent.
HWND CreateControl(DWORD type, DWORD extraStyle = 0, int id = 1, int x = 10, int y = 10,
                   int width = 200, int height = 120);

inline int Width(const RECT& r) {
    return r.right - r.left;
}
inline int Height(const RECT& r) {
    return r.bottom - r.top;
}
RECT ClientOf(HWND window);
// Height and metrics of a font (nullptr: the system font).
TEXTMETRICA Metrics(HFONT font);
inline int FontHeight(HFONT font) {
    return Metrics(font).tmHeight;
}
// Width of a single-line text in `font`.
int TextWidth(HFONT font, const char* text);
inline HFONT ControlFont(HWND control) {
    return reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
}
// A column definition without colours; `Columns` installs one per width.
ColumnRecord Column(int width, DWORD style = 0, const char* header = nullptr);
int SetColumns(HWND control, std::initializer_list<int> widths, DWORD style = 0);
int SetColumns(HWND control, const std::vector<ColumnRecord>& columns);
// A cell-info block of row `index`, column `column`, without colours.
CellInfo Cell(int index, int column, QelData data = 0, DWORD version = 1);

class ControlTest : public ::testing::Test {
  protected:
    ~ControlTest() override;
    void SetUp() override;
    void TearDown() override;
    // Monochrome bitmaps and fonts of the application; deleted after the
    // test's controls are gone.
    HBITMAP Bitmap(int width, int height);
    HFONT Font(int height);
    std::vector<HGDIOBJ> gdi_;
    // Creates a control; it is destroyed after the test.
    HWND Create(DWORD type, DWORD extraStyle = 0, int id = 1, int height = 120);
    // Focuses `control` and opens its list, then forgets the notifications;
    // true when the list is open.
    static bool Drop(HWND control);

    std::vector<HWND> created_;
};

// Adds rows "Row 0".."Row n-1"; returns the control.
HWND AddRows(HWND control, int n);
// Paints the control and its list window at once.
void PaintNow(HWND control);
// A cell's text ("<error>" when refused), a window's text, and the column-0
// texts of all rows joined by commas.
std::string Text(HWND control, int index, int column = 0);
std::string WindowText(HWND window);
std::string Texts(HWND control);

// Sends WM_KEYDOWN with `key` to `window`.
inline void Key(HWND window, WPARAM key) {
    SendMessageA(window, WM_KEYDOWN, key, 0);
}

#define EXPECT_CODES(control, ...) EXPECT_EQ(Codes(control), (std::vector<int>{__VA_ARGS__}))
// Forgets the notifications, runs `action`, then checks what `control` sent.
#define EXPECT_CODES_AFTER(action, control, ...)                                                   \
    do {                                                                                           \
        ClearNotes();                                                                              \
        action;                                                                                    \
        EXPECT_CODES(control, __VA_ARGS__);                                                        \
    } while (0)
