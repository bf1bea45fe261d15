#pragma once

#include <QDateTime>
#include <QHash>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QStringList>
#include <QVarLengthArray>
#include <QVariant>
#include <memory>

#include "PgOkuma.h"
#include "SqliteSatirlari.h"

class VeriBaglantisi;

// A field value as the program writes it: numbers with the given decimal
// separator and no grouping, dates as dd.MM.yyyy, NULL as empty text.
QString Deger_Metni(const QVariant &v, const QString &ondalik);
// A double as plain digits (no exponent, however large or small), in its shortest
// exact form; empty for infinities and NaN.
QString Duz_Ondalik(double d, const QString &ondalik);

// The column names of `tablo` (without reading a row); empty when it cannot be read.
QStringList Tablo_Sutunlari(VeriBaglantisi &b, const QString &tablo);

// A forward-only record set over one connection, with the operations the
// program uses: state, close, open with a source, end of rows, next row and
// fields by name (case-insensitive, as SQL Server compares column names).
class KayitKumesi {
public:
    enum class Durum { Kapali, Acik };
    enum class Kilit { SaltOkunur, Iyimser };

    KayitKumesi() = default;

    Durum State() const { return durum_; }
    void Close();

    // Runs `source` (after the engine's dialect change). A statement that
    // returns rows leaves the set open on its first row; an action statement
    // leaves it closed. Returns false on failure (see LastError()). A SELECT
    // holding a second statement is refused before it reaches the database, and a
    // read-only SELECT runs where it cannot write (the item condition is in it).
    bool Open(VeriBaglantisi &baglanti, const QString &source, Kilit kilit = Kilit::SaltOkunur);

    Kilit LockType() const { return kilit_; }
    bool EOF_() const { return sonda_; }
    void MoveNext();

    // The columns of the set.
    const QSqlRecord &Kayit() const { return kayit_; }
    // Index of a field by name, ignoring case; -1 when there is none.
    int FieldIndex(const QString &ad) const;
    QVariant Value(const QString &ad) const;
    QVariant Value(int i) const;
    QString Text(const QString &ad) const; // see Deger_Metni, the connection's separator
    double Number(const QString &ad) const;
    QDateTime Date(const QString &ad) const;

    const QSqlError &LastError() const { return hata_; }
    qint64 RowsAffected() const { return etkilenen_; }

private:
    int alanAra(const QString &ad) const;
    void acildi(const QSqlRecord &kayit, bool bos);
    bool saltOku(VeriBaglantisi &baglanti, const QString &sql);
    std::optional<bool> sqliteEylemi(VeriBaglantisi &baglanti, const QString &sql);
    std::optional<bool> sqliteSecimi(VeriBaglantisi &baglanti, const QString &sql);

    std::unique_ptr<QSqlQuery> sorgu_;
    std::unique_ptr<SqliteSatirlari> satirlar_; // SQLite's rows, read without the driver
    // Rows fetched whole (read-only sets on PostgreSQL and SQL Server), else streamed.
    OkunanSatirlar okunan_;
    qsizetype satir_ = -1;
    QSqlRecord kayit_;
    mutable QHash<QString, int> indeksler_;                         // column names read so far
    mutable QVarLengthArray<std::pair<QString, int>, 16> sikAdlar_; // the strings they came in
    Durum durum_ = Durum::Kapali;
    Kilit kilit_ = Kilit::SaltOkunur;
    QString ondalik_ = QStringLiteral(",");
    QSqlError hata_;
    bool sonda_ = true;
    qint64 etkilenen_ = 0;
};
