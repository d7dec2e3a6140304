// The real program on a real X server: a whole lesson driven with the real
// pointer and keyboard at the places of the controls, and after each step the
// screen checked where the pupil would look. The steps build on each other in
// the order of the lesson, so the test functions run as one story. Then the
// lesson's tables, each row's figure on the screen against what the window's
// code draws for the same steps.

#include "control_places.h"
#include "fake_face.h"
#include "lesson_rows.h"
#include "figure_geometry.h"
#include "lesson_app.h"
#include "picture_probe.h"
#include "x_server.h"

#include "desktop/figure_painter.h"
#include "desktop/fonts.h"
#include "draw/figure.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <stdexcept>
#include <vector>

using namespace godo::test;
namespace g = godo::test::geometry;
using Expect = LessonApp::Expect;

namespace {

const QString kProgram = QStringLiteral(GODOJOKEN_BINARY);

// Any driver failure (a tool that fails, a picture that never changes) ends
// the test function with its reason.
#define STEP(...)                                                                                            \
    do {                                                                                                     \
        try {                                                                                                \
            __VA_ARGS__;                                                                                     \
        } catch (const std::exception& e) {                                                                  \
            QFAIL(e.what());                                                                                 \
        }                                                                                                    \
    } while (0)

// One look at the picture: the colour must show within `radius` pixels of the
// point, or must not be the colour of the point's own pixel.
struct Probe {
    QString what;
    QPointF at; // twips
    QRgb colour;
    bool present;
    int radius = 2;
};
using Probes = std::vector<Probe>;

// Several looks at one picture, as one list in the order given.
Probes all(std::initializer_list<Probes> looks)
{
    Probes probes;
    for (const Probes& look : looks)
        probes.insert(probes.end(), look.begin(), look.end());
    return probes;
}

// Where every probe may safely look: the inside of the picture area is at
// least this big (the area is 8805 × 7485 twips with a narrow border).
bool wellInside(QPointF p) { return p.x() >= 100 && p.x() <= 8500 && p.y() >= 100 && p.y() <= 7250; }

QString colourName(QRgb c)
{
    return QStringLiteral("(%1, %2, %3)").arg(qRed(c)).arg(qGreen(c)).arg(qBlue(c));
}

QString failures(const Picture& picture, const Probes& probes)
{
    QStringList out;
    for (const Probe& p : probes) {
        const bool found = picture.hasNear(p.at, p.colour, p.present ? p.radius : 0);
        if (found == p.present)
            continue;
        const QPoint px = picture.pixelOf(p.at);
        const QRgb seen = picture.contains(p.at) ? picture.image().pixel(px - picture.inside().topLeft()) : 0;
        out << QStringLiteral("%1 at (%2, %3) twips, pixel (%4, %5) showing %6: %7 %8 expected")
                   .arg(p.what)
                   .arg(p.at.x())
                   .arg(p.at.y())
                   .arg(px.x())
                   .arg(px.y())
                   .arg(colourName(seen), p.present ? QStringLiteral("colour") : QStringLiteral("no colour"),
                        colourName(p.colour));
    }
    return out.join(QLatin1Char('\n'));
}

#define CHECK_PROBES(picture, probes)                                                                        \
    do {                                                                                                     \
        const QString why = failures((picture), (probes));                                                   \
        QVERIFY2(why.isEmpty(), qPrintable(QLatin1Char('\n') + why));                                        \
    } while (0)

// ---- What the pupil should see, as probes -------------------------------

// The text cells of the labels that stand at every angle.
std::vector<QRectF> fixedLabels() { return {g::labelL(), g::labelMm(), g::labelM(), g::labelA(), g::labelB()}; }

bool inAnyLabel(QPointF p, int kakudo)
{
    std::vector<QRectF> cells = fixedLabels();
    cells.push_back(g::labelN(kakudo));
    if (kakudo != 0) {
        cells.push_back(g::labelP(kakudo));
        cells.push_back(g::labelQ(kakudo));
    }
    for (const QRectF& c : cells)
        if (c.adjusted(-60, -60, 60, 60).contains(p))
            return true;
    return false;
}

enum class Stretch { Whole, BeyondPQ };

// Line ｎ at `kakudo`, sampled every 150 twips along its length. BeyondPQ
// keeps to the parts outside ｌ and ｍ, where no triangle side covers it.
Probes lineN(int kakudo, Stretch stretch = Stretch::Whole)
{
    const QLineF n = g::lineN(kakudo);
    Probes probes;
    for (double s = 0; s <= 1.0; s += 150.0 / n.length()) {
        const QPointF p = n.pointAt(s);
        if (!wellInside(p) || g::length(p - g::M) < 450 || inAnyLabel(p, kakudo))
            continue;
        if (kakudo != 0 && (g::length(p - g::P(kakudo)) < 450 || g::length(p - g::Q(kakudo)) < 450))
            continue;
        if (stretch == Stretch::BeyondPQ && p.y() > g::Yl - 150 && p.y() < g::Ym + 150)
            continue;
        probes.push_back({QStringLiteral("line ｎ at %1°").arg(kakudo), p, colours::red, true});
    }
    if (probes.size() < 8) // the line always shows over thousands of twips
        throw std::logic_error("too few places to look at line ｎ");
    return probes;
}

// No red where line ｎ would lie at another angle, looked at far enough from
// Ｍ and from the line at `current` that the two cannot be confused.
Probes noLineN(int other, int current)
{
    const QLineF now = g::lineN(current);
    const QLineF n = g::lineN(other);
    Probes probes;
    for (double s = 0; s <= 1.0; s += 150.0 / n.length()) {
        const QPointF p = n.pointAt(s);
        if (wellInside(p) && g::length(p - g::M) > 1500 && g::distance(p, now) > 150)
            probes.push_back({QStringLiteral("no line ｎ at %1°").arg(other), p, colours::red, false});
    }
    if (probes.size() < 8)
        throw std::logic_error("too few places to look for line ｎ");
    return probes;
}

// The white lines ｌ and ｍ and the segment ＡＢ, away from where ｎ crosses.
Probes baseLines(int kakudo)
{
    Probes probes;
    for (double x : {500.0, 3000.0, 6000.0, 8300.0}) {
        if (kakudo == 0 || std::abs(x - g::P(kakudo).x()) > 300)
            probes.push_back({QStringLiteral("line ｌ"), {x, g::Yl}, colours::white, true, 1});
        if (kakudo == 0 || std::abs(x - g::Q(kakudo).x()) > 300)
            probes.push_back({QStringLiteral("line ｍ"), {x, g::Ym}, colours::white, true, 1});
    }
    for (double f : {0.15, 0.4, 0.6, 0.85})
        probes.push_back({QStringLiteral("segment ＡＢ"), g::between(g::A, g::B, f), colours::white, true, 1});
    return probes;
}

// The ticks across ＡＭ and ＢＭ (fixed) and the arrowheads on ｌ and ｍ,
// their apexes 50 twips right of the mid-points of ＡＰ and ＢＱ.
Probes hypothesisMarks(int kakudo, bool present)
{
    Probes probes;
    const auto mark = [&](const QString& what, QPointF at) {
        if (wellInside(at))
            probes.push_back({what, at, colours::yellow, present, 1});
    };
    const QLineF ticks[] = {{5650, 2900, 5820, 3100}, {3150, 4900, 3320, 5100}};
    for (const QLineF& t : ticks)
        for (double f : {0.2, 0.8})
            mark(QStringLiteral("tick"), t.pointAt(f));
    const QPointF apexes[] = {{(g::A.x() + g::P(kakudo).x()) / 2 + 50, g::Yl},
                              {(g::Q(kakudo).x() + g::B.x()) / 2 + 50, g::Ym}};
    for (QPointF apex : apexes) {
        mark(QStringLiteral("arrowhead apex"), apex);
        mark(QStringLiteral("arrowhead upper arm"), apex + QPointF(100, -50));
        mark(QStringLiteral("arrowhead lower arm"), apex + QPointF(100, 50));
    }
    return probes;
}

// The marks of conclusion `which` (1 ＡＰ＝ＢＱ, 2 ＰＭ＝ＱＭ, 3 ∠APM＝∠BQM).
Probes conclusionMarks(int kakudo, int which, bool present)
{
    const QPointF P = g::P(kakudo), Q = g::Q(kakudo);
    Probes probes;
    const auto mark = [&](const QString& what, QPointF at, int radius = 1) {
        probes.push_back({what, at, colours::red, present, radius});
    };
    switch (which) {
    case 1: {
        // A ring through the mid-point of each segment, its centre on the line.
        const QPointF rings[] = {{(P.x() + g::A.x()) / 2 - 50, g::Yl}, {(Q.x() + g::B.x()) / 2 - 50, g::Ym}};
        for (QPointF c : rings) {
            mark(QStringLiteral("ring top"), c + QPointF(0, -50));
            mark(QStringLiteral("ring bottom"), c + QPointF(0, 50));
            if (present) // a ring, not a disc: its middle shows the line under it
                probes.push_back({QStringLiteral("middle of the ring"), c, colours::red, false});
        }
        break;
    }
    case 2: {
        // Double rings (radii 100 and 50) at the mid-points of ＰＭ and ＱＭ,
        // looked at across line ｎ so that the line itself does not count.
        const QLineF n = g::lineN(kakudo);
        const QPointF across = g::unit(QPointF(-n.dy(), n.dx()));
        for (QPointF c : {g::between(P, g::M, 0.5), g::between(Q, g::M, 0.5)})
            for (double r : {100.0, -100.0, 50.0, -50.0})
                mark(QStringLiteral("double ring, radius %1").arg(std::abs(r)), c + across * r);
        break;
    }
    case 3: {
        // Filled dots on the bisectors of ∠APM and ∠BQM.
        const double rP = std::abs(g::M.x() - P.x()) / 10 + 50;
        const double rQ = std::abs(g::M.x() - Q.x()) / 10 + 50;
        mark(QStringLiteral("dot in ∠APM"), g::onBisector(P, g::A, g::M, rP));
        mark(QStringLiteral("dot in ∠BQM"), g::onBisector(Q, g::B, g::M, rQ));
        break;
    }
    default:
        break;
    }
    return probes;
}

Probes noConclusionMarks(int kakudo)
{
    return all({conclusionMarks(kakudo, 1, false), conclusionMarks(kakudo, 2, false),
                conclusionMarks(kakudo, 3, false)});
}

// △ＡＰＭ in blue and △ＢＱＭ in green, looked at a third of the way along
// each side (the mid-points carry other marks).
Probes triangles(int kakudo, bool present)
{
    const QPointF P = g::P(kakudo), Q = g::Q(kakudo);
    Probes probes;
    const auto sides = [&](const QString& name, QPointF a, QPointF b, QPointF c, QRgb colour) {
        for (auto [from, to] : {std::pair{a, b}, std::pair{b, c}, std::pair{c, a}})
            for (double f : {1.0 / 3, 2.0 / 3}) {
                const QPointF at = g::between(from, to, f);
                if (wellInside(at))
                    probes.push_back({name, at, colour, present, 2});
            }
    };
    sides(QStringLiteral("side of △ＡＰＭ"), g::A, P, g::M, colours::blue);
    sides(QStringLiteral("side of △ＢＱＭ"), g::B, Q, g::M, colours::green);
    return probes;
}

// Filled white dots in ∠PAM and ∠QBM, white rings on the bisectors of the
// vertical angles at Ｍ, 200 twips from it.
Probes equalAngleMarks(int kakudo, bool present)
{
    const QPointF P = g::P(kakudo), Q = g::Q(kakudo);
    const bool pBeyondA = P.x() > g::A.x();
    const QPointF dots[] = {g::A + (pBeyondA ? QPointF(50, 100) : QPointF(-150, 100)),
                            g::B + (pBeyondA ? QPointF(-50, -100) : QPointF(150, -100))};
    const QPointF rings[] = {g::onBisector(g::M, g::B, Q, 200), g::onBisector(g::M, g::A, P, 200)};
    // A dot may lie within a pixel of ＡＢ (at 35 degrees it does): look at
    // it from the side away from that line as well, where only the dot is white.
    const QPointF acrossAB = g::unit(QPointF(g::B.y() - g::A.y(), g::A.x() - g::B.x()));
    Probes probes;
    for (QPointF d : dots) {
        const double side = QPointF::dotProduct(d - g::A, acrossAB) < 0 ? -1 : 1;
        const QPointF awayFromAB = d + acrossAB * (45 * side);
        if (present)
            probes.push_back({QStringLiteral("dot of an alternate angle"), d, colours::white, true, 1});
        probes.push_back({QStringLiteral("dot of an alternate angle, off ＡＢ"), awayFromAB, colours::white, present, 1});
    }
    for (QPointF r : rings) {
        for (QPointF off : {QPointF(50, 0), QPointF(-50, 0), QPointF(0, 50), QPointF(0, -50)})
            probes.push_back({QStringLiteral("ring of a vertical angle"), r + off, colours::white, present, 1});
        // The ring's hole is never white.
        probes.push_back({QStringLiteral("middle of a ring at Ｍ"), r, colours::white, false});
    }
    return probes;
}

// Every overlay's marks at 55 degrees with ＰＭ＝ＱＭ chosen.
Probes everyOverlayAt55()
{
    return all({equalAngleMarks(55, true), triangles(55, true), conclusionMarks(55, 2, true),
                hypothesisMarks(55, true)});
}

// The congruence sentence: white text in the band below ｍ from x = 2000.
QRectF sentenceBand() { return QRectF(2000, 6700, 6500, 300); }

// White pixels in a band, leaving out the given label cells.
int whiteOutside(const Picture& picture, const QRectF& band, const std::vector<QRectF>& cells)
{
    int n = picture.count(band, colours::white);
    for (const QRectF& c : cells)
        n -= picture.count(c.intersected(band), colours::white);
    return n;
}

// The bands in which the labels Ｐ (above ｌ) and Ｑ (below ｍ) stand.
QRectF bandAboveL() { return QRectF(0, g::Yl - 270, 8700, 240); }
QRectF bandBelowM() { return QRectF(0, g::Ym + 30, 8700, 240); }

int labelPixels(const Picture& picture, const QRectF& cell)
{
    return picture.count(cell.adjusted(15, 30, -15, -45), colours::white);
}

} // namespace

// A pupil's hands on the real window through the X server, with the same
// steps taken on the window's code on a fake face: what it draws there is
// what the screen must show once the window has caught up. The actions go
// out one after the other without waiting for the screen, as a quick pupil's
// do; only opening the list waits, for its window.
class PupilOnX final : public Pupil {
public:
    explicit PupilOnX(LessonApp& app) : app_(app) {}

    LessonDriver core;

    bool click(const std::string& control) override
    {
        const godo::ControlLayout* c = controlNamed(control);
        if (c)
            app_.tools().click(app_.geometry().topLeft() + centre(placeOf(c->id)));
        return c && core.click(control);
    }
    bool choose(int entry) override
    {
        const auto before = core.face.list.ops();
        if (!core.choose(entry))
            return false;
        app_.chooseFromList(entry - 1, nullptr, core.face.list.ops() == before ? Expect::NoChange : Expect::Change);
        return true;
    }
    bool key(const std::string& key) override
    {
        const QRect box = pixelRect(places::keturon);
        app_.tools().click(app_.geometry().topLeft() + QPoint(box.left() + 20, box.center().y()));
        app_.tools().key(key == "ArrowDown" ? QStringLiteral("Down") : QStringLiteral("Up"));
        return core.key(key);
    }
    // The tables type only on the faces that read the field back.
    bool type(const std::string&) override
    {
        qWarning("typing is not driven on X");
        return false;
    }

    // The figure the window's code drew, as the window renders it.
    QImage expected(QSize inside) const
    {
        return godo::renderFigure(core.face.list.ops(), inside, 1.0, godo::japaneseFont(godo::kFigurePoints, false));
    }

private:
    LessonApp& app_;
};

class E2eTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void windowTitleAndSize();
    void startShowsTheBaseFigure();
    void controlsThatDoNothingAtStart_data();
    void controlsThatDoNothingAtStart();
    void hypothesisMarksAppear();
    void turningRightStopsAt170();
    void turningLeftStopsAt0();
    void turningBackTo55();
    void conclusionWithArrowKeys_data();
    void conclusionWithArrowKeys();
    void headingLocksTheTriangles();
    void conclusionWithTheMouse();
    void focusTriangles();
    void equalAngleMarksAppear();
    void congruenceSentence();
    void overlaysSwitchOffAndOn_data();
    void overlaysSwitchOffAndOn();
    void restartShowsTheStartAgain();
    void endButtonEndsTheProgram();

    void withoutDisplayItSaysSoAndFails();
    void helperReportsAProgramThatEnds_data();
    void helperReportsAProgramThatEnds();

    void lessonTables();

private:
    std::unique_ptr<XvfbServer> server_;
    std::unique_ptr<LessonApp> app_;
    QImage startPicture_; // the inside of the picture area at start
    QImage lessonPicture_; // the window with every overlay on
};

void E2eTest::initTestCase()
{
    STEP(server_ = std::make_unique<XvfbServer>());
    STEP(app_ = std::make_unique<LessonApp>(*server_, kProgram));
}

void E2eTest::cleanupTestCase()
{
    app_.reset();
    server_.reset();
}

void E2eTest::windowTitleAndSize()
{
    QCOMPARE(app_->title(), QStringLiteral(u"三角形の合同条件の使い方(q.Sorano)"));
    // No window manager: the client area is the whole window.
    const godo::WindowLayout& w = godo::windowLayout();
    QCOMPARE(app_->geometry().size(), QSize(godo::twipsToPixels(w.width), godo::twipsToPixels(w.height)));
}

void E2eTest::startShowsTheBaseFigure()
{
    QImage shown;
    STEP(shown = app_->grab());
    const Picture pic(shown);
    startPicture_ = pic.image();

    // The inside of the picture area lies within its box from the layout and
    // loses at most a few pixels to the border.
    const QRect outer = pixelRect(places::gamen);
    QVERIFY2(outer.contains(pic.inside()), "the figure lies outside the picture area");
    QVERIFY(pic.inside().width() >= outer.width() - 8);
    QVERIFY(pic.inside().height() >= outer.height() - 8);

    CHECK_PROBES(pic, all({lineN(35), baseLines(35), hypothesisMarks(35, false), noConclusionMarks(35),
                           triangles(35, false), equalAngleMarks(35, false)}));

    // Every label is printed in white.
    std::vector<QRectF> cells = fixedLabels();
    cells.insert(cells.end(), {g::labelN(35), g::labelP(35), g::labelQ(35)});
    for (const QRectF& c : cells)
        QVERIFY2(labelPixels(pic, c) >= 10,
                 qPrintable(QStringLiteral("no white label at (%1, %2)").arg(c.x()).arg(c.y())));
    QCOMPARE(pic.count(sentenceBand(), colours::white), 0);
}

void E2eTest::controlsThatDoNothingAtStart_data()
{
    QTest::addColumn<QPoint>("where");
    const auto row = [](const Place& p) { QTest::newRow(p.name) << centre(p); };
    row(places::hidari);
    row(places::migi);
    QTest::newRow("keturon field") << pixelRect(places::keturon).topLeft() + QPoint(20, 10);
    QTest::newRow("keturon arrow") << LessonApp::listArrow();
    row(places::sankaku);
    row(places::henkaku);
    row(places::godo);
    // Enabled, but nothing is bound to a click on the figure or the labels.
    row(places::gamen);
    row(places::Label1);
    row(places::Label3);
}

void E2eTest::controlsThatDoNothingAtStart()
{
    QFETCH(QPoint, where);
    QImage shown;
    STEP(shown = app_->clickAt(where, Expect::NoChange));
    QCOMPARE(Picture(shown).image(), startPicture_);
    QCOMPARE(app_->tools().visibleWindowsOf(app_->pid()).size(), std::size_t(1)); // no list dropped down
}

void E2eTest::hypothesisMarksAppear()
{
    QImage shown;
    STEP(shown = app_->click(places::katei));
    const Picture pic(shown);
    CHECK_PROBES(pic, all({hypothesisMarks(35, true), lineN(35), triangles(35, false)}));
}

void E2eTest::turningRightStopsAt170()
{
    // 27 steps of 5 degrees from 35 reach 170; the 28th is taken back.
    QImage shown;
    STEP(shown = app_->click(places::migi, Expect::Change, 28));
    const Picture pic(shown);
    CHECK_PROBES(pic, all({lineN(170), noLineN(175, 170), noLineN(35, 170)}));
    // Ｐ and Ｑ lie far outside the area: neither their labels nor the
    // arrowheads show, the ticks do.
    CHECK_PROBES(pic, hypothesisMarks(170, true));
    QCOMPARE(whiteOutside(pic, bandAboveL(), {g::labelL(), g::labelA()}), 0);
    QCOMPARE(whiteOutside(pic, bandBelowM(), {g::labelB()}), 0);
}

void E2eTest::turningLeftStopsAt0()
{
    // 34 steps bring 170 back to 0; two more are taken back.
    QImage shown;
    STEP(shown = app_->click(places::hidari, Expect::Change, 36));
    const Picture pic(shown);
    // Line ｎ horizontal through Ｍ. At 0 nothing is computed: the ticks show,
    // the arrowheads stay where 5 degrees put them, outside the area.
    CHECK_PROBES(pic, all({lineN(0), noLineN(-5, 0), noLineN(5, 0), hypothesisMarks(0, true)}));
    QCOMPARE(whiteOutside(pic, bandAboveL(), {g::labelL(), g::labelA()}), 0); // no Ｐ
    QCOMPARE(whiteOutside(pic, bandBelowM(), {g::labelB()}), 0);                // no Ｑ
}

void E2eTest::turningBackTo55()
{
    QImage shown;
    STEP(shown = app_->click(places::migi, Expect::Change, 11));
    const Picture pic(shown);
    CHECK_PROBES(pic, all({lineN(55), noLineN(50, 55), noLineN(60, 55), baseLines(55),
                           hypothesisMarks(55, true), noConclusionMarks(55)}));
    QVERIFY(labelPixels(pic, g::labelP(55)) >= 10);
    QVERIFY(labelPixels(pic, g::labelQ(55)) >= 10);
    // Ｐ and Ｑ are labelled again.
    QVERIFY(whiteOutside(pic, bandAboveL(), {g::labelL(), g::labelA()}) > 0);
    QVERIFY(whiteOutside(pic, bandBelowM(), {g::labelB()}) > 0);
}

void E2eTest::conclusionWithArrowKeys_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("conclusion");
    // The rows run in order, each from where the one before left the list.
    QTest::newRow("Down to ＡＰ＝ＢＱ") << QStringLiteral("Down") << 1;
    QTest::newRow("Down to ＰＭ＝ＱＭ") << QStringLiteral("Down") << 2;
    QTest::newRow("Down to ∠APM＝∠BQM") << QStringLiteral("Down") << 3;
    QTest::newRow("Up Up Up to the heading") << QStringLiteral("Up Up Up") << 0;
}

void E2eTest::conclusionWithArrowKeys()
{
    QFETCH(QString, keys);
    QFETCH(int, conclusion);
    QImage shown;
    STEP(app_->focusListField());
    STEP(shown = app_->press(keys));
    const Picture pic(shown);
    CHECK_PROBES(pic, all({conclusionMarks(55, 1, conclusion == 1), conclusionMarks(55, 2, conclusion == 2),
                           conclusionMarks(55, 3, conclusion == 3), lineN(55, Stretch::BeyondPQ),
                           hypothesisMarks(55, true)}));
}

void E2eTest::headingLocksTheTriangles()
{
    // With the heading chosen there is no conclusion, and 注目する三角形 is
    // locked again.
    QImage before, after;
    STEP(before = app_->grab());
    STEP(after = app_->click(places::sankaku, Expect::NoChange));
    QCOMPARE(Picture(after).image(), Picture(before).image());
}

void E2eTest::conclusionWithTheMouse()
{
    QImage shown;
    QRect list;
    STEP(shown = app_->chooseFromList(2, &list)); // ＰＭ＝ＱＭ
    // The list dropped down in a window of its own, below the box.
    const QRect box = pixelRect(places::keturon).translated(app_->geometry().topLeft());
    QVERIFY2(list.top() >= box.bottom(), "the list does not open below its box");
    QVERIFY(list.left() >= box.left() - 2 && list.left() <= box.left() + 2);

    const Picture pic(shown);
    CHECK_PROBES(pic, all({conclusionMarks(55, 2, true), conclusionMarks(55, 1, false),
                           conclusionMarks(55, 3, false), lineN(55, Stretch::BeyondPQ),
                           hypothesisMarks(55, true)}));
}

void E2eTest::focusTriangles()
{
    QImage shown;
    STEP(shown = app_->click(places::sankaku));
    const Picture pic(shown);
    CHECK_PROBES(pic, all({triangles(55, true), conclusionMarks(55, 2, true), hypothesisMarks(55, true),
                           lineN(55, Stretch::BeyondPQ), equalAngleMarks(55, false)}));
}

void E2eTest::equalAngleMarksAppear()
{
    QImage shown;
    STEP(shown = app_->click(places::henkaku));
    const Picture pic(shown);
    CHECK_PROBES(pic, everyOverlayAt55());
    QCOMPARE(pic.count(sentenceBand(), colours::white), 0);
}

void E2eTest::congruenceSentence()
{
    QImage shown;
    STEP(shown = app_->click(places::godo));
    const Picture pic(shown);

    // One line of white text starting at x = 2000 twips, 700 below ｍ,
    // nineteen characters of about a 15-pt cell each, the last a space.
    const QRect text = pic.extent(sentenceBand(), colours::white);
    QVERIFY2(!text.isEmpty(), "no sentence below ｍ");
    const int left = pic.pixelOf(sentenceBand().topLeft()).x();
    QVERIFY2(text.left() >= left && text.left() <= left + 6, qPrintable(QString::number(text.left() - left)));
    QVERIFY2(text.width() >= 17 * 15 && text.width() <= 19 * 22, qPrintable(QString::number(text.width())));
    QVERIFY(pic.count(sentenceBand(), colours::white) >= 300);

    CHECK_PROBES(pic, everyOverlayAt55());
    lessonPicture_ = shown;
}

void E2eTest::overlaysSwitchOffAndOn_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("仮定") << QStringLiteral("katei");
    QTest::newRow("注目する三角形") << QStringLiteral("sankaku");
    QTest::newRow("等しい辺・角") << QStringLiteral("henkaku");
    QTest::newRow("合同条件") << QStringLiteral("godo");
}

void E2eTest::overlaysSwitchOffAndOn()
{
    QFETCH(QString, button);
    const Place& place = button == u"katei"     ? places::katei
                         : button == u"sankaku" ? places::sankaku
                         : button == u"henkaku" ? places::henkaku
                                                : places::godo;
    QImage off, on;
    STEP(off = app_->click(place));
    const Picture pic(off);

    // The overlay of this button is gone, the others stay.
    const bool katei = button != u"katei", sankaku = button != u"sankaku", henkaku = button != u"henkaku",
               godo = button != u"godo";
    CHECK_PROBES(pic, all({hypothesisMarks(55, katei), triangles(55, sankaku), equalAngleMarks(55, henkaku),
                           conclusionMarks(55, 2, true)}));
    if (godo)
        QVERIFY(pic.count(sentenceBand(), colours::white) >= 300);
    else
        QCOMPARE(pic.count(sentenceBand(), colours::white), 0);

    // A second click brings back exactly the picture of before.
    STEP(on = app_->click(place));
    QCOMPARE(Picture(on).image(), Picture(lessonPicture_).image());
}

void E2eTest::restartShowsTheStartAgain()
{
    QImage shown;
    STEP(shown = app_->click(places::saisyo));
    QCOMPARE(Picture(shown).image(), startPicture_);
    // The turning buttons are locked again.
    STEP(shown = app_->click(places::migi, Expect::NoChange));
    QCOMPARE(Picture(shown).image(), startPicture_);
}

void E2eTest::endButtonEndsTheProgram()
{
    STEP(app_->tools().click(app_->geometry().topLeft() + centre(places::owari)));
    QVERIFY2(app_->waitForExit(1000), "still running a second after 終了");
    const QString said = app_->errorOutput();
    QVERIFY2(app_->exitStatus() == QProcess::NormalExit, qPrintable(said));
    QVERIFY2(app_->exitCode() == 0, qPrintable(QStringLiteral("exit code %1: %2").arg(app_->exitCode()).arg(said)));
}

void E2eTest::withoutDisplayItSaysSoAndFails()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(kProgram, {});
    QVERIFY(p.waitForFinished(10000));
    // An ordinary exit with code 1, not Qt's abort (134, with a core dump).
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QCOMPARE(p.exitCode(), 1);
    QCOMPARE(p.readAllStandardOutput(), QByteArray());
    const QByteArray err = p.readAllStandardError();
    QVERIFY2(err.endsWith('\n') && err.count('\n') == 1, err.constData());
    QVERIFY(err.size() > 10);
}

// The driver itself: a program that ends before it shows a window fails the
// start at once, with how it ended and what it said, instead of after the
// whole start-up time.
void E2eTest::helperReportsAProgramThatEnds_data()
{
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<QString>("expected");
    QTest::newRow("exit status")
        << QByteArray("echo 'cannot open the lesson' >&2; exit 3")
        << QStringLiteral("the program ended before showing a window: exit status 3; its error output:\n"
                          "cannot open the lesson\n");
    QTest::newRow("signal") << QByteArray("echo aborting >&2; kill -ABRT $$")
                            << QStringLiteral("the program ended before showing a window: killed by signal 6; "
                                              "its error output:\naborting\n");
    QTest::newRow("silent success")
        << QByteArray("exit 0")
        << QStringLiteral("the program ended before showing a window: exit status 0; "
                          "it wrote nothing to its error output");
    // Ends only after the driver has started looking for its window.
    QTest::newRow("after a while")
        << QByteArray("sleep 0.5; echo late >&2; exit 1")
        << QStringLiteral("the program ended before showing a window: exit status 1; its error output:\nlate\n");
}

void E2eTest::helperReportsAProgramThatEnds()
{
    QFETCH(QByteArray, script);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile program(dir.filePath(QStringLiteral("ends")));
    QVERIFY(program.open(QIODevice::WriteOnly));
    program.write("#!/bin/sh\n" + script + "\n");
    program.close();
    QVERIFY(program.setPermissions(QFile::ReadOwner | QFile::ExeOwner));

    QElapsedTimer clock;
    clock.start();
    QString said;
    try {
        LessonApp ended(*server_, program.fileName());
        QFAIL("the driver started a program that shows no window");
    } catch (const std::runtime_error& e) {
        said = QString::fromStdString(e.what());
    }
    QCOMPARE(said, expected);
    // The full start-up time is 30 s.
    QVERIFY2(clock.elapsed() < 5000, qPrintable(QStringLiteral("noticed after %1 ms").arg(clock.elapsed())));
}

// The lesson's and the turning table's rows, on a window of their own. A row
// whose steps begin with everything done since the last 「最初」 goes on from
// there; any other starts again with 「最初」.
void E2eTest::lessonTables()
{
    std::unique_ptr<XvfbServer> server;
    std::unique_ptr<LessonApp> app;
    STEP(server = std::make_unique<XvfbServer>());
    STEP(app = std::make_unique<LessonApp>(*server, kProgram));
    PupilOnX pupil(*app);
    std::vector<std::pair<std::string, std::vector<std::string>>> rows;
    for (const LessonRow& r : lessonRows())
        rows.emplace_back(r.name, r.steps);
    for (const TurningRow& r : turningRows())
        rows.emplace_back(r.name, turningSteps(r));

    std::vector<PupilAction> done;
    for (const auto& [name, steps] : rows) {
        std::vector<PupilAction> actions;
        QVERIFY(toActions(steps, actions));
        std::size_t from = done.size();
        if (actions.size() < done.size() || !std::equal(done.begin(), done.end(), actions.begin())) {
            STEP(QVERIFY(pupil.click("saisyo")));
            from = 0;
        }
        for (std::size_t i = from; i < actions.size(); ++i)
            STEP(QVERIFY2(pupil.act(actions[i]), name.c_str()));
        done = actions;

        // The screen catches up within the change timeout.
        QImage shown;
        STEP(shown = Picture(app->grab()).image());
        const QImage expected = pupil.expected(shown.size()).convertToFormat(shown.format());
        QElapsedTimer clock;
        clock.start();
        while (shown != expected && clock.elapsed() < 5000)
            STEP(shown = Picture(app->grab()).image());
        QVERIFY2(shown == expected, name.c_str());
    }
}

// Drawing the expected figures needs the toolkit's fonts, on no screen of its
// own; the program under test gets the X server's environment.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    E2eTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_e2e.moc"
