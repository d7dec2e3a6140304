#include "desktop/paper_combo_style.h"

#include <QPaintEngine>
#include <QPainter>
#include <QStyleOptionComboBox>

namespace godo {

namespace {

bool onScreen(const QPainter& p) { return p.paintEngine() && p.paintEngine()->type() == QPaintEngine::Raster; }

// The style's down arrow as a filled triangle in the middle of `box`: 8
// pixels wide, in the proportions of 14 to 8.
void drawArrow(QPainter& p, const QRectF& box, QColor colour)
{
    const qreal width = std::min<qreal>({8, box.width(), box.height()});
    const qreal height = width * 8 / 14;
    const QPointF centre = box.center() + QPointF(1, 1); // the style draws it one pixel down and right
    const QRectF r(centre.x() - width / 2, centre.y() - height / 2, width, height);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(QPolygonF{r.topLeft(), r.topRight(), QPointF(r.center().x(), r.bottom())});
    p.restore();
}

} // namespace

void PaperComboStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                         QPainter* painter, const QWidget* widget) const
{
    const auto* combo = qstyleoption_cast<const QStyleOptionComboBox*>(option);
    if (control != CC_ComboBox || !combo || !painter || onScreen(*painter)) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    // As the style lays it out: a line edit's frame over the whole box, the
    // button's bevel behind the arrow, a line between them.
    QStyleOptionFrame frame;
    frame.QStyleOption::operator=(*combo);
    frame.lineWidth = 1;
    frame.state = combo->state & (State_Enabled | State_HasFocus);
    baseStyle()->drawPrimitive(PE_FrameLineEdit, &frame, painter, widget);

    const QRect arrow = subControlRect(CC_ComboBox, combo, SC_ComboBoxArrow, widget);
    painter->save();
    painter->setClipRect(arrow.adjusted(0, 0, 1, 0), Qt::IntersectClip);
    QStyleOptionButton button;
    button.QStyleOption::operator=(*combo);
    button.state = combo->state & State_Enabled;
    button.rect = combo->rect;
    button.rect.setLeft(arrow.left() - 6);
    baseStyle()->drawPrimitive(PE_PanelButtonCommand, &button, painter, widget);
    painter->restore();

    QColor outline = combo->palette.window().color().darker(140);
    painter->save();
    painter->setPen(QPen(outline.lighter(110), 1));
    painter->drawLine(QPointF(arrow.left() - 0.5, arrow.top() + 1.5), QPointF(arrow.left() - 0.5, arrow.bottom() - 0.5));
    painter->restore();

    QColor arrowColour = combo->palette.buttonText().color();
    arrowColour.setAlpha(160);
    drawArrow(*painter, arrow, arrowColour);
}

} // namespace godo
