#include "TasarimYukle.h"

#include "TasarimModeli.h"
#include "core/Birimler.h"
#include "document/Kodlama.h"

#include <QFile>

int Tasarim_Yukle(TasarimModeli &m, const TasarimBelgesi &b) {
    const DetayKaydi alan = b.Detaylar.value(1);
    DetayKaydi bolum = m.Bolum();
    bolum.Visible = alan.Visible;
    bolum.Height = alan.Height;
    m.Belgeden_Al(b);

    for (qsizetype k = 1; k < b.Barkodlar.size(); ++k) {
        const BarkodKaydi &r = b.Barkodlar[k];
        m.Nesne_Ekle(QStringLiteral("Barkod"), [&](YuzeyNesnesi &n) {
            BarkodKaydi &z = n.Barkod();
            z.Left = r.Left, z.Top = r.Top, z.Width = r.Width, z.Height = r.Height;
            z.FontName = r.FontName;
            z.FontUnderline = r.FontUnderline, z.FontItalic = r.FontItalic;
            z.FontBold = r.FontBold, z.FontSize = r.FontSize;
            z.ForeColor = r.ForeColor, z.BackColor = r.BackColor;
            z.Orientation = r.Orientation;
        });
    }
    int atlanan = 0;
    for (qsizetype k = 1; k < b.Nesneler.size(); ++k) {
        const NesneKaydi &r = b.Nesneler[k];
        const auto liste = Harf_Listesi(r.Tur);
        if (!liste) {
            ++atlanan;
            continue;
        }
        const bool cizgi = *liste == Liste::Yatay_Cizgi || *liste == Liste::Dikey_Cizgi;
        m.Nesne_Ekle(Tur_Kelimesi(*liste), [&](YuzeyNesnesi &n) {
            const qint16 aci = n.Nesne().Escapement;
            const QString tur = n.Nesne().Tur;
            n.Nesne() = r;
            n.Nesne().Bolum_No = 0;
            n.Nesne().Tur = tur;
            if (cizgi)
                n.Nesne().Escapement = aci; // lines take no turn
        });
    }
    if (b.Tip == 1) {
        bolum.Height = float(Mm_Twip(double(b.Etiket_Boy)));
        bolum.Width = float(Mm_Twip(double(b.Etiket_Genislik)));
    }
    m.Bolum_Ayarla(bolum);

    TasarimModeli::Ayarlar &a = m.Ayar;
    a.PageSettings = {double(b.Sol_Bosluk), double(b.Sag_Bosluk), double(b.Ust_Bosluk),
                      double(b.Alt_Bosluk)};
    a.Printer.Orientation = Tamsayi_Oku<qint32>(b.Yazici_Durum, m.Ayirac).value_or(1);
    a.Printer.PaperSize = Yuvarla_Cift(double(b.Kagit_Boyutu));
    // A paper the printer has no code for (a roll of labels) is the label area.
    if (alan.Width > 0 && alan.Height > 0)
        a.Printer.OzelKagit = QSizeF(alan.Width, alan.Height);
    return atlanan;
}

int Tasarim_Ac(TasarimModeli &m, const TasarimBelgesi &belge, bool yeni) {
    int atlanan = 0;
    if (!yeni) {
        atlanan = Tasarim_Yukle(m, belge);
    } else {
        // A new design: the printer kind and label size in force, a blank page.
        m.Belgeden_Al(belge);
        m.Sayfa_Ayari_Sifirla();
    }
    m.Yakinlastir_Yuzde(100, 100);
    m.Sayfaya_Uydur();
    m.Gecmisi_Temizle();
    return atlanan;
}

QList<QStringList> Baslik_Oku(const QString &yol) {
    QList<QStringList> satirlar;
    QFile f(yol);
    if (!f.open(QIODevice::ReadOnly))
        return satirlar;
    while (!f.atEnd()) {
        QByteArray satir = f.readLine();
        if (satir.endsWith('\n'))
            satir.chop(1);
        if (satir.endsWith('\r'))
            satir.chop(1);
        if (satir == "<end>")
            break;
        satir.chop(1); // every line carries one extra character
        satirlar.append(Cp1254_Coz(satir).split(u'\t'));
    }
    return satirlar;
}
