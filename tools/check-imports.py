#!/usr/bin/env python3
"""Fails when a shipped file imports what Windows 95 or NT 4.0 lacks.

Usage: check-imports.py LISTS FILE...

LISTS holds one allow-list per system and DLL (LISTS/win95/kernel32.txt,
LISTS/nt4/kernel32.txt, ...) and lists shared by both systems (LISTS/msvcrt.txt).
A line names one function; a function that exists but only returns failure on
that system is marked "stub:" followed by the caller that copes with it. Every
import of every file must be allowed on both systems; a stub is reported, not
refused, when its reason is given. The files must also ask for subsystem and
OS version exactly 4.0 and carry no TLS directory.
"""
import os
import re
import subprocess
import sys

SYSTEMS = ('win95', 'nt4')
# Version fields that must read exactly 4.0, and why.
VERSIONS = (
    ('subsystem', 'Subsystem',
     'Windows 95 and NT 4.0 refuse a higher one and draw a program below 4.0 as one of Windows 3.x'),
    ('OS', 'OSystem', 'the system the file asks for: Windows 95 and NT 4.0 are 4.0'),
)


def read_list(path):
    allowed = {}
    with open(path) as f:
        for line in f:
            line = line.strip()
            if not line or line.startswith('#'):
                continue
            name, _, rest = line.partition(' ')
            rest = rest.strip()
            allowed[name] = rest[len('stub:'):].strip() if rest.startswith('stub:') else None
            if rest.startswith('stub:') and not allowed[name]:
                raise SystemExit('%s: stub %s gives no reason' % (path, name))
    return allowed


def allow_list(lists, system, dll, cache={}):
    base = dll.lower()[:-4] if dll.lower().endswith('.dll') else dll.lower()
    for path in (os.path.join(lists, system, base + '.txt'), os.path.join(lists, base + '.txt')):
        if os.path.exists(path):
            if path not in cache:
                cache[path] = read_list(path)
            return cache[path]
    return None


def pe_info(objdump, path):
    text = subprocess.run([objdump, '-p', path], check=True, capture_output=True, text=True).stdout
    imports, dll = [], None
    for line in text.splitlines():
        m = re.match(r'\s*DLL Name: (\S+)', line)
        if m:
            dll = m.group(1).upper()
            continue
        m = re.match(r'\t[0-9a-f]+\t\s*(\d+)\s+(\S+)\s*$', line)
        if m and dll:
            imports.append((dll, m.group(2)))
            continue
        m = re.match(r'\t[0-9a-f]+\t\s*<none>\s+(\S+)', line)  # by ordinal
        if m and dll:
            imports.append((dll, '#' + m.group(1)))
        if not line.strip():
            dll = None if 'Hint/Ord' not in line else dll
    versions = {k: int(v) for k, v in re.findall(r'^((?:Major|Minor)\w+Version)\s+(\d+)', text, re.M)}
    tls = re.search(r'^Entry 9 ([0-9a-f]+) ([0-9a-f]+) Thread Storage Directory', text, re.M)
    return imports, versions, bool(tls and int(tls.group(1), 16))


def main():
    if len(sys.argv) < 3:
        raise SystemExit(__doc__)
    lists, files = sys.argv[1], sys.argv[2:]
    objdump = os.environ.get('OBJDUMP', 'i686-w64-mingw32-objdump')
    failures = 0
    for path in files:
        imports, versions, tls = pe_info(objdump, path)
        print('%s: %d import(s)' % (path, len(imports)))
        for label, key, why in VERSIONS:
            found = (versions.get('Major%sVersion' % key), versions.get('Minor%sVersion' % key))
            if found != (4, 0):
                print('  refused: %s version %s.%s (%s)' % (label, found[0], found[1], why))
                failures += 1
        if tls:
            print('  refused: a TLS directory (Windows 95 to XP set up no thread-local data for a DLL that '
                  'LoadLibrary loads, and none of the shipped files needs any)')
            failures += 1
        for dll, name in imports:
            for system in SYSTEMS:
                allowed = allow_list(lists, system, dll)
                if allowed is None:
                    print('  refused: %s!%s: no allow-list for %s on %s' % (dll, name, dll, system))
                    failures += 1
                elif name not in allowed:
                    print('  refused: %s!%s is not on the allow-list of %s' % (dll, name, system))
                    failures += 1
                elif allowed[name]:
                    print('  stub on %s: %s!%s (%s)' % (system, dll, name, allowed[name]))
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
