// Solid brushes, pens and system colours shared by the rows of one list
// paint. A paint fills every row's indentation area and cells and draws its
// tree lines with a handful of colours; each colour's brush or pen is made
// once for the paint (while a PaintObjectsScope exists) instead of once per
// rectangle, and deleted when the paint ends. Within one row (while a
// RowColorScope exists) each system colour is read once.
#pragma once

#include "base/gdi.h"
#include "base/record.h"

// Remembered brushes, pens and system colours of the paint in progress.
struct PaintObjects {
    static const int kMax = 8;
    COLORREF brushColors[kMax];
    HBRUSH brushes[kMax];
    int brushCount;
    COLORREF penColors[kMax];
    HPEN pens[kMax];
    int penCount;
    // System colours 0-31 read while a row is painted: bit i of
    // sysColorsKnown tells that sysColors[i] holds colour i.
    static const int kSysColors = 32;
    bool rowColors;
    DWORD sysColorsKnown;
    COLORREF sysColors[kSysColors];
};

// For the length of the scope, the control's paints share brushes and
// pens (nested scopes use the outermost one's).
class PaintObjectsScope {
  public:
    explicit PaintObjectsScope(ControlRecord* rec);
    ~PaintObjectsScope();
    PaintObjectsScope(const PaintObjectsScope&) = delete;
    PaintObjectsScope& operator=(const PaintObjectsScope&) = delete;

  private:
    ControlRecord* rec_;
    bool owner_;
    PaintObjects objects_;
};

// A solid brush of an RGB colour: the paint's shared one, or, outside a
// PaintObjectsScope or when the paint holds brushes of too many colours,
// one of its own that is deleted at the end of its scope.
class PaintBrush {
  public:
    PaintBrush(const ControlRecord* rec, COLORREF rgb);
    PaintBrush(const PaintBrush&) = delete;
    PaintBrush& operator=(const PaintBrush&) = delete;
    operator HBRUSH() const { return shared_ ? shared_ : own_.Get(); }

  private:
    HBRUSH shared_;
    GdiObject<HBRUSH> own_;
};

// A solid pen, one pixel wide, of an RGB colour; shared like PaintBrush.
class PaintPen {
  public:
    PaintPen(const ControlRecord* rec, COLORREF rgb);
    PaintPen(const PaintPen&) = delete;
    PaintPen& operator=(const PaintPen&) = delete;
    operator HPEN() const { return shared_ ? shared_ : own_.Get(); }

  private:
    HPEN shared_;
    GdiObject<HPEN> own_;
};

// ResolveColor that reads each system colour once while a RowColorScope of
// the paint exists.
COLORREF PaintColor(const ControlRecord* rec, DWORD color);

// The part of a row's painting in which the application is not called:
// system colours read in it are remembered until it ends or
// ForgetPaintColors. Another row painted meanwhile (a paint started from a
// callback) ends the remembering for this one.
class RowColorScope {
  public:
    explicit RowColorScope(const ControlRecord* rec);
    ~RowColorScope();
    RowColorScope(const RowColorScope&) = delete;
    RowColorScope& operator=(const RowColorScope&) = delete;

  private:
    PaintObjects* objects_;
};
// The application may have been called: system colours are read again.
void ForgetPaintColors(const ControlRecord* rec);
