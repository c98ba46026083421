// QelBox_FontStyles: fills a control with the styles (weight and italic)
// of one face, named from a comma-separated list of weight names; each
// item's first cell holds the weight, with the top bit set for italic.
#include <stdlib.h>
#include <string.h>
#include <wchar.h>

#include "base/memory.h"
#include "base/unicode.h"
#include "fonts/fontlists.h"
#include "model/search.h"
#include "base/resource.h"
#include "base/diagnostics.h"

namespace {

const DWORD kItalicKey = 0x80000000u;

// The weight names and italic suffix of a style list: the caller's, or the
// library's string resources for those not given.
class StyleNames {
  public:
    // False when a needed default string is absent or empty.
    bool Resolve(const wchar_t* weightNames, const wchar_t* italicSuffix) {
        names_ = weightNames;
        suffix_ = italicSuffix;
        if (!names_) {
            if (!LoadLibraryString(IDS_QELBOX_WEIGHTS, namesBuffer_, kNamesSize)) return false;
            names_ = namesBuffer_;
        }
        if (!suffix_) {
            if (!LoadLibraryString(IDS_QELBOX_ITALIC, suffixBuffer_, kSuffixSize)) return false;
            suffix_ = suffixBuffer_;
        }
        return true;
    }
    const wchar_t* Names() const { return names_; }
    const wchar_t* Suffix() const { return suffix_; }

  private:
    static const int kNamesSize = 512;
    static const int kSuffixSize = 80;
    wchar_t namesBuffer_[kNamesSize];
    wchar_t suffixBuffer_[kSuffixSize];
    const wchar_t* names_ = nullptr;
    const wchar_t* suffix_ = nullptr;
};

// The weights that the nine entries of a weight-name list stand for.
const int kWeights[] = {100, 200, 300, 400, 500, 600, 700, 800, 900};
const int kNormalPosition = 3;

// Position of the nearest table weight; the first of two equally near ones.
int WeightPosition(LONG weight) {
    int best = kNormalPosition;
    long long bestDistance = 0x7FFFFFFF;
    for (int i = 0; i < 9; ++i) {
        const long long distance = llabs(static_cast<long long>(weight) - kWeights[i]);
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

// The entry at `position` of the weight-name list as [*begin, *end); a list
// that runs out early, or an empty entry, names the weight "Normal".
void WeightName(const wchar_t* names, int position, const wchar_t** begin, const wchar_t** end) {
    static const wchar_t kNormal[] = L"Normal";
    const wchar_t* entry = names;
    for (int i = 0; entry && i < position; ++i) {
        entry = wcschr(entry, L',');
        if (entry) ++entry;
    }
    const wchar_t* stop = entry ? wcschr(entry, L',') : nullptr;
    if (entry && !stop) stop = entry + wcslen(entry);
    if (!entry || stop == entry) {
        entry = kNormal;
        stop = kNormal + (sizeof(kNormal) / sizeof(kNormal[0])) - 1;
    }
    *begin = entry;
    *end = stop;
}

// Where a style with this key belongs: its index when it is listed already
// (*listed set), else the insertion index (weights ascending, upright
// before italic).
int StylePosition(ControlRecord* rec, DWORD key, bool* listed) {
    *listed = false;
    const int count = rec->itemCount;
    for (int i = 0; i < count; ++i) {
        const QelData value = FirstCellData(rec, i);
        if (value == key) {
            *listed = true;
            return i;
        }
        if ((value & 0xFFFF) > (key & 0xFFFF)) return i;
        if ((value & 0xFFFF) == (key & 0xFFFF)) return (key & kItalicKey) ? i + 1 : i;
    }
    return count;
}

// Adds one style unless it or its name is listed already; returns its
// index, or a negative value when it could not be added.
int AddStyle(ControlRecord* rec, const StyleNames& names, LONG weight, bool italic) {
    const int position = WeightPosition(weight);
    const DWORD key = static_cast<DWORD>(kWeights[position]) | (italic ? kItalicKey : 0);
    bool listed;
    const int index = StylePosition(rec, key, &listed);
    if (listed) return index;

    const wchar_t* begin;
    const wchar_t* end;
    WeightName(names.Names(), position, &begin, &end);
    const size_t nameLength = static_cast<size_t>(end - begin);
    const size_t suffixLength = italic ? wcslen(names.Suffix()) : 0;
    wchar_t* name =
        static_cast<wchar_t*>(QelMalloc((nameLength + suffixLength + 1) * sizeof(wchar_t)));
    if (!name) return -1;
    memcpy(name, begin, nameLength * sizeof(wchar_t));
    memcpy(name + nameLength, names.Suffix(), suffixLength * sizeof(wchar_t));
    name[nameLength + suffixLength] = 0;

    int result = FindText(rec, -1, 0, name, FALSE, true);
    if (result < 0) result = InsertWithData(rec, index, name, key);
    QelFree(name);
    return result;
}

// One instance of the face: its style, or for faces that are neither
// TrueType nor raster the four usual styles (and the end of the
// enumeration, 0).
int AddFaceStyles(ControlRecord* rec, LONG weight, bool italic, DWORD fontType) {
    // Outside a QelBox_FontStyles call the library's own names apply.
    StyleNames names;
    if (!names.Resolve(rec->fontWeightNames, rec->fontItalicSuffix)) return 0;

    if (!(fontType & (TRUETYPE_FONTTYPE | RASTER_FONTTYPE))) {
        // Vector and device faces come in the four usual styles.
        AddStyle(rec, names, FW_NORMAL, false);
        AddStyle(rec, names, FW_NORMAL, true);
        AddStyle(rec, names, FW_BOLD, false);
        AddStyle(rec, names, FW_BOLD, true);
        return 0;
    }
    AddStyle(rec, names, weight, italic);
    return 1;
}

int FontStyles(ControlRecord* rec, HDC device, const wchar_t* faceName, const wchar_t* weightNames,
               const wchar_t* italicSuffix) {
    if (!faceName) return 0;
    StyleNames names;
    if (!names.Resolve(weightNames, italicSuffix)) return 0;
    // The names are only borrowed for the length of the enumeration.
    rec->fontWeightNames = names.Names();
    rec->fontItalicSuffix = names.Suffix();
    EnumerateFonts(rec, device, true, faceName, QelBox_FontsForStyleEnumProc_W);
    rec->fontWeightNames = nullptr;
    rec->fontItalicSuffix = nullptr;
    return rec->itemCount > 0 ? 1 : 0;
}

} // namespace

extern "C" {

int CALLBACK QelBox_FontsForStyleEnumProc(const LOGFONTA* font, const TEXTMETRICA*, DWORD fontType,
                                          LPARAM user) {
    ControlRecord* rec = reinterpret_cast<ControlRecord*>(user);
    if (!font || !rec) return 0;
    return AddFaceStyles(rec, font->lfWeight, font->lfItalic != 0, fontType);
}

int CALLBACK QelBox_FontsForStyleEnumProc_W(const LOGFONTW* font, const TEXTMETRICW*,
                                            DWORD fontType, LPARAM user) {
    ControlRecord* rec = reinterpret_cast<ControlRecord*>(user);
    if (!font || !rec) return 0;
    return AddFaceStyles(rec, font->lfWeight, font->lfItalic != 0, fontType);
}

int WINAPI QelBox_FontStyles_A(HWND control, HDC device, const char* faceName,
                               const char* weightNames, const char* italicSuffix) {
    ENTER_CONTROL(control, 0);
    QELBOX_CHECK_ON_RETURN(control);
    const WideArg face(faceName);
    const WideArg weights(weightNames);
    const WideArg suffix(italicSuffix);
    if (!face.ok() || !weights.ok() || !suffix.ok()) return 0;
    return FontStyles(rec, device, face.get(), weights.get(), suffix.get());
}

int WINAPI QelBox_FontStyles_W(HWND control, HDC device, const wchar_t* faceName,
                               const wchar_t* weightNames, const wchar_t* italicSuffix) {
    ENTER_CONTROL(control, 0);
    QELBOX_CHECK_ON_RETURN(control);
    return FontStyles(rec, device, faceName, weightNames, italicSuffix);
}

} // extern "C"
