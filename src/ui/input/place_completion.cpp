#include "ui/input/place_completion.h"

#include <algorithm>

#include <QAbstractItemView>
#include <QCompleter>
#include <QLineEdit>
#include <QScrollBar>
#include <QStringListModel>

namespace lunarys::ui {

namespace {

constexpr std::size_t kOffered = 20;
constexpr int kRowsShown = 10;
constexpr int kLettersNeeded = 2;

// Letters in the name part, before any comma.
int LettersOfName(const QString& typed)
{
    const QStringView name = QStringView(typed).left(typed.indexOf(u',') < 0 ? typed.size() : typed.indexOf(u','));
    return static_cast<int>(std::count_if(name.begin(), name.end(), [](QChar c) { return c.isLetter(); }));
}

}  // namespace

PlaceCompletion::PlaceCompletion(QLineEdit& cityBox) : QObject(&cityBox), box_(cityBox)
{
    shown_ = new QStringListModel(this);
    completer_ = new QCompleter(shown_, this);
    completer_->setObjectName(QStringLiteral("cplPlaces"));
    // The atlas has chosen and ordered the places; the drop-down shows them all.
    completer_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    completer_->setMaxVisibleItems(kRowsShown);
    completer_->setWidget(&cityBox);
    QAbstractItemView* list = completer_->popup();
    list->setObjectName(QStringLiteral("lstPlaces"));
    list->setAccessibleName(QStringLiteral("Places matching the city"));
    connect(&cityBox, &QLineEdit::textEdited, this, &PlaceCompletion::Offer);
    connect(completer_, qOverload<const QModelIndex&>(&QCompleter::activated), this,
            [this](const QModelIndex& index) { Take(index.row()); });
}

void PlaceCompletion::UseAtlas(std::shared_ptr<const places::Atlas> atlas)
{
    atlas_ = std::move(atlas);
    if (box_.hasFocus())
        Offer(box_.text());
}

void PlaceCompletion::Offer(const QString& typed)
{
    places::PlaceMatches found;
    if (atlas_ && LettersOfName(typed) >= kLettersNeeded)
        found = atlas_->Find(typed, kOffered);
    offered_ = std::move(found.places);
    QStringList names;
    for (std::size_t i = 0; i < offered_.size(); ++i) {
        // A place found by another of its names says which.
        const QString& matched = found.matchedNames[i];
        names << (matched.isEmpty() ? places::PlaceDisplayName(offered_[i])
                                    : places::PlaceDisplayName(offered_[i]) + QStringLiteral(" — ") + matched);
    }
    shown_->setStringList(names);

    QAbstractItemView* list = completer_->popup();
    if (offered_.empty()) {
        list->hide();
        return;
    }
    // Below the box, as wide as the longest name when that is wider.
    QRect below = box_.rect();
    const int widest = list->sizeHintForColumn(0) + 2 * list->frameWidth()
                     + list->verticalScrollBar()->sizeHint().width();
    below.setWidth(std::max(below.width(), widest));
    completer_->complete(below);
    // Nothing is taken until the user picks a row: Tab and Enter leave the
    // box as typed.
    list->setCurrentIndex(QModelIndex());
}

void PlaceCompletion::Take(int row)
{
    if (row < 0 || static_cast<std::size_t>(row) >= offered_.size())
        return;
    const places::Place place = offered_[static_cast<std::size_t>(row)];
    emit chosen(place);
}

}  // namespace lunarys::ui
