#pragma once

#include <memory>
#include <variant>

#include <QString>

#include "cli/cli_options.h"
#include "engine/birth.h"

namespace lunarys::cli {

struct PeopleModuleVerbs;

// The people file of a request, through the people module (loaded now, and
// only now); closed when this goes.
class KeptPeople {
public:
    // The file of --people-file or the usual one, or the one line that says
    // why it cannot be used (the module too: "cannot find the people module
    // lunarys-people.so").
    static std::variant<std::unique_ptr<KeptPeople>, QString> Open(const CliRequest& request);

    ~KeptPeople();
    KeptPeople(const KeptPeople&) = delete;
    KeptPeople& operator=(const KeptPeople&) = delete;

    // --people, --forget, --import: the exit status.
    int Run(const CliRequest& request);
    // --person NAME: the birth ready for a reading, or the line that says why not.
    std::variant<engine::Birth, QString> Person(const QString& name);
    // --keep: "Kept MARY ANN" / "Updated MARY ANN" (index 0), or why not (index 1).
    std::variant<QString, QString> Keep(const engine::Birth& birth);

private:
    KeptPeople(const PeopleModuleVerbs* verbs, void* file) : verbs_(verbs), file_(file) {}

    const PeopleModuleVerbs* verbs_;
    void* file_;
};

}  // namespace lunarys::cli
