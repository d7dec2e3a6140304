#pragma once
// Where the marks of the figure must appear, in twips on the picture area,
// worked out here from the construction: the core's fixed points, the
// crossings Ｐ and Ｑ of line ｎ as the lesson tabulates them, and plain
// geometry (bisectors, mid-points) for the marks.

#include "model/figure_state.h"

#include <QLineF>
#include <QPointF>
#include <QRectF>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

namespace godo::test::geometry {

// The construction as the core's state holds it at the start.
inline const FigureState& start()
{
    static const FigureState s = [] {
        FigureState f;
        f.reset();
        return f;
    }();
    return s;
}
inline const QPointF M(start().Mx, start().My);
inline const QPointF A(start().Ax, start().Yl);
inline const QPointF B(start().Bx, start().Ym);
inline const double Yl = start().Yl; // line ｌ
inline const double Ym = start().Ym; // line ｍ
inline const float dToR = start().dToR;

struct Crossings {
    int kakudo;
    int Px;
    int Qx;
};

// Ｐ and Ｑ at the angles the tests visit (0 keeps the values of 5).
inline Crossings crossings(int kakudo)
{
    static constexpr Crossings table[] = {
        {0, -18164, 27164}, {5, -18164, 27164}, {35, 1647, 7353},   {55, 3101, 5899},
        {90, 4500, 4500},   {125, 5899, 3101},  {145, 7353, 1647},  {170, 15796, -6796},
    };
    for (const Crossings& c : table)
        if (c.kakudo == kakudo)
            return c;
    throw std::invalid_argument("no crossings tabulated for " + std::to_string(kakudo) + " degrees");
}

inline QPointF P(int kakudo) { return {double(crossings(kakudo).Px), Yl}; }
inline QPointF Q(int kakudo) { return {double(crossings(kakudo).Qx), Ym}; }

inline double radians(int degrees) { return double(float(degrees)) * double(dToR); }

// Line ｎ as drawn: 6000 twips from Ｍ both ways.
inline QLineF lineN(int kakudo)
{
    const double r1 = radians(kakudo), r2 = radians(kakudo + 180);
    return QLineF(M.x() + 6000 * std::cos(r1), M.y() + 6000 * std::sin(r1), M.x() + 6000 * std::cos(r2),
                  M.y() + 6000 * std::sin(r2));
}

inline double length(QPointF v) { return std::hypot(v.x(), v.y()); }
inline QPointF unit(QPointF v) { return v / length(v); }
inline QPointF between(QPointF a, QPointF b, double fraction) { return a + (b - a) * fraction; }

// The point at `distance` from the vertex on the bisector of the angle
// between the rays towards a and towards b.
inline QPointF onBisector(QPointF vertex, QPointF a, QPointF b, double distance)
{
    return vertex + unit(unit(a - vertex) + unit(b - vertex)) * distance;
}

// Distance of a point from the segment.
inline double distance(QPointF p, const QLineF& s)
{
    const QPointF d = s.p2() - s.p1();
    const double t = std::clamp(QPointF::dotProduct(p - s.p1(), d) / QPointF::dotProduct(d, d), 0.0, 1.0);
    return length(p - (s.p1() + d * t));
}

// A text is printed with its top-left at the point; a 15-pt character cell
// is 300 twips square at 96 dpi.
inline QRectF textCell(QPointF topLeft) { return QRectF(topLeft, QSizeF(300, 300)); }

inline QRectF labelP(int kakudo)
{
    const int px = crossings(kakudo).Px;
    int x = px - 300;
    if (px < 1500)
        x -= 100;
    if (px > A.x())
        x += 500;
    return textCell({double(x), Yl - 300});
}

inline QRectF labelQ(int kakudo)
{
    const int qx = crossings(kakudo).Qx;
    int x = qx + 100;
    if (qx > 3000)
        x += 100;
    if (qx < B.x())
        x -= 500;
    return textCell({double(x), Ym});
}

inline QRectF labelN(int kakudo)
{
    const double r3 = radians(kakudo + 185);
    return textCell({M.x() + 4200 * std::cos(r3) - 100, M.y() + 3800 * std::sin(r3) - 200});
}

inline QRectF labelM() { return textCell({M.x() + 100, M.y() - 150}); }
inline QRectF labelA() { return textCell({A.x() - 100, Yl - 300}); }
inline QRectF labelB() { return textCell({B.x() - 100, Ym}); }
inline QRectF labelL() { return textCell({100, Yl - 300}); }
inline QRectF labelMm() { return textCell({100, Ym - 300}); }

} // namespace godo::test::geometry
