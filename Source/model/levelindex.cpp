// The level summary of stored lists, the answers remembered within one
// paint, and the scans over the learnt levels of virtual lists; see
// levelindex.h.
//
// The summary is a pyramid: layer 0 holds every item's level as a byte,
// each entry of layer k + 1 the minimum of a group of kFan entries of
// layer k. A question climbs from the item's group until a group holds a
// level that answers it, then descends into that group, so it reads at
// most 2 * kFan entries per layer.
#include "model/levelindex.h"

#include <string.h>

#include <new>

#include "base/memory.h"
#include "model/items.h"
#include "model/virtuallevels.h"

namespace {

const int kFan = 32;
const int kMaxLayers = 8; // 32^7 exceeds any item count
// Scans that end within this many items are not worth the summary.
const int kShortScan = 64;
const int kLevels = QELBOX_MAXLEVEL + 1;

// A remembered answer for one level: no item strictly between `from` and
// `to` has the property asked for (below the level for parents, at most
// the level for sibling runs); `to` is the answer for `from`.
struct Span {
    int from;
    int to;
};

} // namespace

struct LevelIndex {
    // Summary of a stored list.
    unsigned char* data = nullptr;
    int capacity = 0; // items the layers have room for
    int valid = 0;    // items 0..valid-1 are summarised
    int layerCount = 0;
    int layerStart[kMaxLayers] = {};

    // Levels of a virtual list read so far.
    VirtualLevels* learnt = nullptr;

    // Answers remembered within one paint.
    int paintDepth = 0;
    Span parents[kLevels]; // PrevShallower answers by level (from > to)
    Span runEnds[kLevels]; // NextNotDeeper answers by level (from < to)
};

namespace {

void ForgetAnswers(LevelIndex* x) {
    for (int l = 0; l < kLevels; ++l) {
        x->parents[l] = {-1, -1};
        x->runEnds[l] = {-1, -1};
    }
}

LevelIndex* IndexOf(ControlRecord* rec, bool create) {
    // A destroyed control gets no new index: nothing would free it.
    if (!rec->levelIndex && create && !Died(rec)) {
        void* block = QelMalloc(sizeof(LevelIndex));
        if (!block) return nullptr;
        rec->levelIndex = new (block) LevelIndex();
        ForgetAnswers(rec->levelIndex);
    }
    return rec->levelIndex;
}

bool Painting(const ControlRecord* rec) {
    return rec->levelIndex && rec->levelIndex->paintDepth > 0;
}

int StoredLevel(const ControlRecord* rec, int index) {
    return LevelFromFlags(rec->items[index]->flags);
}

int LayerSize(int items, int layer) {
    int size = items;
    for (int k = 0; k < layer; ++k)
        size = (size + kFan - 1) / kFan;
    return size;
}

// Makes room for `items` levels; false when memory runs out.
bool Reserve(LevelIndex* x, int items) {
    if (items <= x->capacity && x->data) return true;
    const int capacity = items + items / 2 + kFan;
    int starts[kMaxLayers] = {};
    size_t total = 0;
    int layers = 0;
    for (int size = capacity; layers < kMaxLayers; ++layers) {
        starts[layers] = static_cast<int>(total);
        total += static_cast<size_t>(size);
        if (size == 1) {
            ++layers;
            break;
        }
        size = (size + kFan - 1) / kFan;
    }
    void* block = QelMalloc(total);
    if (!block) return false;
    QelFree(x->data);
    x->data = static_cast<unsigned char*>(block);
    x->capacity = capacity;
    x->layerCount = layers;
    memcpy(x->layerStart, starts, sizeof(starts));
    x->valid = 0;
    return true;
}

// The summary of the whole stored list, brought up to date; null when
// memory runs out (the caller scans instead).
const LevelIndex* Summary(ControlRecord* rec) {
    LevelIndex* x = IndexOf(rec, true);
    const int n = rec->itemCount;
    if (!x || !Reserve(x, n)) return nullptr;
    const int from = min(x->valid, n);
    if (from == n && x->valid == n) return x;
    unsigned char* layer = x->data;
    for (int i = from; i < n; ++i)
        layer[i] = static_cast<unsigned char>(StoredLevel(rec, i));
    int changed = from;
    for (int k = 1; k < x->layerCount; ++k) {
        const unsigned char* below = x->data + x->layerStart[k - 1];
        unsigned char* here = x->data + x->layerStart[k];
        const int belowSize = LayerSize(n, k - 1);
        const int size = LayerSize(n, k);
        changed /= kFan;
        for (int g = changed; g < size; ++g) {
            const int end = min(g * kFan + kFan, belowSize);
            unsigned char low = below[g * kFan];
            for (int j = g * kFan + 1; j < end; ++j)
                if (below[j] < low) low = below[j];
            here[g] = low;
        }
    }
    x->valid = n;
    return x;
}

// Largest j < index (in layer 0) with a level below `level`.
int SummaryPrevBelow(const LevelIndex& x, int n, int index, int level) {
    int k = 0;
    int p = index; // positions below p in layer k are left to search
    int found = -1;
    for (;;) {
        const unsigned char* layer = x.data + x.layerStart[k];
        const int groupStart = p / kFan * kFan;
        for (int j = p - 1; j >= groupStart; --j) {
            if (layer[j] < level) {
                found = j;
                break;
            }
        }
        if (found >= 0) break;
        if (groupStart == 0 || k + 1 >= x.layerCount) return -1;
        p = groupStart / kFan;
        ++k;
    }
    while (k > 0) {
        --k;
        const unsigned char* layer = x.data + x.layerStart[k];
        const int end = min(found * kFan + kFan, LayerSize(n, k));
        for (int j = end - 1; j >= found * kFan; --j) {
            if (layer[j] < level) {
                found = j;
                break;
            }
        }
    }
    return found;
}

// Smallest j > index (in layer 0) with a level of at most `level`.
int SummaryNextAtMost(const LevelIndex& x, int n, int index, int level) {
    int k = 0;
    int p = index + 1; // positions from p on in layer k are left to search
    int found = -1;
    for (;;) {
        const unsigned char* layer = x.data + x.layerStart[k];
        const int size = LayerSize(n, k);
        const int groupEnd = min((p / kFan + 1) * kFan, size);
        for (int j = p; j < groupEnd; ++j) {
            if (layer[j] <= level) {
                found = j;
                break;
            }
        }
        if (found >= 0) break;
        if (groupEnd >= size || k + 1 >= x.layerCount) return -1;
        p = groupEnd / kFan;
        ++k;
    }
    while (k > 0) {
        --k;
        const unsigned char* layer = x.data + x.layerStart[k];
        const int end = min(found * kFan + kFan, LayerSize(n, k));
        for (int j = found * kFan; j < end; ++j) {
            if (layer[j] <= level) {
                found = j;
                break;
            }
        }
    }
    return found;
}

const VirtualLevels* Learnt(const ControlRecord* rec) {
    return rec->levelIndex ? rec->levelIndex->learnt : nullptr;
}

// A fetch went out to the application, which may have announced changed
// levels, changed the count or the mode, or destroyed the control: what
// the scan has seen no longer counts.
bool LevelsMoved(const ControlRecord* rec, unsigned generation) {
    return Died(rec) || !IsVirtual(rec) || rec->levelGeneration != generation;
}

// The scans proper, without remembered answers: the index found, -2 when
// none lies between index and stop, -3 when the levels changed during a
// virtual scan. A virtual scan reads the learnt levels, passing whole
// learnt blocks that cannot hold the answer, and fetches (and learns) the
// rows it does not know yet.
int ScanPrevShallower(ControlRecord* rec, int index, int level, int stop) {
    int i = index - 1;
    if (IsVirtual(rec)) {
        const unsigned generation = rec->levelGeneration;
        for (; i > stop; --i) {
            const LearntScan known = LearntPrevBelow(Learnt(rec), i, stop, level);
            if (known.kind == LearntScan::kFound) return known.at;
            if (known.kind == LearntScan::kNone) return -2;
            i = known.at;
            const int l = LevelAt(rec, i);
            if (LevelsMoved(rec, generation)) return -3;
            if (l < level) return i;
        }
        return -2;
    }
    // A fetch made for the rows asked about before may have left virtual
    // mode: rows beyond the count are not read.
    i = min(i, rec->itemCount - 1);
    for (int steps = 0; i > stop && steps < kShortScan; --i, ++steps)
        if (StoredLevel(rec, i) < level) return i;
    if (i <= stop) return -2;
    if (const LevelIndex* x = Summary(rec)) {
        const int j = SummaryPrevBelow(*x, rec->itemCount, i + 1, level);
        return j > stop ? j : -2;
    }
    for (; i > stop; --i)
        if (StoredLevel(rec, i) < level) return i;
    return -2;
}

int ScanNextNotDeeper(ControlRecord* rec, int index, int level, int stop) {
    int i = index + 1;
    if (IsVirtual(rec)) {
        const unsigned generation = rec->levelGeneration;
        for (; i < stop; ++i) {
            const LearntScan known = LearntNextAtMost(Learnt(rec), i, stop, level);
            if (known.kind == LearntScan::kFound) return known.at;
            if (known.kind == LearntScan::kNone) return -2;
            i = known.at;
            const int l = LevelAt(rec, i);
            if (LevelsMoved(rec, generation)) return -3;
            if (l <= level) return i;
        }
        return -2;
    }
    stop = min(stop, rec->itemCount);
    for (int steps = 0; i < stop && steps < kShortScan; ++i, ++steps)
        if (StoredLevel(rec, i) <= level) return i;
    if (i >= stop) return -2;
    if (const LevelIndex* x = Summary(rec)) {
        const int j = SummaryNextAtMost(*x, rec->itemCount, i - 1, level);
        return j >= 0 && j < stop ? j : -2;
    }
    for (; i < stop; ++i)
        if (StoredLevel(rec, i) <= level) return i;
    return -2;
}

} // namespace

int LevelAt(ControlRecord* rec, int index) {
    // An index from before a change the application made during a scan
    // may lie outside the list now.
    if (index < 0 || index >= rec->itemCount) return 0;
    if (!IsVirtual(rec)) return StoredLevel(rec, index);
    int level = KnownLevel(Learnt(rec), index);
    if (level >= 0) return level;
    const unsigned generation = rec->levelGeneration;
    level = ItemLevel(rec, index);
    // The fetch may have announced changes or freed the index: the level
    // is kept only when nothing moved, in a store looked up again.
    if (LevelsMoved(rec, generation)) return level;
    if (LevelIndex* x = IndexOf(rec, true)) LearnLevel(&x->learnt, rec->itemCount, index, level);
    return level;
}

// Within a paint the answers are remembered by level: rows are painted from
// the top down, so the next row's question usually continues where the
// last one ended, and an ancestor's question is asked again for each row.
// An answer found while the levels changed is neither kept nor given: the
// changed rows are painted again.
int PrevShallower(ControlRecord* rec, int index, int level) {
    if (level <= 0) return -1;
    level = min(level, QELBOX_MAXLEVEL);
    if (!Painting(rec)) {
        const int j = ScanPrevShallower(rec, index, level, -1);
        return j >= 0 ? j : -1;
    }
    const unsigned generation = rec->levelGeneration;
    const Span known = rec->levelIndex->parents[level];
    int j;
    if (known.from >= 0 && index >= known.from) {
        // Only the items from `from` up to index - 1 are new.
        j = ScanPrevShallower(rec, index, level, known.from - 1);
        if (j == -2) j = known.to;
    } else {
        j = ScanPrevShallower(rec, index, level, -1);
    }
    if (j == -3 || rec->levelGeneration != generation) return -1;
    j = max(j, -1);
    if (rec->levelIndex) rec->levelIndex->parents[level] = {index, j};
    return j;
}

int NextNotDeeper(ControlRecord* rec, int index, int level, int* found) {
    level = min(max(level, 0), QELBOX_MAXLEVEL);
    const unsigned generation = rec->levelGeneration;
    int j;
    if (!Painting(rec)) {
        j = ScanNextNotDeeper(rec, index, level, rec->itemCount);
    } else {
        const Span known = rec->levelIndex->runEnds[level];
        const int end = known.to >= 0 ? known.to : rec->itemCount;
        if (known.from >= 0 && index >= known.from && index < end) {
            j = known.to; // nothing between index and the known end qualifies
        } else {
            j = ScanNextNotDeeper(rec, index, level, rec->itemCount);
            if (j == -2) j = -1;
            if (j >= -1 && rec->levelIndex && rec->levelGeneration == generation)
                rec->levelIndex->runEnds[level] = {index, j};
        }
    }
    if (j < 0 || rec->levelGeneration != generation) return -1;
    if (found) *found = LevelAt(rec, j);
    return j;
}

void LevelsChanged(ControlRecord* rec, int index) {
    ++rec->levelGeneration;
    LevelIndex* x = rec->levelIndex;
    if (!x) return;
    x->valid = min(x->valid, max(index, 0));
    ForgetAnswers(x);
    ForgetLevels(&x->learnt, -1);
}

void VirtualLevelChanged(ControlRecord* rec, int index) {
    ++rec->levelGeneration;
    LevelIndex* x = rec->levelIndex;
    if (!x) return;
    ForgetAnswers(x);
    ForgetLevels(&x->learnt, index < 0 ? -1 : index);
}

void FreeLevelIndex(ControlRecord* rec) {
    ++rec->levelGeneration;
    LevelIndex* x = rec->levelIndex;
    if (!x) return;
    QelFree(x->data);
    ForgetLevels(&x->learnt, -1);
    x->~LevelIndex();
    QelFree(x);
    rec->levelIndex = nullptr;
}

PaintLevelScope::PaintLevelScope(ControlRecord* rec) : rec_(rec), owner_(false) {
    LevelIndex* x = IndexOf(rec, true);
    if (!x) return;
    owner_ = true;
    if (x->paintDepth++ == 0) ForgetAnswers(x);
}

PaintLevelScope::~PaintLevelScope() {
    LevelIndex* x = rec_->levelIndex;
    if (!owner_ || !x || x->paintDepth <= 0) return;
    if (--x->paintDepth == 0) ForgetAnswers(x);
}

void RememberFetchedLevel(ControlRecord* rec, int index) {
    if (!IsVirtual(rec) || rec->virtualFetchedIndex != index || !rec->virtualItem) return;
    if (index >= rec->itemCount || KnownLevel(Learnt(rec), index) >= 0) return;
    if (LevelIndex* x = IndexOf(rec, true))
        LearnLevel(&x->learnt, rec->itemCount, index, LevelFromFlags(rec->virtualItem->flags));
}
