#pragma once

#include <memory>

#include <QObject>
#include <QString>

#include "engine/birth.h"

namespace lunarys::people {
class PeopleFile;
}

namespace lunarys::ui {

class Dialogs;

// The desktop program's hold on the file of kept people. The file is opened
// on first use; one that cannot be used (damaged, another program's, from a
// newer Lunarys) is told once in a message box naming it, and the program
// goes on without people, leaving the file as it is.
class PeopleShelf : public QObject {
    Q_OBJECT

public:
    PeopleShelf(Dialogs& dialogs, QString path);
    ~PeopleShelf() override;

    // The open file, or null when there is none to use.
    people::PeopleFile* File();

    // Keeps a birth: "Kept MARY ANN" or "Updated MARY ANN"; empty when it
    // could not be kept (a message box has said why).
    QString Keep(const engine::Birth& birth);

    // Says that the people changed (kept, renamed, deleted, opened), for the
    // lists that show them.
    void Changed() { emit changed(); }

signals:
    void changed();

private:
    Dialogs& dialogs_;
    QString path_;
    std::unique_ptr<people::PeopleFile> file_;
    bool tried_ = false;
};

}  // namespace lunarys::ui
