#pragma once

#include <optional>
#include <QLatin1StringView>
#include <QObject>
#include <QPalette>
#include <QString>

enum class ColorScheme { light, dark };

// The interface appearance the user chose in Settings, kept in the user settings, and applied to
// the whole application at once: "light" and "dark" switch every window to the Fusion style with
// a light or dark palette; any other stored text follows the desktop.
class AppearancePreference : public QObject
{
    Q_OBJECT

public:
    static constexpr QLatin1StringView organization { "Vandrel" };
    static constexpr QLatin1StringView application { "Tesserly" };
    static constexpr QLatin1StringView key { "appearance" };
    static constexpr QLatin1StringView system { "system" };
    static constexpr QLatin1StringView light { "light" };
    static constexpr QLatin1StringView dark { "dark" };

    // Exact and case-sensitive: only "light" and "dark" choose a scheme.
    static std::optional<ColorScheme> preferredScheme(const QString& appearance);
    static QPalette palette(ColorScheme scheme);

    // Remembers the desktop's own style and palette (to go back to them) and applies the stored
    // value. Needs a QApplication.
    explicit AppearancePreference(QObject* parent = nullptr);

    // The stored text, "system" when nothing is stored.
    QString value() const { return m_value; }
    std::optional<ColorScheme> scheme() const { return preferredScheme(m_value); }
    // Stores the text and applies it to every window.
    void setValue(const QString& appearance);

signals:
    void changed(const QString& appearance);

private:
    void apply() const;

    QString m_value;
};
