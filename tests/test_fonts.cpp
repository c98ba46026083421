// Font lists: the sizes and the named styles of a face.
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

// The fixed-pitch face (DejaVu Sans Mono): weights 400 and 700, each
// upright and italic.
std::string MonoFace() {
    for (const Face& face : ScreenFonts())
        if (face.fixed) return face.name;
    return "";
}

class FontsTest : public ControlTest {
  protected:
    std::vector<std::string> Rows(HWND control, int from = 0, int count = -1) {
        std::vector<std::string> rows;
        for (int i = from; i < (count < 0 ? QelBox_GetCount(control) : from + count); ++i)
            rows.push_back(Text(control, i));
        return rows;
    }
    static QelData CellData(HWND control, int index) {
        CellInfo cell = Cell(index, 0);
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
    const LONG added[][2] = {{700, 1}, {550, 0}, {0, 0}, {700, 0}, {420, 1}, {680, 0}, {990, 0}};
    for (const auto& style : added) {
        font.lfWeight = style[0];
        font.lfItalic = static_cast<BYTE>(style[1]);
        EXPECT_EQ(QelBox_FontsForStyleEnumProc(&font, nullptr, TRUETYPE_FONTTYPE, Record(control)),
                  1);
    }
    // Outside a QelBox_FontStyles_A call the library's own names apply; 550
    // is as near to 500 as to 600 and takes the first; 680 is Bold again,
    // 990 the heaviest.
    EXPECT_EQ(Rows(control), (std::vector<std::string>{"Thin", "Normal Italic", "Medium", "Bold",
                                                       "Bold Italic", "Black"}));
    const DWORD keys[] = {100, 0x80000190, 500, 700, 0x800002BC, 900};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(CellData(control, i), keys[i]) << i;
    // Vector and device faces get the four usual styles and stop.
    HWND vector = Create(QELBOXSTYLE_DROPDOWNLIST);
    EXPECT_EQ(QelBox_FontsForStyleEnumProc(&font, nullptr, 0, Record(vector)), 0);
    EXPECT_EQ(Rows(vector),
              (std::vector<std::string>{"Normal", "Normal Italic", "Bold", "Bold Italic"}));
}

} // namespace
