#pragma once

#include "SayfaHedefi.h"

#include <QByteArray>
#include <QList>
#include <deque>
#include <future>
#include <memory>

class PdfBirlestirici;
class QThreadPool;

// One PDF file painted on several threads at once. Pages are gathered into parts of a
// set number of drawing items (the same parts whatever the number of threads), each
// part is painted into a PDF of its own by Qt's writer, and the parts are joined in
// order into the file: the same pages give the same bytes on one thread or many.
class ParcaliPdfHedefi : public SayfaHedefi {
public:
    // Drawing items a part takes: about forty sheets of labels, five hundred single
    // labels. Each part embeds the fonts it uses, a few kilobytes.
    static constexpr qsizetype Parca_Ogesi = 8192;
    // The first part takes this many, each next one twice as many up to Parca_Ogesi.
    static constexpr qsizetype Ilk_Parca_Ogesi = 1024;

    // `is_parcacigi`: threads that paint; 1 paints each part on the caller's thread.
    ParcaliPdfHedefi(const QString &yol, int is_parcacigi, int dpi = 1200);
    ~ParcaliPdfHedefi() override;
    Hata Sayfa(const RaporSayfasi &sayfa) override;
    void Sayfalar_Bitti() override { parcaGonder(); }
    bool Yetis(const std::function<bool()> &devam) override;
    Hata Bitir() override;
    void Vazgec() override;

private:
    using Parca = std::future<Sonuc<QByteArray>>;
    void parcaGonder();                 // the pages gathered so far become a part
    Hata bitenleriYaz(qsizetype kalan); // joins parts in order until `kalan` are left

    QString yol_;
    int dpi_;
    int is_parcacigi_;
    std::unique_ptr<QThreadPool> havuz_;
    QList<RaporSayfasi> toplanan_;
    qsizetype oge_ = 0;        // drawing items in toplanan_
    qsizetype gonderilen_ = 0; // parts sent
    std::deque<Parca> parcalar_;
    std::unique_ptr<QSaveFile> dosya_;
    std::unique_ptr<PdfBirlestirici> birlestirici_;
    Hata hata_; // of a part joined while waiting
};
