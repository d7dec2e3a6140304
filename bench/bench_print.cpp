// What a click on 「印刷」 costs until the printer has the job: the window
// made into a PDF page, the talk with the print server (the default
// destination, its state, the job and its document). BM_PrintClick is the
// whole handler, as the pupil waits for it; BM_WindowPage the page alone.
//
// Needs a print server with a default printer that takes jobs: run it
// through tests/print/with-private-cups.sh (bench/run-benchmarks does).

#include "desktop/lesson_window.h"
#include "desktop/print_page.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

namespace {

std::unique_ptr<godo::LessonWindow> window;

// Every overlay on: the figure with the most to draw.
void wholeLesson(godo::LessonWindow& form)
{
    for (const char* name : {"katei", "migi"})
        form.findChild<QPushButton*>(QString::fromLatin1(name))->click();
    QTest::keyClick(form.findChild<QWidget*>(QStringLiteral("keturon")), Qt::Key_Down);
    for (const char* name : {"sankaku", "henkaku", "godo"})
        form.findChild<QPushButton*>(QString::fromLatin1(name))->click();
}

void BM_PrintClick(benchmark::State& bm)
{
    auto* print = window->findChild<QPushButton*>(QStringLiteral("Command1"));
    for (auto _ : bm) {
        print->click();
        if (auto* box = window->findChild<QMessageBox*>()) {
            bm.SkipWithError(qPrintable(box->text()));
            delete box;
            break;
        }
    }
}

void BM_WindowPage(benchmark::State& bm)
{
    for (auto _ : bm) {
        const QByteArray pdf = godo::windowPagePdf(*window);
        benchmark::DoNotOptimize(pdf.constData());
        bm.counters["bytes"] = static_cast<double>(pdf.size());
    }
}

// Each click leaves a job with the scheduler: a fixed number of them.
BENCHMARK(BM_PrintClick)->Iterations(20)->Repetitions(5)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WindowPage)->Repetitions(5)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    QApplication app(qtArgc, qtArgv);
    window = std::make_unique<godo::LessonWindow>();
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        return EXIT_FAILURE;
    wholeLesson(*window);

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return EXIT_FAILURE;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    window.reset();
    return EXIT_SUCCESS;
}
