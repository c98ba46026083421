// A table of the exported functions that take a control handle (see
// export_calls.cpp).
#pragma once

#include <windows.h>

#include <stddef.h>

#include <vector>

#include "qelbox.h"
#include "qelbox_diag.h"

struct ExportCall {
    const char* name;
    INT_PTR (*call)(HWND control);
    INT_PTR failure;
};

extern const std::vector<ExportCall> kExportCalls;
