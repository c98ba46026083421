// Design-time support for dialog editors.
#pragma once

#include "base/record.h"

// True when the control's top-level ancestor is a known dialog editor.
bool IsInDialogEditor(const ControlRecord* rec);
