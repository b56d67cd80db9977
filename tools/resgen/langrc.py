#!/usr/bin/env python3
"""Turns text catalogues (UTF-8) into the resource script of one language library.

Usage: langrc.py [--reference EN.txt] OUTPUT.rc VERSION CATALOGUE...

Catalogue lines: "# comment", "@key value" (language: the language id in hex,
codepage: the ANSI code page of the texts, description: the file description,
direction: ltr, the default, or rtl for a language written right to left), or
"ID TEXT". Each catalogue becomes one STRINGTABLE in its own LANGUAGE; the
first one is also the first translation of the version resource. A right-to-
left catalogue's table also holds string DIRECTION_ID, "rtl", which the
wizard reads to lay its windows out from the right. Texts are written as wide
strings (characters outside ASCII as UTF-16 escapes), so the resource compiler
stores exactly the catalogue's characters: through its own code page
conversion, glibc's stateful CP1255 doubled each text's first Hebrew letter
and left garbage behind a last one. A backslash stays a literal backslash
("\\n" reaches the wizard as a backslash and an n).

A script written without blanks between words (Thai) marks where a line may
break with U+200B (zero width space). No code page holds it, and LoadStringA
would turn it into "?": the library carries it as the control character US
(0x1F), which every code page converts unchanged and the wizard never draws.

With --reference every catalogue is checked against it: the same ids, the
same placeholders in each text, every character in the catalogue's code page.
Word marks are checked as placeholders are: each stands between two letters
of a word (not at a blank, an end or another mark, not before a sign drawn on
or after its letter, not after a vowel written before it), and a Thai text
has no run of more than MAX_WORD letters without one (a mark forgotten there).
Every finding is reported as FILE:LINE and the script fails without output.
"""
import argparse
import re
import sys

MAX_TEXT = 2047  # LoadStringA buffer of 2048 bytes, less the terminator
# What the wizard replaces at run time; each text keeps the reference's count.
PLACEHOLDERS = ('\\n', 'kundel', 'kundek', '%w', 'flang', '%d', '%r', '(%s)')
MARK, LIBRARY_MARK = '\u200b', '\x1f'
MAX_WORD = 20  # Thai letters between two marks: longer than any one word
THAI = re.compile('[\u0e01-\u0e4e]+')
# No line may break before these (signs on, below or after a Thai letter) nor
# after the vowels written before their letter.
NOT_BEFORE = set('\u0e30\u0e31\u0e32\u0e33\u0e34\u0e35\u0e36\u0e37\u0e38\u0e39\u0e3a\u0e45'
                 '\u0e47\u0e48\u0e49\u0e4a\u0e4b\u0e4c\u0e4d\u0e4e')
NOT_AFTER = set('\u0e40\u0e41\u0e42\u0e43\u0e44')
DIRECTION_ID = 9  # no text: ResHandling::kDirectionId of the wizard


class Catalogue:
    def __init__(self, path):
        self.path, self.meta, self.meta_where, self.texts, self.errors = path, {}, {}, {}, []
        with open(path, encoding='utf-8') as f:
            for number, line in enumerate(f, 1):
                self.read_line(line.rstrip('\r\n'), '%s:%d' % (path, number))
        for key in ('language', 'codepage', 'description'):
            if key not in self.meta:
                self.errors.append('%s:1: @%s missing' % (path, key))
        if not self.errors:
            try:
                self.language, self.codepage = int(self.meta['language'], 16), int(self.meta['codepage'])
                ''.encode('cp%d' % self.codepage)
            except (ValueError, LookupError):
                self.errors.append('%s:1: bad @language or @codepage' % path)
        self.direction = self.meta.get('direction', 'ltr')
        if self.direction not in ('ltr', 'rtl'):
            self.errors.append('%s: @direction is ltr or rtl' % self.meta_where['direction'])

    def read_line(self, line, where):
        if not line.strip() or line.startswith('#'):
            return
        if line.startswith('@'):
            key, _, value = line[1:].partition(' ')
            self.meta[key] = value.strip()
            self.meta_where[key] = where
            return
        ident, sep, text = line.partition(' ')
        if not sep or not ident.isdigit() or not 0 <= int(ident) <= 65535:
            self.errors.append('%s: expected "ID TEXT"' % where)
        elif int(ident) in self.texts:
            self.errors.append('%s: id %s given twice' % (where, ident))
        else:
            self.texts[int(ident)] = (text, where)


def encode(ch, codepage):
    """The character's bytes in the code page; None where it has none (no "?")."""
    try:
        data = ch.encode('cp%d' % codepage)
    except UnicodeEncodeError:
        return None
    return data if data.decode('cp%d' % codepage) == ch else None


def check(catalogue, reference):
    errors = []
    for ident, (text, where) in sorted(catalogue.texts.items()):
        if ident not in reference.texts:
            errors.append('%s: id %d is not in %s' % (where, ident, reference.path))
            continue
        ref_text, ref_where = reference.texts[ident]
        for p in PLACEHOLDERS:
            if text.count(p) != ref_text.count(p):
                errors.append('%s: "%s" %d times, %d in %s' % (where, p, text.count(p), ref_text.count(p), ref_where))
    for ident, (_, ref_where) in sorted(reference.texts.items()):
        if ident not in catalogue.texts:
            errors.append('%s:1: id %d missing (%s)' % (catalogue.path, ident, ref_where))
    return errors


def mark_errors(text, where):
    errors = []
    for i, ch in enumerate(text):
        if ch < ' ' or ch == '\x7f':
            errors.append('%s: control character U+%04X (a word mark is U+200B)' % (where, ord(ch)))
        if ch != MARK:
            continue
        before, after = text[i - 1:i], text[i + 1:i + 2]
        if not before.strip() or not after.strip() or MARK in (before, after) or text[i + 1:i + 3] == '\\n':
            errors.append('%s: word mark at column %d not between two words' % (where, i + 1))
        elif after in NOT_BEFORE or before in NOT_AFTER:
            errors.append('%s: word mark at column %d inside a syllable' % (where, i + 1))
    for run in THAI.findall(text.replace(MARK, ' ')):
        if len(run) > MAX_WORD:
            errors.append('%s: %d Thai letters without a word mark: %s' % (where, len(run), run))
    return errors


def encoding_errors(catalogue):
    errors = []
    entries = [(text, where) for text, where in catalogue.texts.values()]
    entries.append((catalogue.meta['description'], catalogue.meta_where['description']))
    for text, where in entries:
        errors += mark_errors(text, where)
        text = text.replace(MARK, LIBRARY_MARK)
        bad = sorted({ch for ch in text if encode(ch, catalogue.codepage) is None})
        if bad:
            errors.append('%s: %s not in code page %d' % (where, ' '.join('U+%04X' % ord(c) for c in bad),
                                                          catalogue.codepage))
        elif len(text.encode('cp%d' % catalogue.codepage)) > MAX_TEXT:
            errors.append('%s: text longer than %d bytes' % (where, MAX_TEXT))
    return errors


def rc_wide(text):
    """A wide literal whatever the code page in force."""
    out = []
    for ch in text:
        if ch == '"':
            out.append('""')
        elif ' ' <= ch <= '~' and ch != '\\':
            out.append(ch)
        else:
            out.extend('\\x%04X' % u for u in memoryview(ch.encode('utf-16-le')).cast('H'))
    return 'L"%s"' % ''.join(out)


def script(catalogues, version, sources):
    commas = ','.join((version.split('.') + ['0'] * 4)[:4])
    lines = ['// Generated by tools/resgen/langrc.py from %s; do not edit.' % ' '.join(sources)]
    for c in catalogues:
        texts = {i: text for i, (text, _) in c.texts.items()}
        if c.direction == 'rtl':
            texts[DIRECTION_ID] = 'rtl'
        lines += ['', 'LANGUAGE %d, %d' % (c.language & 0x3FF, c.language >> 10), 'STRINGTABLE', 'BEGIN']
        lines += ['    %d, %s' % (i, rc_wide(texts[i].replace(MARK, LIBRARY_MARK))) for i in sorted(texts)]
        lines.append('END')
    lines += ['', '1 VERSIONINFO', 'FILEVERSION %s' % commas, 'PRODUCTVERSION %s' % commas, 'FILEOS 0x4',
              'FILETYPE 0x2', 'BEGIN', '    BLOCK "StringFileInfo"', '    BEGIN']
    for c in catalogues:
        lines += ['        BLOCK "%04X%04X"' % (c.language, c.codepage), '        BEGIN',
                  '            VALUE "FileDescription", %s' % rc_wide(c.meta['description']),
                  '            VALUE "FileVersion", "%s"' % version,
                  '            VALUE "ProductVersion", "%s"' % version, '        END']
    translations = ', '.join('0x%04X, %d' % (c.language, c.codepage) for c in catalogues)
    lines += ['    END', '    BLOCK "VarFileInfo"', '    BEGIN', '        VALUE "Translation", %s' % translations,
              '    END', 'END', '']
    return '\n'.join(lines)


def main():
    parser = argparse.ArgumentParser(description='Resource script of a language library.')
    parser.add_argument('--reference', help='catalogue whose ids and placeholders every catalogue must have')
    parser.add_argument('output')
    parser.add_argument('version')
    parser.add_argument('catalogues', nargs='+')
    args = parser.parse_args()
    catalogues = [Catalogue(p) for p in args.catalogues]
    errors = [e for c in catalogues for e in c.errors]
    reference = Catalogue(args.reference) if args.reference else None
    if reference:
        errors += reference.errors
    if not errors:
        for c in catalogues:
            errors += encoding_errors(c)
            if reference:
                errors += check(c, reference)
    if errors:
        sys.exit('\n'.join(errors))
    sources = [p.replace('\\', '/').rsplit('/', 1)[-1] for p in args.catalogues]
    with open(args.output, 'w', encoding='ascii', newline='\n') as f:
        f.write(script(catalogues, args.version, sources))


if __name__ == '__main__':
    main()
