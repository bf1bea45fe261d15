#pragma once

#include "history/Gecmis.h"

#include <QDialog>

class MesajKutusu;
struct Oturum;
class QTableWidget;

// "Baskı Geçmişi": the finished runs of this database, newest first, the items of the
// selected one with the prices it printed, and "Yeniden Bas" to print it again.
class BaskiGecmisiFrm : public QDialog {
    Q_OBJECT
public:
    BaskiGecmisiFrm(MesajKutusu &kutu, const Oturum &oturum, const Gecmis &gecmis = Gecmis(),
                    QWidget *ust = nullptr);

    QTableWidget *Basimlar() const { return basimlar_; }
    QTableWidget *Stoklar() const { return stoklar_; }
    // "Yeniden Bas" on the selected run: its labels in the report viewer.
    void Yeniden_Bas();

private:
    void stoklariGoster();

    MesajKutusu &kutu_;
    const Oturum &oturum_;
    Gecmis gecmis_;
    QList<GecmisBasim> liste_;
    QTableWidget *basimlar_, *stoklar_;
};
