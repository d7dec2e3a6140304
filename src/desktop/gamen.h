#pragma once
// The picture area: a sunken frame whose inside shows the figure. The lesson
// draws into the area's list of drawing operations. On the screen the frame
// rasterises that list into a retained image at the device pixel ratio of
// the screen it is on, when it is to be shown and the list or the ratio has
// changed since, so painting usually only copies the image; moved to a
// screen of another scale it renders the figure again, crisp. Painted onto
// anything else (a PDF page, a QPicture) it replays the list as vectors.
// Nothing is drawn in response to paint events that the lesson did not ask
// for.

#include "desktop/figure_painter.h"
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
    // The face of the figure's texts from now on; shown at once.
    void setFigureFont(const QFont& font);
    // The inside's size in logical pixels.
    QSize figureSize() const { return inside_; }
    // How many times the figure has been rasterised for the screen.
    int renderings() const { return renderings_; }

    // The sunken frame's width on each side, as the layout gives it.
    static int border();

protected:
    bool event(QEvent* event) override;
    // The window draws the focus ring around the frame.
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // The list measures the figure's texts in its face, where ruby stands.
    void measureTexts();

    QSize inside_;
    QFont font_;
    DisplayList list_;
    // The last rendering and what it was made from.
    mutable QImage image_;
    mutable unsigned renderedGeneration_ = ~0u;
    mutable std::size_t renderedOps_ = 0;
    mutable int renderings_ = 0;
};

} // namespace godo
