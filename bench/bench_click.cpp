// What one click of the lesson costs: the erase pass (pen 3) and the draw
// pass (pen 15) of the redraw into the picture area's list of drawing
// operations, and the one rasterisation of that list that the next paint
// makes (BM_ClickDisplayList, what the window does); the two passes into the
// list alone; and on a surface that draws nothing, which leaves the
// arithmetic of the figure alone.
//
// Arguments of the click benchmarks: the angle of ｎ in degrees, and the
// overlays: 0 for the base figure, 1..3 for every overlay on with that
// conclusion. BM_FigureOperation times the replay of the operations one by
// one, to show what a click's time is made of.

#include "figure_setup.h"
#include "null_surface.h"

#include "draw/figure.h"
#include "desktop/figure_painter.h"
#include "draw/display_list.h"
#include "desktop/fonts.h"

#include <QPainter>

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <string>

namespace {

using godo::Figure;
using godo::FigureState;
using godo::FillStyle;
using godo::Rgb;
using namespace bench;
// Takes every call and does nothing with it.
using godo::test::NullSurface;

// Counts what one click asks of the surface, so that the timings can be read
// per operation. Used once per benchmark, outside the timed loop.
class CountingSurface final : public NullSurface {
public:
    int lines = 0;
    int circles = 0;
    int filledCircles = 0;
    int texts = 0;

    void setFillStyle(FillStyle s) override { fill_ = s; }
    void line(float, float, float, float, Rgb) override { ++lines; }
    void lineTo(float, float, Rgb) override { ++lines; }
    void relativeLine(float, float, float, float, Rgb) override { ++lines; }
    void circle(float, float, float, Rgb) override
    {
        ++circles;
        if (fill_ == FillStyle::Solid)
            ++filledCircles;
    }
    void printText(std::u16string_view) override { ++texts; }

private:
    FillStyle fill_ = FillStyle::Transparent;
};

FigureState stateFor(const benchmark::State& bm)
{
    return lessonState(static_cast<int16_t>(bm.range(0)), static_cast<int16_t>(bm.range(1)));
}

// The two passes of a click. The state is left as it is between them, so
// every iteration draws the same figure.
void click(Figure& figure)
{
    int16_t iro = godo::kBackground;
    figure.zukei(iro);
    iro = godo::kBrightWhite;
    figure.zukei(iro);
}

void addOperationCounts(benchmark::State& bm, const FigureState& initial)
{
    CountingSurface counter;
    applyLoadSettings(counter);
    FigureState s = initial;
    Figure figure(counter, s);
    click(figure);
    bm.counters["lines"] = counter.lines;
    bm.counters["circles"] = counter.circles;
    bm.counters["filled"] = counter.filledCircles;
    bm.counters["texts"] = counter.texts;
}

void setLabel(benchmark::State& bm)
{
    const auto conclusion = bm.range(1);
    bm.SetLabel(conclusion == 0 ? "base figure"
                                : "all overlays, conclusion " + std::to_string(conclusion));
}

void BM_ClickDisplayList(benchmark::State& bm)
{
    const QFont font = godo::japaneseFont(15, false);
    godo::DisplayList surface;
    applyLoadSettings(surface);
    FigureState s = stateFor(bm);
    addOperationCounts(bm, s);
    setLabel(bm);
    Figure figure(surface, s);
    click(figure);
    // The first use of the face fills Qt's glyph cache.
    benchmark::DoNotOptimize(godo::renderFigure(surface.ops(), kAreaSize, 1.0, font).constBits());
    for (auto _ : bm) {
        click(figure);
        const QImage image = godo::renderFigure(surface.ops(), kAreaSize, 1.0, font);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void BM_ClickListOnly(benchmark::State& bm)
{
    godo::DisplayList surface;
    applyLoadSettings(surface);
    FigureState s = stateFor(bm);
    setLabel(bm);
    Figure figure(surface, s);
    for (auto _ : bm) {
        click(figure);
        benchmark::DoNotOptimize(surface.ops().data());
    }
}

void BM_ClickNullSurface(benchmark::State& bm)
{
    NullSurface surface;
    applyLoadSettings(surface);
    FigureState s = stateFor(bm);
    addOperationCounts(bm, s);
    setLabel(bm);
    Figure figure(surface, s);
    for (auto _ : bm) {
        click(figure);
        benchmark::DoNotOptimize(s.Px);
        benchmark::DoNotOptimize(s.Qx);
    }
}

void clickArguments(benchmark::internal::Benchmark* b)
{
    b->ArgNames({"kakudo", "overlays"});
    for (const int angle : {35, 90, 145})
        for (const int overlays : {0, 1, 2, 3})
            b->Args({angle, overlays});
    b->Repetitions(5)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);
}

BENCHMARK(BM_ClickDisplayList)->Apply(clickArguments)->MinTime(0.2);
BENCHMARK(BM_ClickListOnly)->Apply(clickArguments)->MinTime(0.05);
BENCHMARK(BM_ClickNullSurface)->Apply(clickArguments)->MinTime(0.05);

// One operation of the kinds a click is made of, with the figure's own
// coordinates (twips) and colours at 35 degrees, asked of a list and then
// replayed.
struct Operation {
    const char* name;
    const char* label;
    std::function<void(godo::DisplayList&)> run;
};

const Rgb kWhite = godo::qbColor(godo::kBrightWhite);
const Rgb kRed = godo::qbColor(godo::kLightRed);

const Operation kOperations[] = {
    {"clear", "the whole area in the background colour", [](godo::DisplayList& g) { g.clear(); }},
    {"line_n", "line n at 35 degrees, 12000 twips",
     [](godo::DisplayList& g) { g.line(9415.98f, 7439.94f, -421.45f, 567.90f, kRed); }},
    {"line_AB", "segment AB, 6403 twips diagonal",
     [](godo::DisplayList& g) { g.line(7000, 2000, 2000, 6000, kWhite); }},
    {"line_l", "line l, 8800 twips horizontal", [](godo::DisplayList& g) { g.line(0, 2000, 8800, 2000, kWhite); }},
    {"tick", "relative line of 224 twips (hypothesis mark)",
     [](godo::DisplayList& g) { g.relativeLine(6500, 2000, 200, -100, kWhite); }},
    {"ring", "circle of radius 100 twips, not filled",
     [](godo::DisplayList& g) {
         g.setFillStyle(FillStyle::Transparent);
         g.circle(3073, 3000, 100, kRed);
     }},
    {"dot", "circle of radius 50 twips, filled",
     [](godo::DisplayList& g) {
         g.setFillStyle(FillStyle::Solid);
         g.setFillColor(kRed);
         g.circle(7050, 2100, 50, kRed);
     }},
    {"text_char", "one character",
     [](godo::DisplayList& g) {
         g.setCurrentPoint(4600, 3850);
         g.printText(u"Ｍ");
     }},
    {"text_sentence", "the congruence sentence, 19 characters",
     [](godo::DisplayList& g) {
         g.setCurrentPoint(600, 6400);
         g.printText(godo::kGodoSentence);
     }},
};

void BM_FigureOperation(benchmark::State& bm, const Operation& op)
{
    const QFont font = godo::japaneseFont(15, false);
    godo::DisplayList list;
    applyLoadSettings(list);
    list.setForeColor(kWhite);
    op.run(list);
    QImage image(kAreaSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    bm.SetLabel(op.label);
    godo::paintFigure(painter, list.ops(), font, kAreaSize); // glyph cache and first-use costs stay out
    for (auto _ : bm) {
        godo::paintFigure(painter, list.ops(), font, kAreaSize);
        benchmark::DoNotOptimize(image.constBits());
    }
}

} // namespace

int main(int argc, char** argv)
{
    const OffscreenApplication app(argv[0]);

    for (const Operation& op : kOperations)
        benchmark::RegisterBenchmark(("BM_FigureOperation/" + std::string(op.name)).c_str(),
                                     BM_FigureOperation, op)
            ->Repetitions(5)
            ->ReportAggregatesOnly(true)
            ->MinTime(0.05)
            ->Unit(benchmark::kMicrosecond);

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return EXIT_FAILURE;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return EXIT_SUCCESS;
}
