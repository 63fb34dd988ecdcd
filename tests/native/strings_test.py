#!/usr/bin/env python3
"""The string tables agree, and the check catches what it must."""
import os
import subprocess
import sys
import tempfile
import unittest

ROOT = sys.argv.pop(1) if len(sys.argv) > 1 else os.getcwd()
SCRIPT = os.path.join(ROOT, 'scripts', 'strings.py')
TABLES = os.path.join(ROOT, 'resources', 'strings')


def check(master, other):
    with tempfile.TemporaryDirectory() as folder:
        paths = []
        for name, text in (('en.txt', master), ('sv.txt', other)):
            paths.append(os.path.join(folder, name))
            with open(paths[-1], 'w', encoding='utf-8') as f:
                f.write(text)
        return subprocess.run([sys.executable, SCRIPT, 'check', *paths], capture_output=True, text=True)


class StringTables(unittest.TestCase):
    def test_shipped_tables_agree(self):
        result = subprocess.run([sys.executable, SCRIPT, 'check', os.path.join(TABLES, 'English.txt'),
                                 os.path.join(TABLES, 'Swedish.txt')], capture_output=True, text=True)
        self.assertEqual(result.returncode, 0, result.stderr)

    def test_differences_fail(self):
        cases = [
            ('A = "x"\nB = "y"\n', 'A = "x"\n', 'B: missing'),
            ('A = "x"\n', 'A = "x"\nC = "z"\n', 'C: not in the master'),
            ('A = "%s of %d"\n', 'A = "%d av %s"\n', 'placeholders'),
            ('A = "%s"\n', 'A = "inget"\n', 'placeholders'),
            ('A = "x"\nA = "y"\n', 'A = "x"\n', 'defined twice'),
            ('A = "bad \\q"\n', 'A = "x"\n', 'bad escape'),
        ]
        for master, other, message in cases:
            result = check(master, other)
            self.assertNotEqual(result.returncode, 0, master + other)
            self.assertIn(message, result.stderr)

    def test_percent_signs_and_escapes_pass(self):
        self.assertEqual(check('A = "100%% \\"%s\\"\\r\\n"\n', 'A = "100 %% \\"%s\\""\n').returncode, 0)


if __name__ == '__main__':
    unittest.main()
