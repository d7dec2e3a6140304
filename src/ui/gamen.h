#pragma once
// The picture area: a sunken frame whose inside shows the figure's retained
// image. Painting only copies the image; the figure is drawn by the lesson's
// handlers, never in response to paint events.

#include "draw/qt_surface.h"

#include <QFrame>

namespace godo {

class Gamen final : public QFrame {
    Q_OBJECT
public:
    // outer: the area's size in logical pixels, border included.
    Gamen(QSize outer, const QFont& font, QWidget* parent);

    QtSurface& surface() { return surface_; }
    const QtSurface& surface() const { return surface_; }

    static constexpr int kBorder = 2;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QtSurface surface_;
};

} // namespace godo
