#!/usr/bin/env python3
"""Checks the imports of the shipped programs against tools/pe-imports.table.

  pe-imports.py check FILE...   every import of each file listed for it, none
                                listed that it lacks, each exported by
                                Windows 95 and NT 4.0 (a stub only where the
                                table names the source that handles it)
  pe-imports.py list FILE...    the imports per file and DLL with the oldest
                                95-family and NT-family Windows of each

The table is the one beside this script unless PE_IMPORTS_TABLE names
another; the imports are read with i686-w64-mingw32-objdump (OBJDUMP). Exits
0 when the check passes, 1 with one line a problem on stderr when it fails,
2 on wrong arguments or an unreadable file or table.
"""
import os
import re
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
SOURCE_ROOT = os.path.dirname(HERE)
FILE_LETTERS = {"uninstall.exe": "u", "sombrel.exe": "s", "calendar.exe": "c", "zkvlng.dll": "z"}
# Oldest releases of each family, oldest first; the shipped files must load
# on the first of these.
NINE_X = ["95", "98", "me"]
NT = ["3.1", "3.5", "3.51", "4.0", "2000", "xp"]
NINE_X_TARGET, NT_TARGET = "95", "4.0"


class Problem(Exception):
    pass


class Row:
    def __init__(self, fields, number):
        if len(fields) not in (5, 6):
            raise Problem("table line %d: expected 5 or 6 columns" % number)
        self.dll, self.function, self.nine_x, self.nt, self.files = fields[:5]
        self.stub = fields[5] if len(fields) == 6 else None
        if self.files == "-":  # listed for no file
            self.files = ""
        if self.nine_x not in NINE_X + ["-"] or self.nt not in NT + ["-"]:
            raise Problem("table line %d: unknown version" % number)
        if not set(self.files) <= set(FILE_LETTERS.values()):
            raise Problem("table line %d: unknown file letter" % number)
        if self.stub and not re.fullmatch(r"(9x|nt)-stub:\S+", self.stub):
            raise Problem("table line %d: stub column is not 9x-stub:FILE or nt-stub:FILE" % number)

    def problems(self):
        """Why this import keeps a file from loading or working on the oldest
        systems; empty when it does not."""
        found = []
        if self.nine_x == "-" or NINE_X.index(self.nine_x) > NINE_X.index(NINE_X_TARGET):
            found.append("not exported by Windows 95 (from %s on)" % ("no 95-family release" if self.nine_x == "-" else self.nine_x))
        if self.nt == "-" or NT.index(self.nt) > NT.index(NT_TARGET):
            found.append("not exported by Windows NT 4.0 (from %s on)" % ("no NT release" if self.nt == "-" else self.nt))
        if self.stub:
            source = os.path.join(SOURCE_ROOT, self.stub.split(":", 1)[1])
            try:
                with open(source, encoding="utf-8") as text:
                    named = self.function in text.read()
            except OSError:
                named = False
            if not named:
                found.append("a stub on the %s family without the source that handles it (%s)" % (self.stub[:2], self.stub))
        return found


def read_table(path):
    rows = {}
    with open(path, encoding="utf-8") as table:
        for number, line in enumerate(table, 1):
            fields = line.split("#", 1)[0].split()
            if fields:
                row = Row(fields, number)
                rows[(row.dll, row.function)] = row
    return rows


def imports_of(path):
    """(dll, function) pairs, the DLL in lower case."""
    objdump = os.environ.get("OBJDUMP", "i686-w64-mingw32-objdump")
    result = subprocess.run([objdump, "-p", path], capture_output=True, text=True)
    if result.returncode != 0:
        raise Problem("%s: objdump failed: %s" % (path, result.stderr.strip()))
    found, dll = set(), None
    for line in result.stdout.splitlines():
        name = re.match(r"\s*DLL Name: (\S+)", line)
        if name:
            dll = name.group(1).lower()
            continue
        entry = re.match(r"\t[0-9a-f]+\t\s*(\d+)\s+(\S+)", line)
        if dll and entry:
            found.add((dll, entry.group(2)))
        elif dll and re.match(r"\t[0-9a-f]+\t\s*<none>", line):
            raise Problem("%s: imports from %s by ordinal" % (path, dll))
    return found


def check(rows, path):
    name = os.path.basename(path)
    letter = FILE_LETTERS.get(name)
    if letter is None:
        return ["%s: not a shipped file" % name]
    imported = imports_of(path)
    problems = []
    for dll, function in sorted(imported):
        row = rows.get((dll, function))
        if row is None or letter not in row.files:
            problems.append("%s: imports %s!%s, which the table does not list for it" % (name, dll, function))
        if row is not None:
            problems += ["%s: imports %s!%s: %s" % (name, dll, function, why) for why in row.problems()]
    for (dll, function), row in sorted(rows.items()):
        if letter in row.files and (dll, function) not in imported:
            problems.append("%s: the table lists %s!%s, which it does not import" % (name, dll, function))
    return problems


def listing(rows, path):
    name = os.path.basename(path)
    imported = imports_of(path)
    lines = ["%s: %d imports" % (name, len(imported))]
    for dll in sorted({dll for dll, _ in imported}):
        functions = sorted(function for d, function in imported if d == dll)
        lines.append("  %s (%d)" % (dll, len(functions)))
        for function in functions:
            row = rows.get((dll, function))
            versions = "%s / NT %s%s" % (row.nine_x, row.nt, " " + row.stub if row.stub else "") if row else "not in the table"
            lines.append("    %-28s %s" % (function, versions))
    return lines


def main(argv):
    if len(argv) < 3 or argv[1] not in ("check", "list"):
        print(__doc__, file=sys.stderr)
        return 2
    try:
        rows = read_table(os.environ.get("PE_IMPORTS_TABLE", os.path.join(HERE, "pe-imports.table")))
        if argv[1] == "list":
            for path in argv[2:]:
                print("\n".join(listing(rows, path)))
            return 0
        problems = [problem for path in argv[2:] for problem in check(rows, path)]
    except (Problem, OSError) as error:
        print("pe-imports: %s" % error, file=sys.stderr)
        return 2
    for problem in problems:
        print("pe-imports: %s" % problem, file=sys.stderr)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
