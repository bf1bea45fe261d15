#pragma once

#include "TasarimKayitlari.h"

#include <QJsonObject>
#include <QString>

// The document under its own names, for `varnel inspect --json`.
QJsonObject Tasarim_Json(const TasarimBelgesi &belge);

// A readable summary for `varnel inspect`.
QString Tasarim_Ozeti(const TasarimBelgesi &belge);
