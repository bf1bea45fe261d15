#include "RaporMotoru.h"

#include "Rapor.h"
#include "database/VeriBaglantisi.h"

#include <algorithm>
#include <cmath>

RaporMotoru::RaporMotoru(Rapor &rapor) : r_(rapor) {}

RaporMotoru::~RaporMotoru() { Bitir(); }

Hata RaporMotoru::Baslat() {
    basladi_ = true;
    r_.ActiveReport_Initialize();
    if (Hata h = r_.ActiveReport_ReportStart())
        return h;
    if (r_.Data1.Source.isEmpty())
        return {}; // nothing bound: no bands
    if (r_.Veri_Baglantisi && r_.Veri_Baglantisi->Acik()) {
        baglanti_ = r_.Veri_Baglantisi;
    } else {
        ozelBaglanti_ = std::make_unique<VeriBaglantisi>();
        if (!ozelBaglanti_->Open(r_.Data1.ConnectionString))
            return QStringLiteral("Raporun veri bağlantısı kurulamadı: ") + ozelBaglanti_->Hata();
        baglanti_ = ozelBaglanti_.get();
    }
    if (!veri_.Open(*baglanti_, r_.Data1.Source))
        return QStringLiteral("Raporun verisi okunamadı: ") +
               baglanti_->Gizle(veri_.LastError().text());
    return {};
}

void RaporMotoru::Bitir() {
    if (!basladi_ || bitti_)
        return;
    bitti_ = true;
    veri_.Close();
    r_.ActiveReport_ReportEnd();
    r_.ActiveReport_Terminate();
}

void RaporMotoru::satiriBagla() {
    for (int i = 0; i < r_.Detail.Count(); ++i) {
        auto *k = dynamic_cast<RaporMetinKutusu *>(r_.Detail.Item(i));
        if (!k || k->DataField.isEmpty())
            continue;
        k->DataValue = veri_.Value(k->DataField);
        k->Text = veri_.Text(k->DataField);
    }
}

void RaporMotoru::bolumuCiz(const RaporBolumu &b, QPointF koken, double, RaporSayfasi &s) const {
    for (int i = 0; i < b.Count(); ++i)
        if (const RaporKontrolu *k = b.Item(i); k->Visible) {
            if (const auto *r = dynamic_cast<const RaporOgesi *>(k); r && !r->oge)
                continue; // a picture or code this item has none for
            s.ogeler.append(Cizim_Ogesi(*k, koken));
        }
}

bool RaporMotoru::Sonraki_Sayfa(RaporSayfasi &s) {
    if (!baglanti_ || veri_.State() != KayitKumesi::Durum::Acik || veri_.EOF_())
        return false;
    const RaporSayfaAyari &a = r_.PageSettings;
    const double kagitG = r_.Printer.PaperWidth(), kagitY = r_.Printer.PaperHeight();
    const double ustBaslik = r_.PageHeader.Visible ? r_.PageHeader.Height : 0;
    const double altBaslik = r_.PageFooter.Visible ? r_.PageFooter.Height : 0;
    const int sutun = qMax<int>(1, r_.Detail.ColumnCount);
    const double aralik = r_.Detail.ColumnSpacing;
    const double genislik =
        r_.PrintWidth > 0 ? r_.PrintWidth : kagitG - a.LeftMargin - a.RightMargin;
    const double sutunG = (genislik - (sutun - 1) * aralik) / sutun;
    const double bantY = qMax(1.0, r_.Detail.Height);
    const double kullanilir = kagitY - a.TopMargin - a.BottomMargin - ustBaslik - altBaslik;
    // Millimetre sizes become whole twips band by band: a sheet whose labels fill
    // the page exactly (10 × 29,7 mm on A4) comes out a few twips too tall, and
    // would lose its last row. A band that overhangs the page by at most
    // Satir_Payi twips (0,09 mm, inside any printer's margin) still counts.
    const int satir = qMax(1, int(std::floor((kullanilir + Satir_Payi) / bantY + 1e-9)));

    s = RaporSayfasi();
    s.no = ++sayfa_;
    s.boyut = QSizeF(kagitG, kagitY);
    sonBantlar_.clear();
    if (r_.PageHeader.Visible) {
        r_.PageHeader_BeforePrint();
        bolumuCiz(r_.PageHeader, QPointF(a.LeftMargin, a.TopMargin), genislik, s);
    }
    for (int yer = 0; yer < sutun * satir && !veri_.EOF_(); ++yer) {
        satiriBagla();
        r_.Detail_Format();
        r_.Detail_BeforePrint();
        const QPointF koken(a.LeftMargin + (yer % sutun) * (sutunG + aralik),
                            a.TopMargin + ustBaslik + (yer / sutun) * bantY);
        const qsizetype ilk = s.ogeler.size();
        bolumuCiz(r_.Detail, koken, sutunG, s);
        // Every text's fitting is worked out once here; painting takes it from the item.
        bool tasti = false;
        for (qsizetype i = ilk; i < s.ogeler.size(); ++i)
            tasti |= Yazi_Tasiyor(s.ogeler[i]);
        if (tasti)
            tasmalar_.Ekle(r_.Tasma_Anahtari.isEmpty() ? QString::number(bant_ + 1)
                                                       : veri_.Text(r_.Tasma_Anahtari).trimmed());
        sonBantlar_.append(QRectF(koken, QSizeF(sutunG, bantY)));
        ++bant_;
        veri_.MoveNext();
    }
    if (r_.PageFooter.Visible) {
        r_.PageFooter_BeforePrint();
        bolumuCiz(r_.PageFooter, QPointF(a.LeftMargin, kagitY - a.BottomMargin - altBaslik),
                  genislik, s);
    }
    return true;
}
