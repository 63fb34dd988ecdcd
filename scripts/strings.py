#!/usr/bin/env python3
"""String tables of Neatrix: checks them and turns them into build inputs.

A table is a text file of lines `Name = "text"` (C escapes \\ \" \r \n \t),
with blank lines and lines starting with # ignored. English is the master:
its order gives the resource ids.

  strings.py check English.txt Swedish.txt
  strings.py header English.txt out.h
  strings.py table English.txt out.inc        (English texts for native builds)
  strings.py rc English.txt Other.txt out.rc  (Other's texts, English's ids)
"""
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


def main(argv):
    if len(argv) < 3:
        fail(__doc__)
    command, master = argv[1], load(argv[2])
    if command == 'check':
        problems = check(master, load(argv[3]))
        if problems:
            fail(f"{argv[3]} differs from {argv[2]}:\n  " + "\n  ".join(problems))
    elif command == 'header':
        body = ''.join(f"  {name} = {FIRST_ID + i},\n" for i, name in enumerate(master))
        write(argv[3], "// Generated from the English string table; do not edit.\n#pragma once\n\n"
              "namespace nx {\n\nenum class Str : unsigned {\n" + body + "};\n\n"
              f"inline constexpr unsigned kFirstStringId = {FIRST_ID};\n"
              f"inline constexpr unsigned kStringCount = {len(master)};\n\n}}  // namespace nx\n")
    elif command == 'table':
        body = ''.join(f"  {c_literal(text)},\n" for text in master.values())
        write(argv[3], "// Generated from the English string table; do not edit.\n" + body)
    elif command == 'rc':
        other = load(argv[3])
        problems = check(master, other)
        if problems:
            fail(f"{argv[3]} differs from {argv[2]}:\n  " + "\n  ".join(problems))
        body = ''.join(f"  {FIRST_ID + i}, {rc_literal(other[name])}\n" for i, name in enumerate(master))
        write(argv[4], "// Generated; do not edit.\n#pragma code_page(65001)\n"
              "STRINGTABLE\nBEGIN\n" + body + "END\n")
    else:
        fail(f"unknown command {command}")


if __name__ == '__main__':
    main(sys.argv)
