// The style dialog that dialog editors show for a control.
#pragma once

#include <windows.h>

#include <custcntl.h>

// Control ids of the style dialog (template 300 of the library).
enum StyleDialogId {
    kStyleDialogTemplate = 300,
    kIdVScroll = 301,
    kIdHScroll = 302,
    kIdDisableNoScroll = 303,
    kIdLeftButtonOnly = 304,
    kIdVisible = 305,
    kIdDisabled = 306,
    kIdGroup = 307,
    kIdTabStop = 308,
    kIdClientEdge = 309,
    kIdWindowGroup = 310,
    kIdWizard = 311,
    kIdHelp = 312,
    kIdAutoHScroll = 313,
    kIdVariable = 314,
    kIdAlignGroup = 315,
    kIdAlignTop = 317,
    kIdAlignBottom = 318,
    kIdAlignCenter = 319,
    kIdScrollGroup = 409,
};

// Shows the style dialog for `style` (modal, owned by `parent`): TRUE when
// the user accepted and `style` holds the new styles, FALSE when cancelled,
// -1 when the dialog cannot be shown.
BOOL CALLBACK ShowStyleDialog(HWND parent, LPCCSTYLEA style);
