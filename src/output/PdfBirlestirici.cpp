#include "PdfBirlestirici.h"

#include <QIODevice>
#include <algorithm>
#include <cctype>
#include <utility>

namespace {

const QString Bozuk_Parca = QStringLiteral("PDF parçası okunamadı; dosya birleştirilemedi.");
const QByteArray Baslik("%PDF-1.4\n%\xC3\xA2\xC3\xA3\n");

bool rakam(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

// The whole number at `i` in `b` (digits only), or -1.
qint64 sayiOku(const QByteArray &b, qsizetype i) {
    qsizetype j = i;
    while (j < b.size() && rakam(b[j]))
        ++j;
    bool tamam = false;
    const qint64 n = b.mid(i, j - i).toLongLong(&tamam);
    return tamam ? n : -1;
}

// The object number "`anahtar` N 0 R" names in `b`, or -1.
qint64 bagOku(const QByteArray &b, const char *anahtar) {
    const qsizetype i = b.indexOf(anahtar);
    return i < 0 ? -1 : sayiOku(b, i + qsizetype(qstrlen(anahtar)));
}

// `nesne` ("N 0 obj ... endobj") numbered `yeni`, with every "M 0 R" of its dictionary
// part turned into "yeniNo(M) 0 R"; its stream, if any, is copied as it is. False when it
// names an object the part lacks.
template <typename F>
bool numarala(const QByteArray &nesne, qint64 yeni, const F &yeniNo, QByteArray &cikti) {
    static const QByteArray akis(">>\nstream\n");
    const qsizetype bosluk = nesne.indexOf(' ');
    if (bosluk <= 0)
        return false;
    qsizetype son = nesne.indexOf(akis);
    son = son < 0 ? nesne.size() : son;
    cikti.clear();
    cikti.reserve(nesne.size() + 16);
    cikti += QByteArray::number(yeni);
    for (qsizetype i = bosluk; i < son;) {
        if (rakam(nesne[i]) && !rakam(nesne[i - 1]) && nesne[i - 1] != '.' && nesne[i - 1] != '-') {
            qsizetype j = i;
            while (j < son && rakam(nesne[j]))
                ++j;
            if (nesne.mid(j, 4) == " 0 R") {
                const qint64 n = yeniNo(sayiOku(nesne, i));
                if (n <= 0)
                    return false;
                cikti += QByteArray::number(n);
                cikti += " 0 R";
                i = j + 4;
            } else {
                cikti.append(nesne.constData() + i, j - i);
                i = j;
            }
            continue;
        }
        cikti += nesne[i++];
    }
    cikti.append(nesne.constData() + son, nesne.size() - son);
    return true;
}

} // namespace

// A failed write shows in the device's error state, told when the file is committed.
void PdfBirlestirici::yaz(const QByteArray &b) {
    hedef_.write(b);
    konum_ += b.size();
}

void PdfBirlestirici::Baslat() { yaz(Baslik); }

Hata PdfBirlestirici::Ekle(const QByteArray &parca) {
    const bool ilk = bilgi_.isEmpty();
    if (!parca.startsWith(Baslik.left(9)))
        return Bozuk_Parca;
    // The cross-reference table: where each object of the part starts.
    const qsizetype sx = parca.lastIndexOf("startxref\n");
    const qint64 xref = sx < 0 ? -1 : sayiOku(parca, sx + 10);
    if (xref <= 0 || xref >= parca.size() || !parca.mid(xref).startsWith("xref\n0 "))
        return Bozuk_Parca;
    const qint64 adet = sayiOku(parca, xref + 7);
    const qsizetype tablo = parca.indexOf('\n', xref + 5) + 1;
    if (adet < 4 || tablo + adet * 20 > parca.size())
        return Bozuk_Parca;
    // The objects in the order they stand, each up to where the next starts.
    struct Nesne {
        qint64 bas, no, son;
    };
    QList<Nesne> nesneler;
    for (qint64 n = 1; n < adet; ++n) {
        const qsizetype satir = tablo + n * 20;
        if (parca[satir + 17] == 'n')
            nesneler.append({sayiOku(parca, satir), n, 0});
    }
    std::sort(nesneler.begin(), nesneler.end(),
              [](const Nesne &a, const Nesne &b) { return a.bas < b.bas; });
    for (qsizetype i = 0; i < nesneler.size(); ++i)
        nesneler[i].son = i + 1 < nesneler.size() ? nesneler[i + 1].bas : xref;
    const auto metni = [&parca](const Nesne &n) { return parca.mid(n.bas, n.son - n.bas); };
    const QByteArray iz = parca.mid(tablo + adet * 20);
    const qint64 bilgi = bagOku(iz, "/Info "), kok = bagOku(iz, "/Root ");
    const auto nesne = [&](qint64 no) {
        const auto n = std::find_if(nesneler.cbegin(), nesneler.cend(),
                                    [no](const Nesne &x) { return x.no == no; });
        return n == nesneler.cend() ? QByteArray() : metni(*n);
    };
    const QByteArray katalog = nesne(kok);
    const qint64 agac = bagOku(katalog, "/Pages ");
    const QByteArray sayfaAgaci = nesne(agac);
    const qsizetype kids = sayfaAgaci.indexOf('[', sayfaAgaci.indexOf("/Kids"));
    if (bilgi <= 0 || bilgi >= adet || katalog.isEmpty() || sayfaAgaci.isEmpty() || kids < 0)
        return Bozuk_Parca;

    // New numbers: the document information, catalogue and page tree are the file's
    // first three objects; the rest follow on.
    QList<qint64> yeni(adet, 0);
    yeni[bilgi] = 1, yeni[kok] = 2, yeni[agac] = 3;
    for (const Nesne &n : nesneler)
        if (!yeni[n.no]) {
            yeni[n.no] = yerler_.size();
            yerler_.append(0);
        }
    const auto yeniNo = [&yeni](qint64 no) { return no > 0 && no < yeni.size() ? yeni[no] : -1; };

    QByteArray yazilan;
    for (const Nesne &n : nesneler) {
        const qint64 no = n.no;
        if (!numarala(metni(n), yeni[no], yeniNo, yazilan))
            return Bozuk_Parca;
        if (no == bilgi || no == kok) {
            // The first part's, written last.
            if (ilk)
                (no == bilgi ? bilgi_ : katalog_) = yazilan;
            continue;
        }
        if (no == agac)
            continue;
        yerler_[yeni[no]] = konum_;
        yaz(yazilan);
    }
    for (qsizetype i = kids + 1; i < sayfaAgaci.size() && sayfaAgaci[i] != ']'; ++i)
        if (rakam(sayfaAgaci[i]) && !rakam(sayfaAgaci[i - 1])) {
            const qint64 n = yeniNo(sayiOku(sayfaAgaci, i));
            if (n <= 0)
                return Bozuk_Parca;
            sayfalar_.append(int(n));
            i = sayfaAgaci.indexOf(" 0 R", i) + 3;
        }
    return {};
}

Hata PdfBirlestirici::Bitir() {
    if (bilgi_.isEmpty() || katalog_.isEmpty())
        return Bozuk_Parca;
    QByteArray agac("3 0 obj\n<<\n/Type /Pages\n/Kids \n[\n");
    for (const int s : sayfalar_)
        agac += QByteArray::number(s) + " 0 R\n";
    agac += "]\n/Count " + QByteArray::number(sayfalar_.size()) + "\n>>\nendobj\n";
    const std::pair<int, const QByteArray *> son[] = {{1, &bilgi_}, {2, &katalog_}, {3, &agac}};
    for (const auto &[no, metin] : son) {
        yerler_[no] = konum_;
        yaz(*metin);
    }
    const qint64 xref = konum_;
    QByteArray tablo = "xref\n0 " + QByteArray::number(yerler_.size()) + "\n0000000000 65535 f \n";
    for (qsizetype i = 1; i < yerler_.size(); ++i)
        tablo += QByteArray::number(yerler_[i]).rightJustified(10, '0') + " 00000 n \n";
    tablo += "trailer\n<<\n/Size " + QByteArray::number(yerler_.size()) +
             "\n/Info 1 0 R\n/Root 2 0 R\n>>\nstartxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
    yaz(tablo);
    return {};
}
