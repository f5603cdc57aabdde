#pragma once

#include <memory>
#include <optional>
#include <variant>
#include <vector>

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QStringView>

#include "engine/birth.h"

namespace lunarys::people {

// A kept person: the birth as it was given, and when it was kept. A database
// clock holds only its zone's name here (places::ReadDatabaseClock reads the
// rest again before a reading).
struct Person {
    engine::Birth Birth;
    QDateTime KeptAt;  // UTC
};

// What keeping a birth did.
enum class Kept { New, Replaced };

// The file of kept people: an SQLite database made only for Lunarys, which
// only its user can read. Every change is one transaction, so that several
// copies of Lunarys keeping people at the same moment lose nobody.
//
// A file that is not a people file of this version (damaged, another
// program's, or written by a newer Lunarys) is never written, moved or
// deleted: opening it gives the one line that says so.
class PeopleFile {
public:
    // $XDG_DATA_HOME/Lunarys/people.sqlite (~/.local/share/Lunarys/...).
    static QString DefaultPath();

    // Opens the file, making it (and its folder) when there is none; or the
    // reason it cannot be used, naming the file.
    static std::variant<std::unique_ptr<PeopleFile>, QString> Open(const QString& path);

    ~PeopleFile();
    PeopleFile(const PeopleFile&) = delete;
    PeopleFile& operator=(const PeopleFile&) = delete;

    const QString& Path() const { return path_; }

    // Keeps a birth under its name in capitals, replacing the birth of a
    // person of that name. The error names the file and the reason.
    std::variant<Kept, QString> Keep(const engine::Birth& birth);

    // Keeps many births in one transaction: all or, on an error, none.
    std::variant<std::size_t, QString> KeepAll(const std::vector<engine::Birth>& births);

    // The people whose names contain `query` in any case, sorted by name
    // (without KeptAt, which Find gives).
    std::variant<std::vector<Person>, QString> List(QStringView query = {}) const;

    // The person of that name, in any case; nothing when none is kept.
    std::variant<std::optional<Person>, QString> Find(QStringView name) const;

    // Removes a person; false when none of that name is kept.
    std::variant<bool, QString> Forget(QStringView name);

    // Gives a person another name; false when none of the old name is kept.
    // Refused when another person has the new name.
    std::variant<bool, QString> Rename(QStringView name, QStringView newName);

    // Notes that a person was opened, for the recent list.
    void MarkUsed(QStringView name);

    // The names of the people opened or kept last, the latest first.
    QStringList Recent(int count) const;

private:
    PeopleFile(QString path, QString connection);

    QString path_;
    QString connection_;
};

// The name under which a birth is kept: trimmed, in capitals.
QString PersonKey(QStringView name);

}  // namespace lunarys::people
