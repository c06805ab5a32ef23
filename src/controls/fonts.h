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

// `font` drawn from its own face alone, when that face has every character of
// `text`: the letters look the same, and no time goes on finding other faces
// to stand in for letters it might lack. Otherwise `font` as it is.
QFont ownFaceOnly(const QFont &font, const QString &text);

} // namespace fonts
