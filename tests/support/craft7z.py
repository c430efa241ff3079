#!/usr/bin/env python3
"""craft7z.py OUT.7z ITEMS.json  (ITEMS "-" reads standard input)

Writes a valid 7z archive whose items have exactly the names, attributes and
times that ITEMS gives, so that tests can make archives that no archiver would:
names with "..", drive letters, device names, control characters, lone
surrogates; attributes of reparse points and of the Unix extension; times out
of any range. Data is stored (Copy method), one block per item, every CRC
right, the header unencoded; an item may name another method, to make an
archive with a method that no reader knows.

ITEMS is a JSON list of items, in archive order; each item is an object:
  "name"    the stored name (required). JSON escapes give any UTF-16 unit,
            "\\u0001" and lone surrogates included. The 7z separator is "/":
            readers on Windows turn it into "\\", while a stored "\\" is an
            ordinary character of the name.
  "text"    the content as UTF-8 text, or
  "hex"     the content as hexadecimal bytes, or
  "file"    the content read from this file.
            Without content the item is an empty file.
  "dir"     true: a folder (no content allowed).
  "method"  the 7z method id of the item's block in hexadecimal (default "00",
            Copy); the content is stored as is, as that method's packed data.
  "lzma_dictionary"
            instead of "method": the content packed with LZMA (a small window,
            an end marker), whose properties declare a dictionary of this many
            bytes, up to 4 GiB - 1: a reader allocates it before it decodes,
            as for an archive packed with that dictionary.
  "attrib"  Windows attributes, a number or a "0x..." string; absent: none
            stored. 0x8000 | mode << 16 is the Unix extension.
  "mtime", "ctime", "atime"
            an ISO time "YYYY-MM-DDTHH:MM:SS[.fffffff]Z" (UTC), or a number
            taken as a raw FILETIME (100 ns since 1601); absent: none stored.

Example: [{"name": "a/../../evil.txt", "text": "x"},
          {"name": "link", "attrib": "0x420", "text": "target"},
          {"name": "dir", "dir": true, "mtime": "2005-03-10T08:15:07Z"}]
"""

import datetime
import json
import lzma
import re
import struct
import sys
import zlib

SIGNATURE = b"7z\xbc\xaf\x27\x1c\x00\x04"

K_END, K_HEADER, K_MAIN_STREAMS_INFO, K_FILES_INFO = 0x00, 0x01, 0x04, 0x05
K_PACK_INFO, K_UNPACK_INFO, K_SUBSTREAMS_INFO = 0x06, 0x07, 0x08
K_SIZE, K_CRC, K_FOLDER, K_CODERS_UNPACK_SIZE = 0x09, 0x0A, 0x0B, 0x0C
K_EMPTY_STREAM, K_EMPTY_FILE, K_NAME = 0x0E, 0x0F, 0x11
K_CTIME, K_ATIME, K_MTIME, K_ATTRIBUTES = 0x12, 0x13, 0x14, 0x15

LZMA_METHOD = bytes.fromhex("030101")
LZMA_LC_LP_PB = 3 + 9 * (0 + 5 * 2)  # lc 3, lp 0, pb 2, as 7-Zip's default

EPOCH_1601 = datetime.datetime(1601, 1, 1, tzinfo=datetime.timezone.utc)


def number(value):
    """7z's variable-length number: the first byte's leading one bits count the
    bytes that follow, its remaining bits are the value's highest ones."""
    if value < 0 or value >= 1 << 64:
        raise ValueError(f"number out of range: {value}")
    for extra in range(8):
        if value < 1 << (7 * (extra + 1)):
            first = (0xFF00 >> extra) & 0xFF | value >> (8 * extra)
            return bytes([first]) + (value & ((1 << (8 * extra)) - 1)).to_bytes(extra, "little")
    return b"\xff" + value.to_bytes(8, "little")


def bits(flags):
    """A bit vector, the first flag in the highest bit of the first byte."""
    out = bytearray((len(flags) + 7) // 8)
    for i, flag in enumerate(flags):
        if flag:
            out[i // 8] |= 0x80 >> (i % 8)
    return bytes(out)


def filetime(value):
    if isinstance(value, int):
        if not 0 <= value < 1 << 64:
            raise ValueError(f"a FILETIME has 64 bits: {value!r}")
        return value
    match = re.fullmatch(r"(\d{4})-(\d\d)-(\d\d)T(\d\d):(\d\d):(\d\d)(?:\.(\d{1,7}))?Z", value)
    if not match:
        raise ValueError(f"not a UTC time: {value!r}")
    stamp = datetime.datetime(*map(int, match.groups()[:6]), tzinfo=datetime.timezone.utc)
    delta = stamp - EPOCH_1601
    ticks = int((match.group(7) or "").ljust(7, "0"))
    return (delta.days * 86400 + delta.seconds) * 10_000_000 + ticks


def attrib(value):
    number = int(value, 0) if isinstance(value, str) else int(value)
    if not 0 <= number < 1 << 32:
        raise ValueError(f"attributes have 32 bits: {value!r}")
    return number


class Item:
    def __init__(self, fields):
        if not isinstance(fields, dict):
            raise ValueError(f"an item is not an object: {fields!r}")
        unknown = set(fields) - {"name", "text", "hex", "file", "dir", "method", "lzma_dictionary", "attrib", "mtime",
                                 "ctime", "atime"}
        if unknown:
            raise ValueError(f"unknown keys {sorted(unknown)} in {fields!r}")
        if "name" not in fields:
            raise ValueError(f"an item without a name: {fields!r}")
        self.name = fields["name"]
        if "\0" in self.name:
            raise ValueError(f"a stored name ends at its first NUL: {self.name!r}")
        self.is_dir = bool(fields.get("dir", False))
        sources = [k for k in ("text", "hex", "file") if k in fields]
        if len(sources) > 1:
            raise ValueError(f"more than one content for {self.name!r}")
        if self.is_dir and sources:
            raise ValueError(f"a folder with content: {self.name!r}")
        self.data = b""
        if "text" in fields:
            self.data = fields["text"].encode("utf-8")
        elif "hex" in fields:
            self.data = bytes.fromhex(fields["hex"])
        elif "file" in fields:
            with open(fields["file"], "rb") as f:
                self.data = f.read()
        self.method = bytes.fromhex(fields.get("method", "00"))
        if not 1 <= len(self.method) <= 15:
            raise ValueError(f"a method id has 1 to 15 bytes: {fields['method']!r}")
        self.packed, self.properties = self.data, b""
        if "lzma_dictionary" in fields:
            dictionary = fields["lzma_dictionary"]
            if "method" in fields or not isinstance(dictionary, int) or not 4096 <= dictionary < 1 << 32:
                raise ValueError(f"an LZMA dictionary of 4 KiB to 4 GiB - 1, without a method: {fields!r}")
            window = [{"id": lzma.FILTER_LZMA1, "dict_size": 1 << 16, "lc": 3, "lp": 0, "pb": 2}]
            self.method = LZMA_METHOD
            self.packed = lzma.compress(self.data, format=lzma.FORMAT_RAW, filters=window)
            self.properties = bytes([LZMA_LC_LP_PB]) + struct.pack("<I", dictionary)
        self.attrib = attrib(fields["attrib"]) if "attrib" in fields else None
        self.times = {k: filetime(fields[k]) for k in ("ctime", "atime", "mtime") if k in fields}


def defined_vector(prop, values, encode):
    """A property whose values may be missing: all-defined flag or bit vector,
    then "not external", then the values that are there."""
    present = [v is not None for v in values]
    body = b"\x01" if all(present) else b"\x00" + bits(present)
    body += b"\x00" + b"".join(encode(v) for v in values if v is not None)
    return bytes([prop]) + number(len(body)) + body


def streams_info(items):
    """One pack stream and one single-coder folder per item with data."""
    streams = [it.data for it in items]
    out = bytearray([K_MAIN_STREAMS_INFO, K_PACK_INFO]) + number(0) + number(len(streams))
    out += bytes([K_SIZE]) + b"".join(number(len(it.packed)) for it in items) + bytes([K_END])
    out += bytes([K_UNPACK_INFO, K_FOLDER]) + number(len(streams)) + b"\x00"
    for it in items:  # one simple coder: its id size (with the properties flag), its id, its properties
        flags = 0x20 if it.properties else 0
        out += number(1) + bytes([len(it.method) | flags]) + it.method
        if it.properties:
            out += number(len(it.properties)) + it.properties
    out += bytes([K_CODERS_UNPACK_SIZE]) + b"".join(number(len(s)) for s in streams) + bytes([K_END])
    out += bytes([K_SUBSTREAMS_INFO, K_CRC, 1]) + b"".join(struct.pack("<I", zlib.crc32(s)) for s in streams)
    out += bytes([K_END, K_END])
    return bytes(out)


def files_info(items):
    out = bytearray([K_FILES_INFO]) + number(len(items))
    empty = [it.is_dir or not it.data for it in items]
    if any(empty):
        vector = bits(empty)
        out += bytes([K_EMPTY_STREAM]) + number(len(vector)) + vector
        vector = bits([not it.is_dir for it, e in zip(items, empty) if e])
        out += bytes([K_EMPTY_FILE]) + number(len(vector)) + vector
    names = b"\x00" + b"".join(it.name.encode("utf-16-le", "surrogatepass") + b"\x00\x00" for it in items)
    out += bytes([K_NAME]) + number(len(names)) + names
    for prop, key in ((K_CTIME, "ctime"), (K_ATIME, "atime"), (K_MTIME, "mtime")):
        values = [it.times.get(key) for it in items]
        if any(v is not None for v in values):
            out += defined_vector(prop, values, lambda v: struct.pack("<Q", v))
    values = [it.attrib for it in items]
    if any(v is not None for v in values):
        out += defined_vector(K_ATTRIBUTES, values, lambda v: struct.pack("<I", v))
    out += bytes([K_END])
    return bytes(out)


def archive(items):
    with_data = [it for it in items if it.data]
    header = bytes([K_HEADER])
    if with_data:
        header += streams_info(with_data)
    if items:
        header += files_info(items)
    header += bytes([K_END])
    packed = b"".join(it.packed for it in with_data)
    start = struct.pack("<QQI", len(packed), len(header), zlib.crc32(header))
    return SIGNATURE + struct.pack("<I", zlib.crc32(start)) + start + packed + header


def main(argv):
    if len(argv) != 3:
        sys.exit(__doc__)
    try:
        with (sys.stdin if argv[2] == "-" else open(argv[2], encoding="utf-8")) as f:
            items = [Item(items) for items in json.load(f)]
        data = archive(items)
    except (OSError, ValueError, TypeError) as e:
        sys.exit(f"craft7z.py: {argv[2]}: {e!r}")
    with open(argv[1], "wb") as f:
        f.write(data)


if __name__ == "__main__":
    main(sys.argv)
