#include "desktop/ruby_text.h"

#include "lesson/readings.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>

namespace godo {

namespace {

QString q(std::u16string_view s) { return QString::fromUtf16(s.data(), static_cast<qsizetype>(s.size())); }

QFont scaled(const QFont& font, qreal factor)
{
    QFont f = font;
    f.setPointSizeF(font.pointSizeF() * factor);
    return f;
}

} // namespace

RubyLine layoutRubyLine(std::u16string_view text, const QFont& font, const QRectF& box, Qt::Alignment align,
                        bool inside)
{
    RubyLine line;
    line.base = font;
    line.ruby = scaled(font, kRubyScale);
    if (inside) {
        // Shrink the base until base and readings, one above the other,
        // fit the box's height.
        for (qreal k = 1.0; k >= kMinRubyBaseScale; k -= 0.05) {
            line.base = scaled(font, k);
            line.ruby = scaled(font, k / 2);
            if (QFontMetricsF(line.base).height() + QFontMetricsF(line.ruby).height() <= box.height())
                break;
        }
    }
    const QFontMetricsF base(line.base), ruby(line.ruby);
    const std::vector<ReadingRun> runs = readingRuns(text);
    const qreal width = base.horizontalAdvance(q(text));
    const qreal left = align & Qt::AlignHCenter ? box.left() + (box.width() - width) / 2 : box.left();
    qreal rubyTop;
    if (inside) {
        const qreal both = base.height() + ruby.height();
        rubyTop = box.top() + (box.height() - both) / 2;
        line.baseline = {left, rubyTop + ruby.height() + base.ascent()};
    } else {
        // As a label centres its one line in its box; the readings just
        // above the box, which the label paints over.
        const qreal top = box.top() + (box.height() - base.height()) / 2;
        line.baseline = {left, top + base.ascent()};
        rubyTop = box.top() - ruby.height();
    }
    std::u16string before;
    for (const ReadingRun& r : runs) {
        if (r.ruby) {
            const qreal x = left + base.horizontalAdvance(q(before));
            const qreal runWidth = base.horizontalAdvance(q(r.base));
            const QString reading = q(r.reading);
            const qreal w = ruby.horizontalAdvance(reading);
            line.readings.push_back({QRectF(x + (runWidth - w) / 2, rubyTop, w, ruby.height()), reading});
        }
        before += r.base;
    }
    return line;
}

RubyParagraph layoutRubyParagraph(std::u16string_view text, const QFont& font, qreal width)
{
    RubyParagraph out;
    const QString all = q(text);
    QTextLayout layout(all, font);
    layout.beginLayout();
    const QFontMetricsF base(font), ruby(scaled(font, kRubyScale));
    const std::vector<ReadingRun> runs = readingRuns(text);
    qreal y = 0;
    for (QTextLine l = layout.createLine(); l.isValid(); l = layout.createLine()) {
        l.setLineWidth(width);
        const QRectF box(0, y + ruby.height(), width, base.height());
        RubyLine line;
        line.base = font;
        line.ruby = scaled(font, kRubyScale);
        line.baseline = {0, box.top() + base.ascent()};
        // The readings of the runs that begin on this line.
        std::size_t at = 0;
        for (const ReadingRun& r : runs) {
            const int start = static_cast<int>(at);
            at += r.base.size();
            if (!r.ruby || start < l.textStart() || start >= l.textStart() + l.textLength())
                continue;
            const qreal x0 = l.cursorToX(start), x1 = l.cursorToX(static_cast<int>(at));
            const QString reading = q(r.reading);
            const qreal w = ruby.horizontalAdvance(reading);
            line.readings.push_back({QRectF((x0 + x1 - w) / 2, y, w, ruby.height()), reading});
        }
        out.lines.push_back(line);
        out.texts.push_back(all.mid(l.textStart(), l.textLength()));
        y += ruby.height() + base.height();
    }
    layout.endLayout();
    out.height = y;
    return out;
}

void paintRubyParagraph(QPainter& painter, const RubyParagraph& paragraph, QPointF at, const QColor& colour)
{
    painter.save();
    painter.translate(at);
    for (std::size_t i = 0; i < paragraph.lines.size(); ++i)
        paintRubyLine(painter, paragraph.lines[i], paragraph.texts[i].toStdU16String(), colour);
    painter.restore();
}

void paintReadings(QPainter& painter, const RubyLine& line, const QColor& colour)
{
    painter.save();
    painter.setPen(colour);
    painter.setFont(line.ruby);
    const qreal ascent = QFontMetricsF(line.ruby).ascent();
    for (const RubyReading& r : line.readings)
        painter.drawText(QPointF(r.rect.left(), r.rect.top() + ascent), r.text);
    painter.restore();
}

void paintRubyLine(QPainter& painter, const RubyLine& line, std::u16string_view text, const QColor& colour)
{
    painter.save();
    painter.setPen(colour);
    painter.setFont(line.base);
    painter.drawText(line.baseline, q(text));
    painter.restore();
    paintReadings(painter, line, colour);
}

} // namespace godo
