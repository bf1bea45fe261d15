#include "SqliteKalibi.h"

#include "SqlTarama.h"

namespace {

bool kelimeHarfi(QChar c) { return c.isLetterOrNumber() || c == u'_' || c == u'$'; }

// Where the quoted text, comment or name that starts at `i` ends (one past it); -1
// when it never ends.
qsizetype sonu(const QString &s, qsizetype i) {
    const QChar c = s[i];
    if (c == u'-' || c == u'/') {
        const qsizetype son =
            s.indexOf(c == u'-' ? QStringLiteral("\n") : QStringLiteral("*/"), i + 2);
        return son < 0 ? (c == u'-' ? s.size() : -1) : son + (c == u'-' ? 1 : 2);
    }
    const QChar kapa = c == u'[' ? u']' : c;
    for (qsizetype j = i + 1; j < s.size(); ++j) {
        if (s[j] != kapa)
            continue;
        if (kapa != u']' && j + 1 < s.size() && s[j + 1] == kapa) {
            ++j; // doubled: the quote itself
            continue;
        }
        return j + 1;
    }
    return -1;
}

bool yorumBasi(const QString &s, qsizetype i) {
    return i + 1 < s.size() &&
           ((s[i] == u'-' && s[i + 1] == u'-') || (s[i] == u'/' && s[i + 1] == u'*'));
}

} // namespace

std::optional<SqliteKalibi> Sqlite_Kalibi(const QString &sql) {
    const QStringView bas = QStringView(sql).trimmed();
    if (!Anahtar_Kelime(bas.left(6), QLatin1StringView("INSERT")) ||
        (bas.size() > 6 && kelimeHarfi(bas[6])))
        return std::nullopt;
    SqliteKalibi k;
    bool degerler = false;    // past VALUES
    QChar onceki;             // the last character that is not blank or comment
    qsizetype kopyalanan = 0; // the text up to here is in k.metin
    for (qsizetype i = 0; i < sql.size();) {
        const QChar c = sql[i];
        if (c.isSpace()) {
            ++i;
        } else if (yorumBasi(sql, i) || c == u'"' || c == u'`' || c == u'[') {
            const qsizetype son = sonu(sql, i);
            if (son < 0)
                return std::nullopt;
            if (!yorumBasi(sql, i))
                onceki = u'a';
            i = son;
        } else if (c == u'\'') {
            const qsizetype son = sonu(sql, i);
            if (son < 0)
                return std::nullopt;
            qsizetype sonra = son;
            while (sonra < sql.size() && sql[sonra].isSpace())
                ++sonra;
            const QStringView yazi = QStringView(sql).mid(i, son - i);
            // A value of the list alone, not a name or part of a longer expression.
            if (degerler && (onceki == u'(' || onceki == u',') && sonra < sql.size() &&
                (sql[sonra] == u',' || sql[sonra] == u')') && !yazi.contains(QChar(0))) {
                k.metin.append(QStringView(sql).mid(kopyalanan, i - kopyalanan)).append(u'?');
                kopyalanan = son;
                QString deger = yazi.mid(1, yazi.size() - 2).toString();
                if (deger.contains(u'\''))
                    deger.replace(QStringLiteral("''"), QStringLiteral("'"));
                k.degerler.append(std::move(deger));
            }
            onceki = u'\'';
            i = son;
        } else if (kelimeHarfi(c)) {
            qsizetype son = i;
            while (son < sql.size() && kelimeHarfi(sql[son]))
                ++son;
            if (Anahtar_Kelime(QStringView(sql).mid(i, son - i), QLatin1StringView("VALUES")))
                degerler = true;
            onceki = u'a';
            i = son;
        } else {
            onceki = c;
            ++i;
        }
    }
    if (!degerler)
        return std::nullopt;
    k.metin.append(QStringView(sql).mid(kopyalanan));
    return k;
}

sqlite3_stmt *SqliteKomutBellegi::Hazirla(const SqliteIslevleri &f, sqlite3 *vt,
                                          const SqliteKalibi &kalip) {
    if (!komut_ || vt != vt_ || kalip.metin != metin_) {
        Bosalt();
        sqlite3_stmt *komut = nullptr;
        const void *kalan = nullptr;
        const QString &m = kalip.metin;
        if (f.prepare16_v2(vt, m.constData(), int((m.size() + 1) * sizeof(QChar)), &komut,
                           &kalan) != SQLITE_OK ||
            !komut || !QStringView(static_cast<const QChar *>(kalan)).trimmed().isEmpty() ||
            f.column_count(komut) > 0 || f.bind_parameter_count(komut) != kalip.degerler.size()) {
            f.finalize(komut);
            return nullptr;
        }
        f_ = &f;
        vt_ = vt;
        komut_ = komut;
        metin_ = m;
    }
    for (qsizetype i = 0; i < kalip.degerler.size(); ++i) {
        const QString &d = kalip.degerler[i];
        if (f.bind_text16(komut_, int(i + 1), d.utf16(), int(d.size() * sizeof(QChar)),
                          SQLITE_STATIC) != SQLITE_OK) {
            Bosalt();
            return nullptr;
        }
    }
    return komut_;
}

void SqliteKomutBellegi::Sifirla() {
    if (komut_)
        f_->reset(komut_);
}

void SqliteKomutBellegi::Bosalt() {
    if (komut_)
        f_->finalize(komut_);
    komut_ = nullptr;
    vt_ = nullptr;
    metin_.clear();
}
