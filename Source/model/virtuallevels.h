// The levels of a virtual list that the control has read, kept until the
// application says its rows changed (QelBox_VirtualItemChanged,
// QelBox_VirtualCount, QelBox_VirtualInitialize).
//
// Sparse: rows are grouped in blocks of 1024 levels and blocks in groups of
// 1024 blocks; a block is allocated when one of its rows is learnt, a group
// when one of its blocks is. A block or group whose rows are all known
// keeps its minimum level, so the scans below step over it whole: a scan
// over a million learnt rows reads at most a few thousand entries.
// Nothing here calls the application; the caller fetches the unknown rows
// and learns them.
#pragma once

struct VirtualLevels;

// Level of row `index` if learnt; -1 otherwise. `v` may be null.
int KnownLevel(const VirtualLevels* v, int index);
// Remembers the level of row `index` of a list of `count` rows (a store
// made for another count starts afresh). When memory runs out nothing is
// remembered and nothing else changes.
void LearnLevel(VirtualLevels** v, int count, int index, int level);
// Forgets the level of row `index`; a negative index forgets every row and
// frees the store.
void ForgetLevels(VirtualLevels** v, int index);

// Where a scan over the learnt levels ended.
struct LearntScan {
    enum Kind { kFound, kUnknown, kNone } kind;
    int at; // kFound: the row; kUnknown: the first row not learnt
};
// Going back from `from` (inclusive) to above `stop`: the first row whose
// level is below `level`, or the first row whose level is not known, or
// kNone when every row down to stop + 1 is learnt and not below `level`.
LearntScan LearntPrevBelow(const VirtualLevels* v, int from, int stop, int level);
// Going forward from `from` (inclusive) to below `stop`: the first row whose
// level is at most `level`, or the first row not learnt, or kNone.
LearntScan LearntNextAtMost(const VirtualLevels* v, int from, int stop, int level);
