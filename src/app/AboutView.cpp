#include "app/AboutView.h"

#include "app/CloseShortcut.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QVBoxLayout>

namespace {

// Sizes are in logical pixels, so the window looks the same whatever the desktop's font size.
QFont fontOfSize(const QFont& base, qreal pixelSize, QFont::Weight weight)
{
    QFont font(base);
    font.setPixelSize(qRound(pixelSize));
    font.setWeight(weight);
    return font;
}

QPixmap applicationIcon(int size, qreal devicePixelRatio)
{
    QIcon icon = QApplication::windowIcon();
    if (icon.isNull()) {
        icon = QIcon(QStringLiteral(":/icons/tesserly.png"));
    }
    const int pixels = qRound(size * devicePixelRatio);
    QPixmap pixmap = icon.pixmap(QSize(pixels, pixels));
    if (pixmap.isNull()) {
        return pixmap;
    }
    pixmap = pixmap.scaled(pixels, pixels, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

} // namespace

AboutView::AboutView(const AppInfo& info, QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QString(identifier));
    setWindowTitle(tr(title));
    CloseShortcut::install(this);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Window);

    auto* column = new QVBoxLayout(this);
    column->setSpacing(0);
    column->setContentsMargins(0, 0, 0, 28);
    // The window takes exactly the content's size, which the user cannot change.
    column->setSizeConstraint(QLayout::SetFixedSize);

    column->addSpacing(28);
    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("icon"));
    icon->setFixedSize(iconSize, iconSize);
    icon->setPixmap(applicationIcon(iconSize, devicePixelRatioF()));
    icon->setAccessibleName(tr("Tesserly icon"));
    column->addWidget(icon, 0, Qt::AlignHCenter);

    column->addSpacing(10);
    column->addWidget(addLabel(QString(AppInfo::name), 22, QFont::DemiBold, false));
    column->addSpacing(2);
    column->addWidget(addLabel(info.version(), 12, QFont::Normal, true));

    column->addSpacing(14);
    QLabel* description
        = addLabel(QCoreApplication::translate("AppInfo", AppInfo::description), 12.5, QFont::Normal, true);
    description->setWordWrap(true);
    description->setFixedWidth(contentWidth - 2 * 30);
    // A fixed-size layout asks for no height-for-width, so the wrapped height is given here.
    description->setMinimumHeight(description->heightForWidth(description->width()));
    column->addWidget(description, 0, Qt::AlignHCenter);

    column->addSpacing(16);
    column->addWidget(addLabel(tr("Made by %1").arg(QString(AppInfo::creator)), 13, QFont::Medium, false));
    column->addSpacing(4);
    const QUrl website = AppInfo::website();
    QLabel* link = addLabel(QString(), 13, QFont::Normal, false);
    link->setObjectName(QStringLiteral("website"));
    link->setTextFormat(Qt::RichText);
    link->setText(QStringLiteral("<a href=\"%1\">%2</a>")
                      .arg(website.toString(QUrl::FullyEncoded).toHtmlEscaped(),
                          AppInfo::websiteLabel().toHtmlEscaped()));
    link->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    link->setCursor(Qt::PointingHandCursor);
    link->setToolTip(website.toString());
    connect(link, &QLabel::linkActivated, this, [website] { QDesktopServices::openUrl(website); });
    column->addWidget(link);

    if (const std::optional<QImage>& badge = info.originBadge()) {
        column->addSpacing(20);
        auto* frame = new QWidget(this);
        frame->setObjectName(QStringLiteral("originBadge"));
        frame->setAttribute(Qt::WA_StyledBackground, true);
        // White in both appearances, with a faint edge, like a printed sticker.
        frame->setStyleSheet(
            QStringLiteral("#originBadge { background: white; border: 1px solid rgba(0, 0, 0, 20); "
                           "border-radius: 10px; }"));
        frame->setToolTip(QCoreApplication::translate("AppInfo", AppInfo::originBadgeHelp));
        frame->setAccessibleName(QCoreApplication::translate("AppInfo", AppInfo::originBadgeHelp));
        auto* padding = new QHBoxLayout(frame);
        padding->setContentsMargins(18, 12, 18, 12);
        auto* image = new QLabel(frame);
        const qreal ratio = devicePixelRatioF();
        QPixmap pixmap
            = QPixmap::fromImage(badge->scaledToHeight(qRound(46 * ratio), Qt::SmoothTransformation));
        pixmap.setDevicePixelRatio(ratio);
        image->setPixmap(pixmap);
        padding->addWidget(image);
        column->addWidget(frame, 0, Qt::AlignHCenter);
        m_originBadge = frame;
    }

    // Keeps the column at its fixed width while the height follows the content.
    column->addStrut(contentWidth);
}

QLabel* AboutView::addLabel(const QString& text, qreal pixelSize, QFont::Weight weight, bool secondary)
{
    auto* label = new QLabel(text, this);
    label->setFont(fontOfSize(font(), pixelSize, weight));
    label->setAlignment(Qt::AlignHCenter);
    if (secondary) {
        label->setForegroundRole(QPalette::PlaceholderText);
    }
    return label;
}
