#pragma once

#include "core/Ayiraclar.h"
#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

// The output format dialog's state without its window: the kind list (List1), the
// pattern list (List2), whether the pattern frame shows, and the tag "Tamam" writes.
// For the amount in words (`yaziyla`) the kinds are its currency words.
class CiktiFormati {
public:
    explicit CiktiFormati(const QString &tag, bool yaziyla = false);

    enum class Tur { Para, Tarih, Yaziyla };
    Tur Turu() const { return tur_; }
    QStringList List1() const;
    int List1_Secili() const { return list1_; }
    QStringList List2() const;
    int List2_Secili() const { return list2_secili_; }
    bool Frame2_Gorunur() const { return frame2_; }

    void List1_Sec(int satir);
    void List2_Sec(int satir);
    // The sample: the pattern on 1234 or on `bugun`; "Genel" shows 1234 or the
    // date in its short form.
    QString Ornek(const QDate &bugun, const Ayiraclar &a) const;
    // The tag to store, or nothing when "Tamam" leaves it as it was.
    std::optional<QString> Tamam() const;

private:
    QString tag_;
    Tur tur_ = Tur::Para;
    int list1_ = 0;
    QStringList list2_;
    int list2_secili_ = -1;
    bool frame2_ = false;
};
