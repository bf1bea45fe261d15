#pragma once

#include "core/Hata.h"
#include "history/Gecmis.h"

#include <QList>
#include <QString>
#include <memory>
#include <optional>

class MesajKutusu;
struct BaskiIsi;
struct Oturum;
struct TasarimBelgesi;

// What a print run writes into the print history, and what --changed reads from it.

// Records a finished run (its file in place, or its job accepted) with the items and
// prices it printed. The history never fails a print: what went wrong comes back as
// the one warning to show.
std::optional<QString> Basimi_Kaydet(const Oturum &oturum, const BaskiIsi &is, const QString &cikti,
                                     bool dogrudan, const BasilanStoklar &stoklar,
                                     const Gecmis &gecmis = Gecmis());
// The same in two steps, so that the record is written while the output is made
// final: Basimi_Onayla keeps it once it is; dropped unconfirmed, it is not kept.
struct BasimKaydi {
    std::unique_ptr<GecmisYazimi> yazim;
    std::optional<QString> uyari;
};
BasimKaydi Basimi_Yaz(const Oturum &oturum, const BaskiIsi &is, const QString &cikti, bool dogrudan,
                      const BasilanStoklar &stoklar, const Gecmis &gecmis = Gecmis());
std::optional<QString> Basimi_Onayla(BasimKaydi &kayit);

// A digest of the design file as it is now (empty when it cannot be read).
QByteArray Tasarim_Ozeti(const QString &klasor, const QString &ad);

// The items of the session's condition whose price on a level the design prints differs
// from what the last recorded run on this database printed, or that no run printed; in
// item order.
Sonuc<QList<qint64>> Fiyati_Degisenler(MesajKutusu &kutu, const Oturum &oturum,
                                       const TasarimBelgesi &belge,
                                       const Gecmis &gecmis = Gecmis());

// When a price applies from, the database keeping no date for it: the day the history
// first saw the item's level-1 price if it still prints that price; else today.
QDate Gecmisten_Fiyat_Tarihi(const QHash<qint64, Gecmis::GorulenFiyat> &gorulen, qint64 stok,
                             std::optional<double> fiyat);
// What the history saw of this database's prices; nothing said when it cannot be read.
QHash<qint64, Gecmis::GorulenFiyat> Gorulen_Fiyatlar(const Oturum &oturum,
                                                     const Gecmis &gecmis = Gecmis());

// The condition narrowed to the items `idler`.
QString Stok_Listesi_Sarti(const QString &sart, const QList<qint64> &idler);

// Each item's labels from the STOKKART column `sutun` for the session's items: the whole
// number it holds; 0, empty or no number gives none, a negative number none and its item
// code in `eksiler`. A count over 32,767 refuses the run before it starts.
Sonuc<QHash<qint64, int>> Sutun_Adetleri(MesajKutusu &kutu, const Oturum &oturum,
                                         const QString &sutun, QStringList &eksiler);

// A recorded run made ready to print again: its items only (the job's own condition),
// each with its recorded count and prices, its parameters; `degisti` says whether its
// design file changed since. Refused for a run of another database.
Hata Yeniden_Hazirla(const GecmisBasim &b, const Oturum &oturum, BaskiIsi &is, bool &degisti);
inline const QString Tasarim_Degisti_Mesaji =
    QStringLiteral("Tasarım dosyası o basımdan sonra değişti; bugünkü tasarımla basılıyor: %1");

inline const QString Degisen_Yok_Mesaji = QStringLiteral("Fiyatı değişen stok yok.");
