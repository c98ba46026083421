// Row headers and the row/column corner header.
#pragma once

#include "core/record.h"

// Invalidates the corner header (when it exists and drawing is allowed).
void InvalidateCorner(ControlRecord* rec);
