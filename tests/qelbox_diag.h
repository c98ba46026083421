/* Diagnostics of the test build of qelbox32.dll / qelbox64.dll.

   The test programs link against a build of the library from the same
   sources that exports these functions in addition to include/qelbox.h
   (build/<arch>/bin/testing/). The release DLL does not export them:
   applications never see them. */
#ifndef QELBOX_DIAG_H
#define QELBOX_DIAG_H

#include "qelbox.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Makes the library's heap allocations fail: after `successes` more
   successful allocations every further one fails; -1 turns this off. */
QELBOXAPI void WINAPI QelBoxDiag_FailAllocationsAfter(int successes);
/* Number of heap blocks the library holds at the moment. */
QELBOXAPI int WINAPI QelBoxDiag_LiveAllocations(void);
/* Number of item slots the control's item array has room for (items and
   spare slots; 0 while it holds no array). */
QELBOXAPI int WINAPI QelBoxDiag_ItemCapacity(HWND control);
/* Number of GDI objects and DCs the library has created and not deleted. */
QELBOXAPI int WINAPI QelBoxDiag_LiveGdiObjects(void);
/* For the benchmark: reads window long 0 of `control` once, then makes
   `repeats` times what the handle check of every export adds to that read
   (the lookup in the thread's live records, the window comparison and the
   scope that keeps the record alive for the call). Returns how many passed. */
QELBOXAPI int WINAPI QelBoxDiag_RepeatHandleCheck(HWND control, int repeats);

#ifdef __cplusplus
}
#endif

#endif /* QELBOX_DIAG_H */
