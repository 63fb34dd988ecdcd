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


def check(english, swedish):
    """english, swedish: {area: text}"""
    with tempfile.TemporaryDirectory() as folder:
        for language, tables in (('English', english), ('Swedish', swedish)):
            for area, text in tables.items():
                with open(os.path.join(folder, f'{area}.{language}.txt'), 'w', encoding='utf-8') as f:
                    f.write(text)
        return subprocess.run([sys.executable, SCRIPT, 'check', folder], capture_output=True, text=True)


class StringTables(unittest.TestCase):
    def test_shipped_tables_agree(self):
        result = subprocess.run([sys.executable, SCRIPT, 'check', TABLES], capture_output=True, text=True)
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
            result = check({'Shell': master}, {'Shell': other})
            self.assertNotEqual(result.returncode, 0, master + other)
            self.assertIn(message, result.stderr)

    def test_a_name_belongs_to_one_area(self):
        result = check({'One': 'A = "x"\n', 'Two': 'A = "y"\n'}, {'One': 'A = "x"\n', 'Two': 'A = "y"\n'})
        self.assertIn('another area', result.stderr)

    def test_areas_split_freely_and_escapes_pass(self):
        english = {'One': 'A = "100%% \\"%s\\"\\r\\n"\n', 'Two': 'B = "b"\n'}
        swedish = {'One': 'A = "100 %% \\"%s\\""\n', 'Two': 'B = "b"\n'}
        self.assertEqual(check(english, swedish).returncode, 0)


if __name__ == '__main__':
    unittest.main()
