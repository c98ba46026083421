// Ordering sibling blocks: the comparison a sort runs with, and the stable
// merge sort of whole blocks that takes O(n log n) comparisons and moves
// every row once.
#pragma once

#include "base/record.h"

// The ANSI forms of the two texts an ANSI compare callback receives: two
// buffers that grow as needed and are freed with the object.
class AnsiKeys {
  public:
    AnsiKeys() = default;
    ~AnsiKeys();
    AnsiKeys(const AnsiKeys&) = delete;
    AnsiKeys& operator=(const AnsiKeys&) = delete;
    // Makes room for texts of `bytes` bytes; false when memory runs out.
    bool Reserve(size_t bytes);
    // The ANSI form of `text` in buffer `which` (0 or 1); null for a null
    // text, and null with failed() set when memory runs out.
    const char* Convert(int which, const wchar_t* text);
    bool failed() const { return failed_; }

  private:
    char* text_[2] = {nullptr, nullptr};
    size_t capacity_[2] = {0, 0};
    bool failed_ = false;
};

// The comparison a sort runs with: the five-argument callback, or the
// extended one that also receives the cells' cellData, each with ANSI or
// UTF-16 texts; none: the default comparison in the control's locale. The
// ANSI callbacks receive their texts through `ansi`.
struct Comparison {
    QELBOX_COMPAREPROC plain;
    QELBOX_COMPAREEXPROC extended;
    QELBOX_COMPAREPROCW plainW;
    QELBOX_COMPAREEXPROCW extendedW;
    AnsiKeys* ansi;
};
// True when an application callback compares; the extended kinds also see
// null texts.
inline bool HasCallback(const Comparison& c) {
    return c.plain || c.extended || c.plainW || c.extendedW;
}
inline bool IsExtended(const Comparison& c) {
    return c.extended || c.extendedW;
}
// True when the sort must stop: the control died, a callback changed the
// rows since `generation`, or an ANSI conversion ran out of memory.
inline bool SortInterrupted(const ControlRecord* rec, unsigned generation, const Comparison& c) {
    return Died(rec) || rec->rowGeneration != generation || (c.ansi && c.ansi->failed());
}

// What a comparison reads from one item.
struct SortKey {
    const wchar_t* text;
    QelData itemData;
    QelData cellData;
};

// The default comparison: below zero, zero or above zero as text1 sorts
// before, with or after text2 in `locale`; -2 when either text is null.
int LocaleCompare(LCID locale, const wchar_t* text1, const wchar_t* text2);

// The sort key of a stored item's cell in `column`.
SortKey KeyOf(ControlRecord* rec, int index, int column);

// True when the item of key `a` belongs after the item of key `b`. Under the
// five-argument callback a pair with a null text stays as it is (no call).
bool KeyBelongsAfter(ControlRecord* rec, const SortKey& a, const SortKey& b,
                     const Comparison& compare);

// Orders the sibling blocks from `first` (a block is a sibling with all its
// dependents) by `column`, with the same result as exchanging adjacent
// blocks until no pair belongs the other way round: blocks that compare
// equal keep their order, and under the five-argument callback a block with
// a null text keeps its place and no block passes it. The comparison must
// be consistent; it is called O(n log n) times in an unspecified order.
// `tracked` (an index or -1) follows the row it names. Returns false with
// nothing moved when memory runs out.
bool SortBlocksStable(ControlRecord* rec, int first, int column, const Comparison& compare,
                      int* tracked);
