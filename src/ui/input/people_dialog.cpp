#include "ui/input/people_dialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <array>

#include <QAbstractTableModel>
#include <QTableView>
#include <QVBoxLayout>

#include "engine/input_check.h"
#include "people/people_file.h"
#include "places/place_clock.h"
#include "ui/shell/people_shelf.h"
#include "ui/shell/platform.h"

namespace lunarys::ui {

namespace {

QString Two(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }

QString PlaceText(const engine::Birth& b)
{
    QStringList parts;
    for (const QString& part : {b.City, b.State, b.Country})
        if (!part.trimmed().isEmpty())
            parts << part.trimmed();
    return parts.join(QStringLiteral(", "));
}

QPushButton* Button(const QString& caption, const QString& spoken, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setAccessibleName(spoken);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

// The rows of the list: name, date and time of birth, place.
class PeopleModel final : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;
    using Row = std::array<QString, 3>;

    void Reset(std::vector<Row> rows)
    {
        beginResetModel();
        rows_ = std::move(rows);
        endResetModel();
    }
    void Remove(int row)
    {
        beginRemoveRows({}, row, row);
        rows_.erase(rows_.begin() + row);
        endRemoveRows();
    }
    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(rows_.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : 3; }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
            return {};
        return rows_[std::size_t(index.row())][std::size_t(index.column())];
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return {};
        static const char* const kHeadings[] = {"Name", "Born", "Place"};
        return QString::fromLatin1(kHeadings[section]);
    }

private:
    std::vector<Row> rows_;
};

QString BornText(const engine::Birth& b)
{
    return QStringLiteral("%1-%2-%3 %4:%5")
        .arg(b.Year, 4, 10, QLatin1Char('0'))
        .arg(Two(b.Month), Two(b.Day), Two(b.Hour), Two(b.Minute));
}

PeopleDialog::PeopleDialog(PeopleShelf& shelf, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), shelf_(shelf), dialogs_(dialogs)
{
    setObjectName(QStringLiteral("dlgPeople"));
    setWindowTitle(QStringLiteral("People"));
    setAccessibleName(QStringLiteral("Kept people"));

    search_ = new QLineEdit(this);
    search_->setObjectName(QStringLiteral("txtSearch"));
    search_->setAccessibleName(QStringLiteral("Search people"));
    search_->setAccessibleDescription(QStringLiteral("part of a name; the list shows the people whose names hold it"));
    search_->setPlaceholderText(QStringLiteral("Part of a name"));
    search_->setClearButtonEnabled(true);
    auto* searchLabel = new QLabel(QStringLiteral("&Search:"), this);
    searchLabel->setBuddy(search_);

    model_ = new PeopleModel(this);
    filter_ = new QSortFilterProxyModel(this);
    filter_->setSourceModel(model_);
    filter_->setFilterKeyColumn(0);
    filter_->setFilterCaseSensitivity(Qt::CaseInsensitive);

    list_ = new QTableView(this);
    list_->setObjectName(QStringLiteral("lstPeople"));
    list_->setAccessibleName(QStringLiteral("Kept people"));
    list_->setAccessibleDescription(QStringLiteral("Enter opens the person, Delete deletes"));
    list_->setModel(filter_);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setTabKeyNavigation(false);
    list_->verticalHeader()->hide();
    list_->horizontalHeader()->setStretchLastSection(true);
    list_->setShowGrid(false);
    list_->setAlternatingRowColors(true);
    list_->verticalHeader()->setDefaultSectionSize(list_->fontMetrics().height() + 6);
    list_->installEventFilter(this);
    search_->installEventFilter(this);

    open_ = Button(QStringLiteral("&Open"), QStringLiteral("Open the person"), this);
    rename_ = Button(QStringLiteral("&Rename\u2026"), QStringLiteral("Rename the person"), this);
    delete_ = Button(QStringLiteral("&Delete"), QStringLiteral("Delete the person"), this);
    auto* close = Button(QStringLiteral("Close"), QStringLiteral("Close"), this);
    open_->setDefault(true);
    connect(open_, &QPushButton::clicked, this, &PeopleDialog::OpenCurrent);
    connect(rename_, &QPushButton::clicked, this, &PeopleDialog::RenameCurrent);
    connect(delete_, &QPushButton::clicked, this, &PeopleDialog::DeleteCurrent);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(list_, &QTableView::doubleClicked, this, &PeopleDialog::OpenCurrent);
    connect(search_, &QLineEdit::textChanged, this, &PeopleDialog::Filter);

    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(searchLabel);
    searchRow->addWidget(search_, 1);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {open_, rename_, delete_})
        buttons->addWidget(button);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(searchRow);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);
    setTabOrder(search_, list_);
    setTabOrder(list_, open_);
    resize(620, 420);
    Reload();
}

void PeopleDialog::Reload()
{
    people::PeopleFile* file = shelf_.File();
    if (!file)
        return;
    const auto listed = file->List();
    if (const auto* problem = std::get_if<QString>(&listed)) {
        dialogs_.ShowMessage(*problem, MessageIcon::Error);
        return;
    }
    const auto& people = std::get<std::vector<people::Person>>(listed);
    std::vector<PeopleModel::Row> rows;
    rows.reserve(people.size());
    int nameWidth = list_->fontMetrics().horizontalAdvance(QStringLiteral("MARY ANN SMITH"));
    for (const people::Person& person : people) {
        rows.push_back({person.Birth.Name, BornText(person.Birth), PlaceText(person.Birth)});
        nameWidth = std::max(nameWidth, list_->fontMetrics().horizontalAdvance(person.Birth.Name));
    }
    model_->Reset(std::move(rows));
    // Widths from the texts, not from measuring every row of the view.
    list_->setColumnWidth(0, std::min(nameWidth + 16, width() / 2));
    list_->setColumnWidth(1, list_->fontMetrics().horizontalAdvance(QStringLiteral("0000-00-00 00:00")) + 16);
    SelectFirst();
}

void PeopleDialog::Filter(const QString& text)
{
    filter_->setFilterFixedString(text.trimmed());
    SelectFirst();
}

void PeopleDialog::SelectFirst()
{
    const bool any = filter_->rowCount() > 0;
    if (any && !list_->selectionModel()->hasSelection())
        list_->setCurrentIndex(filter_->index(0, 0));
    for (QPushButton* button : {open_, rename_, delete_})
        button->setEnabled(any);
}

QString PeopleDialog::CurrentName() const
{
    const QModelIndex current = list_->currentIndex();
    if (!current.isValid())
        return {};
    return filter_->index(current.row(), 0).data().toString();
}

void PeopleDialog::OpenCurrent()
{
    const QString name = CurrentName();
    people::PeopleFile* file = shelf_.File();
    if (name.isEmpty() || !file)
        return;
    const auto found = file->Find(name);
    if (const auto* problem = std::get_if<QString>(&found)) {
        dialogs_.ShowMessage(*problem, MessageIcon::Error);
        return;
    }
    const std::optional<people::Person>& person = std::get<std::optional<people::Person>>(found);
    if (!person)
        return;
    engine::Birth birth = person->Birth;
    if (!places::ReadDatabaseClock(birth)) {
        dialogs_.ShowMessage(QStringLiteral("The time-zone database does not know %1, the clock of %2.")
                                 .arg(std::get<engine::DatabaseClock>(birth.Clock).TimeZone, name),
                             MessageIcon::Error);
        return;
    }
    file->MarkUsed(name);
    shelf_.Changed();
    accept();
    emit opened(birth);
}

void PeopleDialog::RenameCurrent()
{
    const QString name = CurrentName();
    people::PeopleFile* file = shelf_.File();
    if (name.isEmpty() || !file)
        return;
    QDialog ask(this);
    ask.setObjectName(QStringLiteral("dlgRename"));
    ask.setWindowTitle(QStringLiteral("Rename"));
    auto* box = new QLineEdit(name, &ask);
    box->setObjectName(QStringLiteral("txtNewName"));
    box->setAccessibleName(QStringLiteral("New name"));
    auto* label = new QLabel(QStringLiteral("&New name for %1:").arg(name), &ask);
    label->setBuddy(box);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &ask);
    connect(buttons, &QDialogButtonBox::accepted, &ask, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &ask, &QDialog::reject);
    auto* layout = new QVBoxLayout(&ask);
    layout->addWidget(label);
    layout->addWidget(box);
    layout->addWidget(buttons);
    dialogs_.RunModal(ask);
    if (ask.result() != QDialog::Accepted)
        return;
    const QString newName = box->text().trimmed();
    if (newName.isEmpty() || !engine::IsNameText(newName)) {
        dialogs_.ShowMessage(QString::fromLatin1(engine::messages::OnlyLetters), MessageIcon::Information);
        return;
    }
    const auto renamed = file->Rename(name, newName);
    if (const auto* problem = std::get_if<QString>(&renamed)) {
        dialogs_.ShowMessage(*problem, MessageIcon::Information);
        return;
    }
    shelf_.Changed();
    Reload();
    const QModelIndexList found = filter_->match(filter_->index(0, 0), Qt::DisplayRole, people::PersonKey(newName), 1,
                                                 Qt::MatchExactly);
    if (!found.isEmpty())
        list_->setCurrentIndex(found.front());
}

void PeopleDialog::DeleteCurrent()
{
    const QString name = CurrentName();
    people::PeopleFile* file = shelf_.File();
    if (name.isEmpty() || !file)
        return;
    if (!dialogs_.AskYesNo(QStringLiteral("Delete %1 from the kept people?").arg(name), MessageIcon::Information))
        return;
    const int row = list_->currentIndex().row();
    const auto forgotten = file->Forget(name);
    if (const auto* problem = std::get_if<QString>(&forgotten)) {
        dialogs_.ShowMessage(*problem, MessageIcon::Error);
        return;
    }
    shelf_.Changed();
    const QModelIndex source = filter_->mapToSource(filter_->index(row, 0));
    model_->Remove(source.row());
    if (filter_->rowCount() > 0)
        list_->setCurrentIndex(filter_->index(std::min(row, filter_->rowCount() - 1), 0));
    SelectFirst();
}

bool PeopleDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            OpenCurrent();
            return true;
        }
        if (watched == list_ && key == Qt::Key_Delete) {
            DeleteCurrent();
            return true;
        }
        // From the search box the arrows move through the list.
        if (watched == search_ && (key == Qt::Key_Down || key == Qt::Key_Up || key == Qt::Key_PageDown || key == Qt::Key_PageUp)) {
            QCoreApplication::sendEvent(list_, event);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace lunarys::ui
