#pragma once

#include <QString>
#include <functional>

class QMenuBar;

// Builds the main window's menu tree: every item is a QAction named after its
// item (objectName) with its caption; leaves call `tikla` with their name.
void Menu_Agaci_Kur(QMenuBar *cubuk, const std::function<void(const QString &)> &tikla);
