#include "StokSecimi.h"

#include "core/Birimler.h"
#include "core/SayiMetni.h"
#include "printjob/EtiketDegeri.h"
#include "startup/Oturum.h"
#include "startup/Sorgu.h"

#include <QLocale>
#include <algorithm>

namespace {

const QLocale turkce(QLocale::Turkish, QLocale::Turkey);

// Search text folded by Turkish rules: "I" is "ı", "İ" is "i".
QString katla(const QString &s) { return turkce.toLower(s); }

const char *basliklar[] = {"",     "Stok Kodu", "Stok Adı", "Barkod", "Fiyat",
                           "Grup", "Marka",     "Raf",      "Adet"};

// The first rows come at once; more as the table is scrolled.
constexpr int Ilk_Satirlar = 200, Sonraki_Satirlar = 2000;

} // namespace

StokSecimModeli::StokSecimModeli(MesajKutusu &kutu, const Oturum &o, QObject *ust)
    : QAbstractTableModel(ust), ayirac_(o.ayirac) {
    if (!o.Baglanti)
        return;
    const QStringList alanlar = Tablo_Sutunlari(*o.Baglanti, QStringLiteral("STOKKART"));
    QString sutunlar;
    for (const Sutun s : {Grup, Marka, Raf})
        if (alanlar.contains(QLatin1String(basliklar[s]), Qt::CaseInsensitive)) {
            var_.insert(s);
            sutunlar += QStringLiteral(",STOKKART.") + basliklar[s];
        }
    bitti_ = !Sorgu_Oku(
        kutu, *o.Baglanti, rs_,
        QStringLiteral("SELECT STOKKART.Stok_ID,STOKKART.Stok_Kodu,STOKKART.Stok_Adi,"
                       "STOKKART.Ana_Birim_Barkod,STOKFIYAT.Ana_Birim_Fiyat%1 FROM STOKKART LEFT "
                       "JOIN STOKFIYAT ON (STOKKART.Stok_ID=STOKFIYAT.Stok_ID AND "
                       "STOKFIYAT.Fiyat_Sira_No=1) ORDER BY STOKKART.Stok_ID")
            .arg(sutunlar));
    oku(Ilk_Satirlar);
    gorunen_ = uyanlar(0);
}

bool StokSecimModeli::oku(int en_cok) {
    const auto ilk = satirlar_.size();
    for (int n = 0; !bitti_ && n < en_cok; ++n) {
        if (rs_.State() != KayitKumesi::Durum::Acik || rs_.EOF_()) {
            bitti_ = true;
            rs_.Close();
            break;
        }
        Satir s;
        s.id = qint64(rs_.Number(QStringLiteral("Stok_ID")));
        s.metin[Kod] = rs_.Text(QStringLiteral("Stok_Kodu")).trimmed();
        s.metin[Ad] = rs_.Text(QStringLiteral("Stok_Adi")).trimmed();
        s.metin[Barkod] = rs_.Text(QStringLiteral("Ana_Birim_Barkod")).trimmed();
        if (!rs_.Value(QStringLiteral("Ana_Birim_Fiyat")).isNull())
            s.metin[Fiyat] = Fiyat_Metni(rs_.Number(QStringLiteral("Ana_Birim_Fiyat")), 2, ayirac_);
        for (const Sutun c : {Grup, Marka, Raf})
            if (var_.contains(c))
                s.metin[c] = rs_.Text(QString::fromLatin1(basliklar[c])).trimmed();
        s.aranan = katla(s.metin[Kod] + u'\n' + s.metin[Ad] + u'\n' + s.metin[Barkod]);
        satirlar_.push_back(std::move(s));
        rs_.MoveNext();
    }
    return satirlar_.size() > ilk;
}

QList<int> StokSecimModeli::uyanlar(size_t ilk) const {
    QList<int> l;
    for (size_t i = ilk; i < satirlar_.size(); ++i)
        if (uyar(satirlar_[i]))
            l.append(int(i));
    return l;
}

bool StokSecimModeli::uyar(const Satir &s) const {
    if (!ara_.isEmpty() && !s.aranan.contains(ara_))
        return false;
    for (const Sutun c : {Grup, Marka, Raf})
        if (!suzgec_[c].isEmpty() && s.metin[c] != suzgec_[c])
            return false;
    return !yalniz_ || yalniz_->contains(s.id);
}

void StokSecimModeli::hepsiniOku() {
    while (oku(Sonraki_Satirlar)) {
    }
}

void StokSecimModeli::suz() {
    hepsiniOku(); // a filter looks at every item
    beginResetModel();
    gorunen_ = uyanlar(0);
    endResetModel();
}

int StokSecimModeli::rowCount(const QModelIndex &ust) const {
    return ust.isValid() ? 0 : int(gorunen_.size());
}

int StokSecimModeli::columnCount(const QModelIndex &ust) const {
    return ust.isValid() ? 0 : Sutun_Sayisi;
}

QVariant StokSecimModeli::data(const QModelIndex &i, int rol) const {
    if (!i.isValid() || i.row() >= gorunen_.size())
        return {};
    const Satir &s = satirlar_[size_t(gorunen_[i.row()])];
    if (i.column() == Sec)
        return rol == Qt::CheckStateRole ? QVariant(s.secili ? Qt::Checked : Qt::Unchecked)
                                         : QVariant();
    if (rol != Qt::DisplayRole && rol != Qt::EditRole)
        return rol == Qt::TextAlignmentRole && (i.column() == Fiyat || i.column() == Adet)
                   ? QVariant(int(Qt::AlignRight | Qt::AlignVCenter))
                   : QVariant();
    if (i.column() == Adet)
        return s.adet ? QVariant(*s.adet) : QVariant(QString());
    return s.metin[i.column()];
}

bool StokSecimModeli::setData(const QModelIndex &i, const QVariant &deger, int rol) {
    if (!i.isValid() || i.row() >= gorunen_.size())
        return false;
    Satir &s = satirlar_[size_t(gorunen_[i.row()])];
    if (i.column() == Sec && rol == Qt::CheckStateRole) {
        s.secili = deger.toInt() == Qt::Checked;
    } else if (i.column() == Adet && rol == Qt::EditRole) {
        const QString metin = deger.toString().trimmed();
        bool sayi = false;
        const int n = metin.toInt(&sayi);
        if (!metin.isEmpty() && (!sayi || n < 0 || n > 32767))
            return false;
        s.adet = metin.isEmpty() ? std::nullopt : std::optional(n);
        s.secili = s.secili || (s.adet && *s.adet > 0); // a count asks for the item
    } else {
        return false;
    }
    emit dataChanged(index(i.row(), 0), index(i.row(), Sutun_Sayisi - 1));
    return true;
}

Qt::ItemFlags StokSecimModeli::flags(const QModelIndex &i) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(i);
    if (i.column() == Sec)
        f |= Qt::ItemIsUserCheckable;
    if (i.column() == Adet)
        f |= Qt::ItemIsEditable;
    return f;
}

QVariant StokSecimModeli::headerData(int bolum, Qt::Orientation yon, int rol) const {
    if (yon != Qt::Horizontal || rol != Qt::DisplayRole || bolum < 0 || bolum >= Sutun_Sayisi)
        return QAbstractTableModel::headerData(bolum, yon, rol);
    return QString::fromUtf8(basliklar[bolum]);
}

bool StokSecimModeli::canFetchMore(const QModelIndex &ust) const {
    return !ust.isValid() && !bitti_;
}

void StokSecimModeli::fetchMore(const QModelIndex &) {
    const size_t ilk = satirlar_.size();
    if (!oku(Sonraki_Satirlar))
        return;
    const QList<int> yeni = uyanlar(ilk);
    if (yeni.isEmpty())
        return;
    beginInsertRows({}, int(gorunen_.size()), int(gorunen_.size() + yeni.size()) - 1);
    gorunen_ += yeni;
    endInsertRows();
}

bool StokSecimModeli::Var(Sutun s) const { return var_.contains(s); }

void StokSecimModeli::Ara(const QString &metin) {
    ara_ = katla(metin.trimmed());
    suz();
}

void StokSecimModeli::Suz(Sutun s, const QString &deger) {
    suzgec_[s] = deger;
    suz();
}

QStringList StokSecimModeli::Degerler(Sutun s) {
    hepsiniOku();
    QStringList l;
    for (const Satir &r : satirlar_)
        if (!r.metin[s].isEmpty() && !l.contains(r.metin[s]))
            l << r.metin[s];
    std::sort(l.begin(), l.end(), [](const QString &a, const QString &b) {
        return QString::localeAwareCompare(a, b) < 0;
    });
    return l;
}

void StokSecimModeli::Yalniz(std::optional<QSet<qint64>> idler) {
    yalniz_ = std::move(idler);
    suz();
}

void StokSecimModeli::Hepsini_Sec(bool secili) {
    for (const int i : gorunen_)
        satirlar_[size_t(i)].secili = secili;
    if (!gorunen_.isEmpty())
        emit dataChanged(index(0, Sec), index(int(gorunen_.size()) - 1, Sec));
}

QList<StokSecimModeli::Secilen> StokSecimModeli::Secilenler() const {
    QList<Secilen> l;
    for (const int i : gorunen_)
        if (const Satir &s = satirlar_[size_t(i)]; s.secili)
            l.append({s.id, s.adet});
    return l;
}

QString Secim_Sarti(const QList<StokSecimModeli::Secilen> &secilen) {
    QStringList idler;
    for (const auto &s : secilen)
        idler << QString::number(s.id);
    return QStringLiteral("STOKKART.Stok_ID IN (") + idler.join(u',') + u')';
}
