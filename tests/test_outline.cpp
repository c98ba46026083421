// Tree lines of long outlines: parents far above the top row, sibling runs
// that end far below the bottom, deep chains. Every painted row must show
// exactly the lines its outline asks for, also after levels, insertions,
// deletions and sorting changed the outline between paints; a virtual list
// of the same outline paints the same picture, fetches each shown row at
// most twice once it has learnt the levels around it, and forgets the level
// of a row the application announces as changed.
#include "harness.h"
#include "pixels.h"

#include <algorithm>
#include <random>
#include <set>

namespace {

// The outline read the plain way: scans over the whole level list.
struct Outline {
    std::vector<int> levels;

    int Parent(int i) const {
        for (int j = i - 1; j >= 0; --j)
            if (levels[j] < levels[i]) return j;
        return -1;
    }
    // Some later item of level first..last before the outline climbs above
    // `first`.
    bool FollowingSibling(int i, int first, int last) const {
        for (size_t k = static_cast<size_t>(i) + 1; k < levels.size(); ++k)
            if (levels[k] <= last) return levels[k] >= first;
        return false;
    }
    // Levels k whose vertical line x(k) passes the upper and the lower half
    // of row i.
    void Lines(int i, std::set<int>* upper, std::set<int>* lower) const {
        if (levels[i] < 1) return;
        const int parent = Parent(i);
        const int p = parent >= 0 ? levels[parent] : 0;
        upper->insert(p);
        if (FollowingSibling(i, p + 1, levels[i])) lower->insert(p);
        for (int a = parent; a >= 0 && levels[a] >= 1; a = Parent(a)) {
            const int grand = Parent(a);
            const int q = grand >= 0 ? levels[grand] : 0;
            if (FollowingSibling(a, q + 1, levels[a])) upper->insert(q), lower->insert(q);
        }
    }
};

// Long sibling runs, deep chains and jumps of several levels at once.
Outline RandomOutline(std::mt19937& random, int n) {
    Outline outline;
    int level = 0;
    while (static_cast<int>(outline.levels.size()) < n) {
        const int kind = static_cast<int>(random() % 10);
        if (kind == 0) {
            outline.levels.insert(outline.levels.end(), 70 + random() % 200, level);
        } else if (kind == 1) {
            for (int l = level; l <= 63; ++l)
                outline.levels.push_back(l);
            level = static_cast<int>(random() % 64);
        } else {
            level = static_cast<int>(random() % static_cast<unsigned>(std::min(63, level + 3) + 1));
            outline.levels.push_back(level);
        }
    }
    outline.levels.resize(static_cast<size_t>(n));
    outline.levels[0] = 0;
    return outline;
}

// The virtual twin's rows: "Row i" with the levels of `g_levels`.
int g_fetches;
std::vector<int> g_levels;
char g_text[32];
char* g_cells[1] = {g_text};
ItemRecord g_record;
void CALLBACK FetchOutline(HWND, QelData, int index, ItemRecord** buffer) {
    ++g_fetches;
    wsprintfA(g_text, "Row %d", index);
    g_record.cells = g_cells;
    g_record.flags = QELBOX_ITEM_ENABLED | static_cast<DWORD>(g_levels[static_cast<size_t>(index)])
                                               << QELBOX_ITEM_LEVELSHIFT;
    *buffer = &g_record;
}

class OutlineTest : public ControlTest {
  protected:
    HWND CreateWide() {
        created_.push_back(CreateControl(QELBOXSTYLE_SIMPLE, WS_VSCROLL, 1, 0, 0, 600, 240));
        return created_.back();
    }
    static Outline Read(HWND c) {
        Outline outline;
        for (int i = 0; i < QelBox_GetCount(c); ++i)
            outline.levels.push_back(QelBox_GetItemLevel(c, i));
        return outline;
    }

    // Paints the list from `top` and compares every visible row's tree
    // lines with the outline, and the picture with the one of the virtual
    // twin (if any); returns the number of rows checked.
    static int CheckLines(HWND c, HWND twin, const Outline& outline, int top) {
        QelBox_SetTopIndex(c, top);
        if (twin) QelBox_SetTopIndex(twin, top);
        const Image image = Capture(QelBox_GetHWNDDropDown(c));
        EXPECT_TRUE(!twin || Capture(QelBox_GetHWNDDropDown(twin)).pixels == image.pixels) << top;
        const int unit = (QelBox_GetOverheadWidth(c) - 2) / 63; // tree depth 63 is reached
        const int height = QelBox_GetItemHeight(c, 0);
        const COLORREF line = GetSysColor(COLOR_BTNSHADOW);
        int rows = 0;
        for (int i = QelBox_GetTopIndex(c), y = 0; y + height <= image.height; ++i, y += height) {
            if (i >= static_cast<int>(outline.levels.size())) break;
            std::set<int> upper, lower;
            outline.Lines(i, &upper, &lower);
            for (int k = 0; k < outline.levels[static_cast<size_t>(i)]; ++k) {
                const int x = 2 + k * unit + unit / 2;
                if (x >= image.width) break;
                EXPECT_EQ(image.At(x, y + 1) == line, upper.count(k) == 1)
                    << "row " << i << " level " << k << " top " << top;
                EXPECT_EQ(image.At(x, y + height - 2) == line, lower.count(k) == 1)
                    << "row " << i << " level " << k << " top " << top;
            }
            ++rows;
        }
        return rows;
    }
};

TEST_F(OutlineTest, EveryRowShowsTheLinesOfItsOutlineAcrossChanges) {
    HWND c = CreateWide(), twin = CreateWide();
    std::mt19937 random(2024);
    const int n = 3000;
    AddRows(c, n);
    // The tree area is as deep as it can get (63 levels), whatever the
    // outline; the virtual twin shows the same outline at first.
    g_levels = RandomOutline(random, n).levels;
    QelBox_SetItemLevel(c, 0, 63);
    for (size_t i = 0; i < g_levels.size(); ++i)
        QelBox_SetItemLevel(c, static_cast<int>(i), g_levels[i]);
    ASSERT_EQ(QelBox_VirtualInitialize(twin, FetchOutline, nullptr, 0), 1);
    ASSERT_EQ(QelBox_VirtualCount(twin, n), 1);
    QelBox_SetShowTreeLines(c, TRUE);
    QelBox_SetShowTreeLines(twin, TRUE);

    // Each change is followed by paints at random places, and at the place
    // of the change.
    auto any = [&] { return static_cast<int>(random() % unsigned(QelBox_GetCount(c))); };
    const std::vector<std::function<int()>> changes = {
        [&] {
            const int i = any() | 1;
            return QelBox_SetItemLevel(c, i, int(random() % 64)), i;
        },
        [&] {
            const int i = any();
            return QelBox_DeleteString(c, i), i;
        },
        [&] {
            const int i = any();
            QelBox_InsertString_A(c, i, "new");
            return QelBox_SetItemLevel(c, i, int(random() % 64)), i;
        },
        [&] {
            const int i = any();
            return QelBox_SortItems(c, QelBox_GetParent(c, i), 0, nullptr), i;
        },
        [&] {
            const int i = QelBox_AddString_A(c, "last");
            return QelBox_SetItemLevel(c, i, 1), i;
        },
    };
    int checked = 0;
    for (int round = 0; round < 12 && !HasFailure(); ++round) {
        const int at = round == 0 ? 0 : changes[static_cast<size_t>(round) % changes.size()]();
        const Outline outline = Read(c);
        HWND same = round == 0 ? twin : nullptr;
        checked += CheckLines(c, same, outline, at > 5 ? at - 5 : 0);
        checked += CheckLines(c, same, outline, static_cast<int>(random() % outline.levels.size()));
    }
    EXPECT_GT(checked, 100);

    // One parent and all other rows its children, painted in the middle:
    // the first paint learns the levels up to the parent; later paints and
    // a one-row scroll fetch each shown row at most twice, also when a paint
    // starts with an item still fetched from the paint before.
    std::fill(g_levels.begin(), g_levels.end(), 1);
    g_levels[0] = 0;
    QelBox_VirtualItemChanged(twin, -1);
    QelBox_SetTopIndex(twin, n / 2);
    const int shown = QelBox_GetItemsShown(twin);
    for (int paint = 0; paint < 3; ++paint) {
        if (paint == 2) QelBox_SetTopIndex(twin, n / 2 + 1);
        g_fetches = 0;
        Capture(QelBox_GetHWNDDropDown(twin));
        EXPECT_LE(g_fetches, (paint == 0 ? n / 2 + 2 : 0) + 2 * shown) << paint;
    }

    // A row whose level the application changed and announced (it ends the
    // run of its siblings above) is painted as in a stored list of the new
    // shape.
    g_levels[n / 2 + 3] = 0;
    QelBox_VirtualItemChanged(twin, n / 2 + 3);
    QelBox_ResetContent(c);
    AddRows(c, n);
    QelBox_SetItemLevel(c, 0, 63);
    for (size_t i = 0; i < g_levels.size(); ++i)
        QelBox_SetItemLevel(c, static_cast<int>(i), g_levels[i]);
    CheckLines(c, twin, Read(c), n / 2);
}

// A release callback that destroys the control while the tree lines of
// virtual rows are painted: the lines' walk over the rows' levels must stop
// using what the destruction freed.
bool g_destroyOnRelease;
ItemRecord g_row = {0, 0, 0, 0, 0, 0, g_cells, QELBOX_ITEM_ENABLED};
void CALLBACK FetchRow(HWND, QelData, int, ItemRecord** buffer) {
    *buffer = &g_row;
}
void CALLBACK ReleaseRow(HWND control, QelData, int index, ItemRecord*) {
    if (g_destroyOnRelease && index == 1) g_destroyOnRelease = false, DestroyWindow(control);
}

TEST_F(OutlineTest, ReleaseCallbackDestroysWhileTreeLinesArePainted) {
    HWND c = Create(QELBOXSTYLE_SIMPLE);
    QelBox_SetShowTreeLines(c, TRUE);
    ASSERT_EQ(QelBox_VirtualInitialize(c, FetchRow, ReleaseRow, 0), 1);
    QelBox_VirtualCount(c, 40);
    QelBox_SetCurSel(c, 1);
    g_destroyOnRelease = true;
    PaintNow(c);
    EXPECT_FALSE(IsWindow(c));
}

} // namespace
