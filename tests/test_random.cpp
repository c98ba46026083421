// A long random sequence of item operations applied both to a drop-down
// list control and to a small model of the outline kept here. The model
// follows the documented rules directly (an outline read from levels, the
// two selections following their items), so any step where the control
// and the model disagree points at a fault in one of the operations.
#include "harness.h"

#include <stdint.h>

#include <algorithm>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

typedef std::vector<std::pair<int, DWORD>> Deletions;

Deletions g_deletions;
void CALLBACK RecordDeletion(HWND, int index, DWORD itemData, DWORD) {
    g_deletions.push_back({index, itemData});
}

std::string Lower(const std::string& text) {
    std::string lower = text;
    for (char& ch : lower)
        if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
    return lower;
}

struct ModelItem {
    bool hasText; // false: the cell holds no text at all
    std::string text;
    int level;
    DWORD data;
};

// The expected state of the control.
class Model {
  public:
    std::vector<ModelItem> items;
    int cur = -1;       // highlighted row
    int committed = -1; // committed row
    int deepest = 0;    // deepest level set since the list was last cleared
    Deletions deletions;

    int Count() const { return static_cast<int>(items.size()); }
    bool Valid(int i) const { return i >= 0 && i < Count(); }
    int Level(int i) const { return items[i].level; }

    // --- relations, straight from their definitions ---

    int Parent(int i) const {
        for (int j = i - 1; j >= 0; --j)
            if (Level(j) < Level(i)) return j;
        return -1;
    }
    // The nearest level-0 item before i; failing that, the earliest item
    // before i that is shallower than i. Level-0 items have none.
    int TopParent(int i) const {
        if (i == 0 || Level(i) == 0) return -1;
        for (int j = i - 1; j >= 0; --j)
            if (Level(j) == 0) return j;
        for (int j = 0; j < i; ++j)
            if (Level(j) < Level(i)) return j;
        return -1;
    }
    // One past the end of the run of deeper items after i.
    int RunEnd(int i) const {
        int end = i + 1;
        while (end < Count() && Level(end) > Level(i))
            ++end;
        return end;
    }
    int FirstDependent(int i) const { return RunEnd(i) > i + 1 ? i + 1 : -1; }
    int LastDependent(int i) const { return RunEnd(i) > i + 1 ? RunEnd(i) - 1 : -1; }
    int DependentCount(int i, bool all) const {
        int n = 0;
        for (int j = i + 1; j < RunEnd(i); ++j)
            n += all || Level(j) == Level(i) + 1;
        return n;
    }
    // The items of i's level inside the stretch bounded by the nearest
    // shallower items on either side.
    std::vector<int> Siblings(int i) const {
        int lo = 0;
        for (int j = i - 1; j >= 0; --j)
            if (Level(j) < Level(i)) {
                lo = j + 1;
                break;
            }
        int hi = Count() - 1;
        for (int j = i + 1; j < Count(); ++j)
            if (Level(j) < Level(i)) {
                hi = j - 1;
                break;
            }
        std::vector<int> siblings;
        for (int j = lo; j <= hi; ++j)
            if (Level(j) == Level(i)) siblings.push_back(j);
        return siblings;
    }
    int Sibling(int i, int code) const {
        std::vector<int> s = Siblings(i);
        auto at = std::find(s.begin(), s.end(), i);
        switch (code) {
        case QELBOX_FIRST:
            return s.front();
        case QELBOX_LAST:
            return s.back();
        case QELBOX_PREVIOUS:
            return at == s.begin() ? -1 : *(at - 1);
        case QELBOX_NEXT:
            return at + 1 == s.end() ? -1 : *(at + 1);
        }
        return -1;
    }

    // --- operations ---

    // Every call that changes items first drops an uncommitted highlight.
    void Cancel() { cur = committed; }

    void InsertAt(int index, const ModelItem& item) {
        items.insert(items.begin() + index, item);
        if (cur >= 0 && index <= cur) ++cur;
        if (committed >= 0 && index <= committed) ++committed;
    }
    int Insert(int index, const ModelItem& item) {
        Cancel();
        if (index < 0 || index >= Count()) index = Count();
        InsertAt(index, item);
        return index;
    }
    void Remove(int index) {
        deletions.push_back({index, items[index].data});
        items.erase(items.begin() + index);
        if (index == cur)
            cur = -1;
        else if (index < cur)
            --cur;
        if (index == committed)
            committed = -1;
        else if (index < committed)
            --committed;
    }
    int Delete(int index) {
        if (!Valid(index)) return -1;
        Cancel();
        Remove(index);
        return Count();
    }
    int SetLevel(int index, int level) {
        if (!Valid(index)) return 0;
        level = std::min(std::max(level, 0), 63);
        items[index].level = level;
        deepest = std::max(deepest, level);
        return 1;
    }
    int DeleteDependents(int index) {
        if (!Valid(index)) return -1;
        Cancel();
        while (index + 1 < Count() && Level(index + 1) > Level(index))
            Remove(index + 1);
        return Count();
    }
    int Copy(int from, int to) {
        if (!Valid(from)) return -1;
        Cancel();
        ModelItem copy = items[from];
        return Insert(to, copy);
    }
    int Move(int from, int to) {
        if (!Valid(from)) return -1;
        Cancel();
        const ModelItem item = items[from];
        const int target = (to < 0 || to >= Count()) ? Count() : to;
        InsertAt(target, item);
        // The original is now one further down when the item went in above it.
        const int original = target <= from ? from + 1 : from;
        items.erase(items.begin() + original); // no delete callback
        if (original == cur)
            cur = -1;
        else if (original < cur)
            --cur;
        if (original == committed)
            committed = -1;
        else if (original < committed)
            --committed;
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
    int FindItem(int start, DWORD data) const {
        if (start < 0) return -1;
        for (int i = start; i < Count(); ++i)
            if (items[i].data == data) return i;
        return -1;
    }
    // The rows a text search visits, in order.
    std::vector<int> VisitOrder(int start, bool wrap) const {
        std::vector<int> order;
        const int n = Count();
        if (n < 1 || start < -1 || start >= n) return order;
        if (start == -1 || start == n - 1) {
            for (int i = 0; i < n; ++i)
                order.push_back(i);
        } else {
            for (int i = start + 1; i < n; ++i)
                order.push_back(i);
            if (wrap)
                for (int i = 0; i <= start; ++i)
                    order.push_back(i);
        }
        return order;
    }
    int Find(int start, const std::string& text, bool wrap, bool exact) const {
        const std::string wanted = Lower(text);
        for (int i : VisitOrder(start, wrap)) {
            if (!items[i].hasText) continue;
            const std::string cell = Lower(items[i].text);
            if (exact ? cell == wanted
                      : cell.compare(0, wanted.size(), wanted) == 0 && cell.size() >= wanted.size())
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
        ModelItem item = {true, "", 0, 1000 + nextData_++};
        const int kind = Pick(0, 99);
        if (kind < 4) {
            item.hasText = false;
        } else if (kind < 8) {
            item.text = "";
        } else {
            static const char* const prefixes[] = {"ab", "Ab", "ABC", "b", "Ba", "c"};
            item.text = std::string(prefixes[Pick(0, 5)]) + "-" + std::to_string(nextText_++);
        }
        return item;
    }
    int RandomLevel() {
        static const int special[] = {-7, -1, 63, 64, 500};
        if (Chance(6)) return special[Pick(0, 4)];
        return Pick(0, 4);
    }
    std::string SearchText() {
        static const char* const texts[] = {"", "a", "AB", "ab-", "abc", "B", "ba-1", "c-", "zz"};
        if (model_.Count() > 0 && Chance(40)) {
            const ModelItem& item = model_.items[Pick(0, model_.Count() - 1)];
            std::string text = item.text;
            if (Chance(50)) text = Lower(text);
            return text;
        }
        return texts[Pick(0, 8)];
    }

    // Adds or inserts one new item in both, with its own item data; false
    // when the control puts it elsewhere than the model.
    bool AddItem(std::ostringstream& what, bool insert) {
        ModelItem item = NewItem();
        const char* text = item.hasText ? item.text.c_str() : nullptr;
        int expected, actual;
        if (insert) {
            int index = Pick(-3, model_.Count() + 2);
            what << "InsertString(" << index << ", " << (text ? item.text : "<null>") << ")";
            expected = model_.Insert(index, item);
            actual = QelBox_InsertString_A(c_, index, text);
        } else {
            what << "AddString(" << (text ? item.text : "<null>") << ")";
            expected = model_.Insert(-1, item);
            actual = QelBox_AddString_A(c_, text);
        }
        if (actual >= 0) QelBox_SetItemData(c_, actual, item.data);
        EXPECT_EQ(actual, expected) << what.str();
        return actual == expected;
    }

    // Applies one random operation to control and model; false when the
    // results differ.
    bool Step() {
        std::ostringstream what;
        const int n = model_.Count();
        // Keep the list at a size where every relation stays cheap to check.
        int op = Pick(0, 99);
        if (n > 45 && op < 30) op += 40;
        int selChanges = 0;
        int expected = 0, actual = 0;
        if (op < 16) {
            return AddItem(what, false) && Check(what.str(), 0);
        } else if (op < 30) {
            return AddItem(what, true) && Check(what.str(), 0);
        } else if (op < 40) {
            int index = Pick(-1, n);
            what << "DeleteString(" << index << ")";
            expected = model_.Delete(index);
            actual = QelBox_DeleteString(c_, index);
        } else if (op < 58) {
            int index = Pick(-1, n);
            int level = RandomLevel();
            what << "SetItemLevel(" << index << ", " << level << ")";
            expected = model_.SetLevel(index, level);
            actual = QelBox_SetItemLevel(c_, index, level);
        } else if (op < 65) {
            int from = Pick(-1, n), to = Pick(-2, n + 2);
            what << "CopyItem(" << from << ", " << to << ")";
            expected = model_.Copy(from, to);
            actual = QelBox_CopyItem(c_, from, to);
            if (expected >= 0) ++seen_.copies;
            if (actual >= 0 && actual == expected) {
                if (!Check(what.str(), 0)) return false;
                // Give the copy a text of its own so that the committed row
                // stays recognisable by its text.
                ModelItem& copy = model_.items[actual];
                if (copy.hasText) {
                    copy.text = "c-" + std::to_string(nextText_++);
                    QelBox_SetText_A(c_, actual, 0, copy.text.c_str());
                }
                return Check(what.str() + " and rename", 0);
            }
        } else if (op < 75) {
            int from = Pick(-1, n), to = Pick(-2, n + 2);
            what << "MoveItem(" << from << ", " << to << ")";
            expected = model_.Move(from, to);
            actual = QelBox_MoveItem(c_, from, to);
            if (expected >= 0) ++seen_.moves;
        } else if (op < 79) {
            int index = Pick(-1, n);
            what << "DeleteDependents(" << index << ")";
            expected = model_.DeleteDependents(index);
            actual = QelBox_DeleteDependents(c_, index);
            seen_.dependentsDeleted += static_cast<int>(model_.deletions.size());
        } else if (op < 85) {
            int index = Pick(-2, n);
            what << "SetCurSel(" << index << ")";
            expected = model_.SetCurSel(index);
            actual = QelBox_SetCurSel(c_, index);
            selChanges = expected == 0 ? 1 : 0;
        } else if (op < 96) {
            int start = Pick(-2, n);
            bool wrap = Chance(50);
            bool exact = Chance(50);
            bool select = Chance(40);
            std::string text = SearchText();
            what << (select ? "Select" : "Find") << (exact ? "StringExact" : "String") << "("
                 << start << ", \"" << text << "\", " << wrap << ")";
            expected = model_.Find(start, text, wrap, exact);
            if (expected >= 0) ++seen_.searchHits;
            if (select) {
                model_.SetCurSel(expected);
                selChanges = 1;
                actual = exact ? QelBox_SelectStringExact_A(c_, start, 0, text.c_str(), wrap)
                               : QelBox_SelectString_A(c_, start, 0, text.c_str(), wrap);
            } else {
                actual = exact ? QelBox_FindStringExact_A(c_, start, 0, text.c_str(), wrap)
                               : QelBox_FindString_A(c_, start, 0, text.c_str(), wrap);
            }
        } else if (op < 99) {
            int start = Pick(-2, n);
            DWORD data = n > 0 && Chance(70) ? model_.items[Pick(0, n - 1)].data : 7;
            what << "FindItem(" << start << ", " << data << ")";
            expected = model_.FindItem(start, data);
            actual = QelBox_FindItem(c_, start, data);
        } else {
            what << "ResetContent()";
            model_.Reset();
            QelBox_ResetContent(c_);
        }
        EXPECT_EQ(actual, expected) << what.str();
        if (actual != expected) return false;
        if (model_.committed >= 0) ++seen_.committedSteps;
        return Check(what.str(), selChanges);
    }

    // Compares everything observable with the model, then forgets the
    // notifications and deletions seen.
    bool Check(const std::string& what, int selChanges) {
        const Model& m = model_;
        bool ok = true;
        auto expect = [&](int actual, int expected, const char* field, int index) {
            if (actual == expected) return;
            ADD_FAILURE() << "after " << what << ": " << field << "(" << index << ") is " << actual
                          << ", expected " << expected;
            ok = false;
        };
        expect(QelBox_GetCount(c_), m.Count(), "GetCount", -1);
        if (!ok) return false;
        for (int i = 0; i < m.Count() && ok; ++i) {
            const ModelItem& item = m.items[i];
            if (Text(c_, i) != item.text) {
                ADD_FAILURE() << "after " << what << ": text(" << i << ") is \"" << Text(c_, i)
                              << "\", expected \"" << item.text << "\"";
                ok = false;
            }
            expect(QelBox_GetItemLevel(c_, i), item.level, "GetItemLevel", i);
            expect(static_cast<int>(QelBox_GetItemData(c_, i)), static_cast<int>(item.data),
                   "GetItemData", i);
            expect(QelBox_GetParent(c_, i), m.Parent(i), "GetParent", i);
            expect(QelBox_GetTopParent(c_, i), m.TopParent(i), "GetTopParent", i);
            expect(QelBox_GetDependent(c_, i, QELBOX_FIRST), m.FirstDependent(i), "FirstDep", i);
            expect(QelBox_GetDependent(c_, i, QELBOX_LAST), m.LastDependent(i), "LastDep", i);
            expect(QelBox_GetDependentCount(c_, i, TRUE), m.DependentCount(i, true), "AllDeps", i);
            expect(QelBox_GetDependentCount(c_, i, FALSE), m.DependentCount(i, false), "Direct", i);
            for (int code = QELBOX_FIRST; code <= QELBOX_NEXT; ++code)
                expect(QelBox_GetSibling(c_, i, code), m.Sibling(i, code), "GetSibling",
                       i * 10 + code);
        }
        expect(QelBox_GetCurSel(c_), m.cur, "GetCurSel", -1);

        char buffer[64];
        const int length = QelBox_GetText_A(c_, -1, 0, buffer);
        const int expectedLength =
            m.committed < 0 ? -1 : static_cast<int>(m.items[m.committed].text.size());
        expect(length, expectedLength, "committed text length", m.committed);
        if (length >= 0 && m.committed >= 0 && m.items[m.committed].text != buffer) {
            ADD_FAILURE() << "after " << what << ": committed text \"" << buffer
                          << "\", expected \"" << m.items[m.committed].text << "\"";
            ok = false;
        }
        expect(static_cast<int>(SendMessageA(c_, WM_GETTEXTLENGTH, 0, 0)), expectedLength,
               "WM_GETTEXTLENGTH", m.committed);

        int seen = 0;
        for (int code : Codes(c_))
            seen += code == QELBOXN_SELCHANGE;
        expect(seen, selChanges, "QELBOXN_SELCHANGE count", -1);
        if (g_deletions != m.deletions) {
            ADD_FAILURE() << "after " << what << ": " << g_deletions.size()
                          << " delete callbacks, expected " << m.deletions.size();
            ok = false;
        }
        expect(QelBox_GetOverheadWidth(c_), base_ + unit_ * m.deepest, "overhead width", m.deepest);

        ClearNotes();
        g_deletions.clear();
        model_.deletions.clear();
        return ok;
    }

    // How often the sequence reached the interesting cases.
    struct {
        int moves = 0;
        int copies = 0;
        int dependentsDeleted = 0;
        int searchHits = 0;
        int committedSteps = 0;
    } seen_;
    std::mt19937 rng_{20240611u};
    Model model_;
    HWND c_ = nullptr;
    DWORD nextData_ = 0;
    int nextText_ = 0;
    int base_ = 0;
    int unit_ = 0;
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

    const int kSteps = 4000;
    int maxCount = 0;
    for (int step = 0; step < kSteps; ++step) {
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
    QelBox_SetDeleteCallback(c_, nullptr);
}

} // namespace
