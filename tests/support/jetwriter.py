#!/usr/bin/env python3
"""Writes a small Jet 4 database holding the tables of an SQLite file, for the tests only.

    jetwriter.py SOURCE.db TARGET.mdb [--password TEXT] [--compress]
                 [--deleted-row TABLE] [--overflow-row TABLE]
    jetwriter.py --jet3-header TARGET.mdb [--password TEXT]

No Jet writer exists in Debian, and the tests may not use bank files from elsewhere, so this one
writes just what a reader needs: page 0 with the masked password, the usage maps (page 1), the
catalog MSysObjects (page 2), one table definition per table, data pages, and long-value pages
for memo texts (inline in the row, one page, or chained over several pages).

SQLite INTEGER columns become Long Integer columns; TEXT columns become Text(255) columns when
their name is one of the short key fields, Memo columns otherwise. With --compress, texts are
stored in Jet 4's compressed form wherever that is shorter, as the database engine does for
columns with "Unicode compression". --deleted-row adds a deleted copy of the table's first row;
--overflow-row moves the table's last row to an overflow page, reached only through a pointer.
--jet3-header writes only the header page of a Jet 3 file.
"""

import argparse
import sqlite3
import struct

PAGE = 4096
DATA_HEADER = 14              # page type, free space, owner, unknown, row count
MAX_ROW = PAGE - DATA_HEADER - 2
INLINE_MEMO = 64              # stored bytes of a memo kept inside its row
SINGLE_PAGE_MEMO = 4000       # stored bytes of a memo kept on one long-value page
CHUNK = MAX_ROW - 4           # text bytes per page of a chained memo
SHORT_TEXT = {"id", "type", "c_id", "ch_answer", "data_file"}

LONGINT, TEXT, OLE, MEMO, INT = 0x04, 0x0A, 0x0B, 0x0C, 0x03
FIXED_SIZE = {LONGINT: 4, INT: 2}

HEADER_KEY = bytes([0xC7, 0xDA, 0x39, 0x6B])
# The Jet 3 password mask (20 bytes at 0x42), as documented for the format.
JET3_MASK = bytes([0x86, 0xFB, 0xEC, 0x37, 0x5D, 0x44, 0x9C, 0xFA, 0xC6, 0x5E,
                   0x28, 0xE6, 0x13, 0xB6, 0x8A, 0x60, 0x54, 0x94, 0x7B, 0x36])
CREATED = 38000.5             # creation date (days since 1899-12-30), masks the Jet 4 password


def rc4(key, length):
    s = list(range(256))
    j = 0
    for i in range(256):
        j = (j + s[i] + key[i % len(key)]) & 0xFF
        s[i], s[j] = s[j], s[i]
    out = bytearray()
    i = j = 0
    for _ in range(length):
        i = (i + 1) & 0xFF
        j = (j + s[i]) & 0xFF
        s[i], s[j] = s[j], s[i]
        out.append(s[(s[i] + s[j]) & 0xFF])
    return bytes(out)


def xor(data, mask):
    return bytes(b ^ mask[i % len(mask)] for i, b in enumerate(data))


def header_page(password, jet3):
    size = 2048 if jet3 else PAGE
    page = bytearray(size)
    page[0:4] = b"\x00\x01\x00\x00"
    page[4:20] = b"Standard Jet DB\x00"
    page[0x14] = 0 if jet3 else 1
    length = 126 if jet3 else 128
    plain = bytearray(length)

    def put(offset, data):
        plain[offset - 0x18:offset - 0x18 + len(data)] = data

    put(0x3C, struct.pack("<H", 936))      # code page
    put(0x3E, struct.pack("<I", 0))        # database key 0: pages are not encrypted
    if not jet3:
        put(0x6E, struct.pack("<I", 0x0804))
        put(0x72, struct.pack("<d", CREATED))
        secret = password.encode("utf-16-le").ljust(40, b"\0")
        put(0x42, xor(secret, struct.pack("<i", int(CREATED))))
    page[0x18:0x18 + length] = xor(plain, rc4(HEADER_KEY, length))
    if jet3:
        page[0x42:0x56] = xor(password.encode("cp936").ljust(20, b"\0"), JET3_MASK)
    return bytes(page)


def compressed(text):
    """Jet 4's compressed unicode, or None where the text has no such form."""
    units = [int.from_bytes(text.encode("utf-16-le")[i:i + 2], "little")
             for i in range(0, len(text.encode("utf-16-le")), 2)]
    if any(u & 0xFF == 0 for u in units):
        return None
    out = bytearray(b"\xff\xfe")
    narrow = True
    for u in units:
        if (u < 0x100) != narrow:
            out.append(0)
            narrow = not narrow
        out += bytes([u]) if narrow else u.to_bytes(2, "little")
    return bytes(out)


class Column:
    def __init__(self, name, kind, number, compress):
        self.name = name
        self.kind = kind
        self.number = number
        self.fixed = kind in FIXED_SIZE
        self.size = FIXED_SIZE.get(kind, 510 if kind == TEXT else 0)
        self.compress = compress and kind in (TEXT, MEMO)
        self.var_index = 0
        self.fixed_offset = 0

    def encode_text(self, value):
        plain = value.encode("utf-16-le")
        if self.kind == TEXT and len(value) > 255:
            raise SystemExit(f"{self.name}: {len(value)} characters do not fit a Text column")
        if self.compress and (self.kind == TEXT or len(value) <= 1024):
            short = compressed(value)
            if short is not None and len(short) < len(plain):
                return short
        return plain


class Table:
    def __init__(self, name, columns, rows, system=False):
        self.name = name
        self.columns = columns
        self.rows = rows
        self.system = system
        self.tdef = 0
        self.pages = []
        self.maps = (0, 0)
        offset = var = 0
        for c in columns:
            if c.fixed:
                c.fixed_offset = offset
                offset += c.size
            else:
                c.var_index = var
                var += 1


class DataPage:
    def __init__(self, owner):
        self.owner = owner        # table definition page, or b"LVAL"
        self.rows = []            # (offset with flags, bytes)

    def room(self):
        end = self.rows[-1][0] & 0x1FFF if self.rows else PAGE
        return end - (DATA_HEADER + 2 * (len(self.rows) + 1))

    def add(self, row, flags=0):
        end = self.rows[-1][0] & 0x1FFF if self.rows else PAGE
        self.rows.append(((end - len(row)) | flags, row))
        return len(self.rows) - 1

    def render(self):
        page = bytearray(PAGE)
        page[0:2] = b"\x01\x01"
        struct.pack_into("<H", page, 2, max(self.room() + 2, 0))
        page[4:8] = self.owner if isinstance(self.owner, bytes) else struct.pack("<I", self.owner)
        struct.pack_into("<H", page, 12, len(self.rows))
        for i, (offset, row) in enumerate(self.rows):
            struct.pack_into("<H", page, DATA_HEADER + 2 * i, offset)
            start = offset & 0x1FFF
            page[start:start + len(row)] = row
        return bytes(page)


class Database:
    def __init__(self):
        self.pages = {}
        self.next_page = 0
        self.lval = None

    def allocate(self):
        self.next_page += 1
        return self.next_page - 1

    def data_page(self, owner):
        number = self.allocate()
        self.pages[number] = DataPage(owner)
        return number

    def long_value(self, data):
        """Stores a memo's bytes outside its row; returns the row's 12-byte memo header."""
        if len(data) <= INLINE_MEMO:
            return struct.pack("<III", len(data) | 0x80000000, 0, 0) + data
        if len(data) <= SINGLE_PAGE_MEMO:
            if self.lval is None or self.pages[self.lval].room() < len(data):
                self.lval = self.data_page(b"LVAL")
            row = self.pages[self.lval].add(data)
            return struct.pack("<III", len(data) | 0x40000000, (self.lval << 8) | row, 0)
        chunks = [data[i:i + CHUNK] for i in range(0, len(data), CHUNK)]
        pointer = 0
        for chunk in reversed(chunks):  # the last page first, so each page knows its successor
            page = self.data_page(b"LVAL")
            pointer = (page << 8) | self.pages[page].add(struct.pack("<I", pointer) + chunk)
        return struct.pack("<III", len(data), pointer, 0)

    def encode_row(self, table, values):
        fixed = bytearray(sum(c.size for c in table.columns if c.fixed))
        mask = bytearray((len(table.columns) + 7) // 8)
        variable = [c for c in table.columns if not c.fixed]
        data = bytearray()
        offsets = []
        start = 2 + len(fixed)
        for c in table.columns:
            value = values[c.number]
            if value is not None:
                mask[c.number // 8] |= 1 << (c.number % 8)
        for c in table.columns:
            value = values[c.number]
            if c.fixed and value is not None:
                struct.pack_into("<I" if c.kind == LONGINT else "<H", fixed, c.fixed_offset,
                                 int(value) & (0xFFFFFFFF if c.kind == LONGINT else 0xFFFF))
        for c in variable:
            offsets.append(start + len(data))
            value = values[c.number]
            if value is None:
                continue
            if c.kind == OLE:
                raise SystemExit("OLE values are not written")
            text = c.encode_text(str(value))
            data += self.long_value(text) if c.kind == MEMO else text
        row = struct.pack("<H", len(table.columns)) + fixed + data
        row += struct.pack("<H", start + len(data))
        for offset in reversed(offsets):
            row += struct.pack("<H", offset)
        row += struct.pack("<H", len(variable)) + mask
        if len(row) > MAX_ROW:
            raise SystemExit(f"{table.name}: a row of {len(row)} bytes does not fit a page")
        return bytes(row)

    def place_row(self, table, row, flags=0):
        if not table.pages or self.pages[table.pages[-1]].room() < len(row):
            table.pages.append(self.data_page(table.tdef))
        return table.pages[-1], self.pages[table.pages[-1]].add(row, flags)

    def write_rows(self, table, deleted, overflow):
        rows = [self.encode_row(table, values) for values in table.rows]
        if deleted:
            self.place_row(table, rows[0], 0x8000)
        for i, row in enumerate(rows):
            if overflow and i == len(rows) - 1:
                # The row lives on a page outside the table's usage map; its slot holds a pointer.
                elsewhere = self.data_page(table.tdef)
                target = (elsewhere << 8) | self.pages[elsewhere].add(row)
                self.place_row(table, struct.pack("<I", target), 0x4000)
            else:
                self.place_row(table, row)

    def table_definition(self, table):
        page = bytearray(PAGE)
        page[0:2] = b"\x02\x01"
        struct.pack_into("<I", page, 16, len(table.rows))
        page[40] = 0x53 if table.system else 0x4E
        variable = sum(1 for c in table.columns if not c.fixed)
        struct.pack_into("<HHH", page, 41, len(table.columns), variable, len(table.columns))
        struct.pack_into("<II", page, 55, (1 << 8) | table.maps[0], (1 << 8) | table.maps[1])
        pos = 63
        for c in table.columns:
            entry = bytearray(25)
            entry[0] = c.kind
            struct.pack_into("<HHH", entry, 5, c.number, c.var_index, c.number)
            if c.kind in (TEXT, MEMO):
                struct.pack_into("<H", entry, 11, 0x409)
            entry[15] = (0x01 if c.fixed else 0) | 0x02
            entry[16] = 0x01 if c.compress else 0
            struct.pack_into("<HH", entry, 21, c.fixed_offset, c.size)
            page[pos:pos + 25] = entry
            pos += 25
        for c in table.columns:
            name = c.name.encode("utf-16-le")
            page[pos:pos + 2 + len(name)] = struct.pack("<H", len(name)) + name
            pos += 2 + len(name)
        page[pos:pos + 2] = b"\xff\xff"
        pos += 2
        struct.pack_into("<H", page, 2, PAGE - pos)
        struct.pack_into("<I", page, 8, pos - 8)
        return bytes(page)


def usage_map(pages):
    first = min(pages) if pages else 0
    span = (max(pages) - first + 1) if pages else 0
    bitmap = bytearray(max(59, (span + 7) // 8))
    for p in pages:
        bitmap[(p - first) // 8] |= 1 << ((p - first) % 8)
    return b"\x00" + struct.pack("<I", first) + bytes(bitmap)


def read_source(path, compress):
    source = sqlite3.connect(path)
    tables = []
    for (name,) in source.execute("select name from sqlite_master where type = 'table' order by rowid"):
        columns = []
        for number, (_, column, declared, *_rest) in enumerate(source.execute(f"pragma table_info('{name}')")):
            if declared.lower() == "integer":
                kind = LONGINT
            else:
                kind = TEXT if column in SHORT_TEXT else MEMO
            columns.append(Column(column, kind, number, compress))
        rows = [list(r) for r in source.execute(f"select * from \"{name}\" order by rowid")]
        tables.append(Table(name, columns, rows))
    source.close()
    return tables


def write(tables, target, password, deleted, overflow):
    db = Database()
    db.allocate()                       # 0: header
    maps_page = db.allocate()           # 1: usage maps
    catalog = Table("MSysObjects", [Column("Id", LONGINT, 0, False), Column("Name", TEXT, 1, False),
                                    Column("Type", INT, 2, False), Column("Flags", LONGINT, 3, False),
                                    Column("LvProp", OLE, 4, False)], [], system=True)
    catalog.tdef = db.allocate()        # 2: always the catalog's definition
    for t in tables:
        t.tdef = db.allocate()
    catalog.rows = [[catalog.tdef, "MSysObjects", 1, 0x80000002, None]]
    catalog.rows += [[t.tdef, t.name, 1, 0, None] for t in tables]
    for t in [catalog] + tables:
        db.write_rows(t, t.name == deleted, t.name == overflow)

    maps = DataPage(0)
    maps.add(usage_map(list(range(db.next_page))))
    for t in [catalog] + tables:
        t.maps = (maps.add(usage_map(t.pages)), maps.add(usage_map([])))
    with open(target, "wb") as out:
        for number in range(db.next_page):
            if number == 0:
                out.write(header_page(password, False))
            elif number == maps_page:
                out.write(maps.render())
            elif number in (t.tdef for t in [catalog] + tables):
                out.write(db.table_definition(next(t for t in [catalog] + tables if t.tdef == number)))
            else:
                out.write(db.pages[number].render())


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("files", nargs="+")
    parser.add_argument("--password", default="583926")
    parser.add_argument("--compress", action="store_true")
    parser.add_argument("--deleted-row")
    parser.add_argument("--overflow-row")
    parser.add_argument("--jet3-header", action="store_true")
    args = parser.parse_args()
    if args.jet3_header:
        with open(args.files[0], "wb") as out:
            out.write(header_page(args.password, True))
        return
    source, target = args.files
    write(read_source(source, args.compress), target, args.password, args.deleted_row, args.overflow_row)


if __name__ == "__main__":
    main()
