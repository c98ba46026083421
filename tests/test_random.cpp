// A long random sequence of item operations applied both to a drop-down list
// control and to a small model of the outline kept here, which follows the
// documented rules directly. Any step where the two disagree points at a
// fault in one of the operations.
#include "harness.h"

#include <limits.h>

#include <algorithm>
#include <array>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

// Parent, top parent, first and last dependent, number of all and of direct
// dependents, first, last, previous and next sibling.
typedef std::array<int, 10> Relations;

Relations RelationsOf(HWND c, int i) {
    return {QelBox_GetParent(c, i),
            QelBox_GetTopParent(c, i),
            QelBox_GetDependent(c, i, QELBOX_FIRST),
            QelBox_GetDependent(c, i, QELBOX_LAST),
            QelBox_GetDependentCount(c, i, TRUE),
            QelBox_GetDependentCount(c, i, FALSE),
            QelBox_GetSibling(c, i, QELBOX_FIRST),
            QelBox_GetSibling(c, i, QELBOX_LAST),
            QelBox_GetSibling(c, i, QELBOX_PREVIOUS),
            QelBox_GetSibling(c, i, QELBOX_NEXT)};
}

typedef std::vector<std::pair<int, QelData>> Deletions;

Deletions g_deletions;
void CALLBACK RecordDeletion(HWND, int index, QelData itemData, QelData) {
    g_deletions.push_back({index, itemData});
}

std::string Lower(std::string text) {
    for (char& ch : text)
        if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
    return text;
}

struct ModelItem {
    bool hasText; // false: the cell holds no text at all
    std::string text;
    int level;
    QelData data;
};

// The expected state of the control.
struct Model {
    std::vector<ModelItem> items;
    int cur = -1;       // highlighted row
    int committed = -1; // committed row
    int deepest = 0;    // deepest level set since the list was last cleared
    Deletions deletions;

    int Count() const { return static_cast<int>(items.size()); }
    bool Valid(int i) const { return i >= 0 && i < Count(); }
    int Level(int i) const { return items[i].level; }

    Relations Of(int i) const {
        const int level = Level(i);
        // The nearest shallower items before and after i bound its siblings.
        int before = i - 1, after = i + 1;
        while (before >= 0 && Level(before) >= level)
            --before;
        while (after < Count() && Level(after) >= level)
            ++after;
        std::vector<int> s;
        for (int j = before + 1; j < after; ++j)
            if (Level(j) == level) s.push_back(j);
        const size_t at = std::find(s.begin(), s.end(), i) - s.begin();
        // The dependents are the run of deeper items after i.
        int end = i + 1, direct = 0;
        for (; end < Count() && Level(end) > level; ++end)
            direct += Level(end) == level + 1;
        // The top parent is the nearest level-0 item before i; failing that,
        // the earliest shallower one. Level-0 items have none.
        int top = -1;
        for (int j = i - 1; j >= 0 && level > 0 && top < 0; --j)
            if (Level(j) == 0) top = j;
        for (int j = 0; j < i && level > 0 && top < 0; ++j)
            if (Level(j) < level) top = j;
        const int first = end > i + 1 ? i + 1 : -1, last = end > i + 1 ? end - 1 : -1;
        const int prev = at > 0 ? s[at - 1] : -1, next = at + 1 < s.size() ? s[at + 1] : -1;
        return {before, top, first, last, end - i - 1, direct, s.front(), s.back(), prev, next};
    }

    // Every call that changes items first drops an uncommitted highlight.
    void Cancel() { cur = committed; }
    static void Shift(int& sel, int index, int by) {
        if (sel >= 0 && index <= sel) sel = by < 0 && index == sel ? -1 : sel + by;
    }
    void EraseAt(int index, bool callback) {
        if (callback) deletions.push_back({index, items[index].data});
        items.erase(items.begin() + index);
        Shift(cur, index, -1);
        Shift(committed, index, -1);
    }
    int Insert(int index, ModelItem item) {
        Cancel();
        if (!Valid(index)) index = Count();
        items.insert(items.begin() + index, item);
        Shift(cur, index, 1);
        Shift(committed, index, 1);
        return index;
    }
    int Delete(int index) {
        if (!Valid(index)) return -1;
        Cancel();
        EraseAt(index, true);
        return Count();
    }
    int SetLevel(int index, int level) {
        if (!Valid(index)) return 0;
        items[index].level = std::min(std::max(level, 0), QELBOX_MAXLEVEL);
        deepest = std::max(deepest, items[index].level);
        return 1;
    }
    int DeleteDependents(int index) {
        if (!Valid(index)) return -1;
        Cancel();
        while (index + 1 < Count() && Level(index + 1) > Level(index))
            EraseAt(index + 1, true);
        return Count();
    }
    int Copy(int from, int to) { return Valid(from) ? Insert(to, items[from]) : -1; }
    int Move(int from, int to) {
        if (!Valid(from)) return -1;
        const int target = Insert(to, items[from]);
        // The original is one further down when the item went in above it.
        const int original = target <= from ? from + 1 : from;
        EraseAt(original, false);
        return original < target ? target - 1 : target;
    }
    void Reset() {
        for (int i = 0; i < Count(); ++i)
            deletions.push_back({i, items[i].data});
        items.clear();
        cur = committed = -1;
        deepest = 0;
    }
    int SetCurSel(int index) {
        if (index < -1 || index >= Count()) return -1;
        cur = committed = index;
        return 0;
    }
    int FindItem(int start, QelData data) const {
        if (start < 0) return -1;
        for (int i = start; i < Count(); ++i)
            if (items[i].data == data) return i;
        return -1;
    }
    // The search visits the rows after the start, then with wrap-around the
    // start and the rows before it; from -1 or the last row, all rows.
    int Find(int start, const std::string& text, bool wrap, bool exact) const {
        const int n = Count();
        if (n < 1 || start < -1 || start >= n) return -1;
        if (start == n - 1) start = -1;
        const int visits = start == -1 || wrap ? n : n - 1 - start;
        const std::string wanted = Lower(text);
        for (int k = 1; k <= visits; ++k) {
            const int i = (start + k) % n;
            const std::string cell = Lower(items[i].text);
            if (items[i].hasText &&
                (exact ? cell == wanted : cell.compare(0, wanted.size(), wanted) == 0))
                return i;
        }
        return -1;
    }
};

class RandomTreeTest : public ControlTest {
  protected:
    int Pick(int lo, int hi) { return lo + static_cast<int>(rng_() % (hi - lo + 1)); }
    bool Chance(int percent) { return Pick(0, 99) < percent; }

    ModelItem NewItem() {
        static const char* const prefixes[] = {"ab", "Ab", "ABC", "b", "Ba", "c"};
        ModelItem item = {true, "", 0, 1000 + nextData_++};
        const int kind = Pick(0, 99);
        if (kind < 4)
            item.hasText = false;
        else if (kind >= 8)
            item.text = std::string(prefixes[Pick(0, 5)]) + "-" + std::to_string(nextText_++);
        return item;
    }
    int RandomLevel() {
        static const int special[] = {-7, -1, 63, 64, 500};
        return Chance(6) ? special[Pick(0, 4)] : Pick(0, 4);
    }
    std::string SearchText() {
        static const char* const texts[] = {"", "a", "AB", "ab-", "abc", "B", "ba-1", "c-", "zz"};
        if (model_.Count() > 0 && Chance(40)) {
            const std::string& text = model_.items[Pick(0, model_.Count() - 1)].text;
            return Chance(50) ? Lower(text) : text;
        }
        return texts[Pick(0, 8)];
    }
    static std::string Call(const char* name, int a, int b = INT_MIN) {
        return std::string(name) + "(" + std::to_string(a) +
               (b == INT_MIN ? "" : ", " + std::to_string(b)) + ")";
    }

    // Applies one random operation to control and model; false when they
    // disagree.
    bool Step() {
        const int n = model_.Count();
        // Keep the list at a size where every relation stays cheap to check.
        int op = Pick(0, 99);
        if (n > 45 && op < 30) op += 40;
        int selChanges = 0, expected = 0, actual = 0;
        std::string what;
        if (op < 30) {
            ModelItem item = NewItem();
            const char* text = item.hasText ? item.text.c_str() : nullptr;
            const int index = op < 16 ? -1 : Pick(-3, n + 2);
            what = Call("InsertString", index) + " of " + (text ? text : "<null>");
            expected = model_.Insert(index, item);
            actual = QelBox_InsertString_A(c_, index, text);
            if (actual >= 0) QelBox_SetItemData(c_, actual, item.data);
        } else if (op < 40) {
            const int index = Pick(-1, n);
            what = Call("DeleteString", index);
            expected = model_.Delete(index);
            actual = QelBox_DeleteString(c_, index);
        } else if (op < 58) {
            const int index = Pick(-1, n), level = RandomLevel();
            what = Call("SetItemLevel", index, level);
            expected = model_.SetLevel(index, level);
            actual = QelBox_SetItemLevel(c_, index, level);
        } else if (op < 75) {
            const int from = Pick(-1, n), to = Pick(-2, n + 2);
            const bool copy = op < 65;
            what = Call(copy ? "CopyItem" : "MoveItem", from, to);
            expected = copy ? model_.Copy(from, to) : model_.Move(from, to);
            actual = copy ? QelBox_CopyItem(c_, from, to) : QelBox_MoveItem(c_, from, to);
            if (expected >= 0) ++(copy ? seen_.copies : seen_.moves);
            if (copy && actual >= 0 && actual == expected) {
                if (!Check(what, 0)) return false;
                // The copy gets a text of its own so that the committed row
                // stays recognisable by its text.
                ModelItem& item = model_.items[actual];
                if (item.hasText) {
                    item.text = "c-" + std::to_string(nextText_++);
                    QelBox_SetText_A(c_, actual, 0, item.text.c_str());
                }
                what += " and rename";
            }
        } else if (op < 79) {
            const int index = Pick(-1, n);
            what = Call("DeleteDependents", index);
            expected = model_.DeleteDependents(index);
            actual = QelBox_DeleteDependents(c_, index);
            seen_.dependentsDeleted += static_cast<int>(model_.deletions.size());
        } else if (op < 85) {
            const int index = Pick(-2, n);
            what = Call("SetCurSel", index);
            expected = model_.SetCurSel(index);
            actual = QelBox_SetCurSel(c_, index);
            selChanges = expected == 0;
        } else if (op < 96) {
            const int start = Pick(-2, n);
            const bool wrap = Chance(50), exact = Chance(50), select = Chance(40);
            const std::string text = SearchText();
            const auto search = select
                                    ? (exact ? QelBox_SelectStringExact_A : QelBox_SelectString_A)
                                    : (exact ? QelBox_FindStringExact_A : QelBox_FindString_A);
            what = Call(select ? "Select" : "Find", start, wrap) + (exact ? " exact " : " ") + text;
            expected = model_.Find(start, text, wrap, exact);
            actual = search(c_, start, 0, text.c_str(), wrap);
            seen_.searchHits += expected >= 0;
            if (select) model_.SetCurSel(expected); // a failed search clears it
            selChanges = select;
        } else if (op < 99) {
            const int start = Pick(-2, n);
            const QelData data = n > 0 && Chance(70) ? model_.items[Pick(0, n - 1)].data : 7;
            what = Call("FindItem", start, static_cast<int>(data));
            expected = model_.FindItem(start, data);
            actual = QelBox_FindItem(c_, start, data);
        } else {
            what = "ResetContent()";
            model_.Reset();
            QelBox_ResetContent(c_);
        }
        EXPECT_EQ(actual, expected) << what;
        if (HasFailure()) return false;
        if (model_.committed >= 0) ++seen_.committedSteps;
        return Check(what, selChanges);
    }

    // Compares everything observable with the model, then forgets the
    // notifications and deletions seen.
    bool Check(const std::string& what, int selChanges) {
        SCOPED_TRACE("after " + what);
        const Model& m = model_;
        EXPECT_EQ(QelBox_GetCount(c_), m.Count());
        for (int i = 0; i < m.Count() && !HasFailure(); ++i) {
            EXPECT_EQ(Text(c_, i), m.items[i].text) << "item " << i;
            EXPECT_EQ(QelBox_GetItemLevel(c_, i), m.Level(i)) << "item " << i;
            EXPECT_EQ(QelBox_GetItemData(c_, i), m.items[i].data) << "item " << i;
            const Relations r = m.Of(i);
            EXPECT_EQ(RelationsOf(c_, i), r) << "item " << i;
            // Outlines the relation rules single out: a top parent that is
            // not at level 0, and a first dependent more than a level deeper.
            seen_.topWithoutRoot += r[1] >= 0 && m.Level(r[1]) > 0;
            seen_.deepDependent += r[2] >= 0 && m.Level(r[2]) > m.Level(i) + 1;
        }
        EXPECT_EQ(QelBox_GetCurSel(c_), m.cur);
        const std::string committed = m.committed < 0 ? "<error>" : m.items[m.committed].text;
        EXPECT_EQ(Text(c_, -1), committed);
        EXPECT_EQ(SendMessageA(c_, WM_GETTEXTLENGTH, 0, 0),
                  m.committed < 0 ? -1 : static_cast<LRESULT>(committed.size()));
        EXPECT_EQ(CountCode(c_, QELBOXN_SELCHANGE), selChanges);
        EXPECT_EQ(g_deletions, m.deletions);
        EXPECT_EQ(QelBox_GetOverheadWidth(c_), base_ + unit_ * m.deepest);
        ClearNotes();
        g_deletions.clear();
        model_.deletions.clear();
        return !HasFailure();
    }

    // How often the sequence reached the interesting cases.
    struct {
        int moves = 0, copies = 0, dependentsDeleted = 0, searchHits = 0, committedSteps = 0;
        int topWithoutRoot = 0, deepDependent = 0;
    } seen_;
    std::mt19937 rng_{20240611u};
    Model model_;
    HWND c_ = nullptr;
    QelData nextData_ = 0;
    int nextText_ = 0, base_ = 0, unit_ = 0;
};

TEST_F(RandomTreeTest, ControlFollowsTheModelThroughThousandsOfSteps) {
    c_ = Create(QELBOXSTYLE_DROPDOWNLIST);
    ASSERT_NE(c_, nullptr);
    // The tree area widens by one unit per level of the deepest level.
    QelBox_AddString_A(c_, "x");
    base_ = QelBox_GetOverheadWidth(c_);
    QelBox_SetItemLevel(c_, 0, 1);
    unit_ = QelBox_GetOverheadWidth(c_) - base_;
    ASSERT_GT(unit_, 0);
    QelBox_ResetContent(c_);
    ASSERT_EQ(QelBox_GetOverheadWidth(c_), base_);
    DeleteCallbackInfo info = {RecordDeletion, 0};
    ASSERT_EQ(QelBox_SetDeleteCallback(c_, &info), 1);
    g_deletions.clear();
    ClearNotes();

    int maxCount = 0;
    for (int step = 0; step < 4000; ++step) {
        ASSERT_TRUE(Step()) << "at step " << step;
        maxCount = std::max(maxCount, model_.Count());
    }
    // The sequence did reach the cases worth checking.
    EXPECT_GT(maxCount, 20);
    EXPECT_GT(seen_.moves, 100);
    EXPECT_GT(seen_.copies, 100);
    EXPECT_GT(seen_.dependentsDeleted, 10);
    EXPECT_GT(seen_.searchHits, 50);
    EXPECT_GT(seen_.committedSteps, 500);
    EXPECT_GT(seen_.topWithoutRoot, 100);
    EXPECT_GT(seen_.deepDependent, 100);
    QelBox_SetDeleteCallback(c_, nullptr);
}

} // namespace
