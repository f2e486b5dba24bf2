#include "app/AppInfo.h"

#include <QCoreApplication>
#include <QDate>

namespace {

QString valueOr(const std::optional<QString>& value, QLatin1StringView fallback)
{
    return value && !value->trimmed().isEmpty() ? value->trimmed() : QString(fallback);
}

std::optional<QString> definedValue(const char* value)
{
    return value[0] == '\0' ? std::nullopt : std::optional<QString>(QString::fromUtf8(value));
}

} // namespace

AppInfo::AppInfo(
    std::optional<QString> shortVersion, std::optional<QString> build, std::optional<QImage> originBadge)
    : m_shortVersion(valueOr(shortVersion, fallbackShortVersion))
    , m_build(valueOr(build, fallbackBuild))
    , m_originBadge(originBadge && !originBadge->isNull() ? originBadge : std::nullopt)
{ }

AppInfo AppInfo::current()
{
    // Both come from the build (tesserly_version); an empty build number falls back.
    const QImage badge { QString(originBadgeResource) };
    return AppInfo(definedValue(TESSERLY_VERSION), definedValue(TESSERLY_BUILD),
        badge.isNull() ? std::nullopt : std::optional<QImage>(badge));
}

QUrl AppInfo::website()
{
    // Fixed at build time; parsed once.
    static const QUrl address(QStringLiteral("https://vandrel.app"), QUrl::StrictMode);
    return address;
}

QString AppInfo::websiteLabel()
{
    return website().host();
}

QString AppInfo::version() const
{
    return QCoreApplication::translate("AppInfo", "Version %1 (%2)").arg(m_shortVersion, m_build);
}

QString AppInfo::year()
{
    return QString::number(QDate::currentDate().year());
}
