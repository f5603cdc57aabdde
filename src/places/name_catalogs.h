#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include <QString>

class QFile;

namespace lunarys::places {

// The names of the atlas's places, states and countries in every language
// that has a catalog for them: <locale folder>/<language>/LC_MESSAGES/
// geonames.mo, gettext catalogs whose keys are a place's GeoNames id
// ("1275339"), a country code ("IN") or a state's country and admin code
// ("IN.16"). The files are mapped, not copied, while the catalogs live.
class NameCatalogs {
public:
    struct Message {
        std::string_view key;
        std::string_view text;  // UTF-8
    };

    // Every catalog of the folder; a file that cannot be read is left out.
    static NameCatalogs ReadAll(const QString& localeFolder);
    // One language's catalog ("en"), or none.
    static NameCatalogs ReadLanguage(const QString& localeFolder, const QString& language);

    NameCatalogs();
    NameCatalogs(NameCatalogs&&) noexcept;
    NameCatalogs& operator=(NameCatalogs&&) noexcept;
    ~NameCatalogs();

    // Every message of every catalog read, the header entry left out.
    const std::vector<Message>& Messages() const { return messages_; }

private:
    void Add(const QString& path);

    std::vector<std::unique_ptr<QFile>> files_;
    std::vector<Message> messages_;
};

}  // namespace lunarys::places
