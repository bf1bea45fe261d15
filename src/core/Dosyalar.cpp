#include "Dosyalar.h"

#include <QFileInfo>

bool Duzenli_Dosya_Degil(const QString &yol) {
    const QFileInfo f(yol);
    return (f.exists() || f.isSymLink()) && !f.isFile();
}
