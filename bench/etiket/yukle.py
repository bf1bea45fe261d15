#!/usr/bin/env python3
"""Loads gen_items.py output (--raw-prices) into a new SQLite stock database.

    yukle.py items.csv DIR/NAME.db
"""
import csv
import os
import sqlite3
import sys

here = os.path.dirname(os.path.abspath(__file__))
csv_path, db_path = sys.argv[1], sys.argv[2]
if os.path.exists(db_path):
    os.unlink(db_path)
db = sqlite3.connect(db_path)
with open(os.path.join(here, "..", "..", "data", "sql", "sema_sqlite.sql"), encoding="utf-8") as f:
    db.executescript(f.read())
with open(csv_path, encoding="utf-8", newline="") as f:
    rows = list(csv.DictReader(f))
db.executemany(
    "INSERT INTO STOKKART (Stok_ID, Stok_Kodu, Stok_Adi, Ana_Birim_Barkod, Ana_Birim_Barkod_Tipi)"
    " VALUES (?, ?, ?, ?, 1)",
    [(int(r["Stok_ID"]), "B%07d" % int(r["Stok_ID"]), r["Stok_Adi"], r["Ana_Birim_Barkod"]) for r in rows])
db.executemany(
    "INSERT INTO STOKFIYAT (Stok_ID, Fiyat_Sira_No, Ana_Birim_Fiyat) VALUES (?, ?, ?)",
    [(int(r["Stok_ID"]), level, float(r["Fiyat%d" % level])) for r in rows for level in (1, 2)])
db.commit()
db.close()
