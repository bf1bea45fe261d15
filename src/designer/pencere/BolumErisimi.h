#pragma once

class BolumGorunumu;

// Screen readers and UI tests see the section "Bolum(0)" with one accessible child
// per visible design object: its name is what a reader says ("Barkod 123…",
// "Yatay Çizgi", a text's caption), its description "<list>(<index>)".
void Bolum_Erisimi_Kur(); // installs the factory; once per program

// An object appeared or went (shown, created, hidden, deleted).
void Bolum_Erisimi_Gorunurluk(BolumGorunumu *bolum, int sira);
// An object moved or changed size.
void Bolum_Erisimi_Yer(BolumGorunumu *bolum, int sira);
// The selection changed: which children are selected.
void Bolum_Erisimi_Secim(BolumGorunumu *bolum);
