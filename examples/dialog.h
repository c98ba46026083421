// Identifiers shared by the dialog example's template and its code.
#pragma once

#define IDD_ORDER 100
#define IDC_PRODUCT 101
#define IDC_SIZELIST 102
#define IDC_COLOUR 103
#define IDC_SUMMARY 104
