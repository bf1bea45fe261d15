#pragma once

#include "YuzeyNesnesi.h"
#include "core/Ayiraclar.h"
#include "layout/Rapor.h"
#include "document/TasarimKayitlari.h"

#include <QObject>
#include <QPointF>
#include <QTimer>
#include <QUndoStack>
#include <array>
#include <functional>
#include <optional>
#include <vector>

class ModelKomutu;

// A text, field or line's record as the design file keeps it (its kind letter, no
// section, a trimmed tag, lines unturned).
NesneKaydi Yazilacak_Kayit(const YuzeyNesnesi &n);

// The design surface without a window: the object lists, the section, the
// selection, the guides, the grid, the zoom and the in-place editor's state, with
// every surface routine. Geometry is true millimetres at every zoom (the zoom is
// the view's). Each change a user makes is one step of the undo stack. Objects
// are addressed by their place in creation order ("sira"), which is also the
// order of the window's controls and the drawing order.
class TasarimModeli : public QObject {
    Q_OBJECT
public:
    explicit TasarimModeli(QObject *ust = nullptr);
    ~TasarimModeli() override;

    // --- objects ---
    int Toplam() const { return int(nesneler_.size()); }
    const YuzeyNesnesi &Nesne(int sira) const { return nesneler_.at(size_t(sira)); }
    std::optional<int> Bul(Liste liste, int indeks) const;
    const YuzeyNesnesi &Sablonu(Liste liste) const { return sablonlar_[size_t(liste)]; }
    // The order objects are painted in, bottom first: barcodes, then the others,
    // each in the order they were made, as the report adds them.
    QList<int> Cizim_Sirasi() const;
    // The topmost visible object under a point of the section (mm).
    std::optional<int> Nesne_Bul(QPointF mm) const;

    // --- designer values ---
    std::optional<int> Aktif_Nesne() const { return aktif_; }
    double Tutma_X = 0, Tutma_Y = 0; // grab offset inside the dragged object, twips
    double Son_X = 0, Son_Y = 0;     // pointer at the last resize step, mm
    const QList<int> &Silinenler() const { return silinenler_; }

    // --- creation ---
    // Where the next element made goes (mm, once): the pointer of a context menu.
    std::optional<QPointF> Ekleme_Yeri;
    // The first place down the label's left side where a box of `boyut` mm
    // touches no element; the top-left corner when there is none.
    QPointF Bos_Yer(QSizeF boyut) const;
    // Creates an element of the kind at Ekleme_Yeri, else at the first free place,
    // and makes it Aktif_Nesne (not selected). `ayarla` sets its properties in the same
    // undo step. Unknown kinds do nothing and return false.
    bool Nesne_Ekle(const QString &tur, const std::function<void(YuzeyNesnesi &)> &ayarla = {});
    // A field dragged from the field list and dropped at (x, y) mm of the section.
    void Alan_Birak(const QString &baslik, double x, double y);

    // --- selection, moving, resizing ---
    void Nesne_Sec(std::optional<int> sira);
    void Secimi_Gizle();
    bool Tutamaclar_Gorunur() const { return tutamaclar_gorunur_; }
    std::array<QRectF, 8> Tutamaclar() const; // around Aktif_Nesne, mm
    std::optional<int> Tutamac_Bul(QPointF mm) const;
    void Rehber_Goster(double x, double y, const QString &alan);
    struct Rehber {
        QString alan; // "B0", "F0" or empty (hidden)
        double x = 0, y = 0;
    };
    const Rehber &Rehberler() const { return rehber_; }
    // The pointer's point as the surface sees it: over an object, that object's
    // position plus the offset rounded to whole millimetres.
    QPointF Isaret_Noktasi(QPointF mm) const;
    // Drop of a dragged object `s` on object `d` (offset x, y twips inside d) or on
    // the free section (x, y mm). Clamped to the section; one undo step.
    void Nesneye_Birak(int s, int d, double x, double y);
    void Bolume_Birak(int s, double x, double y);
    // Moves the selection by (dx, dy) mm as one block, clamped to the section
    // (arrow keys, a drag of several); one undo step.
    void Kaydir(double dx, double dy);
    void Boyutlandirma_Baslat(int tutamac);
    void Boyutlandir(int tutamac, double x, double y);
    void Boyutlandirma_Bitir();

    // --- several selected ---
    // The selected visible objects, the first-selected first (empty with the
    // handles hidden). Aktif_Nesne is the last one clicked.
    QList<int> Secim() const;
    bool Secili(int sira) const { return Secim().contains(sira); }
    // Shift or Ctrl and a click: adds the object, or takes it out when it is in.
    void Secime_Ekle_Cikar(int sira);
    // The visible objects wholly inside an area (mm), added to the selection or
    // replacing it (a rubber band).
    void Alanla_Sec(const QRectF &alan, bool ekle = false);
    void Tumunu_Sec();
    void Secimi_Ayarla(const QList<int> &secim);
    void Secimi_Birak();
    // The box around the selection, mm.
    QRectF Secim_Alani() const;
    // A move (mm) of a block of elements cut short so the block stays whole inside
    // the section; a block larger than it keeps its top-left corner in.
    QPointF Blok_Kaymasi(const QRectF &blok, QPointF kayma) const;
    void Secimi_Sil();
    // What Delete and "Çıkar" remove: several selected, or the active element while it
    // is still there.
    void Secileni_Sil();
    enum class Hiza { Sol, Sag, Ust, Alt, Yatay_Orta, Dikey_Orta };
    // To the first-selected object's edge or middle; one object to the label's.
    void Hizala(Hiza hiza);
    // Three or more: the outer two stay, the ones between get equal gaps.
    void Dagit(bool yatay);
    // The first-selected object's width or height for all.
    void Ayni_Boyut(bool genislik);
    // The stacking order is the stored order: the selection goes to its end (on
    // top) or the others do (it goes under them). Barcodes print under texts
    // whatever their order, as the report adds them.
    void One_Getir();
    void Arkaya_Gonder();

    // --- editing, rotation, delete, undo ---
    void Duzenlemeyi_Baslat(); // the in-place editor over Aktif_Nesne (fixed texts)
    bool Duzenleniyor() const { return duzenleniyor_; }
    const QString &Duzenleyici_Metni() const { return duzenleyici_metni_; }
    void Duzenleyici_Metni_Ayarla(const QString &metin) { duzenleyici_metni_ = metin; }
    void Duzenlemeyi_Bitir(); // commit: caption (and a parameter's tag) from the editor
    void Nesne_Donder(int sira, qint16 aci);
    void Nesne_Sil(std::optional<int> sira);
    void Geri_Al() { yigin_.undo(); }
    void Yinele() { yigin_.redo(); }
    QUndoStack &Yigin() { return yigin_; }
    // A property change from the tool bar or a dialog, as one undo step.
    void Degistir(int sira, const std::function<void(YuzeyNesnesi &)> &degisiklik,
                  const QString &aciklama = QString());

    // --- window, zoom, grid, section ---
    double Yuzde() const { return yuzde_; }
    // Refuses (false) a percent that is ≤ 0, above 800 or no number.
    bool Yakinlastir_Yuzde(double eski, double yeni);
    // The whole percent at which the section fits `oda` pixels (a screen showing
    // `piksel_mm` pixels a millimetre at 100 %), within 10…800.
    double Sigdiran_Yuzde(QSizeF oda, double piksel_mm) const;
    // The window at the current zoom: the printable page, twips.
    QSizeF Pencere_Boyutu() const;
    bool Kareli_Acik() const { return kareli_acik_; }
    // "Izgaraya Yapıştır": moves and resizes land on the grid while it shows.
    bool Izgaraya_Yapistir = false;
    // A position (mm) on the grid when snapping is on and the grid shows.
    double Izgaraya(double mm) const;
    int Kareli_Adim() const { return kareli_adim_; }
    void Kareli_Ciz(int adim);
    void Bolum_Temizle();
    // The grid lines: y of the horizontal ones and x of the vertical ones, mm; with
    // an area, only those crossing it (what a window shows of a large label).
    std::pair<QList<double>, QList<double>> Kareli_Cizgileri(const QRectF &alan = {}) const;
    const DetayKaydi &Bolum() const { return bolum_; }
    double Bolum_Genisligi() const { return bolum_.Width * Twip_Basina_Mm; } // mm
    double Bolum_Yuksekligi() const { return bolum_.Height * Twip_Basina_Mm; }
    void Bolum_Ayarla(const DetayKaydi &bolum); // not an undo step (loading, sheet)
    bool Bolum_Kenarinda(double y) const { return y >= Bolum_Yuksekligi() - 2; }
    bool Bolum_Cekiliyor = false;
    double Bolum_Son_Y = 0;
    void Bolum_Cekme_Baslat(double y);
    void Bolum_Cek(double y);
    void Bolum_Cekme_Bitir();

    // --- the design and its page ---
    // The sheet: printer kind, label size and gaps (mm), and the page settings and
    // printer as the report engine keeps them (twips).
    struct Ayarlar {
        quint8 Tip = 0;
        float Etiket_Boy = 0, Etiket_Genislik = 0, Etiket_Yatay = 0, Etiket_Dikey = 0;
        RaporSayfaAyari PageSettings;
        RaporYazicisi Printer;
        bool operator==(const Ayarlar &) const = default;
    };
    Ayarlar Ayar;
    // The session's separators, for the numbers the surface shows and reads.
    Ayiraclar Ayirac;
    // A sheet change by the user (printer kind, page setup, label settings) as one
    // undo step: a barcode printer's section follows the printable page, a laser
    // printer's the label size when there is one.
    void Ayar_Degistir(const Ayarlar &yeni, const QString &aciklama);
    // The printer kind and label values from a document (opening reads the rest).
    void Belgeden_Al(const TasarimBelgesi &belge);
    // The whole design document the surface holds: visible objects in creation
    // order, the section, the page settings.
    TasarimBelgesi Belge() const;
    // The section the sheet gives: a barcode printer's is the printable page, a
    // laser printer's one label once its size is known.
    void Sayfaya_Uydur();
    void Sayfa_Ayari_Sifirla();
    // Opening ends here: no history, nothing unsaved.
    void Gecmisi_Temizle();
    bool Degisti() const { return !yigin_.isClean(); }
    void Kaydedildi() { yigin_.setClean(); }

signals:
    void Nesne_Eklendi(int sira);
    void Nesne_Degisti(int sira, QRectF eski); // any property; `eski` its old rect (mm)
    void Gorunurluk_Degisti(int sira);
    void Secim_Degisti();   // Aktif_Nesne, the handles or the editor
    void Secildi(int sira); // Nesne_Sec ran: the main window mirrors the object
    void Rehber_Degisti(Rehber eski);
    void Bolum_Degisti();
    void Gorunum_Degisti(); // zoom or grid
    // For views of the selection's values: at once when the selection changes, and once
    // after a burst of element changes (a command over many elements changes them one
    // by one).
    void Secim_Ozeti_Degisti();

private:
    friend class ModelKomutu;
    void durumuKoy(int sira, const YuzeyNesnesi &durum);
    void kaydet(int sira, const YuzeyNesnesi &once, const QString &aciklama);
    void uygula(int sira, const YuzeyNesnesi &yeni, const QString &aciklama);
    QRectF sinirla(const YuzeyNesnesi &n, double sol, double ust) const;
    // New rectangles for some objects, one undo step.
    void yerlestir(const QList<std::pair<int, QRectF>> &yeni, const QString &aciklama);
    // Stores copies of the objects at the end and drops the objects; their new places.
    QList<int> sonaTasi(QList<int> siralar);
    void bolumuKoy(const DetayKaydi &bolum);
    void ayarlariKoy(const Ayarlar &ayar, const DetayKaydi &bolum);
    DetayKaydi sayfaBolumu(const Ayarlar &ayar) const;

    std::array<YuzeyNesnesi, Liste_Sayisi> sablonlar_;
    std::vector<YuzeyNesnesi> nesneler_;
    std::array<int, Liste_Sayisi> son_indeks_{};
    std::optional<int> aktif_;
    QList<int> secim_; // with aktif_ in it while the handles show
    bool tutamaclar_gorunur_ = false;
    QList<int> silinenler_;
    Rehber rehber_;
    bool duzenleniyor_ = false;
    QString duzenleyici_metni_;
    std::optional<YuzeyNesnesi> boyut_oncesi_;
    std::optional<DetayKaydi> bolum_oncesi_;
    double yuzde_ = 100;
    bool kareli_acik_ = false;
    int kareli_adim_ = 5;
    DetayKaydi bolum_{true, 0, 0};
    QUndoStack yigin_;
    QTimer ozet_zamani_;
};
