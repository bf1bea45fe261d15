#include "common/Tablo.h"
#include "startup/Komutlar.h"

class TstKomutlar : public QObject {
    Q_OBJECT
private slots:
    void coz() {
        using T = Komut::Tur;
        // The arguments, the command they make (nothing: refused) and its start line.
        const struct {
            QStringList argumanlar;
            std::optional<T> tur;
            const char *satir;
        } tablo[] = {
            {{}, T::Pencere, ""},
            {{"sqlite:data|Demo", "Ticaret|DEMO|STOKKART.Stok_ID", "<=", "30|1|sa|æ"},
             T::Pencere,
             "sqlite:data|Demo Ticaret|DEMO|STOKKART.Stok_ID <= 30|1|sa|æ"}, // joined
            {{"--help"}, T::Yardim, ""},
            {{"--version"}, T::Surum, ""},
            {{"--bogus"}, {}, ""},
            {{"check", "a|b|c|d|1|sa|x"}, T::Denetle, "a|b|c|d|1|sa|x"},
            {{"check"}, {}, ""},
            {{"check", "-"}, T::Denetle, "-"}, // the line from standard input
            {{"--designs", "/tmp/d", "a|b"}, T::Pencere, "a|b"},
            {{"--designs"}, {}, ""},
            {{"-1|a|b|c"}, T::Pencere, "-1|a|b|c"},
            {{"print", "Raf", "--copies", "2", "x|y"}, T::Yazdir, "x|y"},
            {{"print", "Raf", "--out", "a.txt", "x"}, {}, ""},
            {{"print", "Raf", "--start", "0", "x"}, {}, ""},
            {{"print", "Raf", "--kopya", "2", "x"}, {}, ""},
            {{"print"}, {}, ""},
            {{"print", "Raf", "--copies", "32767", "x"}, T::Yazdir, "x"},
            {{"print", "Raf", "--copies", "32768", "x"}, {}, ""},
            {{"print", "Raf", "--dpi", "71", "x"}, {}, ""},
            {{"print", "Raf", "--dpi", "1201", "x"}, {}, ""},
            {{"print", "Raf", "--direct", "--copies", "2", "x"}, T::Yazdir, "x"},
            {{"print", "Raf", "--direct", "--start", "3", "x"}, {}, ""},
            {{"inspect", "a.ftr", "--json"}, T::Incele, ""},
            {{"inspect", "--json"}, {}, ""},
            {{"preview", "Raf", "--out", "o.png", "x"}, T::Onizle, "x"},
            {{"preview", "Raf", "--out", "o.pdf", "x"}, {}, ""}, // a PNG only
            {{"preview", "Raf", "x"}, {}, ""},
            {{"preview", "Raf", "--copies", "2", "--out", "o.png", "x"}, {}, ""},
        };
        for (const auto &s : tablo) {
            const Satir_Izi iz(s.argumanlar.join(u' '));
            const Komut_Sonucu k = Komut_Coz(s.argumanlar);
            QCOMPARE(k.tamam, s.tur.has_value());
            QCOMPARE(k.hata.isEmpty(), k.tamam);
            if (k.tamam) {
                QCOMPARE(k.komut.tur, *s.tur);
                QCOMPARE(k.komut.satir, QString::fromUtf8(s.satir));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TstKomutlar)
#include "tst_komutlar.moc"
