// The learnt levels of a virtual list; see virtuallevels.h.
#include "model/virtuallevels.h"

#include <string.h>

#include "base/memory.h"

namespace {

const int kBlockShift = 10;
const int kBlockRows = 1 << kBlockShift;
const int kGroupShift = 10;
const int kGroupBlocks = 1 << kGroupShift;
const int kGroupRowShift = kBlockShift + kGroupShift;
const int kGroupRows = 1 << kGroupRowShift;
const unsigned char kUnknown = 0xFF;

struct Block {
    int known;         // rows learnt
    unsigned char low; // their minimum level, kept while all rows are known
    unsigned char levels[kBlockRows];
};

struct Group {
    int fullBlocks;    // blocks whose rows are all known
    unsigned char low; // their minimum level, kept while every block is full
    Block* blocks[kGroupBlocks];
};

} // namespace

struct VirtualLevels {
    int count; // rows of the list the levels belong to
    int groupCount;
    Group** groups; // groupCount entries, in the same heap block
};

namespace {

// Rows of group `g` and of the block whose first row is `blockStart`.
int GroupRows(const VirtualLevels* v, int g) {
    const int rest = v->count - (g << kGroupRowShift);
    return rest < kGroupRows ? rest : kGroupRows;
}
int BlockRows(const VirtualLevels* v, int blockStart) {
    const int rest = v->count - blockStart;
    return rest < kBlockRows ? rest : kBlockRows;
}
bool GroupFull(const VirtualLevels* v, const Group* group, int g) {
    return group->fullBlocks == (GroupRows(v, g) + kBlockRows - 1) / kBlockRows;
}

const Block* BlockOf(const VirtualLevels* v, int index, const Group** group) {
    *group = v->groups[index >> kGroupRowShift];
    return *group ? (*group)->blocks[(index >> kBlockShift) & (kGroupBlocks - 1)] : nullptr;
}

// Brings the minimums of a full block, and of its group when every block of
// the group is full, up to date.
void BlockFilled(const VirtualLevels* v, Group* group, int g, Block* block, int rows) {
    unsigned char low = kUnknown;
    for (int r = 0; r < rows; ++r)
        if (block->levels[r] < low) low = block->levels[r];
    block->low = low;
    if (!GroupFull(v, group, g)) return;
    low = kUnknown;
    for (int b = 0; b < kGroupBlocks; ++b)
        if (group->blocks[b] && group->blocks[b]->low < low) low = group->blocks[b]->low;
    group->low = low;
}

} // namespace

int KnownLevel(const VirtualLevels* v, int index) {
    if (!v || index < 0 || index >= v->count) return -1;
    const Group* group;
    const Block* block = BlockOf(v, index, &group);
    if (!block) return -1;
    const unsigned char level = block->levels[index & (kBlockRows - 1)];
    return level == kUnknown ? -1 : level;
}

void LearnLevel(VirtualLevels** store, int count, int index, int level) {
    if (index < 0 || index >= count || level < 0 || level >= kUnknown) return;
    if (*store && (*store)->count != count) ForgetLevels(store, -1);
    VirtualLevels* v = *store;
    if (!v) {
        const int groups = (count >> kGroupRowShift) + 1;
        const size_t directory = sizeof(Group*) * static_cast<size_t>(groups);
        void* memory = QelMalloc(sizeof(VirtualLevels) + directory);
        if (!memory) return;
        v = static_cast<VirtualLevels*>(memory);
        v->count = count;
        v->groupCount = groups;
        v->groups = reinterpret_cast<Group**>(v + 1);
        memset(v->groups, 0, directory);
        *store = v;
    }
    const int g = index >> kGroupRowShift;
    Group* group = v->groups[g];
    if (!group) {
        group = static_cast<Group*>(QelMalloc(sizeof(Group)));
        if (!group) return;
        memset(group, 0, sizeof(Group));
        v->groups[g] = group;
    }
    Block*& slot = group->blocks[(index >> kBlockShift) & (kGroupBlocks - 1)];
    if (!slot) {
        slot = static_cast<Block*>(QelMalloc(sizeof(Block)));
        if (!slot) return;
        slot->known = 0;
        slot->low = kUnknown;
        memset(slot->levels, kUnknown, sizeof(slot->levels));
    }
    Block* block = slot;
    const int rows = BlockRows(v, index & ~(kBlockRows - 1));
    unsigned char& entry = block->levels[index & (kBlockRows - 1)];
    if (entry == level) return;
    const bool learnt = entry == kUnknown;
    entry = static_cast<unsigned char>(level);
    if (learnt && ++block->known == rows) ++group->fullBlocks;
    if (block->known == rows) BlockFilled(v, group, g, block, rows);
}

void ForgetLevels(VirtualLevels** store, int index) {
    VirtualLevels* v = *store;
    if (!v) return;
    if (index < 0) {
        for (int g = 0; g < v->groupCount; ++g) {
            if (!v->groups[g]) continue;
            for (Block* block : v->groups[g]->blocks)
                QelFree(block);
            QelFree(v->groups[g]);
        }
        QelFree(v);
        *store = nullptr;
        return;
    }
    if (index >= v->count) return;
    Group* group = v->groups[index >> kGroupRowShift];
    if (!group) return;
    Block*& block = group->blocks[(index >> kBlockShift) & (kGroupBlocks - 1)];
    if (!block || block->levels[index & (kBlockRows - 1)] == kUnknown) return;
    if (block->known == BlockRows(v, index & ~(kBlockRows - 1))) --group->fullBlocks;
    block->levels[index & (kBlockRows - 1)] = kUnknown;
    if (--block->known == 0) {
        QelFree(block);
        block = nullptr;
    }
}

LearntScan LearntPrevBelow(const VirtualLevels* v, int from, int stop, int level) {
    int i = from;
    while (i > stop) {
        if (!v || i >= v->count) return {LearntScan::kUnknown, i};
        const Group* group;
        const Block* block = BlockOf(v, i, &group);
        const int g = i >> kGroupRowShift;
        const int groupStart = g << kGroupRowShift;
        // A group or block seen from its last row whose rows all lie at or
        // below the level is passed whole.
        if (group && i == groupStart + GroupRows(v, g) - 1 && GroupFull(v, group, g) &&
            group->low >= level) {
            i = groupStart - 1;
            continue;
        }
        if (!block) return {LearntScan::kUnknown, i};
        const int blockStart = i & ~(kBlockRows - 1);
        const int rows = BlockRows(v, blockStart);
        if (i == blockStart + rows - 1 && block->known == rows && block->low >= level) {
            i = blockStart - 1;
            continue;
        }
        const int end = blockStart > stop ? blockStart : stop + 1;
        for (; i >= end; --i) {
            const unsigned char l = block->levels[i - blockStart];
            if (l == kUnknown) return {LearntScan::kUnknown, i};
            if (l < level) return {LearntScan::kFound, i};
        }
    }
    return {LearntScan::kNone, -1};
}

LearntScan LearntNextAtMost(const VirtualLevels* v, int from, int stop, int level) {
    int i = from;
    while (i < stop) {
        if (!v || i >= v->count) return {LearntScan::kUnknown, i};
        const Group* group;
        const Block* block = BlockOf(v, i, &group);
        const int g = i >> kGroupRowShift;
        const int groupStart = g << kGroupRowShift;
        if (group && i == groupStart && GroupFull(v, group, g) && group->low > level) {
            i = groupStart + GroupRows(v, g);
            continue;
        }
        if (!block) return {LearntScan::kUnknown, i};
        const int blockStart = i & ~(kBlockRows - 1);
        const int rows = BlockRows(v, blockStart);
        if (i == blockStart && block->known == rows && block->low > level) {
            i = blockStart + rows;
            continue;
        }
        const int end = blockStart + rows < stop ? blockStart + rows : stop;
        for (; i < end; ++i) {
            const unsigned char l = block->levels[i - blockStart];
            if (l == kUnknown) return {LearntScan::kUnknown, i};
            if (l <= level) return {LearntScan::kFound, i};
        }
    }
    return {LearntScan::kNone, -1};
}
