// Relations implied by item levels: parent, top parent, dependents and
// siblings, and the exported calls that report them. Every scan reads items
// through GetItem, so it works in virtual mode too.
#include "model/hierarchy.h"

#include "model/items.h"

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

namespace {

// Number of items in the dependent run of `index`; with `directOnly` only
// those exactly one level deeper.
int CountDependents(ControlRecord* rec, int index, bool directOnly) {
    const int level = ItemLevel(rec, index);
    int count = 0;
    for (int i = index + 1; i < rec->itemCount; ++i) {
        int l = ItemLevel(rec, i);
        if (l <= level) break;
        if (!directOnly || l == level + 1) ++count;
    }
    return count;
}

} // namespace

extern "C" {

int WINAPI QelBox_GetItemLevel(HWND control, int index) {
    ENTER_CONTROL(control, -1);
    if (!IsValidIndex(rec, index)) return -1;
    return ItemLevel(rec, index);
}

int WINAPI QelBox_GetParent(HWND control, int index) {
    ENTER_CONTROL(control, -1);
    if (!IsValidIndex(rec, index)) return -1;
    return FindParent(rec, index);
}

int WINAPI QelBox_GetTopParent(HWND control, int index) {
    ENTER_CONTROL(control, -1);
    if (!IsValidIndex(rec, index)) return -1;
    return FindTopParent(rec, index);
}

int WINAPI QelBox_GetDependent(HWND control, int index, int code) {
    ENTER_CONTROL(control, -1);
    if (!IsValidIndex(rec, index)) return -1;
    switch (code) {
    case QELBOX_FIRST:
        return FirstDependent(rec, index);
    case QELBOX_LAST:
        return LastDependent(rec, index);
    default:
        return -1;
    }
}

int WINAPI QelBox_GetDependentCount(HWND control, int index, BOOL all) {
    ENTER_CONTROL(control, -1);
    if (!IsValidIndex(rec, index)) return -1;
    return CountDependents(rec, index, !all);
}

int WINAPI QelBox_GetSibling(HWND control, int index, int code) {
    ENTER_CONTROL(control, -1);
    if (!IsValidIndex(rec, index)) return -1;
    switch (code) {
    case QELBOX_FIRST:
        return FirstSibling(rec, index);
    case QELBOX_LAST:
        return LastSibling(rec, index);
    case QELBOX_PREVIOUS:
        return PrevSibling(rec, index);
    case QELBOX_NEXT:
        return NextSibling(rec, index);
    default:
        return -1;
    }
}

} // extern "C"
