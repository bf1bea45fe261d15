#pragma once

struct BaskiIsi;
class MesajKutusu;
struct Oturum;
class QWidget;
class RaporGoruntuleyici;

// The label report of the print job in the report viewer: composed on the
// session's connection, first page at once, the rest in the background. The viewer
// owns the report and its run. With the job's `yazdir`, the print dialog opens
// once every page is laid out. Nothing (after telling the user why) when the
// report cannot start.
RaporGoruntuleyici *Rapor_Goster(MesajKutusu &kutu, const Oturum &oturum, const BaskiIsi &is,
                                 QWidget *ust = nullptr);
