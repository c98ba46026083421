// Text search over one column (prefix or whole text, case-insensitive).
#pragma once

#include "base/record.h"

int FindText(ControlRecord* rec, int start, int column, const wchar_t* text, BOOL wrap, bool exact);
