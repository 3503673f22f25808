#!/usr/bin/python3
"""Writes the starting inputs of the engine's fuzz target into
fuzz/corpus/engine: well-formed tables and the
damaged or foreign layouts the engine must survive. Run from the repository
root; the samples are copied in beside them."""
import os
import shutil
import struct

OUT = "fuzz/corpus/engine"


def table(fields, records, version=3, header_size=None, record_length=None, end=True, after_terminator=b""):
    """fields: (name, type, length, decimals, stored offset); records: bytes, flag first."""
    size = 32 + 32 * len(fields) + 1 + len(after_terminator)
    length = 1 + sum(f[2] for f in fields)
    head = struct.pack("<BBBBIHI", version, 26, 12, 6, len(records),
                       size if header_size is None else header_size,
                       length if record_length is None else record_length)
    head += b"\0" * (32 - len(head))
    body = b"".join(name.encode().ljust(11, b"\0") + type_.encode() + struct.pack("<IBB", offset, length_, decimals)
                    + b"\0" * 14 for name, type_, length_, decimals, offset in fields)
    data = head + body + b"\r" + after_terminator + b"".join(records)
    return data + (b"\x1a" if end else b"")


def write(name, data):
    with open(os.path.join(OUT, name), "wb") as f:
        f.write(data)


PEOPLE = [("NAME", "C", 10, 0, 0), ("SUM", "N", 8, 2, 0), ("OK", "L", 1, 0, 0)]
ROWS = [b" Ann          12.50T", b"*Bob           3.00F", b" Cid          -1.25T", b" Dan          -5.00F"]

write("empty.dbf", b"")
write("header_only.dbf", table([], []))
write("people.dbf", table(PEOPLE, ROWS))
write("no_end_mark.dbf", table(PEOPLE, ROWS, end=False))
write("junk_offsets.dbf", table([("NAME", "C", 10, 0, 300), ("SUM", "N", 8, 2, 5), ("OK", "L", 1, 0, 0)], ROWS))
write("huge_record_length.dbf", table(PEOPLE, ROWS, record_length=0x7FFFFFF0))
write("small_header.dbf", table(PEOPLE, ROWS, header_size=20))
write("zero_length_field.dbf", table([("A", "C", 0, 0, 0), ("B", "N", 5, 1, 0)], [b"  1.5", b"* 2.0"]))
write("all_deleted.dbf", table(PEOPLE, [b"*" + r[1:] for r in ROWS]))
write("foxpro_area.dbf", table(PEOPLE, ROWS, version=0x30, after_terminator=b"\0" * 263))
write("wide_character.dbf", table([("ID", "N", 3, 0, 0), ("NOTE", "C", 44, 1, 0)],
                                  [b"  1" + b"x" * 300, b"* 2" + b"y" * 300], record_length=304))
write("wide_character_between.dbf", table([("ID", "N", 3, 0, 0), ("NOTE", "C", 44, 1, 0), ("SUM", "N", 8, 2, 0)],
                                          [b"   1" + b"x" * 300 + b"   12.50", b"*  2" + b"y" * 300 + b"   -3.00"],
                                          record_length=312))
write("duplicate_names.dbf", table([("A", "C", 3, 0, 0), ("A", "N", 3, 0, 0), ("a#", "D", 8, 0, 0)],
                                   [b" abc123" + b"20240101"]))


def memo_file(kind, texts, block_size=512):
    """A memo file of `texts` (bytes) in the dBASE III, dBASE IV or FoxPro layout, with their block numbers."""
    data, blocks = bytearray(512), []
    for text in texts:
        data += bytes(-len(data) % block_size)
        blocks.append(len(data) // block_size)
        if kind == "db3":
            data += text + b"\x1a\x1a"
        elif kind == "db4":
            data += b"\xff\xff\x08\x00" + struct.pack("<I", 8 + len(text)) + text + b"\x1f"
        else:
            data += struct.pack(">II", 1, len(text)) + text
    data += bytes(-len(data) % block_size)
    if kind == "fpt":
        data[0:8] = struct.pack(">IHH", len(data) // block_size, 0, block_size)
    else:
        data[0:4] = struct.pack("<I", len(data) // block_size)
        data[20:22] = struct.pack("<H", block_size)
    return bytes(data), blocks


# Tables with memo fields, their memo file after them: the fuzz target splits it off.
NOTES = [b"first line\r\nsecond", b"", b"x" * 600]
for name, kind, version, block_size, digits in (("memo_db3", "db3", 0x83, 512, True),
                                                ("memo_db4", "db4", 0x8B, 64, True),
                                                ("memo_vfp", "fpt", 0x30, 64, False)):
    memo, blocks = memo_file(kind, NOTES, block_size)
    fields = [("ID", "N", 2, 0, 0), ("NOTE", "M", 10 if digits else 4, 0, 0)]
    rows = [b" %2d" % i + (str(b).rjust(10).encode() if digits else struct.pack("<I", b)) for i, b in enumerate(blocks)]
    rows.append(b"  9" + (b"      9999" if digits else struct.pack("<I", 9999)))  # past the memo file's end
    write(name + ".dbf", table(fields, rows, version=version) + memo)

for sample in sorted(os.listdir("samples")):
    if sample.endswith(".dbf"):
        shutil.copy(os.path.join("samples", sample), os.path.join(OUT, sample))
