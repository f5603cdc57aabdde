#include "places/name_catalogs.h"

#include <QDir>
#include <QFile>

#include "places/atlas_files.h"
#include "places/mo_catalog.h"

namespace lunarys::places {

NameCatalogs::NameCatalogs() = default;
NameCatalogs::NameCatalogs(NameCatalogs&&) noexcept = default;
NameCatalogs& NameCatalogs::operator=(NameCatalogs&&) noexcept = default;
NameCatalogs::~NameCatalogs() = default;

NameCatalogs NameCatalogs::ReadAll(const QString& localeFolder)
{
    NameCatalogs catalogs;
    const QDir folder(localeFolder);
    for (const QString& language : folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        catalogs.Add(folder.filePath(language + QLatin1String(kCatalogInLanguageFolder)));
    return catalogs;
}

NameCatalogs NameCatalogs::ReadLanguage(const QString& localeFolder, const QString& language)
{
    NameCatalogs catalogs;
    catalogs.Add(QDir(localeFolder).filePath(language + QLatin1String(kCatalogInLanguageFolder)));
    return catalogs;
}

void NameCatalogs::Add(const QString& path)
{
    auto file = std::make_unique<QFile>(path);
    if (!file->exists() || !file->open(QIODevice::ReadOnly) || file->size() == 0)
        return;
    uchar* mapped = file->map(0, file->size());
    if (!mapped)
        return;
    const std::string_view bytes(reinterpret_cast<const char*>(mapped), static_cast<std::size_t>(file->size()));
    const bool read = ForEachMessage(bytes, [this](std::string_view key, std::string_view text) {
        if (!key.empty() && !text.empty())
            messages_.push_back({key, text});
    });
    if (read)
        files_.push_back(std::move(file));
}

}  // namespace lunarys::places
