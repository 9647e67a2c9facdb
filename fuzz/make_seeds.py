#!/usr/bin/env python3
"""Writes the seed corpora under fuzz/corpus/ from the bundled data (data/) and test fixtures.

Run from the repository root; the seeds are committed, so this is needed only to renew them."""
import csv, datetime, os, struct, zipfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT = os.path.join(ROOT, "fuzz", "corpus")
EPOCH = datetime.date(1899, 12, 30)


def put(target, name, data):
    os.makedirs(os.path.join(OUT, target), exist_ok=True)
    with open(os.path.join(OUT, target, name), "wb") as f:
        f.write(data.encode("utf-8") if isinstance(data, str) else data)


def days(iso):
    return float((datetime.date.fromisoformat(iso) - EPOCH).days)


# Draw history: 16-byte records (date as double, six numbers, Superzahl, pad).
with open(os.path.join(ROOT, "data", "draws.csv")) as f:
    draws = list(csv.DictReader(f))
def gz(rows):
    b = b""
    for r in rows:
        sz = int(r["sz"]) if r["sz"] else 255
        b += struct.pack("<d6BBx", days(r["date"]), *[int(r["n%d" % i]) for i in range(1, 7)], sz)
    return b
put("gz", "erste-ziehungen", gz(draws[:24]))
put("gz", "letzte-ziehungen", gz(draws[-48:]))
put("gz", "halber-datensatz", gz(draws[-3:])[:-7])

# Quota file: 80-byte records (date, q1..q9 in ten-thousandths of a euro).
with open(os.path.join(ROOT, "data", "quotas.csv")) as f:
    quotas = list(csv.DictReader(f))
def quo(rows):
    b = b""
    for r in rows:
        q = [round(float(r["q%d" % k]) * 10000) if r["q%d" % k] else 0 for k in range(1, 10)]
        b += struct.pack("<d9q", days(r["date"]), *q)
    return b
put("quo", "erste-quoten", quo(quotas[:8]))
put("quo", "letzte-quoten", quo(quotas[-16:]))

# Normal tickets: 7-byte records (Superzahl, six numbers); system tickets: 51 bytes.
put("nkb", "demo", b"".join(struct.pack("<b6B", 7, *r) for r in
                            [(3, 11, 19, 26, 38, 45), (1, 8, 17, 22, 34, 49), (5, 12, 23, 31, 40, 47)]))
put("nkb", "ohne-sz", b"".join(struct.pack("<b6B", -1, *r) for r in [(1, 2, 3, 4, 5, 6), (7, 7, 0, 50, 9, 1)]))
def sys_field(sz, code, nums):
    return struct.pack("<bB49B", sz, code, *(list(nums) + [0] * (49 - len(nums))))
put("skb", "demo", sys_field(4, 2, [4, 9, 16, 23, 31, 38, 40, 47]) + sys_field(4, 7, [2, 8, 13, 19, 24, 30, 35, 41, 46]))
put("skb", "sechs-felder", b"".join(sys_field(-1, c, range(c, c + 12)) for c in (1, 6, 9, 12, 15, 18)))

# Slip format: one record of 7184 bytes of little-endian int32.
def awadr(anordnung, felder):
    v = [0] * (7184 // 4)
    v[0:8] = [0, anordnung, 78, 480, 5, -3, 1500, 200]
    for k in range(felder):
        for n in range(49):
            base = (32 + k * 392 + n * 8) // 4
            v[base] = 100 + (k % 6) * 300 + (n % 7) * 38
            v[base + 1] = 400 + (k // 6) * 500 + (n // 7) * 40
    for i in range(16):
        v[7088 // 4 + i] = 1000 + i * 10
    v[7152 // 4:7152 // 4 + 2] = [1200, 1300]
    v[7168 // 4:7168 // 4 + 2] = [1400, 1500]
    return struct.pack("<1796i", *v)
put("awadr", "2x6", awadr(0, 12))
put("awadr", "5x3", awadr(3, 15))

put("ini", "einstellungen", """; Kugelblick
[Auswertung]
N-Ziehung=1
S-Ziehung=2
[Spielscheine]
Merken=1
Filterindex=3
Dateienanzahl=2
Datei1=C:\\Lotto\\Schein 1.nkb
Datei2="/home/anna/Lotto/System.skb"
[Zufall]
Anzahl=12
Bankzahlen=7,13
Quotenkiller=1,2,3
Favoriten=22
[Druck]
Zusatz1=1
ScheinNr=0
Fragen=1
Formatdatei=Schein.awadr
[Eingabe]
overwrite1=1
overwrite2=0
Fontsize=8
[Quoten]
Url=https://www.example.org/quoten
Spalte=4
[Fenster]
QTool-Left=100
QTool-Top=80
[Web]
Gewinnzahlen=https://www.example.org/
[Update]
Server=https://daten.example.org/kugelblick/
""")
put("ini", "windows-1252", "[Druck]\r\nFormatdatei=M\xfcller.awadr\r\n".encode("cp1252"))

put("csv", "reihen", "3,11,19,26,38,45\r\n1,8,17,22,34,49\r\n\"\"\r\n5,12,23,31,40,47\r\n")
put("csv", "mit-kopf", "Reihe,Z1,Z2,Z3,Z4,Z5,Z6\n1,2,3,4,5,6,7\n2,\"8\",9,10,11,12,13\n")

put("text_import", "komma", b"\x01" + b"3,11,19,26,38,45\n1,8,17,22,34,49\n5,12,23,31,40,47\n")
put("text_import", "feld-praefix", b"\x02" + "Feld 1:\t3 11 19 26 38 45\nFeld 2:\t1;8;17;22;34;49\n".encode())
put("text_import", "dopplung", b"\x09" + b"1 2 3 4 5 6\n6 5 4 3 2 1\n7, 8, 9, 10, 11, 12\n")

put("quota_text", "zeilenform", b"\x03" + "1\n6 Richtige + SZ\nunbesetzt\n2\n6 Richtige\nunbesetzt\n3\n5 Richtige + SZ\n"
    "15986.30 €\n4\n5 Richtige\n4967.10 €\n5\n4 Richtige + SZ\n228.30 €\n6\n4 Richtige\n"
    "57.00 €\n7\n3 Richtige + SZ\n23.40 €\n8\n3 Richtige\n12.30 €\n9\n2 Richtige + SZ\n5.00 €".encode())
put("quota_text", "tabform", b"\x03" + "".join("%d\t%d Richtige\t%d\t%s €\n" % (k, 7 - k // 2, k * 3, "1.234,5%d" % k)
                                              for k in range(1, 10)).encode())

fixtures = os.path.join(ROOT, "tests", "platform", "fixtures")
for name in ("Tippreihen.xlsx", "Tippreihen.ods", "Tippreihen.xls"):
    with open(os.path.join(fixtures, name), "rb") as f:
        put("spreadsheet", name.replace(".", "-"), f.read())

# The XML target packs its parts into a workbook itself: byte 0 picks .ods (odd) or .xlsx.
with zipfile.ZipFile(os.path.join(fixtures, "Tippreihen.xlsx")) as z:
    names = z.namelist()
    sheet = next(n for n in names if n.startswith("xl/worksheets/"))
    sst = z.read("xl/sharedStrings.xml") if "xl/sharedStrings.xml" in names else b""
    put("workbook_xml", "xlsx", b"\x00" + z.read(sheet) + b"\x00" + sst)
with zipfile.ZipFile(os.path.join(fixtures, "Tippreihen.ods")) as z:
    put("workbook_xml", "ods", b"\x01" + z.read("content.xml"))
put("workbook_xml", "ods-wiederholt", b"\x01" + b'<office:document-content xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0" xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"><office:body><office:spreadsheet><table:table table:name="T"><table:table-row table:number-rows-repeated="2"><table:table-cell office:value-type="float" office:value="7" table:number-columns-repeated="3"/><table:table-cell><text:p>a<text:s text:c="2"/>b</text:p></table:table-cell></table:table-row></table:table></office:spreadsheet></office:body></office:document-content>')
put("workbook_xml", "xlsx-inline", b"\x00" + b'<worksheet><sheetData><row r="2"><c r="B2" t="inlineStr"><is><t>x</t></is></c><c t="s"><v>0</v></c><c t="b"><v>1</v></c></row></sheetData></worksheet>' + b"\x00" + b'<sst><si><t>eins</t><rPh><t>p</t></rPh></si></sst>')

# Version file of the program update: 24-byte records, byte 8 the text length, text from byte 9.
def verinfo(texts):
    b = b""
    for t in texts:
        r = bytearray(24)
        r[8] = len(t)
        r[9:9 + len(t)] = t.encode("latin-1")
        b += bytes(r)
    return b
put("verinfos", "versionen", verinfo(["1.6.0.0", "1.7.0.0"]))
put("verinfos", "angebrochen", verinfo(["1.7.0.0"]) + b"\x00" * 11)
