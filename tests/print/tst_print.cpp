// Printing on a real printer: a private CUPS scheduler with a PDF printer
// (tests/print/with-private-cups.sh starts it). A click on 「印刷」 must put the
// whole window, figure included, on one page in colour, scaled to fit and
// centred, as vectors and text in the embedded Japanese face. Every fault of
// the print server must be told in its own words within the time limit, say
// whether anything was printed, and leave the window answering. In every
// case the lesson's state and controls stay as they were.

#include "page_raster.h"
#include "print_queue.h"

#include "../colour_tolerance.h"
#include "../qt_colours.h"
#include "desktop/gamen.h"
#include "desktop/lesson_window.h"
#include "draw/colour_scheme.h"
#include "lesson/layout.h"
#include "model/figure_state.h"

#include <cups/cups.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>

#include <cmath>
#include <functional>
#include <map>
#include <memory>
#include <numbers>

using namespace godo;
using namespace godo::test;
using namespace std::chrono_literals;

namespace {

// The window and the figure inside the picture area's border, in pixels at
// 96 dpi, as the core lays them out.
struct WindowPixels {
    double width, height;
    double figureLeft, figureTop, figureRight, figureBottom;
};
WindowPixels windowPixels()
{
    const WindowLayout& w = windowLayout();
    const TwipsRect area = w[Control::gamen].rect;
    const double px = kTwipsPerPixel;
    const int border = w.pictureBorder;
    return {w.width / px, w.height / px, area.left / px + border, area.top / px + border,
            (area.left + area.width) / px - border, (area.top + area.height) / px - border};
}

// The page is A4 across the paper, 842 × 595 pt, with margins of half an
// inch (36 pt) all round; the window, less tall in proportion than that
// area, fills its height and stands in the middle of its width.
const QRectF kPrintableArea(36, 36, 842 - 2 * 36, 595 - 2 * 36); // pt, from the upper left

constexpr int kDpi = 100; // of the rendered page
constexpr double kPtToPixel = kDpi / 72.0;

const QColor kOliveWindow = qt::qcolour(colourScheme(ColourSchemeId::Standard).window);
// The picture area is qt::kCyan, line ｎ qt::kRed, line ｌ qt::kWhite.
// The PDF filters may shift colours a little.
constexpr int kTolerance = 40;
// Edges are blended at the rendered page's resolution.
constexpr double kPlaceTolerance = 3;

// Line ｎ at the start: through Ｍ (4500, 4000) twips at 35 degrees, so it
// falls from the upper left to the lower right.
constexpr double kMx = 4500, kMy = 4000, kAngle = 35 * std::numbers::pi / 180;

// How long a click on 「印刷」 may keep the window from answering, with room
// for the instrumented build; the program's own limit is 3 s.
constexpr qint64 kFreezeBoundMs = 5000;

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
// window landed on it; `dpi` is the page's rendering.
QPointF onPage(const QRectF& window, double xTwips, double yTwips)
{
    const WindowPixels w = windowPixels();
    const double scale = window.width() / w.width;
    return {window.left() + (w.figureLeft + xTwips / kTwipsPerPixel) * scale,
            window.top() + (w.figureTop + yTwips / kTwipsPerPixel) * scale};
}

QPoint rounded(QPointF p) { return p.toPoint(); }

// The lines of a poppler tool's listing below its two header lines.
QStringList listing(const QString& tool, const QStringList& arguments)
{
    const ToolResult r = runTool(tool, arguments);
    return r.ok ? r.output.split(u'\n', Qt::SkipEmptyParts).mid(2) : QStringList{QStringLiteral("failed: ") + r.output};
}

// libcups reads CUPS_SERVER once for the process; a test that points it
// elsewhere makes it read the variable again, as a new process would.
void setCupsServer(const QByteArray& socket)
{
    qputenv("CUPS_SERVER", socket);
    cupsSetServer(nullptr);
}

// A print server that fails in the given way (tests/print/fault_server.py),
// on a socket of its own; stopped when it goes out of scope.
class FaultServer {
public:
    explicit FaultServer(const QStringList& arguments)
    {
        socket_ = dir_.filePath(QStringLiteral("fault.sock"));
        process_.start(QStringLiteral("/usr/bin/python3"),
                       QStringList{QStringLiteral(GODO_FAULT_SERVER), arguments.first(), socket_} + arguments.mid(1));
        ready_ = process_.waitForReadyRead(10'000) && process_.readLine().trimmed() == "ready";
    }
    ~FaultServer()
    {
        process_.terminate();
        if (!process_.waitForFinished(5'000))
            process_.kill();
        process_.waitForFinished();
    }
    bool ready() const { return ready_; }
    QByteArray socket() const { return QFile::encodeName(socket_); }

private:
    QTemporaryDir dir_;
    QString socket_;
    QProcess process_;
    bool ready_ = false;
};

// Undoes what a fault's set-up changed.
using Undo = std::function<void()>;

// Runs an lp* tool, and returns the call that undoes it; says in `failed`
// when it did not work.
Undo lp(const QString& tool, const QStringList& args, const QString& undoTool, const QStringList& undoArgs,
        QString* failed)
{
    const ToolResult r = runTool(tool, args);
    if (!r.ok)
        *failed = tool + u' ' + args.join(u' ') + QStringLiteral(": ") + r.output;
    return [=] { runTool(undoTool, undoArgs); };
}

} // namespace

class TestPrint : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void print_putsTheWholeWindowOnThePageAsVectors();
    void print_fault_data();
    void print_fault();
    void print_twice_changesNothing();

private:
    // Sets up the fault of the row; empty `failed` when it is in place.
    Undo setUp(const QString& fault, QString* failed);

    std::unique_ptr<LessonWindow> form_;
    std::unique_ptr<FaultServer> faultServer_;
    QByteArray scheduler_;
};

void TestPrint::initTestCase()
{
    QVERIFY2(!queueName().isEmpty() && !outputPdf().isEmpty(),
             "run this test through tests/print/with-private-cups.sh");
    scheduler_ = qgetenv("CUPS_SERVER");
    const ToolResult r = runTool(QStringLiteral("lpstat"), {QStringLiteral("-d")});
    QVERIFY2(r.output.contains(queueName()), qPrintable(r.output));
}

void TestPrint::init()
{
    form_ = std::make_unique<LessonWindow>();
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
}

void TestPrint::cleanup()
{
    form_.reset();
    faultServer_.reset();
}

void TestPrint::print_putsTheWholeWindowOnThePageAsVectors()
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

    // No picture of the screen: no image at all, every control and the
    // figure are vectors; the captions are text in the embedded face.
    QCOMPARE(listing(QStringLiteral("pdfimages"), {QStringLiteral("-list"), outputPdf()}), QStringList());
    const QStringList fonts = listing(QStringLiteral("pdffonts"), {outputPdf()});
    QVERIFY2(!fonts.filter(QStringLiteral("IPAPGothic")).isEmpty(), qPrintable(fonts.join(u'\n')));
    for (const QString& font : fonts) {
        // name, type (one or two words), encoding, emb, sub, uni, object, ID
        const QStringList columns = font.split(u' ', Qt::SkipEmptyParts);
        QVERIFY2(columns.size() >= 8 && columns[columns.size() - 5] == u"yes", qPrintable(font));
    }

    QString error;
    const QImage sheet = renderFirstPage(outputPdf(), kDpi, &error);
    QVERIFY2(!sheet.isNull(), qPrintable(error));
    // A4, whole pixels rounded up.
    QCOMPARE(sheet.width(), int(std::ceil(595.28 * kPtToPixel)));
    QCOMPARE(sheet.height(), int(std::ceil(841.89 * kPtToPixel)));
    // A page across the paper comes out turned a quarter anticlockwise on the
    // sheet.
    const QImage page = sheet.transformed(QTransform().rotate(90));
    // GODO_KEEP_PAGE=FILE.png keeps the page to look at.
    if (qEnvironmentVariableIsSet("GODO_KEEP_PAGE"))
        page.save(qEnvironmentVariable("GODO_KEEP_PAGE"));

    // The window fills the printable area's height and stands in the middle
    // of its width.
    const QRect window = boundingBox(page, kOliveWindow, kTolerance, page.rect());
    QVERIFY2(!window.isNull(), "no olive window on the page");
    const double height = kPrintableArea.height() * kPtToPixel;
    const WindowPixels w = windowPixels();
    const double width = height * w.width / w.height;
    const double top = kPrintableArea.top() * kPtToPixel;
    const double left = (kPrintableArea.left() + kPrintableArea.width() / 2) * kPtToPixel - width / 2;
    QVERIFY2(std::abs(window.left() - left) <= kPlaceTolerance, qPrintable(QString::number(window.left())));
    QVERIFY2(std::abs(window.top() - top) <= kPlaceTolerance, qPrintable(QString::number(window.top())));
    QVERIFY2(std::abs(window.right() + 1 - (left + width)) <= kPlaceTolerance,
             qPrintable(QString::number(window.right())));
    QVERIFY2(std::abs(window.bottom() + 1 - (top + height)) <= kPlaceTolerance,
             qPrintable(QString::number(window.bottom())));

    // The picture area in its place within the window, filled with cyan.
    const QRect figure = boundingBox(page, qt::kCyan, kTolerance, window);
    QVERIFY2(!figure.isNull(), "no cyan picture area on the page");
    const double scale = window.width() / w.width;
    QVERIFY2(std::abs(figure.left() - (window.left() + w.figureLeft * scale)) <= kPlaceTolerance,
             qPrintable(QString::number(figure.left())));
    QVERIFY2(std::abs(figure.top() - (window.top() + w.figureTop * scale)) <= kPlaceTolerance,
             qPrintable(QString::number(figure.top())));
    QVERIFY2(std::abs(figure.right() + 1 - (window.left() + w.figureRight * scale)) <= kPlaceTolerance,
             qPrintable(QString::number(figure.right())));
    QVERIFY2(std::abs(figure.bottom() + 1 - (window.top() + w.figureBottom * scale)) <= kPlaceTolerance,
             qPrintable(QString::number(figure.bottom())));

    // Line ｎ in light red, falling to the right through Ｍ; nothing red where
    // its mirror image, rising to the right, would be. The points keep clear
    // of the other lines and the labels.
    const QRectF windowF(window.left(), window.top(), width, height);
    for (const double t : {-3000.0, -1500.0, 1500.0, 3000.0}) {
        const QPoint on = rounded(onPage(windowF, kMx + t * std::cos(kAngle), kMy + t * std::sin(kAngle)));
        QVERIFY2(figure.contains(on), qPrintable(QString::number(t)));
        QVERIFY2(hasColourNear(page, on, 2, qt::kRed, kTolerance),
                 qPrintable(QStringLiteral("no red on ｎ at t = %1").arg(t)));
        const QPoint mirrored = rounded(onPage(windowF, kMx + t * std::cos(kAngle), kMy - t * std::sin(kAngle)));
        QVERIFY2(!hasColourNear(page, mirrored, 2, qt::kRed, kTolerance),
                 qPrintable(QStringLiteral("red off ｎ at t = %1").arg(t)));
    }

    // At 600 dpi line ｌ, 3 px on screen and about 25 device pixels here, has
    // sharp edges: across it, at most one blended pixel on either side (a
    // screen image stretched over the page blends some nine at each edge).
    constexpr int kFine = 600;
    const QPointF onL = onPage(windowF, 1000, 2000) * (double(kFine) / kDpi); // left of Ｐ, right of the label
    // Back onto the sheet: a page point (x, y) lies at (y, page width - x).
    const double pageWidth = 841.89 * kFine / 72.0;
    const QPoint sheetPoint(int(std::lround(onL.y())), int(std::lround(pageWidth - onL.x())));
    const QRect crop(sheetPoint - QPoint(40, 10), QSize(81, 21));
    const ToolResult r = runTool(
        QStringLiteral("pdftoppm"),
        {QStringLiteral("-r"), QString::number(kFine), QStringLiteral("-x"), QString::number(crop.x()),
         QStringLiteral("-y"), QString::number(crop.y()), QStringLiteral("-W"), QString::number(crop.width()),
         QStringLiteral("-H"), QString::number(crop.height()), QStringLiteral("-png"), QStringLiteral("-singlefile"),
         outputPdf(), QDir::temp().filePath(QStringLiteral("godo-line-l"))});
    QVERIFY2(r.ok, qPrintable(r.output));
    const QString cropFile = QDir::temp().filePath(QStringLiteral("godo-line-l.png"));
    const QImage fine = QImage(cropFile).convertToFormat(QImage::Format_RGB32);
    QFile::remove(cropFile);
    QCOMPARE(fine.size(), crop.size());
    // On the sheet the line runs from top to bottom; look along a row.
    int white = 0, cyan = 0, blended = 0;
    for (int x = 0; x < fine.width(); ++x) {
        const QRgb p = fine.pixel(x, fine.height() / 2);
        if (withinTolerance(p, qt::kWhite.rgb(), kTolerance))
            ++white;
        else if (withinTolerance(p, qt::kCyan.rgb(), kTolerance))
            ++cyan;
        else
            ++blended;
    }
    QVERIFY2(white >= 22 && white <= 27, qPrintable(QString::number(white)));
    QVERIFY2(cyan >= 50, qPrintable(QString::number(cyan)));
    QVERIFY2(blended <= 2, qPrintable(QString::number(blended)));
}

Undo TestPrint::setUp(const QString& fault, QString* failed)
{
    const QString queue = queueName();
    if (fault == u"server accepts and never answers" || fault == u"connection cut while sending") {
        faultServer_ = std::make_unique<FaultServer>(
            fault.startsWith(u"server")
                ? QStringList{QStringLiteral("silent")}
                // The requests before the document take a few hundred bytes.
                : QStringList{QStringLiteral("cut"), QFile::decodeName(scheduler_), QStringLiteral("8000")});
        if (!faultServer_->ready())
            *failed = QStringLiteral("the fault server did not start");
        setCupsServer(faultServer_->socket());
        return [this] { setCupsServer(scheduler_); };
    }
    if (fault == u"no scheduler") {
        setCupsServer("/nonexistent/godo-no-cups/cups.sock");
        return [this] { setCupsServer(scheduler_); };
    }
    if (fault == u"PRINTER names a queue that does not exist" || fault == u"LPDEST names a queue that does not exist") {
        const char* variable = fault.startsWith(u"PRINTER") ? "PRINTER" : "LPDEST";
        qputenv(variable, "godo-no-such-queue");
        return [variable] { qunsetenv(variable); };
    }
    const QString lpadmin = QStringLiteral("lpadmin");
    if (fault == u"queues, none of them the default") {
        // The default goes with the queue that held it; the PDF queue stays.
        const QString spare = QStringLiteral("godo-spare");
        for (const QStringList& args :
             {QStringList{QStringLiteral("-p"), spare, QStringLiteral("-v"), QStringLiteral("file:///dev/null"),
                          QStringLiteral("-P"), printerDescription(), QStringLiteral("-E")},
              QStringList{QStringLiteral("-d"), spare}, QStringList{QStringLiteral("-x"), spare}}) {
            const ToolResult r = runTool(lpadmin, args);
            if (!r.ok)
                *failed = r.output;
        }
        return [=] { runTool(lpadmin, {QStringLiteral("-d"), queue}); };
    }
    if (fault == u"default queue deleted just before printing") {
        const ToolResult r = runTool(lpadmin, {QStringLiteral("-x"), queue});
        if (!r.ok)
            *failed = r.output;
        // Made again as the wrapper made it.
        return [=] {
            runTool(lpadmin, {QStringLiteral("-p"), queue, QStringLiteral("-v"),
                              QStringLiteral("file://") + outputPdf(), QStringLiteral("-P"), printerDescription(),
                              QStringLiteral("-o"), QStringLiteral("PageSize=A4"), QStringLiteral("-E")});
            runTool(lpadmin, {QStringLiteral("-d"), queue});
        };
    }
    if (fault == u"queue stopped") {
        const Undo enable = lp(QStringLiteral("cupsdisable"), {queue}, QStringLiteral("cupsenable"), {queue}, failed);
        return [=] {
            runTool(QStringLiteral("cancel"), {QStringLiteral("-a"), queue});
            enable();
        };
    }
    if (fault == u"queue rejecting jobs")
        return lp(QStringLiteral("cupsreject"), {QStringLiteral("-r"), QStringLiteral(u"用紙の補充中"), queue},
                  QStringLiteral("cupsaccept"), {queue}, failed);
    if (fault == u"scheduler refuses the job") {
        // A quota of one kilobyte a day, which a small job has used up.
        QTemporaryFile text;
        if (!text.open() || text.write(QByteArray(1500, 'x')) != 1500 || !text.flush())
            *failed = QStringLiteral("no temporary file");
        const ToolResult r = runTool(QStringLiteral("lp"), {QStringLiteral("-d"), queue, text.fileName()});
        if (!r.ok || !waitUntilNoJobPending(30s))
            *failed = QStringLiteral("the small job did not print: ") + r.output;
        return lp(lpadmin,
                  {QStringLiteral("-p"), queue, QStringLiteral("-o"), QStringLiteral("job-quota-period=86400"),
                   QStringLiteral("-o"), QStringLiteral("job-k-limit=1")},
                  lpadmin,
                  {QStringLiteral("-p"), queue, QStringLiteral("-o"), QStringLiteral("job-quota-period=0"),
                   QStringLiteral("-o"), QStringLiteral("job-k-limit=0")},
                  failed);
    }
    if (fault == u"TMPDIR names a plain file") {
        // The page is made in memory: no temporary folder is needed.
        auto notAFolder = std::make_shared<QTemporaryFile>();
        if (!notAFolder->open())
            *failed = QStringLiteral("no temporary file");
        const QByteArray tmpdir = qgetenv("TMPDIR");
        const bool hadTmpdir = qEnvironmentVariableIsSet("TMPDIR");
        qputenv("TMPDIR", QFile::encodeName(notAFolder->fileName()));
        return [=] {
            if (hadTmpdir)
                qputenv("TMPDIR", tmpdir);
            else
                qunsetenv("TMPDIR");
            (void)notAFolder;
        };
    }
    *failed = QStringLiteral("no such fault: ") + fault;
    return [] {};
}

void TestPrint::print_fault_data()
{
    // In the messages %1 stands for the queue's name and %2 for the number of
    // the job the scheduler got last.
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("jobExists");
    const QString noAnswer = QStringLiteral(
        u"印刷サーバーが3秒以内に応答しなかったため、印刷をやめました。何も印刷されていません。");
    const QString noDefault = QStringLiteral(
        u"既定のプリンターが見つからないため、印刷できませんでした。何も印刷されていません。"
        u"既定のプリンターは「lpoptions -d プリンター名」で設定できます。");
    QTest::newRow("server accepts and never answers") << QStringLiteral("server accepts and never answers")
                                                      << noAnswer << false;
    QTest::newRow("no scheduler")
        << QStringLiteral("no scheduler")
        << QStringLiteral(u"印刷サーバーに接続できなかったため、印刷できませんでした。何も印刷されていません。") << false;
    for (const char* fault : {"queues, none of them the default", "PRINTER names a queue that does not exist",
                              "LPDEST names a queue that does not exist", "default queue deleted just before printing"})
        QTest::newRow(fault) << QString::fromLatin1(fault) << noDefault << false;
    QTest::newRow("queue stopped") << QStringLiteral("queue stopped")
                                   << QStringLiteral(u"プリンター「%1」は停止しています。印刷はジョブ番号 %2 として受け付けられ、"
                                                     u"プリンターが再開されるまで待っています。まだ何も印刷されていません。")
                                   << true;
    QTest::newRow("queue rejecting jobs")
        << QStringLiteral("queue rejecting jobs")
        << QStringLiteral(u"プリンター「%1」が印刷を受け付けていないため、印刷できませんでした。何も印刷されていません。"
                          u"（用紙の補充中）")
        << false;
    QTest::newRow("scheduler refuses the job")
        << QStringLiteral("scheduler refuses the job")
        << QStringLiteral(u"印刷サーバーがプリンター「%1」への印刷を断ったため、印刷できませんでした。何も印刷されていません。"
                          u"（Quota limit reached.）")
        << false;
    QTest::newRow("connection cut while sending")
        << QStringLiteral("connection cut while sending")
        << QStringLiteral(u"印刷するページをプリンター「%1」へ最後まで送れなかったため、印刷できませんでした。"
                          u"途中まで送ったジョブ（番号 %2）は取り消しました。何も印刷されていません。")
        << true;
    QTest::newRow("TMPDIR names a plain file") << QStringLiteral("TMPDIR names a plain file") << QString() << true;
}

void TestPrint::print_fault()
{
    QFETCH(QString, fault);
    QFETCH(QString, message);
    QFETCH(bool, jobExists);
    LessonWindow& form = *form_;
    QVERIFY(click(form, "katei"));
    QVERIFY(click(form, "migi"));
    const Lesson before = Lesson::of(form);
    Gamen* gamen = form.findChild<Gamen*>();
    QVERIFY(gamen);

    QString failed;
    const auto undo = qScopeGuard(setUp(fault, &failed));
    QVERIFY2(failed.isEmpty(), qPrintable(failed));
    const qsizetype jobsBefore = allJobs().size();

    QElapsedTimer clock;
    clock.start();
    QVERIFY(click(form, "Command1"));
    const qint64 frozenMs = clock.elapsed();

    // Within the bound, and the window paints again right after.
    QVERIFY2(frozenMs <= kFreezeBoundMs, qPrintable(QString::number(frozenMs)));
    int paints = 0;
    struct PaintCounter : QObject {
        int* count;
        explicit PaintCounter(int* c) : count(c) {}
        bool eventFilter(QObject*, QEvent* e) override
        {
            *count += e->type() == QEvent::Paint;
            return false;
        }
    } counter(&paints);
    gamen->installEventFilter(&counter);
    gamen->update();
    QTRY_VERIFY_WITH_TIMEOUT(paints > 0, 1000);
    gamen->removeEventFilter(&counter);

    QCOMPARE(allJobs().size(), jobsBefore + (jobExists ? 1 : 0));
    message.replace(QStringLiteral("%1"), queueName()).replace(QStringLiteral("%2"), QString::number(newestJob()));
    QCOMPARE(messageShown(form), message);
    QVERIFY(Lesson::of(form) == before);
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
