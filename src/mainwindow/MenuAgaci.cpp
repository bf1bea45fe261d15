#include "MenuAgaci.h"

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

namespace {

struct Oge {
    int derinlik;
    const char16_t *ad, *baslik;
    const char *kisayol = nullptr; // "; " between several
    bool isaretli = false;         // checkable
};

// Depth 0 is the menu bar; an item followed by deeper items is a submenu.
constexpr Oge agac[] = {
    {0, u"MNDosya", u"Dosya"},
    {1, u"MNKaydet", u"Kaydet", "Ctrl+S"},
    {1, u"MNFKaydet", u"Farklı Kaydet"},
    {1, u"MnBarkodYazicidir", u"Yazıcım Bir Barkod Yazıdır", nullptr, true},
    {1, u"MnLazerYazicidir", u"Yazıcım Bir Lazer yazıdır", nullptr, true},
    {1, u"MNCikis", u"Çıkış"},
    {0, u"MNAlanIslem", u"Alan İşlemleri"},
    {1, u"MNEkle", u"Ekle"},
    {2, u"MnBarkod", u"Barkod"},
    {2, u"MNKod", u"Kod"},
    {2, u"MNResim", u"Resim"},
    {2, u"MnEtiket", u"Etiket"},
    {2, u"MNCizgi", u"Çizgi"},
    {3, u"MNYatayCizgi", u"Yatay Çizgi"},
    {3, u"MNDikeyCizgi", u"Dikey Çizgi"},
    {2, u"MNKullaniciT", u"Kullanıcı Tn.Alan"},
    {2, u"MnParametre", u"Parametre Alanı"},
    {2, u"MNFirma_Adi", u"Firma Adı"},
    {2, u"MNFirma_Kodu", u"Firma Kodu"},
    {2, u"MNTarih", u"Tarih"},
    {2, u"MNSaat", u"Saat"},
    {1, u"MNCikar", u"Çıkar"},
    {1, u"MNAlanFormat", u"Alan Formatla"},
    {1, u"MNGeriAl", u"Geri Al", "Ctrl+Z"},
    {1, u"MNYinele", u"Yinele", "Ctrl+Y; Ctrl+Shift+Z"},
    {1, u"MNBarKodOz", u"Barkod Özellikleri"},
    {0, u"MNDuzen", u"Düzen"},
    {1, u"MNKes", u"Kes", "Ctrl+X"},
    {1, u"MNKopyala", u"Kopyala", "Ctrl+C"},
    {1, u"MNYapistir", u"Yapıştır", "Ctrl+V"},
    {1, u"MNCogalt", u"Çoğalt", "Ctrl+D"},
    {1, u"MNTumunuSec", u"Tümünü Seç", "Ctrl+A"},
    {1, u"MNHizala", u"Hizala"},
    {2, u"MNSolaHizala", u"Sola Hizala"},
    {2, u"MNSagaHizala", u"Sağa Hizala"},
    {2, u"MNUsteHizala", u"Üste Hizala"},
    {2, u"MNAltaHizala", u"Alta Hizala"},
    {2, u"MNYatayOrtala", u"Yatay Ortala"},
    {2, u"MNDikeyOrtala", u"Dikey Ortala"},
    {1, u"MNDagit", u"Dağıt"},
    {2, u"MNYatayDagit", u"Yatay Dağıt"},
    {2, u"MNDikeyDagit", u"Dikey Dağıt"},
    {1, u"MNAyniGenislik", u"Aynı Genişlik"},
    {1, u"MNAyniYukseklik", u"Aynı Yükseklik"},
    {1, u"MNOneGetir", u"Öne Getir"},
    {1, u"MNArkayaGonder", u"Arkaya Gönder"},
    {0, u"MNYaziciIslem", u"Yazıcı İşlemleri"},
    {1, u"MNSayfaAyar", u"Sayfa Ayarları"},
    {1, u"MnEtiketAyarlari", u"Etiket Ayarları"},
    {1, u"MNOnizlemeKapat", u"Önizlemeyi Kapat"},
    {1, u"MNOnizleme", u"Önizleme"},
    {1, u"MNYazdir", u"Yazdır"},
    {1, u"MNEtiketOnizleme", u"Etiket Önizleme"},
    {1, u"MNDogrudanYazdir", u"Doğrudan Yazdır"},
    {1, u"MNYaziciAyarlari", u"Yazıcı Ayarları"},
    {1, u"MNBaskiGecmisi", u"Baskı Geçmişi"},
    {0, u"MNGorunum", u"Görünüm"},
    {1, u"MNOzellikler", u"Özellikler", nullptr, true},
    {1, u"MNSigdir", u"Sayfaya Sığdır", "Ctrl+0"},
    {1, u"MNYuzde100", u"%100", "Ctrl+1"},
    {1, u"MNIzgarayaYapistir", u"Izgaraya Yapıştır", nullptr, true},
    {1, u"MNOrnekVeri", u"Örnek Veri", nullptr, true},
    {1, u"MNDuz", u"Düz", nullptr, true},
    {1, u"MNKareli", u"Kareli"},
    {2, u"MNKare3", u"3 (mm)", nullptr, true},
    {2, u"MNKare5", u"5 (mm)", nullptr, true},
    {2, u"MNKare7", u"7 (mm)", nullptr, true},
    {2, u"MNKare10", u"10 (mm)", nullptr, true},
};

} // namespace

void Menu_Agaci_Kur(QMenuBar *cubuk, const std::function<void(const QString &)> &tikla) {
    QList<QMenu *> yol; // the open menu at each depth
    constexpr int n = int(std::size(agac));
    for (int i = 0; i < n; ++i) {
        const Oge &o = agac[i];
        const QString ad = QString::fromUtf16(o.ad), baslik = QString::fromUtf16(o.baslik);
        yol.resize(o.derinlik);
        const bool alt_menu = i + 1 < n && agac[i + 1].derinlik > o.derinlik;
        if (alt_menu) {
            QMenu *m = o.derinlik == 0 ? cubuk->addMenu(baslik) : yol.last()->addMenu(baslik);
            m->setObjectName(ad);
            m->menuAction()->setObjectName(ad);
            yol.append(m);
            continue;
        }
        QAction *a = yol.last()->addAction(baslik);
        a->setObjectName(ad);
        a->setCheckable(o.isaretli);
        if (o.kisayol)
            a->setShortcuts(QKeySequence::listFromString(QString::fromLatin1(o.kisayol)));
        QObject::connect(a, &QAction::triggered, a, [tikla, ad] { tikla(ad); });
    }
}
