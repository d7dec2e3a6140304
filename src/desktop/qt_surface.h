#pragma once
// The picture area's surface: paints with QPainter into a retained QImage, so
// the figure survives the window being covered, and the widget that shows it
// only has to copy the image. 15 twips make one logical pixel; the image has
// the screen's device pixel ratio, so the figure stays crisp when scaled.

#include "draw/surface.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointF>
#include <QSize>

class QPainter;

namespace godo {

class QtSurface final : public Surface {
public:
    // size: the inside of the picture area in logical pixels.
    QtSurface(QSize size, qreal devicePixelRatio, const QFont& font);

    const QImage& qimage() const { return image_; }
    const QImage& picture() const { return picture_; }
    const QFont& font() const { return font_; }

    // Twips to logical pixels.
    static constexpr qreal kTwipsPerPixel = 15.0;

    void setBackColor(Rgb c) override;
    void setDrawWidth(int pixels) override;
    void setFontSize(double points) override;
    void clear() override;
    void setForeColor(Rgb c) override;
    void setFillStyle(FillStyle s) override;
    void setFillColor(Rgb c) override;
    void setCurrentPoint(float x, float y) override;
    void line(float x1, float y1, float x2, float y2, Rgb c) override;
    void lineTo(float x2, float y2, Rgb c) override;
    void relativeLine(float x1, float y1, float dx, float dy, Rgb c) override;
    void circle(float x, float y, float r, Rgb c) override;
    void printText(std::u16string_view text) override;
    std::any image() const override;
    void setPicture(const std::any& picture) override;

private:
    void begin(QPainter& p, Rgb outline) const;
    void segment(float x1, float y1, float x2, float y2, Rgb c);

    QImage image_;
    QImage picture_;
    QFont font_;
    QColor back_ = Qt::white;
    QColor fore_ = Qt::black;
    QColor fill_ = Qt::black;
    FillStyle fillStyle_ = FillStyle::Transparent;
    int drawWidth_ = 1;
    QPointF current_; // twips
};

QColor toQColor(Rgb c);

} // namespace godo
