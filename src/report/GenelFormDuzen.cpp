// The label report's layout: page settings and one control per design element,
// built at every report start from the design the report was given.
#include "GenelForm.h"

#include "EtiketDegeri.h"

#include "Fiyat.h"

#include "components/MesajKutusu.h"
#include "document/NesneCizimi.h"
#include "startup/Birimler.h"
#include "startup/Degiskenler.h"
#include "startup/Yaziya.h"

#include <QDate>
#include <QTime>

QString Parametre_Istemi(const QString &ad) {
    return ad + QStringLiteral(" Parametresinin Basım İçinOlan Değerini Giriniz");
}

QHash<QString, QString> Parametre_Degerleri(MesajKutusu &kutu, const TasarimBelgesi &belge) {
    QHash<QString, QString> degerler;
    for (const NesneKaydi &n : belge.Nesneler) {
        if (!n.Tag.startsWith(QLatin1String("PR_")))
            continue;
        const QString ad = n.Tag.mid(3);
        if (!degerler.contains(ad))
            degerler.insert(ad, kutu.InputBox(Parametre_Istemi(ad), QString()).value_or(QString()));
    }
    return degerler;
}

void GenelForm::Bolum_Duzenle() {
    const TasarimBelgesi &d = belge_;
    PageSettings.LeftMargin = d.Sol_Bosluk;
    PageSettings.RightMargin = d.Sag_Bosluk;
    PageSettings.TopMargin = d.Ust_Bosluk;
    PageSettings.BottomMargin = d.Alt_Bosluk;
    double yon = 0;
    Printer.Orientation = Sayi_Oku(d.Yazici_Durum.trimmed(), yon) ? Yuvarla_Cift(yon) : 0;
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
void GenelForm::parametreleriSor() { parametreler_ = Parametre_Degerleri(kutu_, belge_); }

void GenelForm::barkodlariKur() {
    Barkod_Kontrolleri = {nullptr};
    Barkod_Yazilari = {nullptr};
    for (qsizetype i = 1; i < belge_.Barkodlar.size(); ++i) {
        BarkodKontrolleri c = ::Barkod_Kontrolleri(belge_.Barkodlar[i]);
        Barkod_Kontrolleri.append(Detail.Ekle_(std::move(c.cubuklar), QString()));
        Barkod_Yazilari.append(Detail.Ekle_(std::move(c.yazi), QString()));
    }
}

// The control of one element with what it shows: a fixed text or parameter its
// caption, a field a tag naming its column (and format) filled at every label.
RaporEtiketi GenelForm::nesneEtiketi(const NesneKaydi &n) {
    RaporEtiketi e = Nesne_Kontrolu(n);
    e.Tag = Rapor_Etiket_Tagi(n);
    if (e.Tag.isEmpty())
        e.caption = Rapor_Sabit_Metni(n, parametreler_, tutarYazisi());
    return e;
}

void GenelForm::nesneleriKur() {
    for (qsizetype i = 1; i < belge_.Nesneler.size(); ++i) {
        const NesneKaydi &n = belge_.Nesneler[i];
        const QString tur = n.Tur.trimmed();
        if (n.Bolum_No != 0 || (tur != u"E" && tur != u"A" && tur != u"D" && tur != u"Y"))
            continue;
        RaporEtiketi *e = Detail.Ekle_(nesneEtiketi(n), QString());
        if (tur == u"A" && n.Caption == u"Yazıyla")
            yaziylalar_.append(e);
    }
}

// The first field whose column the report query does not have, named in the
// message that stops the run; empty when every field is there.
QString GenelForm::alanYoklamasi() const {
    for (int i = 0; i < Detail.Count(); ++i) {
        const auto *e = dynamic_cast<const RaporEtiketi *>(Detail.Item(i));
        if (!e || e->Tag.isEmpty())
            continue;
        const QString alan = e->Tag.section(u';', 0, 0);
        // Prices come from their own cursor; an empty name is a date pattern.
        if (alan.isEmpty() || alan.contains(QLatin1String("Fiyat")))
            continue;
        if (Rapor_Kaydi.FieldIndex(alan) < 0)
            return QStringLiteral("%1 alanı sorguda bulunamadı.").arg(alan);
    }
    return QString();
}

QString GenelForm::tutarYazisi() const { return Tutar_Yazisi(Rapor_Tutari); }
