// CustomControlInfoA: what dialog editors learn about the control - its
// three types with default sizes and styles, the names of its styles, and
// the entries for editing styles and sizing to text.
#include <string.h>

#include "design/styledialog.h"
#include "qelbox.h"

namespace {

// WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP
// and the left button only; the type goes into the two low bits.
const DWORD kDefaultStyle = 0x50B10000 | QELBOXSTYLE_LEFTBUTTONONLY;

char kSimple[] = "QELBOXSTYLE_SIMPLE";
char kDropDown[] = "QELBOXSTYLE_DROPDOWN";
char kDropDownList[] = "QELBOXSTYLE_DROPDOWNLIST";
char kVariable[] = "QELBOXSTYLE_VARIABLE";
char kAutoHScroll[] = "QELBOXSTYLE_AUTOHSCROLL";
char kAlignBottom[] = "QELBOXSTYLE_ALIGNBOTTOM";
char kAlignCenter[] = "QELBOXSTYLE_ALIGNCENTER";
char kLeftButtonOnly[] = "QELBOXSTYLE_LEFTBUTTONONLY";
char kDisableNoScroll[] = "QELBOXSTYLE_DISABLENOSCROLL";

// A mask of 0 makes the flag a single bit.
CCSTYLEFLAGA g_styleFlags[] = {
    {QELBOXSTYLE_SIMPLE, QELBOXSTYLE_TYPEMASK, kSimple},
    {QELBOXSTYLE_DROPDOWN, QELBOXSTYLE_TYPEMASK, kDropDown},
    {QELBOXSTYLE_DROPDOWNLIST, QELBOXSTYLE_TYPEMASK, kDropDownList},
    {QELBOXSTYLE_VARIABLE, 0, kVariable},
    {QELBOXSTYLE_AUTOHSCROLL, 0, kAutoHScroll},
    {QELBOXSTYLE_ALIGNBOTTOM, QELBOXSTYLE_ALIGNMASK, kAlignBottom},
    {QELBOXSTYLE_ALIGNCENTER, QELBOXSTYLE_ALIGNMASK, kAlignCenter},
    {QELBOXSTYLE_LEFTBUTTONONLY, 0, kLeftButtonOnly},
    {QELBOXSTYLE_DISABLENOSCROLL, 0, kDisableNoScroll},
};

struct ControlType {
    const char* description;
    DWORD type;
};

const ControlType kTypes[] = {
    {"QelBox/DLL - DropDownList", QELBOXSTYLE_DROPDOWNLIST},
    {"QelBox/DLL - DropDown", QELBOXSTYLE_DROPDOWN},
    {"QelBox/DLL - Simple", QELBOXSTYLE_SIMPLE},
};
const UINT kTypeCount = sizeof(kTypes) / sizeof(kTypes[0]);

// The control's size follows its rows, not a text.
INT CALLBACK SizeToText(DWORD, DWORD, HFONT, LPSTR) {
    return -1;
}

} // namespace

extern "C" UINT WINAPI CustomControlInfoA(LPCCINFOA records) {
    if (!records) return kTypeCount;
    for (UINT i = 0; i < kTypeCount; ++i) {
        CCINFOA& info = records[i];
        memset(&info, 0, sizeof(info));
        lstrcpynA(info.szClass, QELBOX_CLASSNAME, CCHCCCLASS);
        lstrcpynA(info.szDesc, kTypes[i].description, CCHCCDESC);
        info.cxDefault = 60;
        info.cyDefault = 80;
        info.flStyleDefault = kDefaultStyle | kTypes[i].type;
        info.cStyleFlags = sizeof(g_styleFlags) / sizeof(g_styleFlags[0]);
        info.aStyleFlags = g_styleFlags;
        info.lpfnStyle = ShowStyleDialog;
        info.lpfnSizeToText = SizeToText;
    }
    return kTypeCount;
}
