#!/usr/bin/env python3
"""String tables of Neatrix: checks them and turns them into build inputs.

The tables of one language are the files AREA.LANGUAGE.txt of a folder, one
area per part of the program (Shell.English.txt, Shell.Swedish.txt, ...). A
file holds lines `Name = "text"` (C escapes \\ \" \r \n \t); blank lines
and lines starting with # are ignored. English is the master: its areas in
name order, and the lines in file order, give the resource ids.

  strings.py check FOLDER                     (every language against English)
  strings.py header FOLDER out.h
  strings.py table FOLDER out.inc             (English texts for native builds)
  strings.py rc FOLDER LANGUAGE out.rc        (that language's texts, English's ids)
"""
import os
import re
import sys

FIRST_ID = 1000
LINE = re.compile(r'^([A-Za-z_][A-Za-z0-9_]*)\s*=\s*"((?:[^"\\]|\\.)*)"\s*$')
ESCAPES = {'\\': '\\', '"': '"', 'r': '\r', 'n': '\n', 't': '\t'}
PLACEHOLDER = re.compile(r'%[-+ 0#]*[0-9]*(?:\.[0-9]+)?[sdux%]')


def fail(message):
    sys.exit(f"strings: {message}")


def unescape(text, where):
    out, i = [], 0
    while i < len(text):
        c = text[i]
        if c == '\\':
            if i + 1 >= len(text) or text[i + 1] not in ESCAPES:
                fail(f"{where}: bad escape")
            out.append(ESCAPES[text[i + 1]])
            i += 2
        else:
            out.append(c)
            i += 1
    return ''.join(out)


def load(path):
    entries = {}
    with open(path, encoding='utf-8') as f:
        for number, line in enumerate(f, 1):
            line = line.rstrip('\n')
            if not line.strip() or line.lstrip().startswith('#'):
                continue
            m = LINE.match(line)
            where = f"{path}:{number}"
            if not m:
                fail(f"{where}: expected Name = \"text\"")
            name, text = m.group(1), unescape(m.group(2), where)
            if name in entries:
                fail(f"{where}: {name} is defined twice")
            entries[name] = text
    return entries


def load_language(folder, language):
    entries = {}
    files = sorted(f for f in os.listdir(folder) if f.endswith(f'.{language}.txt'))
    if not files:
        fail(f"no {language} tables in {folder}")
    for name in files:
        for key, text in load(os.path.join(folder, name)).items():
            if key in entries:
                fail(f"{name}: {key} is defined in another area too")
            entries[key] = text
    return entries


def languages(folder):
    return sorted({f.split('.')[-2] for f in os.listdir(folder) if f.count('.') == 2 and f.endswith('.txt')})


def placeholders(text):
    return [p for p in PLACEHOLDER.findall(text) if p != '%%']


def check(master, other):
    problems = []
    for name in master:
        if name not in other:
            problems.append(f"{name}: missing from the translation")
        elif placeholders(master[name]) != placeholders(other[name]):
            problems.append(f"{name}: placeholders {placeholders(master[name])} "
                            f"vs {placeholders(other[name])}")
    problems += [f"{name}: not in the master table" for name in other if name not in master]
    return problems


def c_literal(text):
    out = []
    for b in text.encode('utf-8'):
        ch = chr(b)
        if ch in '\\"':
            out.append('\\' + ch)
        elif 32 <= b < 127:
            out.append(ch)
        else:
            out.append(f'\\{b:03o}')
    return '"' + ''.join(out) + '"'


def rc_literal(text):
    out = []
    for ch in text:
        if ch == '"':
            out.append('""')
        elif ch == '\\':
            out.append('\\\\')
        elif ch == '\r':
            out.append('\\r')
        elif ch == '\n':
            out.append('\\n')
        elif ch == '\t':
            out.append('\\t')
        else:
            out.append(ch)
    return '"' + ''.join(out) + '"'


def write(path, text):
    try:
        with open(path, encoding='utf-8') as f:
            if f.read() == text:
                return  # unchanged: keep the time stamp, avoid rebuilds
    except FileNotFoundError:
        pass
    with open(path, 'w', encoding='utf-8') as f:
        f.write(text)


def require_same(master, other, label):
    problems = check(master, other)
    if problems:
        fail(f"{label} differs from English:\n  " + "\n  ".join(problems))


def main(argv):
    if len(argv) < 3:
        fail(__doc__)
    command, folder = argv[1], argv[2]
    master = load_language(folder, 'English')
    if command == 'check':
        for language in languages(folder):
            require_same(master, load_language(folder, language), language)
    elif command == 'header':
        body = ''.join(f"  {name} = {FIRST_ID + i},\n" for i, name in enumerate(master))
        write(argv[3], "// Generated from the English string tables; do not edit.\n#pragma once\n\n"
              "namespace nx {\n\nenum class Str : unsigned {\n" + body + "};\n\n"
              f"inline constexpr unsigned kFirstStringId = {FIRST_ID};\n"
              f"inline constexpr unsigned kStringCount = {len(master)};\n\n}}  // namespace nx\n")
    elif command == 'table':
        body = ''.join(f"  {c_literal(text)},\n" for text in master.values())
        write(argv[3], "// Generated from the English string tables; do not edit.\n" + body)
    elif command == 'rc':
        other = load_language(folder, argv[3])
        require_same(master, other, argv[3])
        body = ''.join(f"  {FIRST_ID + i}, {rc_literal(other[name])}\n" for i, name in enumerate(master))
        write(argv[4], "// Generated; do not edit.\n#pragma code_page(65001)\n"
              "STRINGTABLE\nBEGIN\n" + body + "END\n")
    else:
        fail(f"unknown command {command}")


if __name__ == '__main__':
    main(sys.argv)
