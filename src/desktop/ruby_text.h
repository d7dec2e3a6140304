#pragma once
// Text with ruby: the readings of the lesson's table drawn above their kanji,
// at half the size of the base. Laid out first and painted after, so that
// where a reading stands can be checked against the other controls.

#include "lesson/readings.h"

#include <QFont>
#include <QRectF>
#include <QString>

#include <string_view>
#include <vector>

class QColor;
class QPainter;

namespace godo {

struct RubyReading {
    QRectF rect; // the reading's own box
    QString text;
};

struct RubyLine {
    QFont base;       // the base's font: as given, or a little smaller to fit
    QFont ruby;       // half the base's size
    QPointF baseline; // where the base text starts, on its baseline
    std::vector<RubyReading> readings;
};

// `text` on one line in `box` with its readings above it, aligned left or
// centred (`align`). inside: the readings stay within the box, the base
// made smaller where the two do not fit its height together; else the base
// stands as a one-line label would draw it and the readings above the box.
RubyLine layoutRubyLine(std::u16string_view text, const QFont& font, const QRectF& box, Qt::Alignment align,
                        bool inside = true);

// `text` wrapped to `width` with each line's readings above it: how tall it
// is, and what to paint. (A message box's text.)
struct RubyParagraph {
    qreal height = 0;
    std::vector<RubyLine> lines;
    std::vector<QString> texts; // each line's base text
};
RubyParagraph layoutRubyParagraph(std::u16string_view text, const QFont& font, qreal width);
void paintRubyParagraph(QPainter& painter, const RubyParagraph& paragraph, QPointF at, const QColor& colour);

// The readings alone, in `colour`.
void paintReadings(QPainter& painter, const RubyLine& line, const QColor& colour);
// The base text and its readings, in `colour`.
void paintRubyLine(QPainter& painter, const RubyLine& line, std::u16string_view text, const QColor& colour);

} // namespace godo
