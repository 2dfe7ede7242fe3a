#!/usr/bin/env python3
"""The import check against the shipped files as built, and against copies
of uninstall.exe in which one imported name was overwritten in place (the
hint/name entry keeps its length, so the file stays a valid PE file), as a
program calling a newer function would be linked.

  pe_imports_test.py PE_IMPORTS TABLE UNINSTALL LIBRARY SOMBREL CALENDAR
"""
import os
import subprocess
import sys
import tempfile
import unittest

TOOL, TABLE, UNINSTALL = sys.argv[1:4]
SHIPPED = sys.argv[3:7]
# An import every build of uninstall.exe has, long enough to take the others.
CARRIER = b"GetEnvironmentVariableA"


def run(*args, table=TABLE):
    env = dict(os.environ, PE_IMPORTS_TABLE=table)
    done = subprocess.run([sys.executable, TOOL, "check"] + list(args), capture_output=True,
                          text=True, timeout=60, env=env)
    return done.returncode, done.stderr


class ImportCheck(unittest.TestCase):
    def setUp(self):
        self.scratch = tempfile.TemporaryDirectory()
        self.addCleanup(self.scratch.cleanup)
        with open(TABLE, encoding="utf-8") as f:
            self.table = f.read()

    def importing(self, name):
        """A copy of uninstall.exe importing NAME from kernel32.dll in place of CARRIER."""
        with open(UNINSTALL, "rb") as f:
            data = f.read()
        old = CARRIER + b"\0"
        self.assertEqual(data.count(old), 1)
        new = name.encode() + b"\0" * (len(CARRIER) - len(name) + 1)
        copy = os.path.join(self.scratch.name, "uninstall.exe")
        with open(copy, "wb") as f:
            f.write(data.replace(old, new))
        return copy

    def table_with(self, *lines, carrier_imported=False):
        """The committed table with LINES added; the carrier listed for no
        file unless carrier_imported."""
        if not carrier_imported:
            lines = ("kernel32.dll GetEnvironmentVariableA 95 3.1 -",) + lines
        path = os.path.join(self.scratch.name, "imports.table")
        with open(path, "w", encoding="utf-8") as f:
            f.write("\n".join((self.table,) + lines))
        return path

    def test_the_shipped_files_pass(self):
        self.assertEqual(run(*SHIPPED), (0, ""))

    def test_refused_copies(self):
        cases = [
            # (name imported instead of the carrier, extra table lines, expected words)
            ("GetFileAttributesExA", [], "kernel32.dll!GetFileAttributesExA, which the table does not list"),
            ("GetTickCount", [], "kernel32.dll!GetTickCount, which the table does not list"),
            # Listed for the file, and still refused for the system it needs.
            ("GetFileAttributesExA", ["kernel32.dll GetFileAttributesExA 98 4.0 u"],
             "GetFileAttributesExA: not exported by Windows 95 (from 98 on)"),
            ("Process32First", ["kernel32.dll Process32First 95 2000 u"],
             "Process32First: not exported by Windows NT 4.0 (from 2000 on)"),
            ("GetFileAttributesW", ["kernel32.dll GetFileAttributesW 95 3.1 u 9x-stub:README.md"],
             "a stub on the 9x family without the source that handles it"),
            ("GetFileAttributesW", ["kernel32.dll GetFileAttributesW 95 3.1 u 9x-stub:no/such.cpp"],
             "a stub on the 9x family without the source that handles it"),
        ]
        for name, lines, expected in cases:
            with self.subTest(name=name, table=lines):
                code, errors = run(self.importing(name), table=self.table_with(*lines))
                self.assertEqual(code, 1, errors)
                self.assertIn(expected, errors)
                self.assertEqual(errors.count("pe-imports:"), 1, errors)

    def test_the_committed_table_refuses_the_copies_too(self):
        for name in ("GetFileAttributesExA", "GetTickCount"):
            code, errors = run(self.importing(name))
            self.assertEqual(code, 1, errors)
            self.assertIn("kernel32.dll!%s, which the table does not list" % name, errors)
            self.assertIn("lists kernel32.dll!GetEnvironmentVariableA, which it does not import", errors)

    def test_a_stub_passes_where_the_source_named_handles_it(self):
        # As MoveFileExA, a stub on the 95 family, whose row names the code
        # that writes WININIT.INI there instead.
        self.assertIn("MoveFileExA", self.table)
        handler = os.path.join(self.scratch.name, "handler.cpp")
        with open(handler, "w", encoding="utf-8") as f:
            f.write("if (nt) GetFileAttributesW(name); else GetFileAttributesA(name);\n")
        table = self.table_with("kernel32.dll GetFileAttributesW 95 3.1 u 9x-stub:" + handler)
        self.assertEqual(run(self.importing("GetFileAttributesW"), table=table), (0, ""))

    def test_a_table_listing_more_than_the_file_imports_is_refused(self):
        code, errors = run(UNINSTALL, table=self.table_with("user32.dll IsWindow 95 3.1 usc",
                                                               carrier_imported=True))
        self.assertEqual(code, 1)
        for name in ("uninstall.exe", "sombrel.exe", "calendar.exe"):
            self.assertNotIn(name + ": imports", errors)
        self.assertIn("uninstall.exe: the table lists user32.dll!IsWindow, which it does not import",
                      errors)

    def test_a_file_that_is_not_shipped_is_refused(self):
        copy = os.path.join(self.scratch.name, "other.exe")
        with open(UNINSTALL, "rb") as src, open(copy, "wb") as dst:
            dst.write(src.read())
        self.assertEqual(run(copy), (1, "pe-imports: other.exe: not a shipped file\n"))


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])
