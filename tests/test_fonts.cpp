// Font lists: installed faces sorted and filtered, with their type and
// marks; the sizes and the named styles of a face.
#include "harness.h"

#include <algorithm>
#include <set>

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

// The screen's faces (null) or the instances of one face, in system order.
std::vector<Face> ScreenFonts(const char* face = nullptr) {
    std::vector<Face> faces;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesA(screen, face, CollectFace, reinterpret_cast<LPARAM>(&faces));
    ReleaseDC(nullptr, screen);
    return faces;
}

// Distinct TrueType face names of the wanted pitches, sorted as lstrcmpA.
std::vector<std::string> TrueTypeNames(bool fixed = true, bool variable = true) {
    std::vector<std::string> names;
    for (const Face& f : ScreenFonts())
        if ((f.type & TRUETYPE_FONTTYPE) && (f.fixed ? fixed : variable) &&
            std::find(names.begin(), names.end(), f.name) == names.end())
            names.push_back(f.name);
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return lstrcmpA(a.c_str(), b.c_str()) < 0;
    });
    return names;
}

// The fixed-pitch face (DejaVu Sans Mono): weights 400 and 700, each
// upright and italic.
std::string MonoFace() {
    for (const Face& face : ScreenFonts())
        if (face.fixed) return face.name;
    return "";
}

const DWORD kAllTrueType = QELBOXFONT_TRUETYPE | QELBOXFONT_FIXED | QELBOXFONT_VARIABLE;

class FontsTest : public ControlTest {
  protected:
    std::vector<std::string> Rows(HWND control, int from = 0, int count = -1) {
        std::vector<std::string> rows;
        for (int i = from; i < (count < 0 ? QelBox_GetCount(control) : from + count); ++i)
            rows.push_back(Text(control, i));
        return rows;
    }
    static QelData CellData(HWND control, int index) {
        CellInfo cell = {};
        cell.version = 1;
        cell.index = index;
        EXPECT_EQ(QelBox_GetCellInfo(control, &cell), 1);
        return cell.cellData;
    }
    // The rows of a size list, each followed by a space; every row's first
    // cell holds its size.
    static std::string Sizes(HWND control) {
        std::string sizes;
        for (int i = 0; i < QelBox_GetCount(control); ++i) {
            EXPECT_EQ(std::to_string(CellData(control, i)), Text(control, i));
            sizes += Text(control, i) + " ";
        }
        return sizes;
    }
    // The callbacks receive the control's record, kept in window long 0.
    static LPARAM Record(HWND control) { return GetWindowLongPtrA(control, 0); }
};

TEST_F(FontsTest, FilteredFacesGoSortedAboveExistingItemsWithTheirType) {
    const struct {
        DWORD filter;
        bool fixed, variable;
    } cases[] = {
        {kAllTrueType, true, true},
        {QELBOXFONT_TRUETYPE | QELBOXFONT_FIXED, true, false},
        {QELBOXFONT_TRUETYPE | QELBOXFONT_VARIABLE, false, true},
        // Every face here is TrueType: without that flag none is listed.
        {QELBOXFONT_FIXED | QELBOXFONT_VARIABLE | QELBOXFONT_RASTER | QELBOXFONT_OTHER, false,
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.filter);
        const std::vector<std::string> faces = TrueTypeNames(c.fixed, c.variable);
        const int n = static_cast<int>(faces.size());
        std::string lastNew = "-1"; // the caller's index when none is listed
        for (const Face& face : ScreenFonts())
            if (std::find(faces.begin(), faces.end(), face.name) != faces.end())
                lastNew = face.name;
        HWND control = Create(QELBOXSTYLE_DROPDOWNLIST);
        QelBox_AddString_A(control, "zz first");
        QelBox_AddString_A(control, "aa second");
        const int last = QelBox_Fonts(control, -1, FALSE, nullptr, c.filter);
        EXPECT_EQ(Rows(control, 0, n), faces);
        EXPECT_EQ(Rows(control, n), (std::vector<std::string>{"zz first", "aa second"}));
        EXPECT_EQ(last >= 0 ? Text(control, last) : std::to_string(last), lastNew);
        for (const Face& face : ScreenFonts()) {
            const int at = QelBox_FindStringExact_A(control, -1, 0, face.name.c_str(), FALSE);
            EXPECT_TRUE(at < 0 || at >= n || CellData(control, at) == face.type) << face.name;
        }
        // Indexes outside -1 .. count-1 are refused.
        EXPECT_EQ(QelBox_Fonts(control, -2, TRUE, nullptr, kAllTrueType), -1);
        EXPECT_EQ(QelBox_Fonts(control, n + 2, TRUE, nullptr, kAllTrueType), -1);
        EXPECT_EQ(QelBox_GetCount(control), n + 2);
        EXPECT_EQ(QelBox_GetShowBitmaps(control), 0);
    }
}

TEST_F(FontsTest, MarksAndAFaceSeenOnTwoDevicesListedOnce) {
    HWND control = Create(QELBOXSTYLE_DROPDOWNLIST);
    HDC device = CreateCompatibleDC(nullptr);
    const DWORD filter = kAllTrueType | QELBOXFONT_OTHER | QELBOXFONT_SCREEN;
    QelBox_Fonts(control, -1, TRUE, device, filter);
    DeleteDC(device);
    const std::vector<std::string> faces = TrueTypeNames();
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
    // A printer's device faces: a listed one takes the device mark and type,
    // a new one goes among the faces of the call.
    LOGFONTA font = {};
    for (const char* name : {faces[0].c_str(), "Zeta Printer Face"}) {
        lstrcpyA(font.lfFaceName, name);
        EXPECT_EQ(QelBox_FontsEnumProc(&font, nullptr, DEVICE_FONTTYPE, Record(control)), 1);
    }
    ASSERT_EQ(Text(control, count), "Zeta Printer Face");
    for (int i : {0, count}) {
        EXPECT_NE(QelBox_GetItemBitmap(control, i), mark);
        EXPECT_NE(QelBox_GetItemBitmap(control, i), nullptr);
        EXPECT_EQ(CellData(control, i), static_cast<QelData>(DEVICE_FONTTYPE));
    }
}

TEST_F(FontsTest, OutOfMemoryStopsTheFacesAndKeepsWhatWasListed) {
    for (int successes : {0, 1, 2, 3, 7, 20}) {
        HWND control = Create(QELBOXSTYLE_DROPDOWNLIST);
        QelBoxDiag_FailAllocationsAfter(successes);
        EXPECT_LT(QelBox_Fonts(control, -1, TRUE, nullptr, kAllTrueType), 0) << successes;
        QelBoxDiag_FailAllocationsAfter(-1);
        EXPECT_LT(static_cast<size_t>(QelBox_GetCount(control)), TrueTypeNames().size());
        for (int i = 0; i < QelBox_GetCount(control); ++i) // each with its type
            EXPECT_EQ(CellData(control, i), static_cast<QelData>(TRUETYPE_FONTTYPE));
    }
}

TEST_F(FontsTest, SizesOfScalableAndRasterFaces) {
    HWND control = Create(QELBOXSTYLE_DROPDOWN);
    AddRows(control, 3);
    EXPECT_EQ(QelBox_FontSizes_A(control, nullptr, MonoFace().c_str()), 1);
    EXPECT_EQ(Sizes(control), "8 9 10 11 12 14 16 18 20 22 24 26 28 36 48 72 ");
    // A scalable face that is not TrueType has its own table.
    LOGFONTA font = {};
    TEXTMETRICA metrics = {};
    EXPECT_EQ(QelBox_FontsForSizeEnumProc(&font, &metrics, 0, Record(control)), 0);
    EXPECT_EQ(Sizes(control), "6 8 9 10 11 12 14 16 18 20 22 24 26 28 36 48 72 ");
    // Raster sizes merge in ascending order, without duplicates.
    QelBox_ResetContent(control);
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    std::set<int> expected;
    for (int pixels : {24, 13, 24, 16, 32}) {
        metrics.tmHeight = pixels + 3;
        metrics.tmInternalLeading = 3;
        EXPECT_EQ(QelBox_FontsForSizeEnumProc(&font, &metrics, RASTER_FONTTYPE, Record(control)),
                  1);
        expected.insert(MulDiv(pixels, 72, dpi));
    }
    std::string sizes;
    for (int points : expected)
        sizes += std::to_string(points) + " ";
    EXPECT_EQ(Sizes(control), sizes);
    // Unknown and missing faces add nothing.
    QelBox_ResetContent(control);
    EXPECT_EQ(QelBox_FontSizes_A(control, nullptr, "No Such Face 17"), 0);
    EXPECT_EQ(QelBox_FontSizes_A(control, nullptr, nullptr), 0);
}

TEST_F(FontsTest, StylesAreNamedByRoundedWeightUprightFirst) {
    HWND control = Create(QELBOXSTYLE_DROPDOWNLIST);
    LOGFONTA font = {};
    const LONG added[][2] = {{700, 1}, {550, 0}, {0, 0}, {700, 0}, {420, 1}, {680, 0}};
    for (const auto& style : added) {
        font.lfWeight = style[0];
        font.lfItalic = static_cast<BYTE>(style[1]);
        EXPECT_EQ(QelBox_FontsForStyleEnumProc(&font, nullptr, TRUETYPE_FONTTYPE, Record(control)),
                  1);
    }
    // Outside a QelBox_FontStyles_A call the library's own names apply; 550
    // is as near to 500 as to 600 and takes the first; 680 is Bold again.
    EXPECT_EQ(Rows(control),
              (std::vector<std::string>{"Thin", "Normal Italic", "Medium", "Bold", "Bold Italic"}));
    const DWORD keys[] = {100, 0x80000190, 500, 700, 0x800002BC};
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
        HWND control = Create(QELBOXSTYLE_DROPDOWNLIST);
        EXPECT_EQ(QelBox_FontStyles_A(control, nullptr, face.c_str(), c.names, c.suffix), 1);
        EXPECT_EQ(Rows(control), c.rows);
    }
    HWND control = Create(QELBOXSTYLE_DROPDOWNLIST);
    EXPECT_EQ(QelBox_FontStyles_A(control, nullptr, nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(QelBox_FontStyles_A(control, nullptr, "No Such Face 17", nullptr, nullptr), 0);
}

} // namespace
