#include "app/AppearancePreference.h"

#include <memory>
#include <QApplication>
#include <QSettings>
#include <QStyle>
#include <QStyleFactory>

namespace {

QSettings userSettings()
{
    return QSettings(QString(AppearancePreference::organization), QString(AppearancePreference::application));
}

constexpr QLatin1StringView fusion { "Fusion" };

// The desktop's own look, taken once before this process first changes it, so that going back to
// "system" restores it even after several preferences have come and gone.
struct DesktopLook
{
    QString style;
    QPalette palette;
};

const DesktopLook& desktopLook()
{
    static const DesktopLook look { QApplication::style() ? QApplication::style()->name() : QString(),
        QApplication::palette() };
    return look;
}

// Setting a colour for every group also sets the disabled one, so disabled buttons would look
// enabled; the disabled text and control colours come from Fusion's own light palette instead.
// The backgrounds stay, so that a busy window does not change its colour.
QPalette withFusionDisabledColours(QPalette palette)
{
    const std::unique_ptr<QStyle> fusionStyle(QStyleFactory::create(QString(fusion)));
    if (!fusionStyle) {
        return palette;
    }
    const QPalette standard = fusionStyle->standardPalette();
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const auto colourRole = QPalette::ColorRole(role);
        if (colourRole == QPalette::Window || colourRole == QPalette::Base
            || colourRole == QPalette::AlternateBase || colourRole == QPalette::NoRole) {
            continue;
        }
        palette.setColor(QPalette::Disabled, colourRole, standard.color(QPalette::Disabled, colourRole));
    }
    return palette;
}

} // namespace

std::optional<ColorScheme> AppearancePreference::preferredScheme(const QString& appearance)
{
    if (appearance == light) {
        return ColorScheme::light;
    }
    if (appearance == dark) {
        return ColorScheme::dark;
    }
    return std::nullopt;
}

QPalette AppearancePreference::palette(ColorScheme scheme)
{
    if (scheme == ColorScheme::light) {
        QPalette palette(QColor(0xF3, 0xF3, 0xF3));
        palette.setColor(QPalette::Base, Qt::white);
        palette.setColor(QPalette::AlternateBase, QColor(0xF5, 0xF5, 0xF5));
        palette.setColor(QPalette::Text, QColor(0x1D, 0x1D, 0x1F));
        palette.setColor(QPalette::WindowText, QColor(0x1D, 0x1D, 0x1F));
        palette.setColor(QPalette::ButtonText, QColor(0x1D, 0x1D, 0x1F));
        palette.setColor(QPalette::Button, QColor(0xFA, 0xFA, 0xFA));
        palette.setColor(QPalette::Highlight, QColor(0x0A, 0x84, 0xFF));
        palette.setColor(QPalette::HighlightedText, Qt::white);
        palette.setColor(QPalette::Link, QColor(0x00, 0x66, 0xCC));
        palette.setColor(QPalette::PlaceholderText, QColor(0x1D, 0x1D, 0x1F, 0x8C));
        palette.setColor(QPalette::ToolTipBase, QColor(0xFF, 0xFF, 0xF0));
        palette.setColor(QPalette::ToolTipText, QColor(0x1D, 0x1D, 0x1F));
        return withFusionDisabledColours(palette);
    }
    const QColor window(0x2A, 0x2A, 0x2C);
    const QColor text(0xEB, 0xEB, 0xF0);
    const QColor disabledText(0x80, 0x80, 0x86);
    QPalette palette(window);
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, QColor(0x1E, 0x1E, 0x20));
    palette.setColor(QPalette::AlternateBase, QColor(0x32, 0x32, 0x35));
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, QColor(0x3A, 0x3A, 0x3C));
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::BrightText, Qt::white);
    palette.setColor(QPalette::Light, QColor(0x4A, 0x4A, 0x4D));
    palette.setColor(QPalette::Midlight, QColor(0x40, 0x40, 0x43));
    palette.setColor(QPalette::Mid, QColor(0x30, 0x30, 0x32));
    palette.setColor(QPalette::Dark, QColor(0x1A, 0x1A, 0x1B));
    palette.setColor(QPalette::Shadow, Qt::black);
    palette.setColor(QPalette::Highlight, QColor(0x0A, 0x84, 0xFF));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Link, QColor(0x4D, 0xA3, 0xFF));
    palette.setColor(QPalette::LinkVisited, QColor(0xA4, 0x8C, 0xFF));
    palette.setColor(QPalette::PlaceholderText, QColor(0xEB, 0xEB, 0xF5, 0x99));
    palette.setColor(QPalette::ToolTipBase, QColor(0x3A, 0x3A, 0x3C));
    palette.setColor(QPalette::ToolTipText, text);
    for (const QPalette::ColorRole role : { QPalette::WindowText, QPalette::Text, QPalette::ButtonText }) {
        palette.setColor(QPalette::Disabled, role, disabledText);
    }
    palette.setColor(QPalette::Disabled, QPalette::Button, QColor(0x33, 0x33, 0x35));
    return palette;
}

AppearancePreference::AppearancePreference(QObject* parent)
    : QObject(parent)
    , m_value(userSettings().value(QString(key), QString(system)).toString())
{
    desktopLook();
    apply();
}

void AppearancePreference::setValue(const QString& appearance)
{
    m_value = appearance;
    userSettings().setValue(QString(key), appearance);
    apply();
    emit changed(appearance);
}

void AppearancePreference::apply() const
{
    // The style is set first: setting a style resets the application palette to the style's own.
    if (const std::optional<ColorScheme> chosen = scheme()) {
        if (QApplication::style()->name().compare(fusion, Qt::CaseInsensitive) != 0) {
            QApplication::setStyle(QStyleFactory::create(QString(fusion)));
        }
        QApplication::setPalette(palette(*chosen));
        return;
    }
    const DesktopLook& desktop = desktopLook();
    if (!desktop.style.isEmpty()
        && QApplication::style()->name().compare(desktop.style, Qt::CaseInsensitive) != 0) {
        QApplication::setStyle(QStyleFactory::create(desktop.style));
    }
    QApplication::setPalette(desktop.palette);
}
