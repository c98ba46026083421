#!/usr/bin/env python3
"""Mutation check: how many small faults in the library does the test suite catch?

Applies each fault of the fixed list below to the library, one at a time,
rebuilds the 64-bit tree incrementally (the release DLL and the test build
of the same objects in bin/testing/: the test programs load it at run time,
and no fault changes an export), runs its CTest suite and records whether any test failed ("caught"), timed out or crashed
(also "caught") or everything passed ("missed"). The source file is always
restored afterwards.

A fault is a unique piece of code and its replacement. The piece is looked
up in every file under Source/, not at a fixed path, so the list survives
files being moved; a piece found nowhere (or more than once) is reported as
"n/a" and skipped.

    tools/mutate.py [--build build/win64] [--only ID,ID] [--out report.md]
    tools/mutate.py --check          # only report which faults apply

It refuses to run when Source/ has uncommitted changes, so that it never
restores a file over someone's work. It is a maintenance tool run by hand
(one run takes a while: a build and a suite run per fault); it is not part
of the test command.
"""

import argparse
import os
import signal
import subprocess
import sys
import time
from pathlib import Path

# (id, subsystem, what the fault does, code, replacement)
FAULTS = [
    # Item store
    ("items-insert-shift", "items", "insert at the highlighted row does not shift it",
     "if (rec->curSel >= 0 && index <= rec->curSel) ++rec->curSel;",
     "if (rec->curSel >= 0 && index < rec->curSel) ++rec->curSel;"),
    ("items-insert-committed", "items", "insert forgets to shift the committed selection",
     "if (rec->committedSel >= 0 && index <= rec->committedSel) ++rec->committedSel;",
     ""),
    ("items-oom-leak", "items", "out of memory growing the item array leaks the new row",
     "        if (!grown) {\n            QelFree(item);\n            return -1;",
     "        if (!grown) {\n            return -1;"),
    ("items-delete-callback", "items", "deleting an item skips the delete callback",
     "const bool kept = CallDeleteCallback(rec, index, item);",
     "const bool kept = ((void)index, true);"),
    ("items-delete-committed", "items", "deleting the committed row shifts it instead of clearing",
     "if (index < rec->committedSel)\n        rec->committedSel = max(0, rec->committedSel - 1);",
     "if (index <= rec->committedSel)\n        rec->committedSel = max(0, rec->committedSel - 1);"),
    ("items-status-flag", "items", "disabling an item sets the flag instead of clearing it",
     "enabled ? (row->flags | QELBOX_ITEM_ENABLED) : (row->flags & ~QELBOX_ITEM_ENABLED);",
     "enabled ? (row->flags | QELBOX_ITEM_ENABLED) : (row->flags | QELBOX_ITEM_ENABLED);"),
    # Hierarchy
    ("tree-parent-compare", "hierarchy", "parent search accepts an item of the same level",
     "if (ItemLevel(rec, i) < level) return i;",
     "if (ItemLevel(rec, i) <= level) return i;"),
    ("tree-direct-count", "hierarchy", "direct dependents count grandchildren too",
     "if (!directOnly || l == level + 1) ++count;",
     "if (!directOnly || l >= level + 1) ++count;"),
    ("tree-next-sibling", "hierarchy", "next sibling search runs past the parent's block",
     "        if (l == level) return i;\n        if (l < level) return -1;\n    }\n    return -1;\n}\n\nint FirstSibling",
     "        if (l == level) return i;\n    }\n    return -1;\n}\n\nint FirstSibling"),
    ("tree-move-index", "hierarchy", "moving an item forward reports the index before the removal",
     "return source < copy ? copy - 1 : copy;",
     "return copy;"),
    # Search and selection
    ("search-wrap", "search", "search never wraps around to the start",
     "const int stop = (start >= 0 && wrap) ? start : count - 1;",
     "const int stop = count - 1;"),
    ("search-prefix", "search", "prefix search compares one character too many",
     "_wcsnicmp(text, cell, length) == 0",
     "_wcsnicmp(text, cell, length + 1) == 0"),
    ("select-bound", "selection", "SetCurSel accepts the index one past the end",
     "if (index < -1 || index >= rec->itemCount) return -1;\n    SelectRow(rec, index, true);",
     "if (index < -1 || index > rec->itemCount) return -1;\n    SelectRow(rec, index, true);"),
    ("select-notify", "selection", "committing a selection sends no SELCHANGE",
     "if (notify) Notify(rec, QELBOXN_SELCHANGE);",
     ""),
    # Sorting
    ("sort-track-selection", "sort", "selection tracking subtracts the wrong block length",
     "*tracked -= lengthA;",
     "*tracked -= lengthB;"),
    ("sort-restore-selection", "sort", "sorting does not commit the row it followed",
     "        SelectRow(rec, selected, false);",
     "        SetHighlight(rec, selected);"),
    # Virtual lists
    ("virtual-release", "virtual", "the fetched item is never released",
     "if (rec->virtualRelease)",
     "if (rec->virtualRelease && false)"),
    # Columns
    ("columns-header-button", "columns", "header button index kept one past the last column",
     "if (rec->headerButton >= rec->columnCount) rec->headerButton = -1;",
     "if (rec->headerButton > rec->columnCount) rec->headerButton = -1;"),
    ("columns-button-bound", "columns", "SetHeaderButton accepts one past the last column",
     "if (column < -1 || column >= rec->columnCount) return 0;\n    if (column == rec->headerButton)",
     "if (column < -1 || column > rec->columnCount) return 0;\n    if (column == rec->headerButton)"),
    ("columns-header-copy", "columns", "a wide text getter copies one character short",
     "    int copied = length < size ? length : size - 1;\n",
     "    int copied = length < size ? length : size - 2;\n"),
    ("columns-copy-leak", "columns", "the columns copy is not freed",
     "    QelFree(rec->columnsCopy);\n    rec->columnsCopy = nullptr;",
     "    rec->columnsCopy = nullptr;"),
    # Layout
    ("layout-3d-height", "layout", "3-D rows one pixel short",
     "h = max(h, static_cast<int>(rec->cellBitmapPrototype.bmHeight));\n    if (rec->show3D) h += 4;",
     "h = max(h, static_cast<int>(rec->cellBitmapPrototype.bmHeight));\n    if (rec->show3D) h += 3;"),
    ("layout-grid-height", "layout", "horizontal grid line not counted in the row height",
     "if (HorizontalGridLine(rec)) h += 1;",
     ""),
    ("layout-top-clamp", "layout", "top index not clamped to the last page",
     "int top = min(index, maxTop);",
     "int top = index;"),
    ("layout-scroll-to-row", "layout", "scrolling down to a row stops one row short",
     "top = max(0, index - shown + 1);",
     "top = max(0, index - shown);"),
    ("layout-overhead-notify", "layout", "no OVERHEADWIDTHCHANGE notification",
     "    Notify(rec, QELBOXN_OVERHEADWIDTHCHANGE);",
     ""),
    # Painting
    ("paint-alt-rows", "paint", "alternate colours on the even rows",
     "if (index & 1) {",
     "if (!(index & 1)) {"),
    ("paint-list-selection", "paint", "the list highlights the committed row",
     "if (!inClosedControl) return index == rec->curSel;",
     "if (!inClosedControl) return index == rec->committedSel;"),
    ("paint-grid-colors", "paint", "vertical and horizontal grid colours swapped",
     "width == 1 ? rec->colors.colorGridVertical\n                                                     : rec->colors.colorGridHorizontal",
     "width == 1 ? rec->colors.colorGridHorizontal\n                                                     : rec->colors.colorGridVertical"),
    ("paint-tree-connector", "paint", "tree connector to a deeper level not drawn",
     "if (p + 1 < level) Segment(dc, connectorEnd, mid, treeLeft + level * unit, mid);",
     ""),
    ("paint-brush-leak", "paint", "the old background brush is not deleted",
     "    DeleteOwned(rec->backgroundBrush);\n    rec->backgroundBrush =\n",
     "    rec->backgroundBrush =\n"),
    ("paint-gdi-delete", "paint", "GdiObject forgets DeleteObject",
     "        DeleteObject(handle_);\n",
     ""),
    # Drop-down
    ("dropdown-cancel-highlight", "dropdown", "cancelling keeps the highlighted row",
     "    else\n        RevertHighlight(rec);",
     "    else\n        (void)0;"),
    ("dropdown-cancel-mode", "dropdown", "closing ignores a cancel from the notification",
     "if (close) ShowDropDown(rec, FALSE);",
     "ShowDropDown(rec, FALSE);"),
    ("dropdown-empty", "dropdown", "an empty list opens",
     "if (show && rec->itemCount < 1) return 0;",
     ""),
    ("dropdown-percent-width", "dropdown", "percentage width read with the wrong sign",
     "if (w < 0) w = max(0, MulDiv(Width(c), -rec->droppedWidth, 100));",
     "if (w < 0) w = max(0, MulDiv(Width(c), rec->droppedWidth, 100));"),
    # Mouse
    ("mouse-autoscroll-direction", "mouse", "auto-scroll below the list scrolls up",
     "        rec->autoScrollDown = 1;",
     "        rec->autoScrollDown = 0;"),
    ("mouse-left-only", "mouse", "the list ignores LEFTBUTTONONLY",
     "    const bool leftOnly = LeftButtonOnly(rec);\n",
     "    const bool leftOnly = false;\n"),
    ("mouse-empty-button", "mouse", "drop button pressed on an empty list does not beep",
     "if (rec->itemCount == 0) {\n                MessageBeep(0);",
     "if (rec->itemCount < 0) {\n                MessageBeep(0);"),
    ("mouse-resize-notify", "mouse", "no COLUMNRESIZED notification",
     "    Notify(rec, QELBOXN_COLUMNRESIZED);",
     ""),
    # Keyboard
    ("keys-page-up", "keyboard", "Page Up moves one row short",
     "MoveHighlightTo(rec, max(0, cur - RowsShown(rec)));",
     "MoveHighlightTo(rec, max(0, cur - RowsShown(rec) + 1));"),
    ("keys-wheel-delta", "keyboard", "wheel delta divided by the wrong notch size",
     "int d = MulDiv(static_cast<int>(lines), delta, 120);",
     "int d = MulDiv(static_cast<int>(lines), delta, 240);"),
    ("keys-char-wrap", "keyboard", "typing a letter does not wrap the search",
     "EditColumn(rec), text, TRUE, false);",
     "EditColumn(rec), text, FALSE, false);"),
    # Edit field
    ("edit-column", "editfield", "the edit field shows column 0, not the first visible column",
     "const wchar_t* text = item->cells[EditColumn(rec)];",
     "const wchar_t* text = item->cells[0];"),
    ("edit-font-forward", "editfield", "the edit font is not passed to the edit field",
     "    if (rec->hwndEdit) SendMessageW(rec->hwndEdit, WM_SETFONT,",
     "    if (rec->hwndEdit && false) SendMessageW(rec->hwndEdit, WM_SETFONT,"),
    # Fonts
    ("fonts-size-duplicate", "fonts", "raster sizes listed twice",
     "if (listed == points) return 1;",
     ""),
    ("fonts-weight-loop", "fonts", "the heaviest weight never chosen",
     "for (int i = 0; i < 9; ++i) {",
     "for (int i = 0; i < 8; ++i) {"),
    # Design time
    ("design-type-count", "design", "one control type fewer reported",
     "const UINT kTypeCount = sizeof(kTypes) / sizeof(kTypes[0]);",
     "const UINT kTypeCount = sizeof(kTypes) / sizeof(kTypes[0]) - 1;"),
    ("design-style-clear", "design", "unchecking a style box does not clear the style",
     "        else\n            styles &= ~binding.bit;",
     "        else\n            (void)0;"),
    # Module and window
    ("window-typed-text-kept", "window", "typed text that matches no row is overwritten",
     "CountScope keepEditText(rec->editSyncSuppress, found < 0);",
     "CountScope keepEditText(rec->editSyncSuppress, false);"),
]

SOURCE_SUFFIXES = {".cpp", ".h", ".c", ".inl"}


def source_files(root):
    return sorted(p for p in (root / "Source").rglob("*")
                  if p.is_file() and p.suffix in SOURCE_SUFFIXES)


def locate(files, code):
    """The one file containing `code` exactly once, or an explanation."""
    hits = []
    for path in files:
        n = path.read_text(encoding="utf-8", errors="surrogateescape").count(code)
        if n:
            hits.append((path, n))
    if not hits:
        return None, "not found"
    if len(hits) > 1 or hits[0][1] > 1:
        return None, "ambiguous (%d places)" % sum(n for _, n in hits)
    return hits[0][0], None


def source_is_clean(root):
    out = subprocess.run(["git", "status", "--porcelain", "--", "Source"], cwd=root,
                         capture_output=True, text=True)
    return out.returncode == 0 and not out.stdout.strip()


def build(build_dir, log, target=None):
    cmd = ["cmake", "--build", str(build_dir), "-j2"]
    if target:
        cmd += ["--target"] + target.split(",")
    r = subprocess.run(cmd, stdout=log, stderr=subprocess.STDOUT)
    return r.returncode == 0


def run_suite(build_dir, timeout, stop_early, log):
    """Names of the failed tests (empty when everything passed)."""
    cmd = ["ctest", "--test-dir", str(build_dir), "--timeout", str(timeout),
           "--output-on-failure"]
    if stop_early:
        cmd.append("--stop-on-failure")
    r = subprocess.run(cmd, capture_output=True, text=True, errors="replace")
    log.write(r.stdout)
    log.flush()
    failed = []
    for line in r.stdout.splitlines():
        line = line.strip()
        # "1/15 Test  #1: core_tests_64 ....***Failed" and timeouts alike
        if "Test #" in line or "Test  #" in line:
            if "Passed" not in line and ("Failed" in line or "Timeout" in line
                                         or "Exception" in line or "Not Run" in line):
                failed.append(line.split(":", 1)[1].split()[0])
    if r.returncode != 0 and not failed:
        failed.append("(ctest %d)" % r.returncode)
    return failed


def write_report(path, rows, started):
    applicable = [r for r in rows if r["result"] in ("caught", "missed")]
    caught = [r for r in applicable if r["result"] == "caught"]
    lines = ["| # | fault | subsystem | what it does | result | failing tests |",
             "|---|---|---|---|---|---|"]
    for i, r in enumerate(rows, 1):
        lines.append("| %d | `%s` | %s | %s | %s | %s |" % (
            i, r["id"], r["subsystem"], r["what"], r["result"], r["detail"]))
    lines.append("")
    lines.append("Score: %d of %d applicable faults caught (%d listed, %.0f min)." % (
        len(caught), len(applicable), len(rows), (time.time() - started) / 60))
    text = "\n".join(lines) + "\n"
    if path:
        Path(path).write_text(text)
    return text


def main():
    root_default = Path(__file__).resolve().parent.parent
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--root", default=str(root_default), help="source tree (default: this one)")
    ap.add_argument("--build", default="build/win64", help="configured 64-bit build tree")
    ap.add_argument("--timeout", type=int, default=60, help="seconds per test program")
    ap.add_argument("--only", default="", help="comma-separated fault ids")
    ap.add_argument("--out", default="", help="write the table to this file as it grows")
    ap.add_argument("--all-tests", action="store_true",
                    help="run the whole suite even after a failure (slower)")
    ap.add_argument("--target", default="qelbox,qelbox_testing",
                    help="what to rebuild per fault, comma-separated (default: the release "
                    "DLL and the test build the test programs load at run time; '' for "
                    "everything)")
    ap.add_argument("--check", action="store_true", help="only report which faults apply")
    args = ap.parse_args()

    root = Path(args.root).resolve()
    build_dir = (root / args.build).resolve() if not os.path.isabs(args.build) else Path(args.build)
    ids = [f[0] for f in FAULTS]
    if len(set(ids)) != len(ids):
        sys.exit("duplicate fault ids")
    chosen = FAULTS
    if args.only:
        wanted = set(args.only.split(","))
        chosen = [f for f in FAULTS if f[0] in wanted]

    files = source_files(root)
    if args.check:
        for fid, _, what, code, _ in chosen:
            path, why = locate(files, code)
            print("%-28s %s" % (fid, path.relative_to(root) if path else "n/a: " + why))
        return 0

    if not source_is_clean(root):
        sys.exit("Source/ has uncommitted changes; commit or stash them first")
    if not (build_dir / "CTestTestfile.cmake").exists():
        sys.exit("no configured build tree at %s" % build_dir)

    # Turn SIGTERM into an exception so that the finally below restores.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("terminated"))
    log = open(build_dir / "mutate.log", "w")
    started = time.time()
    rows = []
    print("building the unchanged tree...", flush=True)
    if not build(build_dir, log) or run_suite(build_dir, args.timeout, True, log):
        sys.exit("the unchanged tree does not build or its suite fails; see %s" % log.name)

    for fid, subsystem, what, code, replacement in chosen:
        row = {"id": fid, "subsystem": subsystem, "what": what, "result": "n/a", "detail": ""}
        rows.append(row)
        path, why = locate(files, code)
        if not path:
            row["detail"] = why
            print("%-28s n/a (%s)" % (fid, why), flush=True)
            write_report(args.out, rows, started)
            continue
        original = path.read_bytes()
        t0 = time.time()
        try:
            text = original.decode("utf-8", errors="surrogateescape")
            path.write_bytes(text.replace(code, replacement, 1).encode(
                "utf-8", errors="surrogateescape"))
            log.write("\n===== %s (%s)\n" % (fid, path.relative_to(root)))
            log.flush()
            if not build(build_dir, log, args.target):
                row["result"] = "build error"
                row["detail"] = str(path.relative_to(root))
            else:
                failed = run_suite(build_dir, args.timeout, not args.all_tests, log)
                row["result"] = "caught" if failed else "missed"
                row["detail"] = ", ".join(failed)
        finally:
            path.write_bytes(original)
        print("%-28s %-8s %4.0fs %s" % (fid, row["result"], time.time() - t0, row["detail"]),
              flush=True)
        write_report(args.out, rows, started)

    # Leave the build tree matching the sources again.
    build(build_dir, log)
    print()
    print(write_report(args.out, rows, started))
    return 0


if __name__ == "__main__":
    sys.exit(main())
