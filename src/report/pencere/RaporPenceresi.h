#pragma once

class MesajKutusu;
class QWidget;
class RaporGoruntuleyici;
struct TasarimBelgesi;

// The label report of `belge` in the report viewer: composed on the program's
// connection, first page at once, the rest in the background. The viewer owns the
// report and its run. With `yazdir`, the print dialog opens once every page is
// laid out. Nothing (after telling the user why) when the report cannot start.
RaporGoruntuleyici *Rapor_Goster(MesajKutusu &kutu, const TasarimBelgesi &belge,
                                 QWidget *ust = nullptr, bool yazdir = false);
