#include "VeriBaglantisi.h"

#include "PgOkuma.h"
#include "SorguBekcisi.h"
#include "SqlTarama.h"
#include "SqliteSatirlari.h"
#include "core/IptalSinyali.h"
#include "core/Kutuphane.h"
#include "core/SqliteIslevleri.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlDriver>
#include <QSqlQuery>
#include <QThread>
#include <QUuid>
#include <optional>

namespace {

const QStringList bilinenAnahtarlar = {
    QStringLiteral("provider"),
    QStringLiteral("persist security info"),
    QStringLiteral("user id"),
    QStringLiteral("password"),
    QStringLiteral("initial catalog"),
    QStringLiteral("data source"),
    QStringLiteral("use procedure for prepare"),
    QStringLiteral("auto translate"),
    QStringLiteral("packet size"),
    QStringLiteral("workstation id"),
    QStringLiteral("use encryption for data"),
    QStringLiteral("tag with column collation when possible"),
};

struct Parca {
    QString anahtar; // lower case
    QString deger;
    qsizetype degerBasi = 0;
    qsizetype degerSonu = 0;
};

// A value in double or single quotes (a doubled quote inside stands for one), as
// connection texts quote a value that holds ";" or starts with a quote.
std::optional<QString> tirnakli(const QString &metin, qsizetype bas, qsizetype &son) {
    const QChar q = bas < metin.size() ? metin[bas] : QChar();
    if (q != u'"' && q != u'\'')
        return std::nullopt;
    QString deger;
    for (qsizetype i = bas + 1; i < metin.size(); ++i) {
        if (metin[i] != q) {
            deger += metin[i];
        } else if (i + 1 < metin.size() && metin[i + 1] == q) {
            deger += q, ++i;
        } else {
            son = i + 1;
            return deger;
        }
    }
    return std::nullopt;
}

// Splits "Key=Value;..." into pieces. A quoted value is taken whole; a piece that
// does not start with a known key belongs to the unquoted value before it, so a
// typed password may hold ";".
QList<Parca> parcala(const QString &metin) {
    QList<Parca> parcalar;
    qsizetype i = 0;
    while (i <= metin.size()) {
        qsizetype son = metin.indexOf(u';', i);
        if (son < 0)
            son = metin.size();
        const QString parca = metin.mid(i, son - i);
        const qsizetype esit = parca.indexOf(u'=');
        const QString anahtar = esit < 0 ? QString() : parca.left(esit).trimmed().toLower();
        if (esit >= 0 && bilinenAnahtarlar.contains(anahtar)) {
            qsizetype bas = i + esit + 1, kapanis = 0;
            while (bas < metin.size() && metin[bas] == u' ')
                ++bas;
            if (const auto d = tirnakli(metin, bas, kapanis)) {
                parcalar.append({anahtar, *d, bas, kapanis});
                son = metin.indexOf(u';', kapanis);
                if (son < 0)
                    son = metin.size();
            } else {
                parcalar.append({anahtar, parca.mid(esit + 1), i + esit + 1, son});
            }
        } else if (!parcalar.isEmpty() && !parca.isEmpty()) {
            Parca &onceki = parcalar.last();
            onceki.degerSonu = son;
            onceki.deger = metin.mid(onceki.degerBasi, son - onceki.degerBasi);
        }
        i = son + 1;
    }
    return parcalar;
}

// ODBC's function for stopping a statement, from the library Qt's driver loaded (not
// linked: a run on another engine does without it).
struct Odbc {
    short (*cancelHandle)(short, void *) = nullptr;
    static const Odbc *Yukle() {
        static const Odbc o = [] {
            Odbc o;
            Kutuphane l(QStringLiteral("odbc"), 2);
            l(o.cancelHandle, "SQLCancelHandle");
            return o;
        }();
        return o.cancelHandle ? &o : nullptr;
    }
};

// SQLite waits for another writer's lock in here rather than in its own timer, so
// that a stop request ends the wait at once. `v` is the waiting time allowed in ms.
int sqliteBekle(void *v, int kez) {
    if (Iptal_Dinleyici::Sinyal())
        return 0;
    // Ten milliseconds a turn: the turns count the time waited.
    if (qint64(kez) * 10 >= *static_cast<const int *>(v))
        return 0;
    QThread::msleep(10);
    return 1;
}

} // namespace

// Qt keeps connections by name program-wide: each object names its own.
VeriBaglantisi::VeriBaglantisi()
    : ad_(QStringLiteral("varnel-") + QUuid::createUuid().toString(QUuid::Id128)) {}

VeriBaglantisi::~VeriBaglantisi() {
    bekci_.reset(); // its thread may be cancelling a statement of this connection
    Close();
    QSqlDatabase::removeDatabase(ad_);
}

QSqlDatabase VeriBaglantisi::Veritabani() const { return QSqlDatabase::database(ad_, false); }

SqliteKomutlari &VeriBaglantisi::Sqlite_Komutlari() {
    if (!komutlar_)
        komutlar_ = std::make_unique<SqliteKomutlari>();
    return *komutlar_;
}

bool VeriBaglantisi::Acik() const { return Veritabani().isOpen(); }

void VeriBaglantisi::Close() {
    iptalci_ = nullptr;
    if (komutlar_)
        komutlar_->Bosalt();
    if (QSqlDatabase::contains(ad_)) {
        QSqlDatabase db = QSqlDatabase::database(ad_, false);
        db.close();
    }
}

VeriBaglantisi::Parametreler VeriBaglantisi::Coz(const QString &connectionString) {
    Parametreler p;
    for (const Parca &parca : parcala(connectionString)) {
        if (parca.anahtar == u"user id")
            p.kullanici = parca.deger;
        else if (parca.anahtar == u"password")
            p.sifre = parca.deger;
        else if (parca.anahtar == u"initial catalog")
            p.veritabani = parca.deger;
        else if (parca.anahtar == u"data source")
            p.sunucu = parca.deger;
    }
    const QString &s = p.sunucu;
    if (s.startsWith(QLatin1String("sqlite:"), Qt::CaseInsensitive)) {
        p.motor = Motor::SQLite;
        QString klasor = s.mid(7);
        if (klasor.isEmpty())
            klasor = QStringLiteral(".");
        p.sqlite_dosyasi = klasor + u'/' + p.veritabani + QStringLiteral(".db");
    } else if (s.startsWith(QLatin1String("postgresql://"), Qt::CaseInsensitive)) {
        p.motor = Motor::PostgreSQL;
        QString adres = s.mid(13);
        if (adres.endsWith(u'/'))
            adres.chop(1);
        static const QRegularExpression ipv6(QStringLiteral("^\\[([^\\]]*)\\](?::(\\d+))?$"));
        static const QRegularExpression duz(QStringLiteral("^([^:]*)(?::(\\d+))?$"));
        QRegularExpressionMatch m = ipv6.match(adres);
        if (!m.hasMatch())
            m = duz.match(adres);
        if (m.hasMatch()) {
            p.ana_bilgisayar = m.captured(1);
            if (!m.captured(2).isEmpty())
                p.port = m.captured(2).toInt();
        } else {
            p.ana_bilgisayar = adres;
        }
    } else {
        p.motor = Motor::SQLServer;
        const qsizetype virgul = s.lastIndexOf(u',');
        if (virgul >= 0) {
            p.ana_bilgisayar = s.left(virgul).trimmed();
            bool ok = false;
            const int port = s.mid(virgul + 1).trimmed().toInt(&ok);
            p.port = ok ? port : -1;
        } else {
            p.ana_bilgisayar = s.trimmed();
        }
    }
    return p;
}

QString VeriBaglantisi::Deger_Tirnakla(const QString &deger) {
    const bool gerek = deger.contains(u';') || deger.startsWith(u'"') || deger.startsWith(u'\'') ||
                       deger.startsWith(u' ');
    if (!gerek)
        return deger;
    QString d = deger;
    d.replace(u'"', QStringLiteral("\"\""));
    return u'"' + d + u'"';
}

QString VeriBaglantisi::Sifre_Maskele(const QString &connectionString) {
    QString sonuc = connectionString;
    const QList<Parca> parcalar = parcala(connectionString);
    for (auto it = parcalar.crbegin(); it != parcalar.crend(); ++it)
        if (it->anahtar == u"password")
            sonuc.replace(it->degerBasi, it->degerSonu - it->degerBasi, QStringLiteral("***"));
    return sonuc;
}

QString VeriBaglantisi::Odbc_Metni(const Parametreler &p) {
    // ODBC values in braces may hold ";"; a "}" inside is doubled.
    const auto kume = [](const QString &v) {
        QString k = v;
        k.replace(u'}', QStringLiteral("}}"));
        return u'{' + k + u'}';
    };
    QString m = QStringLiteral("DRIVER={FreeTDS};SERVER=") + kume(p.ana_bilgisayar) + u';';
    if (p.port > 0)
        m += QStringLiteral("PORT=%1;").arg(p.port);
    m += QStringLiteral("DATABASE=") + kume(p.veritabani) + u';';
    m += QStringLiteral("UID=") + kume(p.kullanici) + u';';
    m += QStringLiteral("PWD=") + kume(p.sifre) + u';';
    m += QStringLiteral("TDS_Version=7.4;ClientCharset=UTF-8;");
    return m;
}

QSqlDatabase VeriBaglantisi::surucuyuHazirla(const QString &surucu) {
    QSqlDatabase db = QSqlDatabase::contains(ad_) ? QSqlDatabase::database(ad_, false)
                                                  : QSqlDatabase::addDatabase(surucu, ad_);
    if (db.driverName() != surucu) {
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(ad_);
        db = QSqlDatabase::addDatabase(surucu, ad_);
    }
    return db;
}

bool VeriBaglantisi::ayarla(QSqlDatabase &db) {
    switch (ayar_.motor) {
    case Motor::SQLite: {
        // Opening must never create a missing database.
        const QFileInfo dosya(ayar_.sqlite_dosyasi);
        if (!dosya.isFile()) {
            hata_ = QStringLiteral("Veritabanı dosyası yok: ") + ayar_.sqlite_dosyasi;
            return false;
        }
        db.setDatabaseName(dosya.absoluteFilePath());
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(Zaman_Asimi * 1000));
        break;
    }
    case Motor::PostgreSQL:
        db.setHostName(ayar_.ana_bilgisayar);
        if (ayar_.port > 0)
            db.setPort(ayar_.port);
        db.setDatabaseName(ayar_.veritabani);
        db.setUserName(ayar_.kullanici);
        db.setPassword(ayar_.sifre);
        db.setConnectOptions(QStringLiteral("connect_timeout=%1").arg(Zaman_Asimi));
        break;
    case Motor::SQLServer:
        // FreeTDS ends a braced value at its first "}", doubled or not: what follows
        // would be read as more of the connection text (another server or port).
        for (const auto &[deger, ne] : {std::pair{&ayar_.sifre, "şifresinde"},
                                        {&ayar_.kullanici, "kullanıcı adında"},
                                        {&ayar_.veritabani, "veritabanı adında"},
                                        {&ayar_.ana_bilgisayar, "sunucu adında"}})
            if (deger->contains(u'}')) {
                hata_ = QStringLiteral("SQL Server %1 \"}\" kullanılamaz: ODBC sürücüsü bu "
                                       "değeri bağlantı bilgisinden ayıramıyor.")
                            .arg(QString::fromUtf8(ne));
                return false;
            }
        db.setDatabaseName(Odbc_Metni(ayar_));
        db.setConnectOptions(
            QStringLiteral("SQL_ATTR_LOGIN_TIMEOUT=%1;SQL_ATTR_CONNECTION_TIMEOUT=%1")
                .arg(Zaman_Asimi));
        break;
    }
    return true;
}

bool VeriBaglantisi::sqliteHazirla(QSqlDatabase &db) {
    // A file that is not a database opens fine and fails on first use.
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"))) {
        hata_ = Gizle(q.lastError().text());
        db.close();
        return false;
    }
    // Write-ahead logging: readers of the stock database never wait for a print
    // run, and a second run waits for the run lock, not at connect. A database
    // that cannot switch (read-only folder) keeps its journal.
    q.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
    return true;
}

bool VeriBaglantisi::Open(const QString &connectionString) {
    Close();
    metin_ = connectionString;
    ayar_ = Coz(connectionString);
    hata_.clear();
    Koptu = false;
    Durdu = Durma::Yok;
    const QString surucu = ayar_.motor == Motor::SQLite       ? QStringLiteral("QSQLITE")
                           : ayar_.motor == Motor::PostgreSQL ? QStringLiteral("QPSQL")
                                                              : QStringLiteral("QODBC");
    if (!QSqlDatabase::isDriverAvailable(surucu)) {
        hata_ = QStringLiteral("Veritabanı sürücüsü bulunamadı: ") + surucu;
        return false;
    }
    QSqlDatabase db = surucuyuHazirla(surucu);
    if (!ayarla(db))
        return false;
    if (!db.open()) {
        hata_ = Gizle(db.lastError().text());
        return false;
    }
    if (ayar_.motor != Motor::SQLite)
        return true;
    Sqlite_Bekleme(Zaman_Asimi * 1000);
    const bool tamam = sqliteHazirla(db);
    Sqlite_Bekleme(sorguZamanAsimi_ * 1000);
    return tamam;
}

void VeriBaglantisi::Sorgu_Zaman_Asimi_Ayarla(int saniye) {
    sorguZamanAsimi_ = saniye;
    if (ayar_.motor == Motor::SQLite && Acik())
        Sqlite_Bekleme(saniye * 1000);
}

void VeriBaglantisi::Sqlite_Bekleme(int ms) {
    sqliteBekleme_ = ms;
    const SqliteIslevleri *l = SqliteIslevleri::Yukle();
    if (void *h = Surucu_Tutamaci(Veritabani(), "sqlite3*"); l && h)
        l->busy_handler(static_cast<sqlite3 *>(h), sqliteBekle, &sqliteBekleme_);
    else // Qt's own timer: no stop request ends its wait, but it still ends
        QSqlQuery(Veritabani()).exec(QStringLiteral("PRAGMA busy_timeout=%1").arg(ms));
}

void *Surucu_Tutamaci(const QSqlDatabase &db, const char *tur) {
    const QVariant h = db.driver() ? db.driver()->handle() : QVariant();
    return h.isValid() && qstrcmp(h.typeName(), tur) == 0
               ? *static_cast<void *const *>(h.constData())
               : nullptr;
}

std::function<void(int)> VeriBaglantisi::iptalci() {
    const QSqlDatabase db = Veritabani();
    switch (ayar_.motor) {
    case Motor::PostgreSQL:
        return Pg_Iptalci(db);
    case Motor::SQLite: {
        const SqliteIslevleri *l = SqliteIslevleri::Yukle();
        auto *h = static_cast<sqlite3 *>(Surucu_Tutamaci(db, "sqlite3*"));
        if (!l || !h)
            return {};
        return [l, h](int asama) {
            if (asama == 0)
                l->interrupt(h);
        };
    }
    case Motor::SQLServer: {
        const Odbc *l = Odbc::Yukle();
        void *h = Surucu_Tutamaci(db, "SQLHANDLE");
        if (!l || !h)
            return {};
        return [l, h](int) { l->cancelHandle(2 /* SQL_HANDLE_DBC */, h); };
    }
    }
    return {};
}

void VeriBaglantisi::Sorgu_Basladi() {
    if (!bekci_)
        bekci_ = std::make_unique<SorguBekcisi>();
    if (!iptalci_)
        iptalci_ = iptalci();
    bekci_->Basla(sorguZamanAsimi_, iptalci_);
}

void VeriBaglantisi::Sorgu_Bitti() {
    if (!bekci_)
        return;
    switch (bekci_->Bitir()) {
    case SorguBekcisi::Neden::Yok:
        break;
    case SorguBekcisi::Neden::Sinyal:
        Durdu = Durma::Sinyal;
        break;
    case SorguBekcisi::Neden::ZamanAsimi:
        Durdu = Durma::ZamanAsimi;
        break;
    }
}

QString VeriBaglantisi::Tanim() const {
    switch (ayar_.motor) {
    case Motor::SQLite:
        return QStringLiteral("SQLite, dosya %1")
            .arg(QFileInfo(ayar_.sqlite_dosyasi).absoluteFilePath());
    case Motor::PostgreSQL:
        return QStringLiteral("PostgreSQL, sunucu %1%2, veritabanı %3, kullanıcı %4")
            .arg(ayar_.ana_bilgisayar.isEmpty() ? QStringLiteral("(yerel)") : ayar_.ana_bilgisayar,
                 ayar_.port > 0 ? QStringLiteral(":%1").arg(ayar_.port) : QString(),
                 ayar_.veritabani, ayar_.kullanici);
    case Motor::SQLServer:
        return QStringLiteral("SQL Server, sunucu %1, veritabanı %2, kullanıcı %3")
            .arg(ayar_.sunucu, ayar_.veritabani, ayar_.kullanici);
    }
    return QString();
}

QString VeriBaglantisi::Motor_Metni() const {
    switch (ayar_.motor) {
    case Motor::SQLite:
        return QStringLiteral("QSQLITE: ") + QFileInfo(ayar_.sqlite_dosyasi).absoluteFilePath();
    case Motor::PostgreSQL:
        return QStringLiteral("QPSQL: host=%1 port=%2 dbname=%3 user=%4 password=***")
            .arg(ayar_.ana_bilgisayar,
                 ayar_.port > 0 ? QString::number(ayar_.port) : QStringLiteral("5432"),
                 ayar_.veritabani, ayar_.kullanici);
    case Motor::SQLServer: {
        Parametreler p = ayar_;
        p.sifre = QStringLiteral("***");
        return QStringLiteral("QODBC: ") + Odbc_Metni(p);
    }
    }
    return QString();
}

QString VeriBaglantisi::Lehce(const QString &sql) const {
    if (ayar_.motor != Motor::SQLite)
        return sql;
    // SQLite reads ISNULL as a keyword; IFNULL is the same function there.
    static const QRegularExpression isnull(QStringLiteral("\\bISNULL\\s*\\("),
                                           QRegularExpression::CaseInsensitiveOption);
    // Most statements (one per label when the work table is filled) have none.
    const auto isnullVar = [&sql] {
        for (qsizetype i = 0; i + 6 <= sql.size(); ++i)
            if (Anahtar_Kelime(QStringView(sql).mid(i, 6), QLatin1StringView("ISNULL")))
                return true;
        return false;
    };
    if (!isnullVar())
        return sql;
    QString s = sql;
    s.replace(isnull, QStringLiteral("IFNULL("));
    return s;
}

QString VeriBaglantisi::Gizle(const QString &metin) const {
    // Very short passwords would turn every message to stars; drivers do not
    // echo passwords anyway, this is only a second guard.
    if (ayar_.sifre.size() < 3)
        return metin;
    QString s = metin;
    s.replace(ayar_.sifre, QStringLiteral("***"));
    return s;
}
