#!/usr/bin/env python3
"""The catalogue check of tools/resgen/langrc.py on broken catalogues: each
fault fails the generation with the file and line of the offending text, and
no script is written."""
import os
import subprocess
import sys
import tempfile
import unittest

LANGRC = os.path.join(os.path.dirname(__file__), '..', '..', '..', 'tools', 'resgen', 'langrc.py')
sys.path.insert(0, os.path.dirname(LANGRC))
import langrc  # noqa: E402

REFERENCE = '''@language 0409
@codepage 1252
@description Test texts
1 Next
109 Drive %w: %r MB needed, %d MB free.\\n\\nkundel
2007 Attempt (%s) of 10 for kundek in flang.
'''


class CatalogueCheck(unittest.TestCase):
    def run_langrc(self, catalogue, codepage='1251'):
        with tempfile.TemporaryDirectory() as d:
            ref, cat, out = (os.path.join(d, n) for n in ('EN.txt', 'XX.txt', 'XX.rc'))
            with open(ref, 'w', encoding='utf-8') as f:
                f.write(REFERENCE)
            with open(cat, 'w', encoding='utf-8') as f:
                f.write('@language 0419\n@codepage %s\n@description Тест\n' % codepage + catalogue)
            r = subprocess.run([sys.executable, LANGRC, '--reference', ref, out, '4.1.1.0', cat],
                               capture_output=True, text=True)
            return r.returncode, r.stderr.replace(d + os.sep, ''), os.path.exists(out)

    def test_a_whole_catalogue_passes(self):
        code, errors, written = self.run_langrc('1 Далее\n109 Диск %w: нужно %r МБ, свободно %d МБ.\\n\\nkundel\n'
                                                '2007 Попытка (%s) из 10 для kundek в flang.\n')
        self.assertEqual((code, errors, written), (0, '', True))

    def test_every_fault_is_named_with_its_line(self):
        code, errors, written = self.run_langrc(
            '1 Далее\n'
            '109 Диск %w: нужно МБ, свободно %d %d МБ.\\nkundel\n'  # %r lost, %d twice, one \n lost
            '2007 Попытка (%s) из 10 для kundel в flang ☺.\n'  # kundek as kundel; ☺ not in 1251
            '2008 Лишний текст\n')  # not in EN
        self.assertNotEqual(code, 0)
        self.assertFalse(written)
        for expected in ('XX.txt:5: "\\n" 1 times, 2 in', 'XX.txt:5: "%r" 0 times, 1 in', 'XX.txt:5: "%d" 2 times',
                         'XX.txt:6: "kundel" 1 times, 0 in', 'XX.txt:6: "kundek" 0 times, 1 in',
                         'XX.txt:6: U+263A not in code page 1251', 'XX.txt:7: id 2008 is not in'):
            self.assertIn(expected, errors)

    def test_a_missing_id_names_the_catalogue_and_the_reference_line(self):
        code, errors, _ = self.run_langrc('1 Далее\n2007 Попытка (%s) из 10 для kundek в flang.\n')
        self.assertNotEqual(code, 0)
        self.assertIn('XX.txt:1: id 109 missing (', errors)
        self.assertIn('EN.txt:5)', errors)

    def test_a_text_in_the_wrong_code_page_is_refused_not_turned_into_question_marks(self):
        code, errors, _ = self.run_langrc('1 Далее\n109 Diskas %w: %r %d\\n\\nkundel\n'
                                          '2007 Bandymas (%s) ąžuolas 10 kundek flang\n', codepage='1252')
        self.assertNotEqual(code, 0)
        self.assertIn('XX.txt:6: U+0105 not in code page 1252', errors)  # ą; ž is in 1252
        self.assertIn('XX.txt:4: U+0414 U+0430', errors)
        self.assertIn('XX.txt:3: U+0422', errors)  # the description

    def test_a_misplaced_or_missing_thai_word_mark_is_named(self):
        text = 'ต้อง\u200bใช้ ครั้ง\u200bที่ (%s) จาก'
        self.assertEqual(langrc.mark_errors(text, 'XX.txt:5'), [])
        broken = text.replace('ใช้', '\u200bใช้\u200b\x1f').replace('ครั้ง\u200b', 'ครั\u200b้ง') + 'ก' * 21
        errors = '\n'.join(langrc.mark_errors(broken, 'XX.txt:5'))
        for expected in ('word mark at column 6 not between', 'control character U+001F',
                         'word mark at column 16 inside a syllable', '24 Thai letters without'):
            self.assertIn('XX.txt:5: ' + expected, errors)


if __name__ == '__main__':
    unittest.main()
