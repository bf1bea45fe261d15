#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <functional>
#include <memory>

class SorguBekcisi;
struct SqliteKomutlari;

// The driver's own handle of a connection (a PGconn*, sqlite3*, SQLHANDLE), when its
// type is named `tur`; null otherwise.
void *Surucu_Tutamaci(const QSqlDatabase &db, const char *tur);

// Stands in for the database access layer: one connection opened with an
// ADO-style connection text whose "Data Source" picks the engine.
class VeriBaglantisi {
public:
    enum class Motor { SQLite, PostgreSQL, SQLServer };

    // What the connection text says, split into the engine's own terms.
    struct Parametreler {
        Motor motor = Motor::SQLServer;
        QString sunucu;     // Data Source as written
        QString veritabani; // Initial Catalog
        QString kullanici;  // User ID
        QString sifre;      // Password
        QString ana_bilgisayar;
        int port = -1;
        QString sqlite_dosyasi;
    };

    // Seconds a connection attempt (and a wait for SQLite's lock) may take; set
    // before Open. Five in the program; tests of a silent server make it shorter.
    int Zaman_Asimi = 5;
    // Seconds a statement may wait on a silent server (or SQLite's lock) before the
    // run stops with "Veritabanı yanıt vermiyor; basım durduruldu." (--query-timeout).
    int Sorgu_Zaman_Asimi() const { return sorguZamanAsimi_; }
    void Sorgu_Zaman_Asimi_Ayarla(int saniye);

    // The decimal separator of number texts read over this connection.
    QString Ondalik_Ayirac = QStringLiteral(",");

    VeriBaglantisi();
    ~VeriBaglantisi();
    VeriBaglantisi(const VeriBaglantisi &) = delete;
    VeriBaglantisi &operator=(const VeriBaglantisi &) = delete;

    // Opens with the connection text; false on any failure (see Hata()).
    bool Open(const QString &connectionString);
    bool Acik() const;
    void Close();

    const QString &ConnectionString() const { return metin_; }
    const Parametreler &Ayarlar() const { return ayar_; }
    Motor Motoru() const { return ayar_.motor; }
    QString Hata() const { return hata_; }
    QSqlDatabase Veritabani() const;
    // A text safe to show: engine, server and database, never the password.
    QString Tanim() const;
    // How the engine in use was reached, as its driver was told (password masked).
    QString Motor_Metni() const;

    // The one place for engine dialects: makes the statement mean on this
    // engine what it means on SQL Server.
    QString Lehce(const QString &sql) const;

    // Set after a statement failed because the server went away: the helpers
    // then report once and the run stops instead of failing statement by statement.
    bool Koptu = false;
    // Set when a record-set helper told the user of a failure; the window that
    // started the run then shows no second box for it.
    bool Bildirildi = false;

    // Set when a statement was stopped from outside: a stop request, or the server
    // silent past Sorgu_Zaman_Asimi (the user was told once, by the query helpers).
    enum class Durma { Yok, Sinyal, ZamanAsimi };
    Durma Durdu = Durma::Yok;

    // A statement starts and ends: while it runs, a stop request or the time-out
    // cancels it from another thread (Durdu says which).
    void Sorgu_Basladi();
    void Sorgu_Bitti();
    // How long SQLite waits for another writer's lock, in ms (a stop request ends
    // the wait at once). Statements wait Sorgu_Zaman_Asimi().
    void Sqlite_Bekleme(int ms);

    // SQLite: the statements the program runs on this connection without Qt's driver.
    SqliteKomutlari &Sqlite_Komutlari();

    // Removes the password from any text about this connection.
    QString Gizle(const QString &metin) const;

    static Parametreler Coz(const QString &connectionString);
    // A value as a connection text must hold it: quoted when it has ";", starts
    // with a quote or a blank, so it can never add or change another key.
    static QString Deger_Tirnakla(const QString &deger);
    static QString Sifre_Maskele(const QString &connectionString);
    static QString Odbc_Metni(const Parametreler &p);

private:
    QSqlDatabase surucuyuHazirla(const QString &surucu);
    bool ayarla(QSqlDatabase &db);
    bool sqliteHazirla(QSqlDatabase &db);

    std::function<void(int)> iptalci();

    std::unique_ptr<SorguBekcisi> bekci_;
    std::unique_ptr<SqliteKomutlari> komutlar_;
    std::function<void(int)> iptalci_;
    int sqliteBekleme_ = 5000;
    int sorguZamanAsimi_ = 30;
    QString ad_;
    QString metin_;
    Parametreler ayar_;
    QString hata_;
};
