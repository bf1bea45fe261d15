#include "SqliteSatirlari.h"

#include <QCoreApplication>
#include <QSqlField>

void SqliteKomutlari::Bosalt() {
    bellek.Bosalt();
    for (const auto s : std::set(satirlar))
        s->Bitir();
}

QSqlError Sqlite_Adim_Hatasi(const SqliteIslevleri &f, sqlite3 *vt, sqlite3_stmt *komut,
                             int sonuc) {
    if (sonuc == SQLITE_ERROR)
        sonuc = f.reset(komut);
    return QSqlError(QCoreApplication::translate("QSQLiteResult", "Unable to fetch row"),
                     QString::fromUtf16(static_cast<const char16_t *>(f.errmsg16(vt))),
                     QSqlError::ConnectionError, QString::number(sonuc));
}

std::unique_ptr<SqliteSatirlari> SqliteSatirlari::Hazirla(const SqliteIslevleri &f, sqlite3 *vt,
                                                          SqliteKomutlari &komutlar,
                                                          const QString &sql) {
    sqlite3_stmt *komut = nullptr;
    const void *kalan = nullptr;
    if (f.prepare16_v2(vt, sql.constData(), int((sql.size() + 1) * sizeof(QChar)), &komut,
                       &kalan) != SQLITE_OK ||
        !komut || !QStringView(static_cast<const QChar *>(kalan)).trimmed().isEmpty() ||
        f.column_count(komut) <= 0 || f.bind_parameter_count(komut) > 0) {
        f.finalize(komut);
        return nullptr;
    }
    return std::unique_ptr<SqliteSatirlari>(new SqliteSatirlari(f, vt, komutlar, komut));
}

SqliteSatirlari::SqliteSatirlari(const SqliteIslevleri &f, sqlite3 *vt, SqliteKomutlari &k,
                                 sqlite3_stmt *komut)
    : f_(f), vt_(vt), komutlar_(&k), komut_(komut) {
    komutlar_->satirlar.insert(this);
    const int n = f_.column_count(komut_);
    for (int i = 0; i < n; ++i)
        kayit_.append(
            QSqlField(QString::fromUtf16(static_cast<const char16_t *>(f_.column_name16(komut_, i)))
                          .remove(u'"')));
    degerler_.resize(n);
    yapildi_.resize(n);
}

SqliteSatirlari::~SqliteSatirlari() { Bitir(); }

void SqliteSatirlari::Bitir() {
    if (!komutlar_)
        return;
    komutlar_->satirlar.erase(this);
    komutlar_ = nullptr;
    f_.finalize(komut_);
    komut_ = nullptr;
}

bool SqliteSatirlari::Ilerle(QSqlError &hata) {
    if (!komut_)
        return false;
    std::fill(yapildi_.begin(), yapildi_.end(), false);
    const int sonuc = f_.step(komut_);
    if (sonuc == SQLITE_ROW)
        return true;
    if (sonuc != SQLITE_DONE)
        hata = Sqlite_Adim_Hatasi(f_, vt_, komut_, sonuc);
    f_.reset(komut_);
    return false;
}

QVariant SqliteSatirlari::Deger(int i) const {
    if (!komut_ || i < 0 || i >= degerler_.size())
        return QVariant();
    if (yapildi_[i])
        return degerler_[i];
    QVariant &d = degerler_[i];
    switch (f_.column_type(komut_, i)) {
    case SQLITE_BLOB:
        d = QByteArray(static_cast<const char *>(f_.column_blob(komut_, i)),
                       f_.column_bytes(komut_, i));
        break;
    case SQLITE_INTEGER:
        d = qint64(f_.column_int64(komut_, i));
        break;
    case SQLITE_FLOAT:
        d = f_.column_double(komut_, i);
        break;
    case SQLITE_NULL:
        d = QVariant(QMetaType::fromType<QString>());
        break;
    default: {
        const auto *metin = static_cast<const QChar *>(f_.column_text16(komut_, i));
        d = QString(metin, f_.column_bytes16(komut_, i) / qsizetype(sizeof(QChar)));
        break;
    }
    }
    yapildi_[i] = true;
    return d;
}
