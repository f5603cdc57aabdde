#pragma once

// Kept people in lunarys-cli, built as a module that the tool loads only for
// --people, --person, --forget, --import and --keep: Qt SQL and SQLite come
// with it, whose loading every other run would pay.

#include <variant>

#include <QString>

#include "cli/cli_options.h"
#include "engine/birth.h"

namespace lunarys::cli {

// What the module does, given the open people file (an opaque handle).
struct PeopleModuleVerbs {
    // The people file of --people-file, or the usual one; null and the one
    // line to print when it cannot be used.
    void* (*open)(const CliRequest& request, QString& refusal);
    void (*close)(void* file);
    // --people, --forget, --import: the exit status; they print what they have to tell.
    int (*run)(const CliRequest& request, void* file);
    // --person NAME: the birth ready for a reading (noted as used), or the line that says why not.
    std::variant<engine::Birth, QString> (*person)(void* file, const QString& name);
    // --keep: "Kept MARY ANN" or "Updated MARY ANN" (index 0), or the reason it was not kept (index 1).
    std::variant<QString, QString> (*keep)(void* file, const engine::Birth& birth);
};

// The module's file name, and its entry point: the verbs above.
inline constexpr const char* PeopleModuleFileName = "lunarys-people.so";
inline constexpr const char* PeopleModuleEntry = "lunarys_people_verbs";
using PeopleModuleFunction = const PeopleModuleVerbs* (*)();

}  // namespace lunarys::cli
