#include "cli/people_open.h"

#include <QLibrary>

#include "cli/module_files.h"
#include "cli/people_module.h"

namespace lunarys::cli {

std::variant<std::unique_ptr<KeptPeople>, QString> KeptPeople::Open(const CliRequest& request)
{
    const QString path = FindModule(PeopleModuleFileName);
    if (path.isEmpty())
        return QStringLiteral("lunarys-cli: cannot find the people module %1").arg(QString::fromLatin1(PeopleModuleFileName));
    // The module stays loaded to the end: Qt SQL's driver plug-in goes with it.
    QLibrary module(path);
    const auto entry = reinterpret_cast<PeopleModuleFunction>(module.resolve(PeopleModuleEntry));
    if (!entry)
        return QStringLiteral("lunarys-cli: cannot load the people module: %1").arg(module.errorString());
    const PeopleModuleVerbs* verbs = entry();
    QString refusal;
    void* file = verbs->open(request, refusal);
    if (!file)
        return refusal;
    return std::unique_ptr<KeptPeople>(new KeptPeople(verbs, file));
}

KeptPeople::~KeptPeople() { verbs_->close(file_); }

int KeptPeople::Run(const CliRequest& request) { return verbs_->run(request, file_); }

std::variant<engine::Birth, QString> KeptPeople::Person(const QString& name) { return verbs_->person(file_, name); }

std::variant<QString, QString> KeptPeople::Keep(const engine::Birth& birth) { return verbs_->keep(file_, birth); }

}  // namespace lunarys::cli
