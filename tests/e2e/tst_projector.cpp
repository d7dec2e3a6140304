// The large view on real X servers of the sizes found in classrooms: started
// with --projector, the program opens its window at the largest quarter step
// that the screen's free area holds, and crisp, through Qt's own scaling. No
// window manager runs, so the window has no frame and xdotool's geometry is
// its client area. Also the arguments the program refuses.

#include "lesson_app.h"
#include "x_server.h"

#include "lesson/layout.h"
#include "lesson/support.h"
#include "lesson/texts.h"

#include <QDir>
#include <QProcess>
#include <QTest>

#include <memory>
#include <stdexcept>

using namespace godo::test;

namespace {

const QString kProgram = QStringLiteral(GODOJOKEN_BINARY);

void xprop(const XvfbServer& server, const QStringList& arguments)
{
    QProcess p;
    p.setProcessEnvironment(server.clientEnvironment());
    p.start(QStringLiteral("xprop"), arguments);
    if (!p.waitForFinished(10000) || p.exitCode() != 0)
        throw std::runtime_error("xprop failed: " + arguments.join(QLatin1Char(' ')).toStdString());
}

// A panel's room, as a desktop tells it: the root window's _NET_WORKAREA.
void setWorkArea(const XvfbServer& server, QRect area)
{
    xprop(server, {QStringLiteral("-root"), QStringLiteral("-f"), QStringLiteral("_NET_WORKAREA"), QStringLiteral("32c"),
                   QStringLiteral("-set"), QStringLiteral("_NET_WORKAREA"),
                   QStringLiteral("%1, %2, %3, %4").arg(area.x()).arg(area.y()).arg(area.width()).arg(area.height())});
}

struct Run {
    int exitCode;
    QByteArray out, err;
};

Run runWith(const QStringList& arguments, const QStringList& environment = {})
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& e : environment)
        env.insert(e.section(QLatin1Char('='), 0, 0), e.section(QLatin1Char('='), 1));
    // The settings a run may store stay in a home of the test's own.
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), QDir::tempPath() + QStringLiteral("/godojoken-args-config"));
    p.setProcessEnvironment(env);
    p.start(kProgram, arguments);
    if (!p.waitForFinished(10000))
        throw std::runtime_error("the program did not end");
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

} // namespace

class TestProjector : public QObject {
    Q_OBJECT
private slots:
    void windowFitsTheScreen_data();
    void windowFitsTheScreen();
    void arguments_data();
    void arguments();
    void help_namesEveryOptionAndValue();
};

void TestProjector::windowFitsTheScreen_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QRect>("workArea"); // null: the whole screen
    QTest::addColumn<QString>("userFactor");
    // The scale the program chooses: the window is the layout's size times it.
    QTest::addColumn<double>("factor");

    QTest::newRow("1920x1080: 2") << QSize(1920, 1080) << QRect() << QString() << 2.0;
    QTest::newRow("1920x1080 with a 40-px panel: 1.75")
        << QSize(1920, 1080) << QRect(0, 0, 1920, 1040) << QString() << 1.75;
    QTest::newRow("1366x768: 1.25") << QSize(1366, 768) << QRect() << QString() << 1.25;
    QTest::newRow("1280x800: 1.5") << QSize(1280, 800) << QRect() << QString() << 1.5;
    QTest::newRow("1024x768: 1.25") << QSize(1024, 768) << QRect() << QString() << 1.25;
    QTest::newRow("800x600: 1") << QSize(800, 600) << QRect() << QString() << 1.0;
    QTest::newRow("1920x1080, the user's 1.5 wins")
        << QSize(1920, 1080) << QRect() << QStringLiteral("1.5") << 1.5;
}

void TestProjector::windowFitsTheScreen()
{
    QFETCH(QSize, screen);
    QFETCH(QRect, workArea);
    QFETCH(QString, userFactor);
    QFETCH(double, factor);
    const QSize window(qRound(godo::twipsToPixels(godo::windowLayout().width) * factor),
                       qRound(godo::twipsToPixels(godo::windowLayout().height) * factor));
    try {
        const XvfbServer server(screen);
        if (!workArea.isNull())
            setWorkArea(server, workArea);
        QProcessEnvironment extra;
        if (!userFactor.isEmpty())
            extra.insert(QStringLiteral("QT_SCALE_FACTOR"), userFactor);
        LessonApp app(server, kProgram, {QStringLiteral("--projector")}, extra);
        QCOMPARE(app.geometry().size(), window);
        const QRect free = workArea.isNull() ? QRect(QPoint(0, 0), screen) : workArea;
        QVERIFY2(free.contains(app.geometry()), "the window leaves the screen's free area");
        QCOMPARE(app.title(), QString::fromUtf16(godo::texts::kCaption.data(), qsizetype(godo::texts::kCaption.size())));
        // Run again under the same process: nothing but the window is left.
        QCOMPARE(app.errorOutput(), QString());
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

void TestProjector::arguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("out");
    QTest::addColumn<QByteArray>("err");
    const QByteArray usage = "(usage: " + QByteArray(godo::texts::cli::kSynopsis.data()) + ")\n";
    QTest::newRow("unknown option") << QStringList{"--projecter"} << QStringList() << 2 << QByteArray()
        << "godojoken: unknown argument '--projecter' " + usage;
    QTest::newRow("a file name") << QStringList{"lesson.txt"} << QStringList() << 2 << QByteArray()
        << "godojoken: unknown argument 'lesson.txt' " + usage;
    QTest::newRow("Qt's own option") << QStringList{"-platform", "offscreen"} << QStringList() << 2 << QByteArray()
        << "godojoken: unknown argument '-platform' " + usage;
    QTest::newRow("an escape sequence, shown escaped") << QStringList{"\x1b[31mX\nY"} << QStringList() << 2
        << QByteArray() << "godojoken: unknown argument '\\e[31mX\\nY' " + usage;
    QTest::newRow("an unknown scheme") << QStringList{"--colors=pink"} << QStringList() << 2 << QByteArray()
        << QByteArray("godojoken: unknown value 'pink' for --colors "
                      "(one of standard|cud|white-on-black|yellow-on-black|paper)\n");
    QTest::newRow("a display that is not there") << QStringList() << QStringList{"DISPLAY=:89"} << 1
        << QByteArray()
        << QByteArray("godojoken: 画面（ディスプレイ）:89 に接続できないため起動できません。 / "
                      "cannot start: cannot connect to the display :89.\n");
    QTest::newRow("a scale factor of 0") << QStringList() << QStringList{"QT_SCALE_FACTOR=0"} << 2
        << QByteArray()
        << QByteArray("godojoken: QT_SCALE_FACTOR の値 '0' は使えません（0 より大きい数にしてください）。 / "
                      "cannot start: QT_SCALE_FACTOR '0' is not a usable scale (give a number above 0).\n");
    QTest::newRow("version") << QStringList{"--version"} << QStringList() << 0 << QByteArray("godojoken 1.0.0\n")
        << QByteArray();
}

void TestProjector::arguments()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, environment);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, out);
    QFETCH(QByteArray, err);
    try {
        const Run r = runWith(arguments, environment);
        QCOMPARE(r.exitCode, exitCode);
        QCOMPARE(r.out, out);
        QCOMPARE(r.err, err);
    } catch (const std::exception& e) {
        QFAIL(e.what());
    }
}

void TestProjector::help_namesEveryOptionAndValue()
{
    for (const char* option : {"--help", "-h"}) {
        const Run r = runWith({QString::fromLatin1(option)});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(r.err.isEmpty());
        for (const char* listed : {"-h, --help", "--projector", "--version", "--colors=NAME", "--font=NAME", "--ruby",
                                   "--speech", "--rate=NAME"})
            QVERIFY2(r.out.contains(listed), listed);
        for (const godo::ColourScheme& s : godo::colourSchemes())
            QVERIFY(r.out.contains(QByteArray(s.name.data(), qsizetype(s.name.size()))));
        for (const godo::FontChoice& f : godo::fontChoices())
            QVERIFY(r.out.contains(QByteArray(f.name.data(), qsizetype(f.name.size()))));
    }
}

QTEST_GUILESS_MAIN(TestProjector)
#include "tst_projector.moc"
