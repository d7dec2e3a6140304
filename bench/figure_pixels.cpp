// Renders the figure in every state a lesson can reach as the picture area
// does for the screen (its drawing operations rasterised by renderFigure)
// and saves each image as a PNG, so that two builds can be compared pixel by
// pixel after a change that must not alter the drawing.
//
//   figure_pixels write DIR      every angle 0..170 in steps of 5, with no
//                                overlay and with every overlay on for each
//                                conclusion 1..3; after the erase pass and
//                                after the draw pass; at device pixel ratio
//                                1 and 2 (560 images)
//   figure_pixels compare A B    how many pixels differ, and by how much

#include "figure_setup.h"

#include "draw/figure.h"
#include "desktop/figure_painter.h"
#include "draw/display_list.h"
#include "desktop/fonts.h"

#include <QDir>
#include <QImage>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>

namespace {

using namespace bench;

QString imageName(qreal dpr, int conclusion, int angle, int16_t pen)
{
    return QStringLiteral("dpr%1-overlays%2-angle%3-pen%4.png")
        .arg(dpr)
        .arg(conclusion)
        .arg(angle, 3, 10, QLatin1Char('0'))
        .arg(pen);
}

int writeAll(const char* path)
{
    const QDir dir(QString::fromLocal8Bit(path));
    if (!QDir().mkpath(dir.path())) {
        std::fprintf(stderr, "figure_pixels: cannot create %s\n", path);
        return EXIT_FAILURE;
    }
    for (const qreal dpr : {1.0, 2.0})
        for (int16_t conclusion = 0; conclusion <= 3; ++conclusion)
            for (int16_t angle = 0; angle <= 170; angle += 5) {
                const QFont font = godo::japaneseFont(15, false);
                godo::DisplayList surface;
                applyLoadSettings(surface);
                godo::FigureState s = lessonState(angle, conclusion);
                godo::Figure figure(surface, s);
                int16_t iro = godo::kBrightWhite;
                figure.zukei(iro);
                for (const int16_t pen : {godo::kBackground, godo::kBrightWhite}) {
                    iro = pen;
                    figure.zukei(iro);
                    if (!godo::renderFigure(surface.ops(), kAreaSize, dpr, font).save(dir.filePath(imageName(dpr, conclusion, angle, pen)))) {
                        std::fprintf(stderr, "figure_pixels: cannot write into %s\n", path);
                        return EXIT_FAILURE;
                    }
                }
            }
    return EXIT_SUCCESS;
}

int compare(const char* pathA, const char* pathB)
{
    const QDir a(QString::fromLocal8Bit(pathA));
    const QDir b(QString::fromLocal8Bit(pathB));
    const QStringList names = a.entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name);
    if (names.isEmpty() || names != b.entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name)) {
        std::fprintf(stderr, "figure_pixels: %s and %s do not hold the same images\n", pathA, pathB);
        return EXIT_FAILURE;
    }
    std::map<int, long> byDifference; // largest channel difference -> pixels
    long differing = 0;
    long total = 0;
    int imagesDiffering = 0;
    for (const QString& name : names) {
        const QImage x = QImage(a.filePath(name)).convertToFormat(QImage::Format_RGB32);
        const QImage y = QImage(b.filePath(name)).convertToFormat(QImage::Format_RGB32);
        if (x.isNull() || x.size() != y.size()) {
            std::fprintf(stderr, "figure_pixels: %s cannot be compared\n", qPrintable(name));
            return EXIT_FAILURE;
        }
        const long before = differing;
        for (int row = 0; row < x.height(); ++row) {
            const auto* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
            const auto* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
            for (int col = 0; col < x.width(); ++col) {
                const int d = std::max({std::abs(qRed(p[col]) - qRed(q[col])),
                                        std::abs(qGreen(p[col]) - qGreen(q[col])),
                                        std::abs(qBlue(p[col]) - qBlue(q[col]))});
                if (d != 0) {
                    ++differing;
                    ++byDifference[d];
                }
            }
        }
        total += static_cast<long>(x.width()) * x.height();
        imagesDiffering += differing != before;
    }
    std::printf("%d of %lld images differ; %ld of %ld pixels differ\n", imagesDiffering,
                static_cast<long long>(names.size()), differing, total);
    for (const auto& [d, n] : byDifference)
        std::printf("  by %3d of 255: %ld pixels\n", d, n);
    return EXIT_SUCCESS;
}

} // namespace

int main(int argc, char** argv)
{
    const OffscreenApplication app(argv[0]);

    if (argc == 3 && std::strcmp(argv[1], "write") == 0)
        return writeAll(argv[2]);
    if (argc == 4 && std::strcmp(argv[1], "compare") == 0)
        return compare(argv[2], argv[3]);
    std::fputs("usage: figure_pixels write FILE | figure_pixels compare FILE_A FILE_B\n", stderr);
    return EXIT_FAILURE;
}
