#include "desktop/figure_actions.h"

#include "desktop/figure_export.h"
#include "desktop/lesson_window.h"
#include "lesson/texts.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>
#include <QStringList>
#include <functional>
#include <optional>

namespace godo {

namespace {

QString latin1(std::string_view s) { return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size())); }

QAction* windowAction(QWidget& window, std::u16string_view caption, QKeySequence::StandardKey key)
{
    auto* a = new QAction(toQString(caption), &window);
    a->setShortcut(key);
    // Wherever the focus is in the window; a text field that has it takes
    // its own Copy first.
    a->setShortcutContext(Qt::WindowShortcut);
    window.addAction(a);
    return a;
}

// Where the first file goes: the documents folder where there is one.
QString firstFile()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    const FigureFormatInfo& first = figureFormats().front();
    return QDir(folder).filePath(toQString(texts::figure_export::kDefaultName) + '.' + latin1(first.extension));
}

} // namespace

FigureActions::FigureActions(QWidget& window, const Gamen& picture, const SupportSettings& settings,
                             std::function<void(std::u16string_view)> message)
    : QObject(&window), window_(window), picture_(picture), settings_(settings), message_(std::move(message)),
      copy_(windowAction(window, texts::figure_export::kCopy, QKeySequence::Copy)),
      save_(windowAction(window, texts::figure_export::kSave, QKeySequence::Save))
{
    connect(copy_, &QAction::triggered, this, [this] { copyFigure(picture_, settings_.fontFace()); });
    connect(save_, &QAction::triggered, this, [this] { askForFile(); });
}

void FigureActions::askForFile()
{
    auto* dialog = new QFileDialog(&window_, toQString(texts::figure_export::kSaveTitle));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    QStringList filters;
    for (const FigureFormatInfo& f : figureFormats())
        filters << toQString(f.filter);
    dialog->setNameFilters(filters);
    const QString start = lastFile_.isEmpty() ? firstFile() : lastFile_;
    const FigureFormat startFormat = figureFormatOf(start.toStdU16String()).value_or(figureFormats().front().format);
    dialog->selectNameFilter(toQString(figureFormat(startFormat).filter));
    dialog->setDefaultSuffix(latin1(figureFormat(startFormat).extension));
    dialog->selectFile(start);
    // A name typed without an extension takes that of the chosen filter.
    connect(dialog, &QFileDialog::filterSelected, dialog, [dialog, filters](const QString& filter) {
        if (const qsizetype i = filters.indexOf(filter); i >= 0)
            dialog->setDefaultSuffix(latin1(figureFormats()[std::size_t(i)].extension));
    });
    connect(dialog, &QFileDialog::fileSelected, this, [this, dialog, filters](const QString& file) {
        const qsizetype chosen = filters.indexOf(dialog->selectedNameFilter());
        saveTo(file, chosen >= 0 ? figureFormats()[std::size_t(chosen)].format : figureFormats().front().format);
    });
    dialog->open();
}

QString FigureActions::saveTo(QString path, FigureFormat fallback)
{
    std::optional<FigureFormat> format = figureFormatOf(path.toStdU16String());
    if (!format) {
        format = fallback;
        path += '.' + latin1(figureFormat(fallback).extension);
    }
    if (!saveFigure(picture_, settings_.fontFace(), path, *format)) {
        message_(QString(toQString(texts::figure_export::kNotWritten)).arg(path).toStdU16String());
        return {};
    }
    lastFile_ = path;
    return path;
}

} // namespace godo
