#include "KayitKumesi.h"

#include "VeriBaglantisi.h"

#include <cmath>

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(varnelSql, "varnel.sql", QtWarningMsg)

bool Tek_Komut_Mu(const QString &sql) {
    QChar kapanis; // what ends the quoted text or comment being read, if any
    for (qsizetype i = 0; i < sql.size(); ++i) {
        const QChar c = sql[i];
        const QChar sonraki = i + 1 < sql.size() ? sql[i + 1] : QChar();
        if (!kapanis.isNull()) {
            if (kapanis == u'*' && c == u'*' && sonraki == u'/')
                kapanis = QChar(), ++i;
            else if (kapanis != u'*' && c == kapanis) // a doubled quote reopens: same result
                kapanis = QChar();
        } else if (c == u'\'' || c == u'"') {
            kapanis = c;
        } else if (c == u'[') {
            kapanis = u']';
        } else if (c == u'-' && sonraki == u'-') {
            kapanis = u'\n';
        } else if (c == u'/' && sonraki == u'*') {
            kapanis = u'*', ++i;
        } else if (c == u';') {
            return false;
        }
    }
    return true;
}

void KayitKumesi::Close() {
    sorgu_.reset();
    kayit_ = QSqlRecord();
    durum_ = Durum::Kapali;
    sonda_ = true;
}

bool KayitKumesi::Open(VeriBaglantisi &baglanti, const QString &source, Kilit kilit) {
    Close();
    ondalik_ = baglanti.Ondalik_Ayirac;
    kilit_ = kilit;
    hata_ = QSqlError();
    etkilenen_ = 0;
    const QString sql = baglanti.Lehce(source);
    qCDebug(varnelSql).noquote() << sql;

    auto q = std::make_unique<QSqlQuery>(baglanti.Veritabani());
    // Rows are read once, in order: forward-only keeps memory flat. PostgreSQL's
    // forward-only mode streams one statement at a time per connection, and the
    // program reads one set while it runs others, so there the rows are fetched whole.
    q->setForwardOnly(baglanti.Motoru() != VeriBaglantisi::Motor::PostgreSQL);
    q->setNumericalPrecisionPolicy(QSql::LowPrecisionDouble);
    // The item condition reaches the SELECTs. Preparing is no guard: PostgreSQL's
    // driver prepares with "PREPARE … AS" text, which runs what follows a ";".
    const bool secim = source.trimmed().startsWith(QLatin1String("SELECT"), Qt::CaseInsensitive);
    if (secim && !Tek_Komut_Mu(source)) {
        hata_ = QSqlError(QString(), QStringLiteral("Sorgu tek bir komut olmalıdır."),
                          QSqlError::StatementError);
        return false;
    }
    if (!q->exec(sql)) {
        hata_ = q->lastError();
        return false;
    }
    if (!q->isSelect()) {
        etkilenen_ = q->numRowsAffected();
        return true;
    }
    kayit_ = q->record();
    sorgu_ = std::move(q);
    durum_ = Durum::Acik;
    sonda_ = !sorgu_->next();
    return true;
}

void KayitKumesi::MoveNext() {
    if (!sorgu_ || sonda_)
        return;
    sonda_ = !sorgu_->next();
}

int KayitKumesi::FieldIndex(const QString &ad) const {
    const int tam = kayit_.indexOf(ad);
    if (tam >= 0 && kayit_.fieldName(tam).compare(ad, Qt::CaseInsensitive) == 0)
        return tam;
    for (int i = 0; i < kayit_.count(); ++i)
        if (kayit_.fieldName(i).compare(ad, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QVariant KayitKumesi::Value(int i) const {
    if (!sorgu_ || sonda_ || i < 0)
        return QVariant();
    return sorgu_->value(i);
}

QVariant KayitKumesi::Value(const QString &ad) const { return Value(FieldIndex(ad)); }

QString Deger_Metni(const QVariant &v, const QString &ondalik) {
    if (v.isNull())
        return QString();
    switch (v.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float: {
        const double d = v.toDouble();
        if (std::fabs(d) < 1e15 && d == std::trunc(d))
            return QString::number(static_cast<qint64>(d));
        QString s = QString::number(d, 'g', 15);
        s.replace(u'.', ondalik);
        return s;
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
