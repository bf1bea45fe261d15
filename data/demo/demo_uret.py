#!/usr/bin/env python3
"""Writes demo_veri.sql: the demo stock items, their barcodes and prices.

The statements are plain INSERTs that SQLite, PostgreSQL and SQL Server all accept.
Run again after changing the tables below: python3 demo_uret.py > demo_veri.sql
"""
import re


def ean_check(digits):
    """Check digit of an EAN-8/EAN-13/UPC-A body (weights 3,1 from the right)."""
    total = sum(int(d) * (3 if i % 2 == 0 else 1) for i, d in enumerate(reversed(digits)))
    return str((10 - total % 10) % 10)


def ean13(body12):
    return body12 + ean_check(body12)


def ean8(body7):
    return body7 + ean_check(body7)


def upca(body11):
    return body11 + ean_check(body11)


# (name, unit, group, brand, shelf, vat, barcode type, barcode, prices {level: price})
ITEMS = [
    ("Şeker 1 kg", "AD", "Gıda", "Torku", "A-01", 1, 1, ean13("869000000001"), {1: 42.5, 2: 39.9, 3: 37.0}),
    ("Süzme Yoğurt 1 kg", "AD", "Süt Ürünleri", "Sütaş", "B-02", 1, 1, ean13("869000000002"), {1: 89.75, 2: 84.0}),
    ("Çay Rize 1000 g", "AD", "Gıda", "Çaykur", "A-03", 1, 1, ean13("869000000003"), {1: 1234.5, 2: 1199.0, 3: 1150.0}),
    ("Kırmızı Mercimek 2,5 kg", "AD", "Bakliyat", "Tadım", "A-04", 1, 2, ean8("8690001"), {1: 155.0, 2: 149.5}),
    ("Zeytinyağı Sızma 5 lt", "AD", "Gıda", "Kızılay", "A-05", 1, 1, ean13("869000000005"), {1: 2500000.0, 2: 2450000.0}),
    ("İrmik 500 g", "AD", "Gıda", "Doğuş", "A-06", 1, 3, "IRM-0500", {1: 24.9}),
    ("Pirinç Baldo 2 kg", "AD", "Bakliyat", "Yörsan", "A-07", 1, 4, "PRN-B2KG", {1: 189.0, 2: 180.0, 3: 175.5}),
    ("Kuru Üzüm Çekirdeksiz", "KG", "Kuru Meyve", "Koska", "C-01", 1, 5, "UZM 2026-11", {1: 310.0}),
    ("Kağıt Havlu 6'lı", "PK", "Temizlik", "Efsane", "D-01", 20, 6, upca("03600029145"), {1: 119.99, 2: 109.99}),
    ("Sıvı Sabun Gül 1,5 lt", "AD", "Temizlik", "Anadolu", "D-02", 20, 1, ean13("869000000010"), {2: 64.5, 3: 60.0}),
    ("Çamaşır Deterjanı 6 kg", "AD", "Temizlik", "Gürsoy", "D-03", 20, 1, ean13("869000000011"), {1: 0.0, 2: 420.0}),
    ("Bulaşık Sıvısı Limon", "AD", "Temizlik", "Erikli", "D-04", 20, 2, ean8("8690012"), {1: 54.25}),
    ("Külah Dondurma Fıstıklı", "AD", "Dondurma", "Öncü", "E-01", 1, 1, ean13("869000000013"), {1: 35.0, 2: 32.5}),
    ("Antep Fıstığı 250 g", "AD", "Kuru Meyve", "Bağdat", "C-02", 1, 3, "ANT-FST-250", {1: 275.0, 2: 260.0, 3: 255.0}),
    ("Fındık İçi 500 g", "AD", "Kuru Meyve", "Şölen", "C-03", 1, 4, "FND-500G", {1: 199.9}),
    ("Şampuan Kepeğe Karşı", "AD", "Kozmetik", "Uludağ", "F-01", 20, 5, "SMP/KPK 400ML", {1: 89.9, 2: 85.0}),
    ("Böğürtlen Reçeli 380 g", "AD", "Kahvaltılık", "Tamek", "B-03", 1, 6, upca("04210000526"), {1: 74.5}),
    ("Çilek Reçeli 380 g", "AD", "Kahvaltılık", "Tukaş", "B-04", 1, 1, ean13("869000000018"), {1: 72.0, 2: 69.0}),
    ("Ispanak Dondurulmuş", "PK", "Dondurulmuş", "Dimes", "E-02", 1, 0, "", {1: 48.75}),
    ("Dana Kıyma", "KG", "Et", "Kasap", "E-03", 1, 2, ean8("8690019"), {1: 649.0, 2: 629.0, 3: 615.0}),
    ("Tavuk Göğüs Fileto", "KG", "Et", "Kasap", "E-04", 1, 1, ean13("869000000021"), {1: 239.5}),
    ("Pastırma Çemenli 100 g", "AD", "Şarküteri", "Öncü", "E-05", 1, 3, "PST-100", {1: 189.0, 2: 179.0}),
    ("Kaşar Peyniri 600 g", "AD", "Süt Ürünleri", "Pınar", "B-05", 1, 4, "KSR-600G", {1: 279.9, 3: 265.0}),
    ("Ayran 1 lt", "AD", "İçecek", "Sütaş", "B-06", 1, 5, "AYR 1LT", {1: 29.5}),
    ("Simit Unlu Mamul", "AD", "Fırın", "Ülker", "G-01", 1, 7, ean13("869000000025"), {1: 12.5}),
    ("Gofret Çikolatalı", "AD", "Atıştırmalık", "Ülker", "G-02", 1, 8, ean13("869000000026"), {1: 9.75, 2: 9.0}),
    ("Bisküvi Sütlü", "AD", "Atıştırmalık", "Eti", "G-03", 1, 9, ean13("869000000027"), {1: 15.0}),
    ("Lokum Güllü 500 g", "AD", "Şekerleme", "Koska", "G-04", 1, 6, upca("07501031311"), {1: 145.0, 2: 139.0, 3: 134.0}),
    ("Helva Tahin 400 g", "AD", "Kahvaltılık", "Koska", "B-07", 1, 1, ean13("869000000029"), {1: 99.95}),
    ("Pekmez Üzüm 800 g", "AD", "Kahvaltılık", "Anadolu", "B-08", 1, 2, ean8("8690030"), {1: 119.0, 2: 0.0}),
    ("Türk Kahvesi 100 g", "AD", "İçecek", "Doğuş", "A-08", 1, 1, ean13("869000000031"), {1: 64.9, 2: 61.0}),
    ("Nohut Koçbaşı 1 kg", "AD", "Bakliyat", "Tadım", "A-09", 1, 3, "NHT-KCB-1", {1: 89.0}),
    ("Bulgur Pilavlık 1 kg", "AD", "Bakliyat", "Yörsan", "A-10", 1, 4, "BLG-PLV1", {1: 44.5, 2: 42.0}),
    ("Makarna Burgu 500 g", "AD", "Gıda", "Tadım", "A-11", 1, 5, "MKR-BRG 500", {1: 19.9}),
    ("Salça Domates 830 g", "AD", "Gıda", "Tukaş", "A-12", 1, 6, upca("01234567890"), {1: 69.5, 2: 66.0}),
    ("Zeytin Siyah Gemlik", "KG", "Kahvaltılık", "Marmarabirlik", "B-09", 1, 1, ean13("869000000036"), {1: 219.0}),
    ("Su 19 lt Damacana", "AD", "İçecek", "Erikli", "H-01", 1, 0, "", {1: 85.0, 2: 80.0}),
    ("Maden Suyu 6'lı", "PK", "İçecek", "Uludağ", "H-02", 1, 2, ean8("8690038"), {1: 39.9}),
    ("Çöp Torbası Büyük Boy", "RL", "Temizlik", "Efsane", "D-05", 20, 3, "COP-TRB-B", {3: 34.5}),
    ("Islak Mendil 100'lü", "PK", "Kozmetik", "Gürsoy", "F-02", 20, 1, ean13("869000000040"), {1: 27.5, 2: 25.0}),
    ("Diş Macunu Beyazlatıcı", "AD", "Kozmetik", "İçim", "F-03", 20, 5, "DSM BYZ-75", {1: 59.9, 2: 57.5, 3: 55.0}),
    ("Güneş Kremi SPF 50", "AD", "Kozmetik", "Anadolu", "F-04", 20, 4, "GNS-SPF50", {1: 349.0}),
]


# Net quantity and its unit, from the name where it says ("2,5 kg", "500 g", "6'lı"),
# else one of the unit the item is sold in.
QUANTITY = re.compile(r"(\d+(?:,\d+)?) ?(kg|g|lt|ml)\b")
PACK = re.compile(r"(\d+)'l[ıiuü]")
# Imported items by their barcode's country prefix (UPC: United States, Mexico).
ORIGIN = {"0360": "ABD", "0421": "ABD", "0750": "Meksika", "0123": "ABD"}


# The domestic-production mark of items made in Türkiye, under the design folder's Resimler/.
LOGO = "yerli_uretim_yer_tutucu.svg"


def net_quantity(name, unit):
    m = QUANTITY.search(name)
    if m:
        return float(m.group(1).replace(",", ".")), m.group(2)
    m = PACK.search(name)
    if m:
        return float(m.group(1)), "adet"
    return 1.0, "kg" if unit == "KG" else "adet"


def origin(code):
    return ORIGIN.get(code[:4], "Türkiye") if len(code) == 12 else "Türkiye"


def price_date(item, level):
    """The day the price applies from: spread over November 2026, level by level."""
    return "2026-11-%02d" % (1 + (item * 7 + level * 3) % 28)


def sql_text(value):
    return "'" + value.replace("'", "''") + "'"


def sql_number(value):
    text = repr(float(value))
    return text[:-2] if text.endswith(".0") else text


def main():
    print("-- Demo stock items. Generated by demo_uret.py; edit that script, not this file.")
    for i, (name, unit, group, brand, shelf, vat, kind, code, prices) in enumerate(ITEMS, start=1):
        amount, net_unit = net_quantity(name, unit)
        print(
            "INSERT INTO STOKKART (Stok_ID, Stok_Kodu, Stok_Adi, Birim, Ana_Birim_Barkod, "
            "Ana_Birim_Barkod_Tipi, Grup, Marka, Raf, KDV_Orani, Net_Miktar, Net_Birim, "
            "Uretim_Yeri, Yerli_Uretim_Logosu) VALUES "
            f"({i}, {sql_text('STK-%04d' % i)}, {sql_text(name)}, {sql_text(unit)}, "
            f"{sql_text(code)}, {kind}, {sql_text(group)}, {sql_text(brand)}, {sql_text(shelf)}, {vat}, "
            f"{sql_number(amount)}, {sql_text(net_unit)}, {sql_text(origin(code))}, "
            f"{sql_text(LOGO if origin(code) == 'Türkiye' else '')});"
        )
        for level, price in sorted(prices.items()):
            print(
                "INSERT INTO STOKFIYAT (Stok_ID, Fiyat_Sira_No, Ana_Birim_Fiyat, Degisim_Tarihi) VALUES "
                f"({i}, {level}, {sql_number(price)}, {sql_text(price_date(i, level))});"
            )


if __name__ == "__main__":
    main()
