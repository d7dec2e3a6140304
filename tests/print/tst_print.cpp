// Printing on a real printer: a private CUPS scheduler with a PDF printer
// (tests/print/with-private-cups.sh starts it). A click on 「印刷」 must put the
// whole window, figure included, on the page in colour, scaled to fit and
// centred; without a default printer it must say so and print nothing. In
// every case the lesson's state and controls stay as they were.

#include "page_raster.h"
#include "print_queue.h"

#include "desktop/figure_painter.h"
#include "model/figure_state.h"
#include "desktop/lesson_window.h"
#include "desktop/gamen.h"

#include <QFile>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryFile>
#include <QTest>

#include <cmath>
#include <map>
#include <memory>
#include <numbers>

using namespace godo;
using namespace godo::test;
using namespace std::chrono_literals;

namespace {

// The window and its picture area, in pixels at 96 dpi: the window is
// 11190 × 7860 twips; the area's frame stands at (120, 240) twips and is
// 8805 × 7485 twips, and its 2-px border surrounds the figure.
constexpr double kWindowWidth = 11190.0 / 15;  // 746
constexpr double kWindowHeight = 7860.0 / 15;  // 524
constexpr double kFigureLeft = 120.0 / 15 + 2; // 10
constexpr double kFigureTop = 240.0 / 15 + 2;  // 18
constexpr double kFigureRight = (120.0 + 8805) / 15 - 2;  // 593
constexpr double kFigureBottom = (240.0 + 7485) / 15 - 2; // 513

// The test printer prints on A4 (595 × 842 pt); its description gives the
// printable area of that paper as 18 36 577 806 (pt, from the lower left).
// The window is printed across the paper: turned upright again, the page is
// 842 × 595 pt, and Qt keeps the paper's margins as they were (18 pt at the
// sides, 36 pt above and below), well inside what the printer can reach.
const QRectF kPrintableArea(18, 36, 842 - 2 * 18, 595 - 2 * 36); // pt, from the upper left

constexpr int kDpi = 100; // of the rendered page
constexpr double kPtToPixel = kDpi / 72.0;

const QColor kOliveWindow(128, 128, 0); // the window
const QColor kCyan(0, 128, 128);        // the picture area
const QColor kLineRed(255, 0, 0);       // line ｎ
// The PDF filters may shift colours a little.
constexpr int kTolerance = 40;
// Edges are blended when the image is scaled.
constexpr double kPlaceTolerance = 3;

// Line ｎ at the start: through Ｍ (4500, 4000) twips at 35 degrees, so it
// falls from the upper left to the lower right.
constexpr double kMx = 4500, kMy = 4000, kAngle = 35 * std::numbers::pi / 180;

QString noPrinterMessage()
{
    return QStringLiteral(u"既定のプリンターが設定されていないため、印刷できませんでした。"
                          u"何も印刷されていません。");
}

QString cannotOpenMessage(const QString& queue)
{
    return QStringLiteral(u"プリンター「%1」を開けませんでした。何も印刷されていません。").arg(queue);
}

const char* const kControls[] = {"Command1", "keturon", "godo",   "henkaku", "sankaku", "katei",
                                 "owari",    "saisyo",  "migi",   "hidari",  "gamen"};

// What printing must leave as it was.
struct Lesson {
    FigureState state;
    std::map<QString, bool> enabled;
    QImage figure;

    static Lesson of(const LessonWindow& form)
    {
        Lesson l{form.state(), {}, form.picture().image()};
        for (const char* name : kControls)
            l.enabled[QString::fromLatin1(name)] = form.findChild<QWidget*>(QString::fromLatin1(name))->isEnabled();
        return l;
    }
    bool operator==(const Lesson&) const = default;
};

// False when the button is missing or disabled.
bool click(LessonWindow& form, const char* name)
{
    auto* b = form.findChild<QPushButton*>(QString::fromLatin1(name));
    if (!b || !b->isEnabled())
        return false;
    QTest::mouseClick(b, Qt::LeftButton);
    return true;
}

QString messageShown(const LessonWindow& form)
{
    const auto* box = form.findChild<QMessageBox*>();
    return box ? box->text() : QString();
}

// A point of the figure, in twips, on the printed page, given where the
// window landed on it.
QPoint onPage(const QRect& window, double xTwips, double yTwips)
{
    const double scale = window.width() / kWindowWidth;
    return QPoint(int(std::lround(window.left() + (kFigureLeft + xTwips / 15) * scale)),
                  int(std::lround(window.top() + (kFigureTop + yTwips / 15) * scale)));
}

// Turns the line once with the hypothesis marks on and clicks 「印刷」: the
// message must be shown, and neither the lesson nor the printer's queue may
// change.
void printingIsRefused(LessonWindow& form, const QString& message)
{
    QVERIFY(click(form, "katei"));
    QVERIFY(click(form, "migi"));
    const qsizetype jobsBefore = allJobs().size();
    const Lesson before = Lesson::of(form);

    QVERIFY(click(form, "Command1"));

    QCOMPARE(messageShown(form), message);
    QVERIFY(Lesson::of(form) == before);
    QCOMPARE(allJobs().size(), jobsBefore);
}

} // namespace

class TestPrint : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void print_putsTheWholeWindowOnTheDefaultPrinter();
    void print_withoutDefaultPrinter_tellsAndPrintsNothing_data();
    void print_withoutDefaultPrinter_tellsAndPrintsNothing();
    void print_whenThePrinterCannotBeOpened_tellsAndPrintsNothing();
    void print_twice_changesNothing();

private:
    std::unique_ptr<LessonWindow> form_;
};

void TestPrint::initTestCase()
{
    QVERIFY2(!queueName().isEmpty() && !outputPdf().isEmpty(),
             "run this test through tests/print/with-private-cups.sh");
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    QVERIFY2(!printer.isNull(), "the private scheduler has no default printer");
    QCOMPARE(printer.printerName(), queueName());
}

void TestPrint::init()
{
    form_ = std::make_unique<LessonWindow>();
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
}

void TestPrint::cleanup() { form_.reset(); }

void TestPrint::print_putsTheWholeWindowOnTheDefaultPrinter()
{
    LessonWindow& form = *form_;
    QVERIFY(click(form, "katei")); // some lesson state that the load step does not give
    QFile::remove(outputPdf());
    const qsizetype jobsBefore = allJobs().size();
    const Lesson before = Lesson::of(form);

    QVERIFY(click(form, "Command1"));

    QVERIFY2(messageShown(form).isEmpty(), qPrintable(messageShown(form)));
    QVERIFY(Lesson::of(form) == before);
    // The figure as drawn became the area's persistent picture.
    QVERIFY(!form.picture().list().picture().empty());
    QVERIFY(form.picture().list().picture() == form.picture().list().ops());
    QCOMPARE(allJobs().size(), jobsBefore + 1);
    QVERIFY2(waitUntilNoJobPending(30s), qPrintable(pendingJobs().join(u'\n')));

    QString error;
    const QImage sheet = renderFirstPage(outputPdf(), kDpi, &error);
    QVERIFY2(!sheet.isNull(), qPrintable(error));
    // A4, whole pixels rounded up.
    QCOMPARE(sheet.width(), int(std::ceil(595.28 * kPtToPixel)));
    QCOMPARE(sheet.height(), int(std::ceil(841.89 * kPtToPixel)));
    // A landscape page comes out turned a quarter anticlockwise on the sheet.
    const QImage page = sheet.transformed(QTransform().rotate(90));
    // GODO_KEEP_PAGE=FILE.png keeps the page to look at.
    if (qEnvironmentVariableIsSet("GODO_KEEP_PAGE"))
        page.save(qEnvironmentVariable("GODO_KEEP_PAGE"));

    // The window fills the printable area's height (it is less wide than that
    // area in proportion) and stands in the middle of its width.
    const QRect window = boundingBox(page, kOliveWindow, kTolerance, page.rect());
    QVERIFY2(!window.isNull(), "no olive window on the page");
    const double height = kPrintableArea.height() * kPtToPixel;
    const double width = height * kWindowWidth / kWindowHeight;
    const double top = kPrintableArea.top() * kPtToPixel;
    const double left = (kPrintableArea.left() + kPrintableArea.width() / 2) * kPtToPixel - width / 2;
    QVERIFY2(std::abs(window.left() - left) <= kPlaceTolerance, qPrintable(QString::number(window.left())));
    QVERIFY2(std::abs(window.top() - top) <= kPlaceTolerance, qPrintable(QString::number(window.top())));
    QVERIFY2(std::abs(window.right() + 1 - (left + width)) <= kPlaceTolerance,
             qPrintable(QString::number(window.right())));
    QVERIFY2(std::abs(window.bottom() + 1 - (top + height)) <= kPlaceTolerance,
             qPrintable(QString::number(window.bottom())));

    // The picture area in its place within the window, filled with cyan.
    const QRect figure = boundingBox(page, kCyan, kTolerance, window);
    QVERIFY2(!figure.isNull(), "no cyan picture area on the page");
    const double scale = window.width() / kWindowWidth;
    QVERIFY2(std::abs(figure.left() - (window.left() + kFigureLeft * scale)) <= kPlaceTolerance,
             qPrintable(QString::number(figure.left())));
    QVERIFY2(std::abs(figure.top() - (window.top() + kFigureTop * scale)) <= kPlaceTolerance,
             qPrintable(QString::number(figure.top())));
    QVERIFY2(std::abs(figure.right() + 1 - (window.left() + kFigureRight * scale)) <= kPlaceTolerance,
             qPrintable(QString::number(figure.right())));
    QVERIFY2(std::abs(figure.bottom() + 1 - (window.top() + kFigureBottom * scale)) <= kPlaceTolerance,
             qPrintable(QString::number(figure.bottom())));

    // Line ｎ in light red, falling to the right through Ｍ; nothing red where
    // its mirror image, rising to the right, would be. The points keep clear
    // of the other lines and the labels.
    for (const double t : {-3000.0, -1500.0, 1500.0, 3000.0}) {
        const QPoint on = onPage(window, kMx + t * std::cos(kAngle), kMy + t * std::sin(kAngle));
        QVERIFY2(figure.contains(on), qPrintable(QString::number(t)));
        QVERIFY2(hasColourNear(page, on, 2, kLineRed, kTolerance),
                 qPrintable(QStringLiteral("no red on ｎ at t = %1").arg(t)));
        const QPoint mirrored = onPage(window, kMx + t * std::cos(kAngle), kMy - t * std::sin(kAngle));
        QVERIFY2(!hasColourNear(page, mirrored, 2, kLineRed, kTolerance),
                 qPrintable(QStringLiteral("red off ｎ at t = %1").arg(t)));
    }
}

void TestPrint::print_withoutDefaultPrinter_tellsAndPrintsNothing_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("queues, none of them the default") << QStringLiteral("no default");
    QTest::newRow("PRINTER names a queue that does not exist") << QStringLiteral("PRINTER");
    QTest::newRow("LPDEST names a queue that does not exist") << QStringLiteral("LPDEST");
}

void TestPrint::print_withoutDefaultPrinter_tellsAndPrintsNothing()
{
    QFETCH(QString, how);
    const QString lpadmin = QStringLiteral("lpadmin");
    const auto restore = qScopeGuard([&] {
        qunsetenv("PRINTER");
        qunsetenv("LPDEST");
        runTool(lpadmin, {QStringLiteral("-d"), queueName()});
    });
    if (how == u"no default") {
        // The default goes with the queue that held it; the PDF queue stays.
        const QString spare = QStringLiteral("godo-spare");
        for (const QStringList& args :
             {QStringList{QStringLiteral("-p"), spare, QStringLiteral("-v"), QStringLiteral("file:///dev/null"),
                          QStringLiteral("-P"), printerDescription(), QStringLiteral("-E")},
              QStringList{QStringLiteral("-d"), spare}, QStringList{QStringLiteral("-x"), spare}}) {
            const ToolResult r = runTool(lpadmin, args);
            QVERIFY2(r.ok, qPrintable(r.output));
        }
        QVERIFY(!QPrinterInfo::printerInfo(queueName()).isNull());
    } else {
        qputenv(how.toLatin1().constData(), "godo-no-such-queue");
    }
    QVERIFY2(QPrinterInfo::defaultPrinter().isNull(), "the case did not take the default printer away");

    printingIsRefused(*form_, noPrinterMessage());
}

void TestPrint::print_whenThePrinterCannotBeOpened_tellsAndPrintsNothing()
{
    // The print file is written to a temporary folder first: with TMPDIR
    // naming a plain file, where nothing can be created, opening the printer
    // fails.
    QTemporaryFile notAFolder;
    QVERIFY(notAFolder.open());
    const QByteArray tmpdir = qgetenv("TMPDIR");
    const bool hadTmpdir = qEnvironmentVariableIsSet("TMPDIR");
    const auto restore = qScopeGuard([&] {
        if (hadTmpdir)
            qputenv("TMPDIR", tmpdir);
        else
            qunsetenv("TMPDIR");
    });
    qputenv("TMPDIR", QFile::encodeName(notAFolder.fileName()));

    printingIsRefused(*form_, cannotOpenMessage(queueName()));
}

void TestPrint::print_twice_changesNothing()
{
    LessonWindow& form = *form_;
    QVERIFY(click(form, "katei"));
    QVERIFY(click(form, "hidari"));
    const qsizetype jobsBefore = allJobs().size();
    const Lesson before = Lesson::of(form);

    QVERIFY(click(form, "Command1"));
    QVERIFY(click(form, "Command1"));

    QVERIFY2(messageShown(form).isEmpty(), qPrintable(messageShown(form)));
    QVERIFY(Lesson::of(form) == before);
    QCOMPARE(allJobs().size(), jobsBefore + 2);
    QVERIFY2(waitUntilNoJobPending(30s), qPrintable(pendingJobs().join(u'\n')));
}

QTEST_MAIN(TestPrint)
#include "tst_print.moc"
