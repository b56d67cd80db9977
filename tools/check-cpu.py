#!/usr/bin/env python3
"""Fails when a Windows binary holds an instruction that a Pentium lacks.

Usage: check-cpu.py [--map LINKMAP] [--objdump OBJDUMP] FILE...

The shipped files must run on the Pentium and the Pentium MMX, so every
instruction of the Pentium Pro and later is refused: CMOVcc, FCMOVcc,
FCOMI/FUCOMI, the multi-byte NOP (0F 1F), SSE and MMX registers, the MXCSR
loads and stores, and a few later additions. TZCNT is allowed: it is BSF with
a REP prefix, which older processors ignore, and the compiler emits it only
where the operand is known not to be zero, where both give the same result.
With --map, each finding is attributed to the input section and object of the
link map that holds it, which names the library member that brought it in.
"""
import argparse
import bisect
import os
import re
import subprocess
import sys

REFUSED = re.compile(
    r'^(cmov\w+|fcmov\w+|fu?comip?|ldmxcsr|stmxcsr|sysenter|sysexit|fxsave\w*|fxrstor\w*|rdpmc|fisttp\w*|'
    r'movbe|popcnt|lzcnt|rdrand|rdseed|[lms]fence|prefetch\w*|cmpxchg16b|xgetbv|xsave\w*|xrstor\w*)$')
REGISTERS = re.compile(r'%(x|y|z)mm\d|%mm\d')
# Labels of data that the linker places in .text; their bytes are not code.
DATA_LABELS = ('.gcc_except_table', '___CTOR_LIST__', '___DTOR_LIST__', '__CTOR_LIST__', '__DTOR_LIST__')
# The same tables by their input sections in the link map: a stripped program
# has no labels, and a constructor's address in the table can read as CMOVcc
# (0F 4x).
DATA_SECTIONS = ('.ctors', '.dtors')


def findings(objdump, path):
    out = subprocess.run([objdump, '-d', '--no-show-raw-insn', '-w', path], check=True,
                         capture_output=True, text=True).stdout
    raw = subprocess.run([objdump, '-d', '-w', path], check=True, capture_output=True, text=True).stdout
    multibyte_nops = set()
    for line in raw.splitlines():
        m = re.match(r'\s*([0-9a-f]+):\s+((?:[0-9a-f]{2} )+)\s*(\S+)', line)
        if m and m.group(3).startswith('nop') and re.match(r'(66 )*0f 1f', m.group(2)):
            multibyte_nops.add(int(m.group(1), 16))
    label, skip = '', False
    for line in out.splitlines():
        m = re.match(r'^([0-9a-f]+) <(.*)>:$', line)
        if m:
            label = m.group(2)
            skip = label in DATA_LABELS
            continue
        m = re.match(r'\s*([0-9a-f]+):\s+(.*)$', line)
        if not m or skip:
            continue
        address, text = int(m.group(1), 16), m.group(2).strip()
        words = text.split()
        while words and words[0] in ('lock', 'rep', 'repz', 'repnz', 'data16', 'addr16', 'cs', 'ds', 'es', 'fs',
                                     'gs', 'ss', 'notrack', 'bnd'):
            words = words[1:]
        mnemonic = words[0] if words else ''
        if REFUSED.match(mnemonic) or REGISTERS.search(text) or address in multibyte_nops:
            yield address, text, label


def read_map(path):
    """Input sections of the link map as sorted (start, end, section, file)."""
    spans = []
    pending = None
    with open(path, errors='replace') as f:
        for line in f:
            m = re.match(r'^ (\.\S+)\s+0x([0-9a-f]+)\s+0x([0-9a-f]+)\s+(\S.*)$', line)
            if m:
                start, size = int(m.group(2), 16), int(m.group(3), 16)
                if size:
                    spans.append((start, start + size, m.group(1), m.group(4).strip()))
                pending = None
                continue
            m = re.match(r'^ (\.\S+)$', line)
            if m:
                pending = m.group(1)
                continue
            m = re.match(r'^\s+0x([0-9a-f]+)\s+0x([0-9a-f]+)\s+(\S.*)$', line)
            if m and pending:
                start, size = int(m.group(1), 16), int(m.group(2), 16)
                if size:
                    spans.append((start, start + size, pending, m.group(3).strip()))
            pending = None
    spans.sort()
    return spans


def span_at(spans, starts, address):
    i = bisect.bisect_right(starts, address) - 1
    return spans[i] if i >= 0 and spans[i][0] <= address < spans[i][1] else None


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument('--map')
    ap.add_argument('--objdump', default='i686-w64-mingw32-objdump')
    ap.add_argument('files', nargs='+')
    args = ap.parse_args()
    spans = read_map(args.map) if args.map else []
    starts = [s[0] for s in spans]
    total = 0
    for path in args.files:
        # The map describes the program of its own name (wizard.map: wizard.exe).
        mapped = args.map and os.path.splitext(os.path.basename(path))[0] == \
            os.path.splitext(os.path.basename(args.map))[0]
        found = []
        for address, text, label in findings(args.objdump, path):
            span = span_at(spans, starts, address) if mapped else None
            if not span or span[2] not in DATA_SECTIONS:
                found.append((address, text, label, '%s %s' % (span[3], span[2]) if span else '?' if mapped else ''))
        total += len(found)
        print('%s: %d instruction(s) beyond the Pentium' % (path, len(found)))
        for address, text, label, where in found:
            print('  %08x  %-40s <%s> %s' % (address, text[:40], label[:80], where))
    return 1 if total else 0


if __name__ == '__main__':
    sys.exit(main())
