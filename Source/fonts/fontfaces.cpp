// QelBox_Fonts: fills a control with the installed font faces, sorted among
// themselves, optionally marked as TrueType or device faces, with the font
// type in the first cell's data.
#include "base/memory.h"
#include "base/module.h"
#include "fonts/fontlists.h"
#include "model/items.h"
#include "window/dropdown.h"
#include "model/itemprops.h"
#include "base/resource.h"
#include "base/gdi.h"
#include "base/diagnostics.h"

namespace {

const WORD kTrueTypeMarkId = IDB_QELBOX_TRUETYPE;
const WORD kDeviceMarkId = IDB_QELBOX_DEVICE;

// True when the filter flags admit a face of this pitch and font type.
bool FilterAdmits(int filter, BYTE pitchAndFamily, DWORD fontType) {
    const bool fixed = (pitchAndFamily & FIXED_PITCH) != 0;
    if (fixed && !(filter & QELBOXFONT_FIXED)) return false;
    if (!fixed && !(filter & QELBOXFONT_VARIABLE)) return false;
    if ((fontType & TRUETYPE_FONTTYPE) && !(filter & QELBOXFONT_TRUETYPE)) return false;
    if ((fontType & RASTER_FONTTYPE) && !(filter & QELBOXFONT_RASTER)) return false;
    if (!(fontType & (RASTER_FONTTYPE | TRUETYPE_FONTTYPE)) && !(filter & QELBOXFONT_OTHER))
        return false;
    return true;
}

// The mark bitmaps stay with the control until it is destroyed.
void LoadMark(HBITMAP& mark, WORD id) {
    if (mark) return;
    mark = AdoptCreated(LoadBitmapA(g_module.module, MAKEINTRESOURCEA(id)));
}

// Orders `face` against the first cell of a valid item, as lstrcmpW does.
int CompareWithItem(ControlRecord* rec, int index, const wchar_t* face) {
    const Item* item = GetItem(rec, index);
    const wchar_t* text = item && item->cells && item->cells[0] ? item->cells[0] : L"";
    const int order = lstrcmpW(face, text);
    ReleaseItem(rec);
    return order;
}

// One face of the enumeration: listed at its sorted place among this
// call's faces. Returns 0 to stop the enumeration (an item could not be
// added).
int AddFace(ControlRecord* rec, const wchar_t* face, BYTE pitchAndFamily, DWORD fontType) {
    if (!FilterAdmits(rec->fontFilter, pitchAndFamily, fontType)) return 1;
    HBITMAP mark = nullptr;
    if (fontType & TRUETYPE_FONTTYPE)
        mark = rec->fontBitmapTrueType;
    else if (fontType & DEVICE_FONTTYPE)
        mark = rec->fontBitmapDevice;

    // The faces of this call occupy fontInsertPos onward, already sorted; a
    // face listed before (seen on the screen and on the device) takes the
    // mark and type of its latest enumeration.
    const int end = min(rec->fontInsertPos + rec->fontAddedCount, rec->itemCount);
    int position = rec->fontInsertPos;
    for (; position < end; ++position) {
        const int order = CompareWithItem(rec, position, face);
        if (order < 0) break;
        if (order == 0) {
            SetItemBitmap(rec, position, mark);
            SetFirstCellData(rec, position, fontType);
            return 1;
        }
    }
    const int inserted = InsertWithData(rec, position, face, fontType);
    rec->fontLastIndex = inserted;
    if (inserted < 0) return 0;
    SetItemBitmap(rec, inserted, mark);
    ++rec->fontAddedCount;
    return 1;
}

} // namespace

extern "C" {

int CALLBACK QelBox_FontsEnumProc(const LOGFONTA* font, const TEXTMETRICA*, DWORD fontType,
                                  LPARAM user) {
    ControlRecord* rec = reinterpret_cast<ControlRecord*>(user);
    if (!font || !rec) return 0;
    const WideFaceName face(font);
    return AddFace(rec, face.text, font->lfPitchAndFamily, fontType);
}

int CALLBACK QelBox_FontsEnumProc_W(const LOGFONTW* font, const TEXTMETRICW*, DWORD fontType,
                                    LPARAM user) {
    ControlRecord* rec = reinterpret_cast<ControlRecord*>(user);
    if (!font || !rec) return 0;
    return AddFace(rec, font->lfFaceName, font->lfPitchAndFamily, fontType);
}

int WINAPI QelBox_Fonts(HWND control, int index, BOOL withBitmaps, HDC device, DWORD filterFlags) {
    ENTER_CONTROL(control, -1);
    QELBOX_CHECK_ON_RETURN(control);
    if (index < -1 || index >= rec->itemCount) return -1;
    CloseUp(rec, false);
    rec->fontLastIndex = index;
    rec->fontInsertPos = index == -1 ? 0 : index;
    rec->fontAddedCount = 0;
    rec->fontFilter = static_cast<int>(filterFlags);
    if (withBitmaps) {
        LoadMark(rec->fontBitmapTrueType, kTrueTypeMarkId);
        LoadMark(rec->fontBitmapDevice, kDeviceMarkId);
        // The TrueType mark sizes the bitmap column; without it bitmaps are
        // switched off.
        SetItemBitmap(rec, -1, rec->fontBitmapTrueType);
    }
    bool completed = true;
    if (!device || (filterFlags & QELBOXFONT_SCREEN))
        completed = EnumerateFonts(rec, nullptr, true, nullptr, QelBox_FontsEnumProc_W);
    if (device && completed) EnumerateFonts(rec, device, false, nullptr, QelBox_FontsEnumProc_W);
    return rec->fontLastIndex;
}

} // extern "C"
