#include "WebLinks.h"

#include "engine/FileNames.h"

#include <QDesktopServices>
#include <QSettings>
#include <QUrl>

namespace brinox {

namespace {

// The build's settings (BRINOX_HOMEPAGE and the like in CMakeLists.txt).
constexpr auto kHomepage = BRINOX_HOMEPAGE;
constexpr auto kChampionshipPage = BRINOX_CHAMPIONSHIP_PAGE;
constexpr auto kSupportEmail = BRINOX_SUPPORT_EMAIL;
constexpr auto kTop50Page2000 = BRINOX_CHAMPIONSHIP_PAGE "2000/top50.html";
constexpr auto kTop50Page2001 = BRINOX_CHAMPIONSHIP_PAGE "2001/top50.html";

} // namespace

WebLinks LoadWebLinks(const std::string& appDirectory) {
    QSettings file(QString::fromStdString(appDirectory + std::string(files::kWebLinks)),
                   QSettings::IniFormat);
    file.beginGroup(QStringLiteral("Links"));
    auto value = [&file](const char* key, const char* fallback) {
        return file.value(QLatin1String(key), QString::fromUtf8(fallback)).toString();
    };
    return {value("Homepage", kHomepage), value("ChampionshipPage", kChampionshipPage),
            value("SupportEmail", kSupportEmail), value("Top50Page2000", kTop50Page2000),
            value("Top50Page2001", kTop50Page2001)};
}

void OpenWebAddress(const QString& address) {
    QDesktopServices::openUrl(QUrl(address));
}

void OpenMailTo(const QString& address) {
    QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + address));
}

} // namespace brinox
