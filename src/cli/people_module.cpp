// The module behind lunarys-cli's kept people: the people file through Qt SQL.
#include <type_traits>

#include "cli/people_commands.h"
#include "cli/people_module.h"
#include "people/people_file.h"

namespace {

using lunarys::people::PeopleFile;

PeopleFile& File(void* file) { return *static_cast<PeopleFile*>(file); }

const lunarys::cli::PeopleModuleVerbs kVerbs{
    [](const lunarys::cli::CliRequest& request, QString& refusal) -> void* {
        return lunarys::cli::OpenPeopleFile(request, refusal).release();
    },
    [](void* file) { delete static_cast<PeopleFile*>(file); },
    [](const lunarys::cli::CliRequest& request, void* file) { return lunarys::cli::RunPeopleVerb(request, File(file)); },
    [](void* file, const QString& name) {
        auto birth = lunarys::cli::KeptBirth(File(file), name);
        if (birth.index() == 0)
            File(file).MarkUsed(name);
        return birth;
    },
    [](void* file, const lunarys::engine::Birth& birth) { return lunarys::cli::KeepBirth(File(file), birth); },
};

}  // namespace

extern "C" Q_DECL_EXPORT const lunarys::cli::PeopleModuleVerbs* lunarys_people_verbs()
{
    static_assert(std::is_same_v<decltype(&lunarys_people_verbs), lunarys::cli::PeopleModuleFunction>);
    return &kVerbs;
}
