// The design names its fonts by their Windows names; these map them to the
// installed CJK faces (Song for "宋体", Kai for "楷体_GB2312").
#pragma once

#include <QFont>
#include <QString>

namespace quorvil {

// The installed faces the design's font names map to.
QString songFamily();
QString kaiFamily();

QFont songFont(double pointSize, bool bold = false);
QFont kaiFont(double pointSize, bool bold = false);
// By design name: "宋体" or "楷体_GB2312"; any other name is taken as it is.
QFont designFont(const QString& name, double pointSize, bool bold = false);

// The design spaces texts with blanks as wide as a digit, half a Chinese
// character; a Latin face's blank may be narrower. As many blanks as span
// `count` of the design's blanks in `font`.
QString designBlanks(int count, const QFont& font);

}  // namespace quorvil
