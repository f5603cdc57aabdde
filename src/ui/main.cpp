// lunarys: the desktop program. Wires the production platform to the windows.
#include <QApplication>
#include <QStyleFactory>

#include "engine/chart_state.h"
#include "engine/version.h"
#include "people/people_file.h"
#include "places/atlas_loader.h"
#include "places/geonames_source.h"
#include "ui/display/result_windows.h"
#include "ui/input/frm_main.h"
#include "ui/shell/app_icon.h"
#include "ui/shell/people_shelf.h"
#include "ui/shell/production_platform.h"
#include "ui/shell/program.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lunarys"));
    QApplication::setApplicationVersion(QString::fromLatin1(lunarys::Version));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.lunarys.Lunarys"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setWindowIcon(lunarys::ui::AppIcon());
    // The program decides itself when it ends.
    QApplication::setQuitOnLastWindowClosed(false);

    // Loaded on a worker thread once the input window is there; it outlives
    // the windows.
    lunarys::places::AtlasLoader atlas(lunarys::places::ReadGeoNamesPlaces);
    lunarys::ui::ProductionPlatform platform;
    lunarys::ui::Platform services = platform.Services();
    lunarys::engine::ChartState chart;
    lunarys::ui::Program program(services);
    lunarys::ui::PeopleShelf people(services.dialogs, lunarys::people::PeopleFile::DefaultPath());
    lunarys::ui::ResultWindows results(program, &people);
    if (!program.StartProgram(lunarys::ui::FrmMain::Factory(chart, results, &atlas, &people)))
        return 0;
    return QApplication::exec();
}
