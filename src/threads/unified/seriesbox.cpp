#include "threads/unified/seriesbox.h"

#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <cmath>

namespace quorvil::unified {

int lineLengthAtSeparators(QStringView text, int start, int fits) {
    if (start + fits >= text.size()) return fits;
    for (int i = start + fits - 1; i >= start; --i)
        if (text[i] == u'.') return i - start + 1;
    return fits;
}

namespace {

// The plain-text layout lays a block out filling each line (the box wraps
// anywhere); this one then takes each line back to its last ".". It does so
// whenever the box asks where a block lies, which it does before it paints
// the block, so also after the box was resized and laid out afresh.
class SeparatorLayout : public QPlainTextDocumentLayout {
public:
    using QPlainTextDocumentLayout::QPlainTextDocumentLayout;

    QRectF blockBoundingRect(const QTextBlock& block) const override {
        const_cast<SeparatorLayout*>(this)->breakAtSeparators(block);
        return QPlainTextDocumentLayout::blockBoundingRect(block);
    }

protected:
    void documentChanged(int from, int charsRemoved, int charsAdded) override {
        QPlainTextDocumentLayout::documentChanged(from, charsRemoved, charsAdded);
        const QTextBlock last = document()->findBlock(from + charsAdded);
        for (QTextBlock b = document()->findBlock(from); b.isValid(); b = b.next()) {
            breakAtSeparators(b);
            if (b == last) break;
        }
    }

private:
    // Whether every line but the last ends at a "." or holds none: the
    // layout this class makes, and the one the filled lines already are.
    static bool endsAtSeparators(const QTextLayout& layout, const QString& text) {
        for (int i = 0; i + 1 < layout.lineCount(); ++i) {
            const QTextLine line = layout.lineAt(i);
            const int start = line.textStart(), length = line.textLength();
            if (lineLengthAtSeparators(text, start, length) != length) return false;
        }
        return true;
    }

    void breakAtSeparators(QTextBlock block) {
        if (busy_ || !block.isValid() || !block.isVisible()) return;
        ensureBlockLayout(block);
        QTextLayout* layout = block.layout();
        const QString text = block.text();
        if (layout->lineCount() < 2 || endsAtSeparators(*layout, text)) return;
        busy_ = true;
        // The width the filled lines were given.
        const qreal width = layout->lineAt(0).width();
        const qreal margin = document()->documentMargin();
        const int linesBefore = document()->lineCount();
        qreal top = 0;
        layout->beginLayout();
        for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
            line.setLeadingIncluded(true);
            line.setLineWidth(width);
            const int length = lineLengthAtSeparators(text, line.textStart(), line.textLength());
            if (length < line.textLength()) line.setNumColumns(length, width);
            line.setPosition(QPointF(margin, top));
            top += line.height();
            if (line.leading() < 0) top += std::ceil(line.leading());
        }
        layout->endLayout();
        block.setLineCount(layout->lineCount());
        busy_ = false;
        if (document()->lineCount() != linesBefore) emit documentSizeChanged(documentSize());
    }

    bool busy_ = false;
};

}  // namespace

void breakLinesAtSeparators(QPlainTextEdit* box) {
    auto* document = new QTextDocument(box);
    document->setDocumentLayout(new SeparatorLayout(document));
    box->setDocument(document);
    // Filled lines, which the layout then takes back to their last ".".
    box->setWordWrapMode(QTextOption::WrapAnywhere);
}

}  // namespace quorvil::unified
