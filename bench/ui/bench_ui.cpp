// Start-up to the input window shown, and the reading click to the result
// window shown, on the offscreen platform. Each measurement is one whole
// start-up or one whole reading; the figures to read are the medians.
#include <algorithm>
#include <memory>

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWindow>

#include <benchmark/benchmark.h>

#include "engine/chart_state.h"
#include "places/atlas.h"
#include "places/geonames_source.h"
#include "ui/display/frm_display.h"
#include "ui/display/result_windows.h"
#include "ui/input/frm_main.h"
#include "ui/shell/program.h"

namespace {

using namespace lunarys;
using namespace lunarys::ui;

// A platform that asks nothing and opens nothing.
class QuietDialogs final : public Dialogs {
public:
    void ShowMessage(const QString&, MessageIcon) override {}
    bool AskYesNo(const QString&, MessageIcon) override { return false; }
    void RunModal(QDialog&) override {}
};
class NoWeb final : public WebOpener {
public:
    void Open(const QUrl&) override {}
};
class FixedClock final : public Clock {
public:
    QDate Today() const override { return {2024, 5, 1}; }
};
class MemorySettings final : public SettingsStore {
public:
    StoredText Read(const QString&, const QString&) override { return {StoredText::Kind::Present, date}; }
    bool Write(const QString&, const QString&, const QString& text) override
    {
        date = text;
        return true;
    }
    QString date = QStringLiteral("2024-04-30");
};
class FreeLock final : public InstanceLock {
public:
    bool TryAcquire() override { return true; }
};
class StayAlive final : public ProcessControl {
public:
    void EndProcess() override {}
};

class NoFileDialogs final : public FileDialogs {
public:
    std::optional<QString> AskSaveFileName(const QString&, const QStringList&, QString*) override { return {}; }
};

class NoPrinting final : public Printing {
public:
    void PreviewAndPrint(QPrinter&, const std::function<void(QPrinter&)>&) override {}
};

struct QuietPlatform {
    QuietDialogs dialogs;
    NoWeb web;
    FixedClock clock;
    MemorySettings settings;
    FreeLock lock;
    StayAlive process;
    NoFileDialogs files;
    NoPrinting printing;
    Platform services{dialogs, web, clock, settings, lock, process, files, printing};
};

void WaitUntilShown(QWidget& widget)
{
    QWindow* window = widget.windowHandle();
    while (!window || !window->isExposed()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        window = widget.windowHandle();
    }
}

template <typename T>
T& Control(const QObject& root, const char* name)
{
    return *root.findChild<T*>(QString::fromLatin1(name));
}

void BM_StartupToInputWindowShown(benchmark::State& state)
{
    for (auto _ : state) {
        QuietPlatform platform;
        engine::ChartState chart;
        Program program(platform.services);
        ResultWindows results(program);
        QElapsedTimer timer;
        timer.start();
        program.StartProgram(FrmMain::Factory(chart, results));
        WaitUntilShown(*program.InputWindow());
        state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) * 1e-9);
    }
}
BENCHMARK(BM_StartupToInputWindowShown)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1)
    ->Repetitions(30)->ReportAggregatesOnly(true);

// The program started on the quiet platform, its input window on screen.
struct StartedProgram {
    QuietPlatform platform;
    engine::ChartState chart;
    Program program{platform.services};
    ResultWindows results{program};
    FrmMain* input = nullptr;

    StartedProgram()
    {
        program.StartProgram(FrmMain::Factory(chart, results));
        input = qobject_cast<FrmMain*>(program.InputWindow());
        WaitUntilShown(*input);
    }
};

void BM_ReadingClickToResultWindowShown(benchmark::State& state)
{
    StartedProgram started;
    FrmMain& input = *started.input;
    ResultWindows& results = started.results;
    Control<QLineEdit>(input, "txtName").setText(QStringLiteral("MARY ANN"));
    Control<QComboBox>(input, "cboMonth").setCurrentIndex(6);
    Control<QComboBox>(input, "cboDate").setCurrentIndex(3);
    Control<QComboBox>(input, "cboYear").setCurrentText(QStringLiteral("1990"));
    Control<QComboBox>(input, "cboHH").setCurrentIndex(6);
    Control<QComboBox>(input, "cboMM").setCurrentIndex(30);
    Control<QComboBox>(input, "cmbTimeZone").setCurrentIndex(34);
    Control<QLineEdit>(input, "txtLonD").setText(QStringLiteral("72"));
    Control<QLineEdit>(input, "txtLonM").setText(QStringLiteral("50"));
    Control<QLineEdit>(input, "txtLatD").setText(QStringLiteral("18"));
    Control<QLineEdit>(input, "txtLatM").setText(QStringLiteral("57"));
    QPushButton& reading = Control<QPushButton>(input, "cmdRashi");

    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        reading.click();
        WaitUntilShown(*results.ResultWindow());
        state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) * 1e-9);

        Control<QPushButton>(*results.ResultWindow(), "cmdOK").click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        WaitUntilShown(input);
    }
}
BENCHMARK(BM_ReadingClickToResultWindowShown)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1)
    ->Repetitions(30)->ReportAggregatesOnly(true);

// A key typed into the City box with the whole atlas loaded, as the GUI
// thread handles it: the place query, the drop-down filled, shown and drawn.
// The keys alternate between "San" and "Sa", two broad queries with hundreds
// of matches. The figure to hold is the largest: 16 ms, one frame.
void BM_CityBoxKeystroke(benchmark::State& state)
{
    static const std::shared_ptr<const places::Atlas> atlas = places::Atlas::Load(places::ReadGeoNamesPlaces());
    StartedProgram started;
    FrmMain& input = *started.input;
    input.UseAtlas(atlas);
    QLineEdit& city = Control<QLineEdit>(input, "txtMCity");
    city.setFocus();
    city.setText(QStringLiteral("Sa"));

    bool typeLetter = true;
    for (auto _ : state) {
        const int key = typeLetter ? Qt::Key_N : Qt::Key_Backspace;
        const QString text = typeLetter ? QStringLiteral("n") : QStringLiteral("\b");
        QElapsedTimer timer;
        timer.start();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QCoreApplication::sendEvent(&city, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QCoreApplication::sendEvent(&city, &release);
        QCoreApplication::processEvents();
        state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) * 1e-9);
        typeLetter = !typeLetter;
    }
    if (city.text() != QStringLiteral("Sa") && city.text() != QStringLiteral("San"))
        state.SkipWithError("the keys did not reach the City box");
}
BENCHMARK(BM_CityBoxKeystroke)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1)
    ->Repetitions(200)->ReportAggregatesOnly(true)
    ->ComputeStatistics("max", [](const std::vector<double>& times) {
        return *std::max_element(times.begin(), times.end());
    });

// The whole process: loading, Qt's start, the start-up sequence and the
// window on screen, then the end.
void BM_ProcessStartToInputWindowShown(benchmark::State& state)
{
    QTemporaryDir folder;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    for (auto _ : state) {
        QProcess probe;
        probe.setProcessEnvironment(environment);
        QElapsedTimer timer;
        timer.start();
        probe.start(QStringLiteral(LUNARYS_STARTUP_PROBE), {folder.path()});
        probe.waitForFinished();
        state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) * 1e-9);
        if (probe.exitCode() != 0)
            state.SkipWithError("the start-up probe failed");
    }
}
BENCHMARK(BM_ProcessStartToInputWindowShown)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1)
    ->Repetitions(30)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setQuitOnLastWindowClosed(false);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
