#pragma once

#include "database/KayitKumesi.h"
#include "document/EtiketIcerigi.h"
#include "history/Gecmis.h"
#include "layout/Rapor.h"
#include "printjob/BaskiIsi.h"
#include "printjob/FiyatImleci.h"
#include "printjob/RafDegerleri.h"

#include <QHash>
#include <QList>
#include <QString>

class MesajKutusu;
struct Oturum;
class VeriBaglantisi;
struct RaporKaynagi;

// The label report of one print job: built from its design at every report start,
// fed by the work table BARKODID and the stock tables over the session's
// connection (every statement of the run on it), filled label by label.
class GenelForm : public Rapor {
public:
    // The session must have a connection.
    GenelForm(MesajKutusu &kutu, const Oturum &oturum, BaskiIsi is);
    ~GenelForm() override;

    // Whether initialize must select the printer (not when printing to files), and
    // which one.
    bool Yazici_Gerekli = true;
    QString Yazici_Adi = QStringLiteral("Barkod Yazıcı");
    // How long a run waits for another run on the same database, in seconds.
    int Kilit_Bekleme = 30;

    // The control for the amount in words spells this value (the label's level-1 price).
    QString Rapor_Tutari;

    const TasarimBelgesi &Belge() const { return belge_; }
    const BaskiIsi &Is() const { return is_; }
    const Oturum &Oturumu() const { return oturum_; }

    // Why the run stopped after it started (a price that is no number, a lost
    // connection, report end not written); the run then must not count as done.
    const ::Hata &Durma_Nedeni() const { return durma_; }
    // Labels of items (not empty positions) laid out so far.
    qint64 Etiket_Sayisi() const { return etiket_; }

    // Labels whose price printed empty (no price row, NULL or 0), by item code.
    TasmaListesi Fiyatsizlar{Fiyat_Yok};
    // Pictures, unit prices and codes labels could not show.
    RafEksikleri Raf_Eksikleri;
    // The items printed and their prices, for the print history.
    BasilanStoklar Basilanlar;
    // Every list of labels that did not show what they should, for the after-run report.
    QList<const TasmaListesi *> Eksik_Listeleri() const;

    void Bolum_Duzenle();
    void Duzenle();

    void ActiveReport_Initialize() override;
    Hata ActiveReport_ReportStart() override;
    void Detail_Format() override;
    void Detail_BeforePrint() override;
    void PageHeader_BeforePrint() override;
    void PageFooter_BeforePrint() override;
    void ActiveReport_ReportEnd() override;

    QList<RaporBarkodu *> Barkod_Kontrolleri; // 1-based, entry 0 unused
    QList<RaporEtiketi *> Barkod_Yazilari;    // 1-based, entry 0 unused
    RaporMetinKutusu *txtAna_Birim_Barkod_Tipi = nullptr;
    RaporMetinKutusu *txtAna_Birim_Barkod = nullptr;
    RaporMetinKutusu *txtBas = nullptr;
    // A second cursor over the report query, walked in step with the engine's own
    // (one MoveNext per printed band): the format events read the current row's
    // columns by name through it, as the engine's bound text boxes cannot.
    KayitKumesi Rapor_Kaydi;

private:
    ::Hata isTablosunuDoldur();
    ::Hata durdur();
    QString alanYoklamasi() const;
    void parametreleriSor();
    void barkodlariKur();
    void nesneleriKur();
    RaporEtiketi nesneEtiketi(const NesneKaydi &n);
    bool kilitAl();
    void kilidiBirak();
    QString fiyat(const EtiketIcerigi &i);
    void fiyatlariOku(const QString &stok);
    QString tutarYazisi(bool tl_kurus = false) const;
    void raflariDoldur(const RaporKaynagi &k);
    QDate fiyatTarihi();
    const QList<QPair<QString, double>> &fiyatlar();
    void ondalikMetni(RaporBolumu &b);

    MesajKutusu &kutu_;
    const Oturum &oturum_;
    VeriBaglantisi &baglanti_;
    const BaskiIsi is_;
    const TasarimBelgesi &belge_ = is_.Belge;
    // The value typed for each parameter name in this run; the design keeps its
    // own captions.
    QHash<QString, QString> parametreler_;
    KayitKumesi ortak_;                             // the program's shared updatable record set
    QList<QPair<RaporEtiketi *, bool>> yaziylalar_; // and whether in TL and Kuruş
    // The elements filled at every label, with what they show.
    QList<QPair<RaporEtiketi *, EtiketIcerigi>> degisenler_;
    const int anaFiyat_ = Ana_Fiyat_Seviyesi(belge_);
    ::Hata durma_;
    bool kilitli_ = false;
    qint64 etiket_ = 0;
    // Prices of the current item: (level, price) in query order.
    std::optional<FiyatImleci> fiyatImleci_;
    QString fiyatStok_;
    QList<QPair<QString, double>> fiyatlar_;
    // The shelf elements drawn anew at every label (pictures, codes).
    struct Raf {
        RaporOgesi *kontrol;
        NesneKaydi nesne;
        EtiketIcerigi icerik; // read once, at layout
    };
    QList<Raf> raflar_;
    ResimDeposu resimler_;
    KodOnbellegi kodlar_;
    // The price date: whether STOKFIYAT has Degisim_Tarihi, and the current item's.
    bool fiyatTarihiVar_ = false;
    QDate fiyatTarihi_;
    std::optional<QHash<qint64, Gecmis::GorulenFiyat>> gorulen_; // read when first needed
};

// The prompt that asks a parameter's value at print time.
QString Parametre_Istemi(const QString &ad);
// The value of each parameter name of the design: the one given, else asked once
// (names differ by case; a cancelled question leaves it empty).
QHash<QString, QString> Parametre_Degerleri(MesajKutusu &kutu, const TasarimBelgesi &belge,
                                            const QHash<QString, QString> &verilen = {});
