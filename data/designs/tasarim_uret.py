#!/usr/bin/env python3
"""Writes the sample designs in the design-file form (Windows-1254, CRLF).

python3 tasarim_uret.py   (writes the .ftr files beside this script)
"""
import os

FORE = -2147483630  # system text colour
BACK = -2147483643  # system window colour (white)


def num(x):
    """Field form: grouping '.', at most two decimals after ','."""
    s = ("%.2f" % x).rstrip("0").rstrip(".")
    whole, _, frac = s.partition(".")
    neg = whole.startswith("-")
    whole = whole.lstrip("-")
    groups = []
    while len(whole) > 3:
        groups.insert(0, whole[-3:])
        whole = whole[:-3]
    groups.insert(0, whole)
    out = ("-" if neg else "") + ".".join(groups)
    return out + ("," + frac if frac else "")


def pr(x):
    """Print form: sign position, no zero before a leading ',', trailing blank."""
    s = ("%.2f" % abs(x)).rstrip("0").rstrip(".").replace(".", ",")
    if s.startswith("0,"):
        s = s[1:]
    return ("-" if x < 0 else " ") + s + " "


def obj(caption, kind, left, top, width, height, tag="", size=8, bold=False, align=0,
        fore=FORE, back=BACK, font="Arial", esc=0):
    f = ["0", caption, num(width), str(align), num(left), kind, num(top), font,
         "False", "False", "True" if bold else "False", "False", num(size), str(fore),
         num(height), str(back), tag, str(esc)]
    return ";".join(f) + ";"


def barcode(left, top, width, height, orientation, size=7):
    f = ["0", num(left), num(top), num(width), num(height), "Arial", "False", "False",
         "False", num(size), str(FORE), str(BACK), str(orientation)]
    return ";".join(f) + ";"


def design(path, tip, label, barcodes, objects, area, margins, paper):
    lines = ["Tip_", pr(tip)]
    if tip == 1:
        lines += [pr(v) for v in label]
    lines += ["Barkod_", str(len(barcodes))] + barcodes
    lines += ["Nesneler_", str(len(objects))] + objects
    lines += ["Detaylar_", "True;%s;%s;" % (num(area[0]), num(area[1]))]
    for name, value in zip(["Sol_Bosluk_", "Sag_Bosluk_", "Ust_Bosluk_", "Alt_Bosluk_"], margins):
        lines += [name, pr(value)]
    lines += ["Yazici_Durum_", pr(1), "Kagit_Boyutu_", pr(paper), "<end>"]
    with open(path, "wb") as f:
        f.write("".join(l + "\r\n" for l in lines).encode("cp1254"))


here = os.path.dirname(os.path.abspath(__file__))

# A4 sheets of 3 x 8 labels of 70 x 37 mm for a laser printer.
design(
    os.path.join(here, "A4 Etiket 3x8.ftr"), 1, [37, 70, 0, 0],
    [barcode(2, 7.5, 32, 18, 0), barcode(58, 7.5, 10, 28, 900)],
    [
        obj("Stok_Adi", "A", 2, 1, 66, 5, size=9, bold=True),
        obj("", "Y", 2, 6.5, 66, 0.3, back=0),
        obj("", "D", 34.5, 7.5, 0.3, 18, back=0),
        obj("Fiyat1", "A", 35, 7.5, 22.5, 5, tag="F_#,##0.00", size=9, bold=True, align=1),
        obj("Fiyat2", "A", 35, 12.5, 22.5, 4, tag="F_#,##0.00", size=8, align=1),
        obj("TL_Fiyat1", "A", 35, 16.5, 22.5, 4, tag="F_#,##0", size=5, align=1),
        obj("Yazıyla", "A", 2, 26, 55, 4.5, size=5),
        obj("Tarih", "A", 2, 30.5, 15, 3, tag="O_Tarihdd.mm.yyyy", size=6),
        obj("Saat", "A", 17, 30.5, 12, 3, tag="O_Saat", size=6),
        obj("Firma_Ad", "A", 29, 30.5, 28, 3, tag="O_Firma_Ad", size=6),
        obj("Firma_Kod", "A", 2, 33.5, 15, 3, tag="O_Firma_Kod", size=6),
        obj("Parametre", "E", 17, 33.5, 40, 3, tag="PR_Kampanya", size=6, bold=True),
    ],
    (2098, 3968), (0, 0, 0, 0), 9)

# One 60 x 40 mm label a page for a barcode printer.
design(
    os.path.join(here, "Raf Etiketi.ftr"), 0, None,
    [barcode(2, 16, 27, 20, 0), barcode(48, 11, 10, 25, 900)],
    [
        obj("Firma_Ad", "A", 2, 0.5, 56, 3.5, tag="O_Firma_Ad", size=7, bold=True, align=2),
        obj("Stok_Adi", "A", 2, 4, 56, 5, size=9, bold=True),
        obj("", "Y", 2, 9.5, 56, 0.3, back=0),
        obj("Fiyat1", "A", 2, 10, 27, 5.5, tag="F_#,##0.00", size=12, bold=True),
        obj("Fiyat3", "A", 30, 10.5, 17, 3, tag="F_#,##0.0", size=6, align=1),
        obj("TL_Fiyat1", "A", 30, 13.5, 17, 3, tag="F_#,##0.00", size=5, align=1),
        obj("Tarih", "A", 30, 17, 17, 3, tag="O_Tarihmm.yyyy", size=6, align=1),
        obj("Saat", "A", 30, 20, 17, 3, tag="O_Saat", size=6, align=1),
        obj("Firma_Kod", "A", 30, 23, 17, 3, tag="O_Firma_Kod", size=6, align=1),
        obj("Parametre", "E", 30, 27, 17, 8, tag="PR_Raf", size=7, bold=True, align=2),
        obj("", "D", 47, 11, 0.3, 25, back=0),
        obj("Yazıyla", "A", 2, 36.5, 56, 3.5, size=5),
    ],
    (2268, 3401), (0, 0, 0, 0), 256)

# The shelf label the price-label regulation asks for, 58 x 40 mm on a barcode printer
# (direct printing moves elements 3.7 mm right: each ends 4 mm before the edge):
# name, price with its currency, unit price, place of production, price date, the
# item's barcode, a QR code with the item code, and the domestic-production mark for
# items whose column names it (a stand-in picture the shop replaces).
design(
    os.path.join(here, "Raf Etiketi Yönetmelik.ftr"), 0, None,
    [barcode(2, 25.5, 31, 14, 0)],
    [
        obj("Stok_Adi", "A", 2, 1, 50, 5, size=9, bold=True),
        obj("", "Y", 2, 6.3, 50, 0.3, back=0),
        obj("Fiyat1", "A", 2, 7, 31, 8, tag='F_#,##0.00 "TL"', size=16, bold=True),
        obj("BF_Fiyat1", "A", 2, 15, 31, 3.5, size=7),
        obj("Üretim Yeri:", "E", 2, 18.5, 14, 3, size=6),
        obj("Uretim_Yeri", "A", 16, 18.5, 17, 3, size=6, bold=True),
        obj("Fiyat Tarihi:", "E", 2, 21.5, 14, 3, size=6),
        obj("Fiyat_Tarihi", "A", 16, 21.5, 17, 3, size=6, bold=True),
        obj("{Stok_Kodu}", "K", 34, 7, 18, 18, tag="QR"),
        obj("", "R", 37, 26, 14, 13, tag="RS_Yerli_Uretim_Logosu"),
    ],
    (2268, 3288), (0, 0, 0, 0), 256)

