#include "Baslangic.h"

#include "BolgeAyar.h"
#include "core/Birimler.h"
#include "database/KayitKumesi.h"
#include "core/MesajKutusu.h"
#include "database/SqlTarama.h"
#include "database/VeriBaglantisi.h"

namespace {

const QString varsayilanVeritabani = QStringLiteral("DEMO");
const QString varsayilanFirma = QStringLiteral("Demo Ticaret A.Ş.");
const QString istasyonAdi = QStringLiteral("VARNEL");

Baslangic_Sonucu bitir(int kod) { return {false, kod, {}}; }
Baslangic_Sonucu devam(Oturum &o) { return {true, 0, std::move(o)}; }

bool baglan(Oturum &o, const QString &metin) {
    auto b = std::make_unique<VeriBaglantisi>();
    if (!b->Open(metin))
        return false;
    b->Ondalik_Ayirac = o.ayirac.ondalik;
    o.Baglanti = std::move(b);
    return true;
}

} // namespace

QStringList Komut_Satirini_Bol(const QString &komutSatiri) {
    QStringList alanlar;
    const qsizetype n = komutSatiri.size();
    qsizetype onceki = 0; // 1-based position of the previous "|"
    for (qsizetype i = 1; i <= n; ++i) {
        const bool ayirac = komutSatiri[i - 1] == u'|';
        if (i == n)
            alanlar.append(komutSatiri.mid(onceki, i - onceki));
        else if (ayirac)
            alanlar.append(komutSatiri.mid(onceki, i - onceki - 1));
        if (ayirac || i == n)
            onceki = i;
    }
    return alanlar;
}

QString Komut_Satiri_Baglanti_Metni(const QString &kullanici, const QString &sifre,
                                    const QString &veritabani, const QString &sunucu) {
    const auto q = &VeriBaglantisi::Deger_Tirnakla;
    return QStringLiteral("Provider=SQLOLEDB.1;Persist Security Info=False;User ID=") +
           q(kullanici) + QStringLiteral(";Password=") + q(sifre) +
           QStringLiteral(";Initial Catalog=") + q(veritabani) + QStringLiteral(";Data Source=") +
           q(sunucu);
}

QString Etkilesimli_Baglanti_Metni(const QString &veritabani, const QString &sunucu) {
    return QStringLiteral("Provider=SQLOLEDB.1;Persist Security Info=True;User ID=sa;"
                          "Initial Catalog=") +
           VeriBaglantisi::Deger_Tirnakla(veritabani) + QStringLiteral(";Data Source=") +
           VeriBaglantisi::Deger_Tirnakla(sunucu) +
           QStringLiteral(";Use Procedure for Prepare=1;Auto Translate=True;Packet Size=4096;"
                          "Workstation ID=") +
           istasyonAdi +
           QStringLiteral(";Use Encryption for Data=False;Tag with column collation when "
                          "possible=False");
}

Baslangic_Sonucu Parametre_Oku(MesajKutusu &kutu, const QString &komutSatiri, Oturum o) {
    QStringList &p = o.Parametreler;
    p = Komut_Satirini_Bol(komutSatiri);
    if (p.isEmpty()) {
        p = {QStringLiteral("-1")};
        return devam(o);
    }
    if (p.size() < 4) {
        kutu.MsgBox(Eksik_Parametre_Mesaji, MesajKutusu::Dugmeler::Tamam,
                    MesajKutusu::Simge::Kritik);
        return bitir(1);
    }
    const auto basarisiz = [&kutu] {
        kutu.MsgBox(Baglanamadi_Mesaji, MesajKutusu::Dugmeler::Tamam, MesajKutusu::Simge::Yok);
        return bitir(1);
    };
    o.Sunucu_Adi = p[0];
    o.Firma_Unvani = p[1];
    o.Veritabani_Adi = p[2];
    o.Stok_Sarti = p[3].trimmed();
    // Read as the engine of the server field will read it.
    const auto motor = VeriBaglantisi::Coz(QStringLiteral("Data Source=") + o.Sunucu_Adi).motor;
    if (!Tek_Komut_Mu(o.Stok_Sarti, motor)) {
        kutu.MsgBox(Stok_Sarti_Mesaji, MesajKutusu::Dugmeler::Tamam, MesajKutusu::Simge::Kritik,
                    Program_Basligi);
        return bitir(1);
    }
    if (p.size() < 7)
        return basarisiz();
    const auto adet = Tamsayi_Oku<qint16>(p[4], o.ayirac);
    if (!adet)
        return basarisiz();
    o.Etiket_Adedi = *adet;
    o.Sabit_Etiket_Adedi = *adet;
    o.Sql_Kullanici = p[5];
    o.Sql_Sifre = p[6];
    if (o.Sql_Sifre == u"æ")
        o.Sql_Sifre.clear();
    if (!baglan(o, Komut_Satiri_Baglanti_Metni(o.Sql_Kullanici.toString(), o.Sql_Sifre,
                                               o.Veritabani_Adi, o.Sunucu_Adi)))
        return basarisiz();
    return devam(o);
}

Baslangic_Sonucu Etkilesimli_Baslangic(MesajKutusu &kutu, Oturum o) {
    // A cancelled box answers with empty text, as the platform's input box does.
    const auto sor = [&kutu](const QString &istem, const QString &varsayilan) {
        return kutu.InputBox(istem, Program_Basligi, varsayilan).value_or(QString());
    };
    o.Sql_Kullanici = sor(QStringLiteral("SQL Kullanıcısı :"), QStringLiteral("sa"));
    o.Sql_Sifre = sor(QStringLiteral("SQL Kullanıcısı :"), QString());
    o.Veritabani_Adi = sor(QStringLiteral("Firma Database Adı :"), varsayilanVeritabani);
    o.Firma_Unvani = varsayilanFirma;
    o.Sunucu_Adi = sor(QStringLiteral("Bağlanılacak Server"), QString());
    const auto stok =
        Tamsayi_Oku<qint32>(sor(QStringLiteral("Stok_ID"), QStringLiteral("1")), o.ayirac);
    if (!stok) {
        kutu.MsgBox(Stok_ID_Mesaji, MesajKutusu::Dugmeler::Tamam, MesajKutusu::Simge::Kritik,
                    Program_Basligi);
        return bitir(1);
    }
    o.Secili_Stok_ID = *stok;
    if (!baglan(o, Etkilesimli_Baglanti_Metni(o.Veritabani_Adi, o.Sunucu_Adi))) {
        kutu.MsgBox(Baglanamadi_Mesaji, MesajKutusu::Dugmeler::Tamam, MesajKutusu::Simge::Yok);
        return bitir(1);
    }
    o.Stok_Sarti = QStringLiteral(" STOKKART.Stok_ID=") + QString::number(o.Secili_Stok_ID);
    o.Sabit_Etiket_Adedi = 0;
    return devam(o);
}

Baslangic_Sonucu Main(MesajKutusu &kutu, const QString &komutSatiri,
                      const QString &tasarimKlasoru) {
    Oturum o;
    o.Tasarim_Klasoru = tasarimKlasoru;
    if (!Bolge_Ayar_Kontrol(kutu, o.ayirac))
        return bitir(1);
    Baslangic_Sonucu sonuc = Parametre_Oku(kutu, komutSatiri, std::move(o));
    if (!sonuc.devam || sonuc.oturum.Parametreler.value(0) != u"-1")
        return sonuc;
    return Etkilesimli_Baslangic(kutu, std::move(sonuc.oturum));
}
