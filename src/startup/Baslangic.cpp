#include "Baslangic.h"

#include "Birimler.h"
#include "BolgeAyar.h"
#include "Degiskenler.h"
#include "components/KayitKumesi.h"
#include "components/MesajKutusu.h"
#include "components/SqlTarama.h"
#include "components/VeriBaglantisi.h"

namespace {

const QString varsayilanVeritabani = QStringLiteral("DEMO");
const QString varsayilanFirma = QStringLiteral("Demo Ticaret A.Ş.");
const QString istasyonAdi = QStringLiteral("VARNEL");

Baslangic_Sonucu bitir(int kod) { return {false, kod}; }
Baslangic_Sonucu devam() { return {true, 0}; }

bool baglan(const QString &metin) {
    // A new connection replaces the old one, as a second start-up open does.
    Baglanti_Kapat();
    auto *b = new VeriBaglantisi;
    if (!b->Open(metin)) {
        delete b;
        return false;
    }
    b->Ondalik_Ayirac = Degiskenler::Ondalik_Ayirac;
    Degiskenler::Baglanti = b;
    return true;
}

} // namespace

void Baglanti_Kapat() {
    delete Degiskenler::Baglanti;
    Degiskenler::Baglanti = nullptr;
}

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

Baslangic_Sonucu Parametre_Oku(MesajKutusu &kutu, const QString &komutSatiri) {
    using namespace Degiskenler;
    Parametreler = Komut_Satirini_Bol(komutSatiri);
    if (Parametreler.isEmpty()) {
        Parametreler = {QStringLiteral("-1")};
        return devam();
    }
    if (Parametreler.size() < 4) {
        kutu.MsgBox(Eksik_Parametre_Mesaji, MesajKutusu::Dugmeler::Tamam,
                    MesajKutusu::Simge::Kritik);
        return bitir(1);
    }
    const auto basarisiz = [&kutu] {
        kutu.MsgBox(Baglanamadi_Mesaji, MesajKutusu::Dugmeler::Tamam, MesajKutusu::Simge::Yok);
        return bitir(1);
    };
    Sunucu_Adi = Parametreler[0];
    Firma_Unvani = Parametreler[1];
    Veritabani_Adi = Parametreler[2];
    Stok_Sarti = Parametreler[3].trimmed();
    // Read as the engine of the server field will read it.
    const auto motor = VeriBaglantisi::Coz(QStringLiteral("Data Source=") + Sunucu_Adi).motor;
    if (!Tek_Komut_Mu(Stok_Sarti, motor)) {
        kutu.MsgBox(Stok_Sarti_Mesaji, MesajKutusu::Dugmeler::Tamam, MesajKutusu::Simge::Kritik,
                    Program_Basligi);
        return bitir(1);
    }
    if (Parametreler.size() < 7)
        return basarisiz();
    const auto adet = Tamsayi_Oku<qint16>(Parametreler[4]);
    if (!adet)
        return basarisiz();
    Etiket_Adedi = *adet;
    Sabit_Etiket_Adedi = *adet;
    Sql_Kullanici = Parametreler[5];
    Sql_Sifre = Parametreler[6];
    if (Sql_Sifre == u"æ")
        Sql_Sifre.clear();
    if (!baglan(Komut_Satiri_Baglanti_Metni(Sql_Kullanici.toString(), Sql_Sifre, Veritabani_Adi,
                                            Sunucu_Adi)))
        return basarisiz();
    return devam();
}

Baslangic_Sonucu Etkilesimli_Baslangic(MesajKutusu &kutu) {
    using namespace Degiskenler;
    // A cancelled box answers with empty text, as the platform's input box does.
    const auto sor = [&kutu](const QString &istem, const QString &varsayilan) {
        return kutu.InputBox(istem, Program_Basligi, varsayilan).value_or(QString());
    };
    Sql_Kullanici = sor(QStringLiteral("SQL Kullanıcısı :"), QStringLiteral("sa"));
    Sql_Sifre = sor(QStringLiteral("SQL Kullanıcısı :"), QString());
    Veritabani_Adi = sor(QStringLiteral("Firma Database Adı :"), varsayilanVeritabani);
    Firma_Unvani = varsayilanFirma;
    Sunucu_Adi = sor(QStringLiteral("Bağlanılacak Server"), QString());
    const auto stok = Tamsayi_Oku<qint32>(sor(QStringLiteral("Stok_ID"), QStringLiteral("1")));
    if (!stok) {
        kutu.MsgBox(Stok_ID_Mesaji, MesajKutusu::Dugmeler::Tamam, MesajKutusu::Simge::Kritik,
                    Program_Basligi);
        return bitir(1);
    }
    Secili_Stok_ID = *stok;
    if (!baglan(Etkilesimli_Baglanti_Metni(Veritabani_Adi, Sunucu_Adi))) {
        kutu.MsgBox(Baglanamadi_Mesaji, MesajKutusu::Dugmeler::Tamam, MesajKutusu::Simge::Yok);
        return bitir(1);
    }
    Stok_Sarti = QStringLiteral(" STOKKART.Stok_ID=") + QString::number(Secili_Stok_ID);
    Sabit_Etiket_Adedi = 0;
    return devam();
}

Baslangic_Sonucu Main(MesajKutusu &kutu, const QString &komutSatiri) {
    if (!Bolge_Ayar_Kontrol(kutu))
        return bitir(1);
    const Baslangic_Sonucu sonuc = Parametre_Oku(kutu, komutSatiri);
    if (!sonuc.devam)
        return sonuc;
    if (Degiskenler::Parametreler.value(0) == u"-1")
        return Etkilesimli_Baslangic(kutu);
    return devam();
}
