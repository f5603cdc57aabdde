#include "ui/shell/web_links.h"

namespace lunarys::ui {

QUrl AddressOf(WebPage page)
{
    const QUrl home(QString::fromLatin1(HomePageAddress));
    switch (page) {
    case WebPage::Help: return home.resolved(QUrl(QStringLiteral("help/")));
    case WebPage::Home: return home;
    case WebPage::Download: return home.resolved(QUrl(QStringLiteral("download/")));
    case WebPage::CoBrand: return home.resolved(QUrl(QStringLiteral("co-brand/")));
    case WebPage::FullBrand: return home.resolved(QUrl(QStringLiteral("full-brand/")));
    }
    return home;
}

QUrl PlaceSearchAddress(const QString& searchText)
{
    // OpenStreetMap's search shows the place with its coordinates.
    QUrl address(QStringLiteral("https://www.openstreetmap.org/search"));
    address.setQuery(QStringLiteral("query=") + QString::fromLatin1(QUrl::toPercentEncoding(searchText)),
                     QUrl::StrictMode);
    return address;
}

QString HomePagePromotion()
{
    return QStringLiteral("Visit us at %1 for more free software").arg(QString::fromLatin1(HomePageAddress));
}

void LinkCommands::Open(WebPage page) { web_.Open(AddressOf(page)); }

void LinkCommands::PlaceSearch(const QString& searchText) { web_.Open(PlaceSearchAddress(searchText)); }

}  // namespace lunarys::ui
