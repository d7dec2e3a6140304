#include "desktop/print_window.h"

#include "desktop/print_page.h"

#include <QString>
#include <QWidget>

namespace godo {

namespace {

QString fromUtf8(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// The server's words, in brackets after the message, where it said any.
QString withReason(const QString& message, const std::string& reason)
{
    return reason.empty() ? message : message + QStringLiteral(u"（%1）").arg(fromUtf8(reason));
}

} // namespace

std::u16string printMessage(const PrintAttempt& a)
{
    const QString printer = fromUtf8(a.printer);
    const QString job = QString::number(a.job);
    QString m;
    switch (a.outcome) {
    case PrintOutcome::Printed:
        return {};
    case PrintOutcome::Held:
        m = QStringLiteral(u"プリンター「%1」は停止しています。印刷はジョブ番号 %2 として受け付けられ、"
                           u"プリンターが再開されるまで待っています。まだ何も印刷されていません。")
                .arg(printer, job);
        break;
    case PrintOutcome::NoServer:
        m = QStringLiteral(u"印刷サーバーに接続できなかったため、印刷できませんでした。何も印刷されていません。");
        break;
    case PrintOutcome::NoAnswer:
        m = QStringLiteral(u"印刷サーバーが%1秒以内に応答しなかったため、印刷をやめました。何も印刷されていません。")
                .arg(kPrintTimeLimit.count());
        break;
    case PrintOutcome::NoDefault:
        m = QStringLiteral(u"既定のプリンターが見つからないため、印刷できませんでした。何も印刷されていません。"
                           u"既定のプリンターは「lpoptions -d プリンター名」で設定できます。");
        break;
    case PrintOutcome::NotAccepting:
        m = withReason(QStringLiteral(u"プリンター「%1」が印刷を受け付けていないため、印刷できませんでした。"
                                      u"何も印刷されていません。")
                           .arg(printer),
                       a.reason);
        break;
    case PrintOutcome::Refused:
        m = withReason(QStringLiteral(u"印刷サーバーがプリンター「%1」への印刷を断ったため、印刷できませんでした。"
                                      u"何も印刷されていません。")
                           .arg(printer),
                       a.reason);
        break;
    case PrintOutcome::Incomplete:
        m = QStringLiteral(u"印刷するページをプリンター「%1」へ最後まで送れなかったため、印刷できませんでした。")
                .arg(printer)
            + (a.cancelled ? QStringLiteral(u"途中まで送ったジョブ（番号 %1）は取り消しました。何も印刷されていません。")
                                 .arg(job)
                           : QStringLiteral(u"途中まで送ったジョブ（番号 %1）は、ページがないため印刷されません。")
                                 .arg(job));
        break;
    case PrintOutcome::NoCupsLibrary:
        m = QStringLiteral(u"印刷に使う CUPS のライブラリー（libcups2）が見つからないため、印刷できませんでした。"
                           u"何も印刷されていません。");
        break;
    case PrintOutcome::NoDocument:
        m = QStringLiteral(u"印刷するページを作れなかったため、印刷できませんでした。何も印刷されていません。");
        break;
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
