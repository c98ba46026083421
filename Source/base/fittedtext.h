// The control's own text output: line breaks, word wrap, a line limit and
// "..." for text that does not fit.
#pragma once

#include <windows.h>

// The control's own text output with DrawTextW flag values (DT_CENTER,
// DT_RIGHT, DT_VCENTER, DT_WORDBREAK, DT_SINGLELINE, DT_NOCLIP, DT_CALCRECT,
// DT_NOPREFIX): breaks lines at CR, LF and CR LF, wraps at spaces with
// DT_WORDBREAK, shows at most `maxLines` lines and ends text that does not
// fit in "...". With DT_CALCRECT it only measures: rect->bottom becomes
// top + height (and rect->right left + width for DT_SINGLELINE). Does
// nothing when length < 1 or rect is null. plainSize, when given, is what
// MeasurePlainLine returned for the same text in the same font.
void DrawFittedText(HDC dc, const wchar_t* text, int length, RECT* rect, UINT flags, int maxLines,
                    const SIZE* plainSize = nullptr);

// Measures a text of printable Latin characters only (no control characters,
// no soft hyphen, nothing from the combining marks on), which DrawTextW
// measures and draws exactly as GetTextExtentPoint32W and ExtTextOutW do:
// *size receives its GetTextExtentPoint32W size, whose width is also what
// DrawTextW reports for it with DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX.
// False, and nothing measured, for any other text.
bool MeasurePlainLine(HDC dc, const wchar_t* text, int length, SIZE* size);
