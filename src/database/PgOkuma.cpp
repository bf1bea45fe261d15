#include "PgOkuma.h"
#include "VeriBaglantisi.h"
#include "core/Kutuphane.h"

#include <QDate>
#include <QDateTime>
#include <QSqlDriver>
#include <QSqlField>
#include <libpq-fe.h>
#include <memory>
#include <sys/socket.h>
#include <thread>

namespace {

// libpq is loaded when a PostgreSQL connection first reads, not linked: Qt's driver
// has loaded it by then, and a run on another engine starts without it and the 20
// libraries it brings (TLS, Kerberos, LDAP).
struct Pq {
    decltype(&::PQclear) clear = nullptr;
    decltype(&::PQresultErrorMessage) resultErrorMessage = nullptr;
    decltype(&::PQerrorMessage) errorMessage = nullptr;
    decltype(&::PQresultErrorField) resultErrorField = nullptr;
    decltype(&::PQstatus) status = nullptr;
    decltype(&::PQexec) exec = nullptr;
    decltype(&::PQexecParams) execParams = nullptr;
    decltype(&::PQresultStatus) resultStatus = nullptr;
    decltype(&::PQtransactionStatus) transactionStatus = nullptr;
    decltype(&::PQnfields) nfields = nullptr;
    decltype(&::PQntuples) ntuples = nullptr;
    decltype(&::PQfname) fname = nullptr;
    decltype(&::PQftype) ftype = nullptr;
    decltype(&::PQgetisnull) getisnull = nullptr;
    decltype(&::PQgetvalue) getvalue = nullptr;
    decltype(&::PQgetCancel) getCancel = nullptr;
    decltype(&::PQcancel) cancel = nullptr;
    decltype(&::PQfreeCancel) freeCancel = nullptr;
    decltype(&::PQsocket) socket = nullptr;

    // Null when the library or one of its functions is missing.
    static const Pq *Yukle() {
        static const Pq p = [] {
            Pq p;
            Kutuphane l(QStringLiteral("pq"), 5);
            l(p.clear, "PQclear");
            l(p.resultErrorMessage, "PQresultErrorMessage");
            l(p.errorMessage, "PQerrorMessage");
            l(p.resultErrorField, "PQresultErrorField");
            l(p.status, "PQstatus");
            l(p.exec, "PQexec");
            l(p.execParams, "PQexecParams");
            l(p.resultStatus, "PQresultStatus");
            l(p.transactionStatus, "PQtransactionStatus");
            l(p.nfields, "PQnfields");
            l(p.ntuples, "PQntuples");
            l(p.fname, "PQfname");
            l(p.ftype, "PQftype");
            l(p.getisnull, "PQgetisnull");
            l(p.getvalue, "PQgetvalue");
            l(p.getCancel, "PQgetCancel");
            l(p.cancel, "PQcancel");
            l(p.freeCancel, "PQfreeCancel");
            l(p.socket, "PQsocket");
            if (!l.Tamam())
                p.clear = nullptr;
            return p;
        }();
        return p.clear ? &p : nullptr;
    }
};

// Type numbers of pg_type that change how a value reads; the rest is text.
enum : Oid {
    BoolOid = 16,
    Int8Oid = 20,
    Int2Oid = 21,
    Int4Oid = 23,
    OidOid = 26,
    Float4Oid = 700,
    Float8Oid = 701,
    NumericOid = 1700,
    DateOid = 1082,
    TimeOid = 1083,
    TimestampOid = 1114,
    TimestamptzOid = 1184,
};

// The types Qt's own driver gives these columns, so values print as before.
QMetaType tur(Oid oid) {
    switch (oid) {
    case BoolOid:
        return QMetaType(QMetaType::Bool);
    case Int2Oid:
    case Int4Oid:
    case OidOid:
        return QMetaType(QMetaType::Int);
    case Int8Oid:
        return QMetaType(QMetaType::LongLong);
    case Float4Oid:
    case Float8Oid:
    case NumericOid:
        return QMetaType(QMetaType::Double);
    case DateOid:
        return QMetaType(QMetaType::QDate);
    case TimeOid:
        return QMetaType(QMetaType::QTime);
    case TimestampOid:
    case TimestamptzOid:
        return QMetaType(QMetaType::QDateTime);
    default:
        return QMetaType(QMetaType::QString);
    }
}

QVariant deger(const char *v, Oid oid) {
    const QString s = QString::fromUtf8(v);
    switch (tur(oid).id()) {
    case QMetaType::Bool:
        return s == u"t";
    case QMetaType::Int:
        return s.toInt();
    case QMetaType::LongLong:
        return s.toLongLong();
    case QMetaType::Double:
        if (s == u"NaN")
            return qQNaN();
        if (s == u"Infinity" || s == u"-Infinity")
            return s.startsWith(u'-') ? -qInf() : qInf();
        return s.toDouble();
    case QMetaType::QDate:
        return QDate::fromString(s, Qt::ISODate);
    case QMetaType::QTime:
        return QTime::fromString(s, Qt::ISODateWithMs);
    case QMetaType::QDateTime: {
        QString t = QString(s).replace(u' ', u'T');
        if (oid == TimestamptzOid && t.size() > 3 &&
            (t[t.size() - 3] == u'+' || t[t.size() - 3] == u'-'))
            t += QStringLiteral(":00"); // "+03" → "+03:00"
        const QDateTime an = QDateTime::fromString(t, Qt::ISODateWithMs);
        return oid == TimestamptzOid ? an.toLocalTime() : an;
    }
    default:
        return s;
    }
}

using Sonuc = std::unique_ptr<PGresult, decltype(&PQclear)>;

QSqlError pgHatasi(const Pq &pq, PGconn *c, const PGresult *r) {
    const QString metin =
        QString::fromUtf8(r ? pq.resultErrorMessage(r) : pq.errorMessage(c)).trimmed();
    const char *kod = r ? pq.resultErrorField(r, PG_DIAG_SQLSTATE) : nullptr;
    const auto tip =
        pq.status(c) == CONNECTION_BAD ? QSqlError::ConnectionError : QSqlError::StatementError;
    return QSqlError(QStringLiteral("QPSQL: Unable to create query"), metin, tip,
                     kod ? QString::fromLatin1(kod) : QString());
}

// Our own fixed statements; several in one text is fine here.
bool komut(const Pq &pq, PGconn *c, const char *sql, QSqlError &hata) {
    Sonuc r(pq.exec(c, sql), pq.clear);
    if (r && pq.resultStatus(r.get()) == PGRES_COMMAND_OK)
        return true;
    hata = pgHatasi(pq, c, r.get());
    return false;
}

void oku(const Pq &pq, const PGresult *r, OkunanSatirlar &sonuc) {
    const int sutun = pq.nfields(r), satir = pq.ntuples(r);
    for (int j = 0; j < sutun; ++j)
        sonuc.kayit.append(QSqlField(QString::fromUtf8(pq.fname(r, j)), tur(pq.ftype(r, j))));
    sonuc.satirlar.reserve(satir);
    for (int i = 0; i < satir; ++i) {
        QList<QVariant> s;
        s.reserve(sutun);
        for (int j = 0; j < sutun; ++j)
            s.append(pq.getisnull(r, i, j) ? QVariant(tur(pq.ftype(r, j)))
                                           : deger(pq.getvalue(r, i, j), pq.ftype(r, j)));
        sonuc.satirlar.append(std::move(s));
    }
}

} // namespace

namespace {

// Qt names libpq's handle by either spelling of its type.
PGconn *baglantisi(const QSqlDatabase &db) {
    void *h = Surucu_Tutamaci(db, "PGconn*");
    return static_cast<PGconn *>(h ? h : Surucu_Tutamaci(db, "pg_conn*"));
}

} // namespace

std::function<void(int)> Pg_Iptalci(const QSqlDatabase &db) {
    PGconn *c = baglantisi(db);
    const Pq *pq = c ? Pq::Yukle() : nullptr;
    if (!pq)
        return {};
    std::shared_ptr<PGcancel> iptal(pq->getCancel(c), pq->freeCancel);
    const int soket = pq->socket(c);
    return [pq, iptal, soket](int asama) {
        if (asama == 0 && iptal) {
            // The cancel request opens a connection of its own to the server, which
            // may be as silent as the first: it must not hold up the run.
            std::thread([pq, iptal] {
                char hata[256];
                pq->cancel(iptal.get(), hata, sizeof hata);
            }).detach();
        } else if (asama == 1 && soket >= 0) {
            // The server did not stop the statement: the run stops waiting for it.
            ::shutdown(soket, SHUT_RDWR);
        }
    };
}

bool Pg_Salt_Oku(const QSqlDatabase &db, const QString &sql, OkunanSatirlar &sonuc,
                 QSqlError &hata) {
    sonuc = {};
    PGconn *c = baglantisi(db);
    const Pq *pq = c ? Pq::Yukle() : nullptr;
    if (!pq || pq->status(c) != CONNECTION_OK) {
        hata = QSqlError(QStringLiteral("QPSQL: Unable to create query"),
                         QStringLiteral("no connection to the server"), QSqlError::ConnectionError);
        return false;
    }
    // Inside the run's transaction a savepoint keeps its writes; rolling back to it
    // makes the transaction writable again and undoes a failure.
    const bool icinde = pq->transactionStatus(c) != PQTRANS_IDLE;
    if (!komut(*pq, c,
               icinde ? "SAVEPOINT varnel_okuma; SET TRANSACTION READ ONLY" : "BEGIN READ ONLY",
               hata))
        return false;
    const QByteArray metin = sql.toUtf8();
    Sonuc r(pq->execParams(c, metin.constData(), 0, nullptr, nullptr, nullptr, nullptr, 0),
            pq->clear);
    const bool tamam = r && pq->resultStatus(r.get()) == PGRES_TUPLES_OK;
    if (tamam)
        oku(*pq, r.get(), sonuc);
    else
        hata = pgHatasi(*pq, c, r.get());
    QSqlError bitis;
    const bool kapandi =
        pq->status(c) == CONNECTION_OK &&
        komut(*pq, c,
              icinde ? "ROLLBACK TO SAVEPOINT varnel_okuma; RELEASE SAVEPOINT varnel_okuma"
                     : "ROLLBACK",
              bitis);
    if (tamam && !kapandi) {
        hata = bitis;
        return false;
    }
    return tamam;
}
