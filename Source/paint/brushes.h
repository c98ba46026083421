// Solid brushes and pens shared by the rows of one paint message. A list
// paint fills every row's indentation area and cells and draws its tree
// lines with a handful of colours; each colour's brush or pen is made once
// for the paint (while a PaintObjectsScope exists) instead of once per
// rectangle, and deleted when the paint ends.
#pragma once

#include "base/gdi.h"
#include "base/record.h"

// Remembered brushes and pens of the paint in progress.
struct PaintObjects {
    static const int kMax = 8;
    COLORREF brushColors[kMax];
    HBRUSH brushes[kMax];
    int brushCount;
    COLORREF penColors[kMax];
    HPEN pens[kMax];
    int penCount;
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
