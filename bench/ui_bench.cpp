// Speed of the main window: the program's start-up against a bare Qt window of the same size,
// and the cost of Calculate with an empty output box and with 100,000 lines in it.
//
//   QT_QPA_PLATFORM=offscreen build/default/bin/varnex_ui_bench
// (or under X: DISPLAY=:99 with Xvfb, for a real window system)
#include "platform/message_box.h"
#include "ui/main/application.h"
#include "ui/main/frm_main.h"
#include "ui/windows/frm_view.h"
#include "platform/program_folder.h"
#include "text/program_text.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

namespace {

using varnex::frmMain;

// Milliseconds from starting the probe until it says its window is shown.
double msUntilShown(const QString& probe, const QString& mode) {
    QElapsedTimer clock;
    QProcess process;
    clock.start();
    process.start(probe, {mode});
    if (!process.waitForReadyRead(30000)) return -1;
    const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    process.waitForFinished(30000);
    return ms;
}

// The whole start of the program, process start to shown window, against a bare Qt window
// of the same size started the same way, and against that window with one label (which pays
// for Qt's font database, as any window with text does); and the program as installed, its
// files under ../share/varnex instead of beside it. They alternate; the counters hold the
// medians and the ratios.
void BM_StartUpAgainstBareWindow(benchmark::State& state) {
    const QString buildFolder = QCoreApplication::applicationDirPath();
    const QString probe = buildFolder + "/varnex_startup_probe";
    const QTemporaryDir prefix;  // <prefix>/bin/probe, <prefix>/share/varnex/...
    QDir(prefix.path()).mkpath("bin");
    QDir(prefix.path()).mkpath("share/varnex");
    const QString installedProbe = prefix.path() + "/bin/varnex_startup_probe";
    QFile::copy(probe, installedProbe);
    QDir(prefix.path()).mkpath("share/varnex/translations");
    for (const char* file : {"varnex.dat", "varnex-help.txt", "varnex-help.de.txt", "translations/varnex_de.qm"})
        QFile::copy(buildFolder + "/" + file, prefix.path() + "/share/varnex/" + file);
    std::vector<double> bare;
    std::vector<double> text;
    std::vector<double> varnex;
    std::vector<double> installed;
    for (auto _ : state) {
        bare.push_back(msUntilShown(probe, "bare"));
        text.push_back(msUntilShown(probe, "text"));
        // the two starts of the program take turns at going first
        const bool installedFirst = installed.size() % 2 == 1;
        if (installedFirst) installed.push_back(msUntilShown(installedProbe, "varnex"));
        varnex.push_back(msUntilShown(probe, "varnex"));
        if (!installedFirst) installed.push_back(msUntilShown(installedProbe, "varnex"));
        state.SetIterationTime(varnex.back() / 1e3);
    }
    const auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    state.counters["bare_ms"] = median(bare);
    state.counters["text_ms"] = median(text);
    state.counters["varnex_ms"] = median(varnex);
    state.counters["installed_ms"] = median(installed);
    state.counters["ratio"] = median(varnex) / median(bare);
    state.counters["ratio_to_text"] = median(varnex) / median(text);
    if (*std::min_element(installed.begin(), installed.end()) < 0) state.SkipWithError("the installed probe did not start");
}
BENCHMARK(BM_StartUpAgainstBareWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(15);

// One Calculate (twelve lines) into a box that already holds state.range(0) lines.
void BM_Calculate(benchmark::State& state) {
    frmMain window;
    window.Form_Load();
    std::string text;
    const std::string line = "Imbolc (true sun) ............. 2015-02-04 CE 03:58 GMT\r\n";
    text.reserve(line.size() * static_cast<std::size_t>(state.range(0)));
    for (int64_t i = 0; i < state.range(0); ++i) text += line;
    window.setOutputText(text);
    for (auto _ : state) window.cmdCalculate->click();
    state.counters["lines_before"] = static_cast<double>(state.range(0));
}
BENCHMARK(BM_Calculate)->Arg(0)->Arg(100000)->Unit(benchmark::kMicrosecond);

// "Display all for:" from the click to the filled cells, with the summary window loaded.
void BM_DisplayAll(benchmark::State& state) {
    frmMain window;
    window.Form_Load();
    window.cmdDisplayAll->click();  // loads the summary window
    for (auto _ : state) window.cmdDisplayAll->click();
}
BENCHMARK(BM_DisplayAll)->Unit(benchmark::kMicrosecond);

// Help with a help file of 65,529 characters (shown whole), from the click to the text in the
// viewer; the viewer is unloaded after each showing, so that each one reads the file.
void BM_HelpShowsLargeFile(benchmark::State& state) {
    QTemporaryDir folder;
    QFile::copy(QCoreApplication::applicationDirPath() + "/varnex.dat", folder.filePath("varnex.dat"));
    varnex::platform::setProgramFolderForTesting(folder.path().toStdString());
    frmMain window;
    window.Form_Load();
    QFile help(folder.filePath(QString::fromStdString(varnex::GetProgramText(16))));
    help.open(QIODevice::WriteOnly);
    for (int line = 0; help.size() < 65529; ++line) help.write(QByteArray(79, 'x') + "\n");
    help.resize(65529);
    help.close();
    for (auto _ : state) {
        window.cmdHelp->click();
        varnex::frmView* view = window.helpViewer();
        if (!QTest::qWaitFor([view] { return view->blnFileDisplayed; }, 5000)) state.SkipWithError("not shown");
        state.PauseTiming();
        view->close();
        QTest::qWait(0);
        state.ResumeTiming();
    }
    varnex::platform::setProgramFolderForTesting({});
}
BENCHMARK(BM_HelpShowsLargeFile)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config;  // no saved settings
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    QApplication application(argc, argv);
    varnex::configureApplication();
    varnex::platform::setMessageRecorderForTesting([](const varnex::Message&) {});
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
