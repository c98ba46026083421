// Fitted text: the control's own text output with line breaks, word wrap,
// a line limit and "..." for text that does not fit. It also measures the
// height of wrapped cell text for variable row heights.
#include "base/fittedtext.h"

#include "base/record.h"
#include "base/unicode.h"

namespace {

const wchar_t kEllipsis[] = L"...";
const int kEllipsisLength = 3;

int TextWidth(HDC dc, const wchar_t* text, int length) {
    SIZE size;
    if (length <= 0 || !GetTextExtentPoint32W(dc, text, length, &size)) return 0;
    return size.cx;
}

// Printable Latin: the characters that every text routine of the system
// lays out one after the other, with no shaping, reordering or hidden
// characters.
bool IsPlainLatin(const wchar_t* text, int length) {
    for (int i = 0; i < length; ++i) {
        const wchar_t c = text[i];
        if (c < 0x20 || (c >= 0x7F && c < 0xA0) || c == 0xAD || c >= 0x300) return false;
    }
    return true;
}

// One line of `width` that fits its rectangle. A plain Latin text without
// prefix processing, left or right aligned, goes straight to ExtTextOutW
// where DrawTextW would put it (the rectangle's top, its left edge or its
// right edge less the text's width), clipped to the rectangle as DrawTextW
// clips it; centring and the current-position mode are left to DrawTextW.
// knownPlain: the caller has seen that the text is plain Latin.
void DrawLine(HDC dc, const wchar_t* text, int length, RECT area, UINT flags, int width,
              bool knownPlain) {
    const bool direct = (flags & DT_NOPREFIX) && !(flags & DT_CENTER) &&
                        !(GetTextAlign(dc) & TA_UPDATECP) &&
                        (knownPlain || IsPlainLatin(text, length));
    if (!direct) {
        DrawTextW(dc, text, length, &area, flags);
        return;
    }
    const int x = (flags & DT_RIGHT) ? area.right - width : area.left;
    ExtTextOutW(dc, x, area.top, ETO_CLIPPED, &area, text, static_cast<UINT>(length), nullptr);
}

// Every line is as high as a capital letter of the selected font.
int LineHeight(HDC dc) {
    SIZE size;
    return GetTextExtentPoint32W(dc, L"T", 1, &size) ? size.cy : 0;
}

bool HasLineBreak(const wchar_t* text, int length) {
    for (int i = 0; i < length; ++i) {
        if (text[i] == '\r' || text[i] == '\n') return true;
    }
    return false;
}

enum class LineEnd {
    Break, // CR, LF or CR LF
    Wrap,  // broken at a space because the text got too wide
    Text   // the end of the text
};

struct Line {
    int start; // first character
    int end;   // one past the last character drawn
    int next;  // start of the following line
    LineEnd how;
};

// The line that starts at `start`. With `wrap`, every space after the line
// start is a possible break point; once the line has one, the text from the
// line start up to each later space (or the line's end) is measured and,
// when wider than `width`, the line ends at the previous break point. A
// single word is never split. Spaces at the start of a wrapped line's
// successor are skipped.
Line NextLine(HDC dc, const wchar_t* text, int length, int start, int width, bool wrap) {
    int breakAt = -1;
    for (int i = start;; ++i) {
        const bool atEnd = i >= length;
        const wchar_t c = atEnd ? L'\0' : text[i];
        const bool lineBreak = c == '\r' || c == '\n';
        if (wrap && (atEnd || lineBreak || c == ' ')) {
            if (breakAt >= 0 && TextWidth(dc, text + start, i - start) > width) {
                int next = breakAt;
                while (next < length && text[next] == ' ')
                    ++next;
                return {start, breakAt, next, LineEnd::Wrap};
            }
            if (c == ' ' && i > start) breakAt = i;
        }
        if (atEnd) return {start, length, length, LineEnd::Text};
        if (lineBreak) {
            int next = i + 1;
            if (c == '\r' && next < length && text[next] == '\n') ++next;
            return {start, i, next, LineEnd::Break};
        }
    }
}

// Number of lines of the text, counting no further than maxLines.
int CountLines(HDC dc, const wchar_t* text, int length, int width, bool wrap, int maxLines) {
    int lines = 0;
    for (int start = 0; start < length && lines < maxLines; ++lines)
        start = NextLine(dc, text, length, start, width, wrap).next;
    return lines;
}

// The longest proper prefix of the text (shorter than `length`) whose
// width is at most `room`; 0 when none fits. A prefix is never narrower
// than a shorter one, so the fit count of one measurement of the whole text
// gives the answer; it is checked against single measurements of the
// prefixes around it, which are what the drawing uses. Costs one pass over
// the text, however long, instead of one measurement per character.
int LongestFittingPrefix(HDC dc, const wchar_t* text, int length, int room) {
    if (room < 0 || length < 2) return 0;
    int kept = 0;
    SIZE size;
    if (!GetTextExtentExPointW(dc, text, length, room, &kept, nullptr, &size)) kept = length - 1;
    kept = min(max(kept, 0), length - 1);
    while (kept > 0 && TextWidth(dc, text, kept) > room)
        --kept;
    while (kept + 1 < length && TextWidth(dc, text, kept + 1) <= room)
        ++kept;
    // A surrogate pair is one character: it is kept whole or not at all.
    if (kept > 0 && IsLeadSurrogate(text[kept - 1])) --kept;
    return kept;
}

// One line of text without line breaks: drawn whole when it fits, else the
// longest prefix that fits together with "..." (or "..." alone).
// knownPlain: the caller has seen that the text is plain Latin.
void DrawOneLine(HDC dc, const wchar_t* text, int length, RECT area, UINT flags, int width,
                 bool knownPlain) {
    const int available = area.right - area.left;
    if (width <= available) {
        DrawLine(dc, text, length, area, flags, width, knownPlain);
        return;
    }
    const int ellipsis = TextWidth(dc, kEllipsis, kEllipsisLength);
    const int kept = LongestFittingPrefix(dc, text, length, available - ellipsis);
    const int keptWidth = TextWidth(dc, text, kept);
    if (kept == 0) {
        DrawTextW(dc, kEllipsis, kEllipsisLength, &area, flags);
        return;
    }
    // Prefix and "..." follow each other from the current position, placed
    // as the alignment asks for the two together.
    int x = area.left;
    if (flags & DT_RIGHT)
        x = area.right - ellipsis - keptWidth;
    else if (flags & DT_CENTER)
        x = area.left + (available - ellipsis - keptWidth) / 2;
    const UINT oldAlign = SetTextAlign(dc, TA_UPDATECP);
    POINT oldPosition;
    MoveToEx(dc, x, area.top, &oldPosition);
    DrawTextW(dc, text, kept, &area, flags);
    DrawTextW(dc, kEllipsis, kEllipsisLength, &area, flags);
    MoveToEx(dc, oldPosition.x, oldPosition.y, nullptr);
    SetTextAlign(dc, oldAlign);
}

// Text with line breaks or wrapping, line by line from the top of `area`
// (whose bottom already allows no more than the permitted lines). Each line
// is drawn as a single line of its own, so a line that is still too wide
// gets its own "..."; when the lines run out of room while text remains,
// the last line shows "..." at its right end.
void DrawLines(HDC dc, const wchar_t* text, int length, const RECT& area, UINT flags, int maxLines,
               int lineHeight) {
    const bool wrap = (flags & DT_WORDBREAK) != 0;
    const UINT lineFlags = (flags & (DT_CENTER | DT_RIGHT)) | DT_SINGLELINE;
    int top = area.top;
    for (int start = 0; start < length;) {
        const Line line = NextLine(dc, text, length, start, area.right - area.left, wrap);
        if (line.end > line.start) {
            RECT lineRect = {area.left, top, area.right, area.bottom};
            DrawFittedText(dc, text + line.start, line.end - line.start, &lineRect, lineFlags,
                           maxLines);
        }
        if (line.how == LineEnd::Text) return;
        top += lineHeight;
        start = line.next;
        if (top >= area.bottom && start < length) {
            RECT last = {area.left, top - lineHeight, area.right, area.bottom};
            DrawFittedText(dc, kEllipsis, kEllipsisLength, &last, DT_SINGLELINE | DT_RIGHT, 1);
            return;
        }
    }
}

} // namespace

bool MeasurePlainLine(HDC dc, const wchar_t* text, int length, SIZE* size) {
    return text && length > 0 && IsPlainLatin(text, length) &&
           GetTextExtentPoint32W(dc, text, length, size);
}

void DrawFittedText(HDC dc, const wchar_t* text, int length, RECT* rect, UINT flags, int maxLines,
                    const SIZE* plainSize) {
    if (!text || length < 1 || !rect) return;
    const bool wrap = (flags & DT_WORDBREAK) != 0;
    // A plain text has no line breaks.
    const bool simple =
        ((flags & DT_SINGLELINE) || !wrap) && (plainSize || !HasLineBreak(text, length));

    int width;
    int height;
    int lineHeight = 0;
    if (simple) {
        SIZE size = {0, 0};
        if (plainSize)
            size = *plainSize;
        else
            GetTextExtentPoint32W(dc, text, length, &size);
        width = size.cx;
        height = size.cy;
    } else {
        lineHeight = LineHeight(dc);
        width = rect->right - rect->left;
        const int lines = CountLines(dc, text, length, width, wrap, maxLines);
        height = max(lines, 1) * lineHeight;
    }

    if (flags & DT_CALCRECT) {
        rect->bottom = rect->top + height;
        if (flags & DT_SINGLELINE) rect->right = rect->left + width;
        return;
    }

    RECT area = *rect;
    if (flags & DT_VCENTER) {
        // A single line taller than the rectangle stays centred (and is
        // clipped on both sides); lines never start above the top.
        int shift = (area.bottom - area.top - height) / 2;
        if (shift < 0 && !(flags & DT_SINGLELINE)) shift = 0;
        area.top += shift;
    }
    area.bottom = min(area.bottom, area.top + height);
    flags &= ~static_cast<UINT>(DT_VCENTER);

    if (simple)
        DrawOneLine(dc, text, length, area, flags & ~static_cast<UINT>(DT_WORDBREAK | DT_NOCLIP),
                    width, plainSize != nullptr);
    else
        DrawLines(dc, text, length, area, flags, maxLines, lineHeight);
}
