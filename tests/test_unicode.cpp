// UTF-16 text: the _W functions with text of several scripts, mixing them
// with the _A functions, searching and sorting, typing, the
// clipboard, virtual mode with wide records, and running out of memory.
#include "harness.h"

#include <string>
#include <vector>

namespace {

// Greek, Cyrillic, CJK, Devanagari, and an emoji beyond the Basic
// Multilingual Plane (a surrogate pair).
const wchar_t* const kScripts[] = {
    L"\x0395\x03BB\x03BB\x03AC\x03B4\x03B1", L"\x041C\x043E\x0441\x043A\x0432\x0430",
    L"\x6F22\x5B57", L"\x0926\x0947\x0935\x0928\x093E\x0917\x0930\x0940", L"smile \xD83D\xDE00"};

// The ANSI form the system gives a wide text (what the _A getters return).
std::string Ansi(const std::wstring& text) {
    char buffer[256] = {};
    WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, buffer, sizeof(buffer), nullptr, nullptr);
    return buffer;
}

std::wstring TextW(HWND c, int index, int column = 0) {
    wchar_t buffer[64];
    return QelBox_GetText_W(c, index, column, buffer, 64) >= 0 ? buffer : L"<error>";
}

using UnicodeTest = ControlTest;

TEST_F(UnicodeTest, EveryTextFunctionRoundTripsEveryScript) {
    HWND c = Create(QELBOXSTYLE_DROPDOWN);
    ColumnRecordW columns[2];
    for (ColumnRecordW& column : columns) {
        QelBox_InitColumnRecordW(&column);
        column.width = 90;
    }
    columns[1].headerText = kScripts[0];
    ASSERT_EQ(QelBox_SetColumns_W(c, 2, columns), 1);
    ColumnRecordW* copy = nullptr;
    ASSERT_EQ(QelBox_GetColumns_W(c, &copy), 2);
    EXPECT_STREQ(copy[1].headerText, kScripts[0]);
    ColumnRecord* ansiCopy = nullptr;
    ASSERT_EQ(QelBox_GetColumns(c, &ansiCopy), 2);
    EXPECT_EQ(ansiCopy[1].headerText, Ansi(kScripts[0]));
    EXPECT_EQ(ansiCopy[0].headerText, nullptr);

    int i = 0;
    for (const wchar_t* text : kScripts) {
        SCOPED_TRACE(i);
        const std::wstring w = text;
        const int length = static_cast<int>(w.size());
        wchar_t buffer[64];
        char ansi[64];
        EXPECT_EQ(i % 2 ? QelBox_AddString_W(c, text) : QelBox_InsertString_W(c, i, text), i);
        ASSERT_EQ(QelBox_SetText_W(c, i, 1, text), 1);
        ASSERT_EQ(QelBox_SetRowText_W(c, i, text), 1);
        ASSERT_EQ(QelBox_SetHeader_W(c, 0, text), 1);
        ASSERT_EQ(QelBox_SetRowColText_W(c, text), 1);
        // Each getter: the wide text and its length in UTF-16 units; the
        // _A twin: the system's ANSI form and its length in bytes.
        for (int column = 0; column < 2; ++column) {
            EXPECT_EQ(TextW(c, i, column), w);
            EXPECT_EQ(QelBox_GetTextLength_W(c, i, column), length);
            EXPECT_EQ(Text(c, i, column), Ansi(w));
            EXPECT_EQ(QelBox_GetTextLength(c, i, column), static_cast<int>(Ansi(w).size()));
        }
        EXPECT_EQ(QelBox_GetRowText_W(c, i, buffer, 64), length);
        EXPECT_EQ(buffer, w);
        EXPECT_EQ(QelBox_GetRowTextLength_W(c, i), length);
        EXPECT_EQ(QelBox_GetRowText_A(c, i, ansi), static_cast<int>(Ansi(w).size()));
        EXPECT_EQ(ansi, Ansi(w));
        EXPECT_EQ(QelBox_GetHeader_W(c, 0, buffer, 64), length);
        EXPECT_EQ(buffer, w);
        EXPECT_EQ(QelBox_GetHeaderLength_W(c, 0), length);
        EXPECT_EQ(QelBox_GetHeader_A(c, 0, ansi, 64), static_cast<int>(Ansi(w).size()));
        EXPECT_EQ(QelBox_GetRowColText_W(c, buffer, 64), length);
        EXPECT_EQ(buffer, w);
        EXPECT_EQ(QelBox_GetRowColTextLength_W(c), length);
        EXPECT_EQ(QelBox_FindStringExact_W(c, -1, 0, text, TRUE), i);
        ++i;
    }
    // The committed row's text through the window's text, in both forms.
    EXPECT_EQ(QelBox_SelectStringExact_W(c, -1, 1, kScripts[2], FALSE), 2);
    wchar_t window[32];
    GetWindowTextW(c, window, 32);
    EXPECT_STREQ(window, kScripts[2]);
    EXPECT_EQ(WindowText(c), Ansi(kScripts[2]));
}

TEST_F(UnicodeTest, WideGettersStopAtTheBufferAndKeepSurrogatePairsWhole) {
    HWND c = Create(QELBOXSTYLE_DROPDOWNLIST);
    const wchar_t text[] = L"ab\xD83D\xDE00z"; // 5 units, the pair at 2..3
    QelBox_AddString_W(c, text);
    QelBox_SetRowText_W(c, 0, text);
    QelBox_SetHeader_W(c, 0, text);
    QelBox_SetRowColText_W(c, text);
    using Getter = int (*)(HWND, wchar_t*, int);
    const Getter getters[] = {
        [](HWND h, wchar_t* b, int n) { return QelBox_GetText_W(h, 0, 0, b, n); },
        [](HWND h, wchar_t* b, int n) { return QelBox_GetRowText_W(h, 0, b, n); },
        [](HWND h, wchar_t* b, int n) { return QelBox_GetHeader_W(h, 0, b, n); },
        [](HWND h, wchar_t* b, int n) { return QelBox_GetRowColText_W(h, b, n); },
    };
    // size -> what is copied: never more than size-1 units, never half a pair.
    const struct {
        int size;
        const wchar_t* copied;
    } cases[] = {{1, L""}, {3, L"ab"}, {4, L"ab"}, {5, L"ab\xD83D\xDE00"}, {6, text}};
    for (Getter get : getters) {
        EXPECT_EQ(get(c, nullptr, 0), 5); // measures
        for (const auto& k : cases) {
            wchar_t buffer[8];
            wmemset(buffer, L'#', 8);
            EXPECT_EQ(get(c, buffer, k.size), 5) << k.size;
            EXPECT_STREQ(buffer, k.copied) << k.size;
            EXPECT_EQ(buffer[k.size], L'#') << k.size; // nothing past the buffer
        }
    }
    wchar_t buffer[4] = {L'#', L'#', 0, 0};
    EXPECT_EQ(QelBox_GetText_W(c, 5, 0, buffer, 4), -1);
    EXPECT_EQ(buffer[0], 0);
}

// The _A and _W functions agree on text the code page can represent, and
// may be mixed on one control.
TEST_F(UnicodeTest, AnsiAndWideFunctionsAgreeOnOneControl) {
    HWND c = Create(QELBOXSTYLE_DROPDOWNLIST);
    const char* ansi[] = {"beta", "Alpha", "gamma", "alpha", "Zeta"};
    for (int i = 0; i < 5; ++i) {
        std::wstring wide(ansi[i], ansi[i] + strlen(ansi[i]));
        i % 2 ? QelBox_AddString_A(c, ansi[i]) : QelBox_AddString_W(c, wide.c_str());
        EXPECT_EQ(TextW(c, i), wide);
        EXPECT_EQ(Text(c, i), ansi[i]);
    }
    for (const char* probe : {"ALPHA", "al", "z", "q", ""}) {
        std::wstring wide(probe, probe + strlen(probe));
        for (int start = -1; start < 5; ++start) {
            EXPECT_EQ(QelBox_FindString_W(c, start, 0, wide.c_str(), TRUE),
                      QelBox_FindString_A(c, start, 0, probe, TRUE));
            EXPECT_EQ(QelBox_FindStringExact_W(c, start, 0, wide.c_str(), FALSE),
                      QelBox_FindStringExact_A(c, start, 0, probe, FALSE));
        }
        EXPECT_EQ(QelBox_DefaultCompareProc_W(c, wide.c_str(), L"Beta", 0, 0),
                  QelBox_DefaultCompareProc(c, probe, "Beta", 0, 0));
    }
}

// Every compare callback sees the rows in the same order; the calls are
// logged by item data.
std::vector<std::pair<QelData, QelData>> g_calls;
int CALLBACK CompareA(HWND, const char* a, const char* b, QelData da, QelData db) {
    g_calls.push_back({da, db});
    return lstrcmpA(a, b);
}
int CALLBACK CompareW(HWND, const wchar_t* a, const wchar_t* b, QelData da, QelData db) {
    g_calls.push_back({da, db});
    return lstrcmpW(a, b);
}

TEST_F(UnicodeTest, SortsWideTextAndCallsWideCallbacksInTheSameOrder) {
    HWND c = Create(QELBOXSTYLE_DROPDOWNLIST);
    // Gamma, Alpha, Beta, Delta in Greek.
    const wchar_t* greek[] = {L"\x0393\x03AC\x03BC\x03BC\x03B1", L"\x0386\x03BB\x03C6\x03B1",
                              L"\x0392\x03AE\x03C4\x03B1", L"\x0394\x03AD\x03BB\x03C4\x03B1"};
    auto fill = [&] {
        QelBox_ResetContent(c);
        for (int i = 0; i < 4; ++i)
            QelBox_SetItemData(c, QelBox_AddString_W(c, greek[i]), static_cast<QelData>(i));
    };
    fill();
    ASSERT_EQ(QelBox_SortItems_W(c, -1, 0, nullptr), 1);
    const int expected[] = {1, 2, 0, 3};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(QelBox_GetItemData(c, i), static_cast<QelData>(expected[i])) << i;

    // ASCII rows: the _A and _W callbacks are called with the same pairs.
    const char* words[] = {"pear", "fig", "apple", "kiwi", "date"};
    std::vector<std::pair<QelData, QelData>> calls[2];
    for (int kind = 0; kind < 2; ++kind) {
        QelBox_ResetContent(c);
        for (int i = 0; i < 5; ++i)
            QelBox_SetItemData(c, QelBox_AddString_A(c, words[i]), static_cast<QelData>(i));
        g_calls.clear();
        ASSERT_EQ(kind ? QelBox_SortItems_W(c, -1, 0, CompareW)
                       : QelBox_SortItems(c, -1, 0, CompareA),
                  1);
        calls[kind] = g_calls;
        EXPECT_EQ(Text(c, 0), "apple");
    }
    EXPECT_EQ(calls[0], calls[1]);
    EXPECT_FALSE(calls[0].empty());
}

TEST_F(UnicodeTest, TypedWideCharactersReachTheEditFieldAndSelectTheirRow) {
    HWND c = Create(QELBOXSTYLE_DROPDOWN);
    QelBox_AddString_W(c, kScripts[0]);
    QelBox_AddString_W(c, kScripts[4]);
    HWND edit = QelBox_GetHWNDEdit(c);
    ASSERT_TRUE(IsWindowUnicode(edit));
    SetFocus(edit);
    ClearNotes();
    for (const wchar_t* p = kScripts[4]; *p; ++p)
        SendMessageW(edit, WM_CHAR, *p, 1);
    wchar_t typed[32];
    GetWindowTextW(edit, typed, 32);
    EXPECT_STREQ(typed, kScripts[4]);
    EXPECT_EQ(QelBox_GetCurSel(c), 1); // the whole text matched row 1
    const std::vector<int> codes = Codes(c);
    EXPECT_EQ(std::count(codes.begin(), codes.end(), QELBOXN_EDITCHANGE), 8);
}

TEST_F(UnicodeTest, CharacterSearchOfTheClosedControlMatchesWideCharacters) {
    HWND c = Create(QELBOXSTYLE_DROPDOWNLIST);
    for (const wchar_t* text : kScripts)
        QelBox_AddString_W(c, text);
    SetFocus(c);
    SendMessageW(c, WM_CHAR, 0x6F22, 1); // the CJK row
    EXPECT_EQ(QelBox_GetCurSel(c), 2);
    SendMessageW(c, WM_CHAR, 0xD83D, 1); // half a pair waits ...
    EXPECT_EQ(QelBox_GetCurSel(c), 2);
    SendMessageW(c, WM_CHAR, 's', 1);
    EXPECT_EQ(QelBox_GetCurSel(c), 4);
    QelBox_InsertString_W(c, 0, L"\xD83D\xDE00 first");
    SendMessageW(c, WM_CHAR, 0xD83D, 1); // ... for its second half
    SendMessageW(c, WM_CHAR, 0xDE00, 1);
    EXPECT_EQ(QelBox_GetCurSel(c), 0);
}

TEST_F(UnicodeTest, ClipboardCopyIsUnicode) {
    HWND c = Create(QELBOXSTYLE_DROPDOWNLIST);
    QelBox_AddString_W(c, kScripts[1]);
    QelBox_SetCurSel(c, 0);
    SendMessageW(c, WM_COPY, 0, 0);
    ASSERT_TRUE(OpenClipboard(TestParent()));
    HANDLE wide = GetClipboardData(CF_UNICODETEXT);
    ASSERT_NE(wide, nullptr);
    EXPECT_STREQ(static_cast<const wchar_t*>(GlobalLock(wide)), kScripts[1]);
    GlobalUnlock(wide);
    CloseClipboard();
}

ItemRecordW g_wideRows[5];
wchar_t* g_wideCells[5][2];
int g_wideFetched = -1;
void CALLBACK FetchW(HWND, QelData, int index, ItemRecordW** buffer) {
    EXPECT_EQ(g_wideFetched, -1); // released before the next fetch
    g_wideFetched = index;
    *buffer = &g_wideRows[index];
}
void CALLBACK ReleaseW(HWND, QelData, int index, ItemRecordW* item) {
    EXPECT_EQ(index, g_wideFetched);
    EXPECT_EQ(item, &g_wideRows[index]);
    g_wideFetched = -1;
}

TEST_F(UnicodeTest, VirtualModeReadsWideRecords) {
    for (int i = 0; i < 5; ++i) {
        g_wideCells[i][0] = const_cast<wchar_t*>(kScripts[i]);
        g_wideCells[i][1] = nullptr;
        g_wideRows[i] = {
            QelData(i),         0, 0, 0, const_cast<wchar_t*>(kScripts[4 - i]), 0, g_wideCells[i],
            QELBOX_ITEM_ENABLED};
    }
    HWND c = Create(QELBOXSTYLE_DROPDOWNLIST);
    SetColumns(c, {80, 80});
    ASSERT_EQ(QelBox_VirtualInitialize_W(c, FetchW, ReleaseW, 0), 1);
    ASSERT_EQ(QelBox_VirtualCount(c, 5), 1);
    EXPECT_EQ(TextW(c, 3), kScripts[3]);
    EXPECT_EQ(Text(c, 3), Ansi(kScripts[3]));
    EXPECT_EQ(QelBox_GetTextLength_W(c, 3, 1), 0);
    wchar_t row[32];
    EXPECT_EQ(QelBox_GetRowText_W(c, 1, row, 32), static_cast<int>(wcslen(kScripts[3])));
    EXPECT_STREQ(row, kScripts[3]);
    EXPECT_EQ(QelBox_FindStringExact_W(c, -1, 0, kScripts[2], TRUE), 2);
    QelBox_VirtualInitialize_W(c, nullptr, nullptr, 0);
    EXPECT_EQ(QelBox_GetCount(c), 0);
}

// A row's texts share its blocks: whatever order its cells are set, cleared
// and set again in, each reads back as last set, and a row of several
// columns holds two heap blocks however many texts it has.
TEST_F(UnicodeTest, CellTextsOfARowSurviveEveryOrderOfChangesInTwoBlocks) {
    HWND c = Create(QELBOXSTYLE_DROPDOWNLIST);
    SetColumns(c, {40, 40, 40, 40});
    const int before = QelBoxDiag_LiveAllocations();
    QelBox_AddString_W(c, L"first");
    std::wstring model[4] = {L"first"};
    for (int step = 0; step < 60; ++step) {
        const int column = (step * 7) % 4;
        std::wstring text(static_cast<size_t>(step % 9), static_cast<wchar_t>(0x3B1 + step % 20));
        const bool clear = step % 5 == 4;
        ASSERT_EQ(QelBox_SetText_W(c, 0, column, clear ? nullptr : text.c_str()), 1);
        model[column] = clear ? L"" : text;
        for (int k = 0; k < 4; ++k)
            ASSERT_EQ(TextW(c, 0, k), model[k]) << step << " " << k;
    }
    EXPECT_EQ(QelBoxDiag_LiveAllocations() - before, 2 + 1); // the row, its texts, the array
}

// Converting an _A argument that does not fit the inline buffer takes
// memory: when it runs out the call is refused and nothing changes.
TEST_F(UnicodeTest, AnsiConversionOutOfMemoryRefusesTheCall) {
    HWND c = Create(QELBOXSTYLE_DROPDOWN);
    AddRows(c, 2);
    const std::string longText(300, 'x');
    const int live = QelBoxDiag_LiveAllocations();
    QelBoxDiag_FailAllocationsAfter(0);
    EXPECT_EQ(QelBox_AddString_A(c, longText.c_str()), -1);
    EXPECT_EQ(QelBox_SetText_A(c, 0, 0, longText.c_str()), 0);
    EXPECT_EQ(QelBox_SetHeader_A(c, 0, longText.c_str()), 0);
    EXPECT_EQ(QelBox_FindStringExact_A(c, -1, 0, longText.c_str(), TRUE), -1);
    QelBoxDiag_FailAllocationsAfter(-1);
    EXPECT_EQ(QelBoxDiag_LiveAllocations(), live);
    EXPECT_EQ(QelBox_GetCount(c), 2);
    EXPECT_EQ(Text(c, 0), "Row 0");
    EXPECT_EQ(QelBox_GetHeaderLength(c, 0), 0);
    EXPECT_EQ(QelBox_AddString_A(c, longText.c_str()), 2);
    EXPECT_EQ(QelBox_GetTextLength_W(c, 2, 0), 300);
}

} // namespace
