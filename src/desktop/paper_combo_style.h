#pragma once
// The application's style for the combo box, except on paper. The style
// paints a combo box's frame and arrow into a pixmap at the screen's
// resolution, always, and draws that pixmap: on a printed page it would be
// the one blurred part of the window. Painted onto anything but the screen,
// the frame and the arrow come from the style's own primitives instead,
// which a PDF keeps as vectors. On screen nothing changes.

#include <QProxyStyle>

namespace godo {

class PaperComboStyle final : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override;
};

} // namespace godo
