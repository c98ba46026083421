// Tree lines of long outlines: parents far above the top row, sibling runs
// that end far below the bottom, deep chains. Every painted row must show
// exactly the lines its outline asks for, also after levels, insertions,
// deletions and sorting changed the outline between paints; a virtual list
// of the same outline paints the same picture and fetches each shown row at
// most twice.
#include "harness.h"
#include "pixels.h"

#include <random>
#include <set>

namespace {

const int kLevelShift = QELBOX_ITEM_LEVELSHIFT;

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
            if (FollowingSibling(a, q + 1, levels[a])) {
                upper->insert(q);
                lower->insert(q);
            }
        }
    }
};

int min(int a, int b) {
    return a < b ? a : b;
}

// Long sibling runs, deep chains and jumps of several levels at once.
Outline RandomOutline(std::mt19937& random, int n) {
    Outline outline;
    int level = 0;
    while (static_cast<int>(outline.levels.size()) < n) {
        const int kind = static_cast<int>(random() % 10);
        if (kind == 0) {
            const int run = 70 + static_cast<int>(random() % 200);
            for (int k = 0; k < run; ++k)
                outline.levels.push_back(level);
        } else if (kind == 1) {
            for (int l = level; l <= 63; ++l)
                outline.levels.push_back(l);
            level = static_cast<int>(random() % 64);
        } else {
            level = static_cast<int>(random() % static_cast<unsigned>(min(63, level + 3) + 1));
            outline.levels.push_back(level);
        }
    }
    outline.levels.resize(static_cast<size_t>(n));
    outline.levels[0] = 0;
    return outline;
}

class OutlineTest : public ControlTest {
  protected:
    HWND CreateWide() {
        HWND c = CreateControl(QELBOXSTYLE_SIMPLE, WS_VSCROLL, 1, 0, 0, 600, 240);
        created_.push_back(c);
        return c;
    }

    // Gives the rows the outline's levels; the tree area is as deep as it
    // can get (63 levels), whatever the outline.
    static void Apply(HWND c, const Outline& outline) {
        QelBox_SetItemLevel(c, 0, 63);
        for (size_t i = 0; i < outline.levels.size(); ++i)
            QelBox_SetItemLevel(c, static_cast<int>(i), outline.levels[i]);
    }

    static Outline Read(HWND c) {
        Outline outline;
        for (int i = 0; i < QelBox_GetCount(c); ++i)
            outline.levels.push_back(QelBox_GetItemLevel(c, i));
        return outline;
    }

    // Paints the list from `top` and compares every visible row's tree
    // lines with the outline; returns the number of rows checked.
    static int CheckLines(HWND c, const Outline& outline, int top) {
        QelBox_SetTopIndex(c, top);
        HWND list = QelBox_GetHWNDDropDown(c);
        const Image image = Capture(list);
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
    HWND c = CreateWide();
    std::mt19937 random(2024);
    const int n = 3000;
    AddRows(c, n);
    Outline outline = RandomOutline(random, n);
    Apply(c, outline);
    QelBox_SetShowTreeLines(c, TRUE);

    // Each change is followed by paints at random places, and at the place
    // of the change.
    const std::vector<std::function<int(HWND)>> changes = {
        [&](HWND h) {
            const int i = 1 + static_cast<int>(random() % (n - 1));
            QelBox_SetItemLevel(h, i, static_cast<int>(random() % 64));
            return i;
        },
        [&](HWND h) {
            const int i = static_cast<int>(random() % static_cast<unsigned>(QelBox_GetCount(h)));
            QelBox_DeleteString(h, i);
            return i;
        },
        [&](HWND h) {
            const int i = static_cast<int>(random() % static_cast<unsigned>(QelBox_GetCount(h)));
            QelBox_InsertString_A(h, i, "new");
            QelBox_SetItemLevel(h, i, static_cast<int>(random() % 64));
            return i;
        },
        [&](HWND h) {
            const int i = static_cast<int>(random() % static_cast<unsigned>(QelBox_GetCount(h)));
            QelBox_SortItems(h, QelBox_GetParent(h, i), 0, nullptr);
            return i;
        },
        [&](HWND h) {
            QelBox_AddString_A(h, "last");
            QelBox_SetItemLevel(h, QelBox_GetCount(h) - 1, 1);
            return QelBox_GetCount(h) - 1;
        },
    };
    int checked = 0;
    for (int round = 0; round < 12; ++round) {
        const int at = round == 0 ? 0 : changes[static_cast<size_t>(round) % changes.size()](c);
        outline = Read(c);
        const int count = static_cast<int>(outline.levels.size());
        checked += CheckLines(c, outline, at > 5 ? at - 5 : 0);
        checked += CheckLines(c, outline, static_cast<int>(random() % count));
        if (HasFailure()) break;
    }
    EXPECT_GT(checked, 100);
}

// A virtual list of the same outline: the same picture, and each shown row
// fetched at most twice besides the one walk up to the parent.
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
                                               << kLevelShift;
    *buffer = &g_record;
}

TEST_F(OutlineTest, VirtualListsPaintTheSameWithFewFetches) {
    HWND stored = CreateWide();
    HWND c = CreateWide();
    std::mt19937 random(7);
    const int n = 2000;
    AddRows(stored, n);
    const Outline outline = RandomOutline(random, n);
    Apply(stored, outline);
    g_levels = outline.levels;
    ASSERT_EQ(QelBox_VirtualInitialize(c, FetchOutline, nullptr, 0), 1);
    ASSERT_EQ(QelBox_VirtualCount(c, n), 1);
    QelBox_SetShowTreeLines(stored, TRUE);
    QelBox_SetShowTreeLines(c, TRUE);
    for (int top : {0, 137, 999, n - 30}) {
        QelBox_SetTopIndex(stored, top);
        QelBox_SetTopIndex(c, top);
        EXPECT_EQ(Capture(QelBox_GetHWNDDropDown(c)).pixels,
                  Capture(QelBox_GetHWNDDropDown(stored)).pixels)
            << top;
    }

    // One parent and all other rows its children, painted in the middle.
    std::fill(g_levels.begin(), g_levels.end(), 1);
    g_levels[0] = 0;
    QelBox_VirtualItemChanged(c, -1);
    QelBox_SetTopIndex(c, n / 2);
    const int shown = QelBox_GetItemsShown(c);
    // The first paint and a repeated one (which starts with an item still
    // fetched from the paint before).
    for (int paint = 0; paint < 2; ++paint) {
        g_fetches = 0;
        Capture(QelBox_GetHWNDDropDown(c));
        EXPECT_LE(g_fetches, n / 2 + 2 * (shown + 2)) << paint;
    }
}

} // namespace
