#include "Resim.h"

#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>

Resim::~Resim() = default;

std::shared_ptr<const Resim> Resim::Yukle(const QString &yol) {
    QFile f(yol);
    if (!f.open(QIODevice::ReadOnly))
        return nullptr;
    const QByteArray veri = f.readAll();
    std::shared_ptr<Resim> r(new Resim);
    if (yol.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        r->svg_ = std::make_unique<QSvgRenderer>(veri);
        if (!r->svg_->isValid())
            return nullptr;
        r->boyut_ = r->svg_->viewBoxF().size();
        if (r->boyut_.isEmpty())
            r->boyut_ = r->svg_->defaultSize();
    } else {
        r->resim_ = QImage::fromData(veri);
        if (r->resim_.isNull())
            return nullptr;
        r->boyut_ = r->resim_.size();
    }
    return r->boyut_.isEmpty() ? nullptr : r;
}

void Resim::Ciz(QPainter &p, const QRectF &alan, int aci) const {
    const int a = ((aci % 360) + 360) % 360;
    const bool dik = a == 90 || a == 270;
    // The box in the picture's own (unturned) frame, then the picture fitted in it.
    const QSizeF kutu = dik ? alan.size().transposed() : alan.size();
    const QSizeF s = boyut_.scaled(kutu, Qt::KeepAspectRatio);
    const QRectF hedef(-s.width() / 2, -s.height() / 2, s.width(), s.height());
    p.save();
    p.translate(alan.center());
    p.rotate(-a);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (svg_)
        svg_->render(&p, hedef);
    else
        p.drawImage(hedef, resim_);
    p.restore();
}
