#pragma once

#include <QString>

// Whether `yol` exists (or is a link) and is no regular file: a file saved there
// would replace a device node, a folder or whatever the link leads to.
bool Duzenli_Dosya_Degil(const QString &yol);
