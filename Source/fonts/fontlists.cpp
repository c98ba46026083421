// Item values and enumeration shared by the face, size and style lists. The
// lists go through the control's exported item functions, so they behave
// exactly like items the application adds itself.
#include "fonts/fontlists.h"

#include "base/module.h"
#include "model/cellinfo.h"
#include "model/items.h"
#include "base/gdi.h"

namespace {

CellInfo FirstCell(int index) {
    CellInfo cell = {};
    cell.version = 1;
    cell.index = index;
    cell.column = 0;
    return cell;
}

} // namespace

QelData FirstCellData(ControlRecord* rec, int index) {
    CellInfo cell = FirstCell(index);
    return GetCellInfo(rec, &cell) ? cell.cellData : 0;
}

bool SetFirstCellData(ControlRecord* rec, int index, QelData value) {
    CellInfo cell = FirstCell(index);
    if (!GetCellInfo(rec, &cell)) return false;
    cell.cellData = value;
    return SetCellInfo(rec, &cell) != 0;
}

int InsertWithData(ControlRecord* rec, int index, const wchar_t* text, QelData value) {
    const int inserted = InsertString(rec, index, text);
    if (inserted < 0) return inserted;
    // An item without its value would read as size or type 0: take it out.
    if (!SetFirstCellData(rec, inserted, value)) {
        DeleteString(rec, inserted);
        return -1;
    }
    return inserted;
}

bool EnumerateFonts(ControlRecord* rec, HDC device, bool onScreen, const wchar_t* face,
                    FONTENUMPROCW proc) {
    const LPARAM user = reinterpret_cast<LPARAM>(rec);
    bool completed = true;
    if (onScreen) {
        WindowDC screen(nullptr);
        if (screen) completed = EnumFontFamiliesW(screen, face, proc, user) != 0;
    }
    if (device) completed = EnumFontFamiliesW(device, face, proc, user) != 0;
    return completed;
}

bool LoadLibraryString(UINT id, wchar_t* buffer, int size) {
    buffer[0] = 0;
    return LoadStringW(g_module.module, id, buffer, size) > 0 && buffer[0] != 0;
}

WideFaceName::WideFaceName(const LOGFONTA* font) {
    text[0] = 0;
    if (MultiByteToWideChar(CP_ACP, 0, font->lfFaceName, -1, text, LF_FACESIZE) <= 0) text[0] = 0;
    text[LF_FACESIZE - 1] = 0;
}
