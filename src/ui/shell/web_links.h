#pragma once

#include <QString>
#include <QUrl>

#include "ui/shell/platform.h"

namespace lunarys::ui {

// The pages of the program's web site that the program opens.
enum class WebPage { Help, Home, Download, CoBrand, FullBrand };

// Every page lies under this one address, the program's home page.
inline const char* const HomePageAddress = "https://lunarys.example.org/";

QUrl AddressOf(WebPage page);

// A map search for a place, in the user's browser.
QUrl PlaceSearchAddress(const QString& searchText);

// The one line that invites the user to the home page, naming its address.
QString HomePagePromotion();

// The link commands: each opens one page and reports nothing.
class LinkCommands {
public:
    explicit LinkCommands(WebOpener& web) : web_(web) {}

    void Open(WebPage page);
    void OpenHelpPage() { Open(WebPage::Help); }
    void OpenHomePage() { Open(WebPage::Home); }
    void OpenDownloadPage() { Open(WebPage::Download); }
    void OpenCoBrandPage() { Open(WebPage::CoBrand); }
    void OpenFullBrandPage() { Open(WebPage::FullBrand); }

    void PlaceSearch(const QString& searchText);

private:
    WebOpener& web_;
};

}  // namespace lunarys::ui
