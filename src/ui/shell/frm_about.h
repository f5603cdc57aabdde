#pragma once

#include <QDialog>

namespace lunarys::ui {

class LinkCommands;

// The about box: title, description, the offers and the home page link.
class FrmAbout : public QDialog {
    Q_OBJECT

public:
    explicit FrmAbout(LinkCommands& links, QWidget* parent = nullptr);
};

}  // namespace lunarys::ui
