// Ordering sibling blocks: the comparison a sort runs with, and the stable
// merge sort of whole blocks that takes O(n log n) comparisons and moves
// every row once.
#pragma once

#include "base/record.h"

// The comparison a sort runs with: the five-argument callback, or the
// extended one that also receives the cells' cellData; neither: the
// default comparison in the control's locale.
struct Comparison {
    QELBOX_COMPAREPROC plain;
    QELBOX_COMPAREEXPROC extended;
};

// What a comparison reads from one item.
struct SortKey {
    const char* text;
    QelData itemData;
    QelData cellData;
};

// The default comparison: below zero, zero or above zero as text1 sorts
// before, with or after text2 in `locale`; -2 when either text is null.
int LocaleCompare(LCID locale, const char* text1, const char* text2);

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
