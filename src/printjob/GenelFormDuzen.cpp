// The label report's layout: page settings and one control per design element,
// built at every report start from the design the report was given.
#include "GenelForm.h"

#include "EtiketDegeri.h"

#include "Fiyat.h"

#include "core/Birimler.h"
#include "core/MesajKutusu.h"
#include "layout/NesneCizimi.h"
#include "startup/Oturum.h"
#include "startup/Yaziya.h"

#include <QDate>
#include <QTime>

QString Parametre_Istemi(const QString &ad) {
    return ad + QStringLiteral(" Parametresinin Basım İçinOlan Değerini Giriniz");
}

QHash<QString, QString> Parametre_Degerleri(MesajKutusu &kutu, const TasarimBelgesi &belge,
                                            const QHash<QString, QString> &verilen) {
    QHash<QString, QString> degerler;
    for (const QString &ad : Parametre_Adlari(belge))
        degerler.insert(ad,
                        verilen.contains(ad)
                            ? verilen.value(ad)
                            : kutu.InputBox(Parametre_Istemi(ad), QString()).value_or(QString()));
    return degerler;
}

void GenelForm::Bolum_Duzenle() {
    const TasarimBelgesi &d = belge_;
    PageSettings.LeftMargin = d.Sol_Bosluk;
    PageSettings.RightMargin = d.Sag_Bosluk;
    PageSettings.TopMargin = d.Ust_Bosluk;
    PageSettings.BottomMargin = d.Alt_Bosluk;
    double yon = 0;
    Printer.Orientation =
        Sayi_Oku(d.Yazici_Durum.trimmed(), yon, oturum_.ayirac) ? Yuvarla_Cift(yon) : 0;
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
    parametreleriSor();
    Detail.Temizle();
    yaziylalar_.clear();
    degisenler_.clear();
    raflar_.clear();
    const auto metinKutusu = [this](const char *ad, const char *alan) {
        auto *k = Detail.Ekle_<RaporMetinKutusu>(QString::fromLatin1(ad));
        k->DataField = QString::fromLatin1(alan);
        k->Visible = false;
        return k;
    };
    txtAna_Birim_Barkod_Tipi = metinKutusu("txtAna_Birim_Barkod_Tipi", "Ana_Birim_Barkod_Tipi");
    txtAna_Birim_Barkod = metinKutusu("txtAna_Birim_Barkod", "Ana_Birim_Barkod");
    txtBas = metinKutusu("txtBas", "Bas");
    barkodlariKur();
    nesneleriKur();
}

// The answers live in the report, not in the design.
void GenelForm::parametreleriSor() {
    parametreler_ = Parametre_Degerleri(kutu_, belge_, is_.Parametre_Degerleri);
}

void GenelForm::barkodlariKur() {
    Barkod_Kontrolleri = {nullptr};
    Barkod_Yazilari = {nullptr};
    for (const BarkodKaydi &k : belge_.Barkod_Ogeleri()) {
        BarkodKontrolleri c = ::Barkod_Kontrolleri(k);
        Barkod_Kontrolleri.append(Detail.Ekle_(std::move(c.cubuklar), QString()));
        Barkod_Yazilari.append(Detail.Ekle_(std::move(c.yazi), QString()));
    }
}

// One control per element: a fixed caption is set here, a changing one at every
// label.
void GenelForm::nesneleriKur() {
    const RaporSabitleri sabit{parametreler_, oturum_.Firma_Unvani, oturum_.Veritabani_Adi,
                               tutarYazisi()};
    for (const NesneKaydi &n : belge_.Nesne_Ogeleri()) {
        if (n.Bolum_No != 0 || n.Turu() == Nesne_Turu::Taninmayan)
            continue;
        const EtiketIcerigi icerik = Nesne_Icerigi(n);
        if (icerik.tur == EtiketIcerigi::Tur::Resim || icerik.tur == EtiketIcerigi::Tur::Kod) {
            RaporOgesi o;
            const QRectF a = Nesne_Alani(n);
            o.Left = a.left(), o.Top = a.top(), o.Width = a.width(), o.Height = a.height();
            raflar_.append({Detail.Ekle_(std::move(o), QString()), n, icerik});
            continue;
        }
        if (icerik.tur == EtiketIcerigi::Tur::Fiyat_Tarihi && !fiyatTarihiVar_)
            fiyatTarihiVar_ = Fiyat_Tarihi_Sutunu_Var(baglanti_);
        RaporEtiketi *e = Detail.Ekle_(Nesne_Kontrolu(n), QString());
        if (Rapor_Etiketinde_Degisir(icerik))
            degisenler_.append({e, icerik});
        else
            e->caption = Rapor_Sabit_Metni(icerik, sabit);
        if (icerik.tur == EtiketIcerigi::Tur::Yaziyla)
            yaziylalar_.append({e, icerik.tl_kurus});
    }
}

// The first field whose column the report query does not have, named in the
// message that stops the run; empty when every field is there.
QString GenelForm::alanYoklamasi() const {
    // Prices come from their own cursor, dates from the clock.
    for (const auto &[e, icerik] : degisenler_)
        if (icerik.tur == EtiketIcerigi::Tur::Sutun && Rapor_Kaydi.FieldIndex(icerik.ad) < 0)
            return QStringLiteral("%1 alanı sorguda bulunamadı.").arg(icerik.ad);
    return QString();
}

QString GenelForm::tutarYazisi(bool tl_kurus) const {
    return Tutar_Yazisi(Rapor_Tutari, oturum_.ayirac, tl_kurus);
}
