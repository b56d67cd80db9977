#!/usr/bin/env python3
"""Checks that an OCR reading of a page holds the page's texts in their script.

Usage: ocr_words.py CATALOGUE IDS OCR_TEXT

CATALOGUE is a language catalogue (tools/resgen/langrc.py's format), IDS the
comma-separated ids of the texts on the page, OCR_TEXT tesseract's output.
Words of four letters or more (pairs of characters in Chinese, Japanese and
Korean, which have no blanks) count; at least half of them must be read back,
and where the texts hold letters outside ASCII, some of them too: a page drawn
in the wrong character set reads as other letters. Thai words are those its
catalogue marks (U+200B), of three characters or more. Prints "found/total".
"""
import re
import sys
import unicodedata

# The one-stroke ideograph and the long vowel mark read as any dash.
DASHES = str.maketrans({c: '\u4e00' for c in '-\u2010\u2013\u2014\u2212\uff0d\u30fc'})
PLACEHOLDERS = re.compile(r'\\n|kundel|kundek|%w|%d|%r|\(%s\)|flang')
THAI = re.compile('[\u0e01-\u0e4e\u200b]+')


def texts(catalogue, ids):
    found = {}
    with open(catalogue, encoding='utf-8') as f:
        for line in f:
            ident, _, text = line.rstrip('\r\n').partition(' ')
            if ident.isdigit() and int(ident) in ids:
                found[int(ident)] = PLACEHOLDERS.sub(' ', text)
    return [found[i] for i in ids if i in found]


def east_asian(ch):
    return unicodedata.east_asian_width(ch) in 'WF' and ch.isalpha()


# Tesseract reads an alef with hamza as a bare alef, and drops the vowel marks.
ARABIC = str.maketrans({**dict.fromkeys('\u0622\u0623\u0625', '\u0627'), **dict.fromkeys(map(chr, range(0x64b, 0x653)))})


def fold(text):
    # Python lowers the Turkish capital I with a dot to i and a combining dot.
    return text.lower().replace('\u0307', '').translate(ARABIC)


def units(text):
    out = [w for run in THAI.findall(text) for w in run.split('\u200b') if len(w) >= 3]
    for word in re.findall(r'\w+', THAI.sub(' ', text)):
        if any(east_asian(c) for c in word):
            run = ''.join(c for c in word if east_asian(c))
            run = run.translate(DASHES)
            out += [run[i:i + 2] for i in range(len(run) - 1)]
        elif len(word) >= 4 and not word.isdigit():
            out.append(fold(word))
    return out


def main():
    catalogue, ids, ocr_file = sys.argv[1:4]
    wanted = units(' '.join(texts(catalogue, [int(i) for i in ids.split(',')])))
    with open(ocr_file, encoding='utf-8', errors='replace') as f:
        ocr = fold(f.read())
    # Tesseract puts blanks between East Asian characters, drops Arabic ones.
    squeezed = re.sub(r'\s+', '', ocr).translate(DASHES)
    read = set(re.findall(r'\w+', ocr))
    arabic = lambda w: '\u0600' <= w[0] <= '\u06ff'
    found = [w for w in wanted if (w in squeezed if east_asian(w[0]) or THAI.match(w) or arabic(w) else w in read)]
    print('%d/%d' % (len(found), len(wanted)))
    if not wanted:
        sys.exit('no words of ids %s in %s' % (ids, catalogue))
    if 2 * len(found) < len(wanted):
        sys.exit('read back %d of %d words: %s' % (len(found), len(wanted), ' '.join(sorted(set(wanted) - set(found)))))
    foreign = [w for w in wanted if any(ord(c) > 127 for c in w)]
    if foreign and not any(any(ord(c) > 127 for c in w) for w in found):
        sys.exit('none of the words with letters outside ASCII read back: %s' % ' '.join(foreign))


main()
