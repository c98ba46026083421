// Relations implied by item levels: parent, top parent, dependents and
// siblings. Every scan reads items through GetItem, so it works in virtual
// mode too.
#include "items/hierarchy.h"

#include "items/items.h"

int FindParent(ControlRecord* rec, int index) {
    int level = ItemLevel(rec, index);
    if (level < 1) return -1;
    for (int i = index - 1; i >= 0; --i) {
        if (ItemLevel(rec, i) < level) return i;
    }
    return -1;
}

int FindTopParent(ControlRecord* rec, int index) {
    int level = ItemLevel(rec, index);
    int candidate = -1;
    for (int i = index - 1; i >= 0; --i) {
        int l = ItemLevel(rec, i);
        if (l < level) candidate = i;
        if (l == 0) break;
    }
    return candidate;
}

int FirstDependent(ControlRecord* rec, int index) {
    if (index == -1) return rec->itemCount > 0 ? 0 : -1;
    if (index + 1 < rec->itemCount && ItemLevel(rec, index + 1) > ItemLevel(rec, index))
        return index + 1;
    return -1;
}

int LastDependent(ControlRecord* rec, int index) {
    if (index == -1) return rec->itemCount - 1;
    int level = ItemLevel(rec, index);
    int last = -1;
    for (int i = index + 1; i < rec->itemCount && ItemLevel(rec, i) > level; ++i)
        last = i;
    return last;
}

int PrevSibling(ControlRecord* rec, int index) {
    int level = ItemLevel(rec, index);
    for (int i = index - 1; i >= 0; --i) {
        int l = ItemLevel(rec, i);
        if (l == level) return i;
        if (l < level) return -1;
    }
    return -1;
}

int NextSibling(ControlRecord* rec, int index) {
    int level = ItemLevel(rec, index);
    for (int i = index + 1; i < rec->itemCount; ++i) {
        int l = ItemLevel(rec, i);
        if (l == level) return i;
        if (l < level) return -1;
    }
    return -1;
}

int FirstSibling(ControlRecord* rec, int index) {
    int first = index;
    for (int i = PrevSibling(rec, index); i >= 0; i = PrevSibling(rec, i))
        first = i;
    return first;
}

int LastSibling(ControlRecord* rec, int index) {
    int last = index;
    for (int i = NextSibling(rec, index); i >= 0; i = NextSibling(rec, i))
        last = i;
    return last;
}
