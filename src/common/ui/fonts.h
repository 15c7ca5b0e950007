// The design names its fonts by their Windows names; these map them to
// installed faces. Each design font is a Latin face in front of a Chinese
// one: the Chinese Song and Kai faces' own Latin letters are far smaller and
// fainter than their Chinese, so Latin letters, digits and signs come from
// the Latin face and every Chinese character from the Chinese face.
#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

namespace quorvil {

// The installed faces the design's font names map to, Latin face first:
// "宋体" and "楷体_GB2312".
QStringList songFamilies();
QStringList kaiFamilies();

QFont songFont(double pointSize, bool bold = false);
QFont kaiFont(double pointSize, bool bold = false);

// Lets a font asked for by its design name (QFont("宋体")) draw from the
// same faces as songFont and kaiFont. Called once, at start-up.
void registerDesignFontNames();

// The design spaces texts with blanks as wide as a digit, half a Chinese
// character; a Latin face's blank may be narrower. As many blanks as span
// `count` of the design's blanks in `font`.
QString designBlanks(int count, const QFont& font);

}  // namespace quorvil
