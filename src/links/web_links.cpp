#include "links/web_links.h"

#include <QDesktopServices>

namespace nyra {

QString ProductPageUrl() { return QStringLiteral(NYRA_PRODUCT_PAGE_URL); }

QUrl WebPageUrl(const QString& pageKey) { return QUrl(ProductPageUrl() + QStringLiteral("?page=") + pageKey); }

void OpenWebPage(const QString& pageKey) { QDesktopServices::openUrl(WebPageUrl(pageKey)); }

void OpenHomePage() { OpenWebPage(QStringLiteral("home-page")); }
void OpenHelpPage() { OpenWebPage(QStringLiteral("help-web-page")); }
void OpenDownloadPage() { OpenWebPage(QStringLiteral("download-web-page")); }
void OpenDonatePage() { OpenWebPage(QStringLiteral("donate")); }
void OpenFullyBrandedPage() { OpenWebPage(QStringLiteral("fully-branded")); }
void OpenCoBrandPage() { OpenWebPage(QStringLiteral("co-brand")); }

QUrl MapSearchUrl(const QString& searchText) {
    return QUrl(QStringLiteral("https://www.openstreetmap.org/search?query=") +
                QString::fromLatin1(QUrl::toPercentEncoding(searchText)));
}

void LookUpCoordinates(const QString& searchText, const QString& homePageAddress) {
    // The home page address is part of the lookup's contract; the map
    // search itself needs only the text.
    Q_UNUSED(homePageAddress);
    QDesktopServices::openUrl(MapSearchUrl(searchText));
}

}  // namespace nyra
