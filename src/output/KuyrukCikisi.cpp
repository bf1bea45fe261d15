#include "KuyrukCikisi.h"

#include "core/Kutuphane.h"

#include <cups/cups.h>

namespace {

// libcups and what it brings (TLS, Kerberos, DNS-SD) are loaded only when a job goes
// to a queue: a run to a file starts without them.
struct Cups {
    decltype(&::cupsCreateJob) createJob = nullptr;
    decltype(&::cupsStartDocument) startDocument = nullptr;
    decltype(&::cupsWriteRequestData) writeRequestData = nullptr;
    decltype(&::cupsFinishDocument) finishDocument = nullptr;
    decltype(&::cupsCancelJob2) cancelJob2 = nullptr;
    decltype(&::cupsLastErrorString) lastErrorString = nullptr;
    decltype(&::cupsLastError) lastError = nullptr;
    decltype(&::cupsGetDests2) getDests2 = nullptr;
    decltype(&::cupsFreeDests) freeDests = nullptr;
    decltype(&::cupsServer) server = nullptr;

    // Null when the library is missing.
    static const Cups *Yukle() {
        static const Cups c = [] {
            Cups c;
            Kutuphane l(QStringLiteral("cups"), 2);
            l(c.createJob, "cupsCreateJob");
            l(c.startDocument, "cupsStartDocument");
            l(c.writeRequestData, "cupsWriteRequestData");
            l(c.finishDocument, "cupsFinishDocument");
            l(c.cancelJob2, "cupsCancelJob2");
            l(c.lastErrorString, "cupsLastErrorString");
            l(c.lastError, "cupsLastError")(c.getDests2, "cupsGetDests2");
            l(c.freeDests, "cupsFreeDests")(c.server, "cupsServer");
            if (!l.Tamam())
                c.createJob = nullptr;
            return c;
        }();
        return c.createJob ? &c : nullptr;
    }
};

// libcups itself rather than `lp`: the job number to cancel, and the scheduler's
// own reason when it refuses.
class KuyrukCikisi : public BaytCikisi {
public:
    KuyrukCikisi(const QString &kuyruk, const QString &is_adi)
        : kuyruk_(kuyruk.toUtf8()), ad_(is_adi.toUtf8()) {}
    ~KuyrukCikisi() override { Vazgec(); }

    Hata Yaz(const QByteArray &z) override {
        tampon_ += z;
        // A label a write would be thousands of small requests.
        return tampon_.size() < (1 << 16) ? Hata() : gonder();
    }

    Hata Ilk_Etiketler() override {
        if (ilk_gitti_)
            return {};
        ilk_gitti_ = true;
        return Bitir();
    }

    Hata Bitir() override {
        if (const Hata h = gonder())
            return h;
        if (!is_)
            return {};
        const bool tamam =
            c_->finishDocument(CUPS_HTTP_DEFAULT, kuyruk_.constData()) == IPP_STATUS_OK;
        is_ = 0;
        return tamam ? Hata() : red("Yazıcı kuyruğu işi kabul etmedi");
    }

    void Vazgec() override {
        tampon_.clear();
        if (!is_)
            return;
        c_->finishDocument(CUPS_HTTP_DEFAULT, kuyruk_.constData());
        c_->cancelJob2(CUPS_HTTP_DEFAULT, kuyruk_.constData(), is_, 0);
        is_ = 0;
    }

private:
    Hata gonder() {
        if (tampon_.isEmpty())
            return {};
        if (!is_)
            if (const Hata h = ac())
                return h;
        const bool tamam = c_->writeRequestData(CUPS_HTTP_DEFAULT, tampon_.constData(),
                                                size_t(tampon_.size())) == HTTP_STATUS_CONTINUE;
        tampon_.clear();
        return tamam ? Hata() : red("Yazıcı kuyruğuna yazılamadı");
    }

    Hata ac() {
        if (!(c_ = Cups::Yukle()))
            return QStringLiteral("Yazıcı kuyruğuna gönderilemiyor: libcups bulunamadı.");
        is_ = c_->createJob(CUPS_HTTP_DEFAULT, kuyruk_.constData(), ad_.constData(), 0, nullptr);
        if (!is_)
            return red("Yazıcı kuyruğunda iş açılamadı");
        if (c_->startDocument(CUPS_HTTP_DEFAULT, kuyruk_.constData(), is_, ad_.constData(),
                              CUPS_FORMAT_RAW, 1) != HTTP_STATUS_CONTINUE) {
            const Hata h = red("Yazıcı kuyruğuna yazılamadı");
            c_->cancelJob2(CUPS_HTTP_DEFAULT, kuyruk_.constData(), is_, 0);
            is_ = 0;
            return h;
        }
        return {};
    }

    // The scheduler's own reason.
    Hata red(const char *ne) const {
        return QStringLiteral("%1 (%2): %3")
            .arg(QString::fromUtf8(ne), QString::fromUtf8(kuyruk_),
                 QString::fromUtf8(c_->lastErrorString()));
    }

    const Cups *c_ = nullptr;
    QByteArray kuyruk_, ad_, tampon_;
    int is_ = 0;
    bool ilk_gitti_ = false;
};

} // namespace

std::unique_ptr<BaytCikisi> Kuyruk_Cikisi(const QString &kuyruk, const QString &is_adi) {
    return std::make_unique<KuyrukCikisi>(kuyruk, is_adi);
}

Hata Yazdirma_Sunucusu_Hatasi() {
    const Cups *c = Cups::Yukle();
    if (!c)
        return QStringLiteral("Yazdırma sistemi (CUPS) bulunamadı.");
    cups_dest_t *kuyruklar = nullptr;
    const int sayi = c->getDests2(CUPS_HTTP_DEFAULT, &kuyruklar);
    c->freeDests(sayi, kuyruklar);
    if (sayi > 0 || c->lastError() <= IPP_STATUS_OK_EVENTS_COMPLETE)
        return {};
    return QStringLiteral("Yazdırma sunucusuna ulaşılamıyor: %1 (%2)")
        .arg(QString::fromUtf8(c->server()), QString::fromUtf8(c->lastErrorString()));
}
