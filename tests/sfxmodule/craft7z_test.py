#!/usr/bin/env python3
"""craft7z_test.py CRAFT7Z: the archives that tests/support/craft7z.py writes
are sound 7z archives to Debian's 7zz, and hold exactly the names, contents,
attributes and times asked for. 7zz on Linux lists names as stored, a "\\"
included, and writes unpaired surrogates as their 3-byte UTF-8 forms."""

import json
import os
import subprocess
import sys
import tempfile
import unittest
import zlib

CRAFT7Z = None

# Names that a self-extractor must not take at their word, each stored as given.
NAMES = [
    "..\\evil.txt",
    "a/../../evil.txt",
    "\\rooted.txt",
    "/rooted.txt",
    "C:\\abs.txt",
    "C:/abs.txt",
    "C:rel.txt",
    "\\\\server\\share\\x.txt",
    "//server/share/x.txt",
    "\\\\?\\C:\\x.txt",
    "a:stream.txt",
    "CON",
    "sub/nul.txt",
    "com1.log",
    "lpt9",
    "dot.",
    "space ",
    "bad<name>.txt",
    "q?.txt",
    "bell\u0007.txt",
    "Grüße/日本.txt",
    "lone\ud800surrogate",
    "",
]
# 7zz shows a nameless item under the archive's name.
NAMELESS_SHOWN_AS = "hostile"

# attrib -> how 7zz shows it.
ATTRIBUTES = [
    (0x400, "L"),  # reparse point
    (0x420, "AL"),
    (0x8000 | 0o120777 << 16 | 0x20, "A lrwxrwxrwx"),  # Unix symbolic link
    (0x8000 | 0o100755 << 16 | 0x20, "A -rwxr-xr-x"),
    (0x21, "RA"),
    (0x26, "HSA"),
]

# mtime -> how 7zz shows it (in UTC).
TIMES = [
    ("1975-06-01T00:00:00Z", "1975-06-01 00:00:00.0000000"),
    ("2005-03-10T08:15:07Z", "2005-03-10 08:15:07.0000000"),
    ("2150-01-01T00:00:00.1234567Z", "2150-01-01 00:00:00.1234567"),
    ("2000-02-29T23:59:59.5Z", "2000-02-29 23:59:59.5000000"),
    (116444736000000000, "1970-01-01 00:00:00.0000000"),  # a raw FILETIME
]


def run(*args, check=True):
    result = subprocess.run(args, capture_output=True)
    if check and result.returncode != 0:
        raise AssertionError(f"{args} failed: {result.stderr.decode(errors='replace')}")
    return result


def craft(folder, name, items):
    items_file = os.path.join(folder, name + ".json")
    with open(items_file, "w", encoding="utf-8") as f:
        json.dump(items, f)
    path = os.path.join(folder, name + ".7z")
    run(sys.executable, CRAFT7Z, path, items_file)
    return path


def listing(path):
    """The items of `7zz l -slt`: one dict of its "Key = Value" lines each."""
    out = run("7zz", "l", "-slt", path).stdout.decode("utf-8", "surrogatepass")
    items = []
    for block in out.split("----------\n", 1)[1].split("\n\n"):
        fields = dict(line.split(" = ", 1) for line in block.splitlines() if " = " in line)
        if "Path" in fields:
            items.append(fields)
    return items


def kinds(path):
    """Per item, "D" for a folder and "." for a file, from the attribute
    column of `7zz l` (shown even for items without stored attributes)."""
    lines = run("7zz", "l", path).stdout.decode("utf-8", "surrogatepass").splitlines()
    rules = [i for i, line in enumerate(lines) if line.startswith("------------------- ")]
    return "".join(line[20] for line in lines[rules[0] + 1 : rules[1]])


class Craft7zTest(unittest.TestCase):
    def setUp(self):
        folder = tempfile.TemporaryDirectory()
        self.addCleanup(folder.cleanup)
        self.folder = folder.name

    def assert_sound(self, path):
        result = run("7zz", "t", path, check=False)
        self.assertEqual(result.returncode, 0, result.stdout.decode(errors="replace"))
        self.assertIn(b"Everything is Ok", result.stdout)

    def test_names_are_stored_as_given(self):
        items = [{"name": name, "text": f"content of item {i}"} for i, name in enumerate(NAMES)]
        path = craft(self.folder, "hostile", items)
        self.assert_sound(path)
        listed = listing(path)
        self.assertEqual([f["Path"] for f in listed], [name or NAMELESS_SHOWN_AS for name in NAMES])
        for i, fields in enumerate(listed):
            data = f"content of item {i}".encode()
            self.assertEqual(fields["Size"], str(len(data)), fields["Path"])
            self.assertEqual(fields["CRC"], f"{zlib.crc32(data):08X}", fields["Path"])

    def test_attributes_are_stored_as_given(self):
        items = [{"name": f"item{i}", "attrib": hex(a), "text": "x"} for i, (a, _) in enumerate(ATTRIBUTES)]
        items.append({"name": "plain", "text": "x"})
        path = craft(self.folder, "attributes", items)
        self.assert_sound(path)
        self.assertEqual([f["Attributes"] for f in listing(path)], [shown for _, shown in ATTRIBUTES] + [""])

    def test_times_are_stored_as_given(self):
        items = [{"name": f"item{i}", "mtime": t, "text": "x"} for i, (t, _) in enumerate(TIMES)]
        items.append({"name": "undated", "text": "x"})
        path = craft(self.folder, "times", items)
        self.assert_sound(path)
        self.assertEqual([f["Modified"] for f in listing(path)], [shown for _, shown in TIMES] + [""])

    # Folders and empty files have no data; an archive of nothing else has
    # no streams at all, and one without items is empty.
    def test_items_without_data(self):
        cases = [
            ([{"name": "d", "dir": True}, {"name": "d/empty"}], ["d", "d/empty"], "D."),
            ([{"name": "d", "dir": True}, {"name": "f", "text": "x"}, {"name": "e"}], ["d", "f", "e"], "D.."),
            ([], [], ""),
        ]
        for i, (items, paths, folders) in enumerate(cases):
            with self.subTest(paths=paths):
                path = craft(self.folder, f"empty{i}", items)
                self.assert_sound(path)
                listed = listing(path)
                self.assertEqual([f["Path"] for f in listed], paths)
                self.assertEqual(kinds(path), folders)

    # A block of a method that no reader knows fails alone; the others stay sound.
    def test_unknown_method(self):
        items = [{"name": "known", "text": "x"}, {"name": "unknown", "text": "y", "method": "7f7f7f"}]
        path = craft(self.folder, "method", items)
        self.assertEqual([f["Method"] for f in listing(path)], ["Copy", "7F7F7F"])
        result = run("7zz", "t", path, check=False)
        self.assertNotEqual(result.returncode, 0)
        self.assertIn(b"ERROR: Unsupported Method : unknown", result.stdout + result.stderr)
        self.assertIn(b"Sub items Errors: 1", result.stdout + result.stderr)

    # Sizes and counts past one byte of 7z's variable-length numbers.
    def test_large_items(self):
        big = os.path.join(self.folder, "big.bin")
        data = bytes(i * 7 % 251 for i in range(300_000))
        with open(big, "wb") as f:
            f.write(data)
        items = [{"name": "big.bin", "file": big}] + [{"name": f"n{i:03}", "hex": f"{i % 256:02x}"} for i in range(200)]
        path = craft(self.folder, "large", items)
        self.assert_sound(path)
        listed = listing(path)
        self.assertEqual(len(listed), 201)
        self.assertEqual(listed[0]["Size"], str(len(data)))
        self.assertEqual(listed[0]["CRC"], f"{zlib.crc32(data):08X}")

    def test_refuses_bad_specs(self):
        item_lists = [
            '[{"name": "a\\u0000b"}]',
            '[{"text": "no name"}]',
            '[{"name": "x", "colour": 1}]',
            '[{"name": "x", "mtime": "yesterday"}]',
            '[{"name": "x", "text": "a", "hex": "00"}]',
            '[{"name": "x", "dir": true, "text": "a"}]',
            '[{"name": "x", "hex": "zz"}]',
            '[{"name": "x", "text": "a", "method": ""}]',
            '[{"name": "x", "attrib": "0x100000000"}]',
            '[{"name": "x", "mtime": -1}]',
            '["x"]',
            "not json",
        ]
        for i, items in enumerate(item_lists):
            with self.subTest(items=items):
                path = os.path.join(self.folder, f"bad{i}.7z")
                result = subprocess.run([sys.executable, CRAFT7Z, path, "-"], input=items.encode(), capture_output=True)
                self.assertNotEqual(result.returncode, 0)
                self.assertIn(b"craft7z.py: ", result.stderr)
                self.assertFalse(os.path.exists(path))


if __name__ == "__main__":
    CRAFT7Z = sys.argv.pop(1)
    os.environ.update(LC_ALL="C.UTF-8", TZ="UTC")
    unittest.main()
