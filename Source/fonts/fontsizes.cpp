// QelBox_FontSizes: fills a control with the point sizes of one face,
// each item's first cell holding its size.
#include "base/unicode.h"
#include "fonts/fontlists.h"
#include "model/items.h"
#include "base/gdi.h"
#include "base/diagnostics.h"

namespace {

// Standard sizes offered for scalable faces, in points.
const int kTrueTypeSizes[] = {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};
const int kScalableSizes[] = {6, 8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};

int InsertSize(ControlRecord* rec, int index, int points) {
    wchar_t text[16];
    wsprintfW(text, L"%d", points);
    return InsertWithData(rec, index, text, static_cast<DWORD>(points));
}

// A scalable face replaces whatever the list held by a standard table.
template <size_t N> void FillStandardSizes(ControlRecord* rec, const int (&sizes)[N]) {
    ResetContent(rec);
    for (int points : sizes)
        InsertSize(rec, -1, points);
}

int ScreenPixelsPerInch() {
    WindowDC screen(nullptr);
    if (!screen) return 96;
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    return dpi > 0 ? dpi : 96;
}

// One instance of the face: a scalable face fills the standard sizes and
// stops the enumeration (0); a raster instance adds its size (1).
int AddSize(ControlRecord* rec, DWORD fontType, LONG height, LONG internalLeading) {
    if (fontType & TRUETYPE_FONTTYPE) {
        FillStandardSizes(rec, kTrueTypeSizes);
        return 0;
    }
    if (!(fontType & RASTER_FONTTYPE)) {
        FillStandardSizes(rec, kScalableSizes);
        return 0;
    }
    // A raster instance adds its own size, merged in ascending order.
    const int points = MulDiv(height - internalLeading, 72, ScreenPixelsPerInch());
    const int count = rec->itemCount;
    int position = 0;
    for (; position < count; ++position) {
        const int listed = static_cast<int>(FirstCellData(rec, position));
        if (listed == points) return 1;
        if (listed > points) break;
    }
    InsertSize(rec, position, points);
    return 1;
}

int FontSizes(ControlRecord* rec, HDC device, const wchar_t* faceName) {
    if (!faceName) return 0;
    EnumerateFonts(rec, device, true, faceName, QelBox_FontsForSizeEnumProc_W);
    return rec->itemCount > 0 ? 1 : 0;
}

} // namespace

extern "C" {

int CALLBACK QelBox_FontsForSizeEnumProc(const LOGFONTA*, const TEXTMETRICA* metrics,
                                         DWORD fontType, LPARAM user) {
    ControlRecord* rec = reinterpret_cast<ControlRecord*>(user);
    if (!metrics || !rec) return 0;
    return AddSize(rec, fontType, metrics->tmHeight, metrics->tmInternalLeading);
}

int CALLBACK QelBox_FontsForSizeEnumProc_W(const LOGFONTW*, const TEXTMETRICW* metrics,
                                           DWORD fontType, LPARAM user) {
    ControlRecord* rec = reinterpret_cast<ControlRecord*>(user);
    if (!metrics || !rec) return 0;
    return AddSize(rec, fontType, metrics->tmHeight, metrics->tmInternalLeading);
}

int WINAPI QelBox_FontSizes_A(HWND control, HDC device, const char* faceName) {
    ENTER_CONTROL(control, 0);
    QELBOX_CHECK_ON_RETURN(control);
    const WideArg face(faceName);
    return face.ok() ? FontSizes(rec, device, face.get()) : 0;
}

int WINAPI QelBox_FontSizes_W(HWND control, HDC device, const wchar_t* faceName) {
    ENTER_CONTROL(control, 0);
    QELBOX_CHECK_ON_RETURN(control);
    return FontSizes(rec, device, faceName);
}

} // extern "C"
