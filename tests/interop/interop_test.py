#!/usr/bin/python3
"""Tables written by other programs (python3-dbf, shapelib, GDAL, and a few
built byte by byte) must read in the engine with the fields, counts, deletion
marks and values dbfread reads; tables the engine writes (a save, a sort, a
purge, a structure copy, an added field) must read in dbfread and GDAL with
the values the engine shows.

Memo texts of python3-dbf's dBASE III and Visual FoxPro tables and of a dBASE IV table
built by hand read as in dbfread; sort and purge keep block numbers and memo file.

Usage: interop_test.py DBF_DUMP DBF_EDIT"""
import csv
import datetime
import io
import json
import os
import pathlib
import shutil
import struct
import subprocess
import sys
import tempfile
import unittest

import dbf
import dbfread

DUMP = EDIT = None
BLANKS = bytes(range(0x21))


def engine_view(path):
    """The header line and the records dbf_dump prints; text as bytes."""
    lines = subprocess.run([DUMP, path], check=True, capture_output=True).stdout.decode().splitlines()
    head = json.loads(lines[0])
    records = [json.loads(line) for line in lines[1:]]
    for r in records:
        r["values"] = [v.encode("latin-1") for v in r["values"]]
    return head, records


def edit(*args):
    """Runs dbf_edit; text for the table goes as bytes in the table's code page."""
    subprocess.run([EDIT.encode(), *(a if isinstance(a, bytes) else a.encode() for a in args)], check=True)


def python_dbf_table(path, kind, fields, codepage, rows, deleted=()):
    table = dbf.Table(path, fields, dbf_type=kind, codepage=codepage)
    table.open(dbf.READ_WRITE)
    for row in rows:
        table.append(row)
    for i in deleted:
        dbf.delete(table[i])
    table.close()
    return path


def gdal_rows(path, encoding):
    out = subprocess.run(["ogr2ogr", "-f", "CSV", "/vsistdout/", path, "-oo", "ENCODING=" + encoding],
                         check=True, capture_output=True).stdout.decode("utf-8")
    return list(csv.DictReader(io.StringIO(out)))


class Interop(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.mkdtemp(prefix="dbf-interop-")

    def tearDown(self):
        shutil.rmtree(self.dir)

    def path(self, name):
        return os.path.join(self.dir, name)

    def copy(self, source, name):
        shutil.copy(source, self.path(name))
        return self.path(name)

    # -- comparisons -------------------------------------------------------

    def assertReadsAsDbfread(self, path, encoding):
        """The engine's fields, count, marks and values equal dbfread's."""
        head, records = engine_view(path)
        raw = dbfread.DBF(path, encoding=encoding, raw=True, load=True)
        parsed = dbfread.DBF(path, encoding=encoding, load=True)
        self.assertEqual([(f["name"], f["type"], f["length"], f["decimals"]) for f in head["fields"]],
                         [(f.name, f.type, f.length, f.decimal_count) for f in raw.fields], path)
        self.assertEqual(head["count"], len(raw.records) + len(raw.deleted), path)
        for deleted, theirs_raw, theirs in ((False, raw.records, parsed.records),
                                            (True, raw.deleted, parsed.deleted)):
            ours = [r for r in records if r["deleted"] == deleted]
            self.assertEqual(len(ours), len(theirs_raw), path)
            for mine, their_raw, their in zip(ours, theirs_raw, theirs):
                self.assertEqual(mine["values"], [bytes(v).rstrip(BLANKS) for v in their_raw.values()], path)
                for number, value in zip(mine["numbers"], their.values()):
                    if number is not None:
                        # dbfread has no number for blanks or '*' fill; the engine reads 0.
                        self.assertAlmostEqual(number, value if value is not None else 0.0, places=6)
        return head, records

    def assertReadsAsGdal(self, path, encoding, codec):
        """GDAL's live records equal the engine's (GDAL leaves out deleted ones)."""
        head, records = engine_view(path)
        rows = gdal_rows(path, encoding)
        live = [r for r in records if not r["deleted"]]
        self.assertEqual(len(rows), len(live), path)
        for row, mine in zip(rows, live):
            for field, text, number in zip(head["fields"], mine["values"], mine["numbers"]):
                theirs = row[field["name"]]
                if field["type"] == "N":
                    self.assertAlmostEqual(float(theirs) if theirs else 0.0, number, places=6)
                elif field["type"] == "D":
                    self.assertEqual(theirs.replace("/", ""), text.decode(codec))
                else:
                    self.assertEqual(theirs, text.decode(codec).strip())

    # -- tables from other writers -----------------------------------------

    def people(self, name, kind="db3", codepage="cp866"):
        first, third = ("Анна", "Иван") if codepage != "cp1252" else ("Zoë", "Jürgen")
        return python_dbf_table(
            self.path(name), kind, "NAME C(10); SUM N(8,2); OK L; DAY D", codepage,
            [(first, 12.5, True, dbf.Date(2024, 1, 31)), ("Bob", -3, False, None),
             (third, -0.25, None, dbf.Date(1999, 12, 1)), ("", 0, True, None)], deleted=[1])

    def test_python_dbf_tables_in_866_1251_and_latin(self):
        self.assertReadsAsDbfread(self.people("d866.dbf"), "cp866")
        self.assertReadsAsDbfread(self.people("d1251.dbf", codepage="cp1251"), "cp1251")
        latin = python_dbf_table(self.path("latin.dbf"), "db3", "NAME C(12); QTY N(5,0)", "cp1252",
                                 [("Müller", 5), ("Café", -12), ("Ølstykke", 99999)], deleted=[0])
        self.assertReadsAsDbfread(latin, "cp1252")

    def test_visual_foxpro_header_area_adds_no_fields(self):
        head, _ = self.assertReadsAsDbfread(self.people("vfp.dbf", kind="vfp", codepage="cp1252"), "cp1252")
        self.assertEqual(len(head["fields"]), 4)
        self.assertEqual(head["header_size"], 32 + 4 * 32 + 1 + 263)

    def test_clipper_character_field_longer_than_255(self):
        note = "x" * 290 + "end"
        path = python_dbf_table(self.path("clp.dbf"), "clp", "NAME C(10); NOTE C(300); SUM N(6,1)", "cp866",
                                [("Анна", note, 1.5), ("Bob", "short", -2)], deleted=[1])
        head, records = self.assertReadsAsDbfread(path, "cp866")
        self.assertEqual(head["fields"][1]["length"], 300)
        self.assertEqual(records[0]["values"][1], note.encode())

    def test_shapelib_tables_and_empty_tables(self):
        path = self.path("shp.dbf")
        subprocess.run(["dbfcreate", path, "-s", "NAME", "12", "-n", "SUM", "9", "2", "-n", "QTY", "4", "0"],
                       check=True)
        for name, total, qty in ((b"Ann", b"12.5", b"7"), ("Café".encode("cp1252"), b"-1234.56", b"-12")):
            subprocess.run([b"dbfadd", path.encode(), name, total, qty], check=True)
        self.assertReadsAsDbfread(path, "cp1252")
        empty = self.path("shp_empty.dbf")
        subprocess.run(["dbfcreate", empty, "-s", "NAME", "5"], check=True)
        self.assertReadsAsDbfread(empty, "ascii")
        for kind in ("db3", "vfp"):
            path = python_dbf_table(self.path("empty_%s.dbf" % kind), kind, "A C(3); B N(4,1)", "cp866", [])
            head, records = self.assertReadsAsDbfread(path, "cp866")
            self.assertEqual((head["count"], records), (0, []))

    def test_gdal_table_in_1251(self):
        source = self.path("in.csv")
        with open(source, "w", encoding="utf-8") as f:
            f.write("NAME,SUM,QTY\nАнна,12.5,3\nПётр,-1234.25,-7\n,,\n")
        with open(self.path("in.csvt"), "w") as f:
            f.write('"String(12)","Real(10.2)","Integer(5)"\n')
        path = self.path("gdal.dbf")
        subprocess.run(["ogr2ogr", "-f", "ESRI Shapefile", path, source, "-lco", "ENCODING=CP1251"],
                       check=True, capture_output=True)
        self.assertReadsAsDbfread(path, "cp1251")

    def test_numbers_filled_with_stars(self):
        path = self.people("stars.dbf")
        with open(path, "r+b") as f:
            data = bytearray(f.read())
            first = data[8] | data[9] << 8
            data[first + 1 + 10:first + 1 + 18] = b"*" * 8
            f.seek(0)
            f.write(data)
        _, records = self.assertReadsAsDbfread(path, "cp866")
        self.assertEqual((records[0]["values"][1], records[0]["numbers"][1]), (b"********", 0.0))

    # -- tables the engine writes ------------------------------------------

    def test_saved_table_reads_the_same_everywhere(self):
        for kind, codepage in (("db3", "cp866"), ("vfp", "cp1252")):
            original = self.people("orig_%s.dbf" % kind, kind=kind, codepage=codepage)
            before = dbfread.DBF(original, encoding=codepage, load=True)
            saved = self.copy(original, "saved_%s.dbf" % kind)
            edit("resave", saved)
            after = dbfread.DBF(saved, encoding=codepage, load=True)
            self.assertEqual((after.records, after.deleted), (before.records, before.deleted))
            self.assertReadsAsDbfread(saved, codepage)
            self.assertReadsAsGdal(saved, codepage.upper(), codepage)

    def test_sorted_purged_and_restructured_tables(self):
        source = python_dbf_table(self.path("src.dbf"), "db3", "NAME C(8); SUM N(7,2)", "cp1251",
                                  [("Борис", 5), ("Анна", 12.5), ("Борис", 40), ("Анна", 3)], deleted=[2])
        sorted_path = self.path("sorted.dbf")
        edit("sort", source, sorted_path, "name", "SUM:desc")
        _, records = self.assertReadsAsDbfread(sorted_path, "cp1251")
        names = [(r["values"][0].decode("cp1251"), r["numbers"][1], r["deleted"]) for r in records]
        self.assertEqual(names, [("Анна", 12.5, False), ("Анна", 3.0, False), ("Борис", 40.0, True),
                                 ("Борис", 5.0, False)])
        self.assertReadsAsGdal(sorted_path, "CP1251", "cp1251")

        packed = self.copy(source, "packed.dbf")
        edit("pack", packed)
        table = dbfread.DBF(packed, encoding="cp1251", load=True)
        self.assertEqual(([r["NAME"] for r in table.records], table.deleted), (["Борис", "Анна", "Анна"], []))
        self.assertReadsAsDbfread(packed, "cp1251")

        shell = self.path("shell.dbf")
        edit("copy-structure", source, shell)
        self.assertReadsAsDbfread(shell, "cp1251")
        edit("add-field", shell, "NOTE", "C", "12", "0")
        edit("append", shell, *(a.encode("cp1251") for a in ("NAME=Вера", "SUM=-7,5", "NOTE=новое поле")))
        table = dbfread.DBF(shell, encoding="cp1251", load=True)
        self.assertEqual(list(table.records[0].values()), ["Вера", -7.5, "новое поле"])
        self.assertReadsAsDbfread(shell, "cp1251")
        self.assertReadsAsGdal(shell, "CP1251", "cp1251")

    def test_saved_clipper_table_keeps_the_whole_long_field(self):
        path = python_dbf_table(self.path("clp.dbf"), "clp", "NAME C(10); NOTE C(300)", "cp866",
                                [("Анна", "y" * 299 + "z")])
        edit("resave", path)
        edit("append", path, "NAME=Bob", "NOTE=" + "w" * 280 + "tail")
        table = dbfread.DBF(path, encoding="cp866", load=True)
        self.assertEqual([r["NOTE"] for r in table.records], ["y" * 299 + "z", "w" * 280 + "tail"])
        self.assertReadsAsDbfread(path, "cp866")

    # -- memo files --------------------------------------------------------

    NOTES = ["Первая строка\r\nвторая", "", "ж" * 700]

    def memo_table(self, name, kind):
        """NAME C(8), NOTE M; the second record (no memo text) marked deleted."""
        return python_dbf_table(self.path(name), kind, "NAME C(8); NOTE M", "cp1251",
                                [(n, t) for n, t in zip(("Анна", "Bob", "Вера"), self.NOTES)], deleted=[1])

    def dbase4_memo_table(self, name):
        """NAME C(8), NOTE M(10); memos at blocks 1 and 3 of 512 bytes, led by FF FF 08 00 and their length."""
        texts = [t.encode("cp866") for t in ("Запись\r\nодин", "ы" * 600)]
        memo, blocks = bytearray(512), []
        for text in texts:
            blocks.append(len(memo) // 512)
            memo += b"\xff\xff\x08\x00" + struct.pack("<I", 8 + len(text)) + text + b"\x1f" + bytes(-(len(text) + 9) % 512)
        memo[0:4], memo[20:22] = struct.pack("<I", len(memo) // 512), struct.pack("<H", 512)
        fields = b"".join(n.ljust(11, b"\0") + t + bytes(4) + bytes([w]) + bytes(15)
                          for n, t, w in ((b"NAME", b"C", 8), (b"NOTE", b"M", 10)))
        header = struct.pack("<B3xIHH20x", 0x8B, 2, 32 + 64 + 1, 19) + fields + b"\r"
        rows = b"".join(b" " + n.ljust(8) + str(b).rjust(10).encode() for n, b in zip((b"A", b"B"), blocks))
        pathlib.Path(self.path(name + ".dbt")).write_bytes(memo)
        pathlib.Path(self.path(name + ".dbf")).write_bytes(header + rows + b"\x1a")
        return self.path(name + ".dbf")

    def assertMemosReadAsDbfread(self, path):
        records = engine_view(path)[1]
        theirs = dbfread.DBF(path, encoding="latin-1", load=True)
        for mine in records:
            record = (theirs.deleted if mine["deleted"] else theirs.records).pop(0)
            values = [record[f.name] for f in theirs.fields if f.type == "M"]
            self.assertEqual(mine["memos"], values, path)
        return [[m.encode("latin-1") for m in r["memos"]] for r in records]

    def note_fields(self, path):
        return [r["NOTE"] for r in dbfread.DBF(path, raw=True, ignore_missing_memofile=True, load=True).records]

    def test_memo_texts_read_as_dbfread_reads_them(self):
        for kind in ("db3", "vfp"):
            memos = self.assertMemosReadAsDbfread(self.memo_table("m_%s.dbf" % kind, kind))
            self.assertEqual([m[0].decode("cp1251") for m in memos], self.NOTES)
        self.assertEqual(self.assertMemosReadAsDbfread(self.dbase4_memo_table("db4"))[1], ["ы".encode("cp866") * 600])

    def test_sort_and_purge_keep_block_numbers_and_the_memo_file(self):
        for kind, memo in (("db3", ".dbt"), ("vfp", ".fpt")):
            source = self.memo_table("src_%s.dbf" % kind, kind)
            memo_bytes = pathlib.Path(source[:-4] + memo).read_bytes()
            notes = self.note_fields(source)
            sorted_path = self.path("sorted_%s.dbf" % kind)
            edit("sort", source, sorted_path, "NAME:desc")
            self.assertEqual(self.note_fields(sorted_path), notes[::-1])
            edit("pack", source)
            self.assertEqual(self.note_fields(source), notes)
            self.assertMemosReadAsDbfread(source)
            self.assertEqual(pathlib.Path(source[:-4] + memo).read_bytes(), memo_bytes)


if __name__ == "__main__":
    DUMP, EDIT = sys.argv[1], sys.argv[2]
    unittest.main(argv=[sys.argv[0]], verbosity=2)
