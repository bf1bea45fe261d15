#include "SqlTarama.h"

namespace {

using Motor = VeriBaglantisi::Motor;

bool adKarakteri(QChar c) {
    return c.isLetterOrNumber() || c == u'_' || c == u'$' || c.unicode() >= 0x80;
}

// Reads SQL text token by token far enough to know where statements end. Where the
// engines differ, each reads as its own lexer does; a doubt is resolved towards
// seeing more code, which can only refuse more.
class Tarayici {
public:
    Tarayici(const QString &s, Motor m) : s_(s), m_(m) {}

    bool Tek() {
        while (i_ < s_.size()) {
            const QChar c = s_[i_];
            if (c == u';')
                return false;
            if (c == u'\'')
                metin(i_ + 1, kacisliMi());
            else if (c == u'"')
                kapanisaKadar(u'"');
            else if (c == u'`' && m_ == Motor::SQLite)
                kapanisaKadar(u'`');
            else if (c == u'[' && m_ != Motor::PostgreSQL)
                kapanisaKadar(u']'); // PostgreSQL: array subscripts, no quoting
            else if (c == u'-' && sonraki(1) == u'-')
                satirSonunaKadar();
            else if (c == u'/' && sonraki(1) == u'*')
                yorum();
            else if (c == u'$' && m_ == Motor::PostgreSQL && dolarMetni())
                ;
            else
                ++i_;
        }
        return true;
    }

private:
    QChar sonraki(qsizetype k) const { return i_ + k < s_.size() ? s_[i_ + k] : QChar(); }
    QChar onceki() const { return i_ > 0 ? s_[i_ - 1] : QChar(); }

    // PostgreSQL's E'…' reads backslash escapes; E must start a token.
    bool kacisliMi() const {
        if (m_ != Motor::PostgreSQL || i_ == 0)
            return false;
        const QChar e = s_[i_ - 1];
        return (e == u'e' || e == u'E') && (i_ < 2 || !adKarakteri(s_[i_ - 2]));
    }

    // A quoted text from `bas`; a doubled quote stays inside it.
    void metin(qsizetype bas, bool kacisli) {
        i_ = bas;
        while (i_ < s_.size()) {
            const QChar c = s_[i_];
            if (kacisli && c == u'\\') {
                i_ += 2;
            } else if (c == u'\'') {
                if (sonraki(1) != u'\'') {
                    ++i_;
                    return;
                }
                i_ += 2;
            } else {
                ++i_;
            }
        }
    }

    // Quoted names: a doubled closing character stays inside.
    void kapanisaKadar(QChar kapanis) {
        ++i_;
        while (i_ < s_.size()) {
            if (s_[i_] == kapanis) {
                if (sonraki(1) != kapanis) {
                    ++i_;
                    return;
                }
                ++i_;
            }
            ++i_;
        }
    }

    // "--" runs to the end of the line; any line end ends it (PostgreSQL takes a
    // bare CR too).
    void satirSonunaKadar() {
        while (i_ < s_.size() && s_[i_] != u'\n' && s_[i_] != u'\r')
            ++i_;
    }

    // PostgreSQL and SQL Server nest block comments, SQLite does not.
    void yorum() {
        const bool ic_ice = m_ != Motor::SQLite;
        int derinlik = 0;
        while (i_ < s_.size()) {
            if (s_[i_] == u'/' && sonraki(1) == u'*' && (ic_ice || derinlik == 0)) {
                ++derinlik, i_ += 2;
            } else if (s_[i_] == u'*' && sonraki(1) == u'/') {
                i_ += 2;
                if (--derinlik == 0)
                    return;
            } else {
                ++i_;
            }
        }
    }

    // $$…$$ or $tag$…$tag$, unless the "$" continues a name or is a parameter ($1).
    bool dolarMetni() {
        if (adKarakteri(onceki()))
            return false;
        qsizetype j = i_ + 1;
        while (j < s_.size() && s_[j] != u'$') {
            const QChar c = s_[j];
            const bool ilk = j == i_ + 1;
            if (!(c.isLetter() || c == u'_' || c.unicode() >= 0x80 || (!ilk && c.isDigit())))
                return false;
            ++j;
        }
        if (j >= s_.size())
            return false;
        const QString etiket = s_.mid(i_, j - i_ + 1);
        const qsizetype son = s_.indexOf(etiket, j + 1);
        i_ = son < 0 ? s_.size() : son + etiket.size();
        return true;
    }

    const QString &s_;
    Motor m_;
    qsizetype i_ = 0;
};

} // namespace

bool Tek_Komut_Mu(const QString &sql, VeriBaglantisi::Motor motor) {
    return Tarayici(sql, motor).Tek();
}
