// Routines of the combo window procedure that other parts call.
#pragma once

#include "base/record.h"

// Points the view handlers (base/view.h) at the window layer's routines;
// called before each control record is allocated.
void InstallViewHandlers();

// Ends any mouse operation in progress (WM_CANCELMODE processing).
void CancelMode(ControlRecord* rec);
// Frees what the record of a destroyed control still owns: items an
// application added after destruction had begun, the columns, the corner
// text and the GDI objects. Installed as the view's recordGone handler.
void ReleaseOwned(ControlRecord* rec);
// WM_SETREDRAW processing, shared with the list window.
void SetRedraw(ControlRecord* rec, BOOL allowed);
// WM_CTLCOLOREDIT answer, shared with the list window.
LRESULT CtlColorEdit(ControlRecord* rec, HDC dc, HWND sender);
// Keyboard handling of the control window (also reached from the edit field).
// The row keys' move: highlights row n and commits it with notification,
// unless it already is the highlighted row.
void MoveHighlightTo(ControlRecord* rec, int n);
void HandleKeyDown(ControlRecord* rec, WPARAM key);
LRESULT DialogCode(ControlRecord* rec, const MSG* msg);
void HandleChar(ControlRecord* rec, WPARAM ch);
void HandleWheel(ControlRecord* rec, int delta);
void CopyCommittedRow(ControlRecord* rec);
// WM_GETTEXT of a control without an edit field: the committed row's
// column-0 text, truncated to the buffer; -1 (buffer emptied) without one.
LRESULT CopyCommittedText(ControlRecord* rec, wchar_t* buffer, int size);
