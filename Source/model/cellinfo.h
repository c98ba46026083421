// Per-cell information (bitmaps, colours, data) of stored items.
#pragma once

#include "base/record.h"

// QelBox_GetCellInfo and QelBox_SetCellInfo.
int GetCellInfo(ControlRecord* rec, CellInfo* info);
int SetCellInfo(ControlRecord* rec, const CellInfo* info);
