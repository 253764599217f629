"""A reader of the PE headers and the resource tree of a Windows program,
enough for the release checks (host side: the 32-bit wizard cannot run here).
"""
import struct

MACHINE_I386 = 0x14C
MACHINE_AMD64 = 0x8664
SUBSYSTEM_WINDOWS_GUI = 2
RT_VERSION = 16
RT_MANIFEST = 24


class PeFile:
    @classmethod
    def read(cls, path):
        with open(path, "rb") as f:
            return cls(f.read(), path)

    def __init__(self, data, name="program"):
        self.data = data
        if self.data[:2] != b"MZ":
            raise ValueError(f"{name}: no MZ header")
        pe = struct.unpack_from("<I", self.data, 0x3C)[0]
        if self.data[pe:pe + 4] != b"PE\0\0":
            raise ValueError(f"{name}: no PE signature")
        self.machine, sections, self.time_stamp = struct.unpack_from("<HHI", self.data, pe + 4)
        optional_size = struct.unpack_from("<H", self.data, pe + 20)[0]
        optional = pe + 24
        magic = struct.unpack_from("<H", self.data, optional)[0]
        self.subsystem = struct.unpack_from("<H", self.data, optional + 68)[0]
        directories = optional + (96 if magic == 0x10B else 112)
        self.resource_rva = struct.unpack_from("<I", self.data, directories + 2 * 8)[0]
        self.sections = [struct.unpack_from("<8sIIII", self.data, optional + optional_size + 40 * i)
                         for i in range(sections)]

    def offset(self, rva):
        for _, virtual_size, address, raw_size, raw_offset in self.sections:
            if address <= rva < address + max(virtual_size, raw_size):
                return raw_offset + rva - address
        raise ValueError(f"RVA {rva:#x} lies in no section")

    def resources(self):
        """{(type, name, language): bytes}; ids are ints, names upper-case strings."""
        found = {}
        if self.resource_rva:
            self._walk(self.offset(self.resource_rva), 0, (), found)
        return found

    def _walk(self, root, directory, path, found):
        named, numbered = struct.unpack_from("<HH", self.data, root + directory + 12)
        for i in range(named + numbered):
            name, target = struct.unpack_from("<II", self.data, root + directory + 16 + 8 * i)
            key = self._name(root, name & 0x7FFFFFFF) if name & 0x80000000 else name
            if target & 0x80000000:
                self._walk(root, target & 0x7FFFFFFF, path + (key,), found)
            else:
                rva, size = struct.unpack_from("<II", self.data, root + target)
                start = self.offset(rva)
                found[path + (key,)] = self.data[start:start + size]

    def _name(self, root, at):
        length = struct.unpack_from("<H", self.data, root + at)[0]
        return self.data[root + at + 2:root + at + 2 + 2 * length].decode("utf-16-le").upper()
