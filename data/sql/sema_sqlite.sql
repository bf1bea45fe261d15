-- Stock database tables (SQLite).
CREATE TABLE STOKKART (
    Stok_ID INTEGER PRIMARY KEY,
    Stok_Kodu TEXT NOT NULL,
    Stok_Adi TEXT NOT NULL,
    Birim TEXT,
    Ana_Birim_Barkod TEXT,
    Ana_Birim_Barkod_Tipi INTEGER NOT NULL DEFAULT 0,
    Grup TEXT,
    Marka TEXT,
    Raf TEXT,
    KDV_Orani INTEGER,
    Net_Miktar REAL,
    Net_Birim TEXT,
    Uretim_Yeri TEXT,
    Yerli_Uretim_Logosu TEXT
);

CREATE TABLE STOKFIYAT (
    Stok_ID INTEGER NOT NULL REFERENCES STOKKART (Stok_ID),
    Fiyat_Sira_No INTEGER NOT NULL CHECK (Fiyat_Sira_No BETWEEN 1 AND 10),
    Ana_Birim_Fiyat REAL NOT NULL DEFAULT 0,
    Degisim_Tarihi TEXT,
    PRIMARY KEY (Stok_ID, Fiyat_Sira_No)
);

-- Work table: one row per label position of a print run (0 = empty position).
CREATE TABLE BARKODID (
    ID INTEGER NOT NULL
);
CREATE INDEX BARKODID_ID ON BARKODID (ID);
