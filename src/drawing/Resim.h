#pragma once

#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QString>
#include <memory>

class QPainter;
class QSvgRenderer;

// A picture a label shows: a PNG or JPEG image, or an SVG drawing (kept as vectors,
// so PDF pages carry it sharp). Read once per file and shared by every label.
class Resim {
public:
    ~Resim();
    // The picture in `yol`; nothing when the file is missing or is no picture.
    static std::shared_ptr<const Resim> Yukle(const QString &yol);

    QSizeF Boyut() const { return boyut_; }
    // Draws the picture as large as it fits in `alan` keeping its proportions,
    // centred, turned counter-clockwise by `aci` degrees (0, 90, 180, 270).
    void Ciz(QPainter &p, const QRectF &alan, int aci) const;

private:
    Resim() = default;
    QImage resim_;
    std::unique_ptr<QSvgRenderer> svg_;
    QSizeF boyut_;
};
