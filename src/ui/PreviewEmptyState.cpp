#include "ui/PreviewEmptyState.h"

#include "store/BoardStore.h"
#include "ui/InterfaceStyle.h"
#include "ui/SymbolIcon.h"
#include "ui/ToneWidgets.h"

#include <QCoreApplication>
#include <QEvent>

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// A 92-point rounded square in a faint accent with the grid symbol on it.
class EmptyStateIcon : public QWidget
{
public:
    explicit EmptyStateIcon(QWidget* parent)
        : QWidget(parent)
    {
        setFixedSize(92, 92);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(InterfaceStyle::accent(this, 0.10));
        painter.drawRoundedRect(rect(), 22, 22);
        const QIcon icon = SymbolIcon::drawn(QStringLiteral("square.grid.2x2"), InterfaceStyle::accent(this));
        icon.paint(&painter, QRect(27, 27, 38, 38));
    }
};

QLabel* label(const QString& text, const QFont& font, ToneWidgets::Tone tone, QWidget* parent)
{
    QLabel* result = ToneWidgets::label(text, font, tone, parent);
    result->setAlignment(Qt::AlignHCenter);
    return result;
}

} // namespace

PreviewEmptyState::PreviewEmptyState(BoardStore& store, QWidget* parent)
    : QWidget(parent)
    , m_addButton(new QPushButton(QCoreApplication::translate("PreviewEmptyState", "Add Images…"), this))
    , m_pasteButton(new QPushButton(QCoreApplication::translate("PreviewEmptyState", "Paste Images"), this))
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(32, 32, 32, 32);
    column->setSpacing(18);
    column->addStretch(1);

    auto* icon = new EmptyStateIcon(this);
    icon->setAccessibleName(QString());
    column->addWidget(icon, 0, Qt::AlignHCenter);

    auto* texts = new QVBoxLayout;
    texts->setSpacing(7);
    texts->addWidget(
        label(titleText(), InterfaceStyle::sized(22, QFont::DemiBold), ToneWidgets::Tone::primary, this));
    QLabel* message = label(messageText(), InterfaceStyle::callout(), ToneWidgets::Tone::secondary, this);
    message->setWordWrap(true);
    texts->addWidget(message);
    column->addLayout(texts);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(10);
    buttons->addStretch(1);
    for (QPushButton* button : { m_addButton, m_pasteButton }) {
        button->setMinimumHeight(32);
        button->setMinimumWidth(118);
        buttons->addWidget(button);
    }
    m_addButton->setObjectName(QStringLiteral("emptyAddImages"));
    m_pasteButton->setObjectName(QStringLiteral("emptyPasteImages"));
    m_addButton->setDefault(true);
    applyProminentColours();
    buttons->addStretch(1);
    column->addLayout(buttons);

    column->addWidget(label(examplesText(), InterfaceStyle::caption(), ToneWidgets::Tone::tertiary, this));
    column->addStretch(1);

    connect(m_addButton, &QPushButton::clicked, &store, &BoardStore::addImages);
    connect(m_pasteButton, &QPushButton::clicked, &store, &BoardStore::pasteImages);
}

void PreviewEmptyState::applyProminentColours()
{
    // The prominent button: white on the accent colour.
    QPalette prominent = QApplication::palette(m_addButton);
    prominent.setColor(QPalette::Button, InterfaceStyle::accent(nullptr));
    prominent.setColor(QPalette::ButtonText, Qt::white);
    m_addButton->setPalette(prominent);
}

void PreviewEmptyState::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ApplicationPaletteChange) {
        applyProminentColours();
    }
    QWidget::changeEvent(event);
}
