#!/usr/bin/env python3
"""The manifest check against the built programs and against copies of them
whose stored manifest was edited in place (same length, so the PE file stays
intact), as a wrong build would leave them.

  manifests_test.py PE_MANIFEST MANIFEST_DIR UNINSTALL SOMBREL CALENDAR LIBRARY NO_MANIFEST_EXE
"""
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

TOOL, MANIFESTS, UNINSTALL, SOMBREL, CALENDAR, LIBRARY, BARE = sys.argv[1:8]
PROGRAMS = {UNINSTALL: "requireAdministrator", SOMBREL: "asInvoker", CALENDAR: "asInvoker"}


def run(*args):
    done = subprocess.run([sys.executable, TOOL] + list(args), capture_output=True, timeout=60)
    return done.returncode, done.stdout, done.stderr.decode()


class ManifestCheck(unittest.TestCase):
    def setUp(self):
        self.scratch = tempfile.TemporaryDirectory()
        self.addCleanup(self.scratch.cleanup)

    def edited(self, program, old, new):
        """A copy of PROGRAM with the one stored OLD replaced by NEW."""
        self.assertEqual(len(old), len(new))
        with open(program, "rb") as f:
            data = f.read()
        self.assertEqual(data.count(old), 1, old)
        copy = os.path.join(self.scratch.name, os.path.basename(program))
        with open(copy, "wb") as f:
            f.write(data.replace(old, new))
        return copy

    def assertFails(self, path, level, message):
        code, _, errors = run("check", path, level)
        self.assertEqual(code, 1, errors)
        self.assertIn(message, errors)

    def test_each_program_asks_for_its_level(self):
        for program, level in PROGRAMS.items():
            self.assertEqual(run("check", program, level), (0, b"", ""))

    def test_each_program_loads_common_controls_with_it(self):
        for program in PROGRAMS:
            dump = subprocess.run(["x86_64-w64-mingw32-objdump", "-p", program], capture_output=True,
                                  text=True, timeout=60, check=True).stdout
            self.assertIn("dll name: comctl32.dll", dump.lower(), program)

    def test_reads_out_the_manifest_the_build_wrote_for_this_processor(self):
        for program in PROGRAMS:
            name = os.path.splitext(os.path.basename(program))[0] + ".manifest"
            with open(os.path.join(MANIFESTS, name), "rb") as f:
                written = f.read()
            code, stored, _ = run("show", program)
            self.assertEqual((code, stored), (0, written))
            self.assertEqual(stored.count(b'processorArchitecture="amd64"'), 2)

    def test_language_library_carries_none(self):
        self.assertEqual(run("check", LIBRARY, "none")[0], 0)
        self.assertFails(LIBRARY, "asInvoker", "no manifest")
        self.assertFails(CALENDAR, "none", "carries a manifest")

    def test_program_without_manifest_fails(self):
        self.assertFails(BARE, "asInvoker", "no manifest")
        self.assertEqual(run("show", BARE)[0], 1)

    def test_trust_info_outside_the_v3_namespace_fails(self):
        for namespace in (b"asm.v1", b"asm.v2"):
            copy = self.edited(CALENDAR, b'<trustInfo xmlns="urn:schemas-microsoft-com:asm.v3"',
                               b'<trustInfo xmlns="urn:schemas-microsoft-com:' + namespace + b'"')
            self.assertFails(copy, "asInvoker", "trustInfo in namespace 'urn:schemas-microsoft-com:" +
                             namespace.decode())

    def test_trust_info_without_its_own_namespace_fails(self):
        # Inherits the assembly's asm.v1 namespace.
        tag = b'<trustInfo xmlns="urn:schemas-microsoft-com:asm.v3">'
        copy = self.edited(SOMBREL, tag, b"<trustInfo".ljust(len(tag) - 1) + b">")
        self.assertFails(copy, "asInvoker", "trustInfo in namespace 'urn:schemas-microsoft-com:asm.v1'")

    def test_namespace_declared_twice_on_one_element_fails(self):
        # The comment before the element gives the room for the second declaration.
        with open(SOMBREL, "rb") as f:
            data = f.read()
        tag = b'<trustInfo xmlns="urn:schemas-microsoft-com:asm.v3">'
        start, end = data.index(b"<!--", data.index(b"<?xml")), data.index(tag) + len(tag)
        twice = b'<trustInfo xmlns:v3="urn:schemas-microsoft-com:asm.v3" xmlns="urn:schemas-microsoft-com:asm.v3">'
        copy = self.edited(SOMBREL, data[start:end], twice.ljust(end - start))
        self.assertFails(copy, "asInvoker", "trustInfo declares namespace urn:schemas-microsoft-com:asm.v3 twice")

    def test_manifest_without_trust_info_fails(self):
        with open(UNINSTALL, "rb") as f:
            data = f.read()
        start, end = data.index(b"<trustInfo"), data.index(b"</trustInfo>") + len(b"</trustInfo>")
        block = data[start:end]
        copy = self.edited(UNINSTALL, block, b"<!--" + b" " * (len(block) - 7) + b"-->")
        self.assertFails(copy, "requireAdministrator", "no trustInfo")

    def test_other_execution_level_fails(self):
        copy = self.edited(UNINSTALL, b'level="requireAdministrator"', b'level="highestAvailable"    ')
        self.assertFails(copy, "requireAdministrator", "execution level highestAvailable")
        self.assertFails(UNINSTALL, "asInvoker", "execution level requireAdministrator")
        copy = self.edited(SOMBREL, b'uiAccess="false"', b'uiAccess="true" ')
        self.assertFails(copy, "asInvoker", "uiAccess")

    def test_dpi_declaration_other_than_system_awareness_fails(self):
        with open(SOMBREL, "rb") as f:
            data = f.read()
        # From the comment before the block to its end: room for other blocks.
        start = data.index(b"<!--", data.index(b"</trustInfo>"))
        end = data.index(b"</application>") + len(b"</application>")
        v3 = b'<application xmlns="urn:schemas-microsoft-com:asm.v3"><windowsSettings>'
        aware = b'<dpiAware xmlns="http://schemas.microsoft.com/SMI/2005/WindowsSettings">%s</dpiAware>'
        closing = b"</windowsSettings></application>"
        cases = [
            (b"", "no dpiAware declaration"),
            (v3 + aware % b"true/pm" + closing, "DPI awareness 'true/pm', not system ('true')"),
            (v3 + aware % b"false" + closing, "DPI awareness 'false'"),
            (v3 + aware % b"true" + aware % b"true" + closing, "not one dpiAware"),
            (v3 + b"<dpiAware>true</dpiAware>" + closing, "not one dpiAware"),
            (b'<application xmlns="urn:schemas-microsoft-com:asm.v3">' + aware % b"true" + b"</application>",
             "not one dpiAware"),
            (v3 + aware % b"true" + b'<dpiAwareness xmlns="http://schemas.microsoft.com/SMI/2016/WindowsSettings">'
             b"PerMonitorV2</dpiAwareness>" + closing, "dpiAwareness element overrides"),
        ]
        for block, message in cases:
            with self.subTest(block=block):
                self.assertLessEqual(len(block), end - start)
                copy = self.edited(SOMBREL, data[start:end], block.ljust(end - start))
                self.assertFails(copy, "asInvoker", message)

    def test_other_processor_fails(self):
        with open(CALENDAR, "rb") as f:
            data = f.read()
        program = data.index(b'processorArchitecture="amd64"')
        dependency = data.index(b'processorArchitecture="amd64"', program + 1)
        for at, message in ((program, "program's processorArchitecture"), (dependency, "common-controls")):
            edited = data[:at] + b'processorArchitecture="x86"  ' + data[at + 29 :]
            copy = os.path.join(self.scratch.name, "calendar.exe")
            with open(copy, "wb") as f:
                f.write(edited)
            self.assertFails(copy, "asInvoker", message)

    def test_other_common_controls_version_fails(self):
        copy = self.edited(SOMBREL, b'version="6.0.0.0"', b'version="5.8.0.0"')
        self.assertFails(copy, "asInvoker", "common-controls")

    def test_malformed_manifest_fails(self):
        copy = self.edited(CALENDAR, b"</assembly>", b"</assemblx>")
        self.assertFails(copy, "asInvoker", "not well-formed")

    def test_file_that_is_no_program_is_refused(self):
        text = os.path.join(self.scratch.name, "calendar.exe")
        shutil.copyfile(os.path.join(MANIFESTS, "calendar.manifest"), text)
        self.assertEqual(run("check", text, "asInvoker")[0], 2)
        cut = os.path.join(self.scratch.name, "cut.exe")
        with open(CALENDAR, "rb") as f, open(cut, "wb") as out:
            out.write(f.read(1024))
        self.assertEqual(run("check", cut, "asInvoker")[0], 2)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
