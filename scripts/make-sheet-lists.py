#!/usr/bin/env python3
"""Writes the spreadsheet lists the sheet tests read,
tests/letter/data/sheet-list/letters.xlsx and letters.ods.

They are written by hand, part by part, rather than by the office that
reads them in the tests: a list saved by another spreadsheet program is
what the batch meets. Each holds the same sheets:

  Applicants     the list: a ZIP code kept as text ("02108"), one kept as
                 a number shown with five digits (2134 as "02134"), dates
                 shown as day/month/year, a company with a comma and
                 quotes, names outside ASCII
  Second round   a second list, chosen by its name
  No header      its first row empty
  Merged header  A1:B1 merged

The .xlsx has a hidden sheet "Notes" before them, which a batch without a
sheet's name passes by. The files come out the same byte for byte on every
run.
"""
import os
import zipfile
from xml.sax.saxutils import escape

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "..", "tests", "letter", "data", "sheet-list")
STAMP = (2024, 1, 1, 0, 0, 0)

HEADER = ["RecipientName", "CompanyName", "Title", "StreetAddress2", "City2", "ST2", "ZIPCode2", "Applied"]
# A cell: ("s", text), ("zip", number shown with five digits), ("date", (serial, iso)).
APPLICANTS = [
    [("s", h) for h in HEADER],
    [("s", "Jane Smith"), ("s", 'Acme, "Best" Widgets'), ("s", "Director"), ("s", "1 Beacon St"),
     ("s", "Boston"), ("s", "MA"), ("s", "02108"), ("date", (45356, "2024-03-05"))],
    [("s", "Jürgen Weiß"), ("s", "Bäckerei Größer"), ("s", "Inhaber"), ("s", "Hauptstraße 5"),
     ("s", "Brookline"), ("s", "MA"), ("zip", 2134), ("date", (45400, "2024-04-18"))],
]
SECOND_ROUND = [
    [("s", "RecipientName"), ("s", "CompanyName"), ("s", "ZIPCode2")],
    [("s", "Ana Lima"), ("s", "Lima & Filhos"), ("s", "01310")],
]
NO_HEADER = [
    [],
    [("s", "Jane Smith"), ("s", "Acme")],
]
MERGED_HEADER = [
    [("s", "Recipient"), None, ("s", "CompanyName")],
    [("s", "Jane"), ("s", "Smith"), ("s", "Acme")],
]
SHEETS = [("Applicants", APPLICANTS), ("Second round", SECOND_ROUND), ("No header", NO_HEADER),
          ("Merged header", MERGED_HEADER)]


def write(path, parts):
    with zipfile.ZipFile(path, "w") as z:
        for name, text in parts:
            info = zipfile.ZipInfo(name, STAMP)
            # The OpenDocument "mimetype" comes first, uncompressed.
            info.compress_type = zipfile.ZIP_STORED if name == "mimetype" else zipfile.ZIP_DEFLATED
            z.writestr(info, text.encode("utf-8"))
    print(f"{os.path.relpath(path)}: {os.path.getsize(path)} bytes")


def column(index):
    name = ""
    index += 1
    while index:
        index, rest = divmod(index - 1, 26)
        name = chr(ord("A") + rest) + name
    return name


# --- Office Open XML ---
XLSX_ZIP_STYLE, XLSX_DATE_STYLE = 1, 2


def xlsx_sheet(rows, merged):
    out = []
    for r, row in enumerate(rows, start=1):
        cells = []
        for c, cell in enumerate(row):
            if cell is None:
                continue
            ref = f"{column(c)}{r}"
            kind, value = cell
            if kind == "s":
                cells.append(f'<c r="{ref}" t="inlineStr"><is><t>{escape(value)}</t></is></c>')
            elif kind == "zip":
                cells.append(f'<c r="{ref}" s="{XLSX_ZIP_STYLE}"><v>{value}</v></c>')
            else:
                cells.append(f'<c r="{ref}" s="{XLSX_DATE_STYLE}"><v>{value[0]}</v></c>')
        out.append(f'<row r="{r}">{"".join(cells)}</row>')
    merges = f'<mergeCells count="1"><mergeCell ref="{merged}"/></mergeCells>' if merged else ""
    return ('<?xml version="1.0" encoding="UTF-8" standalone="yes"?>'
            '<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">'
            f'<sheetData>{"".join(out)}</sheetData>{merges}</worksheet>')


def xlsx():
    sheets = [("Notes", [[("s", "Not a list: kept hidden")]], None, True)] + [
        (name, rows, "A1:B1" if rows is MERGED_HEADER else None, False) for name, rows in SHEETS]
    main = "http://schemas.openxmlformats.org/spreadsheetml/2006/main"
    rel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships"
    parts = [
        ("[Content_Types].xml",
         '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>'
         '<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">'
         '<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>'
         '<Default Extension="xml" ContentType="application/xml"/>'
         '<Override PartName="/xl/workbook.xml" '
         'ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml"/>'
         '<Override PartName="/xl/styles.xml" '
         'ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml"/>'
         + "".join(f'<Override PartName="/xl/worksheets/sheet{i}.xml" '
                   'ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml"/>'
                   for i in range(1, len(sheets) + 1))
         + '</Types>'),
        ("_rels/.rels",
         '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>'
         '<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">'
         f'<Relationship Id="rId1" Type="{rel}/officeDocument" Target="xl/workbook.xml"/>'
         '</Relationships>'),
        ("xl/workbook.xml",
         f'<?xml version="1.0" encoding="UTF-8" standalone="yes"?><workbook xmlns="{main}" xmlns:r="{rel}">'
         # A hidden sheet is never the one shown when the file opens.
         '<bookViews><workbookView activeTab="1"/></bookViews><sheets>'
         + "".join(f'<sheet name="{escape(name)}" sheetId="{i}" r:id="rId{i}"'
                   + (' state="hidden"' if hidden else "") + "/>"
                   for i, (name, _, _, hidden) in enumerate(sheets, start=1))
         + '</sheets></workbook>'),
        ("xl/_rels/workbook.xml.rels",
         '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>'
         '<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">'
         + "".join(f'<Relationship Id="rId{i}" Type="{rel}/worksheet" Target="worksheets/sheet{i}.xml"/>'
                   for i in range(1, len(sheets) + 1))
         + f'<Relationship Id="rId{len(sheets) + 1}" Type="{rel}/styles" Target="styles.xml"/>'
         '</Relationships>'),
        ("xl/styles.xml",
         f'<?xml version="1.0" encoding="UTF-8" standalone="yes"?><styleSheet xmlns="{main}">'
         '<numFmts count="2"><numFmt numFmtId="164" formatCode="00000"/>'
         '<numFmt numFmtId="165" formatCode="dd/mm/yyyy"/></numFmts>'
         '<fonts count="1"><font><sz val="11"/><name val="Calibri"/></font></fonts>'
         '<fills count="1"><fill><patternFill patternType="none"/></fill></fills>'
         '<borders count="1"><border/></borders>'
         '<cellStyleXfs count="1"><xf numFmtId="0" fontId="0" fillId="0" borderId="0"/></cellStyleXfs>'
         '<cellXfs count="3"><xf numFmtId="0" fontId="0" fillId="0" borderId="0" xfId="0"/>'
         '<xf numFmtId="164" fontId="0" fillId="0" borderId="0" xfId="0" applyNumberFormat="1"/>'
         '<xf numFmtId="165" fontId="0" fillId="0" borderId="0" xfId="0" applyNumberFormat="1"/></cellXfs>'
         '</styleSheet>'),
    ]
    parts += [(f"xl/worksheets/sheet{i}.xml", xlsx_sheet(rows, merged))
              for i, (_, rows, merged, _) in enumerate(sheets, start=1)]
    write(os.path.join(OUT, "letters.xlsx"), parts)


# --- OpenDocument ---
def ods_cell(cell):
    if cell is None:
        return "<table:covered-table-cell/>"
    kind, value = cell
    if kind == "s":
        return f'<table:table-cell office:value-type="string"><text:p>{escape(value)}</text:p></table:table-cell>'
    if kind == "zip":
        return (f'<table:table-cell table:style-name="zip" office:value-type="float" office:value="{value}">'
                f'<text:p>{value:05d}</text:p></table:table-cell>')
    day = value[1]
    shown = f"{day[8:10]}/{day[5:7]}/{day[0:4]}"
    return (f'<table:table-cell table:style-name="day" office:value-type="date" office:date-value="{day}">'
            f'<text:p>{shown}</text:p></table:table-cell>')


def ods_row(row, merged):
    if not row:
        return "<table:table-row><table:table-cell/></table:table-row>"
    cells = [ods_cell(c) for c in row]
    if merged:
        cells[0] = cells[0].replace("<table:table-cell ", '<table:table-cell table:number-columns-spanned="2" ', 1)
    return f"<table:table-row>{''.join(cells)}</table:table-row>"


def ods():
    ns = ('xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" '
          'xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0" '
          'xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0" '
          'xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0" '
          'xmlns:number="urn:oasis:names:tc:opendocument:xmlns:datastyle:1.0"')
    tables = "".join(
        f'<table:table table:name="{escape(name)}">'
        + "".join(ods_row(row, rows is MERGED_HEADER and r == 0) for r, row in enumerate(rows))
        + "</table:table>" for name, rows in SHEETS)
    content = (
        f'<?xml version="1.0" encoding="UTF-8"?><office:document-content {ns} office:version="1.3">'
        '<office:automatic-styles>'
        '<number:number-style style:name="N5"><number:number number:decimal-places="0" '
        'number:min-integer-digits="5"/></number:number-style>'
        '<number:date-style style:name="DMY"><number:day number:style="long"/><number:text>/</number:text>'
        '<number:month number:style="long"/><number:text>/</number:text><number:year number:style="long"/>'
        '</number:date-style>'
        '<style:style style:name="zip" style:family="table-cell" style:data-style-name="N5"/>'
        '<style:style style:name="day" style:family="table-cell" style:data-style-name="DMY"/>'
        f'</office:automatic-styles><office:body><office:spreadsheet>{tables}</office:spreadsheet></office:body>'
        '</office:document-content>')
    manifest = (
        '<?xml version="1.0" encoding="UTF-8"?>'
        '<manifest:manifest xmlns:manifest="urn:oasis:names:tc:opendocument:xmlns:manifest:1.0" '
        'manifest:version="1.3">'
        '<manifest:file-entry manifest:full-path="/" '
        'manifest:media-type="application/vnd.oasis.opendocument.spreadsheet"/>'
        '<manifest:file-entry manifest:full-path="content.xml" manifest:media-type="text/xml"/>'
        '</manifest:manifest>')
    write(os.path.join(OUT, "letters.ods"), [("mimetype", "application/vnd.oasis.opendocument.spreadsheet"),
                                             ("META-INF/manifest.xml", manifest), ("content.xml", content)])


os.makedirs(OUT, exist_ok=True)
xlsx()
ods()
