#include "ui/shell/people_shelf.h"

#include "people/people_file.h"
#include "ui/shell/platform.h"

namespace lunarys::ui {

PeopleShelf::PeopleShelf(Dialogs& dialogs, QString path) : dialogs_(dialogs), path_(std::move(path)) {}

PeopleShelf::~PeopleShelf() = default;

people::PeopleFile* PeopleShelf::File()
{
    if (!tried_) {
        tried_ = true;
        auto opened = people::PeopleFile::Open(path_);
        if (auto* problem = std::get_if<QString>(&opened)) {
            dialogs_.ShowMessage(QStringLiteral("Kept people cannot be used: %1. Lunarys goes on without them.")
                                     .arg(*problem),
                                 MessageIcon::Error);
        } else {
            file_ = std::move(std::get<std::unique_ptr<people::PeopleFile>>(opened));
        }
    }
    return file_.get();
}

QString PeopleShelf::Keep(const engine::Birth& birth)
{
    people::PeopleFile* file = File();
    if (!file)
        return {};
    const auto kept = file->Keep(birth);
    if (const auto* problem = std::get_if<QString>(&kept)) {
        dialogs_.ShowMessage(*problem, MessageIcon::Error);
        return {};
    }
    emit changed();
    return (std::get<people::Kept>(kept) == people::Kept::New ? QStringLiteral("Kept ") : QStringLiteral("Updated "))
           + people::PersonKey(birth.Name);
}

}  // namespace lunarys::ui
