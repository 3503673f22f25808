#!/usr/bin/python3
"""CSV out of tables other programs wrote, read by Python's csv module and
GDAL's CSV driver, must hold the values dbfread reads; CSV written by
Python's csv module and by GDAL's CSV driver must come in as tables whose
values dbfread and GDAL read back. Quoting, embedded newlines and commas, empty values, 866 and 1251.

Usage: csv_interop_test.py CSV_CONVERT"""
import csv
import datetime
import io
import os
import subprocess
import sys
import tempfile
import unittest

import dbf
import dbfread

CONVERT = None
ROWS = [("Иванов, Пётр", 12.5, datetime.date(2024, 1, 31), True),
        ('say "hi"\nagain', -3.0, None, False),
        ("", 0.25, datetime.date(2000, 2, 29), True)]


def expected_csv_value(value):
    if value is None:
        return ""
    if isinstance(value, bool):
        return "T" if value else "F"
    if isinstance(value, datetime.date):
        return value.isoformat()
    return value


class CsvInterop(unittest.TestCase):
    def setUp(self):
        self.tmp = tempfile.TemporaryDirectory()
        self.dir = self.tmp.name

    def tearDown(self):
        self.tmp.cleanup()

    def path(self, name):
        return os.path.join(self.dir, name)

    def python_table(self, name, codepage, deleted=True):
        table = dbf.Table(self.path(name), "NAME C(20); SUM N(8,2); DAY D; OK L", codepage=codepage)
        table.open(dbf.READ_WRITE)
        for row in ROWS:
            table.append(row)
        if deleted:
            dbf.delete(table[1])
        table.close()
        return self.path(name)

    def convert(self, *args):
        return subprocess.run([CONVERT, *args], capture_output=True, text=True)

    def test_csv_out_reads_in_pythons_csv_module_as_dbfread_values(self):
        for codepage, page in (("cp866", "866"), ("cp1251", "1251")):
            table = self.python_table("t%s.dbf" % page, codepage)
            self.assertEqual(self.convert("out", table, self.path("t.csv"), page).returncode, 0)
            with open(self.path("t.csv"), newline="", encoding="utf-8") as f:
                rows = list(csv.reader(f))
            self.assertEqual(rows[0], ["*", "NAME", "SUM", "DAY", "OK"])
            read = dbfread.DBF(table, encoding=codepage, load=True)
            records = [read.records[0], read.deleted[0], read.records[1]]  # in file order
            self.assertEqual(len(rows), len(records) + 1)
            for got, record in zip(rows[1:], records):
                self.assertEqual(got[1], record["NAME"])
                self.assertEqual(float(got[2]), record["SUM"])
                self.assertEqual(got[3:], [expected_csv_value(record["DAY"]), expected_csv_value(record["OK"])])
            self.assertEqual([row[0] for row in rows[1:]], ["", "*", ""])  # the deleted record is marked
            gdal = subprocess.run(["ogr2ogr", "-f", "CSV", "/vsistdout/", self.path("t.csv")],
                                  check=True, capture_output=True).stdout.decode("utf-8")
            self.assertEqual([r["NAME"] for r in csv.DictReader(io.StringIO(gdal))], [row[0] for row in ROWS])

    def test_csv_from_python_and_gdal_comes_in_as_the_same_values(self):
        text = io.StringIO()
        csv.writer(text).writerows([["name", "sum", "day", "ok"]] +
                                   [[expected_csv_value(v) for v in row] for row in ROWS])
        sources = {"python.csv": text.getvalue()}
        table = self.python_table("src.dbf", "cp1251", deleted=False)
        subprocess.run(["ogr2ogr", "-f", "CSV", self.path("gdal.csv"), table, "-oo", "ENCODING=CP1251"],
                       check=True, capture_output=True)
        with open(self.path("gdal.csv"), encoding="utf-8") as f:
            sources["gdal.csv"] = f.read()
        for name, content in sources.items():
            with open(self.path(name), "w", newline="", encoding="utf-8") as f:
                f.write(content)
            for page, encoding in (("866", "cp866"), ("1251", "cp1251")):
                out = self.path(name + page + ".dbf")
                done = self.convert("in", self.path(name), out, page)
                self.assertEqual(done.returncode, 0, done.stdout)
                read = dbfread.DBF(out, encoding=encoding, load=True)
                self.assertEqual(len(read.records), len(ROWS), name)
                self.assertEqual([r["NAME"] for r in read.records], [row[0] for row in ROWS], name)
                gdal = subprocess.run(["ogr2ogr", "-f", "CSV", "/vsistdout/", out, "-oo", "ENCODING=CP" + page],
                                      check=True, capture_output=True).stdout.decode("utf-8")
                self.assertEqual([r["NAME"] for r in csv.DictReader(io.StringIO(gdal))], [row[0] for row in ROWS])
            if name == "python.csv":  # GDAL writes its own date form and numbers
                self.assertEqual([(r["SUM"], r["DAY"], r["OK"]) for r in read.records],
                                 [row[1:] for row in ROWS])

    def test_values_that_do_not_fit_are_told_and_nothing_is_written(self):
        with open(self.path("bad.csv"), "w", encoding="utf-8") as f:
            f.write("name,sum\nok,1.5\n日本,x\n")
        done = self.convert("in", self.path("bad.csv"), self.path("bad.dbf"), "1251",
                            self.python_table("tpl.dbf", "cp1251"))
        self.assertEqual(done.returncode, 1)
        self.assertIn("Строка 3, столбец 1 (name)", done.stdout)
        self.assertIn("Строка 3, столбец 2 (sum)", done.stdout)
        self.assertFalse(os.path.exists(self.path("bad.dbf")))


if __name__ == "__main__":
    CONVERT = sys.argv.pop(1)
    unittest.main()
