#pragma once

#include "drawing/RaporSayfasi.h"

#include <QList>
#include <QWidget>
#include <memory>

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QScrollArea;
class QTimer;
class QToolButton;
class Rapor;
class RaporMotoru;

// The report engine's own preview: pages laid out a few at a time while the
// window stays responsive, the first page shown as soon as it is ready.
class RaporGoruntuleyici : public QWidget {
    Q_OBJECT
public:
    enum class Yakinlik { Genislik, Sayfa, Yuzde };

    // The engine must have been started (Baslat); the window ends the run when it
    // has laid out every page, is cancelled or closes.
    RaporGoruntuleyici(Rapor &rapor, RaporMotoru &motor, QWidget *ust = nullptr);
    ~RaporGoruntuleyici() override;

    // The pages are a laser sheet's: no printer language but the driver's takes them.
    bool Lazer = false;

    int Sayfa_Sayisi() const { return int(sayfalar_.size()); }
    int Gecerli_Sayfa() const { return gecerli_; } // 0-based
    const RaporSayfasi &Sayfa(int i) const { return sayfalar_.at(i); }
    bool Dizim_Bitti() const { return bitti_; }
    double Olcek() const; // screen pixels per twip

    void Sayfaya_Git(int i);
    void Yakinlik_Ayarla(Yakinlik tur, double yuzde = 100);
    // Writes every page to a PDF; the message for the user on failure.
    std::optional<QString> Pdf_Kaydet(const QString &yol);

    QComboBox *Yakinlik_Kutusu() const { return yakinlik_; }
    QPushButton *Iptal_Dugmesi() const { return iptal_; }
    QToolButton *Dugme(const QString &ad) const;

signals:
    void Dizim_Tamamlandi();
    // Every page went to the printer `cikti` (its name) or into the PDF `cikti`.
    void Basildi(const QString &cikti);

protected:
    void resizeEvent(QResizeEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;

private:
    class QHBoxLayout *aracCubugu();
    std::optional<QString> sayfalariGonder(class SayfaHedefi &hedef) const;
    void dizimAdimi();
    void dizimiBitir();
    void guncelle();
    void yakinlikMetni(const QString &metin);
    void yazdir();
    void pdfSor();

    Rapor &rapor_;
    RaporMotoru &motor_;
    QList<RaporSayfasi> sayfalar_;
    int gecerli_ = 0;
    bool bitti_ = false;
    Yakinlik yakinlikTuru_ = Yakinlik::Genislik;
    double yuzde_ = 100;

    class SayfaAlani *alan_;
    QScrollArea *kaydirma_;
    QLabel *sayfaEtiketi_;
    QComboBox *yakinlik_;
    QProgressBar *ilerleme_;
    QPushButton *iptal_;
    QTimer *zamanlayici_;
};
