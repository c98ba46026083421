// Text of the committed row for a control without an edit field: WM_GETTEXT
// and the clipboard copy of WM_COPY / WM_CUT.
#include "window/combo.h"

#include <string.h>

#include "base/memory.h"
#include "model/columns.h"
#include "model/items.h"
#include "model/itemprops.h"

LRESULT CopyCommittedText(ControlRecord* rec, char* buffer, int size) {
    // Like QelBox_GetText_A for the committed row and column 0, but never
    // writes beyond the caller's buffer.
    if (buffer && size > 0) buffer[0] = 0;
    int length = TextLength(rec, -1, 0);
    if (length < 0) return -1;
    if (!buffer || size <= 0) return 0;
    ItemRecord* item = GetItem(rec, rec->committedSel);
    const char* text = item->cells[0];
    int copied = 0;
    if (text) {
        copied = min(length, size - 1);
        memcpy(buffer, text, copied);
    }
    buffer[copied] = 0;
    ReleaseItem(rec);
    return copied;
}

void CopyCommittedRow(ControlRecord* rec) {
    int column = EditColumn(rec);
    int length = TextLength(rec, -1, column);
    if (length < 0) length = 0;
    if (!OpenClipboard(rec->hwndControl)) return;
    if (EmptyClipboard()) {
        HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, length + 1);
        if (block) {
            char* text = static_cast<char*>(GlobalLock(block));
            if (text) {
                if (length > 0) GetCellText(rec, -1, column, text);
                text[length] = 0;
                GlobalUnlock(block);
            }
            if (!SetClipboardData(CF_TEXT, block)) GlobalFree(block);
        }
    }
    CloseClipboard();
}
