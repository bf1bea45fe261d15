-- Stock database tables (PostgreSQL). Names are unquoted, so they fold to lower case.
CREATE TABLE STOKKART (
    Stok_ID INTEGER PRIMARY KEY,
    Stok_Kodu VARCHAR(30) NOT NULL,
    Stok_Adi VARCHAR(100) NOT NULL,
    Birim VARCHAR(10),
    Ana_Birim_Barkod VARCHAR(40),
    Ana_Birim_Barkod_Tipi SMALLINT NOT NULL DEFAULT 0,
    Grup VARCHAR(40),
    Marka VARCHAR(40),
    Raf VARCHAR(20),
    KDV_Orani SMALLINT,
    Net_Miktar DOUBLE PRECISION,
    Net_Birim VARCHAR(10),
    Uretim_Yeri VARCHAR(60),
    Yerli_Uretim_Logosu VARCHAR(100)
);

CREATE TABLE STOKFIYAT (
    Stok_ID INTEGER NOT NULL REFERENCES STOKKART (Stok_ID),
    Fiyat_Sira_No SMALLINT NOT NULL CHECK (Fiyat_Sira_No BETWEEN 1 AND 10),
    Ana_Birim_Fiyat DOUBLE PRECISION NOT NULL DEFAULT 0,
    Degisim_Tarihi DATE,
    PRIMARY KEY (Stok_ID, Fiyat_Sira_No)
);

CREATE TABLE BARKODID (
    ID INTEGER NOT NULL
);
CREATE INDEX BARKODID_ID ON BARKODID (ID);

-- SQL Server's two-argument ISNULL, so the program's statements run unchanged.
CREATE OR REPLACE FUNCTION isnull(anycompatible, anycompatible) RETURNS anycompatible
    LANGUAGE sql IMMUTABLE AS 'SELECT coalesce($1, $2)';
