#pragma once

#include <memory>
#include <vector>

#include <QObject>
#include <QString>

#include "places/atlas.h"
#include "places/place.h"

class QCompleter;
class QLineEdit;
class QStringListModel;

namespace lunarys::ui {

// Offers the atlas's places for what is typed in the City box: from two
// letters on, a drop-down of the matching places, best first, each shown as
// "Mumbai, Maharashtra, India", and with the other name typed when the place
// was found by it: "Mumbai, Maharashtra, India — Bombay". "City, State" or
// "City, Country" narrows it.
// Until the atlas is there the box works as a plain text box. A query takes
// well under a millisecond once the atlas is built, so it runs at each
// keystroke.
class PlaceCompletion : public QObject {
    Q_OBJECT

public:
    // The completion belongs to the box.
    explicit PlaceCompletion(QLineEdit& cityBox);

    void UseAtlas(std::shared_ptr<const places::Atlas> atlas);

    // The drop-down, for a look from outside (its items are its model's rows).
    QCompleter& Completer() const { return *completer_; }

signals:
    // The user took one of the places offered.
    void chosen(const lunarys::places::Place& place);

private:
    void Offer(const QString& typed);
    void Take(int row);

    QLineEdit& box_;
    QCompleter* completer_ = nullptr;
    QStringListModel* shown_ = nullptr;
    std::shared_ptr<const places::Atlas> atlas_;
    std::vector<places::Place> offered_;  // by row of the drop-down
};

}  // namespace lunarys::ui
