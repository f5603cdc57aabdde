#pragma once

#include <QDialog>

#include "engine/birth.h"

class QLineEdit;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;

namespace lunarys::ui {

class Dialogs;
class PeopleModel;
class PeopleShelf;

// The kept people: a list (name, date and time of birth, place) sorted by
// name, a search box that filters it as one types, and Open, Rename and
// Delete. Enter or a double click opens the person; Delete deletes, after a
// question. Everything is reachable from the keyboard.
class PeopleDialog : public QDialog {
    Q_OBJECT

public:
    PeopleDialog(PeopleShelf& shelf, Dialogs& dialogs, QWidget* parent = nullptr);

    // The list as it stands, and the search, for the window and its tests.
    QTableView& List() const { return *list_; }
    QLineEdit& Search() const { return *search_; }

    // Fills the list from the file again.
    void Reload();
    // Filters the list by a part of the name, in any case.
    void Filter(const QString& text);

    void OpenCurrent();
    void RenameCurrent();
    void DeleteCurrent();

signals:
    // A person to show: the birth ready for a reading.
    void opened(const lunarys::engine::Birth& birth);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString CurrentName() const;
    void SelectFirst();

    PeopleShelf& shelf_;
    Dialogs& dialogs_;
    QLineEdit* search_ = nullptr;
    QTableView* list_ = nullptr;
    PeopleModel* model_ = nullptr;
    QSortFilterProxyModel* filter_ = nullptr;
    QPushButton* open_ = nullptr;
    QPushButton* rename_ = nullptr;
    QPushButton* delete_ = nullptr;
};

// The text of a birth's date and time in the list: "1990-07-04 06:30".
QString BornText(const engine::Birth& birth);

}  // namespace lunarys::ui
