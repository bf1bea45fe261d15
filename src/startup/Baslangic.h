#pragma once

#include "Oturum.h"

#include <QString>
#include <QStringList>

class MesajKutusu;

// What start-up left behind: the session to go on with, or a status to end with.
struct Baslangic_Sonucu {
    bool devam = false;
    int cikis_kodu = 0;
    Oturum oturum;
};

inline const QString Eksik_Parametre_Mesaji = QStringLiteral("Eksik Paremetre Kullanımı ");
inline const QString Baglanamadi_Mesaji = QStringLiteral("Datbase'e Bağlanılamadı.");
inline const QString Stok_ID_Mesaji = QStringLiteral("Stok_ID bir tam sayı olmalıdır.");
inline const QString Stok_Sarti_Mesaji = QStringLiteral("Stok şartı tek bir koşul olmalıdır.");

// Splits the command line at "|" exactly as the start-up rules count fields: an
// empty line gives no field; a trailing "|" stays in the last field.
QStringList Komut_Satirini_Bol(const QString &komutSatiri);

// The connection texts built at start-up.
QString Komut_Satiri_Baglanti_Metni(const QString &kullanici, const QString &sifre,
                                    const QString &veritabani, const QString &sunucu);
QString Etkilesimli_Baglanti_Metni(const QString &veritabani, const QString &sunucu);

// Fills the session from the command line and opens the connection.
Baslangic_Sonucu Parametre_Oku(MesajKutusu &kutu, const QString &komutSatiri, Oturum oturum);

// Asks for the start-up values in input boxes and opens the connection.
Baslangic_Sonucu Etkilesimli_Baslangic(MesajKutusu &kutu, Oturum oturum);

// The start procedure up to the point where the design chooser is shown.
Baslangic_Sonucu Main(MesajKutusu &kutu, const QString &komutSatiri,
                      const QString &tasarimKlasoru = QString());
