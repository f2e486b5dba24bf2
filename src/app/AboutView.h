#pragma once

#include "app/AppInfo.h"

#include <QWidget>

class QLabel;

// The About window: icon, name, version, one-line description, maker with a link to the web
// site, and the origin badge when the application carries one. One fixed-width column; the
// window takes the content's size and cannot be resized.
class AboutView : public QWidget
{
    Q_OBJECT

public:
    static constexpr QLatin1StringView identifier { "about" };
    static constexpr const char* title = QT_TRANSLATE_NOOP("AboutView", "About Tesserly");
    static constexpr int contentWidth = 340;
    static constexpr int iconSize = 96;

    explicit AboutView(const AppInfo& info, QWidget* parent = nullptr);

    // The badge's frame, or nullptr when the application has no badge.
    QWidget* originBadge() const { return m_originBadge; }

private:
    QLabel* addLabel(const QString& text, qreal pixelSize, QFont::Weight weight, bool secondary);

    QWidget* m_originBadge = nullptr;
};
