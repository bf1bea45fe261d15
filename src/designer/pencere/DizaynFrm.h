#pragma once

#include <QList>
#include <QStringList>
#include <QWidget>
#include <optional>

struct Oturum;
struct TasarimBelgesi;

class BolumGorunumu;
class MesajKutusu;
class QScrollArea;
class TasarimModeli;

// The design window: one section over the printable page, thin over the surface
// model. Opening reads the design `ad` of the session's design folder, or starts a
// new design for an empty name; closing with unsaved changes asks first.
class DizaynFrm : public QWidget {
    Q_OBJECT
public:
    DizaynFrm(MesajKutusu &kutu, const Oturum &oturum, const QString &ad, QWidget *ust = nullptr);
    ~DizaynFrm() override;

    // False when the stored design could not be read (the user was told why).
    bool Acildi() const { return acildi_; }
    TasarimModeli &Model() const { return *model_; }
    BolumGorunumu *Bolum() const { return bolum_; }
    // The field catalogue's rows for the main window's field list.
    const QList<QStringList> &Alanlar() const { return alanlar_; }

    // The design as it stands, for a preview or a print run; nothing (after saying
    // so) when it is empty.
    std::optional<TasarimBelgesi> Topla();
    // The name it was opened or last saved under; empty for a new design.
    const QString &Tasarim_Adi() const { return ad_; }
    bool Kaydet();                 // "Kaydet": save as when the design has no name yet
    bool FarkliKaydet_Btn_Click(); // "Farklı Kaydet"
    // The zoom box: false (nothing changes) for a percent ≤ 0, above 800 or no number.
    bool Yakinlastir_Yuzde(double eski, double yeni);
    // "Sayfaya Sığdır": the label as large as the window shows it whole.
    void Sayfaya_Sigdir();

signals:
    void Kapandi(); // the design chooser takes over

protected:
    void closeEvent(QCloseEvent *e) override;
    void showEvent(QShowEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    QString dosyaYolu() const;
    void basligiYaz();
    void pencereyiBoyutla();

    MesajKutusu &kutu_;
    const Oturum &oturum_;
    QString ad_;
    TasarimModeli *model_;
    QScrollArea *kaydirma_;
    QWidget *alan_; // the window's own area around the section ("F0")
    QSize sayfa_;   // the page at the zoom, or the section when it is larger
    void alaniDoldur();
    BolumGorunumu *bolum_;
    QList<QStringList> alanlar_;
    bool acildi_ = true;
    bool sigdirildi_ = false; // zoomed to fit once, when first shown
    QByteArray diskOzeti_;    // the file as opened or last saved here
};
