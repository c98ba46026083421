#!/usr/bin/env python3
"""Checks that the library's folders below Source/ depend on each other one way.

The folders are layers, lowest first. A file may include headers of its own
layer and of the layers below it, never of one above. fonts and design are
separate tops: neither includes the other. The public header qelbox.h and
system headers are open to every layer.

Usage: tools/check_layers.py [SOURCE_DIR]   (default: Source/ beside tools/)
Prints each include that goes upward and exits 1 if there is any.
"""
import re
import sys
from pathlib import Path

# Rank of each layer; a file may include from layers of lower rank, and from
# its own folder.
LAYERS = {
    'base': 0,      # record, memory, module start-up, GDI ownership, resources
    'model': 1,     # items, hierarchy, sort, search, selection, columns, virtual
    'geometry': 2,  # layout, rectangles, row heights, widths, scrolling, placement
    'paint': 3,     # drawing of the control, the list and their parts
    'window': 4,    # window procedures, keyboard, mouse, edit field, drop-down
    'fonts': 5,     # the font-list control types
    'design': 5,    # dialog-editor support
}

INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.M)


def main(source_dir):
    errors = []
    for path in sorted(source_dir.rglob('*')):
        if path.suffix not in ('.h', '.cpp', '.rc'):
            continue
        layer = path.relative_to(source_dir).parts[0]
        if layer not in LAYERS:
            errors.append(f'{path}: folder {layer}/ is not a known layer')
            continue
        for included in INCLUDE.findall(path.read_text(errors='replace')):
            target = included.split('/')[0] if '/' in included else None
            if target is None or target == layer:
                continue
            if target not in LAYERS:
                errors.append(f'{path}: includes "{included}" from no known layer')
            elif LAYERS[target] >= LAYERS[layer]:
                errors.append(f'{path}: {layer}/ includes "{included}" from {target}/')
    for error in errors:
        print(error)
    if errors:
        print(f'{len(errors)} include(s) against the layer order '
              + ' < '.join(LAYERS))
        return 1
    return 0


if __name__ == '__main__':
    root = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent / 'Source'
    sys.exit(main(root))
