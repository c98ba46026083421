// QelBox_FontStyles_A: fills a control with the styles (weight and italic)
// of one face, named from a comma-separated list of weight names; each
// item's first cell holds the weight, with the top bit set for italic.
#include <stdlib.h>
#include <string.h>

#include "base/memory.h"
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
    bool Resolve(const char* weightNames, const char* italicSuffix) {
        names_ = weightNames;
        suffix_ = italicSuffix;
        if (!names_) {
            if (!LoadLibraryString(IDS_QELBOX_WEIGHTS, namesBuffer_, sizeof(namesBuffer_)))
                return false;
            names_ = namesBuffer_;
        }
        if (!suffix_) {
            if (!LoadLibraryString(IDS_QELBOX_ITALIC, suffixBuffer_, sizeof(suffixBuffer_)))
                return false;
            suffix_ = suffixBuffer_;
        }
        return true;
    }
    const char* Names() const { return names_; }
    const char* Suffix() const { return suffix_; }

  private:
    char namesBuffer_[512];
    char suffixBuffer_[80];
    const char* names_ = nullptr;
    const char* suffix_ = nullptr;
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
void WeightName(const char* names, int position, const char** begin, const char** end) {
    static const char kNormal[] = "Normal";
    const char* entry = names;
    for (int i = 0; entry && i < position; ++i) {
        entry = strchr(entry, ',');
        if (entry) ++entry;
    }
    const char* stop = entry ? strchr(entry, ',') : nullptr;
    if (entry && !stop) stop = entry + strlen(entry);
    if (!entry || stop == entry) {
        entry = kNormal;
        stop = kNormal + sizeof(kNormal) - 1;
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

    const char* begin;
    const char* end;
    WeightName(names.Names(), position, &begin, &end);
    const size_t nameLength = static_cast<size_t>(end - begin);
    const size_t suffixLength = italic ? strlen(names.Suffix()) : 0;
    char* name = static_cast<char*>(QelMalloc(nameLength + suffixLength + 1));
    if (!name) return -1;
    memcpy(name, begin, nameLength);
    memcpy(name + nameLength, names.Suffix(), suffixLength);
    name[nameLength + suffixLength] = 0;

    int result = FindText(rec, -1, 0, name, FALSE, true);
    if (result < 0) result = InsertWithData(rec, index, name, key);
    QelFree(name);
    return result;
}

} // namespace

extern "C" {

int CALLBACK QelBox_FontsForStyleEnumProc(const LOGFONTA* font, const TEXTMETRICA*, DWORD fontType,
                                          LPARAM user) {
    ControlRecord* rec = reinterpret_cast<ControlRecord*>(user);
    if (!font || !rec) return 0;
    // Outside a QelBox_FontStyles_A call the library's own names apply.
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
    AddStyle(rec, names, font->lfWeight, font->lfItalic != 0);
    return 1;
}

int WINAPI QelBox_FontStyles_A(HWND control, HDC device, const char* faceName,
                               const char* weightNames, const char* italicSuffix) {
    ENTER_CONTROL(control, 0);
    QELBOX_CHECK_ON_RETURN(control);
    if (!faceName) return 0;
    StyleNames names;
    if (!names.Resolve(weightNames, italicSuffix)) return 0;
    // The names are only borrowed for the length of the enumeration.
    rec->fontWeightNames = const_cast<char*>(names.Names());
    rec->fontItalicSuffix = const_cast<char*>(names.Suffix());
    EnumerateFonts(rec, device, true, faceName, QelBox_FontsForStyleEnumProc);
    rec->fontWeightNames = nullptr;
    rec->fontItalicSuffix = nullptr;
    return rec->itemCount > 0 ? 1 : 0;
}

} // extern "C"
