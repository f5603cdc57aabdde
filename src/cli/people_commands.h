#pragma once

#include <cstdio>
#include <memory>

#include <QJsonArray>

#include "cli/cli_options.h"
#include "engine/birth.h"

namespace lunarys::people {
class PeopleFile;
}

namespace lunarys::cli {

// The people file of --people-file, or the usual one; on a refusal (a file
// that is not a Lunarys people file, one that cannot be made) the one line to
// print, and no file.
std::unique_ptr<people::PeopleFile> OpenPeopleFile(const CliRequest& request, QString& refusal);

// --people [QUERY]: the kept people whose names hold QUERY in any case, sorted
// by name, as a table, a JSON array, or CSV rows in the columns of --batch;
// made one person at a time, as they are read.
class PeopleListing {
public:
    explicit PeopleListing(OutputFormat format);
    ~PeopleListing();
    PeopleListing(const PeopleListing&) = delete;
    PeopleListing& operator=(const PeopleListing&) = delete;

    void Add(const engine::Birth& birth);
    QByteArray Text() const;

private:
    class Table;
    OutputFormat format_;
    QJsonArray json_;
    QString csv_;
    std::unique_ptr<Table> table_;
};

// The exit status of --people, --forget and --import; they print what they
// have to tell.
int RunPeopleVerb(const CliRequest& request, people::PeopleFile& file);

// A kept person's birth ready for a reading (its database clock read again),
// or the one line that says why there is none.
std::variant<engine::Birth, QString> KeptBirth(people::PeopleFile& file, const QString& name);

// Keeps the birth of a reading: "Kept MARY ANN" or "Updated MARY ANN", or the
// reason it could not be kept.
std::variant<QString, QString> KeepBirth(people::PeopleFile& file, const engine::Birth& birth);

}  // namespace lunarys::cli
