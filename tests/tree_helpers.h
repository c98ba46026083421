// Helpers of the tree_tests program: the relations of one item read through
// the relation getters, and notification counts.
#pragma once

#include <array>

#include "harness.h"

// Parent, top parent, first and last dependent, number of all and of direct
// dependents, first, last, previous and next sibling.
typedef std::array<int, 10> Relations;

inline Relations RelationsOf(HWND c, int i) {
    return {QelBox_GetParent(c, i),
            QelBox_GetTopParent(c, i),
            QelBox_GetDependent(c, i, QELBOX_FIRST),
            QelBox_GetDependent(c, i, QELBOX_LAST),
            QelBox_GetDependentCount(c, i, TRUE),
            QelBox_GetDependentCount(c, i, FALSE),
            QelBox_GetSibling(c, i, QELBOX_FIRST),
            QelBox_GetSibling(c, i, QELBOX_LAST),
            QelBox_GetSibling(c, i, QELBOX_PREVIOUS),
            QelBox_GetSibling(c, i, QELBOX_NEXT)};
}

inline int CountCode(HWND control, int code) {
    int n = 0;
    for (int c : Codes(control, true))
        n += c == code;
    return n;
}
