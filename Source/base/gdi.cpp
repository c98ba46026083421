// The colour depth of a DC for the off-screen buffers. Some systems answer
// GetDeviceCaps(BITSPIXEL) by enumerating the display settings, which costs
// as much as painting a whole list; the display's depth is remembered for a
// short while instead.
#include "base/gdi.h"

namespace {

// Remembered display depth and when it was read, packed in one value so that
// threads painting at the same time see a consistent pair: bits 0-5 the
// bits per pixel, the rest the tick count in units of kTickUnit
// milliseconds. 0: nothing remembered.
LONG g_displayDepth = 0;
const int kDepthBits = 6;
const LONG kDepthMask = (1 << kDepthBits) - 1;
const DWORD kTickUnit = 256;
// A remembered depth is used for less than this many tick units (about a
// second), so a change of the display mode reaches the buffers soon.
const LONG kDepthLifetime = 4;

LONG TickUnits() {
    return static_cast<LONG>((GetTickCount() / kTickUnit) &
                             (static_cast<DWORD>(MAXLONG) >> kDepthBits));
}

// Display and memory DCs of the display report the display's depth; other
// devices (printers, metafiles and their memory DCs) are always asked.
bool ReportsDisplayDepth(HDC dc) {
    const DWORD type = GetObjectType(dc);
    return (type == OBJ_DC || type == OBJ_MEMDC) && GetDeviceCaps(dc, TECHNOLOGY) == DT_RASDISPLAY;
}

} // namespace

UINT ColorDepth(HDC dc) {
    if (!ReportsDisplayDepth(dc)) return static_cast<UINT>(GetDeviceCaps(dc, BITSPIXEL));
    const LONG now = TickUnits();
    const LONG kept = InterlockedCompareExchange(&g_displayDepth, 0, 0);
    const LONG age = ((now - (kept >> kDepthBits)) & (MAXLONG >> kDepthBits));
    if (kept && age < kDepthLifetime) return static_cast<UINT>(kept & kDepthMask);
    const int depth = GetDeviceCaps(dc, BITSPIXEL);
    if (depth > 0 && depth <= kDepthMask)
        InterlockedExchange(&g_displayDepth, (now << kDepthBits) | depth);
    return static_cast<UINT>(depth);
}
