// Operations that reshape the outline.
#pragma once

#include "base/record.h"

// QelBox_SetItemLevel.
int SetItemLevel(ControlRecord* rec, int index, int level);
