#pragma once

#include <QFont>

// The program's windows and forms are laid out for three classic faces. Their
// metric twins stand in for them where the originals are not installed.
namespace fonts {

// "Arial" and "MS Sans Serif": a sans serif face.
QFont sans(int pixelSize, bool bold = false);
// "Times New Roman".
QFont serif(int pixelSize, bool bold = false);
// "Courier New".
QFont mono(int pixelSize, bool bold = false);

} // namespace fonts
