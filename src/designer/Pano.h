#pragma once

#include "TasarimModeli.h"
#include "core/Hata.h"

#include <QByteArray>
#include <QPointF>
#include <QString>
#include <optional>

// Copied elements travel as design-file bytes of a design holding only them, so a
// copy pastes into another design or another running Varnel.
inline const QString Oge_Mime_Turu = QStringLiteral("application/x-varnel-ogeler");

// The selected elements as such bytes (empty with nothing selected).
QByteArray Secim_Kaydi(const TasarimModeli &m);
// The same as plain text for other programs: a line each, kind, text and place.
QString Secim_Duz_Metni(const TasarimModeli &m);
// Adds the elements of `kayit` 2 mm down-right of where they were, or with their
// block's corner at `yer` (mm), kept inside the section as one block; one undo
// step; they become the selection. False when the bytes hold no element; why not,
// when the design could not hold them (more elements than a design may have, or a
// file larger than the reader takes).
Sonuc<bool> Yapistir(TasarimModeli &m, const QByteArray &kayit, std::optional<QPointF> yer = {});
// Why the design cannot take `barkod` more barcodes and `nesne` more elements (of
// `bayt` more bytes in its file); nothing when it can.
Hata Sigmaz(const TasarimModeli &m, qsizetype barkod, qsizetype nesne, qint64 bayt = 0);
