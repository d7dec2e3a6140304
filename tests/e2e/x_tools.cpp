#include "x_tools.h"

#include <QProcess>

#include <stdexcept>

namespace godo::test {

namespace {
constexpr int kToolTimeoutMs = 15000;

std::string describe(const QString& program, const QStringList& args)
{
    return (program + QLatin1Char(' ') + args.join(QLatin1Char(' '))).toStdString();
}
} // namespace

XTools::Result XTools::run(const QString& program, const QStringList& args) const
{
    QProcess p;
    p.setProcessEnvironment(env_);
    p.setStandardErrorFile(QProcess::nullDevice());
    p.start(program, args);
    if (!p.waitForFinished(kToolTimeoutMs)) {
        p.kill();
        p.waitForFinished();
        throw std::runtime_error("no answer from: " + describe(program, args));
    }
    if (p.exitStatus() != QProcess::NormalExit)
        throw std::runtime_error("crashed: " + describe(program, args));
    return {p.exitCode(), p.readAllStandardOutput()};
}

QByteArray XTools::xdotool(const QStringList& args) const
{
    const Result r = run(QStringLiteral("xdotool"), args);
    if (r.exitCode != 0)
        throw std::runtime_error("failed: " + describe(QStringLiteral("xdotool"), args));
    return r.out;
}

std::vector<WindowId> XTools::visibleWindowsOf(qint64 pid) const
{
    // Exit code 1 just means that nothing matched yet.
    const QStringList args{QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                           QString::number(pid)};
    const Result r = run(QStringLiteral("xdotool"), args);
    std::vector<WindowId> ids;
    for (const QByteArray& line : r.out.split('\n')) {
        bool ok = false;
        const WindowId id = line.trimmed().toULongLong(&ok);
        if (ok)
            ids.push_back(id);
    }
    return ids;
}

QRect XTools::windowGeometry(WindowId window) const
{
    // --shell prints X=, Y=, WIDTH=, HEIGHT= lines.
    const QByteArray out =
        xdotool({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), QString::number(window)});
    int x = -1, y = -1, w = -1, h = -1;
    for (const QByteArray& line : out.split('\n')) {
        const int eq = line.indexOf('=');
        if (eq < 0)
            continue;
        const QByteArray key = line.left(eq);
        const int value = line.mid(eq + 1).trimmed().toInt();
        if (key == "X")
            x = value;
        else if (key == "Y")
            y = value;
        else if (key == "WIDTH")
            w = value;
        else if (key == "HEIGHT")
            h = value;
    }
    if (w <= 0 || h <= 0)
        throw std::runtime_error("no geometry for window " + std::to_string(window));
    return QRect(x, y, w, h);
}

QString XTools::windowName(WindowId window) const
{
    QByteArray out = xdotool({QStringLiteral("getwindowname"), QString::number(window)});
    if (out.endsWith('\n'))
        out.chop(1);
    return QString::fromUtf8(out);
}

std::optional<WindowId> XTools::focusedWindow() const
{
    const Result r = run(QStringLiteral("xdotool"), {QStringLiteral("getwindowfocus")});
    bool ok = false;
    const WindowId id = r.out.trimmed().toULongLong(&ok);
    if (r.exitCode != 0 || !ok)
        return std::nullopt;
    return id;
}

void XTools::click(QPoint screen, int times) const
{
    // xdotool waits its delay after every click, the last one too: 100 ms
    // unless told otherwise. Between repeated clicks 30 ms, as a quick pupil
    // clicks; after the last, nothing.
    QStringList args{QStringLiteral("mousemove"), QString::number(screen.x()), QString::number(screen.y()),
                     QStringLiteral("click"), QStringLiteral("--delay"), QLatin1String(times > 1 ? "30" : "1")};
    if (times > 1)
        args << QStringLiteral("--repeat") << QString::number(times);
    args << QStringLiteral("1");
    xdotool(args);
}

void XTools::moveTo(QPoint screen) const
{
    xdotool({QStringLiteral("mousemove"), QString::number(screen.x()), QString::number(screen.y())});
}

void XTools::key(const QString& keys) const
{
    // Several keys separated by spaces are pressed one after the other.
    xdotool(QStringList{QStringLiteral("key")} + keys.split(QLatin1Char(' '), Qt::SkipEmptyParts));
}

QImage XTools::screenshot() const
{
    // Uncompressed 8-bit PPM: the quickest format for import to write and for
    // QImage to read.
    const QStringList args{QStringLiteral("-window"), QStringLiteral("root"), QStringLiteral("-depth"),
                           QStringLiteral("8"), QStringLiteral("ppm:-")};
    const Result r = run(QStringLiteral("import"), args);
    QImage image;
    if (r.exitCode != 0 || !image.loadFromData(r.out, "PPM"))
        throw std::runtime_error("no screenshot from: " + describe(QStringLiteral("import"), args));
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace godo::test
