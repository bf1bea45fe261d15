#include "Gecmis.h"

#include "core/SqliteIslevleri.h"
#include "database/VeriBaglantisi.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QUuid>
#include <QVariant>
#include <charconv>
#include <functional>
#include <optional>

namespace {

const char *sema[] = {
    "CREATE TABLE IF NOT EXISTS Basim (No INTEGER PRIMARY KEY AUTOINCREMENT, Zaman TEXT NOT "
    "NULL, Sunucu TEXT NOT NULL, Veritabani TEXT NOT NULL, Tasarim TEXT NOT NULL, Tasarim_Ozeti "
    "BLOB, Cikti TEXT, Dogrudan INTEGER NOT NULL, Baslangic INTEGER NOT NULL, Adet INTEGER NOT "
    "NULL, Parametreler TEXT, Stok_Sayisi INTEGER NOT NULL, Etiket_Sayisi INTEGER NOT NULL)",
    "CREATE TABLE IF NOT EXISTS Basim_Stok (No INTEGER NOT NULL REFERENCES Basim (No), Sira "
    "INTEGER NOT NULL, Stok_ID INTEGER NOT NULL, Stok_Kodu TEXT, Adet INTEGER NOT NULL, Fiyatlar "
    "TEXT, PRIMARY KEY (No, Sira))",
    "CREATE INDEX IF NOT EXISTS Basim_Stok_ID ON Basim_Stok (Stok_ID, No)",
    "CREATE INDEX IF NOT EXISTS Basim_Yer ON Basim (Sunucu, Veritabani, No)",
};

// A connection of its own to the history file, closed when it goes.
class Baglanti {
public:
    explicit Baglanti(const QString &yol)
        : ad_(QStringLiteral("varnel-gecmis-") + QUuid::createUuid().toString(QUuid::Id128)) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), ad_);
        db.setDatabaseName(yol);
        // Another run writing its record: wait for it rather than fail.
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
        if (!QDir().mkpath(QFileInfo(yol).path()) || !db.open()) {
            hata_ = QStringLiteral("Baskı geçmişi açılamadı: %1 (%2)")
                        .arg(QDir::toNativeSeparators(yol), db.lastError().text());
            return;
        }
        QSqlQuery q(db);
        q.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
        for (const char *s : sema)
            if (!q.exec(QString::fromLatin1(s)))
                hata_ = Neden(q);
    }
    ~Baglanti() {
        { QSqlDatabase::database(ad_, false).close(); }
        QSqlDatabase::removeDatabase(ad_);
    }
    QSqlDatabase Db() const { return QSqlDatabase::database(ad_, false); }
    const Hata &Durum() const { return hata_; }
    static QString Neden(const QSqlQuery &q) {
        return QStringLiteral("Baskı geçmişi okunamadı ya da yazılamadı: ") + q.lastError().text();
    }

private:
    QString ad_;
    Hata hata_;
};

// A text for a NOT NULL column: never the null string.
QVariant metin(const QString &s) { return s.isNull() ? QVariant(QStringLiteral("")) : QVariant(s); }

QString parametreMetni(const QHash<QString, QString> &p) {
    QStringList l;
    for (auto it = p.cbegin(); it != p.cend(); ++it)
        l << it.key() + u'\x1f' + it.value();
    l.sort();
    return l.join(u'\x1e');
}

QHash<QString, QString> parametreOku(const QString &metin) {
    QHash<QString, QString> p;
    for (const QString &s : metin.split(u'\x1e', Qt::SkipEmptyParts))
        p.insert(s.section(u'\x1f', 0, 0), s.section(u'\x1f', 1));
    return p;
}

GecmisBasim basimOku(const QSqlQuery &q) {
    GecmisBasim b;
    b.no = q.value(0).toLongLong();
    b.zaman = QDateTime::fromString(q.value(1).toString(), Qt::ISODate);
    b.sunucu = q.value(2).toString(), b.veritabani = q.value(3).toString();
    b.tasarim = q.value(4).toString(), b.tasarim_ozeti = q.value(5).toByteArray();
    b.cikti = q.value(6).toString(), b.dogrudan = q.value(7).toBool();
    b.baslangic = qint16(q.value(8).toInt()), b.adet = qint16(q.value(9).toInt());
    b.parametreler = parametreOku(q.value(10).toString());
    b.stok_sayisi = q.value(11).toLongLong(), b.etiket_sayisi = q.value(12).toLongLong();
    return b;
}

const QString basimSutunlari = QStringLiteral(
    "SELECT No, Zaman, Sunucu, Veritabani, Tasarim, Tasarim_Ozeti, Cikti, Dogrudan, Baslangic, "
    "Adet, Parametreler, Stok_Sayisi, Etiket_Sayisi FROM Basim ");

} // namespace

void BasilanStoklar::Ekle(qint64 id, const QString &kod,
                          const QList<QPair<QString, double>> &fiyatlar, int adet) {
    etiket_ += adet;
    if (!yerler_.isEmpty() && yerler_.last().id == id) {
        yerler_.last().adet += adet;
        return;
    }
    metin_ += kod.toUtf8();
    metin_ += '\x1f';
    Fiyat_Metni_Ekle(metin_, fiyatlar);
    yerler_.append({id, adet, metin_.size()});
}

BasilanStoklar::Satir BasilanStoklar::Satiri(qsizetype i) const {
    const Yer &y = yerler_.at(i);
    const qsizetype bas = i ? yerler_.at(i - 1).son : 0;
    const QByteArrayView s(metin_.constData() + bas, y.son - bas);
    const qsizetype ara = s.lastIndexOf('\x1f'); // prices never hold one, a code might
    return {y.id, s.first(ara), int(y.adet), s.sliced(ara + 1)};
}

void Fiyat_Metni_Ekle(QByteArray &hedef, const QList<QPair<QString, double>> &fiyatlar) {
    // std::to_chars rather than QByteArray::number: the shortest exact text, and a big
    // run writes one for every item.
    char sayi[32];
    for (qsizetype i = 0; i < fiyatlar.size(); ++i) {
        if (i)
            hedef += ';';
        hedef += fiyatlar[i].first.trimmed().toUtf8();
        hedef += '=';
        const auto son = std::to_chars(sayi, sayi + sizeof sayi, fiyatlar[i].second).ptr;
        hedef.append(sayi, son - sayi);
    }
}

QList<QPair<QString, double>> Fiyat_Metni_Oku(const QString &metin) {
    QList<QPair<QString, double>> l;
    for (const QString &s : metin.split(u';', Qt::SkipEmptyParts))
        l.append({s.section(u'=', 0, 0), s.section(u'=', 1).toDouble()});
    return l;
}

QString Gecmis::Varsayilan_Yol() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/varnel/Gecmis.db");
}

struct GecmisYazimi::Ic {
    explicit Ic(const QString &yol) : bag(yol) {}
    Baglanti bag;
    bool acik = true; // the transaction, until confirmed or rolled back
};

GecmisYazimi::GecmisYazimi(std::unique_ptr<Ic> ic) : ic_(std::move(ic)) {}

GecmisYazimi::~GecmisYazimi() {
    if (ic_->acik)
        QSqlQuery(ic_->bag.Db()).exec(QStringLiteral("ROLLBACK"));
}

Hata GecmisYazimi::Onayla() {
    ic_->acik = false;
    QSqlQuery q(ic_->bag.Db());
    if (!q.exec(QStringLiteral("COMMIT")))
        return Baglanti::Neden(q);
    return {};
}

Hata Gecmis::Kaydet(GecmisBasim &b) const {
    BasilanStoklar stoklar;
    for (const GecmisStok &s : b.stoklar)
        stoklar.Ekle(s.id, s.kod, s.fiyatlar, s.adet);
    auto yazim = Yaz(b, stoklar);
    return yazim ? (*yazim)->Onayla() : yazim.Hatasi();
}

namespace {

// Qt binds each value through a placeholder name and a hash entry, which costs more
// than SQLite's own insert, and a big run writes 100,000 rows: they go straight to
// SQLite on the same connection.
Hata stoklariYaz(const QSqlDatabase &db, qint64 no, const BasilanStoklar &stoklar) {
    const SqliteIslevleri *f = SqliteIslevleri::Yukle();
    auto *vt = static_cast<sqlite3 *>(Surucu_Tutamaci(db, "sqlite3*"));
    if (!f || !vt)
        return QStringLiteral("Baskı geçmişi okunamadı ya da yazılamadı: SQLite yüklenemedi.");
    const auto hata = [vt, f] {
        return QStringLiteral("Baskı geçmişi okunamadı ya da yazılamadı: ") +
               QString::fromUtf8(f->errmsg(vt));
    };
    sqlite3_stmt *komut = nullptr;
    if (f->prepare_v2(vt,
                      "INSERT INTO Basim_Stok (No, Sira, Stok_ID, Stok_Kodu, Adet, Fiyatlar) "
                      "VALUES (?,?,?,?,?,?)",
                      -1, &komut, nullptr) != SQLITE_OK)
        return hata();
    const std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt *)> kapat(komut, f->finalize);
    for (qsizetype i = 0; i < stoklar.Sayi(); ++i) {
        const BasilanStoklar::Satir s = stoklar.Satiri(i);
        f->bind_int64(komut, 1, no);
        f->bind_int64(komut, 2, i + 1);
        f->bind_int64(komut, 3, s.id);
        f->bind_text(komut, 4, s.kod.data(), int(s.kod.size()), SQLITE_STATIC);
        f->bind_int64(komut, 5, s.adet);
        f->bind_text(komut, 6, s.fiyatlar.data(), int(s.fiyatlar.size()), SQLITE_STATIC);
        if (f->step(komut) != SQLITE_DONE)
            return hata();
        f->reset(komut);
    }
    return {};
}

} // namespace

Sonuc<std::unique_ptr<GecmisYazimi>> Gecmis::Yaz(GecmisBasim &b,
                                                 const BasilanStoklar &stoklar) const {
    auto ic = std::make_unique<GecmisYazimi::Ic>(yol_);
    if (ic->bag.Durum())
        return ic->bag.Durum();
    QSqlDatabase db = ic->bag.Db();
    QSqlQuery q(db);
    // One transaction taken for writing at once: two runs never interleave their rows.
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return Hata(Baglanti::Neden(q));
    std::unique_ptr<GecmisYazimi> yazim(new GecmisYazimi(std::move(ic)));
    if (!b.zaman.isValid())
        b.zaman = QDateTime::currentDateTime();
    b.stok_sayisi = stoklar.Sayi();
    b.etiket_sayisi = stoklar.Etiket_Sayisi();
    q.prepare(QStringLiteral(
        "INSERT INTO Basim (Zaman, Sunucu, Veritabani, Tasarim, Tasarim_Ozeti, Cikti, Dogrudan, "
        "Baslangic, Adet, Parametreler, Stok_Sayisi, Etiket_Sayisi) VALUES "
        "(?,?,?,?,?,?,?,?,?,?,?,?)"));
    for (const QVariant &v :
         {QVariant(b.zaman.toString(Qt::ISODate)), metin(b.sunucu), metin(b.veritabani),
          metin(b.tasarim), QVariant(b.tasarim_ozeti), QVariant(b.cikti), QVariant(b.dogrudan),
          QVariant(b.baslangic), QVariant(b.adet), QVariant(parametreMetni(b.parametreler)),
          QVariant(b.stok_sayisi), QVariant(b.etiket_sayisi)})
        q.addBindValue(v);
    bool tamam = q.exec();
    b.no = q.lastInsertId().toLongLong();
    if (!tamam)
        return Hata(Baglanti::Neden(q)); // rolled back as the write goes
    if (Hata h = stoklariYaz(db, b.no, stoklar))
        return h;
    return yazim;
}

Sonuc<QList<GecmisBasim>> Gecmis::Basimlar(const QString &sunucu, const QString &vt,
                                           int sinir) const {
    const Baglanti bag(yol_);
    if (bag.Durum())
        return bag.Durum();
    QSqlQuery q(bag.Db());
    q.prepare(basimSutunlari +
              (sunucu.isNull() ? QString() : QStringLiteral("WHERE Sunucu=? AND Veritabani=? ")) +
              QStringLiteral("ORDER BY No DESC LIMIT ?"));
    if (!sunucu.isNull())
        q.addBindValue(sunucu), q.addBindValue(vt);
    q.addBindValue(sinir > 0 ? sinir : -1);
    if (!q.exec())
        return Hata(Baglanti::Neden(q));
    QList<GecmisBasim> l;
    while (q.next())
        l.append(basimOku(q));
    return l;
}

Sonuc<GecmisBasim> Gecmis::Basim(qint64 no) const {
    const Baglanti bag(yol_);
    if (bag.Durum())
        return bag.Durum();
    QSqlQuery q(bag.Db());
    q.prepare(basimSutunlari + QStringLiteral("WHERE No=?"));
    q.addBindValue(no);
    if (!q.exec())
        return Hata(Baglanti::Neden(q));
    if (!q.next())
        return Hata(QStringLiteral("Baskı geçmişinde %1 numaralı basım yok.").arg(no));
    GecmisBasim b = basimOku(q);
    q.prepare(QStringLiteral(
        "SELECT Stok_ID, Stok_Kodu, Adet, Fiyatlar FROM Basim_Stok WHERE No=? ORDER BY Sira"));
    q.addBindValue(no);
    if (!q.exec())
        return Hata(Baglanti::Neden(q));
    while (q.next())
        b.stoklar.append({q.value(0).toLongLong(), q.value(1).toString(), q.value(2).toInt(),
                          Fiyat_Metni_Oku(q.value(3).toString())});
    return b;
}

namespace {

// Every item row of one database's runs, newest run first: its item, the prices it
// printed and the day of its run.
Hata stokSatirlari(const QString &yol, const QString &sunucu, const QString &vt,
                   const std::function<void(qint64, const QList<QPair<QString, double>> &,
                                            const QDate &)> &satir) {
    const Baglanti bag(yol);
    if (bag.Durum())
        return bag.Durum();
    QSqlQuery q(bag.Db());
    q.prepare(
        QStringLiteral("SELECT s.Stok_ID, s.Fiyatlar, b.Zaman FROM Basim_Stok s JOIN Basim b "
                       "ON b.No=s.No WHERE b.Sunucu=? AND b.Veritabani=? ORDER BY s.No DESC"));
    q.addBindValue(sunucu), q.addBindValue(vt);
    if (!q.exec())
        return Hata(Baglanti::Neden(q));
    while (q.next())
        satir(q.value(0).toLongLong(), Fiyat_Metni_Oku(q.value(1).toString()),
              QDateTime::fromString(q.value(2).toString(), Qt::ISODate).date());
    return {};
}

} // namespace

Sonuc<QHash<qint64, Gecmis::GorulenFiyat>>
Gecmis::Fiyat_Gorulme_Tarihleri(const QString &sunucu, const QString &vt) const {
    QHash<qint64, GorulenFiyat> gorulen;
    QSet<qint64> bitti; // an older run printed another price: the line ends
    const Hata h = stokSatirlari(
        yol_, sunucu, vt,
        [&](qint64 id, const QList<QPair<QString, double>> &fiyatlar, const QDate &gun) {
            if (bitti.contains(id))
                return;
            std::optional<double> birinci;
            for (const auto &[sira, fiyat] : fiyatlar)
                if (sira.trimmed() == u"1")
                    birinci = fiyat;
            const auto g = gorulen.find(id);
            if (g == gorulen.end() && birinci)
                gorulen.insert(id, {*birinci, gun});
            else if (g != gorulen.end() && birinci && *birinci == g->fiyat)
                g->ilk = gun;
            else
                bitti.insert(id);
        });
    if (h)
        return h;
    return gorulen;
}

Sonuc<QHash<qint64, QList<QPair<QString, double>>>> Gecmis::Son_Fiyatlar(const QString &sunucu,
                                                                         const QString &vt) const {
    // Newest run first: the first row of an item is its last print.
    QHash<qint64, QList<QPair<QString, double>>> son;
    const Hata h = stokSatirlari(
        yol_, sunucu, vt,
        [&son](qint64 id, const QList<QPair<QString, double>> &fiyatlar, const QDate &) {
            if (!son.contains(id))
                son.insert(id, fiyatlar);
        });
    if (h)
        return h;
    return son;
}
