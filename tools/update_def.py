#!/usr/bin/env python3
"""Regenerates Source/base/qelbox.def from the sources and a build tree.

Every function defined as `WINAPI Qel...(` or `CALLBACK Qel...(` in Source/
is exported, and so is the dialog editors' entry `WINAPI CustomControlInfoA(`.
The .def lists each under its stdcall-decorated name (Name@N, read from the
compiled objects); the linker's --kill-at exports it under its
plain name while the import library keeps the decorated one, so that C and
C++ callers of include/qelbox.h link against it.

Usage: tools/update_def.py BUILD_DIR   (a 32-bit build tree)
       tools/update_def.py --reuse     (after moving exports between files:
                                        takes the decorations from the .def)
"""
import re
import subprocess
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
# Names of exported functions: the library's own, and the entry point that
# dialog editors look up by name.
EXPORTED = r'Qel\w+|CustomControlInfoA'


DEF = ROOT / 'Source/base/qelbox.def'


def decorations_from_def():
    decorated = {}
    for m in re.finditer(r'^\s+(' + EXPORTED + r')@(\d+)$', DEF.read_text(), re.M):
        decorated[m.group(1)] = m.group(1) + '@' + m.group(2)
    return decorated


def decorations_from_build(build_dir):
    objects = list(Path(build_dir).glob('CMakeFiles/qelbox_objects.dir/Source/**/*.obj'))
    if not objects:
        sys.exit('no objects found under ' + build_dir + ': build the library first')
    nm = subprocess.run(['i686-w64-mingw32-nm', '-g', '--defined-only'] + [str(o) for o in objects],
                        check=True, capture_output=True, text=True).stdout
    decorated = {}
    for m in re.finditer(r' T _(' + EXPORTED + r')@(\d+)$', nm, re.M):
        decorated[m.group(1)] = m.group(1) + '@' + m.group(2)
    return decorated


def main(build_dir):
    decorated = decorations_from_def() if build_dir == '--reuse' else decorations_from_build(build_dir)
    lines = ['; Exports of qelbox32.dll and qelbox64.dll. Regenerate with tools/update_def.py',
             '; after adding an exported function. Names are stdcall-decorated here and',
             '; exported plain; the 64-bit build uses this list with the decoration removed.',
             'EXPORTS']
    missing = []
    for source in sorted((ROOT / 'Source').rglob('*.cpp')):
        names = sorted(set(re.findall(r'(?:WINAPI|CALLBACK) (' + EXPORTED + r')\(',
                                      source.read_text())))
        if not names:
            continue
        lines.append('')
        lines.append('; ' + str(source.relative_to(ROOT / 'Source')))
        for name in names:
            if name not in decorated:
                missing.append(name)
                continue
            lines.append('    ' + decorated[name])
    if missing:
        sys.exit('not compiled: ' + ', '.join(missing))
    DEF.write_text('\n'.join(lines) + '\n')


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'build/win32')
