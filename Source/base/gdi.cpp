// Off-screen buffers in the colour format of a DC. Some systems answer
// GetDeviceCaps(BITSPIXEL) by enumerating the display settings, and check
// a colour bitmap against the display's depth in the same way each time it
// is selected into a DC; either costs as much as painting a whole list. So
// the display's depth is remembered for a short while, and a buffer of 32
// bits per pixel is made, where the system offers it, as a DC over memory
// of the library's heap (MemorySurface), which needs no selection and no
// fresh pages for its bits.
#include "base/gdi.h"

#include "base/memory.h"

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

namespace {

// D3DKMTCreateDCFromMemory and D3DKMTDestroyDCFromMemory of GDI32 (Windows
// Vista and later), with their records.
struct CreateDcFromMemory {
    void* memory;
    UINT format;
    UINT width;
    UINT height;
    UINT pitch;
    HDC deviceDc;
    PALETTEENTRY* colorTable;
    HDC dc;
    HANDLE bitmap;
};
struct DestroyDcFromMemory {
    HDC dc;
    HANDLE bitmap;
};
typedef LONG(WINAPI* CreateDcFromMemoryProc)(CreateDcFromMemory*);
typedef LONG(WINAPI* DestroyDcFromMemoryProc)(const DestroyDcFromMemory*);
// 32 bits per pixel, blue in the lowest byte, the top byte unused: the
// layout of a 32-bit display bitmap.
const UINT kFormatX8R8G8B8 = 22;

template <typename Proc> Proc Entry(HMODULE module, const char* name) {
    return reinterpret_cast<Proc>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

} // namespace

bool MemorySurface::Create(HDC like, int width, int height) {
    Release();
    if (width <= 0 || height <= 0 || width > 0x7FFFFFF / height || !ReportsDisplayDepth(like) ||
        GetDeviceCaps(like, PLANES) != 1 || ColorDepth(like) != 32)
        return false;
    // Looked up each time: a paint makes one surface, and no state is kept.
    const HMODULE gdi = GetModuleHandleA("GDI32.DLL");
    const CreateDcFromMemoryProc create =
        gdi ? Entry<CreateDcFromMemoryProc>(gdi, "D3DKMTCreateDCFromMemory") : nullptr;
    const DestroyDcFromMemoryProc destroy =
        gdi ? Entry<DestroyDcFromMemoryProc>(gdi, "D3DKMTDestroyDCFromMemory") : nullptr;
    if (!create || !destroy) return false;
    const size_t pitch = static_cast<size_t>(width) * 4;
    void* bits = QelMalloc(pitch * static_cast<size_t>(height));
    if (!bits) return false;
    CreateDcFromMemory request = {bits,
                                  kFormatX8R8G8B8,
                                  static_cast<UINT>(width),
                                  static_cast<UINT>(height),
                                  static_cast<UINT>(pitch),
                                  like,
                                  nullptr,
                                  nullptr,
                                  nullptr};
    if (create(&request) < 0 || !request.dc || !request.bitmap) {
        QelFree(bits);
        return false;
    }
    dc_ = request.dc;
    bitmap_ = request.bitmap;
    bits_ = bits;
    destroy_ = reinterpret_cast<void*>(destroy);
    GdiCreated(); // the DC
    GdiCreated(); // its bitmap
    return true;
}

void MemorySurface::Release() {
    if (!dc_) return;
    const DestroyDcFromMemory request = {dc_, bitmap_};
    reinterpret_cast<DestroyDcFromMemoryProc>(destroy_)(&request);
    GdiDeleted(request.dc);
    GdiDeleted(request.bitmap);
    QelFree(bits_);
    dc_ = nullptr;
    bitmap_ = nullptr;
    bits_ = nullptr;
}
