// The diagnostics exports of the test build of the library
// (tests/qelbox_diag.h), compiled beside the library's own objects.
#include "qelbox_diag.h"

#include "base/liverecords.h"
#include "base/memory.h"
#include "model/items.h"

extern "C" {

void WINAPI QelBoxDiag_FailAllocationsAfter(int successes) {
    FailAllocationsAfter(successes);
}

int WINAPI QelBoxDiag_LiveAllocations(void) {
    return LiveAllocations();
}

int WINAPI QelBoxDiag_ItemCapacity(HWND control) {
    ENTER_CONTROL(control, 0);
    return ItemSlots(rec);
}

int WINAPI QelBoxDiag_LiveGdiObjects(void) {
    return LiveGdiObjects();
}

int WINAPI QelBoxDiag_RepeatHandleCheck(HWND control, int repeats) {
    const void* const pointer = reinterpret_cast<const void*>(GetWindowLongPtrA(control, 0));
    int passed = 0;
    for (int i = 0; i < repeats; ++i) {
        ControlRecord* const rec = FindLiveRecord(control, pointer);
        if (!rec) continue;
        const RecordScope recordScope(rec);
        ++passed;
    }
    return passed;
}

} // extern "C"
