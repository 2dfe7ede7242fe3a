#!/usr/bin/env python3
"""Reads and checks the application manifest of a Windows program file.

  pe-manifest.py show FILE          writes the manifest (resource type 24, id 1)
                                    to stdout as it is stored
  pe-manifest.py check FILE LEVEL   checks it: well-formed; the trustInfo in the
                                    urn:schemas-microsoft-com:asm.v3 namespace
                                    with requestedExecutionLevel LEVEL and
                                    uiAccess false; the common-controls 6.0.0.0
                                    dependency; the processor architecture of
                                    the program and the dependency matching the
                                    file's machine type; system DPI awareness
                                    (one dpiAware "true" in the asm.v3
                                    application's windowsSettings, no
                                    dpiAwareness to override it). LEVEL "none":
                                    the file must carry no manifest at all.

Exits 0 when the check passes, 1 with one line a problem on stderr when it
fails, 2 when the file is no PE file or the arguments are wrong.
"""
import struct
import sys
import xml.etree.ElementTree as ET
from xml.parsers import expat

RT_MANIFEST = 24
PROGRAM_MANIFEST_ID = 1
ASM_V1 = "urn:schemas-microsoft-com:asm.v1"
ASM_V3 = "urn:schemas-microsoft-com:asm.v3"
WINDOWS_SETTINGS_2005 = "http://schemas.microsoft.com/SMI/2005/WindowsSettings"
# The programs lay themselves out at the system's dpi when they start.
DPI_AWARE = "true"
# IMAGE_FILE_MACHINE_* to the processorArchitecture a manifest names.
ARCHITECTURES = {0x014C: "x86", 0x8664: "amd64"}
LEVELS = ("asInvoker", "highestAvailable", "requireAdministrator")
COMMON_CONTROLS = {
    "type": "win32",
    "name": "Microsoft.Windows.Common-Controls",
    "version": "6.0.0.0",
    "publicKeyToken": "6595b64144ccf1df",
}


class NotPe(Exception):
    pass


class PeFile:
    """The parts of a PE file the manifest lives in: machine and resources."""

    def __init__(self, data):
        self.data = data
        if data[:2] != b"MZ":
            raise NotPe("no MZ header")
        pe = self.u32(0x3C)
        if data[pe : pe + 4] != b"PE\0\0":
            raise NotPe("no PE signature")
        self.machine, sections, _, _, _, optional_size, _ = struct.unpack_from("<HHIIIHH", data, pe + 4)
        optional = pe + 24
        magic = self.u16(optional)
        if magic not in (0x10B, 0x20B):
            raise NotPe("unknown optional header magic %#x" % magic)
        # NumberOfRvaAndSizes and the data directories follow the fields that
        # PE32+ widens to 64 bits.
        directories = optional + (96 if magic == 0x10B else 112)
        count = self.u32(directories - 4)
        self.resources = self.u32(directories + 8 * 2) if count > 2 else 0
        self.sections = []
        table = optional + optional_size
        for i in range(sections):
            virtual_size, address, raw_size, raw = struct.unpack_from("<IIII", data, table + 40 * i + 8)
            self.sections.append((address, max(virtual_size, raw_size), raw, raw_size))

    def u16(self, offset):
        return struct.unpack_from("<H", self.data, offset)[0]

    def u32(self, offset):
        return struct.unpack_from("<I", self.data, offset)[0]

    def offset(self, rva, size=1):
        for address, extent, raw, raw_size in self.sections:
            if address <= rva and rva + size <= address + extent:
                if rva - address + size > raw_size:
                    raise NotPe("resource data beyond the section's file data")
                return raw + rva - address
        raise NotPe("address %#x in no section" % rva)

    def entries(self, directory):
        """(id or None for a named entry, offset of data or sub-directory, is_directory)."""
        start = self.offset(self.resources + directory, 16)
        named, ids = struct.unpack_from("<HH", self.data, start + 12)
        for i in range(named + ids):
            name, target = struct.unpack_from("<II", self.data, start + 16 + 8 * i)
            yield (None if name & 0x80000000 else name, target & 0x7FFFFFFF, bool(target & 0x80000000))

    def subdirectory(self, directory, wanted):
        for ident, target, is_directory in self.entries(directory):
            if ident == wanted and is_directory:
                return target
        return None

    def has_type(self, resource_type):
        return self.resources != 0 and self.subdirectory(0, resource_type) is not None

    def resource(self, resource_type, ident):
        """The bytes of the first language of a resource, or None."""
        if self.resources == 0:
            return None
        names = self.subdirectory(0, resource_type)
        languages = self.subdirectory(names, ident) if names is not None else None
        if languages is None:
            return None
        for _, target, is_directory in self.entries(languages):
            if not is_directory:
                rva, size = struct.unpack_from("<II", self.data, self.offset(self.resources + target, 16))
                start = self.offset(rva, size)
                return self.data[start : start + size]
        return None


def local(tag):
    return tag.rsplit("}", 1)[-1]


def namespace(tag):
    return tag[1:].split("}", 1)[0] if tag.startswith("{") else ""


def repeated_namespaces(manifest):
    """Elements that declare one namespace twice (as default and prefix, say):
    Windows XP SP2 without a fix restarts when it reads such a manifest."""
    found = []

    def start(name, attributes):
        uris = [value for key, value in attributes.items() if key == "xmlns" or key.startswith("xmlns:")]
        for uri in sorted(set(uris)):
            if uris.count(uri) > 1:
                found.append("%s declares namespace %s twice" % (name, uri))

    parser = expat.ParserCreate()
    parser.StartElementHandler = start
    parser.Parse(manifest, True)
    return found


def problems(pe, level):
    """Every way the file's manifest differs from what LEVEL asks for."""
    if level == "none":
        return ["carries a manifest"] if pe.has_type(RT_MANIFEST) else []
    manifest = pe.resource(RT_MANIFEST, PROGRAM_MANIFEST_ID)
    if manifest is None:
        return ["no manifest (resource type 24, id 1)"]
    try:
        root = ET.fromstring(manifest)
    except ET.ParseError as error:
        return ["manifest is not well-formed XML: %s" % error]
    found = repeated_namespaces(manifest)
    if root.tag != "{%s}assembly" % ASM_V1 or root.get("manifestVersion") != "1.0":
        found.append("root is not an asm.v1 assembly of manifestVersion 1.0")
    arch = ARCHITECTURES.get(pe.machine)
    if arch is None:
        found.append("unknown machine type %#x" % pe.machine)
    identity = root.find("{%s}assemblyIdentity" % ASM_V1)
    if identity is None or identity.get("processorArchitecture") != arch:
        found.append("program's processorArchitecture is not %s" % arch)
    v1, v3 = "{%s}" % ASM_V1, "{%s}" % ASM_V3
    dependencies = [
        element
        for element in root.findall("{0}dependency/{0}dependentAssembly/{0}assemblyIdentity".format(v1))
        if element.get("name") == COMMON_CONTROLS["name"]
    ]
    wanted = dict(COMMON_CONTROLS, processorArchitecture=arch)
    if len(dependencies) != 1 or any(dependencies[0].get(k) != v for k, v in wanted.items()):
        found.append("no common-controls 6.0.0.0 dependency for %s" % arch)
    trust = [element for element in root.iter() if local(element.tag) == "trustInfo"]
    for element in trust:
        if namespace(element.tag) != ASM_V3:
            found.append("trustInfo in namespace '%s', not %s" % (namespace(element.tag), ASM_V3))
    levels = root.findall("{0}trustInfo/{0}security/{0}requestedPrivileges/{0}requestedExecutionLevel".format(v3))
    if not trust:
        found.append("no trustInfo")
    elif len(levels) != 1:
        found.append("not one asm.v3 requestedExecutionLevel")
    else:
        if levels[0].get("level") != level:
            found.append("execution level %s, not %s" % (levels[0].get("level"), level))
        if levels[0].get("uiAccess") != "false":
            found.append("uiAccess is not false")
    found += dpi_problems(root)
    return found


def dpi_problems(root):
    """How the DPI declaration differs from system awareness."""
    declared = [element for element in root.iter() if local(element.tag) == "dpiAware"]
    placed = root.findall("{{{0}}}application/{{{0}}}windowsSettings/{{{1}}}dpiAware".format(
        ASM_V3, WINDOWS_SETTINGS_2005))
    found = []
    if not declared:
        found.append("no dpiAware declaration")
    elif len(declared) != 1 or len(placed) != 1:
        found.append("not one dpiAware, in the asm.v3 application's windowsSettings (SMI/2005)")
    elif (placed[0].text or "").strip() != DPI_AWARE:
        found.append("DPI awareness '%s', not system ('%s')" % ((placed[0].text or "").strip(), DPI_AWARE))
    if any(local(element.tag) == "dpiAwareness" for element in root.iter()):
        found.append("a dpiAwareness element overrides dpiAware")
    return found


def main(argv):
    if len(argv) == 2 and argv[0] == "show":
        path = argv[1]
    elif len(argv) == 3 and argv[0] == "check" and argv[2] in LEVELS + ("none",):
        path, level = argv[1], argv[2]
    else:
        sys.stderr.write(__doc__)
        return 2
    try:
        with open(path, "rb") as f:
            pe = PeFile(f.read())
        if argv[0] == "show":
            manifest = pe.resource(RT_MANIFEST, PROGRAM_MANIFEST_ID)
            if manifest is None:
                print("pe-manifest: %s: no manifest" % path, file=sys.stderr)
                return 1
            sys.stdout.buffer.write(manifest)
            return 0
        found = problems(pe, level)
    except (OSError, NotPe, struct.error) as error:
        print("pe-manifest: %s: %s" % (path, error), file=sys.stderr)
        return 2
    for problem in found:
        print("pe-manifest: %s: %s" % (path, problem), file=sys.stderr)
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
