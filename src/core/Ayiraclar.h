#pragma once

#include <QString>

// The regional separators number texts are read and written with. Start-up takes
// them from the regional settings; a value made without a session (inspect, tests)
// has the form the regional check asks for.
struct Ayiraclar {
    QString ondalik = QStringLiteral(",");
    QString basamak = QStringLiteral(".");
};
