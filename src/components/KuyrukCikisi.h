#pragma once

#include "ZplHedefi.h"

#include <QString>
#include <memory>

// A raw job on a CUPS queue: the bytes reach the printer as they are (its own
// language), no driver in between. The job is made at the first bytes and closed
// at the end; a run dropped halfway cancels it.
std::unique_ptr<BaytCikisi> Kuyruk_Cikisi(const QString &kuyruk, const QString &is_adi);
