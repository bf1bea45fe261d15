#pragma once

#include "core/Hata.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <memory>

// An item a run printed: how many labels, and its prices (level text, price) as they
// were then.
struct GecmisStok {
    qint64 id = 0;
    QString kod;
    int adet = 0;
    QList<QPair<QString, double>> fiyatlar;
};

// A finished run, keyed by the start line's server and database.
struct GecmisBasim {
    qint64 no = 0;
    QDateTime zaman;
    QString sunucu, veritabani;
    QString tasarim;
    QByteArray tasarim_ozeti; // a digest of the design file's bytes then
    QString cikti;            // the file, or the print queue
    bool dogrudan = false;
    qint16 baslangic = 1;
    qint16 adet = 1; // labels per item asked
    QHash<QString, QString> parametreler;
    QList<GecmisStok> stoklar; // in the order printed; read only for one run
    qint64 stok_sayisi = 0, etiket_sayisi = 0;
};

// Items and their prices as one run printed them, gathered while it runs: an item's
// labels in a row count once. A big run holds 100,000 items here until its record is
// written, so each is kept as one text in a shared buffer rather than as a list of
// strings.
class BasilanStoklar {
public:
    void Ekle(qint64 id, const QString &kod, const QList<QPair<QString, double>> &fiyatlar,
              int adet = 1);
    qsizetype Sayi() const { return yerler_.size(); }
    qint64 Etiket_Sayisi() const { return etiket_; }
    // The i-th item, its code and its prices as the history keeps them
    // (Fiyat_Metni_Ekle), in UTF-8.
    struct Satir {
        qint64 id;
        QByteArrayView kod;
        int adet;
        QByteArrayView fiyatlar;
    };
    Satir Satiri(qsizetype i) const;

private:
    struct Yer {
        qint64 id;
        qint64 adet;
        qsizetype son; // where its text ends in metin_
    };
    QList<Yer> yerler_;
    QByteArray metin_; // code, \x1f, price text, in UTF-8, item after item
    qint64 etiket_ = 0;
};

class GecmisYazimi;

// The print history of this user: an SQLite file in write-ahead mode, so that runs at
// once each record theirs, and a reader never waits. Every call opens it and closes
// it again; what fails says why.
class Gecmis {
public:
    // $XDG_DATA_HOME/varnel/Gecmis.db
    static QString Varsayilan_Yol();
    explicit Gecmis(const QString &yol = Varsayilan_Yol()) : yol_(yol) {}

    // Records a finished run with its items `basim.stoklar` and gives it its number.
    Hata Kaydet(GecmisBasim &basim) const;
    // A run with the items it gathered, in two steps: writes the record now, keeps it
    // only when the write is confirmed (the output of the run is final by then).
    Sonuc<std::unique_ptr<GecmisYazimi>> Yaz(GecmisBasim &basim,
                                             const BasilanStoklar &stoklar) const;
    // The runs, newest first (without their items); of one database when `sunucu` is given.
    Sonuc<QList<GecmisBasim>> Basimlar(const QString &sunucu, const QString &veritabani,
                                       int sinir) const;
    // One run with its items.
    Sonuc<GecmisBasim> Basim(qint64 no) const;
    // What the last recorded run that printed each item on this database printed.
    Sonuc<QHash<qint64, QList<QPair<QString, double>>>>
    Son_Fiyatlar(const QString &sunucu, const QString &veritabani) const;

    // When the history first saw each item's last recorded level-1 price: the date of
    // the earliest run of the unbroken line of runs that printed that price.
    struct GorulenFiyat {
        double fiyat;
        QDate ilk;
    };
    Sonuc<QHash<qint64, GorulenFiyat>> Fiyat_Gorulme_Tarihleri(const QString &sunucu,
                                                               const QString &veritabani) const;

private:
    QString yol_;
};

// A run's record written in a transaction of its own: Onayla keeps it, going unconfirmed
// drops it. Other runs wait to write theirs meanwhile, so it is held only briefly.
class GecmisYazimi {
public:
    ~GecmisYazimi();
    Hata Onayla();

private:
    friend class Gecmis;
    struct Ic;
    explicit GecmisYazimi(std::unique_ptr<Ic> ic);
    std::unique_ptr<Ic> ic_;
};

// Prices as the history keeps them: "1=42.5;2=39.9", each price the shortest text that
// reads back as the same double. Ekle adds them to `hedef`.
void Fiyat_Metni_Ekle(QByteArray &hedef, const QList<QPair<QString, double>> &fiyatlar);
QList<QPair<QString, double>> Fiyat_Metni_Oku(const QString &metin);
