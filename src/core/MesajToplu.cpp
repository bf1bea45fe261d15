#include "MesajToplu.h"

void Satir_Yaz(FILE *f, const QString &metin, bool satirlar) {
    QString satir;
    satir.reserve(metin.size());
    for (qsizetype i = 0; i < metin.size(); ++i) {
        const char16_t c = metin[i].unicode();
        if (c == u'\r' && i + 1 < metin.size() && metin[i + 1] == u'\n')
            continue; // CR LF: one break
        if (c == u'\n' || c == u'\r')
            satir += satirlar && c == u'\n' ? u'\n' : u' ';
        else if (c == u'\t')
            satir += c;
        else if (c < 0x20 || c == 0x7F || (c >= 0x80 && c < 0xA0))
            satir += QStringLiteral("\\x%1").arg(int(c), 2, 16, QLatin1Char('0'));
        else
            satir += QChar(c);
    }
    if (!satir.endsWith(u'\n'))
        satir += u'\n';
    std::fputs(satir.toUtf8().constData(), f);
    std::fflush(f);
}

MesajKutusu::Cevap MesajToplu::MsgBox(const QString &metin, Dugmeler dugmeler, Simge,
                                      const QString &) {
    // Boxes join their lines with CR; on a terminal one message is one line.
    Satir_Yaz(cikis_, metin);
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
