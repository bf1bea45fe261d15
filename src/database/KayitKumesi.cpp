#include "KayitKumesi.h"

#include "SqlTarama.h"
#include "SqliteSatirlari.h"
#include "VeriBaglantisi.h"
#include "core/IptalSinyali.h"
#include "core/SqliteIslevleri.h"

#include <QCoreApplication>
#include <QLocale>
#include <QLoggingCategory>
#include <cmath>
#include <optional>

Q_LOGGING_CATEGORY(varnelSql, "varnel.sql", QtWarningMsg)

namespace {

// While a statement runs, a stop request or a silent server cancels it; a failure it
// caused is told as what it is (SQLite's lock wait gives up by itself: "busy").
class Izlenen {
public:
    Izlenen(VeriBaglantisi &b, const QSqlError &hata) : b_(b), hata_(hata) { b_.Sorgu_Basladi(); }
    ~Izlenen() {
        b_.Sorgu_Bitti();
        if (!hata_.isValid() || b_.Durdu != VeriBaglantisi::Durma::Yok)
            return;
        const QString kod = hata_.nativeErrorCode();
        if (Iptal_Dinleyici::Sinyal())
            b_.Durdu = VeriBaglantisi::Durma::Sinyal;
        else if (b_.Motoru() == VeriBaglantisi::Motor::SQLite && (kod == u"5" || kod == u"6"))
            b_.Durdu = VeriBaglantisi::Durma::ZamanAsimi;
    }

private:
    VeriBaglantisi &b_;
    const QSqlError &hata_;
};

} // namespace

void KayitKumesi::Close() {
    sorgu_.reset();
    satirlar_.reset();
    okunan_ = {};
    satir_ = -1;
    kayit_ = QSqlRecord();
    indeksler_.clear();
    sikAdlar_.clear();
    durum_ = Durum::Kapali;
    sonda_ = true;
}

// Open on the columns of `kayit`; the places of names asked before went with Close.
void KayitKumesi::acildi(const QSqlRecord &kayit, bool bos) {
    kayit_ = kayit;
    durum_ = Durum::Acik;
    sonda_ = bos;
}

bool KayitKumesi::Open(VeriBaglantisi &baglanti, const QString &source, Kilit kilit) {
    Close();
    ondalik_ = baglanti.Ondalik_Ayirac;
    kilit_ = kilit;
    hata_ = QSqlError();
    etkilenen_ = 0;
    const QString sql = baglanti.Lehce(source);
    qCDebug(varnelSql).noquote() << sql;

    // The item condition reaches the SELECTs: the scanner refuses a second
    // statement before anything is sent, the engine guard below makes sure.
    const bool secim =
        Anahtar_Kelime(QStringView(source).trimmed().left(6), QLatin1StringView("SELECT"));
    if (secim && !Tek_Komut_Mu(source, baglanti.Motoru())) {
        hata_ = QSqlError(QString(), QStringLiteral("Sorgu tek bir komut olmalıdır."),
                          QSqlError::StatementError);
        return false;
    }
    if (secim && kilit == Kilit::SaltOkunur && baglanti.Motoru() != VeriBaglantisi::Motor::SQLite) {
        const Izlenen izlenen(baglanti, hata_);
        return saltOku(baglanti, sql);
    }

    // SQLite: the connection refuses writes while the statement is compiled and
    // starts; a SELECT cannot turn into a write after that.
    // (Action statements, one per label when the work table is filled, skip it.)
    std::optional<QSqlQuery> pragma;
    if (secim && kilit == Kilit::SaltOkunur) {
        pragma.emplace(baglanti.Veritabani());
        pragma->exec(QStringLiteral("PRAGMA query_only=1"));
    }
    const auto pragmaBitti = [&pragma] {
        if (pragma)
            pragma->exec(QStringLiteral("PRAGMA query_only=0"));
    };
    if (baglanti.Motoru() == VeriBaglantisi::Motor::SQLite)
        if (const std::optional<bool> tamam =
                secim ? sqliteSecimi(baglanti, sql) : sqliteEylemi(baglanti, sql)) {
            pragmaBitti();
            return *tamam;
        }

    auto q = std::make_unique<QSqlQuery>(baglanti.Veritabani());
    // Rows are read once, in order: forward-only keeps memory flat. PostgreSQL's
    // forward-only mode streams one statement at a time per connection, and the
    // program reads one set while it runs others, so there the rows are fetched whole.
    q->setForwardOnly(baglanti.Motoru() != VeriBaglantisi::Motor::PostgreSQL);
    q->setNumericalPrecisionPolicy(QSql::LowPrecisionDouble);
    const Izlenen izlenen(baglanti, hata_);
    const bool tamam = q->exec(sql);
    pragmaBitti();
    if (!tamam) {
        hata_ = q->lastError();
        return false;
    }
    if (!q->isSelect()) {
        etkilenen_ = q->numRowsAffected();
        return true;
    }
    const QSqlRecord kayit = q->record();
    sorgu_ = std::move(q);
    acildi(kayit, !sorgu_->next());
    return true;
}

// Qt's driver makes a result object and a row cache for every statement, which costs
// more than SQLite's own work when the work table takes one INSERT per label. A
// statement that gives no rows runs straight through SQLite on the same connection and
// fails as the driver would; anything else (rows, more than one statement, a statement
// SQLite cannot compile, parameters the driver refuses unbound) is left to the driver.
// An INSERT of the form of the one before reuses its compiled statement.
std::optional<bool> KayitKumesi::sqliteEylemi(VeriBaglantisi &baglanti, const QString &sql) {
    const SqliteIslevleri *f = SqliteIslevleri::Yukle();
    auto *vt = static_cast<sqlite3 *>(Surucu_Tutamaci(baglanti.Veritabani(), "sqlite3*"));
    if (!f || !vt)
        return std::nullopt;
    SqliteKomutBellegi &bellek = baglanti.Sqlite_Komutlari().bellek;
    sqlite3_stmt *komut = nullptr;
    if (const std::optional<SqliteKalibi> kalip = Sqlite_Kalibi(sql))
        komut = bellek.Hazirla(*f, vt, *kalip);
    const bool bellekte = komut;
    const void *kalan = nullptr;
    if (!komut && (f->prepare16_v2(vt, sql.constData(), int((sql.size() + 1) * sizeof(QChar)),
                                   &komut, &kalan) != SQLITE_OK ||
                   !komut || !QStringView(static_cast<const QChar *>(kalan)).trimmed().isEmpty() ||
                   f->column_count(komut) > 0 || f->bind_parameter_count(komut) > 0)) {
        f->finalize(komut);
        return std::nullopt;
    }
    const Izlenen izlenen(baglanti, hata_);
    const int sonuc = f->step(komut);
    if (sonuc != SQLITE_DONE && sonuc != SQLITE_ROW)
        hata_ = Sqlite_Adim_Hatasi(*f, vt, komut, sonuc);
    else
        etkilenen_ = f->changes(vt);
    if (bellekte)
        bellek.Sifirla();
    else
        f->finalize(komut);
    return !hata_.isValid();
}

// A SELECT on SQLite: its rows straight from SQLite, each value made when it is asked.
std::optional<bool> KayitKumesi::sqliteSecimi(VeriBaglantisi &baglanti, const QString &sql) {
    const SqliteIslevleri *f = SqliteIslevleri::Yukle();
    auto *vt = static_cast<sqlite3 *>(Surucu_Tutamaci(baglanti.Veritabani(), "sqlite3*"));
    if (!f || !vt)
        return std::nullopt;
    std::unique_ptr<SqliteSatirlari> s =
        SqliteSatirlari::Hazirla(*f, vt, baglanti.Sqlite_Komutlari(), sql);
    if (!s)
        return std::nullopt;
    bool satir;
    {
        const Izlenen izlenen(baglanti, hata_);
        satir = s->Ilerle(hata_);
    }
    if (hata_.isValid())
        return false;
    satirlar_ = std::move(s);
    acildi(satirlar_->Kayit(), !satir);
    return true;
}

// PostgreSQL reads through its own guard; SQL Server inside a transaction that is
// always rolled back (nested under the run's own, when there is one).
bool KayitKumesi::saltOku(VeriBaglantisi &baglanti, const QString &sql) {
    if (baglanti.Motoru() == VeriBaglantisi::Motor::PostgreSQL) {
        if (!Pg_Salt_Oku(baglanti.Veritabani(), sql, okunan_, hata_))
            return false;
    } else {
        QSqlQuery q(baglanti.Veritabani());
        q.setForwardOnly(true);
        q.setNumericalPrecisionPolicy(QSql::LowPrecisionDouble);
        QSqlQuery islem(baglanti.Veritabani());
        islem.exec(QStringLiteral("BEGIN TRANSACTION; SAVE TRANSACTION varnel_okuma"));
        const bool tamam = q.exec(sql);
        if (tamam) {
            okunan_.kayit = q.record();
            while (q.next()) {
                QList<QVariant> satir;
                for (int i = 0; i < okunan_.kayit.count(); ++i)
                    satir.append(q.value(i));
                okunan_.satirlar.append(std::move(satir));
            }
        } else {
            hata_ = q.lastError();
        }
        q.finish();
        islem.exec(QStringLiteral("ROLLBACK TRANSACTION varnel_okuma; COMMIT TRANSACTION"));
        if (!tamam)
            return false;
    }
    satir_ = 0;
    acildi(okunan_.kayit, okunan_.satirlar.isEmpty());
    return true;
}

void KayitKumesi::MoveNext() {
    if (sonda_)
        return;
    QSqlError hata; // a failure ends the rows, as the driver's next() does
    if (satirlar_)
        sonda_ = !satirlar_->Ilerle(hata);
    else if (sorgu_)
        sonda_ = !sorgu_->next();
    else
        sonda_ = ++satir_ >= okunan_.satirlar.size();
}

int KayitKumesi::FieldIndex(const QString &ad) const {
    // Labels read the same few columns by name on every row, mostly through the same
    // strings: a name sharing a kept copy's characters is that name, without hashing.
    for (const auto &[adi, indeks] : sikAdlar_)
        if (adi.constData() == ad.constData() && adi.size() == ad.size())
            return indeks;
    int indeks;
    if (const auto i = indeksler_.constFind(ad); i != indeksler_.cend())
        indeks = *i;
    else
        indeks = indeksler_[ad] = alanAra(ad);
    if (sikAdlar_.size() < sikAdlar_.capacity() && !ad.isNull())
        sikAdlar_.append({ad, indeks});
    return indeks;
}

int KayitKumesi::alanAra(const QString &ad) const {
    const int tam = kayit_.indexOf(ad);
    if (tam >= 0 && kayit_.fieldName(tam).compare(ad, Qt::CaseInsensitive) == 0)
        return tam;
    for (int i = 0; i < kayit_.count(); ++i)
        if (kayit_.fieldName(i).compare(ad, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QVariant KayitKumesi::Value(int i) const {
    if (sonda_ || i < 0 || i >= kayit_.count())
        return QVariant();
    if (satirlar_)
        return satirlar_->Deger(i);
    return sorgu_ ? sorgu_->value(i) : okunan_.satirlar[satir_][i];
}

QVariant KayitKumesi::Value(const QString &ad) const { return Value(FieldIndex(ad)); }

QString Duz_Ondalik(double d, const QString &ondalik) {
    if (!std::isfinite(d))
        return QString();
    // The shortest digits that read back as the same double, then the exponent
    // spelled out: every later step (rounding, grouping, patterns) reads plain digits.
    const QString g = QString::number(d, 'e', QLocale::FloatingPointShortest);
    const qsizetype e = g.indexOf(u'e');
    const bool eksi = g.startsWith(u'-');
    QString rakam = g.mid(eksi ? 1 : 0, e - (eksi ? 1 : 0));
    rakam.remove(u'.');
    const int us = g.mid(e + 1).toInt();
    qsizetype nokta = 1 + us; // digits before the decimal separator
    QString s;
    if (nokta <= 0)
        s = QStringLiteral("0") + ondalik + QString(-nokta, u'0') + rakam;
    else if (nokta >= rakam.size())
        s = rakam + QString(nokta - rakam.size(), u'0');
    else
        s = rakam.left(nokta) + ondalik + rakam.mid(nokta);
    return eksi && d != 0 ? u'-' + s : s;
}

QString Deger_Metni(const QVariant &v, const QString &ondalik) {
    if (v.isNull())
        return QString();
    switch (v.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float: {
        const double d = v.toDouble();
        if (std::fabs(d) < 1e15 && d == std::trunc(d))
            return QString::number(static_cast<qint64>(d));
        // Fifteen significant digits, as before, for everyday values; beyond that
        // every digit the double holds, never an exponent.
        if (std::fabs(d) < 1e15 && std::fabs(d) >= 1e-4) {
            QString s = QString::number(d, 'g', 15);
            s.replace(u'.', ondalik);
            return s;
        }
        return Duz_Ondalik(d, ondalik);
    }
    case QMetaType::QDate:
        return v.toDate().toString(QStringLiteral("dd.MM.yyyy"));
    case QMetaType::QDateTime: {
        const QDateTime an = v.toDateTime();
        return an.time() == QTime(0, 0) ? an.toString(QStringLiteral("dd.MM.yyyy"))
                                        : an.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"));
    }
    default:
        return v.toString();
    }
}

QString KayitKumesi::Text(const QString &ad) const { return Deger_Metni(Value(ad), ondalik_); }

double KayitKumesi::Number(const QString &ad) const { return Value(ad).toDouble(); }

QDateTime KayitKumesi::Date(const QString &ad) const { return Value(ad).toDateTime(); }

QStringList Tablo_Sutunlari(VeriBaglantisi &b, const QString &tablo) {
    KayitKumesi k;
    QStringList l;
    if (k.Open(b, QStringLiteral("SELECT * FROM %1 WHERE 1=0").arg(tablo)))
        for (int i = 0; i < k.Kayit().count(); ++i)
            l << k.Kayit().fieldName(i);
    return l;
}
