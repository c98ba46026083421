// UTF-16 copies and the ANSI conversions of the _A functions.
#include "base/unicode.h"

#include <string.h>

#include "base/memory.h"

wchar_t* QelWcsDup(const wchar_t* text) {
    if (!text) return nullptr;
    const size_t bytes = (static_cast<size_t>(lstrlenW(text)) + 1) * sizeof(wchar_t);
    wchar_t* copy = static_cast<wchar_t*>(QelMalloc(bytes));
    if (copy) memcpy(copy, text, bytes);
    return copy;
}

WideArg::WideArg(const char* text) {
    if (!text) return;
    const int capacity = static_cast<int>(sizeof(inline_) / sizeof(inline_[0]));
    if (MultiByteToWideChar(CP_ACP, 0, text, -1, inline_, capacity) > 0) {
        text_ = inline_;
        return;
    }
    bool failed = false;
    heap_ = WideDupFromAnsi(text, &failed);
    ok_ = !failed;
    text_ = heap_;
}

WideArg::~WideArg() {
    QelFree(heap_);
}

wchar_t* WideDupFromAnsi(const char* text, bool* failed) {
    if (!text) return nullptr;
    const int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    wchar_t* copy = static_cast<wchar_t*>(
        QelMalloc(static_cast<size_t>(length > 0 ? length : 1) * sizeof(wchar_t)));
    if (!copy) {
        *failed = true;
        return nullptr;
    }
    copy[0] = 0;
    if (length > 0) MultiByteToWideChar(CP_ACP, 0, text, -1, copy, length);
    return copy;
}

int AnsiLength(const wchar_t* text) {
    if (!text || !text[0]) return 0;
    return WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr) - 1;
}

int CopyAnsi(const wchar_t* text, char* buffer) {
    buffer[0] = 0;
    if (!text || !text[0]) return 0;
    const int written =
        WideCharToMultiByte(CP_ACP, 0, text, -1, buffer, AnsiLength(text) + 1, nullptr, nullptr);
    return written > 0 ? written - 1 : 0;
}

int CopyAnsiN(const wchar_t* text, char* buffer, int size) {
    if (!buffer || size <= 0) return 0;
    buffer[0] = 0;
    if (!text) return 0;
    if (AnsiLength(text) < size) return CopyAnsi(text, buffer);
    // Too long: character by character (a surrogate pair is one character)
    // while the bytes fit.
    int used = 0;
    for (int i = 0; text[i];) {
        const int units = IsLeadSurrogate(text[i]) && text[i + 1] ? 2 : 1;
        char bytes[8];
        const int n =
            WideCharToMultiByte(CP_ACP, 0, text + i, units, bytes, sizeof(bytes), nullptr, nullptr);
        if (n <= 0 || used + n > size - 1) break;
        memcpy(buffer + used, bytes, static_cast<size_t>(n));
        used += n;
        i += units;
    }
    buffer[used] = 0;
    return used;
}

int CopyWideN(const wchar_t* text, wchar_t* buffer, int size) {
    const int length = WideLength(text);
    if (!buffer || size <= 0) return length;
    int copied = length < size ? length : size - 1;
    if (copied > 0 && copied < length && IsLeadSurrogate(text[copied - 1])) --copied;
    if (copied > 0) memcpy(buffer, text, static_cast<size_t>(copied) * sizeof(wchar_t));
    buffer[copied] = 0;
    return length;
}
