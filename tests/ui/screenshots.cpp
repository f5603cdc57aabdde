// Saves pictures of the windows during the worked example, for a look by eye:
//   ui_screenshots <folder>
// The pictures are the windows as they draw themselves; with the xcb
// platform the whole screen is saved as well.
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QDir>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QtTest/QtTest>

#include "places/atlas.h"
#include "places/geonames_source.h"
#include "support.h"

using namespace lunarys::ui;
using namespace lunarys::ui::testing;

namespace {

void Save(const QPixmap& picture, const QDir& folder, const QString& name)
{
    const QString path = folder.filePath(name);
    if (!picture.save(path))
        qWarning("could not save %s", qPrintable(path));
    else
        qInfo("%s", qPrintable(path));
}

void SaveScreen(const QDir& folder, const QString& name)
{
    if (QGuiApplication::platformName() != QStringLiteral("xcb"))
        return;
    QTest::qWait(300);
    Save(QGuiApplication::primaryScreen()->grabWindow(0), folder, name);
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    if (argc != 2) {
        qWarning("usage: ui_screenshots <folder>");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(folder.path());

    RunningProgram p;
    p.Start();
    FrmMain& input = p.Input();
    (void)QTest::qWaitForWindowExposed(&input);
    Enter(input, kExample);
    Control<QLineEdit>(input, "txtMCity").setText(QStringLiteral("Mumbai"));
    Control<QLineEdit>(input, "txtMState").setText(QStringLiteral("Maharashtra"));
    Control<QLineEdit>(input, "txtMCountry").setText(QStringLiteral("India"));
    QTest::qWait(100);
    Save(input.grab(), folder, QStringLiteral("input-window.png"));
    SaveScreen(folder, QStringLiteral("screen-input.png"));

    // The City box's drop-down with the whole atlas, for a place typed by an
    // older name.
    input.UseAtlas(lunarys::places::Atlas::Load(lunarys::places::ReadGeoNamesPlaces()));
    auto& city = Control<QLineEdit>(input, "txtMCity");
    city.clear();
    city.setFocus();
    QTest::keyClicks(&city, QStringLiteral("Bomba"));
    QTest::qWait(300);
    if (QWidget* list = city.findChild<QCompleter*>()->popup(); list->isVisible())
        Save(list->grab(), folder, QStringLiteral("city-drop-down.png"));
    SaveScreen(folder, QStringLiteral("screen-city-drop-down.png"));
    city.findChild<QCompleter*>()->popup()->hide();
    city.setText(QStringLiteral("Mumbai"));

    p.fakes.dialogs.onModal = [&](QDialog& dialog) {
        dialog.show();
        (void)QTest::qWaitForWindowExposed(&dialog);
        QTest::qWait(100);
        Save(dialog.grab(), folder, QStringLiteral("about-box.png"));
        dialog.accept();
    };
    p.program.ShowAboutBox();

    QTest::mouseClick(&Control<QPushButton>(input, "cmdRashi"), Qt::LeftButton);
    FrmDisplay* result = p.Result();
    if (!result) {
        qWarning("no result window");
        return 1;
    }
    (void)QTest::qWaitForWindowExposed(result);
    QTest::qWait(100);
    Save(result->grab(), folder, QStringLiteral("result-first-tab.png"));
    SaveScreen(folder, QStringLiteral("screen-result.png"));
    Control<QTabWidget>(*result, "SSTab1").setCurrentIndex(1);
    QTest::qWait(100);
    Save(result->grab(), folder, QStringLiteral("result-second-tab.png"));

    // Maximized, the boxes take the room.
    result->showMaximized();
    QTest::qWait(500);
    Save(result->grab(), folder, QStringLiteral("result-second-tab-maximized.png"));
    Control<QTabWidget>(*result, "SSTab1").setCurrentIndex(0);
    QTest::qWait(100);
    Save(result->grab(), folder, QStringLiteral("result-first-tab-maximized.png"));
    SaveScreen(folder, QStringLiteral("screen-result-maximized.png"));
    return 0;
}
