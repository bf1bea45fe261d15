#include "Sorgu.h"

#include "Oturum.h"
#include "core/MesajKutusu.h"
#include "database/KayitKumesi.h"
#include "database/VeriBaglantisi.h"

#include <QRegularExpression>
#include <QSqlError>

namespace {

enum class Tur { Ac, Oku };

// The error number shown to the user: the driver's own code when it has one,
// else the provider's generic "errors in command" code.
QString hataNumarasi(const QSqlError &hata) {
    const QString kod = hata.nativeErrorCode();
    return kod.isEmpty() ? QStringLiteral("-2147217900") : kod;
}

bool calistir(MesajKutusu &kutu, VeriBaglantisi &b, KayitKumesi &rs, const QString &sql, Tur tur) {
    rs.Close();
    using D = MesajKutusu::Dugmeler;
    using S = MesajKutusu::Simge;
    // A lost server was reported once; the statements after it fail quietly.
    if (b.Koptu)
        return false;
    if (rs.Open(b, sql,
                tur == Tur::Ac ? KayitKumesi::Kilit::Iyimser : KayitKumesi::Kilit::SaltOkunur))
        return true;

    // Stopped from outside: a stop request ends the run quietly, a silent server
    // is told once.
    if (b.Durdu != VeriBaglantisi::Durma::Yok) {
        b.Koptu = true;
        b.Bildirildi = true;
        if (b.Durdu == VeriBaglantisi::Durma::ZamanAsimi)
            kutu.MsgBox(Yanit_Yok_Mesaji, D::Tamam, S::Kritik, Program_Basligi);
        return false;
    }
    const QSqlError hata = rs.LastError();
    // An SQLite file has no server to lose; its driver calls every failed step a
    // connection error ("integer overflow" included).
    const bool sunucusuz = b.Motoru() == VeriBaglantisi::Motor::SQLite;
    if (!b.Acik() || (!sunucusuz && Baglanti_Hatasi_Mi(hata))) {
        b.Koptu = true;
        if (tur == Tur::Oku) {
            b.Bildirildi = true;
            kutu.MsgBox(QStringLiteral("SQL Server Bağlantı Hatası Tekrar Denenecektir.Lütfen "
                                       "Programı Kapatmayınız."),
                        D::Tamam, S::Yok);
        }
        return false;
    }
    QString aciklama = hata.databaseText();
    if (aciklama.isEmpty())
        aciklama = hata.text();
    QString numara = hataNumarasi(hata);
    // SQLite's driver refuses a second statement with "not an error" (21).
    if (hata.driverText().contains(QLatin1String("multiple statements"))) {
        aciklama = QStringLiteral("Sorgu tek bir komut olmalıdır.");
        numara = QStringLiteral("-2147217900");
    }
    b.Bildirildi = true;
    kutu.Ayrintili(Sorgu_Hatasi_Mesaji, {b.Gizle(aciklama.trimmed()), numara, sql, b.Motor_Metni()},
                   Program_Basligi);
    return false;
}

} // namespace

bool Baglanti_Hatasi_Mi(const QSqlError &hata) {
    if (hata.type() == QSqlError::ConnectionError)
        return true;
    const QString kod = hata.nativeErrorCode();
    // SQLSTATE class 08 (connection exception), operator shutdown, ODBC time-outs.
    if (kod.startsWith(QLatin1String("08")) || kod.startsWith(QLatin1String("57P0")) ||
        kod == u"HYT00" || kod == u"HYT01")
        return true;
    // Any other code is the server's answer to the statement: it is still there.
    if (!kod.isEmpty())
        return false;
    const QString metin = hata.text();
    for (const char *parca :
         {"server closed the connection", "no connection to the server", "terminating connection",
          "could not connect", "connection refused", "timeout expired"})
        if (metin.contains(QLatin1String(parca), Qt::CaseInsensitive))
            return true;
    return false;
}

bool Sorgu_Ac(MesajKutusu &kutu, VeriBaglantisi &b, KayitKumesi &rs, const QString &sql) {
    return calistir(kutu, b, rs, sql, Tur::Ac);
}

bool Sorgu_Oku(MesajKutusu &kutu, VeriBaglantisi &b, KayitKumesi &rs, const QString &sql) {
    return calistir(kutu, b, rs, sql, Tur::Oku);
}

bool Tam_Sorgu_Mu(const QString &stok_sarti) {
    static const QRegularExpression select(QStringLiteral("^\\s*select\\b"),
                                           QRegularExpression::CaseInsensitiveOption);
    return select.match(stok_sarti).hasMatch();
}

QString Stok_Sorgusu(const QString &stok_sarti) {
    if (Tam_Sorgu_Mu(stok_sarti))
        return stok_sarti;
    return QStringLiteral("SELECT * FROM STOKKART WHERE ") + Sart_Metni(stok_sarti) +
           QStringLiteral(" ORDER BY STOKKART.Stok_ID");
}

QString Sart_Metni(const QString &stok_sarti) {
    return QStringLiteral("(\n") + stok_sarti + QStringLiteral("\n)");
}
