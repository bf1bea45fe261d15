#pragma once

#include "ZplHedefi.h"

#include <QString>
#include <memory>
#include <optional>

// A raw job on a CUPS queue: the bytes reach the printer as they are (its own
// language), no driver in between. The scheduler starts a job only when it has all
// of it, so the first label goes as a job of its own for the printer to start on
// while the rest is made; a run dropped halfway cancels what was not sent yet.
std::unique_ptr<BaytCikisi> Kuyruk_Cikisi(const QString &kuyruk, const QString &is_adi);

// Why the print server (the CUPS scheduler) cannot be reached; nothing when it answers.
Hata Yazdirma_Sunucusu_Hatasi();
