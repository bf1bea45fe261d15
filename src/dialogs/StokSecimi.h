#pragma once

#include "core/Ayiraclar.h"
#include "database/KayitKumesi.h"

#include <QAbstractTableModel>
#include <QSet>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class MesajKutusu;
struct Oturum;

// "Stok Seçimi" without its window: the stock items as a table to search, filter and
// tick, each with its own label count. Rows are read as the table shows them (a
// hundred thousand items open at once); a search or a filter reads the rest first.
// Every read is read-only.
class StokSecimModeli : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Sutun { Sec, Kod, Ad, Barkod, Fiyat, Grup, Marka, Raf, Adet, Sutun_Sayisi };

    StokSecimModeli(MesajKutusu &kutu, const Oturum &oturum, QObject *ust = nullptr);

    int rowCount(const QModelIndex &ust = {}) const override;
    int columnCount(const QModelIndex &ust = {}) const override;
    QVariant data(const QModelIndex &i, int rol = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &i, const QVariant &deger, int rol = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &i) const override;
    QVariant headerData(int bolum, Qt::Orientation yon, int rol = Qt::DisplayRole) const override;
    bool canFetchMore(const QModelIndex &ust) const override;
    void fetchMore(const QModelIndex &ust) override;

    // Whether STOKKART has the column (Grup, Marka, Raf).
    bool Var(Sutun s) const;
    // "Ara": code, name or barcode holding the text, by Turkish case rules.
    void Ara(const QString &metin);
    // A filter's value ("" for all) and the values it offers, each once, sorted.
    void Suz(Sutun s, const QString &deger);
    QStringList Degerler(Sutun s);
    // "Yalnız fiyatı değişenler": only these items; nothing for all.
    void Yalniz(std::optional<QSet<qint64>> idler);
    // "Tümünü Seç" / "Seçimi Kaldır": the rows shown.
    void Hepsini_Sec(bool secili);

    // The ticked items in the table's order, each with its own count (nothing: the run's).
    struct Secilen {
        qint64 id;
        std::optional<int> adet;
    };
    QList<Secilen> Secilenler() const;

private:
    struct Satir {
        qint64 id = 0;
        QString metin[Sutun_Sayisi];
        QString aranan; // code, name and barcode folded for searching
        bool secili = false;
        std::optional<int> adet;
    };
    bool oku(int en_cok);
    void hepsiniOku();
    QList<int> uyanlar(size_t ilk) const;
    void suz();
    bool uyar(const Satir &s) const;

    Ayiraclar ayirac_;
    KayitKumesi rs_;
    bool bitti_ = true;
    QSet<Sutun> var_;
    std::vector<Satir> satirlar_;
    QList<int> gorunen_;
    QString ara_;
    QString suzgec_[Sutun_Sayisi];
    std::optional<QSet<qint64>> yalniz_;
};

// The condition that prints the chosen items.
QString Secim_Sarti(const QList<StokSecimModeli::Secilen> &secilen);
