#include "GenelForm.h"

#include "EtiketDegeri.h"
#include "Fiyat.h"
#include "GecmisKaydi.h"

#include "barcode/BarkodTipleri.h"
#include "core/Birimler.h"
#include "core/MesajKutusu.h"
#include "core/SayiMetni.h"
#include "database/VeriBaglantisi.h"
#include "startup/Baslangic.h"
#include "startup/Bicim.h"
#include "startup/Oturum.h"
#include "startup/Sorgu.h"
#include "startup/Yaziya.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <QThread>
#include <cmath>

namespace {

const QString kilitAdi = QStringLiteral("VARNEL_BARKODID");
constexpr qint64 pgKilidi = 0x56524E4C42524B44; // "VRNLBRKD"

// A text compared "as a number": 0 when it is no number.
double sayi(const QString &metin, const Ayiraclar &a) {
    double d = 0;
    return Sayi_Oku(metin.trimmed(), d, a) ? d : 0;
}

// The engine style of the stock card's barcode type, read as a number in the
// regional form and rounded; the control's own style for a type the report has
// none for.
int motorStili(const QString &tipMetni, int simdiki, const Ayiraclar &a) {
    const double tip = std::round(sayi(tipMetni, a));
    const auto stil = std::abs(tip) < 1e6 ? Stok_Barkod_Tipi_Oku(int(tip)).rapor : std::nullopt;
    return stil ? int(*stil) : simdiki;
}

} // namespace

GenelForm::GenelForm(MesajKutusu &kutu, const Oturum &oturum, BaskiIsi is)
    : kutu_(kutu), oturum_(oturum), baglanti_(*oturum.Baglanti), is_(std::move(is)),
      resimler_(oturum.Tasarim_Klasoru) {
    PageHeader.Visible = false;
    PageFooter.Visible = false;
    Tasma_Anahtari = QStringLiteral("Stok_Kodu");
}

GenelForm::~GenelForm() { kilidiBirak(); }

void GenelForm::ActiveReport_Initialize() {
    if (!Yazici_Gerekli)
        return;
    if (!Yazici_Sec(Yazici_Adi))
        kutu_.MsgBox(QStringLiteral("Lütfen Barkod Yazıcısını Tanımlayın."),
                     MesajKutusu::Dugmeler::Tamam, MesajKutusu::Simge::Bilgi, QString());
}

bool GenelForm::kilitAl() {
    VeriBaglantisi *b = &baglanti_;
    QSqlQuery q(b->Veritabani());
    switch (b->Motoru()) {
    case VeriBaglantisi::Motor::SQLite:
        // The write lock of an immediate transaction: held until report end. The wait
        // goes through the connection's own lock wait, which a stop request ends (a
        // PRAGMA busy_timeout would replace it with SQLite's timer).
        b->Sqlite_Bekleme(Kilit_Bekleme * 1000);
        kilitli_ = q.exec(QStringLiteral("BEGIN IMMEDIATE"));
        b->Sqlite_Bekleme(b->Sorgu_Zaman_Asimi() * 1000);
        break;
    case VeriBaglantisi::Motor::PostgreSQL: {
        QElapsedTimer t;
        t.start();
        while (q.exec(QStringLiteral("SELECT pg_try_advisory_lock(%1)").arg(pgKilidi)) &&
               q.next()) {
            if (q.value(0).toBool()) {
                kilitli_ = true;
                break;
            }
            if (t.elapsed() > Kilit_Bekleme * 1000)
                break;
            QThread::msleep(100);
        }
        break;
    }
    case VeriBaglantisi::Motor::SQLServer:
        kilitli_ = q.exec(QStringLiteral("DECLARE @r int; EXEC @r = sp_getapplock @Resource='%1', "
                                         "@LockMode='Exclusive', @LockOwner='Session', "
                                         "@LockTimeout=%2; SELECT @r")
                              .arg(kilitAdi)
                              .arg(Kilit_Bekleme * 1000)) &&
                   q.next() && q.value(0).toInt() >= 0;
        break;
    }
    // Everything the run writes stays in one transaction until report end, so a run
    // that dies midway leaves no rows behind (SQLite: the immediate transaction).
    if (kilitli_ && b->Motoru() != VeriBaglantisi::Motor::SQLite)
        b->Veritabani().transaction();
    return kilitli_;
}

void GenelForm::kilidiBirak() {
    VeriBaglantisi *b = &baglanti_;
    if (!kilitli_)
        return;
    kilitli_ = false;
    QSqlQuery q(b->Veritabani());
    bool tamam = true;
    switch (b->Motoru()) {
    case VeriBaglantisi::Motor::SQLite:
        tamam = q.exec(QStringLiteral("COMMIT"));
        break;
    case VeriBaglantisi::Motor::PostgreSQL:
        tamam = b->Veritabani().commit();
        q.exec(QStringLiteral("SELECT pg_advisory_unlock(%1)").arg(pgKilidi));
        break;
    case VeriBaglantisi::Motor::SQLServer:
        tamam = b->Veritabani().commit();
        q.exec(QStringLiteral("EXEC sp_releaseapplock @Resource='%1', @LockOwner='Session'")
                   .arg(kilitAdi));
        break;
    }
    if (!tamam && !durma_)
        durma_ = QStringLiteral("Basım sonu veritabanına yazılamadı; iş tablosu boşaltılamadı.");
}

// Empty positions first, then every selected item's labels, in one transaction.
::Hata GenelForm::isTablosunuDoldur() {
    if (!Sorgu_Ac(kutu_, baglanti_, ortak_, QStringLiteral("DELETE FROM BARKODID")))
        return durdur();
    if (!Sorgu_Oku(kutu_, baglanti_, Rapor_Kaydi,
                   QStringLiteral("SELECT Stok_ID FROM STOKKART WHERE ") +
                       Sart_Metni(Is_Sarti(is_, oturum_))) ||
        Rapor_Kaydi.State() != KayitKumesi::Durum::Acik)
        return baglanti_.Koptu ? durdur()
                               : QStringLiteral("Stok kartları okunamadı; basım yapılmadı.");
    bool tamam = Sorgu_Ac(kutu_, baglanti_, ortak_, QStringLiteral("SELECT * FROM BARKODID"));
    for (int i = 1; tamam && i <= is_.Baslangic_Etiketi - 1; ++i)
        tamam = Sorgu_Ac(kutu_, baglanti_, ortak_,
                         QStringLiteral("INSERT INTO BARKODID (ID) VALUES (0)"));
    for (; tamam && !Rapor_Kaydi.EOF_(); Rapor_Kaydi.MoveNext()) {
        const QString id = Rapor_Kaydi.Text(QStringLiteral("Stok_ID"));
        for (int i = 1, n = is_.Adet(qint64(sayi(id, oturum_.ayirac))); tamam && i <= n; ++i)
            tamam = Sorgu_Ac(kutu_, baglanti_, ortak_,
                             QStringLiteral("INSERT INTO BARKODID (ID) VALUES ('") + id +
                                 QStringLiteral("')"));
    }
    Rapor_Kaydi.Close();
    return tamam ? ::Hata() : durdur();
}

::Hata GenelForm::durdur() {
    if (baglanti_.Koptu)
        return durma_ = QStringLiteral("Veritabanı bağlantısı koptu; basım durduruldu.");
    return durma_ ? durma_ : QStringLiteral("İş tablosu hazırlanamadı; basım yapılmadı.");
}

::Hata GenelForm::ActiveReport_ReportStart() {
    const Oturum &o = oturum_;
    durma_ = {};
    etiket_ = 0;
    Fiyatsizlar = TasmaListesi(Fiyat_Yok);
    Raf_Eksikleri = RafEksikleri();
    Basilanlar = BasilanStoklar();
    gorulen_.reset();
    if (::Hata h = resimler_.Sabit_Resimler(belge_))
        return h;
    fiyatStok_.clear();
    fiyatImleci_.reset();
    Data1.Source.clear();
    if (!kilitAl())
        return QStringLiteral("Başka bir basım bu veritabanını kullanıyor; %1 saniye beklendi, "
                              "basım yapılmadı.")
            .arg(Kilit_Bekleme);
    if (::Hata h = isTablosunuDoldur())
        return h;

    const QString sorgu =
        QStringLiteral("SELECT BARKODID.ID as Bas,STOKKART.* "
                       ",ISNULL(STOKFIYAT.Ana_Birim_Fiyat,0)  as Fiyat1 "
                       ",ISNULL(STOKFIYAT.Ana_Birim_Fiyat,0)  as Fiyat2 "
                       ",ISNULL(STOKFIYAT.Ana_Birim_Fiyat,0)  as Fiyat3 "
                       ",ISNULL(STOKFIYAT.Ana_Birim_Fiyat ,0) as Fiyat4 "
                       ",ISNULL(STOKFIYAT.Ana_Birim_Fiyat,0)  as Fiyat5 "
                       ",ISNULL(STOKFIYAT.Ana_Birim_Fiyat,0)  as Fiyat6 "
                       ",ISNULL(STOKFIYAT.Ana_Birim_Fiyat,0)  as Fiyat7 "
                       ",ISNULL(STOKFIYAT.Ana_Birim_Fiyat,0)  as Fiyat8 "
                       ",ISNULL(STOKFIYAT.Ana_Birim_Fiyat,0)  as Fiyat9 "
                       ",ISNULL(STOKFIYAT.Ana_Birim_Fiyat,0)  as Fiyat10 "
                       " FROM BARKODID LEFT JOIN STOKKART ON (STOKKART.Stok_ID=BARKODID.ID)  LEFT "
                       "JOIN STOKFIYAT ON (STOKKART.Stok_ID=STOKFIYAT.Stok_ID AND "
                       "STOKFIYAT.Fiyat_Sira_No=1) WHERE ") +
        Sart_Metni(Is_Sarti(is_, o)) + QStringLiteral(" OR BARKODID.ID=0 ORDER BY BARKODID.ID");
    Data1.ConnectionString = Komut_Satiri_Baglanti_Metni(o.Sql_Kullanici.toString(), o.Sql_Sifre,
                                                         o.Veritabani_Adi, o.Sunucu_Adi);
    Veri_Baglantisi = &baglanti_; // the report reads the rows written in this run's transaction
    if (!Sorgu_Oku(kutu_, baglanti_, Rapor_Kaydi, sorgu))
        return durdur();
    Bolum_Duzenle();
    Duzenle();
    // A field the query lacks would print as empty on every label: stop instead.
    if (const QString eksik = alanYoklamasi(); !eksik.isEmpty()) {
        Rapor_Kaydi.Close();
        return eksik;
    }
    Data1.Source = sorgu;
    return {};
}

void GenelForm::ActiveReport_ReportEnd() {
    Rapor_Kaydi.Close();
    ortak_.Close();
    fiyatImleci_.reset();
    // Without the lock the rows belong to another run: leave them alone.
    if (!kilitli_)
        return;
    if (!Sorgu_Ac(kutu_, baglanti_, ortak_, QStringLiteral("DELETE FROM BARKODID")))
        durma_ = durdur();
    kilidiBirak();
}

// Prices are read once per run, walked in step with the labels (items come in
// ascending id from the work table).
void GenelForm::fiyatlariOku(const QString &stok) {
    fiyatStok_ = stok;
    fiyatlar_.clear();
    fiyatTarihi_ = QDate();
    const qint64 id = qint64(sayi(stok, oturum_.ayirac));
    if (is_.Kayitli_Fiyatlar) { // a run printed again: its recorded prices
        fiyatlar_ = is_.Kayitli_Fiyatlar->value(id);
        return;
    }
    if (!fiyatImleci_)
        fiyatImleci_.emplace(kutu_, baglanti_, QStringLiteral("SELECT ID FROM BARKODID"),
                             fiyatTarihiVar_);
    if (auto f = fiyatImleci_->Oku(id)) {
        fiyatlar_ = std::move(f->fiyatlar);
        fiyatTarihi_ = f->tarih;
    }
}

const QList<QPair<QString, double>> &GenelForm::fiyatlar() {
    const QString stok = Rapor_Kaydi.Text(QStringLiteral("Stok_ID"));
    if (stok != fiyatStok_)
        fiyatlariOku(stok);
    return fiyatlar_;
}

QString GenelForm::fiyat(const EtiketIcerigi &i) {
    const std::optional<double> p = Fiyat_Degeri(i.seviye, i.milyon, fiyatlar());
    if (!p)
        return QString();
    // No digits stand for an infinity: the run stops and names the item.
    if (!std::isfinite(*p)) {
        if (!durma_)
            durma_ =
                Sayi_Olmayan_Fiyat_Mesaji.arg(Rapor_Kaydi.Text(QStringLiteral("Stok_Kodu")), i.ad);
        return QString();
    }
    return Fiyat_Metni(*p, i.ondalik, oturum_.ayirac);
}

void GenelForm::Detail_Format() {
    const Ayiraclar &a = oturum_.ayirac;
    if (sayi(txtBas->Text, a) == 0)
        return; // an empty label position
    ++etiket_;
    for (qsizetype i = 1; i < Barkod_Kontrolleri.size(); ++i) {
        RaporBarkodu *b = Barkod_Kontrolleri[i];
        b->setStyle(motorStili(txtAna_Birim_Barkod_Tipi->Text, b->Style(), a));
        const QString n = txtAna_Birim_Barkod->Text.trimmed();
        b->setCaption(Semboloji_Bilgisi(Stil_Sembolu(b->Style())).stil_govde_alir
                          ? n.chopped(qMin<qsizetype>(1, n.size()))
                          : n);
        Barkod_Yazilari[i]->caption = n;
    }
    // The label's own price printing empty (no row, NULL or 0) is told after the run.
    bool fiyatsiz = false;
    if (!yaziylalar_.isEmpty()) {
        Rapor_Tutari = fiyat(Fiyat_Icerigi(1));
        fiyatsiz = Rapor_Tutari.isEmpty() && anaFiyat_ == 1;
        if (Rapor_Tutari.isEmpty())
            Rapor_Tutari = QStringLiteral("0");
        for (const auto &[e, tl] : yaziylalar_)
            e->caption = tutarYazisi(tl);
    }
    RaporKaynagi k;
    k.sutun = [this](const QString &alan) { return Rapor_Kaydi.Text(alan); };
    k.fiyat = [this](const EtiketIcerigi &i) { return fiyat(i); };
    k.fiyat_degeri = [this](int seviye) { return Fiyat_Degeri(seviye, false, fiyatlar()); };
    k.fiyat_tarihi = [this] { return fiyatTarihi(); };
    k.ayirac = a;
    raflariDoldur(k);
    const QString kod = Rapor_Kaydi.Text(QStringLiteral("Stok_Kodu")).trimmed();
    Basilanlar.Ekle(qint64(sayi(Rapor_Kaydi.Text(QStringLiteral("Stok_ID")), a)), kod, fiyatlar());
    bool birimsiz = false;
    for (const auto &[e, icerik] : degisenler_) {
        e->caption = Rapor_Etiket_Degeri(icerik, k);
        fiyatsiz |= Ana_Fiyat_Mi(icerik, anaFiyat_) && e->caption.trimmed().isEmpty();
        birimsiz |= icerik.tur == EtiketIcerigi::Tur::Birim_Fiyat && e->caption.isEmpty();
    }
    if (fiyatsiz)
        Fiyatsizlar.Ekle(kod);
    if (birimsiz)
        Raf_Eksikleri.birim_fiyatsiz.Ekle(kod);
}

// Pictures and codes for the current item, through the one builder.
void GenelForm::raflariDoldur(const RaporKaynagi &k) {
    if (raflar_.isEmpty())
        return;
    RafKaynagi r;
    r.deger = [this, &k](const QString &ad) {
        return Kod_Degeri(
            ad, k.sutun,
            [this](int seviye, bool milyon) { return Fiyat_Degeri(seviye, milyon, fiyatlar()); },
            k.ayirac);
    };
    r.resimler = &resimler_;
    r.kodlar = &kodlar_;
    r.eksik = &Raf_Eksikleri;
    r.stok = Rapor_Kaydi.Text(QStringLiteral("Stok_Kodu")).trimmed();
    for (const Raf &f : raflar_) {
        RaporOgesi *kontrol = f.kontrol;
        const QRectF alan(kontrol->Left, kontrol->Top, kontrol->Width, kontrol->Height);
        kontrol->oge = Raf_Ogesi(f.nesne, f.icerik, alan, r);
    }
}

QDate GenelForm::fiyatTarihi() {
    fiyatlar();
    if (fiyatTarihi_.isValid())
        return fiyatTarihi_;
    // No date of its own: when the history first saw the price, else today.
    if (!gorulen_)
        gorulen_ = Gorulen_Fiyatlar(oturum_);
    return Gecmisten_Fiyat_Tarihi(*gorulen_, qint64(sayi(fiyatStok_, oturum_.ayirac)),
                                  Fiyat_Degeri(1, false, fiyatlar_));
}

QList<const TasmaListesi *> GenelForm::Eksik_Listeleri() const {
    return QList<const TasmaListesi *>{&Fiyatsizlar} + Raf_Eksikleri.Listeler();
}

void GenelForm::ondalikMetni(RaporBolumu &b) {
    for (int i = 0; i < b.Count(); ++i) {
        auto *k = dynamic_cast<RaporMetinKutusu *>(b.Item(i));
        if (!k || k->OutputFormat.isEmpty())
            continue;
        const QString v = Deger_Metni(k->DataValue, oturum_.ayirac.ondalik);
        const qsizetype virgul = v.indexOf(u',');
        if (virgul >= 0) {
            QString w = v.left(virgul), f = v.mid(virgul + 1);
            while (f.size() < 2)
                f += u'0';
            if (w.isEmpty())
                w = QStringLiteral("0");
            k->Text = w + u',' + f;
        } else if (sayi(v, oturum_.ayirac) == 0 && !v.trimmed().isEmpty()) {
            k->Text = QStringLiteral("0,00");
        } else {
            k->Text += QStringLiteral("00");
        }
    }
}

void GenelForm::Detail_BeforePrint() {
    static const QStringList gizliAdlar = {QStringLiteral("txtAna_Birim_Barkod_Tipi"),
                                           QStringLiteral("txtAna_Birim_Barkod"),
                                           QStringLiteral("txtBas"), QStringLiteral("Data1")};
    const bool bos = sayi(txtBas->Text, oturum_.ayirac) == 0;
    for (int i = 0; i < Detail.Count(); ++i) {
        RaporKontrolu *k = Detail.Item(i);
        if (!gizliAdlar.contains(k->Name))
            k->Visible = !bos;
    }
    ondalikMetni(Detail);
    Rapor_Kaydi.MoveNext();
}

void GenelForm::PageHeader_BeforePrint() { ondalikMetni(PageHeader); }

void GenelForm::PageFooter_BeforePrint() { ondalikMetni(PageFooter); }
