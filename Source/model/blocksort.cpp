// A stable merge sort of sibling blocks. Each block is read once for its
// key; the blocks are merged by index, and the rows are then copied into
// their new order in one pass, so the work is O(n log n) comparisons and
// O(n) row moves however the rows are grouped.
#include "model/blocksort.h"

#include <string.h>

#include "base/memory.h"
#include "base/unicode.h"
#include "model/hierarchy.h"
#include "model/items.h"
#include "model/levelindex.h"

namespace {

// One sibling block: where it starts, how many rows it has, its key.
struct Block {
    int start;
    int length;
    SortKey key;
};

// One merge sort in progress: the blocks and the index arrays it orders,
// the row generation it started from, and whether a callback changed the
// rows since. Each sort has its own, so a sort run from inside a compare
// callback leaves the outer one's state alone.
struct MergeRun {
    ControlRecord* rec;
    const Block* blocks;
    int* order;
    int* scratch;
    const Comparison& compare;
    unsigned generation;
    bool aborted;
};

// Heap arrays of the library's allocator, freed on every path.
template <typename T> class TempArray {
  public:
    explicit TempArray(size_t count)
        : data_(static_cast<T*>(QelMalloc(sizeof(T) * (count ? count : 1)))) {}
    ~TempArray() { QelFree(data_); }
    TempArray(const TempArray&) = delete;
    TempArray& operator=(const TempArray&) = delete;
    T* get() const { return data_; }
    T& operator[](size_t i) const { return data_[i]; }

  private:
    T* data_;
};

// Merges the sorted runs order[lo, mid) and order[mid, hi) into scratch and
// back. A block of the right run goes first only when the left one belongs
// strictly after it, so equal blocks keep their order.
void Merge(MergeRun& run, int lo, int mid, int hi) {
    const Block* blocks = run.blocks;
    int* order = run.order;
    int* scratch = run.scratch;
    int left = lo;
    int right = mid;
    int out = lo;
    while (left < mid && right < hi) {
        const bool after = KeyBelongsAfter(run.rec, blocks[order[left]].key,
                                           blocks[order[right]].key, run.compare);
        // A callback that changed the rows or destroyed the control makes
        // the keys stale: the sort stops and moves nothing.
        if (SortInterrupted(run.rec, run.generation, run.compare)) {
            run.aborted = true;
            return;
        }
        if (after)
            scratch[out++] = order[right++];
        else
            scratch[out++] = order[left++];
    }
    while (left < mid)
        scratch[out++] = order[left++];
    while (right < hi)
        scratch[out++] = order[right++];
    memcpy(order + lo, scratch + lo, sizeof(int) * static_cast<size_t>(hi - lo));
}

// Bottom-up merge sort of order[lo, hi).
void MergeSort(MergeRun& run, int lo, int hi) {
    for (int width = 1; width < hi - lo && !run.aborted; width *= 2) {
        for (int start = lo; start + width < hi && !run.aborted; start += 2 * width) {
            const int mid = start + width;
            const int end = (hi - mid > width) ? mid + width : hi;
            Merge(run, start, mid, end);
        }
    }
}

// Under the five-argument callback a block with a null text is compared
// with nothing: it stays where it is and divides the blocks into runs
// that are sorted separately.
bool IsFixed(const Block& block, const Comparison& compare) {
    return !IsExtended(compare) && !block.key.text;
}

} // namespace

AnsiKeys::~AnsiKeys() {
    QelFree(text_[0]);
    QelFree(text_[1]);
}

bool AnsiKeys::Reserve(size_t bytes) {
    for (int i = 0; i < 2; ++i) {
        if (capacity_[i] >= bytes) continue;
        void* grown = QelRealloc(text_[i], bytes);
        if (!grown) {
            failed_ = true;
            return false;
        }
        text_[i] = static_cast<char*>(grown);
        capacity_[i] = bytes;
    }
    return true;
}

const char* AnsiKeys::Convert(int which, const wchar_t* text) {
    if (!text) return nullptr;
    if (!Reserve(static_cast<size_t>(AnsiLength(text)) + 1)) return nullptr;
    CopyAnsi(text, text_[which]);
    return text_[which];
}

int LocaleCompare(LCID locale, const wchar_t* text1, const wchar_t* text2) {
    if (!text1 || !text2) return -2;
    // CompareStringW answers 1, 2 or 3 for less, equal and greater, 0 on
    // failure.
    return CompareStringW(locale, 0, text1, -1, text2, -1) - 2;
}

SortKey KeyOf(ControlRecord* rec, int index, int column) {
    const Item* item = GetItem(rec, index);
    SortKey key = {item->cells[column], item->itemData,
                   item->cellInfo ? item->cellInfo[column].cellData : 0};
    ReleaseItem(rec);
    return key;
}

bool KeyBelongsAfter(ControlRecord* rec, const SortKey& a, const SortKey& b,
                     const Comparison& compare) {
    if (compare.extendedW)
        return compare.extendedW(rec->hwndControl, a.text, b.text, a.itemData, b.itemData,
                                 a.cellData, b.cellData) > 0;
    if (compare.extended) {
        const char* textA = compare.ansi->Convert(0, a.text);
        const char* textB = compare.ansi->Convert(1, b.text);
        if (compare.ansi->failed()) return false;
        return compare.extended(rec->hwndControl, textA, textB, a.itemData, b.itemData, a.cellData,
                                b.cellData) > 0;
    }
    if (!a.text || !b.text) return false;
    if (compare.plainW)
        return compare.plainW(rec->hwndControl, a.text, b.text, a.itemData, b.itemData) > 0;
    if (compare.plain) {
        const char* textA = compare.ansi->Convert(0, a.text);
        const char* textB = compare.ansi->Convert(1, b.text);
        if (compare.ansi->failed()) return false;
        return compare.plain(rec->hwndControl, textA, textB, a.itemData, b.itemData) > 0;
    }
    return LocaleCompare(rec->locale, a.text, b.text) > 0;
}

bool SortBlocksStable(ControlRecord* rec, int first, int column, const Comparison& compare,
                      int* tracked) {
    // The blocks end where the siblings end: at the first row shallower
    // than `first`, or at the end of the list.
    const int level = ItemLevel(rec, first);
    int end = first + 1;
    int count = 1;
    while (end < rec->itemCount) {
        const int l = ItemLevel(rec, end);
        if (l < level) break;
        if (l == level) ++count;
        ++end;
    }
    const int rows = end - first;

    TempArray<Block> blocks(static_cast<size_t>(count));
    TempArray<int> order(static_cast<size_t>(count));
    TempArray<int> scratch(static_cast<size_t>(count));
    TempArray<StoredRow*> moved(static_cast<size_t>(rows));
    if (!blocks.get() || !order.get() || !scratch.get() || !moved.get()) return false;

    int b = 0;
    for (int i = first; i < end; ++i) {
        if (ItemLevel(rec, i) != level) continue;
        blocks[b] = {i, 1, KeyOf(rec, i, column)};
        if (b > 0) blocks[b - 1].length = i - blocks[b - 1].start;
        order[b] = b;
        ++b;
    }
    blocks[count - 1].length = end - blocks[count - 1].start;

    // Sort each run between fixed blocks.
    MergeRun run = {rec,     blocks.get(),       order.get(), scratch.get(),
                    compare, rec->rowGeneration, false};
    int runStart = 0;
    for (int i = 0; i <= count; ++i) {
        if (i < count && !IsFixed(blocks[i], compare)) continue;
        if (i - runStart > 1) MergeSort(run, runStart, i);
        runStart = i + 1;
    }

    if (run.aborted) return false;

    // Copy the rows into their new order and follow the tracked row.
    StoredRow** items = rec->items;
    int to = 0;
    int newTracked = *tracked;
    for (int k = 0; k < count; ++k) {
        const Block& block = blocks[order[k]];
        memcpy(moved.get() + to, items + block.start,
               sizeof(StoredRow*) * static_cast<size_t>(block.length));
        if (*tracked >= block.start && *tracked < block.start + block.length)
            newTracked = first + to + (*tracked - block.start);
        to += block.length;
    }
    memcpy(items + first, moved.get(), sizeof(StoredRow*) * static_cast<size_t>(rows));
    LevelsChanged(rec, first);
    *tracked = newTracked;
    return true;
}
