// Every exported function that takes a control handle, called with
// harmless arguments, and the value it returns for a handle that is not a
// live control of the calling thread (0 for the functions without result).
#include "export_calls.h"

#include <type_traits>

namespace {

// Handle types are pointers to structures with the one member `unused`.
template <typename P, typename = void> struct IsHandle : std::false_type {};
template <typename P> struct IsHandle<P, std::void_t<decltype(&P::unused)>> : std::true_type {};

// A harmless argument: zero, a null handle or callback, or a zero-filled
// buffer (one per type) for a structure, text or number that the function
// reads or fills.
template <typename T> T Arg() {
    if constexpr (std::is_pointer_v<T>) {
        using Pointee = std::remove_cv_t<std::remove_pointer_t<T>>;
        if constexpr (std::is_object_v<Pointee> && !IsHandle<Pointee>::value) {
            alignas(16) static unsigned char buffer[8192];
            return reinterpret_cast<T>(buffer);
        }
    }
    return T{};
}

// Stands for whatever parameter it is passed as.
struct AnyArg {
    template <typename T> operator T() const { return Arg<T>(); }
};

// Calls `f` with the handle and as many harmless arguments as it takes.
template <typename F, typename... A> INT_PTR Call(F f, HWND h, A... args) {
    if constexpr (std::is_invocable_v<F, HWND, A...>) {
        if constexpr (std::is_void_v<std::invoke_result_t<F, HWND, A...>>)
            return f(h, args...), 0;
        else
            return (INT_PTR)(f(h, args...));
    } else {
        static_assert(sizeof...(A) < 8, "an export with more parameters than expected");
        if constexpr (sizeof...(A) < 8) return Call(f, h, args..., AnyArg{});
    }
}

template <typename... Entries> std::vector<ExportCall> Table(Entries... entries) {
    return {entries...};
}

} // namespace

#define E(name, failure)                                                                           \
    ExportCall {                                                                                   \
        "QelBox_" #name, [](HWND h) { return Call(QelBox_##name, h); }, failure                    \
    }
#define D(name, failure)                                                                           \
    ExportCall {                                                                                   \
        "QelBoxDiag_" #name, [](HWND h) { return Call(QelBoxDiag_##name, h); }, failure            \
    }

const std::vector<ExportCall> kExportCalls = Table(
    E(GetOpenEnded, 0), E(SetOpenEnded, 0), E(GetHWNDEdit, 0), E(LimitText, -1), E(GetEditSel, -1),
    E(SetEditSel, -1), E(GetEditCtlFont, 0), E(SetEditCtlFont, 0), E(GetExtendedUI, 0),
    E(SetExtendedUI, 0), E(GetCaretColumn, -1), E(AddString_A, -1), E(InsertString_A, -1),
    E(DeleteString, -1), E(ResetContent, 0), E(GetCount, -1), E(SetDeleteCallback, 0),
    E(GetItemData, -1), E(SetItemData, -1), E(GetItemStatus, 0), E(SetItemStatus, 0),
    E(GetItemLabel, 0), E(SetItemLabel, 0), E(GetItemBitmap, 0), E(SetItemBitmap, 0),
    E(GetText_A, -1), E(GetTextLength, -1), E(SetText_A, 0), E(GetRowText_A, -1),
    E(GetRowTextLength, -1), E(SetRowText_A, 0), E(GetRowInfo, 0), E(SetRowInfo, 0),
    E(GetItemLevel, -1), E(SetItemLevel, 0), E(GetParent, -1), E(GetTopParent, -1),
    E(GetDependent, -1), E(GetDependentCount, -1), E(GetSibling, -1), E(DeleteDependents, -1),
    E(CopyItem, -1), E(MoveItem, -1), E(GetCurSel, -1), E(SetCurSel, -1), E(GetCursorSelect, 0),
    E(SetCursorSelect, 0), E(FindItem, -1), E(FindString_A, -1), E(FindStringExact_A, -1),
    E(SelectString_A, -1), E(SelectStringExact_A, -1), E(SortItems, 0), E(SortItemsEx, 0),
    E(SortItemsFast, 0), E(SortItemsExFast, 0), E(DefaultCompareProc, 0), E(GetLocale, 0),
    E(SetLocale, 0), E(VirtualInitialize, 0), E(VirtualCount, 0), E(VirtualItemChanged, 0),
    E(SetColumns, 0), E(GetColumns, 0), E(SetHeader_A, 0), E(GetHeader_A, -1),
    E(GetHeaderLength, -1), E(SetHeaderButton, 0), E(GetHeaderButton, -1), E(SetShowHeader, 0),
    E(GetShowHeader, 0), E(SetColHeaderFont, 0), E(GetColHeaderFont, 0), E(GetCellInfo, 0),
    E(SetCellInfo, 0), E(SetShowRowHeader, 0), E(GetShowRowHeader, 0), E(SetRowHeaderWidth, 0),
    E(GetRowHeaderWidth, 0), E(SetRowHeaderStyle, 0), E(GetRowHeaderStyle, 0),
    E(SetRowHeaderFont, 0), E(GetRowHeaderFont, 0), E(CalcOptimalRowHeaderWidth, 0),
    E(SetRowColText_A, 0), E(GetRowColText_A, 0), E(GetRowColTextLength, 0), E(SetRowColBitmap, 0),
    E(GetRowColBitmap, 0), E(SetRowColBitmapStyle, 0), E(GetRowColBitmapStyle, 0),
    E(SetRowColHeaderStyle, 0), E(GetRowColHeaderStyle, 0), E(SetRowColHeaderButton, 0),
    E(GetRowColHeaderButton, 0), E(SetShowRowColHeaderButton, 0), E(GetShowRowColHeaderButton, 0),
    E(GetItemHeight, -1), E(GetItemLines, 0), E(SetItemLines, 0), E(GetOverheadWidth, 0),
    E(GetItemRect, -1), E(GetCellRect, 0), E(GetHeaderRect, 0), E(GetRowHeaderRect, 0),
    E(GetRowColHeaderRect, 0), E(GetDropDownButtonRect, 0), E(GetDroppedControlRect, -1),
    E(CalcIndexFromPoint, -1), E(GetItemsShown, 0), E(GetTopIndex, -1), E(SetTopIndex, -1),
    E(MakeRowVisible, 0), E(MakeColumnVisible, 0), E(GetDroppedHeight, -1), E(SetDroppedHeight, -1),
    E(GetDroppedWidth, -1), E(SetDroppedWidth, -1), E(GetDropDownPosition, 0),
    E(SetDropDownPosition, 0), E(GetDisableNoScroll, 0), E(SetDisableNoScroll, 0),
    E(CalcOptimalColumnWidth, -1), E(MakeColumnOptimal, 0), E(RecalcHorizontalExtent, 0),
    E(SetHorizontalExtent, 0), E(GetHorizontalExtent, 0), E(SetHorizontalOffset, 0),
    E(GetHorizontalOffset, 0), E(SetDrawInfoCallback, 0), E(GetShowGrid, 0), E(SetShowGrid, 0),
    E(GetGridStyle, 0), E(SetGridStyle, 0), E(GetShow3D, 0), E(SetShow3D, 0),
    E(GetShowTreeLines, 0), E(SetShowTreeLines, 0), E(GetShowTruncated, 0), E(SetShowTruncated, 0),
    E(GetSelectionStyle, 0), E(SetSelectionStyle, 0), E(GetShowBitmaps, 0), E(GetShowLabels, 0),
    E(GetCtlColors, 0), E(SetCtlColors, 0), E(ShowDropDown, -1), E(GetDroppedState, 0),
    E(GetHWNDDropDown, 0), E(VScrollTimerProc, 0), E(HeaderScrollTimerProc, 0), E(GetDragType, 0),
    E(SetDragType, 0), E(GetResizeHeader, 0), E(SetResizeHeader, 0), E(GetReorderColumns, 0),
    E(SetReorderColumns, 0), E(Fonts, -1), E(FontSizes_A, 0), E(FontStyles_A, 0),
    E(AddString_W, -1), E(InsertString_W, -1), E(GetText_W, -1), E(GetTextLength_W, -1),
    E(SetText_W, 0), E(GetRowText_W, -1), E(GetRowTextLength_W, -1), E(SetRowText_W, 0),
    E(FindString_W, -1), E(FindStringExact_W, -1), E(SelectString_W, -1),
    E(SelectStringExact_W, -1), E(DefaultCompareProc_W, 0), E(SortItems_W, 0),
    E(SortItemsEx_W, 0), E(SortItemsFast_W, 0), E(SortItemsExFast_W, 0),
    E(VirtualInitialize_W, 0), E(SetColumns_W, 0), E(GetColumns_W, 0), E(SetHeader_W, 0),
    E(GetHeader_W, -1), E(GetHeaderLength_W, -1), E(SetRowColText_W, 0), E(GetRowColText_W, 0),
    E(GetRowColTextLength_W, 0), E(FontSizes_W, 0), E(FontStyles_W, 0), D(ItemCapacity, 0));
#undef E
#undef D
