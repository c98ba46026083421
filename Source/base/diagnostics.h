// The diagnostics build (CMake option QELBOX_DIAGNOSTICS, off by default):
// ReportError writes to the debugger output, and every export that may
// change a control checks the record's consistency when it returns,
// including that each GetItem was paired with a ReleaseItem. In the normal
// build all of this compiles to nothing.
#pragma once

#include "base/record.h"

#ifdef QELBOX_DIAGNOSTICS

// GetItem of a row and ReleaseItem, counted to find unpaired calls.
void NoteItemTaken();
void NoteItemReleased();
// Reports (ReportError) every broken rule of the record; `where` names the
// export.
void CheckRecord(const ControlRecord* rec, const char* where);

// Checks the control's record when the scope ends.
class RecordCheck {
  public:
    RecordCheck(HWND control, const char* where) : control_(control), where_(where) {}
    ~RecordCheck() { CheckRecord(RecordOf(control_), where_); }
    RecordCheck(const RecordCheck&) = delete;
    RecordCheck& operator=(const RecordCheck&) = delete;

  private:
    HWND control_;
    const char* where_;
};

#define QELBOX_CHECK_ON_RETURN(control) const RecordCheck recordCheck_(control, __func__)

#else

inline void NoteItemTaken() {}
inline void NoteItemReleased() {}
#define QELBOX_CHECK_ON_RETURN(control) ((void)0)

#endif
