#!/usr/bin/python3
"""Writes the hostile workbooks the readers must survive: small files that claim much (shared
texts referenced thousands of times, runs of blanks, repeated rows), a large one-field CSV,
a numeric cell at the smallest double, and a pipe. Nothing here is kept in the repository:
the files are made where they are needed.

    tests/fisiere_ostile.py FOLDER [--mici]

With --mici only the small files (under 100 KB) are written, as the fuzzing corpus takes them.
Each file is then meant for `pravent --read-sheet FILE` or `pravent --import FILE
--cnp-column B`, measured with /usr/bin/time -v."""

import os
import struct
import sys
import zipfile

REL = "http://schemas.openxmlformats.org/officeDocument/2006/relationships"


def zip_parti(cale, parti):
    with zipfile.ZipFile(cale, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as z:
        for nume, continut in parti:
            z.writestr(nume, continut)


def xlsx(cale, celule, siruri=()):
    """celule: list of (address, type, value) of sheet "Foaie"; siruri: the shared strings."""
    xml = "".join(
        f'<row><c r="{a}" t="{t}"><v>{v}</v></c></row>' if t != "inlineStr"
        else f'<row><c r="{a}" t="inlineStr"><is><t>{v}</t></is></c></row>'
        for a, t, v in celule)
    xml = xml.replace(' t="n"', "")
    zip_parti(cale, [
        ("[Content_Types].xml", "<Types/>"),
        ("_rels/.rels", f'<Relationships><Relationship Id="r" Type="{REL}/officeDocument" '
                        'Target="xl/workbook.xml"/></Relationships>'),
        ("xl/workbook.xml", f'<workbook xmlns:r="{REL}"><sheets><sheet name="Foaie" r:id="r1"/></sheets></workbook>'),
        ("xl/_rels/workbook.xml.rels",
         f'<Relationships><Relationship Id="r1" Type="{REL}/worksheet" Target="foaie.xml"/>'
         f'<Relationship Id="r2" Type="{REL}/sharedStrings" Target="siruri.xml"/></Relationships>'),
        ("xl/foaie.xml", f"<worksheet><sheetData>{xml}</sheetData></worksheet>"),
        ("xl/siruri.xml", "<sst>" + "".join(f"<si><t>{s}</t></si>" for s in siruri) + "</sst>"),
    ])


def ods(cale, randuri):
    zip_parti(cale, [
        ("mimetype", "application/vnd.oasis.opendocument.spreadsheet"),
        ("content.xml",
         '<office:document-content xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" '
         'xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0" '
         'xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"><office:body><office:spreadsheet>'
         f'<table:table table:name="Foaie">{randuri}</table:table>'
         "</office:spreadsheet></office:body></office:document-content>"),
    ])


def biff(tip, date):
    return struct.pack("<HH", tip, len(date)) + date


def xls(cale, sir, referinte):
    """A BIFF8 workbook whose shared string `sir` (8-bit characters) is shown by `referinte` cells."""
    # The SST and its CONTINUE records; a string going on in the next record starts with a flags byte.
    primul = struct.pack("<IIHB", referinte, 1, len(sir), 0)
    bucati, rest = [], sir
    loc = 8224 - len(primul)
    bucati.append(biff(0x00FC, primul + rest[:loc]))
    rest = rest[loc:]
    while rest:
        bucati.append(biff(0x003C, b"\x00" + rest[:8223]))
        rest = rest[8223:]
    sst = b"".join(bucati)
    bof = lambda tip: biff(0x0809, struct.pack("<HHHHII", 0x0600, tip, 0, 0, 0, 0))
    eof = biff(0x000A, b"")
    nume = b"Foaie"
    lung_foaie = len(biff(0x0085, struct.pack("<IBBBB", 0, 0, 0, len(nume), 0) + nume))
    inceput_foaie = len(bof(5)) + len(sst) + lung_foaie + len(eof)
    globale = bof(5) + sst + biff(0x0085, struct.pack("<IBBBB", inceput_foaie, 0, 0, len(nume), 0) + nume) + eof
    celule = [biff(0x00FD, struct.pack("<HHHI", 0, 1, 0, 0))]  # B1 shows the text too
    celule += [biff(0x00FD, struct.pack("<HHHI", k // 200 + 1, k % 200, 0, 0)) for k in range(referinte - 1)]
    flux = globale + bof(0x10) + b"".join(celule) + eof
    flux += b"\x00" * max(0, 4096 - len(flux))
    with open(cale, "wb") as f:
        f.write(ole2(flux))


def ole2(flux):
    """A compound file of one stream, "Workbook", in regular 512-byte sectors."""
    sectoare_flux = (len(flux) + 511) // 512
    flux += b"\x00" * (sectoare_flux * 512 - len(flux))
    # FAT sectors hold 128 entries each and must cover themselves and the directory sector.
    sectoare_fat = 1
    while sectoare_fat * 128 < sectoare_flux + 1 + sectoare_fat:
        sectoare_fat += 1
    if sectoare_fat > 109:
        raise SystemExit("too large for a header-only FAT")
    dir_sector = sectoare_flux
    fat = list(range(1, sectoare_flux)) + [0xFFFFFFFE]  # the stream's chain
    fat += [0xFFFFFFFE]  # the directory
    fat += [0xFFFFFFFD] * sectoare_fat
    fat += [0xFFFFFFFF] * (sectoare_fat * 128 - len(fat))
    antet = b"\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1" + b"\x00" * 16
    antet += struct.pack("<HHHHH", 0x3E, 3, 0xFFFE, 9, 6) + b"\x00" * 6
    antet += struct.pack("<IIIIIIIII", 0, sectoare_fat, dir_sector, 0, 4096, 0xFFFFFFFE, 0, 0xFFFFFFFE, 0)
    difat = [sectoare_flux + 1 + k for k in range(sectoare_fat)] + [0xFFFFFFFF] * (109 - sectoare_fat)
    antet += struct.pack("<109I", *difat)

    def intrare(nume, tip, copil, start, marime):
        n = (nume + "\0").encode("utf-16-le")
        return (n + b"\x00" * (64 - len(n)) + struct.pack("<HBB", len(n), tip, 1)
                + struct.pack("<III", 0xFFFFFFFF, 0xFFFFFFFF, copil) + b"\x00" * 36
                + struct.pack("<III", start, marime, 0))

    director = (intrare("Root Entry", 5, 1, 0xFFFFFFFE, 0) + intrare("Workbook", 2, 0xFFFFFFFF, 0, len(flux))
                + b"\x00" * 256)
    return antet + flux + director + struct.pack(f"<{len(fat)}I", *fat)


def main():
    dosar = sys.argv[1]
    mici = "--mici" in sys.argv
    os.makedirs(dosar, exist_ok=True)
    cale = lambda nume: os.path.join(dosar, nume)
    cnp = ("B1", "inlineStr", "5110101123456")
    # One shared text of 8 million characters shown by thousands of cells.
    if not mici:
        xlsx(cale("siruri_2000.xlsx"), [cnp] + [(f"A{k}", "s", 0) for k in range(1, 2001)], ["x" * 8_000_000])
        xlsx(cale("siruri_150.xlsx"), [cnp] + [(f"A{k}", "s", 0) for k in range(1, 151)], ["x" * 8_000_000])
        xls(cale("siruri.xls"), b"x" * 65535, 400_000)
        # Millions of one-letter shared strings that no cell shows.
        xlsx(cale("siruri_multe.xlsx"), [cnp], ["a"] * 3_800_000)
        # A million CNPs, one a row: 60 MB of cells.
        with open(cale("celule_60mb.csv"), "wb") as f:
            rand = (";".join("%013d" % (5000000000000 + k) for k in range(20)) + "\n").encode()
            f.write(rand * (60_000_000 // len(rand)))
        with open(cale("camp_63mb.csv"), "wb") as f:
            f.write(b'"' + b"x" * 63_000_000 + b'"\n')
    xlsx(cale("siruri_mici.xlsx"), [cnp] + [(f"A{k}", "s", 0) for k in range(1, 2001)], ["x" * 200_000])
    xls(cale("siruri_mici.xls"), b"x" * 8000, 2000)
    # Blanks a thousand at a time, in a cell repeated across and down the sheet.
    paragraf = "x" + '<text:s text:c="1000"/>y' * 2000
    ods(cale("blancuri.ods"),
        '<table:table-row table:number-rows-repeated="1000"><table:table-cell table:number-columns-repeated="1000">'
        f"<text:p>{paragraf}</text:p></table:table-cell></table:table-row>")
    # One pupil's row repeated 100,000 times.
    ods(cale("randuri_repetate.ods"),
        '<table:table-row table:number-rows-repeated="100000"><table:table-cell><text:p>Ana Pop</text:p>'
        "</table:table-cell><table:table-cell><text:p>5110101123456</text:p></table:table-cell></table:table-row>")
    # The smallest double: a spreadsheet shows 4,9E-324.
    xlsx(cale("subnormal.xlsx"), [("A1", "n", "4.9E-324"), cnp])
    if not mici:
        fifo = cale("conducta.xlsx")
        if not os.path.exists(fifo):
            os.mkfifo(fifo)


if __name__ == "__main__":
    main()
