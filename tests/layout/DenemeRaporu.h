#pragma once

#include "common/TestVeritabani.h"
#include "layout/Rapor.h"

#include <QStringList>

// A small report for engine tests: a label with the row number and an EAN-13 of it.
class DenemeRaporu : public Rapor {
public:
    QStringList olaylar;
    RaporEtiketi *yazi = nullptr;
    RaporBarkodu *barkod = nullptr;
    RaporMetinKutusu *no = nullptr;

    void ActiveReport_Initialize() override { olaylar << QStringLiteral("init"); }
    Hata ActiveReport_ReportStart() override {
        olaylar << QStringLiteral("start");
        Detail.Temizle();
        no = Detail.Ekle_<RaporMetinKutusu>(QStringLiteral("txtNo"));
        no->DataField = QStringLiteral("NO");
        no->Visible = false;
        yazi = static_cast<RaporEtiketi *>(Detail.Ekle(QStringLiteral("DDActiveReports2.Label")));
        yazi->Left = 100, yazi->Top = 100, yazi->Width = 2000, yazi->Height = 400;
        yazi->Font.Name = QStringLiteral("Liberation Sans"), yazi->Font.Size = 10;
        barkod =
            static_cast<RaporBarkodu *>(Detail.Ekle(QStringLiteral("DDActiveReports2.Barcode")));
        barkod->Left = 100, barkod->Top = 600, barkod->Width = 2800, barkod->Height = 1200;
        barkod->CaptionPosition = 1;
        barkod->setStyle(18);
        return {};
    }
    void Detail_Format() override {
        olaylar << QStringLiteral("format");
        yazi->caption = QStringLiteral("ETIKET%1").arg(no->Text);
        barkod->setCaption(QStringLiteral("869%1").arg(no->Text.toInt(), 9, 10, QChar(u'0')));
    }
    void Detail_BeforePrint() override { olaylar << QStringLiteral("before"); }
    void ActiveReport_ReportEnd() override { olaylar << QStringLiteral("end"); }
    void ActiveReport_Terminate() override { olaylar << QStringLiteral("terminate"); }
};

// An SQLite file in `klasor` with a table SATIR of the numbers 1..n; returns the
// connection text for a report's data control.
inline QString Satir_Tablosu(const QString &klasor, int n) {
    TestBaglantisi b(Sqlite_Vt(klasor, QStringLiteral("satir")));
    bool tamam = b.Calistir(QStringLiteral("CREATE TABLE SATIR (NO INTEGER)"));
    for (int i = 1; i <= n; ++i)
        tamam = tamam && b.Calistir(QStringLiteral("INSERT INTO SATIR VALUES (%1)").arg(i));
    if (!tamam)
        return QString();
    return QStringLiteral("User ID=sa;Password=;Initial Catalog=satir;Data Source=sqlite:") +
           klasor;
}

// Lays out `satir` rows of SATIR in `sutun` columns of bands `bantTwip` high on A4
// without margins.
inline void Deneme_Yerlesimi(DenemeRaporu &r, const QString &baglanti, int satir, int sutun,
                             double bantTwip) {
    r.PageSettings = {0, 0, 0, 0};
    r.PrintWidth = r.Printer.PaperWidth();
    r.Detail.ColumnCount = qint16(sutun);
    r.Detail.Height = bantTwip;
    r.Data1 = {baglanti,
               QStringLiteral("SELECT NO FROM SATIR WHERE NO<=%1 ORDER BY NO").arg(satir)};
}
