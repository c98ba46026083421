// QelBox in a dialog built from a resource template (dialog.rc): the
// dialog manager creates the three RqCombo controls, moves the focus with
// Tab, presses the default button on Enter and cancels on Escape; the
// controls ask for those keys only while their list is open. Run with
// --screenshot FILE.png to save a picture (a list dropped down) and exit.
#include <windows.h>

#include <stdio.h>

#include <vector>

#include "dialog.h"
#include "qelbox.h"
#include "screenshot.h"

namespace {

struct Product {
    const char* name;
    const char* price;
};

const Product kProducts[] = {{"Desk lamp", "29.00"},       {"Office chair", "149.00"},
                             {"Bookshelf", "89.50"},       {"Standing desk", "399.00"},
                             {"Filing cabinet", "119.00"}, {"Monitor arm", "45.90"}};
const char* const kSizes[] = {"Small", "Medium", "Large"};
const char* const kColours[] = {"Black", "White", "Oak", "Walnut", "Grey", "Red"};

// Two columns for the product list, one for the others.
void SetUpColumns(HWND control, bool withPrice) {
    ColumnRecord columns[2];
    QelBox_InitColumnRecord(&columns[0]);
    QelBox_InitColumnRecord(&columns[1]);
    columns[0].width = withPrice ? 200 : 120;
    columns[0].headerText = "Product";
    columns[1].width = 80;
    columns[1].headerText = "Price";
    columns[1].style = QELBOX_ALIGN_RIGHT;
    columns[1].headerStyle = QELBOX_ALIGN_RIGHT;
    QelBox_SetColumns(control, withPrice ? 2 : 1, columns);
}

void Fill(HWND dialog) {
    HWND product = GetDlgItem(dialog, IDC_PRODUCT);
    SetUpColumns(product, true);
    QelBox_SetShowHeader(product, 1);
    QelBox_SetShowRowHeader(product, 0);
    for (const Product& p : kProducts) {
        int row = QelBox_AddString_A(product, p.name);
        QelBox_SetText_A(product, row, 1, p.price);
    }
    QelBox_SetDroppedWidth(product, 300);
    HWND size = GetDlgItem(dialog, IDC_SIZELIST);
    SetUpColumns(size, false);
    QelBox_SetShowRowHeader(size, 0);
    for (const char* s : kSizes)
        QelBox_AddString_A(size, s);
    HWND colour = GetDlgItem(dialog, IDC_COLOUR);
    SetUpColumns(colour, false);
    QelBox_SetShowRowHeader(colour, 0);
    for (const char* c : kColours)
        QelBox_AddString_A(colour, c);
    QelBox_SetCurSel(product, 1);
    QelBox_SetCurSel(size, 1);
    QelBox_SetCurSel(colour, 2);
}

// The choice so far, in the text beside the colour list.
void ShowSummary(HWND dialog) {
    char product[64] = "", price[16] = "", size[32] = "", colour[32] = "";
    HWND p = GetDlgItem(dialog, IDC_PRODUCT);
    if (QelBox_GetTextLength(p, -1, 0) < static_cast<int>(sizeof(product)))
        QelBox_GetText_A(p, -1, 0, product);
    if (QelBox_GetTextLength(p, -1, 1) < static_cast<int>(sizeof(price)))
        QelBox_GetText_A(p, -1, 1, price);
    // The drop-down type's edit field may hold a size that is not listed.
    GetWindowTextA(GetDlgItem(dialog, IDC_SIZELIST), size, sizeof(size));
    GetWindowTextA(GetDlgItem(dialog, IDC_COLOUR), colour, sizeof(colour));
    char text[256];
    snprintf(text, sizeof(text), "%s\n%s, %s\n\nPrice: %s", product, size, colour, price);
    SetDlgItemTextA(dialog, IDC_SUMMARY, text);
}

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        Fill(dialog);
        ShowSummary(dialog);
        return TRUE; // the focus goes to the first tab stop, the product list
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK: // Enter while no list is open, or the OK button
            ShowSummary(dialog);
            DestroyWindow(dialog);
            return TRUE;
        case IDCANCEL: // Escape while no list is open, or the Cancel button
            DestroyWindow(dialog);
            return TRUE;
        case IDC_PRODUCT:
        case IDC_SIZELIST:
        case IDC_COLOUR:
            if (HIWORD(wParam) == QELBOXN_SELCHANGE || HIWORD(wParam) == QELBOXN_EDITCHANGE)
                ShowSummary(dialog);
            return TRUE;
        }
        return FALSE;
    case WM_DESTROY:
        PostQuitMessage(0);
        return TRUE;
    }
    return FALSE;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    char path[MAX_PATH];
    const bool screenshot = ScreenshotPath(commandLine, path, MAX_PATH);
    QelBox_RegisterApp(instance);
    HWND dialog = CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_ORDER), nullptr, DialogProc, 0);
    if (!dialog) {
        fprintf(stderr, "could not create the dialog\n");
        return 1;
    }
    ShowWindow(dialog, SW_SHOWNORMAL);
    int result = 0;
    if (screenshot) {
        PumpFor(500);
        HWND product = GetDlgItem(dialog, IDC_PRODUCT);
        SetFocus(product);
        QelBox_ShowDropDown(product, TRUE);
        PumpFor(800);
        result = SaveScreenshot(dialog, true, {product}, path) ? 0 : 1;
        if (result) fprintf(stderr, "could not write %s\n", path);
        DestroyWindow(dialog);
    } else {
        // IsDialogMessage gives the dialog manager Tab, Enter and Escape.
        MSG msg;
        while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
            if (IsWindow(dialog) && IsDialogMessageA(dialog, &msg)) continue;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    QelBox_UnregisterApp(instance);
    return result;
}
