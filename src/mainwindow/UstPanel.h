#pragma once

#include "core/Ayiraclar.h"

#include <QColor>
#include <QFont>
#include <QToolBar>
#include <functional>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QToolButton;
class TasarimModeli;
struct AracDurumu;

// The main window's tool bar: font, styles, colours, alignment, rotation and zoom
// of the selected object, and a few menu commands. Every change it makes is one
// undo step of the surface model.
class UstPanel : public QToolBar {
    Q_OBJECT
public:
    explicit UstPanel(const Ayiraclar &ayirac, QWidget *ust = nullptr);

    void Modeli_Bagla(TasarimModeli *model);
    QToolButton *Dugme(const QString &ad) const;
    // The preview toggle's caption: "Önizleme", or "Önizlemeyi Kapat" while the
    // preview window is open (its tool tip and accessible name follow).
    void Onizleme_Basligi(const QString &baslik);
    QLineEdit *RotateTxt() const { return donme_; }
    QLineEdit *Yakinlastir() const { return yakinlik_; }
    QComboBox *Font_Combo() const { return yazi_tipi_; }
    QComboBox *Font_Size() const { return yazi_boyu_; }
    QLabel *Label1() const { return konum_; }

    void FontRenk_Getir(); // background colour of the selected object
    void ForeRenk_Getir(); // its text colour
    // The common dialogs; tests script them. Nothing means cancelled.
    std::function<std::optional<QColor>(const QColor &)> Renk_Sor;

signals:
    void Komut(const QString &ad); // a menu command the main window carries out

private:
    // A button named `ad` whose tool tip (and accessible name) is `ipucu`, showing
    // the drawn picture `simge`, or its tool tip as text when there is none.
    QToolButton *dugme(const QString &ad, const QString &ipucu, const QString &simge = {});
    void komutlariKur();
    void yaziDugmeleriniKur();
    void kutulariKur();
    void yansit(const AracDurumu &d);
    void stil(int hangi, bool acik);
    void renk(bool arka);
    void yaziTipi(const std::optional<QString> &aile, std::optional<float> boyut);
    void yaziBoyu(const QString &metin);
    void hizala(int i);
    void dondur();
    void yakinlastir();
    bool eventFilter(QObject *o, QEvent *e) override;

    TasarimModeli *m_ = nullptr;
    QLineEdit *donme_, *yakinlik_;
    QComboBox *yazi_tipi_, *yazi_boyu_;
    bool yansitiyor_ = false;
    QLabel *konum_, *arka_ornek_, *yazi_ornek_;
    double onceki_yuzde_ = 100;
    Ayiraclar ayirac_;
};
