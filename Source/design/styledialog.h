// The style dialog that dialog editors show for a control.
#pragma once

#include <windows.h>

#include <custcntl.h>

#include "base/resource.h"

// Control ids of the style dialog (template 300 of the library).
enum StyleDialogId {
    kStyleDialogTemplate = IDD_QELBOX_STYLES,
    kIdVScroll = IDC_STYLE_VSCROLL,
    kIdHScroll = IDC_STYLE_HSCROLL,
    kIdDisableNoScroll = IDC_STYLE_DISABLENOSCROLL,
    kIdLeftButtonOnly = IDC_STYLE_LEFTBUTTONONLY,
    kIdVisible = IDC_STYLE_VISIBLE,
    kIdDisabled = IDC_STYLE_DISABLED,
    kIdGroup = IDC_STYLE_GROUP,
    kIdTabStop = IDC_STYLE_TABSTOP,
    kIdClientEdge = IDC_STYLE_CLIENTEDGE,
    kIdWindowGroup = IDC_STYLE_WINDOWGROUP,
    kIdWizard = IDC_STYLE_WIZARD,
    kIdHelp = IDC_STYLE_HELP,
    kIdAutoHScroll = IDC_STYLE_AUTOHSCROLL,
    kIdVariable = IDC_STYLE_VARIABLE,
    kIdAlignGroup = IDC_STYLE_ALIGNGROUP,
    kIdAlignTop = IDC_STYLE_ALIGNTOP,
    kIdAlignBottom = IDC_STYLE_ALIGNBOTTOM,
    kIdAlignCenter = IDC_STYLE_ALIGNCENTER,
    kIdScrollGroup = IDC_STYLE_SCROLLGROUP,
};

// Shows the style dialog for `style` (modal, owned by `parent`): TRUE when
// the user accepted and `style` holds the new styles, FALSE when cancelled,
// -1 when the dialog cannot be shown.
BOOL CALLBACK ShowStyleDialog(HWND parent, LPCCSTYLEA style);
