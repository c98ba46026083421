// Drawing routines shared by every painted element.
#pragma once

#include "core/record.h"

// A ColorRef as RGB: non-negative values are RGB, negative ones name the
// system colour in their low 16 bits.
COLORREF ResolveColor(DWORD color);
