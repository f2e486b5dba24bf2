#pragma once

#include <optional>
#include <QImage>
#include <QLatin1StringView>
#include <QString>
#include <QStringView>
#include <QUrl>

// The fixed facts the About window shows. The version and build come from the build; a value
// can also be given directly, which is how a build without one is shown.
class AppInfo
{
public:
    static constexpr QLatin1StringView name { "Tesserly" };
    static constexpr QLatin1StringView creator { "Vandrel" };
    static constexpr const char* description
        = QT_TRANSLATE_NOOP("AppInfo", "Image boards \u2014 made offline, on your computer.");
    static constexpr QLatin1StringView fallbackShortVersion { "1.0" };
    static constexpr QLatin1StringView fallbackBuild { "1" };
    // Where the optional origin badge is looked for among the application's resources.
    static constexpr QLatin1StringView originBadgeResource { ":/OriginBadge.png" };
    static constexpr const char* originBadgeHelp
        = QT_TRANSLATE_NOOP("AppInfo", "Designed and made independently by Vandrel");

    // Empty values count as absent, as an unset build definition would be.
    AppInfo(std::optional<QString> shortVersion, std::optional<QString> build,
        std::optional<QImage> originBadge = std::nullopt);
    // The values this binary was built with, and the badge from its resources when it has one.
    static AppInfo current();

    static QUrl website();
    static QString websiteLabel();
    // "Version " + short version + " (" + build + ")".
    QString version() const;
    // The current calendar year, read each time.
    static QString year();
    const std::optional<QImage>& originBadge() const { return m_originBadge; }

private:
    QString m_shortVersion;
    QString m_build;
    std::optional<QImage> m_originBadge;
};
