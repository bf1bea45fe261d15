#include "TasarimOzeti.h"

#include "EtiketIcerigi.h"

#include <QJsonArray>
#include <QStringList>

namespace {

// Singles as the short decimals they were written with, not their binary expansion.
double kisaSayi(float f) { return QString::number(f, 'g', 7).toDouble(); }

QJsonObject barkodJson(const BarkodKaydi &b) {
    return {{QStringLiteral("Bolum_No"), b.Bolum_No},
            {QStringLiteral("Left"), kisaSayi(b.Left)},
            {QStringLiteral("Top"), kisaSayi(b.Top)},
            {QStringLiteral("Width"), kisaSayi(b.Width)},
            {QStringLiteral("Height"), kisaSayi(b.Height)},
            {QStringLiteral("FontName"), b.FontName},
            {QStringLiteral("FontSize"), kisaSayi(b.FontSize)},
            {QStringLiteral("FontBold"), b.FontBold},
            {QStringLiteral("FontItalic"), b.FontItalic},
            {QStringLiteral("FontUnderline"), b.FontUnderline},
            {QStringLiteral("FontStrikethru"), b.FontStrikethru},
            {QStringLiteral("ForeColor"), b.ForeColor},
            {QStringLiteral("Orientation"), b.Orientation},
            {QStringLiteral("BackColor"), b.BackColor}};
}

QJsonObject nesneJson(const NesneKaydi &n) {
    return {{QStringLiteral("Bolum_No"), n.Bolum_No},
            {QStringLiteral("Left"), kisaSayi(n.Left)},
            {QStringLiteral("Top"), kisaSayi(n.Top)},
            {QStringLiteral("Width"), kisaSayi(n.Width)},
            {QStringLiteral("Height"), kisaSayi(n.Height)},
            {QStringLiteral("FontName"), n.FontName},
            {QStringLiteral("FontSize"), kisaSayi(n.FontSize)},
            {QStringLiteral("FontBold"), n.FontBold},
            {QStringLiteral("FontItalic"), n.FontItalic},
            {QStringLiteral("FontUnderline"), n.FontUnderline},
            {QStringLiteral("FontStrikethru"), n.FontStrikethru},
            {QStringLiteral("ForeColor"), n.ForeColor},
            {QStringLiteral("BackColor"), n.BackColor},
            {QStringLiteral("Alignment"), n.Alignment},
            {QStringLiteral("Caption"), n.Caption},
            {QStringLiteral("Tur"), n.Tur},
            {QStringLiteral("Tag"), n.Tag},
            {QStringLiteral("Escapement"), n.Escapement}};
}

QString olcu(float mm) { return QString::number(mm, 'g', 6); }

QString tur(const NesneKaydi &n) {
    using T = EtiketIcerigi::Tur;
    if (n.Turu() == Nesne_Turu::Yatay_Cizgi)
        return QStringLiteral("yatay çizgi");
    if (n.Turu() == Nesne_Turu::Dikey_Cizgi)
        return QStringLiteral("dikey çizgi");
    switch (Nesne_Icerigi(n).tur) {
    case T::Parametre:
        return QStringLiteral("parametre");
    case T::Sabit_Yazi:
        return QStringLiteral("sabit yazı");
    case T::Tarih:
        return QStringLiteral("tarih");
    case T::Saat:
        return QStringLiteral("saat");
    case T::Firma_Adi:
        return QStringLiteral("firma adı");
    case T::Firma_Kodu:
        return QStringLiteral("firma kodu");
    case T::Resim:
        return QStringLiteral("resim");
    case T::Kod:
        return QStringLiteral("kod (%1)").arg(n.Tag.trimmed());
    case T::Birim_Fiyat:
        return QStringLiteral("birim fiyat");
    case T::Fiyat_Tarihi:
        return QStringLiteral("fiyat tarihi");
    default:
        return QStringLiteral("veritabanı alanı");
    }
}

} // namespace

QJsonObject Tasarim_Json(const TasarimBelgesi &b) {
    QJsonArray barkodlar, nesneler;
    for (const BarkodKaydi &k : b.Barkod_Ogeleri())
        barkodlar.append(barkodJson(k));
    for (const NesneKaydi &n : b.Nesne_Ogeleri())
        nesneler.append(nesneJson(n));
    const DetayKaydi d = b.Detaylar.value(1);
    bool tamsayi = false;
    const qlonglong durum = b.Yazici_Durum.toLongLong(&tamsayi);
    return {
        {QStringLiteral("Tip"), b.Tip},
        {QStringLiteral("Etiket_Boy"), kisaSayi(b.Etiket_Boy)},
        {QStringLiteral("Etiket_Genislik"), kisaSayi(b.Etiket_Genislik)},
        {QStringLiteral("Etiket_Yatay"), kisaSayi(b.Etiket_Yatay)},
        {QStringLiteral("Etiket_Dikey"), kisaSayi(b.Etiket_Dikey)},
        {QStringLiteral("Barkodlar"), barkodlar},
        {QStringLiteral("Nesneler"), nesneler},
        {QStringLiteral("Detaylar"), QJsonObject{{QStringLiteral("Visible"), d.Visible},
                                                 {QStringLiteral("Height"), kisaSayi(d.Height)},
                                                 {QStringLiteral("Width"), kisaSayi(d.Width)}}},
        {QStringLiteral("Sol_Bosluk"), b.Sol_Bosluk},
        {QStringLiteral("Sag_Bosluk"), b.Sag_Bosluk},
        {QStringLiteral("Ust_Bosluk"), b.Ust_Bosluk},
        {QStringLiteral("Alt_Bosluk"), b.Alt_Bosluk},
        {QStringLiteral("Yazici_Durum"), tamsayi ? QJsonValue(durum) : QJsonValue(b.Yazici_Durum)},
        {QStringLiteral("Kagit_Boyutu"), kisaSayi(b.Kagit_Boyutu)}};
}

QString Tasarim_Ozeti(const TasarimBelgesi &b) {
    QStringList s;
    if (b.Tip == 1)
        s << QStringLiteral("Yazıcı: lazer yazıcı (etiket sayfası), etiket %1 × %2 mm, "
                            "aralık yatay %3 mm, dikey %4 mm")
                 .arg(olcu(b.Etiket_Genislik), olcu(b.Etiket_Boy), olcu(b.Etiket_Yatay),
                      olcu(b.Etiket_Dikey));
    else
        s << QStringLiteral("Yazıcı: barkod yazıcısı (sayfa başına bir etiket)");
    const DetayKaydi d = b.Detaylar.value(1);
    s << QStringLiteral("Etiket alanı: %1 × %2 twip%3")
             .arg(olcu(d.Width), olcu(d.Height),
                  d.Visible ? QString() : QStringLiteral(" (gizli)"));
    s << QStringLiteral("Kenar boşlukları: sol %1, sağ %2, üst %3, alt %4; yön %5; kağıt %6")
             .arg(b.Sol_Bosluk)
             .arg(b.Sag_Bosluk)
             .arg(b.Ust_Bosluk)
             .arg(b.Alt_Bosluk)
             .arg(b.Yazici_Durum, olcu(b.Kagit_Boyutu));
    s << QStringLiteral("Barkodlar (%1):").arg(b.Barkod_Sayisi());
    for (qsizetype i = 1; i < b.Barkodlar.size(); ++i) {
        const BarkodKaydi &k = b.Barkodlar[i];
        s << QStringLiteral("  %1. bölüm %2, (%3, %4) mm, %5 × %6 mm, %7°")
                 .arg(i)
                 .arg(k.Bolum_No)
                 .arg(olcu(k.Left), olcu(k.Top), olcu(k.Width), olcu(k.Height))
                 .arg(k.Orientation / 10.0);
    }
    s << QStringLiteral("Nesneler (%1):").arg(b.Nesne_Sayisi());
    for (qsizetype i = 1; i < b.Nesneler.size(); ++i) {
        const NesneKaydi &k = b.Nesneler[i];
        QString satir = QStringLiteral("  %1. %2 \"%3\"").arg(i).arg(tur(k), k.Caption);
        if (!k.Tag.isEmpty())
            satir += QStringLiteral(" [%1]").arg(k.Tag);
        satir += QStringLiteral(", (%1, %2) mm, %3 × %4 mm")
                     .arg(olcu(k.Left), olcu(k.Top), olcu(k.Width), olcu(k.Height));
        if (!k.Cizgi_Mi())
            satir += QStringLiteral(", %1 %2 pt").arg(k.FontName, olcu(k.FontSize));
        if (k.Escapement != 0)
            satir += QStringLiteral(", %1°").arg(k.Escapement);
        s << satir;
    }
    return s.join(u'\n') + u'\n';
}
