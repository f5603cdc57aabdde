#include "ui/shell/menus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "ui/shell/program.h"

namespace lunarys::ui {

namespace {

template <typename Command>
QAction* AddEntry(QMenu& menu, const char* objectName, const QString& caption, Command command)
{
    QAction* action = menu.addAction(caption);
    action->setObjectName(QString::fromLatin1(objectName));
    QObject::connect(action, &QAction::triggered, &menu, command);
    return action;
}

}  // namespace

QMenu* AddHelpMenu(QMenuBar& bar, Program& program, const QString& updateCaption)
{
    QMenu* help = bar.addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    AddEntry(*help, "mnuHelpOnline", QStringLiteral("&Online Help"), [&program] { program.Links().OpenHelpPage(); });
    AddEntry(*help, "mnuHelpVisit", QStringLiteral("&Visit Us Online"), [&program] { program.Links().OpenHomePage(); });
    help->addSeparator();
    AddEntry(*help, "mnuHelpUpdate", updateCaption, [&program] { program.Links().OpenDownloadPage(); });
    help->addSeparator();
    AddEntry(*help, "mnuHelpAbout", QStringLiteral("&About Software"), [&program] { program.ShowAboutBox(); });
    return help;
}

QAction* AddMakeMoneyEntry(QMenuBar& bar, Program& program)
{
    QAction* entry = bar.addAction(QStringLiteral("Make Money &Online"));
    entry->setObjectName(QStringLiteral("mkmoney"));
    QObject::connect(entry, &QAction::triggered, &bar, [&program] { program.Links().OpenFullBrandPage(); });
    entry->setVisible(false);
    return entry;
}

}  // namespace lunarys::ui
