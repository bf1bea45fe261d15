#include "Yaziya.h"

#include "core/Birimler.h"

#include <array>
#include <cmath>

namespace {

const std::array<QString, 10> birler = {QString(),
                                        QStringLiteral("Bir"),
                                        QStringLiteral("İki"),
                                        QStringLiteral("Üç"),
                                        QStringLiteral("Dört"),
                                        QStringLiteral("Beş"),
                                        QStringLiteral("Altı"),
                                        QStringLiteral("Yedi"),
                                        QStringLiteral("Sekiz"),
                                        QStringLiteral("Dokuz")};
const std::array<QString, 10> onlar = {QString(),
                                       QStringLiteral("On"),
                                       QStringLiteral("Yirmi"),
                                       QStringLiteral("Otuz"),
                                       QStringLiteral("Kırk"),
                                       QStringLiteral("Elli"),
                                       QStringLiteral("Altmış"),
                                       QStringLiteral("Yetmiş"),
                                       QStringLiteral("Seksen"),
                                       QStringLiteral("Doksan")};
const std::array<QString, 5> gruplar = {QStringLiteral("Trilyon"), QStringLiteral("Milyar"),
                                        QStringLiteral("Milyon"), QStringLiteral("Bin"), QString()};

const QString hata = QStringLiteral("Hata");

// `rakamlar` holds only digits; its sign was taken off by the caller.
QString rakamlariYaz(const QString &rakamlar, bool eksi) {
    if (rakamlar.isEmpty() || rakamlar.size() > 15)
        return hata;
    for (QChar c : rakamlar)
        if (c < u'0' || c > u'9')
            return hata;
    const QString on5 = rakamlar.rightJustified(15, u'0');
    QString sonuc;
    for (int g = 0; g < 5; ++g) {
        const int y = on5[g * 3].digitValue();
        const int o = on5[g * 3 + 1].digitValue();
        const int b = on5[g * 3 + 2].digitValue();
        QString parca;
        if (y == 1)
            parca = QStringLiteral("Yüz");
        else if (y > 1)
            parca = birler[y] + QStringLiteral("Yüz");
        parca += onlar[o] + birler[b];
        if (!parca.isEmpty())
            parca += gruplar[g];
        if (g == 3 && parca == u"BirBin")
            parca = QStringLiteral("Bin");
        sonuc += parca;
    }
    if (sonuc.isEmpty())
        sonuc = QStringLiteral("Sıfır");
    if (eksi)
        sonuc.prepend(QStringLiteral("Eksi"));
    return sonuc;
}

} // namespace

QString Yaziya_Cevir(qint64 deger) {
    const bool eksi = deger < 0;
    // Magnitude as unsigned so the most negative value does not overflow.
    const quint64 buyukluk = eksi ? 0 - static_cast<quint64>(deger) : static_cast<quint64>(deger);
    return rakamlariYaz(QString::number(buyukluk), eksi);
}

QString Yaziya_Cevir(double deger) {
    if (!std::isfinite(deger) || deger != std::trunc(deger) || std::fabs(deger) >= 1e15)
        return hata;
    return Yaziya_Cevir(static_cast<qint64>(deger));
}

QString Yaziya_Cevir(const QString &deger, const Ayiraclar &a) {
    const QString s = deger.trimmed();
    // Plain integer text is read exactly, whatever its length.
    QStringView rakamlar(s);
    bool eksi = false;
    if (rakamlar.startsWith(u'-') || rakamlar.startsWith(u'+')) {
        eksi = rakamlar.front() == u'-';
        rakamlar = rakamlar.mid(1);
    }
    bool hepsiRakam = !rakamlar.isEmpty();
    for (QChar c : rakamlar)
        hepsiRakam = hepsiRakam && c >= u'0' && c <= u'9';
    if (hepsiRakam) {
        while (rakamlar.size() > 1 && rakamlar.front() == u'0')
            rakamlar = rakamlar.mid(1);
        return rakamlariYaz(rakamlar.toString(), eksi && rakamlar != u"0");
    }
    double d = 0;
    if (!Sayi_Oku(s, d, a))
        return hata;
    return Yaziya_Cevir(d);
}
