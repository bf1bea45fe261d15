#pragma once

// Makes the fonts the designs name available: "Tahoma" comes from the Wine font
// folder, which fontconfig does not search. Call once after the application object.
void Yazi_Tiplerini_Yukle();
