#include "app/TesserlySettingsView.h"

#include "app/AppearancePreference.h"
#include "app/CloseShortcut.h"

#include <QButtonGroup>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

struct Segment
{
    const char* title;
    QLatin1StringView value;
};

constexpr Segment segments[] = {
    { QT_TRANSLATE_NOOP("TesserlySettingsView", "System"), AppearancePreference::system },
    { QT_TRANSLATE_NOOP("TesserlySettingsView", "Light"), AppearancePreference::light },
    { QT_TRANSLATE_NOOP("TesserlySettingsView", "Dark"), AppearancePreference::dark },
};

QLabel* secondaryLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setForegroundRole(QPalette::PlaceholderText);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * 0.92);
    label->setFont(font);
    return label;
}

} // namespace

TesserlySettingsView::TesserlySettingsView(AppearancePreference& appearance, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_appearance(appearance)
    , m_segments(new QButtonGroup(this))
{
    setObjectName(QString(identifier));
    setWindowTitle(tr(title));
    CloseShortcut::install(this);
    setFixedSize(contentWidth, contentHeight);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(12, 12, 12, 12);
    column->setSpacing(8);

    auto* appearanceGroup = new QGroupBox(this);
    auto* form = new QFormLayout(appearanceGroup);
    auto* picker = new QWidget(appearanceGroup);
    auto* row = new QHBoxLayout(picker);
    row->setContentsMargins(0, 0, 0, 0);
    // Touching buttons read as one segmented control.
    row->setSpacing(0);
    m_segments->setExclusive(true);
    for (const Segment& segment : segments) {
        auto* button = new QPushButton(tr(segment.title), picker);
        button->setCheckable(true);
        button->setProperty("appearance", QString(segment.value));
        button->setMinimumWidth(72);
        m_segments->addButton(button);
        row->addWidget(button);
    }
    picker->setAccessibleName(tr(pickerTitle));
    form->addRow(tr(pickerTitle), picker);
    form->addRow(secondaryLabel(QString(backgroundNote), appearanceGroup));
    column->addWidget(appearanceGroup);

    auto* section = new QGroupBox(QString(sectionTitle), this);
    auto* sectionColumn = new QVBoxLayout(section);
    sectionColumn->addWidget(new QLabel(tr(summary), section));
    sectionColumn->addWidget(secondaryLabel(QString(privacyNote), section));
    column->addWidget(section);
    column->addStretch(1);

    showValue(appearance.value());
    connect(m_segments, &QButtonGroup::buttonClicked, this, [this](QAbstractButton* button) {
        m_appearance.setValue(button->property("appearance").toString());
    });
    connect(&appearance, &AppearancePreference::changed, this, &TesserlySettingsView::showValue);
}

QAbstractButton* TesserlySettingsView::segment(const QString& value) const
{
    for (QAbstractButton* button : m_segments->buttons()) {
        if (button->property("appearance").toString() == value) {
            return button;
        }
    }
    return nullptr;
}

void TesserlySettingsView::showValue(const QString& value)
{
    // An unknown stored text selects no segment; an exclusive group cannot show that, so the
    // group lets go for a moment.
    m_segments->setExclusive(false);
    for (QAbstractButton* button : m_segments->buttons()) {
        button->setChecked(button->property("appearance").toString() == value);
    }
    m_segments->setExclusive(true);
    updateSegmentColours();
}

void TesserlySettingsView::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        updateSegmentColours();
    }
}

void TesserlySettingsView::updateSegmentColours()
{
    const QPalette base = palette();
    for (QAbstractButton* button : m_segments->buttons()) {
        QPalette colours = base;
        if (button->isChecked()) {
            colours.setColor(QPalette::Button, base.color(QPalette::Highlight));
            colours.setColor(QPalette::ButtonText, base.color(QPalette::HighlightedText));
        }
        button->setPalette(colours);
    }
}
