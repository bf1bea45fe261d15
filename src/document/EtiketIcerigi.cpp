#include "EtiketIcerigi.h"

namespace {

// The prefixes a design's tags are made of; nowhere else in the program.
const QString parametreOneki = QStringLiteral("PR_");
const QString desenOneki = QStringLiteral("F_");
const QString kodOneki = QStringLiteral("O_");
const QString tarihOneki = QStringLiteral("O_Tarih");
const QString saatOneki = QStringLiteral("O_S");
const QString milyonOneki = QStringLiteral("TL_");
const QString yaziyla = QStringLiteral("Yazıyla");
const QString birimFiyatOneki = QStringLiteral("BF_");
const QString fiyatTarihi = QStringLiteral("Fiyat_Tarihi");
const QString tlKurus = QStringLiteral("YZ_TL");
const QString resimSutunuOneki = QStringLiteral("RS_");

// Decimals a number pattern asks for: the placeholders after its point (text after
// them, "TL", is no decimal).
int ondalikSayisi(const QString &desen) {
    const qsizetype nokta = desen.indexOf(u'.');
    if (nokta < 0)
        return -1;
    qsizetype son = nokta + 1;
    while (son < desen.size() && (desen[son] == u'0' || desen[son] == u'#'))
        ++son;
    // A pattern with no placeholder after its point, or text within them, counts as before.
    return son == desen.size() || son > nokta + 1 ? int(son - nokta - 1)
                                                  : int(desen.size() - nokta - 1);
}

// "FiyatN" is level N (1..10); any other price name takes the first price there is.
int fiyatSeviyesi(const QString &ad) {
    if (!ad.startsWith(QLatin1String("Fiyat")))
        return 0;
    bool ok = false;
    const int n = ad.mid(5).toInt(&ok);
    return ok && n >= 1 && n <= 10 && QString::number(n) == ad.mid(5) ? n : 0;
}

EtiketIcerigi alan(const NesneKaydi &n) {
    using T = EtiketIcerigi::Tur;
    EtiketIcerigi i;
    const QString kod = n.Tag.startsWith(kodOneki) ? n.Tag.mid(2).trimmed() : QString();
    if (n.Tag.startsWith(QLatin1String("O_T"))) {
        i.tur = T::Tarih;
        i.desen = n.Tag.mid(tarihOneki.size());
        return i;
    }
    if (n.Tag.startsWith(saatOneki)) {
        i.tur = T::Saat;
        return i;
    }
    if (kod == u"Firma_Ad" || kod == u"Firma_Kod") {
        i.tur = kod == u"Firma_Ad" ? T::Firma_Adi : T::Firma_Kodu;
        return i;
    }
    if (n.Caption == yaziyla) {
        i.tur = T::Yaziyla;
        i.tl_kurus = n.Tag.trimmed() == tlKurus;
        return i;
    }
    if (n.Caption.trimmed() == fiyatTarihi) {
        i.tur = T::Fiyat_Tarihi;
        i.ad = fiyatTarihi;
        i.desen = Alan_Deseni(n.Tag).value_or(QString());
        return i;
    }
    if (n.Caption.startsWith(birimFiyatOneki)) {
        i.tur = T::Birim_Fiyat;
        i.ad = n.Caption.mid(birimFiyatOneki.size()).trimmed();
        i.desen = Alan_Deseni(n.Tag).value_or(QString());
        i.ondalik = i.desen.isEmpty() ? 2 : ondalikSayisi(i.desen);
        i.seviye = fiyatSeviyesi(i.ad);
        return i;
    }
    i.ad = n.Caption;
    i.desen = Alan_Deseni(n.Tag).value_or(QString());
    i.ondalik = ondalikSayisi(i.desen);
    i.milyon = n.Caption.startsWith(milyonOneki);
    if (n.Caption.contains(QLatin1String("Fiyat"))) {
        i.tur = T::Fiyat;
        i.seviye = fiyatSeviyesi(i.milyon ? i.ad.mid(3) : i.ad);
    } else {
        i.tur = T::Sutun;
    }
    return i;
}

} // namespace

EtiketIcerigi Nesne_Icerigi(const NesneKaydi &n) {
    using T = EtiketIcerigi::Tur;
    if (n.Turu() == Nesne_Turu::Alan)
        return alan(n);
    EtiketIcerigi i;
    if (n.Turu() == Nesne_Turu::Resim) {
        i.tur = T::Resim;
        i.sutundan = n.Tag.startsWith(resimSutunuOneki);
        i.ad = i.sutundan ? n.Tag.mid(resimSutunuOneki.size()).trimmed() : n.Caption.trimmed();
        return i;
    }
    if (n.Turu() == Nesne_Turu::Kod) {
        i.tur = T::Kod;
        i.ad = n.Caption;
        i.desen = n.Tag.trimmed();
        return i;
    }
    if (n.Turu() != Nesne_Turu::Yazi)
        return i;
    if (n.Tag.startsWith(parametreOneki)) {
        i.tur = T::Parametre;
        i.ad = n.Tag.mid(parametreOneki.size());
    } else {
        i.tur = T::Sabit_Yazi;
        i.ad = n.Caption;
        i.desen = n.Tag;
    }
    return i;
}

EtiketIcerigi Alan_Icerigi(const QString &ad) {
    NesneKaydi n;
    n.Caption = ad;
    return alan(n);
}

EtiketIcerigi Fiyat_Icerigi(int seviye) {
    EtiketIcerigi i;
    i.tur = EtiketIcerigi::Tur::Fiyat;
    i.ad = QStringLiteral("Fiyat%1").arg(seviye);
    i.seviye = seviye;
    return i;
}

QString Parametre_Etiketi(const QString &ad) { return parametreOneki + ad; }
QString Tarih_Etiketi(const QString &desen) { return tarihOneki + desen; }
QString Alan_Desen_Etiketi(const QString &desen) { return desenOneki + desen; }
QString Firma_Adi_Etiketi() { return kodOneki + QStringLiteral("Firma_Ad"); }
QString Firma_Kodu_Etiketi() { return kodOneki + QStringLiteral("Firma_Kod"); }
QString Saat_Etiketi() { return kodOneki + QStringLiteral("Saat"); }
QString Tl_Kurus_Etiketi() { return tlKurus; }
QString Resim_Sutunu_Etiketi(const QString &sutun) { return resimSutunuOneki + sutun; }

std::optional<QString> Alan_Deseni(const QString &tag) {
    if (!tag.startsWith(desenOneki))
        return std::nullopt;
    return tag.mid(desenOneki.size());
}

bool Tarih_Etiketi_Mi(const QString &tag) { return tag.startsWith(QLatin1String("O_T")); }

QString Kod_Verisi(const QString &sablon, const std::function<QString(const QString &)> &deger) {
    QString v;
    for (qsizetype i = 0; i < sablon.size();) {
        const qsizetype ac = sablon.indexOf(u'{', i);
        const qsizetype kapa = ac < 0 ? -1 : sablon.indexOf(u'}', ac);
        if (kapa < 0) {
            v += sablon.mid(i);
            break;
        }
        v += sablon.mid(i, ac - i) + deger(sablon.mid(ac + 1, kapa - ac - 1).trimmed());
        i = kapa + 1;
    }
    return v;
}

QStringList Kod_Adlari(const QString &sablon) {
    QStringList adlar;
    Kod_Verisi(sablon, [&adlar](const QString &ad) {
        if (!adlar.contains(ad))
            adlar.append(ad);
        return QString();
    });
    return adlar;
}

QList<int> Basilan_Fiyat_Seviyeleri(const TasarimBelgesi &belge) {
    QList<int> seviyeler;
    const auto ekle = [&seviyeler](int s) {
        if (!seviyeler.contains(s))
            seviyeler.append(s);
    };
    for (const NesneKaydi &n : belge.Nesne_Ogeleri()) {
        const EtiketIcerigi i = Nesne_Icerigi(n);
        if (i.tur == EtiketIcerigi::Tur::Fiyat || i.tur == EtiketIcerigi::Tur::Birim_Fiyat)
            ekle(i.seviye);
        else if (i.tur == EtiketIcerigi::Tur::Yaziyla)
            ekle(1);
        else if (i.tur == EtiketIcerigi::Tur::Kod)
            for (const QString &ad : Kod_Adlari(i.ad))
                if (const EtiketIcerigi f = Alan_Icerigi(ad); f.tur == EtiketIcerigi::Tur::Fiyat)
                    ekle(f.seviye);
    }
    return seviyeler;
}

bool Fiyat_Tarihi_Var(const TasarimBelgesi &belge) {
    for (const NesneKaydi &n : belge.Nesne_Ogeleri())
        if (Nesne_Icerigi(n).tur == EtiketIcerigi::Tur::Fiyat_Tarihi)
            return true;
    return false;
}

QStringList Parametre_Adlari(const TasarimBelgesi &belge) {
    QStringList adlar;
    for (const NesneKaydi &n : belge.Nesne_Ogeleri()) {
        const EtiketIcerigi i = Nesne_Icerigi(n);
        if (i.tur == EtiketIcerigi::Tur::Parametre && !adlar.contains(i.ad))
            adlar.append(i.ad);
    }
    return adlar;
}

bool Ana_Fiyat_Mi(const EtiketIcerigi &i, int ana) {
    return (i.tur == EtiketIcerigi::Tur::Fiyat && i.seviye == ana) ||
           (i.tur == EtiketIcerigi::Tur::Yaziyla && ana == 1);
}

int Ana_Fiyat_Seviyesi(const TasarimBelgesi &belge) {
    int ana = -1;
    for (const NesneKaydi &n : belge.Nesne_Ogeleri()) {
        const EtiketIcerigi i = Nesne_Icerigi(n);
        const int seviye = i.tur == EtiketIcerigi::Tur::Fiyat     ? i.seviye
                           : i.tur == EtiketIcerigi::Tur::Yaziyla ? 1
                                                                  : -1;
        if (seviye >= 0 && (ana < 0 || seviye < ana))
            ana = seviye;
    }
    return ana;
}
