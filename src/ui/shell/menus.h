#pragma once

#include <QString>

class QAction;
class QMenu;
class QMenuBar;

namespace lunarys::ui {

class Program;

// The Help menu both windows carry. Only the caption of the update entry
// differs between them.
QMenu* AddHelpMenu(QMenuBar& bar, Program& program, const QString& updateCaption);

// The top-level "Make Money &Online" entry. It stays hidden: the offer is
// already reachable through the link labels.
QAction* AddMakeMoneyEntry(QMenuBar& bar, Program& program);

}  // namespace lunarys::ui
