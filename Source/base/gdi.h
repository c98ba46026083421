// Scope-bound owners of the GDI objects and DC states used while painting.
// Each object the painters create is counted with GdiCreated/GdiDeleted and
// deleted when its owner goes out of scope; each selection and each changed
// DC attribute is put back the same way. Declare an object before the
// selection that puts it into a DC, so that the selection is undone first.
#pragma once

#include <windows.h>

#include "base/memory.h"

// Owns a brush, pen, bitmap or region created by the library.
// Deletes a GDI object kept in a record field, if any, and clears the
// field; the counterpart of AdoptCreated.
template <typename Handle> void DeleteOwned(Handle& handle) {
    if (!handle) return;
    DeleteObject(handle);
    GdiDeleted(handle);
    handle = nullptr;
}

// Counts a GDI object just created into a record field (null: nothing).
template <typename Handle> Handle AdoptCreated(Handle handle) {
    if (handle) GdiCreated();
    return handle;
}

template <typename Handle> class GdiObject {
  public:
    explicit GdiObject(Handle handle = nullptr) : handle_(handle) {
        if (handle_) GdiCreated();
    }
    ~GdiObject() { Reset(); }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;

    Handle Get() const { return handle_; }
    operator Handle() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

    // Deletes the object held, if any, and takes `handle` in its place.
    void Reset(Handle handle = nullptr) {
        if (handle_) {
            DeleteObject(handle_);
            GdiDeleted(handle_);
        }
        handle_ = handle;
        if (handle_) GdiCreated();
    }
    // Gives up ownership: the object is the caller's to delete, and no
    // longer counted among the library's.
    Handle Release() {
        Handle handle = handle_;
        if (handle_) GdiDisowned();
        handle_ = nullptr;
        return handle;
    }

  private:
    Handle handle_;
};

// A solid brush of an RGB colour.
class SolidBrush : public GdiObject<HBRUSH> {
  public:
    explicit SolidBrush(COLORREF rgb) : GdiObject<HBRUSH>(CreateSolidBrush(rgb)) {}
};

// A solid pen, one pixel wide, of an RGB colour.
class SolidPen : public GdiObject<HPEN> {
  public:
    explicit SolidPen(COLORREF rgb) : GdiObject<HPEN>(CreatePen(PS_SOLID, 1, rgb)) {}
};

// GetDeviceCaps(dc, BITSPIXEL). The display's depth, which display DCs and
// their memory DCs report, is read at most about once a second.
UINT ColorDepth(HDC dc);

// A bitmap of width x height with the colour format (planes and bits per
// pixel) of `like`; null for an empty size or when it cannot be made.
inline HBITMAP CreateFormatBitmap(HDC like, int width, int height) {
    if (width <= 0 || height <= 0) return nullptr;
    return CreateBitmap(width, height, static_cast<UINT>(GetDeviceCaps(like, PLANES)),
                        ColorDepth(like), nullptr);
}

// A bitmap with the colour format (planes and bits per pixel) of `like`.
class CompatibleBitmap : public GdiObject<HBITMAP> {
  public:
    CompatibleBitmap(HDC like, int width, int height)
        : GdiObject<HBITMAP>(CreateFormatBitmap(like, width, height)) {}
};

// A DC of its own holding a bitmap of width x height in the colour format
// of a display DC of 32 bits per pixel, the bits in memory of the
// library's heap; made only where the system offers it (see gdi.cpp).
// Pixels are drawn and read as in a memory DC with such a bitmap selected.
class MemorySurface {
  public:
    MemorySurface() {}
    ~MemorySurface() { Release(); }
    MemorySurface(const MemorySurface&) = delete;
    MemorySurface& operator=(const MemorySurface&) = delete;

    // False, and nothing held, when `like` is no display DC of 32 bits per
    // pixel, the system lacks the means or memory runs out.
    bool Create(HDC like, int width, int height);
    HDC Dc() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

  private:
    void Release();

    HDC dc_ = nullptr;
    HANDLE bitmap_ = nullptr;
    void* bits_ = nullptr;
    void* destroy_ = nullptr; // the system's routine that deletes DC and bitmap
};

// A monochrome bitmap (one plane, one bit per pixel), as used for masks.
class MonochromeBitmap : public GdiObject<HBITMAP> {
  public:
    MonochromeBitmap(int width, int height)
        : GdiObject<HBITMAP>(width > 0 && height > 0 ? CreateBitmap(width, height, 1, 1, nullptr)
                                                     : nullptr) {}
};

// A memory DC compatible with `like` (null when it cannot be made), or,
// default-constructed, none until Create.
class MemoryDC {
  public:
    MemoryDC() : dc_(nullptr) {}
    explicit MemoryDC(HDC like) : dc_(nullptr) { Create(like); }
    ~MemoryDC() { Release(); }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;

    bool Create(HDC like) {
        Release();
        dc_ = CreateCompatibleDC(like);
        if (dc_) GdiCreated();
        return dc_ != nullptr;
    }

    HDC Get() const { return dc_; }
    operator HDC() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

  private:
    void Release() {
        if (!dc_) return;
        DeleteDC(dc_);
        GdiDeleted(dc_);
        dc_ = nullptr;
    }

    HDC dc_;
};

// Selects an object into a DC and puts the previous one back at scope end.
// A null object selects nothing; Ok() tells whether the selection took. A
// font that the DC already has is left as it is: selecting a font makes the
// system look it up again, which is slow enough to matter once per row.
class Selection {
  public:
    Selection() : dc_(nullptr), old_(nullptr), kept_(false) {}
    Selection(HDC dc, HGDIOBJ object) : dc_(nullptr), old_(nullptr), kept_(false) {
        Select(dc, object);
    }
    // A selection made later; puts back what an earlier one replaced first.
    void Select(HDC dc, HGDIOBJ object) {
        Undo();
        dc_ = dc;
        if (!dc || !object) return;
        if (GetObjectType(object) == OBJ_FONT && GetCurrentObject(dc, OBJ_FONT) == object) {
            kept_ = true;
            return;
        }
        HGDIOBJ old = SelectObject(dc, object);
        if (old && old != HGDI_ERROR) old_ = old;
    }
    ~Selection() { Undo(); }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

    bool Ok() const { return old_ != nullptr || kept_; }

  private:
    void Undo() {
        if (old_) SelectObject(dc_, old_);
        old_ = nullptr;
        kept_ = false;
    }

    HDC dc_;
    HGDIOBJ old_;
    bool kept_;
};

// Remembers text colour, background colour, background mode and text
// alignment of a DC and restores them at scope end.
class SavedDcColors {
  public:
    explicit SavedDcColors(HDC dc)
        : dc_(dc), text_(GetTextColor(dc)), back_(GetBkColor(dc)), mode_(GetBkMode(dc)),
          align_(GetTextAlign(dc)) {}
    ~SavedDcColors() {
        SetTextColor(dc_, text_);
        SetBkColor(dc_, back_);
        SetBkMode(dc_, mode_);
        SetTextAlign(dc_, align_);
    }
    SavedDcColors(const SavedDcColors&) = delete;
    SavedDcColors& operator=(const SavedDcColors&) = delete;

  private:
    HDC dc_;
    COLORREF text_;
    COLORREF back_;
    int mode_;
    UINT align_;
};

// Narrows the clipping of a DC to a rectangle (within the clipping it has
// already) and restores the DC's previous state at scope end. An inactive
// scope leaves the DC alone.
class ClipScope {
  public:
    ClipScope(HDC dc, const RECT& clip, bool active = true)
        : dc_(dc), saved_(active ? SaveDC(dc) : 0) {
        if (saved_) IntersectClipRect(dc, clip.left, clip.top, clip.right, clip.bottom);
    }
    ~ClipScope() {
        if (saved_) RestoreDC(dc_, saved_);
    }
    ClipScope(const ClipScope&) = delete;
    ClipScope& operator=(const ClipScope&) = delete;

  private:
    HDC dc_;
    int saved_;
};

// A DC of a window (GetDC, or GetWindowDC for the whole window with
// `wholeWindow`; null window = the screen), released at the end of the
// scope.
class WindowDC {
  public:
    explicit WindowDC(HWND window, bool wholeWindow = false)
        : window_(window), dc_(wholeWindow ? GetWindowDC(window) : GetDC(window)) {}
    ~WindowDC() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC Get() const { return dc_; }
    operator HDC() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

  private:
    HWND window_;
    HDC dc_;
};

// BeginPaint for the length of the scope, EndPaint at its end.
class PaintScope {
  public:
    explicit PaintScope(HWND window) : window_(window), dc_(BeginPaint(window, &ps_)) {}
    ~PaintScope() { EndPaint(window_, &ps_); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    HDC Get() const { return dc_; }
    const RECT& Update() const { return ps_.rcPaint; }

  private:
    HWND window_;
    PAINTSTRUCT ps_;
    HDC dc_;
};
