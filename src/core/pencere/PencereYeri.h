#pragma once

#include <QString>

class QWidget;

// Where and how large a window was when it last closed, maximised state included,
// kept in $XDG_CONFIG_HOME/varnel/Pencereler.ini under `ad`.
void Pencere_Yerini_Yukle(QWidget *pencere, const QString &ad);
void Pencere_Yerini_Kaydet(const QWidget *pencere, const QString &ad);
