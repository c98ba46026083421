// Resource ids of qelbox.rc, shared by the resource script and the code.
// Plain #defines: the resource compiler reads this file too.
#pragma once

// Cursors of column resizing and dragging.
#define IDC_QELBOX_NODROP 32620
#define IDC_QELBOX_COLDRAG 32621
#define IDC_QELBOX_COLRESIZE 32623

// Marks of TrueType and device faces in font-face lists.
#define IDB_QELBOX_TRUETYPE 32624
#define IDB_QELBOX_DEVICE 32625

// Default names of the font-style lists: the weights 100 to 900 and the
// suffix of italic styles.
#define IDS_QELBOX_WEIGHTS 32620
#define IDS_QELBOX_ITALIC 32621

// The style dialog of dialog editors and its controls.
#define IDD_QELBOX_STYLES 300
#define IDC_STYLE_VSCROLL 301
#define IDC_STYLE_HSCROLL 302
#define IDC_STYLE_DISABLENOSCROLL 303
#define IDC_STYLE_LEFTBUTTONONLY 304
#define IDC_STYLE_VISIBLE 305
#define IDC_STYLE_DISABLED 306
#define IDC_STYLE_GROUP 307
#define IDC_STYLE_TABSTOP 308
#define IDC_STYLE_CLIENTEDGE 309
#define IDC_STYLE_WINDOWGROUP 310
#define IDC_STYLE_WIZARD 311
#define IDC_STYLE_HELP 312
#define IDC_STYLE_AUTOHSCROLL 313
#define IDC_STYLE_VARIABLE 314
#define IDC_STYLE_ALIGNGROUP 315
#define IDC_STYLE_ALIGNTOP 317
#define IDC_STYLE_ALIGNBOTTOM 318
#define IDC_STYLE_ALIGNCENTER 319
#define IDC_STYLE_SCROLLGROUP 409
