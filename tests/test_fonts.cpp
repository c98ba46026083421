// Font lists: installed faces sorted and filtered, with their type and
// marks; the sizes and the named styles of a face.
#include "harness.h"

#include <algorithm>

namespace {

struct Face {
    std::string name;
    DWORD type;
    bool fixed;
};

int CALLBACK CollectFace(const LOGFONTA* font, const TEXTMETRICA*, DWORD type, LPARAM out) {
    reinterpret_cast<std::vector<Face>*>(out)->push_back(
        {font->lfFaceName, type, (font->lfPitchAndFamily & FIXED_PITCH) != 0});
    return 1;
}

// The screen's faces (face = null) or the instances of one face, in the
// order the system enumerates them.
std::vector<Face> ScreenFonts(const char* face = nullptr) {
    std::vector<Face> faces;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesA(screen, face, CollectFace, reinterpret_cast<LPARAM>(&faces));
    ReleaseDC(nullptr, screen);
    return faces;
}

// The distinct names of the faces that pass `keep`, sorted as lstrcmpA does.
template <typename Keep> std::vector<std::string> SortedNames(Keep keep) {
    std::vector<std::string> names;
    for (const Face& face : ScreenFonts())
        if (keep(face) && std::find(names.begin(), names.end(), face.name) == names.end())
            names.push_back(face.name);
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return lstrcmpA(a.c_str(), b.c_str()) < 0;
    });
    return names;
}

// The fixed-pitch TrueType face (DejaVu Sans Mono here): its weights are
// 400 and 700, upright and italic.
std::string MonoFace() {
    for (const Face& face : ScreenFonts())
        if (face.fixed && (face.type & TRUETYPE_FONTTYPE)) return face.name;
    return "";
}

const DWORD kAllTrueType = QELBOXFONT_TRUETYPE | QELBOXFONT_FIXED | QELBOXFONT_VARIABLE;
const DWORD kItalic = 0x80000000u;

class FontsTest : public ControlTest {
  protected:
    std::vector<std::string> Rows(HWND control, int from = 0, int count = -1) {
        std::vector<std::string> rows;
        const int end = count < 0 ? QelBox_GetCount(control) : from + count;
        for (int i = from; i < end; ++i)
            rows.push_back(Text(control, i));
        return rows;
    }
    static DWORD CellData(HWND control, int index) {
        CellInfo cell = {};
        cell.version = 1;
        cell.index = index;
        EXPECT_EQ(QelBox_GetCellInfo(control, &cell), 1);
        return cell.cellData;
    }
    // The callbacks receive the control's record, kept in window long 0.
    static LPARAM Record(HWND control) { return GetWindowLongPtrA(control, 0); }
};

TEST_F(FontsTest, FacesGoSortedToTheIndexWithTheirFontType) {
    const std::vector<std::string> faces =
        SortedNames([](const Face& f) { return (f.type & TRUETYPE_FONTTYPE) != 0; });
    ASSERT_GT(faces.size(), 1u);
    // The last face the enumeration brings that is not listed yet.
    std::string lastNew;
    std::vector<std::string> seen;
    for (const Face& face : ScreenFonts()) {
        if (std::find(seen.begin(), seen.end(), face.name) != seen.end()) continue;
        seen.push_back(face.name);
        lastNew = face.name;
    }
    const struct {
        int index;
        int firstFace;
    } cases[] = {{-1, 0}, {1, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.index);
        HWND control = Create(QELBOXSTYLE_DROPDOWNLIST);
        QelBox_AddString_A(control, "zz first");
        QelBox_AddString_A(control, "aa second");
        const int last = QelBox_Fonts(control, c.index, FALSE, nullptr, kAllTrueType);
        const int n = static_cast<int>(faces.size());
        ASSERT_EQ(QelBox_GetCount(control), n + 2);
        EXPECT_EQ(Rows(control, c.firstFace, n), faces);
        EXPECT_EQ(Text(control, c.firstFace == 0 ? n : 0), "zz first");
        EXPECT_EQ(Text(control, n + 1), "aa second");
        EXPECT_EQ(Text(control, last), lastNew);
        for (const Face& face : ScreenFonts()) {
            const int at = QelBox_FindStringExact_A(control, -1, 0, face.name.c_str(), FALSE);
            EXPECT_EQ(CellData(control, at), face.type) << face.name;
        }
        EXPECT_EQ(QelBox_GetShowBitmaps(control), 0);
        EXPECT_EQ(QelBox_GetItemBitmap(control, c.firstFace), nullptr);
    }
}

TEST_F(FontsTest, FilterFlagsChooseTheFaces) {
    const struct {
        DWORD filter;
        bool fixed, variable;
    } cases[] = {
        {kAllTrueType, true, true},
        {QELBOXFONT_TRUETYPE | QELBOXFONT_FIXED, true, false},
        {QELBOXFONT_TRUETYPE | QELBOXFONT_VARIABLE, false, true},
        // Here every face is TrueType: without the flag nothing is listed.
        {QELBOXFONT_FIXED | QELBOXFONT_VARIABLE | QELBOXFONT_RASTER | QELBOXFONT_OTHER, false,
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.filter);
        const std::vector<std::string> expected = SortedNames([&](const Face& f) {
            return (f.type & TRUETYPE_FONTTYPE) && (f.fixed ? c.fixed : c.variable);
        });
        HWND control = Create(QELBOXSTYLE_DROPDOWN);
        const int last = QelBox_Fonts(control, -1, FALSE, nullptr, c.filter);
        EXPECT_EQ(Rows(control), expected);
        if (expected.empty()) {
            EXPECT_EQ(last, -1); // the caller's index
        }
    }
}

TEST_F(FontsTest, MarksAndAFaceSeenOnTwoDevicesListedOnce) {
    HWND control = Create(QELBOXSTYLE_DROPDOWNLIST);
    HDC device = CreateCompatibleDC(nullptr);
    const DWORD filter = kAllTrueType | QELBOXFONT_OTHER | QELBOXFONT_SCREEN;
    QelBox_Fonts(control, -1, TRUE, device, filter);
    DeleteDC(device);
    const std::vector<std::string> faces =
        SortedNames([](const Face& f) { return (f.type & TRUETYPE_FONTTYPE) != 0; });
    EXPECT_EQ(Rows(control), faces);
    EXPECT_EQ(QelBox_GetShowBitmaps(control), 1);
    HBITMAP mark = QelBox_GetItemBitmap(control, 0);
    BITMAP info = {};
    ASSERT_EQ(GetObjectA(mark, sizeof(info), &info), static_cast<int>(sizeof(info)));
    EXPECT_EQ(info.bmWidth, 16);
    EXPECT_EQ(info.bmHeight, 12);
    const int count = QelBox_GetCount(control);
    for (int i = 0; i < count; ++i)
        EXPECT_EQ(QelBox_GetItemBitmap(control, i), mark);

    // A printer's device face: a listed name takes the device mark and type,
    // a new one is inserted among the faces of the call.
    LOGFONTA font = {};
    lstrcpyA(font.lfFaceName, faces[0].c_str());
    EXPECT_EQ(QelBox_FontsEnumProc(&font, nullptr, DEVICE_FONTTYPE, Record(control)), 1);
    lstrcpyA(font.lfFaceName, "Zeta Printer Face");
    EXPECT_EQ(QelBox_FontsEnumProc(&font, nullptr, DEVICE_FONTTYPE, Record(control)), 1);
    ASSERT_EQ(QelBox_GetCount(control), count + 1);
    EXPECT_EQ(Text(control, count), "Zeta Printer Face");
    for (int i : {0, count}) {
        HBITMAP printer = QelBox_GetItemBitmap(control, i);
        EXPECT_TRUE(printer && printer != mark);
        EXPECT_EQ(CellData(control, i), static_cast<DWORD>(DEVICE_FONTTYPE));
    }
    // A second call reuses the marks (the fixture checks that none leaks).
    QelBox_ResetContent(control);
    QelBox_Fonts(control, -1, TRUE, nullptr, kAllTrueType);
    EXPECT_EQ(QelBox_GetItemBitmap(control, 0), mark);
}

TEST_F(FontsTest, IndexOutsideTheListIsRefused) {
    HWND control = Create(QELBOXSTYLE_DROPDOWN);
    EXPECT_EQ(QelBox_Fonts(control, 0, FALSE, nullptr, kAllTrueType), -1);
    AddRows(control, 2);
    for (int index : {-2, 2, 3}) {
        EXPECT_EQ(QelBox_Fonts(control, index, TRUE, nullptr, kAllTrueType), -1) << index;
        EXPECT_EQ(QelBox_GetCount(control), 2);
        EXPECT_EQ(QelBox_GetShowBitmaps(control), 0);
    }
}

TEST_F(FontsTest, OutOfMemoryStopsTheFacesAndKeepsWhatWasListed) {
    const size_t faces =
        SortedNames([](const Face& f) { return (f.type & TRUETYPE_FONTTYPE) != 0; }).size();
    for (int successes : {0, 1, 2, 3, 7, 20}) {
        SCOPED_TRACE(successes);
        HWND control = Create(QELBOXSTYLE_DROPDOWNLIST);
        QelBoxDiag_FailAllocationsAfter(successes);
        const int last = QelBox_Fonts(control, -1, TRUE, nullptr, kAllTrueType);
        QelBoxDiag_FailAllocationsAfter(-1);
        EXPECT_LT(last, 0);
        const int count = QelBox_GetCount(control);
        EXPECT_LT(static_cast<size_t>(count), faces);
        for (int i = 0; i < count; ++i) // every listed face carries its type
            EXPECT_EQ(CellData(control, i), static_cast<DWORD>(TRUETYPE_FONTTYPE));
    }
}

TEST_F(FontsTest, TrueTypeFaceGetsExactlyTheStandardSizes) {
    const std::string face = MonoFace();
    ASSERT_FALSE(face.empty());
    HWND control = Create(QELBOXSTYLE_DROPDOWN);
    AddRows(control, 3);
    EXPECT_EQ(QelBox_FontSizes_A(control, nullptr, face.c_str()), 1);
    const int sizes[] = {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};
    ASSERT_EQ(QelBox_GetCount(control), 16);
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(Text(control, i), std::to_string(sizes[i]));
        EXPECT_EQ(CellData(control, i), static_cast<DWORD>(sizes[i]));
    }
    // Unknown and missing face names find nothing; an empty list gives 0.
    QelBox_ResetContent(control);
    EXPECT_EQ(QelBox_FontSizes_A(control, nullptr, "No Such Face 17"), 0);
    EXPECT_EQ(QelBox_FontSizes_A(control, nullptr, nullptr), 0);
    EXPECT_EQ(QelBox_GetCount(control), 0);
}

TEST_F(FontsTest, RasterSizesMergeAscendingAndOtherFacesGetTheirTable) {
    HWND control = Create(QELBOXSTYLE_DROPDOWN);
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    LOGFONTA font = {};
    TEXTMETRICA metrics = {};
    std::vector<std::string> expected;
    for (int pixels : {24, 13, 24, 16, 32}) { // a duplicate, in no order
        metrics.tmHeight = pixels + 3;
        metrics.tmInternalLeading = 3;
        EXPECT_EQ(QelBox_FontsForSizeEnumProc(&font, &metrics, RASTER_FONTTYPE, Record(control)),
                  1);
        const std::string points = std::to_string(MulDiv(pixels, 72, dpi));
        if (std::find(expected.begin(), expected.end(), points) == expected.end())
            expected.push_back(points);
    }
    std::sort(expected.begin(), expected.end(),
              [](const std::string& a, const std::string& b) { return stoi(a) < stoi(b); });
    EXPECT_EQ(Rows(control), expected);
    // A scalable face that is not TrueType replaces them with its table.
    EXPECT_EQ(QelBox_FontsForSizeEnumProc(&font, &metrics, 0, Record(control)), 0);
    ASSERT_EQ(QelBox_GetCount(control), 17);
    EXPECT_EQ(Text(control, 0), "6");
    EXPECT_EQ(Text(control, 16), "72");
}

TEST_F(FontsTest, StylesAreNamedByRoundedWeightUprightFirst) {
    HWND control = Create(QELBOXSTYLE_DROPDOWNLIST);
    LOGFONTA font = {};
    const struct {
        LONG weight;
        bool italic;
    } added[] = {{700, true}, {550, false}, {0, false}, {700, false}, {420, true}, {680, false}};
    for (const auto& style : added) {
        font.lfWeight = style.weight;
        font.lfItalic = style.italic;
        EXPECT_EQ(QelBox_FontsForStyleEnumProc(&font, nullptr, TRUETYPE_FONTTYPE, Record(control)),
                  1);
    }
    // Outside a QelBox_FontStyles_A call the library's own names apply; 550
    // is as near to 500 as to 600 and takes the first; 680 is Bold again.
    EXPECT_EQ(Rows(control),
              (std::vector<std::string>{"Thin", "Normal Italic", "Medium", "Bold", "Bold Italic"}));
    const DWORD keys[] = {100, 400 | kItalic, 500, 700, 700 | kItalic};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(CellData(control, i), keys[i]) << i;

    // Vector and device faces get the four usual styles and stop.
    HWND vector = Create(QELBOXSTYLE_DROPDOWNLIST);
    EXPECT_EQ(QelBox_FontsForStyleEnumProc(&font, nullptr, 0, Record(vector)), 0);
    EXPECT_EQ(Rows(vector),
              (std::vector<std::string>{"Normal", "Normal Italic", "Bold", "Bold Italic"}));
}

TEST_F(FontsTest, StylesOfAFaceWithDefaultAndShortNameLists) {
    const std::string face = MonoFace();
    ASSERT_FALSE(face.empty());
    for (const Face& instance : ScreenFonts(face.c_str()))
        ASSERT_TRUE(instance.name == face); // enumerates this face only
    const struct {
        const char* names;
        const char* suffix;
        std::vector<std::string> rows;
    } cases[] = {
        {nullptr, nullptr, {"Normal", "Normal Italic", "Bold", "Bold Italic"}},
        // Two names only: 400 and 700 are both "Normal", listed once.
        {"Hair,Fine", " Slanted", {"Normal", "Normal Slanted"}},
        {",,,,,,Heavy", nullptr, {"Normal", "Normal Italic", "Heavy", "Heavy Italic"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.names ? c.names : "defaults");
        HWND control = Create(QELBOXSTYLE_DROPDOWNLIST);
        EXPECT_EQ(QelBox_FontStyles_A(control, nullptr, face.c_str(), c.names, c.suffix), 1);
        EXPECT_EQ(Rows(control), c.rows);
    }
    HWND control = Create(QELBOXSTYLE_DROPDOWNLIST);
    EXPECT_EQ(QelBox_FontStyles_A(control, nullptr, nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(QelBox_FontStyles_A(control, nullptr, "No Such Face 17", nullptr, nullptr), 0);
}

} // namespace
