// The series box's lines: a series text such as
// "粗牙:11UNC.细牙:18UNF.其它系列:12UN.16UN" breaks only after a "." that
// parts two series, so that no series ("16UN", "24UNEF") is split over two
// lines. The rules of line breaking would not do: they break between any two
// ideographs and never between "." and a digit.
#pragma once

#include <QStringView>

class QPlainTextEdit;

namespace quorvil::unified {

// The length of the line that starts at `start` in `text` when at most `fits`
// characters fit on it: up to and including the last "." among them; all
// `fits` when they end the text or hold no "." (a part longer than a line,
// which only a typed text has).
int lineLengthAtSeparators(QStringView text, int start, int fits);

// Lays out the box's text with lines that break after a "." only. Its text,
// as toPlainText() returns it, stays as written.
void breakLinesAtSeparators(QPlainTextEdit* box);

}  // namespace quorvil::unified
