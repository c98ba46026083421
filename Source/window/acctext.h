// The texts the accessible objects hand out: the control's name from its
// label, the value shown by the control, and the name, description and
// value of a row.
#pragma once

#include <oaidl.h>

#include "base/record.h"

// A growing UTF-16 text; a failed allocation marks it failed and further
// appends do nothing.
class AccText {
  public:
    AccText() = default;
    ~AccText();
    AccText(const AccText&) = delete;
    AccText& operator=(const AccText&) = delete;

    void Append(const wchar_t* text);
    void AppendNumber(int value);
    void Fail() { failed_ = true; }
    bool Empty() const { return length_ == 0; }
    bool Failed() const { return failed_; }
    const wchar_t* Str() const { return data_ ? data_ : L""; }
    // A BSTR of the text (*out null for an empty text): S_OK, S_FALSE when
    // empty, E_OUTOFMEMORY.
    HRESULT ToBstr(BSTR* out) const;

  private:
    wchar_t* data_ = nullptr;
    size_t length_ = 0;
    size_t capacity_ = 0;
    bool failed_ = false;
};

// A BSTR of a plain text: S_OK, E_OUTOFMEMORY.
HRESULT AccBstr(const wchar_t* text, BSTR* out);

// The name of the control: the text of the static label before it among
// its siblings, without the '&' markers. `shortcut` receives the marked
// character (0 when there is none).
void AccLabelName(HWND control, AccText* name, wchar_t* shortcut);
// What the control shows: the edit field's text, or the committed row's
// edit-column text.
void AccControlValue(ControlRecord* rec, AccText* value);
// Text of the first visible column (display order) of a valid row.
void AccRowName(ControlRecord* rec, int index, AccText* name);
// The other visible columns in display order as "header: text" pairs
// (just the text under a column without header text), separated by ", ";
// empty cells are left out.
void AccRowDescription(ControlRecord* rec, int index, AccText* description);
// The row's level as a decimal number.
void AccRowLevel(ControlRecord* rec, int index, AccText* value);
// True when the row is enabled.
bool AccRowEnabled(ControlRecord* rec, int index);
