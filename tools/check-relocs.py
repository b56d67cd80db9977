#!/usr/bin/env python3
"""Fails when a DLL cannot be moved from its preferred base.

Usage: check-relocs.py DLL...

Windows 95 loads a DLL whose preferred base is taken only by applying its
relocation records; a DLL with an empty relocation directory, or one marked
"relocations stripped", then does not load at all. Each DLL must have the flag
clear and a relocation directory that fixes at least one address (a block of
padding alone moves nothing).
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
        fixups = len(re.findall(r'^\treloc\s+\d+ offset\s+[0-9a-f]+ \[[0-9a-f]+\] (?!ABSOLUTE)', text, re.M))
        if not flags or int(flags.group(1), 16) & RELOCS_STRIPPED:
            failures.append('%s: relocations stripped' % path)
        elif not relocs or int(relocs.group(1), 16) == 0:
            failures.append('%s: empty relocation directory' % path)
        elif not fixups:
            failures.append('%s: the relocation directory fixes no address' % path)
    for f in failures:
        print(f + ' (Windows 95 cannot load it where its preferred base is taken)')
    print('%d of %d DLLs movable' % (len(sys.argv) - 1 - len(failures), len(sys.argv) - 1))
    return 1 if failures or len(sys.argv) < 2 else 0


if __name__ == '__main__':
    sys.exit(main())
