#include "desktop/print_window.h"

#include "desktop/print_page.h"
#include "lesson/texts.h"

#include <QString>
#include <QWidget>

namespace godo {

namespace {

QString fromUtf8(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

QString text(std::u16string_view t) { return QString::fromUtf16(t.data(), static_cast<qsizetype>(t.size())); }

// The server's words, in brackets after the message, where it said any.
QString withReason(const QString& message, const std::string& reason)
{
    return reason.empty() ? message : message + text(texts::print::kReason).arg(fromUtf8(reason));
}

} // namespace

std::u16string printMessage(const PrintAttempt& a)
{
    namespace t = texts::print;
    const QString printer = fromUtf8(a.printer);
    const QString job = QString::number(a.job);
    QString m;
    switch (a.outcome) {
    case PrintOutcome::Printed: return {};
    case PrintOutcome::Held: m = text(t::kHeld).arg(printer, job); break;
    case PrintOutcome::NoServer: m = text(t::kNoServer); break;
    case PrintOutcome::NoAnswer: m = text(t::kNoAnswer).arg(kPrintTimeLimit.count()); break;
    case PrintOutcome::NoDefault: m = text(t::kNoDefault); break;
    case PrintOutcome::NotAccepting: m = withReason(text(t::kNotAccepting).arg(printer), a.reason); break;
    case PrintOutcome::Refused: m = withReason(text(t::kRefused).arg(printer), a.reason); break;
    case PrintOutcome::Incomplete:
        m = text(t::kIncomplete).arg(printer)
            + text(a.cancelled ? t::kIncompleteCancelled : t::kIncompleteKept).arg(job);
        break;
    case PrintOutcome::NoCupsLibrary: m = text(t::kNoCupsLibrary); break;
    case PrintOutcome::NoDocument: m = text(t::kNoDocument); break;
    }
    return m.toStdU16String();
}

void printWindow(QWidget& window)
{
    const PrintClock::time_point deadline = PrintClock::now() + kPrintTimeLimit;
    const PrintAttempt attempt = printOnDefaultPrinter(
        [&window] { return windowPagePdf(window).toStdString(); }, window.windowTitle().toStdString(), deadline);
    if (std::u16string message = printMessage(attempt); !message.empty())
        throw PrintError(std::move(message));
}

} // namespace godo
