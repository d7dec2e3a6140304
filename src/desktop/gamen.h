#pragma once
// The picture area: a sunken frame whose inside shows the figure. The lesson
// draws into the area's list of drawing operations; the frame renders that
// list into a retained image at the screen's device pixel ratio when it is
// to be shown and the list or the ratio has changed since, so painting
// usually only copies the image. Nothing is drawn in response to paint events
// that the lesson did not ask for.

#include "desktop/qt_surface.h"
#include "draw/display_list.h"

#include <QFrame>
#include <QImage>

namespace godo {

class Gamen final : public QFrame {
    Q_OBJECT
public:
    // outer: the area's size in logical pixels, border included.
    Gamen(QSize outer, const QFont& font, QWidget* parent);

    DisplayList& list() { return list_; }
    const DisplayList& list() const { return list_; }

    // The figure as it stands, rendered at the widget's device pixel ratio.
    const QImage& image() const;
    const QFont& font() const { return font_; }
    // The inside's size in logical pixels.
    QSize figureSize() const { return inside_; }

    static constexpr int kBorder = 2;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSize inside_;
    QFont font_;
    DisplayList list_;
    // The last rendering and what it was made from.
    mutable QImage image_;
    mutable unsigned renderedGeneration_ = ~0u;
    mutable std::size_t renderedOps_ = 0;
};

// Renders a list of drawing operations onto a surface of the given size.
QImage renderFigure(const std::vector<DrawOp>& ops, QSize size, qreal devicePixelRatio, const QFont& font);

} // namespace godo
