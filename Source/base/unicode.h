// The control's texts are UTF-16. These helpers copy them, and convert
// between them and the ANSI code page for the _A functions.
#pragma once

#include <windows.h>

// Heap copy (QelMalloc) of a zero-terminated UTF-16 text; null for a null
// text and when memory runs out.
wchar_t* QelWcsDup(const wchar_t* text);

inline int WideLength(const wchar_t* text) {
    return text ? lstrlenW(text) : 0;
}
inline bool IsLeadSurrogate(wchar_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}

// An _A function's text argument as UTF-16 for the time of the call: short
// texts in an inline buffer, longer ones on the heap.
class WideArg {
  public:
    explicit WideArg(const char* text);
    ~WideArg();
    WideArg(const WideArg&) = delete;
    WideArg& operator=(const WideArg&) = delete;
    // False when memory for the conversion ran out.
    bool ok() const { return ok_; }
    // The converted text; null for a null argument.
    const wchar_t* get() const { return text_; }

  private:
    wchar_t inline_[128];
    wchar_t* heap_ = nullptr;
    const wchar_t* text_ = nullptr;
    bool ok_ = true;
};

// Heap copy (QelMalloc) of the UTF-16 form of an ANSI text: null for a null
// text; sets *failed when memory runs out.
wchar_t* WideDupFromAnsi(const char* text, bool* failed);

// Bytes of the ANSI form of `text` without its terminator (0 for null).
int AnsiLength(const wchar_t* text);
// Writes the ANSI form of `text` (null: empty) and its terminator to
// `buffer`, sized by the caller with AnsiLength + 1. Returns its length.
int CopyAnsi(const wchar_t* text, char* buffer);
// Writes as much of the ANSI form as fits in size-1 bytes, whole
// characters only, and a terminator (nothing for size <= 0). Returns the
// bytes written without the terminator.
int CopyAnsiN(const wchar_t* text, char* buffer, int size);
// The _W getters' copy: at most size-1 characters, never half a surrogate
// pair, and a terminator (nothing for size <= 0 or a null buffer). Returns
// the length of the whole text.
int CopyWideN(const wchar_t* text, wchar_t* buffer, int size);
