#pragma once

#include <QString>
#include <QTest>

// For tables checked in a loop: names the row in the log when a check fails in
// its scope (a failing check returns from the test, ending the scope).
class Satir_Izi {
public:
    explicit Satir_Izi(const QString &ad) : ad_(ad) {}
    ~Satir_Izi() {
        if (QTest::currentTestFailed())
            qWarning("satır: %s", qPrintable(ad_));
    }
    Satir_Izi(const Satir_Izi &) = delete;
    Satir_Izi &operator=(const Satir_Izi &) = delete;

private:
    QString ad_;
};
