// Starts the program as main() does, with the settings and the lock in a
// folder of their own, and ends as soon as the input window is shown:
//   bench_ui_startup_probe <folder>
#include <QApplication>
#include <QDir>
#include <QWindow>

#include "engine/chart_state.h"
#include "ui/display/result_windows.h"
#include "ui/input/frm_main.h"
#include "ui/shell/production_platform.h"
#include "ui/shell/program.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc != 2)
        return 2;
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    QApplication::setStyle(QStringLiteral("Fusion"));

    lunarys::ui::MessageBoxDialogs dialogs;
    lunarys::ui::DesktopWebOpener web;
    lunarys::ui::SystemClock clock;
    lunarys::ui::QSettingsStore settings(folder.filePath(QStringLiteral("lunarys.ini")));
    lunarys::ui::LockFileInstanceLock lock(folder.filePath(QStringLiteral("lunarys.lock")));
    lunarys::ui::ApplicationExit exit;
    lunarys::ui::QtFileDialogs files;
    lunarys::ui::PreviewPrinting printing;
    lunarys::ui::Platform services{dialogs, web, clock, settings, lock, exit, files, printing};

    lunarys::engine::ChartState chart;
    lunarys::ui::Program program(services);
    lunarys::ui::ResultWindows results(program);
    if (!program.StartProgram(lunarys::ui::FrmMain::Factory(chart, results)))
        return 1;
    QWindow* window = program.InputWindow()->windowHandle();
    while (!window->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return 0;
}
