#pragma once

#include <QLatin1StringView>
#include <QWidget>

class AppearancePreference;
class QAbstractButton;
class QButtonGroup;

// The Settings window. Its one setting is the interface appearance, chosen with a segmented
// picker that writes the preference at once.
class TesserlySettingsView : public QWidget
{
    Q_OBJECT

public:
    static constexpr QLatin1StringView identifier { "settings" };
    static constexpr const char* title = QT_TRANSLATE_NOOP("TesserlySettingsView", "Tesserly Settings");
    static constexpr const char* pickerTitle = QT_TRANSLATE_NOOP("TesserlySettingsView", "App appearance");
    static constexpr QLatin1StringView backgroundNote {
        "The board background is chosen separately in the editor and is included in exports."
    };
    static constexpr QLatin1StringView sectionTitle { "Tesserly" };
    static constexpr const char* summary
        = QT_TRANSLATE_NOOP("TesserlySettingsView", "A small, private contact-sheet maker.");
    static constexpr QLatin1StringView privacyNote {
        "No accounts, ads, tracking, or network connection required."
    };
    static constexpr int contentWidth = 430;
    static constexpr int contentHeight = 250;

    explicit TesserlySettingsView(AppearancePreference& appearance, QWidget* parent = nullptr);

    // The segment that stores `value` ("system", "light" or "dark"); nullptr for any other text.
    QAbstractButton* segment(const QString& value) const;

protected:
    void changeEvent(QEvent* event) override;

private:
    void showValue(const QString& value);
    // The chosen segment is drawn in the accent colour, in either appearance.
    void updateSegmentColours();

    AppearancePreference& m_appearance;
    QButtonGroup* m_segments = nullptr;
};
