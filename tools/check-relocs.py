#!/usr/bin/env python3
"""Fails when a DLL cannot be moved from its preferred base.

Usage: check-relocs.py DLL...

Windows 95 loads a DLL whose preferred base is taken only by applying its
relocation records; a DLL with an empty relocation directory, or one marked
"relocations stripped", then does not load at all. Each DLL must have a
non-empty relocation directory and the flag clear.
"""
import os
import re
import subprocess
import sys

RELOCS_STRIPPED = 0x0001


def main():
    objdump = os.environ.get('OBJDUMP', 'i686-w64-mingw32-objdump')
    failures = []
    for path in sys.argv[1:]:
        text = subprocess.run([objdump, '-p', path], check=True, capture_output=True, text=True).stdout
        flags = re.search(r'^Characteristics\s+0x([0-9a-f]+)', text, re.M)
        relocs = re.search(r'^Entry 5 [0-9a-f]+ ([0-9a-f]+) Base Relocation Directory', text, re.M)
        if not flags or int(flags.group(1), 16) & RELOCS_STRIPPED:
            failures.append('%s: relocations stripped' % path)
        elif not relocs or int(relocs.group(1), 16) == 0:
            failures.append('%s: empty relocation directory' % path)
    for f in failures:
        print(f)
    print('%d of %d DLLs movable' % (len(sys.argv) - 1 - len(failures), len(sys.argv) - 1))
    return 1 if failures or len(sys.argv) < 2 else 0


if __name__ == '__main__':
    sys.exit(main())
