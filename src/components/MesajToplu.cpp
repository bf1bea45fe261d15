#include "MesajToplu.h"

MesajKutusu::Cevap MesajToplu::MsgBox(const QString &metin, Dugmeler dugmeler, Simge,
                                      const QString &) {
    // Boxes join their lines with CR; on a terminal one message is one line.
    QString satir = metin;
    satir.replace(QLatin1String("\r\n"), QLatin1String(" "));
    satir.replace(u'\r', u' ');
    satir.replace(u'\n', u' ');
    std::fputs(satir.toUtf8().constData(), cikis_);
    std::fputc('\n', cikis_);
    std::fflush(cikis_);
    switch (dugmeler) {
    case Dugmeler::Tamam:
        return Cevap::Tamam;
    case Dugmeler::TamamIptal:
        return Cevap::Tamam;
    case Dugmeler::EvetHayir:
    case Dugmeler::EvetHayirIptal:
        return Cevap::Evet;
    }
    return Cevap::Tamam;
}

void MesajToplu::Ayrintili(const QString &metin, const QStringList &ayrintilar,
                           const QString &baslik) {
    MsgBox(metin, Dugmeler::Tamam, Simge::Kritik, baslik);
    for (const QString &a : ayrintilar)
        MsgBox(a, Dugmeler::Tamam, Simge::Yok, baslik);
}

std::optional<QString> MesajToplu::InputBox(const QString &, const QString &, const QString &) {
    return std::nullopt;
}
