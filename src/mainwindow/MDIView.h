#pragma once

#include <QMainWindow>

#include "preview/pencere/OnizlemeFrm.h"

#include <QPointer>
#include <functional>
#include <memory>

class AlanGrd;
class DizaynFrm;
class MesajKutusu;
struct Oturum;
struct TasarimBelgesi;
class QMdiArea;
class QSpinBox;
struct OrnekStok;
struct OrnekRaflari;
class SayfaHedefi;
class TasarimModeli;
class UstPanel;
class OzellikPaneli;

// The main window "Barkod Tasarımı": menus, the tool bar UstPanel, the field list
// AlanGrd and the design window DizaynFrm in its work area. Every menu command
// goes through Menu_Click.
class MDIView : public QMainWindow {
    Q_OBJECT
public:
    // Opens the design window on the design `ad` of the session's folder, or on a
    // new design for an empty name.
    MDIView(MesajKutusu &kutu, const Oturum &oturum, const QString &ad, QWidget *ust = nullptr);
    ~MDIView() override;

    bool Acildi() const;
    void Menu_Click(const QString &ad);
    QAction *Menu(const QString &ad) const;
    DizaynFrm *Tasarim() const { return tasarim_; }
    UstPanel *Arac_Cubugu() const { return panel_; }
    AlanGrd *Alan_Listesi() const { return alanlar_; }
    OnizlemeFrm *Onizleme() const { return onizleme_; }
    OzellikPaneli *Ozellikler() const { return ozellikler_; }
    // "Örnek Stok": which selected item the sample data shows (1-based).
    QSpinBox *Ornek_Stok() const { return ornek_stok_; }
    // Preview state: the design window, the four menus and the tool bar go away
    // (flag false) and come back (true).
    void Onizlemeye_Gec(bool geri);
    // Where direct printing from the preview goes (the system's printer when unset).
    std::function<Acilan_Hedef(bool lazer)> Dogrudan_Yazici;
    // The picture file "Resim" and "Resim Dosyası" ask for (a file dialog when unset);
    // empty when the user chose none.
    std::function<QString()> Resim_Sor;

    // What a menu command works on.
    struct Komut_Baglami {
        TasarimModeli &m;
        std::optional<int> aktif;
    };

signals:
    void Kapandi(); // the design chooser takes over

protected:
    void closeEvent(QCloseEvent *e) override;

private:
    void baglamMenusu(QPoint ekran, QPointF mm);
    void kullaniciAlani(TasarimModeli &m);
    void kareli(const QString &ad);
    void yaziciTuru(quint8 tip);
    void sayfaAyari();
    void raporGoster(bool yazdir);
    void etiketOnizleme(bool dogrudan);
    void durumlariGuncelle();
    void onizlemeAc(const TasarimBelgesi &belge, bool dogrudan);
    void onizlemeKapandi();
    void onizlemeDugmesi();
    void ornekVeri();
    std::optional<QString> resimSec();

    MesajKutusu &kutu_;
    const Oturum &oturum_;
    QMdiArea *alan_;
    DizaynFrm *tasarim_ = nullptr;
    UstPanel *panel_;
    OzellikPaneli *ozellikler_ = nullptr;
    AlanGrd *alanlar_;
    bool kapaniyor_ = false;
    QPointer<OnizlemeFrm> onizleme_;
    bool onizleme_hazir_ = false;
    QList<OrnekStok> ornekler_;
    std::unique_ptr<OrnekRaflari> raflar_;
    QSpinBox *ornek_stok_ = nullptr;
};
