// Fast answers to the two questions the outline scans of painting ask:
// the nearest earlier item shallower than a level (a parent) and the
// nearest later item not deeper than a level (what ends a sibling run).
//
// Stored mode: a scan that does not end within a few items switches to a
// summary of all levels (a pyramid of minimums, 32 entries per group), so
// either question takes O(log n) however far the answer lies. The summary
// is built on first need and stays valid for the items it covers; every
// change of the items or their levels cuts it back to the changed index
// (LevelsChanged), and the next question brings it up to date again.
//
// Virtual mode: the levels belong to the application and can only be read
// by fetching items. Every level read is kept (virtuallevels.h) until the
// application announces a change of its rows, so a level is fetched once
// however many paints ask about it, and the scans pass over learnt rows
// without calling the application.
//
// Within one paint (PaintLevelScope) the answers are also remembered by
// level, so the rows below the first continue where its scans ended.
#pragma once

#include "base/record.h"

// Largest j < index whose level is below `level`; -1 when there is none
// (always for level 0).
int PrevShallower(ControlRecord* rec, int index, int level);
// Smallest j > index whose level is at most `level`; -1 when there is none.
// *found (when given) receives that item's level.
int NextNotDeeper(ControlRecord* rec, int index, int level, int* found);
// Level of a row, from the learnt levels where they have it; 0 for an index
// outside the list.
int LevelAt(ControlRecord* rec, int index);

// Items from `index` on were inserted, deleted, moved or got other levels.
void LevelsChanged(ControlRecord* rec, int index);
// The application announced a change of virtual row `index` (negative: of
// every row): its learnt level is forgotten.
void VirtualLevelChanged(ControlRecord* rec, int index);
// Frees the summary (all items gone, or the control destroyed).
void FreeLevelIndex(ControlRecord* rec);

// While one exists (one paint), the scans' answers are remembered.
class PaintLevelScope {
  public:
    explicit PaintLevelScope(ControlRecord* rec);
    ~PaintLevelScope();
    PaintLevelScope(const PaintLevelScope&) = delete;
    PaintLevelScope& operator=(const PaintLevelScope&) = delete;

  private:
    ControlRecord* rec_;
    bool owner_;
};
// Virtual mode: learns the level of the item fetched last, if it is `index`
// (so a fetch made for another purpose also serves the tree lines).
void RememberFetchedLevel(ControlRecord* rec, int index);
