#include "CiktiFormati.h"

#include "document/EtiketIcerigi.h"
#include "printjob/Fiyat.h"
#include "startup/Bicim.h"

namespace {

const QStringList paraDesenleri = {QStringLiteral("#,##0"),      QStringLiteral("#,##0.0"),
                                   QStringLiteral("#,##0.00"),   QStringLiteral("#,##0.000"),
                                   QStringLiteral("#,##0.0000"), QStringLiteral("#,##0.00 \"TL\""),
                                   QStringLiteral("#,##0.00 ₺")};

// A pattern as the list shows it: the currency's quotes left out.
QString gorunen(const QString &desen) { return QString(desen).remove(u'"'); }
const QStringList tarihDesenleri = {QStringLiteral("dd.mm.yyyy"), QStringLiteral("dd.mm.yy"),
                                    QStringLiteral("mm.dd.yyyy"), QStringLiteral("mm.dd.yy"),
                                    QStringLiteral("mm.yyyy"),    QStringLiteral("mm.yy")};

} // namespace

CiktiFormati::CiktiFormati(const QString &tag, bool yaziyla) : tag_(tag) {
    if (yaziyla) {
        tur_ = Tur::Yaziyla;
        list1_ = tag.trimmed() == Tl_Kurus_Etiketi() ? 1 : 0;
    } else if (tag.isEmpty()) {
        list2_ = paraDesenleri;
    } else if (tag.startsWith(u'F')) {
        list2_ = paraDesenleri;
        list1_ = 1;
        frame2_ = true;
        for (int i = 0; i < paraDesenleri.size(); ++i)
            if (Alan_Desen_Etiketi(paraDesenleri[i]) == tag.trimmed())
                list2_secili_ = i;
    } else {
        tur_ = Tur::Tarih;
        list1_ = 1;
        frame2_ = true;
        if (tag.startsWith(Tarih_Etiketi({})))
            list2_ = tarihDesenleri;
    }
}

QStringList CiktiFormati::List1() const {
    if (tur_ == Tur::Yaziyla)
        return {QStringLiteral("YTL / Yeni Kuruş"), QStringLiteral("TL / Kuruş")};
    return {QStringLiteral("Genel"),
            tur_ == Tur::Para ? QStringLiteral("Para Formatı") : QStringLiteral("Tarih Formatı")};
}

void CiktiFormati::List1_Sec(int satir) {
    if (satir == 0 || satir == 1) {
        list1_ = satir;
        frame2_ = satir == 1 && tur_ != Tur::Yaziyla;
    }
}

QStringList CiktiFormati::List2() const {
    QStringList l;
    for (const QString &d : list2_)
        l << gorunen(d);
    return l;
}

void CiktiFormati::List2_Sec(int satir) {
    if (satir >= 0 && satir < list2_.size())
        list2_secili_ = satir;
}

QString CiktiFormati::Ornek(const QDate &bugun, const Ayiraclar &a) const {
    if (tur_ == Tur::Yaziyla)
        return Tutar_Yazisi(QStringLiteral("1234,5"), a, list1_ == 1);
    const bool desen = frame2_ && list2_secili_ >= 0;
    if (tur_ == Tur::Tarih)
        return desen ? Tarih_Deseni(QDateTime(bugun, QTime()), list2_[list2_secili_])
                     : bugun.toString(QStringLiteral("dd.MM.yyyy"));
    return desen ? Sayi_Deseni(1234, list2_[list2_secili_], a) : QStringLiteral("1234");
}

std::optional<QString> CiktiFormati::Tamam() const {
    if (tur_ == Tur::Yaziyla)
        return list1_ == 1 ? Tl_Kurus_Etiketi() : QString();
    const bool tarih = Tarih_Etiketi_Mi(tag_);
    if (frame2_) {
        if (tur_ == Tur::Para)
            return list2_secili_ >= 0 ? std::optional(Alan_Desen_Etiketi(list2_[list2_secili_]))
                                      : std::nullopt;
        if (!tarih)
            return std::nullopt;
        return Tarih_Etiketi(list2_secili_ >= 0 ? list2_[list2_secili_] : QString());
    }
    if (tur_ == Tur::Para)
        return QString();
    return tarih ? std::optional(Tarih_Etiketi(Yeni_Tarih_Deseni)) : std::nullopt;
}
