// Text of the committed row for a control without an edit field: WM_GETTEXT
// and the clipboard copy of WM_COPY / WM_CUT.
#include "window/combo.h"

#include <string.h>

#include "base/unicode.h"
#include "model/columns.h"
#include "model/itemprops.h"

LRESULT CopyCommittedText(ControlRecord* rec, wchar_t* buffer, int size) {
    // Like QelBox_GetText for the committed row and column 0, but never
    // writes beyond the caller's buffer.
    if (buffer && size > 0) buffer[0] = 0;
    const wchar_t* text;
    if (!CellText(rec, -1, 0, &text)) return -1;
    if (!buffer || size <= 0) return 0;
    CopyWideN(text, buffer, size);
    return WideLength(buffer);
}

void CopyCommittedRow(ControlRecord* rec) {
    const wchar_t* text;
    if (!CellText(rec, -1, EditColumn(rec), &text)) text = nullptr;
    const size_t length = static_cast<size_t>(WideLength(text));
    if (!OpenClipboard(rec->hwndControl)) return;
    if (EmptyClipboard()) {
        // UTF-16; the system offers CF_TEXT converted from it.
        HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, (length + 1) * sizeof(wchar_t));
        if (block) {
            wchar_t* copy = static_cast<wchar_t*>(GlobalLock(block));
            if (copy) {
                if (length > 0) memcpy(copy, text, length * sizeof(wchar_t));
                copy[length] = 0;
                GlobalUnlock(block);
            }
            if (!SetClipboardData(CF_UNICODETEXT, block)) GlobalFree(block);
        }
    }
    CloseClipboard();
}
