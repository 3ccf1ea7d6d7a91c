// The product's web pages and the coordinate lookup. Each opens an address
// in the user's browser and reads nothing back; failures are silent.
#pragma once

#include <QString>
#include <QUrl>

namespace nyra {

// The product's web page script; every page is this plus "?page=KEY".
QString ProductPageUrl();
QUrl WebPageUrl(const QString& pageKey);

void OpenWebPage(const QString& pageKey);
void OpenHomePage();          // "home-page"
void OpenHelpPage();          // "help-web-page"
void OpenDownloadPage();      // "download-web-page"
void OpenDonatePage();        // "donate"
void OpenFullyBrandedPage();  // "fully-branded"
void OpenCoBrandPage();       // "co-brand"

// The coordinate lookup component: given the place search text and the
// home page address, it opens a map search for the text in the browser.
QUrl MapSearchUrl(const QString& searchText);
void LookUpCoordinates(const QString& searchText, const QString& homePageAddress);

}  // namespace nyra
