#pragma once

#include <QList>
#include <QStringList>
#include <QWidget>

class BolumGorunumu;
class MesajKutusu;
class QScrollArea;
class TasarimModeli;

// The design window: one section over the printable page, thin over the surface
// model. Opening reads the design named Tasarim_Adi unless a new design was asked
// for (Yeni_Tasarim); closing with unsaved changes asks first.
class DizaynFrm : public QWidget {
    Q_OBJECT
public:
    explicit DizaynFrm(MesajKutusu &kutu, QWidget *ust = nullptr);
    ~DizaynFrm() override;

    // False when the stored design could not be read (the user was told why).
    bool Acildi() const { return acildi_; }
    TasarimModeli &Model() const { return *model_; }
    BolumGorunumu *Bolum() const { return bolum_; }
    // The field catalogue's rows for the main window's field list.
    const QList<QStringList> &Alanlar() const { return alanlar_; }

    // Gathers the design into the program's document (preview, print).
    bool Topla();
    bool Kaydet();                 // "Kaydet": save as when the design has no name yet
    bool FarkliKaydet_Btn_Click(); // "Farklı Kaydet"
    // The zoom box: false (nothing changes) for a percent ≤ 0, above 800 or no number.
    bool Yakinlastir_Yuzde(double eski, double yeni);

signals:
    void Kapandi(); // the design chooser takes over

protected:
    void closeEvent(QCloseEvent *e) override;
    void showEvent(QShowEvent *e) override;

private:
    QString dosyaYolu() const;
    void basligiYaz();
    void pencereyiBoyutla();

    MesajKutusu &kutu_;
    TasarimModeli *model_;
    QScrollArea *kaydirma_;
    QWidget *alan_; // the window's own area around the section ("F0")
    BolumGorunumu *bolum_;
    QList<QStringList> alanlar_;
    bool acildi_ = true;
    QByteArray diskOzeti_; // the file as opened or last saved here
};
