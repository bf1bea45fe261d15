#include "GenelForm.h"

#include "components/MesajKutusu.h"
#include "components/VeriBaglantisi.h"
#include "startup/Baslangic.h"
#include "startup/Bicim.h"
#include "startup/Birimler.h"
#include "startup/Degiskenler.h"
#include "startup/SayiMetni.h"
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
double sayi(const QString &metin) {
    double d = 0;
    return Sayi_Oku(metin.trimmed(), d) ? d : 0;
}

int motorStili(const QString &tipMetni, int simdiki) {
    switch (int(std::lround(sayi(tipMetni)))) {
    case 0:
        return 0;
    case 1:
        return 18;
    case 2:
        return 17;
    case 3:
        return 6;
    case 4:
        return 12;
    case 5:
        return 8;
    case 6:
        return 19;
    default:
        return simdiki; // the style stays what the control has
    }
}

// Decimal count of a control's format part: characters after its first ".".
int ondalikSayisi(const QString &bicim) {
    const qsizetype nokta = bicim.indexOf(u'.');
    return nokta < 0 ? -1 : int(bicim.size() - nokta - 1);
}

} // namespace

GenelForm::GenelForm(MesajKutusu &kutu) : kutu_(kutu) {
    PageHeader.Visible = false;
    PageFooter.Visible = false;
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
    VeriBaglantisi *b = Degiskenler::Baglanti;
    if (!b)
        return false;
    QSqlQuery q(b->Veritabani());
    switch (b->Motoru()) {
    case VeriBaglantisi::Motor::SQLite:
        // The write lock of an immediate transaction: held until report end.
        q.exec(QStringLiteral("PRAGMA busy_timeout=%1").arg(Kilit_Bekleme * 1000));
        kilitli_ = q.exec(QStringLiteral("BEGIN IMMEDIATE"));
        q.exec(QStringLiteral("PRAGMA busy_timeout=%1")
                   .arg(VeriBaglantisi::Baglanti_Zaman_Asimi * 1000));
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
    VeriBaglantisi *b = Degiskenler::Baglanti;
    if (!kilitli_ || !b)
        return;
    kilitli_ = false;
    QSqlQuery q(b->Veritabani());
    switch (b->Motoru()) {
    case VeriBaglantisi::Motor::SQLite:
        q.exec(QStringLiteral("COMMIT"));
        break;
    case VeriBaglantisi::Motor::PostgreSQL:
        b->Veritabani().commit();
        q.exec(QStringLiteral("SELECT pg_advisory_unlock(%1)").arg(pgKilidi));
        break;
    case VeriBaglantisi::Motor::SQLServer:
        b->Veritabani().commit();
        q.exec(QStringLiteral("EXEC sp_releaseapplock @Resource='%1', @LockOwner='Session'")
                   .arg(kilitAdi));
        break;
    }
}

void GenelForm::ActiveReport_ReportStart() {
    using namespace Degiskenler;
    hata_.clear();
    etiket_ = 0;
    fiyatStok_.clear();
    fiyatKaydi_.Close();
    fiyatAcik_ = false;
    if (!kilitAl()) {
        hata_ = QStringLiteral("Başka bir basım bu veritabanını kullanıyor; %1 saniye beklendi, "
                               "basım yapılmadı.")
                    .arg(Kilit_Bekleme);
        return;
    }
    VeriBaglantisi *b = Baglanti;
    // The run's transaction (taken with the lock) holds every insert: one disk sync.

    Sorgu_Ac(kutu_, ortak_, QStringLiteral("DELETE FROM BARKODID"));
    Sorgu_Oku(kutu_, Rapor_Kaydi,
              QStringLiteral("SELECT Stok_ID FROM STOKKART WHERE ") + Stok_Sarti);
    if (Rapor_Kaydi.State() != KayitKumesi::Durum::Acik) {
        hata_ = QStringLiteral("Stok kartları okunamadı; basım yapılmadı.");
        return;
    }
    Sorgu_Ac(kutu_, ortak_, QStringLiteral("SELECT * FROM BARKODID"));
    if (Baslangic_Etiketi != 1)
        for (int i = 1; i <= Baslangic_Etiketi - 1; ++i)
            Sorgu_Ac(kutu_, ortak_, QStringLiteral("INSERT INTO BARKODID (ID) VALUES (0)"));
    for (; !Rapor_Kaydi.EOF_(); Rapor_Kaydi.MoveNext()) {
        const QString id = Rapor_Kaydi.Text(QStringLiteral("Stok_ID"));
        for (int i = 1; i <= Etiket_Adedi; ++i)
            Sorgu_Ac(kutu_, ortak_,
                     QStringLiteral("INSERT INTO BARKODID (ID) VALUES ('") + id +
                         QStringLiteral("')"));
    }
    Rapor_Kaydi.Close();

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
        Stok_Sarti + QStringLiteral(" OR BARKODID.ID=0 ORDER BY BARKODID.ID");
    Data1.ConnectionString = Komut_Satiri_Baglanti_Metni(Sql_Kullanici.toString(), Sql_Sifre,
                                                         Veritabani_Adi, Sunucu_Adi);
    Data1.Source = sorgu;
    Veri_Baglantisi = b; // the report reads the rows written in this run's transaction
    Sorgu_Oku(kutu_, Rapor_Kaydi, sorgu);
    Bolum_Duzenle();
    Duzenle();
}

void GenelForm::ActiveReport_ReportEnd() {
    Rapor_Kaydi.Close();
    ortak_.Close();
    fiyatKaydi_.Close();
    // Without the lock the rows belong to another run: leave them alone.
    if (!kilitli_)
        return;
    Sorgu_Ac(kutu_, ortak_, QStringLiteral("DELETE FROM BARKODID"));
    kilidiBirak();
}

void GenelForm::Bolum_Duzenle() {
    const TasarimBelgesi &d = Degiskenler::Belge;
    PageSettings.LeftMargin = d.Sol_Bosluk;
    PageSettings.RightMargin = d.Sag_Bosluk;
    PageSettings.TopMargin = d.Ust_Bosluk;
    PageSettings.BottomMargin = d.Alt_Bosluk;
    Printer.Orientation = Yuvarla_Cift(sayi(d.Yazici_Durum));
    Printer.PaperSize = Yuvarla_Cift(d.Kagit_Boyutu);
    // A paper the engine does not know (a barcode printer's label stock) is as big
    // as the label area.
    const DetayKaydi alan = d.Detaylar.value(1);
    if (alan.Width > 0 && alan.Height > 0)
        Printer.OzelKagit = QSizeF(alan.Width, alan.Height);
    PrintWidth = float(Printer.PaperWidth()) - float(PageSettings.LeftMargin) -
                 float(PageSettings.RightMargin);
    Detail.Height = float(Printer.PaperHeight()) - float(PageSettings.TopMargin) -
                    float(PageSettings.BottomMargin);
    Detail.ColumnCount = 1;
    Detail.ColumnSpacing = 0;
    if (d.Tip == 1) {
        Detail.Height = Mm_Twip(double(d.Etiket_Dikey) + double(d.Etiket_Boy));
        const qint32 adim = Mm_Twip(double(d.Etiket_Yatay) + double(d.Etiket_Genislik));
        const double sutun = adim > 0 ? double(PrintWidth) / adim : 1;
        Detail.ColumnCount = qint16(qBound(1, Yuvarla_Cift(sutun), 32767));
        Detail.ColumnSpacing = Mm_Twip(double(d.Etiket_Yatay));
    }
    PageHeader.Visible = false;
    PageFooter.Visible = false;
}

void GenelForm::Duzenle() {
    TasarimBelgesi &d = Degiskenler::Belge;
    // Pass 1: parameters, asked once per name.
    for (qsizetype i = 0; i < d.Nesneler.size(); ++i) {
        NesneKaydi &n = d.Nesneler[i];
        if (!n.Tag.startsWith(QLatin1String("PR_")))
            continue;
        const QString ad = n.Tag.mid(3);
        bool bulundu = false;
        for (qsizetype j = 0; j < i && !bulundu; ++j)
            if (d.Nesneler[j].Tag.startsWith(QLatin1String("PR_")) &&
                d.Nesneler[j].Tag.mid(3) == ad) {
                n.Caption = d.Nesneler[j].Caption;
                bulundu = true;
            }
        if (!bulundu)
            n.Caption = kutu_
                            .InputBox(ad + QStringLiteral(
                                               " Parametresinin Basım İçinOlan Değerini Giriniz"),
                                      QString(), QString())
                            .value_or(QString());
    }

    Detail.Temizle();
    yaziylalar_.clear();
    const auto metinKutusu = [this](const char *ad, const char *alan) {
        auto *k = Detail.Ekle_<RaporMetinKutusu>(QString::fromLatin1(ad));
        k->DataField = QString::fromLatin1(alan);
        k->Visible = false;
        return k;
    };
    txtAna_Birim_Barkod_Tipi = metinKutusu("txtAna_Birim_Barkod_Tipi", "Ana_Birim_Barkod_Tipi");
    txtAna_Birim_Barkod = metinKutusu("txtAna_Birim_Barkod", "Ana_Birim_Barkod");
    txtBas = metinKutusu("txtBas", "Bas");

    // Pass 2: barcodes, each with its caption strip.
    Barkod_Kontrolleri = {nullptr};
    Barkod_Yazilari = {nullptr};
    constexpr double serit = 190; // Yazi_Seridi
    for (qsizetype i = 1; i < d.Barkodlar.size(); ++i) {
        const BarkodKaydi &k = d.Barkodlar[i];
        auto *b =
            static_cast<RaporBarkodu *>(Detail.Ekle(QStringLiteral("DDActiveReports2.Barcode")));
        b->CaptionPosition = 0;
        b->Direction = (k.Orientation == 900 || k.Orientation == 2700) ? 2 : 0;
        b->Alignment = 2;
        b->BarWidth = 0;
        b->setStyle(18);
        const double L = Mm_Twip(double(k.Left)), T = Mm_Twip(double(k.Top));
        const double W = Mm_Twip(double(k.Width)), H = Mm_Twip(double(k.Height));
        b->Left = L, b->Top = T, b->Height = H, b->Width = W;
        b->BackColor = k.BackColor;
        b->ForeColor = k.ForeColor;
        Barkod_Kontrolleri.append(b);

        auto *y =
            static_cast<RaporEtiketi *>(Detail.Ekle(QStringLiteral("DDActiveReports2.Label")));
        y->Font.Name = k.FontName;
        y->Font.Size = k.FontSize;
        y->Font.Bold = k.FontBold;
        y->Font.Italic = k.FontItalic;
        y->Font.Underline = k.FontUnderline;
        y->Font.Strikethrough = k.FontStrikethru;
        y->ForeColor = k.ForeColor;
        y->BackColor = k.BackColor;
        switch (k.Orientation) {
        case 900:
            y->Angle = 2700, y->Left = L, y->Top = T, y->Width = serit, y->Height = H;
            y->Alignment = 0, y->VerticalAlignment = 1;
            b->Width = W - serit, b->Left = L + serit;
            break;
        case 1800:
            y->Angle = 1800, y->Left = L, y->Top = T, y->Width = W, y->Height = serit;
            y->Alignment = 2, y->VerticalAlignment = 2;
            b->Height = H - serit, b->Top = T + serit;
            break;
        case 2700:
            y->Angle = 900, y->Left = L + W - serit, y->Top = T, y->Width = serit, y->Height = H;
            y->Alignment = 1, y->VerticalAlignment = 1;
            b->Width = W - serit;
            break;
        default:
            y->Angle = 0, y->Left = L, y->Top = T + H - serit, y->Width = W, y->Height = serit;
            y->Alignment = 2, y->VerticalAlignment = 0;
            b->Height = H - serit;
            break;
        }
        Barkod_Yazilari.append(y);
    }
    // Pass 3: one control per element of the label area.
    for (qsizetype i = 1; i < d.Nesneler.size(); ++i) {
        const NesneKaydi &n = d.Nesneler[i];
        const QString tur = n.Tur.trimmed();
        if (n.Bolum_No != 0 || (tur != u"E" && tur != u"A" && tur != u"D" && tur != u"Y"))
            continue;
        auto *e =
            static_cast<RaporEtiketi *>(Detail.Ekle(QStringLiteral("DDActiveReports2.Label")));
        if (tur == u"E") {
            e->caption = n.Caption;
        } else if (tur == u"A" && n.Caption == u"Yazıyla") {
            e->caption = tutarYazisi();
            yaziylalar_.append(e);
        } else if (tur == u"A" && n.Tag.startsWith(QLatin1String("F_"))) {
            e->Tag = n.Caption + u';' + n.Tag.mid(2);
        } else if (tur == u"A" && n.Tag.startsWith(QLatin1String("O_"))) {
            const QString kod = n.Tag.mid(2).trimmed();
            if (kod == u"Firma_Kod")
                e->caption = Degiskenler::Veritabani_Adi;
            else if (kod == u"Firma_Ad")
                e->caption = Degiskenler::Firma_Unvani;
            else if (kod == u"Tarih")
                e->caption = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
            else if (kod == u"Saat")
                e->caption = QTime::currentTime().toString(QStringLiteral("HH:mm:ss"));
            else
                e->Tag = u';' + n.Tag;
        } else if (tur == u"A") {
            e->Tag = n.Caption;
        }
        e->MultiLine = true;
        e->Angle = n.Escapement * 10;
        e->Left = Mm_Twip(double(n.Left));
        e->Top = Mm_Twip(double(n.Top));
        e->Height = Mm_Twip(double(n.Height));
        e->Width = Mm_Twip(double(n.Width));
        e->Font.Name = n.FontName;
        e->Font.Size = n.FontSize;
        e->Font.Bold = n.FontBold;
        e->Font.Italic = n.FontItalic;
        e->ForeColor = n.ForeColor;
        e->Font.Underline = n.FontUnderline;
        e->Font.Strikethrough = n.FontStrikethru;
        e->Font.Charset = 162;
        e->BackStyle = 1;
        e->BackColor = n.BackColor;
        e->Alignment = n.Alignment;
    }
}

QString GenelForm::tutarYazisi() const {
    const QString &s = Rapor_Tutari;
    const qsizetype k = s.indexOf(u',');
    if (k < 0)
        return Yaziya_Cevir(s) + QStringLiteral("YTL");
    QString w = s.left(k), f = s.mid(k + 1);
    if (f.size() == 1)
        f += u'0';
    if (w.isEmpty())
        w = QStringLiteral("0");
    return Yaziya_Cevir(w) + QStringLiteral(" YTL ") + Yaziya_Cevir(f) +
           QStringLiteral(" Yeni Kuruş");
}

QString GenelForm::fiyat(const QString &alan, int ondalik) {
    QString ad = alan;
    double carpan = 1;
    if (ad.startsWith(QLatin1String("TL_"))) {
        ad = ad.mid(3);
        carpan = 1000000;
    }
    // Prices are read once per run: one cursor over the prices of every item in the
    // work table, in item order, walked in step with the labels (items come in
    // ascending id), so an item's prices serve all its copies and memory stays flat.
    const QString stok = Rapor_Kaydi.Text(QStringLiteral("Stok_ID"));
    if (stok != fiyatStok_) {
        fiyatStok_ = stok;
        fiyatlar_.clear();
        if (!fiyatAcik_) {
            fiyatAcik_ = true;
            Sorgu_Oku(kutu_, fiyatKaydi_,
                      QStringLiteral("SELECT STOKFIYAT.Stok_ID,STOKFIYAT.Fiyat_Sira_No,"
                                     "STOKFIYAT.Ana_Birim_Fiyat FROM STOKFIYAT WHERE "
                                     "STOKFIYAT.Stok_ID IN (SELECT ID FROM BARKODID) ORDER BY "
                                     "STOKFIYAT.Stok_ID,STOKFIYAT.Fiyat_Sira_No"));
        }
        const double hedef = sayi(stok);
        const auto acik = [this] {
            return fiyatKaydi_.State() == KayitKumesi::Durum::Acik && !fiyatKaydi_.EOF_();
        };
        while (acik() && fiyatKaydi_.Number(QStringLiteral("Stok_ID")) < hedef)
            fiyatKaydi_.MoveNext();
        for (; acik() && fiyatKaydi_.Number(QStringLiteral("Stok_ID")) == hedef;
             fiyatKaydi_.MoveNext())
            fiyatlar_.append({fiyatKaydi_.Text(QStringLiteral("Fiyat_Sira_No")),
                              fiyatKaydi_.Number(QStringLiteral("Ana_Birim_Fiyat"))});
    }
    std::optional<double> p;
    static const QStringList seviyeler = [] {
        QStringList s;
        for (int i = 1; i <= 10; ++i)
            s << QStringLiteral("Fiyat%1").arg(i);
        return s;
    }();
    const int seviye = int(seviyeler.indexOf(ad)) + 1;
    for (const auto &[sira, deger] : fiyatlar_)
        if (seviye == 0 || int(sayi(sira)) == seviye) {
            p = deger;
            break;
        }
    if (!p || *p == 0)
        return QString();
    const QString metin = Deger_Metni(QVariant(*p * carpan));
    if (ondalik == -1)
        return metin;
    qint16 d = qint16(ondalik);
    return Sayi_Bicimle(Sayi_Yuvarla(metin, d), d);
}

void GenelForm::Detail_Format() {
    if (sayi(txtBas->Text) == 0)
        return; // an empty label position
    ++etiket_;
    for (qsizetype i = 1; i < Barkod_Kontrolleri.size(); ++i) {
        RaporBarkodu *b = Barkod_Kontrolleri[i];
        b->setStyle(motorStili(txtAna_Birim_Barkod_Tipi->Text, b->Style()));
        const QString n = txtAna_Birim_Barkod->Text.trimmed();
        b->setCaption(b->Style() == 17 || b->Style() == 18 ? n.chopped(qMin<qsizetype>(1, n.size()))
                                                           : n);
        Barkod_Yazilari[i]->caption = n;
    }
    if (!yaziylalar_.isEmpty()) {
        Rapor_Tutari = fiyat(QStringLiteral("Fiyat1"), -1);
        if (Rapor_Tutari.isEmpty())
            Rapor_Tutari = QStringLiteral("0");
        for (RaporEtiketi *e : yaziylalar_)
            e->caption = tutarYazisi();
    }
    for (int i = 0; i < Detail.Count(); ++i) {
        auto *e = dynamic_cast<RaporEtiketi *>(Detail.Item(i));
        if (!e || e->Tag.isEmpty())
            continue;
        const qsizetype ayirac = e->Tag.indexOf(u';');
        const QString alan = ayirac < 0 ? e->Tag : e->Tag.left(ayirac);
        const QString bicim = ayirac < 0 ? QString() : e->Tag.mid(ayirac + 1);
        const int d = ondalikSayisi(bicim);
        if (alan.contains(QLatin1String("Fiyat"))) {
            e->caption = fiyat(alan, d);
        } else if (alan.isEmpty()) {
            e->caption = Tarih_Deseni(QDateTime::currentDateTime(), bicim.mid(7));
        } else {
            const QString v = Rapor_Kaydi.Text(alan);
            if (d == -1) {
                e->caption = v;
            } else {
                qint16 dd = qint16(d);
                e->caption = Sayi_Bicimle(Sayi_Yuvarla(v, dd), dd);
            }
        }
    }
}

void GenelForm::ondalikMetni(RaporBolumu &b) {
    for (int i = 0; i < b.Count(); ++i) {
        auto *k = dynamic_cast<RaporMetinKutusu *>(b.Item(i));
        if (!k || k->OutputFormat.isEmpty())
            continue;
        const QString v = Deger_Metni(k->DataValue);
        const qsizetype virgul = v.indexOf(u',');
        if (virgul >= 0) {
            QString w = v.left(virgul), f = v.mid(virgul + 1);
            while (f.size() < 2)
                f += u'0';
            if (w.isEmpty())
                w = QStringLiteral("0");
            k->Text = w + u',' + f;
        } else if (sayi(v) == 0 && !v.trimmed().isEmpty()) {
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
    const bool bos = sayi(txtBas->Text) == 0;
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
