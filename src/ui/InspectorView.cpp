#include "ui/InspectorView.h"

#include "model/BoardLimits.h"
#include "model/GraphemeText.h"
#include "render/BoardLayout.h"
#include "store/BoardStore.h"
#include "ui/BackgroundButton.h"
#include "ui/CaptionEditor.h"
#include "ui/InspectorSlider.h"
#include "ui/InterfaceStyle.h"
#include "ui/KeyPassThrough.h"
#include "ui/SegmentedPicker.h"
#include "ui/SwitchToggle.h"
#include "ui/SymbolIcon.h"
#include "ui/ToneWidgets.h"

#include <algorithm>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

constexpr int pickerWidth = 169;

QLabel* textLabel(const QString& text, const QFont& font, QWidget* parent,
    ToneWidgets::Tone tone = ToneWidgets::Tone::primary)
{
    return ToneWidgets::label(text, font, tone, parent);
}

QLabel* note(const QString& text, QWidget* parent)
{
    return ToneWidgets::note(text, ToneWidgets::Tone::secondary, parent);
}

QWidget* sectionHeading(const QString& title, const QString& symbol, QWidget* parent)
{
    auto* heading = new QWidget(parent);
    auto* row = new QHBoxLayout(heading);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(6);
    row->addWidget(ToneWidgets::symbol(symbol, ToneWidgets::Tone::accent, 15, heading));
    row->addWidget(
        textLabel(title, InterfaceStyle::weighted(InterfaceStyle::callout(), QFont::DemiBold), heading));
    row->addStretch(1);
    return heading;
}

QWidget* inspectorRow(const QString& title, QWidget* control, QWidget* parent)
{
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    layout->addWidget(textLabel(title, InterfaceStyle::callout(), row));
    layout->addStretch(1);
    layout->addSpacing(2);
    control->setParent(row);
    layout->addWidget(control);
    return row;
}

QWidget* block(int spacing, QWidget* parent, QVBoxLayout** layout)
{
    auto* widget = new QWidget(parent);
    *layout = new QVBoxLayout(widget);
    (*layout)->setContentsMargins(0, 0, 0, 0);
    (*layout)->setSpacing(spacing);
    return widget;
}

QComboBox* popUp(QWidget* parent)
{
    auto* combo = new QComboBox(parent);
    combo->setFixedWidth(pickerWidth);
    return combo;
}

} // namespace

InspectorView::InspectorView(BoardStore& store, QWidget* parent)
    : QWidget(parent)
    , m_store(store)
    , m_scrollArea(new QScrollArea(this))
{
    setFixedWidth(panelWidth);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(m_scrollArea);
    m_scrollArea->setFrameShape(QFrame::NoFrame);
    m_scrollArea->setWidgetResizable(true);
    m_scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setAutoFillBackground(true);
    m_scrollArea->viewport()->setAutoFillBackground(false);
    ToneWidgets::slimScrollBars(m_scrollArea);

    auto* content = new QWidget(m_scrollArea);
    content->setAutoFillBackground(false);
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(20, 20, 20, 20);
    column->setSpacing(20);
    column->addWidget(
        textLabel(QCoreApplication::translate("InspectorView", "Board"), InterfaceStyle::title3(), content));
    column->addWidget(layoutBlock());
    column->addWidget(ToneWidgets::divider(content, false));
    column->addWidget(appearanceBlock());
    column->addWidget(ToneWidgets::divider(content, false));
    column->addWidget(labelsBlock());
    column->addWidget(ToneWidgets::divider(content, false));
    column->addWidget(exportBlock());
    column->addWidget(ToneWidgets::divider(content, false));

    m_reset = new QPushButton(QCoreApplication::translate("InspectorView", "Reset Settings"), content);
    m_reset->setFlat(true);
    m_reset->setCursor(Qt::PointingHandCursor);
    m_reset->setToolTip(QCoreApplication::translate(
        "InspectorView", "Restore the default layout and appearance. Images stay on the board."));
    connect(m_reset, &QPushButton::clicked, &m_store, &BoardStore::resetLayout);
    column->addWidget(m_reset, 0, Qt::AlignLeft);
    column->addStretch(1);
    m_scrollArea->setWidget(content);
    applyPanelColours();

    connect(&m_store, &BoardStore::settingsChanged, this, &InspectorView::refresh);
    connect(&m_store, &BoardStore::photosChanged, this, &InspectorView::refresh);
    refresh();
}

void InspectorView::applyPanelColours()
{
    // The control background at 35 % behind the whole panel; the reset button in the accent.
    QColor background = InterfaceStyle::controlBackground(nullptr);
    background.setAlphaF(0.35f);
    QPalette own = QApplication::palette(this);
    own.setColor(QPalette::Window, background);
    setPalette(own);
    m_reset->setStyleSheet(
        QStringLiteral("QPushButton { color: %1; border: none; padding: 0; text-align: left; }"
                       "QPushButton:disabled { color: %2; }")
            .arg(InterfaceStyle::accent(nullptr).name(),
                InterfaceStyle::tertiaryText(nullptr).name(QColor::HexArgb)));
}

void InspectorView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ApplicationPaletteChange) {
        applyPanelColours();
    }
    QWidget::changeEvent(event);
}

QList<qint64> InspectorView::widthChoices(qint64 outputWidth)
{
    QList<qint64> choices { 1200, 2400, 3600, 4800, 6000, outputWidth };
    std::sort(choices.begin(), choices.end());
    choices.erase(std::unique(choices.begin(), choices.end()), choices.end());
    return choices;
}

bool InspectorView::exceedsExportLimits(qsizetype photoCount, const BoardSettings& settings)
{
    if (photoCount <= 0) {
        return false;
    }
    return BoardLayout(photoCount, settings).tooLargeToExport();
}

void InspectorView::write(const std::function<void(BoardSettings&)>& change)
{
    BoardSettings settings = m_store.settings();
    change(settings);
    m_store.setSettings(settings);
}

InspectorSlider* InspectorView::slider(const QString& title, double minimum, double maximum, double step,
    std::function<void(BoardSettings&, double)> apply)
{
    auto* control = new InspectorSlider(title, minimum, maximum, step, this);
    connect(control, &InspectorSlider::valueEdited, this,
        [this, apply](double value) { write([&](BoardSettings& settings) { apply(settings, value); }); });
    return control;
}

QWidget* InspectorView::layoutBlock()
{
    QVBoxLayout* layout = nullptr;
    QWidget* widget = block(13, this, &layout);
    layout->addWidget(sectionHeading(
        QCoreApplication::translate("InspectorView", "Layout"), QStringLiteral("square.grid.2x2"), widget));

    layout->addWidget(textLabel(
        QCoreApplication::translate("InspectorView", "Columns"), InterfaceStyle::callout(), widget));
    m_columns = new SegmentedPicker({ "1", "2", "3", "4", "5", "6" }, widget);
    m_columns->setAccessibleName(QCoreApplication::translate("InspectorView", "Number of columns"));
    connect(m_columns, &SegmentedPicker::activated, this,
        [this](int index) { write([&](BoardSettings& settings) { settings.columns = index + 1; }); });
    layout->addWidget(m_columns);

    m_cellAspect = popUp(widget);
    for (CellAspect aspect : allCellAspects()) {
        m_cellAspect->addItem(title(aspect));
    }
    connect(m_cellAspect, &QComboBox::activated, this, [this](int index) {
        write([&](BoardSettings& settings) { settings.cellAspect = allCellAspects().value(index); });
    });
    layout->addWidget(
        inspectorRow(QCoreApplication::translate("InspectorView", "Image shape"), m_cellAspect, widget));

    QStringList fits;
    for (PhotoFit fit : allPhotoFits()) {
        fits.append(title(fit));
    }
    m_photoFit = new SegmentedPicker(fits, widget);
    m_photoFit->setFixedWidth(pickerWidth);
    connect(m_photoFit, &SegmentedPicker::activated, this, [this](int index) {
        write([&](BoardSettings& settings) { settings.photoFit = allPhotoFits().value(index); });
    });
    layout->addWidget(
        inspectorRow(QCoreApplication::translate("InspectorView", "Image fit"), m_photoFit, widget));
    m_fitNote = note(QString(), widget);
    layout->addWidget(m_fitNote);
    return widget;
}

QWidget* InspectorView::appearanceBlock()
{
    QVBoxLayout* layout = nullptr;
    QWidget* widget = block(15, this, &layout);
    layout->addWidget(sectionHeading(QCoreApplication::translate("InspectorView", "Appearance"),
        QStringLiteral("circle.lefthalf.filled"), widget));
    layout->addWidget(textLabel(
        QCoreApplication::translate("InspectorView", "Board background"), InterfaceStyle::callout(), widget));
    auto* row = new QHBoxLayout;
    row->setSpacing(10);
    for (BoardBackground background : allBoardBackgrounds()) {
        auto* button = new BackgroundButton(background, widget);
        connect(button, &BackgroundButton::clicked, this, [this, background] {
            write([&](BoardSettings& settings) { settings.background = background; });
        });
        m_backgroundButtons.append(button);
        row->addWidget(button);
    }
    layout->addLayout(row);
    m_spacing = slider(QCoreApplication::translate("InspectorView", "Spacing"), 0, 100, 2,
        [](BoardSettings& s, double v) { s.spacing = v; });
    m_padding = slider(QCoreApplication::translate("InspectorView", "Outer margin"), 0, 160, 4,
        [](BoardSettings& s, double v) { s.padding = v; });
    m_corners = slider(QCoreApplication::translate("InspectorView", "Corners"), 0, 60, 2,
        [](BoardSettings& s, double v) { s.cornerRadius = v; });
    for (InspectorSlider* control : { m_spacing, m_padding, m_corners }) {
        layout->addWidget(control);
    }
    return widget;
}

QWidget* InspectorView::labelsBlock()
{
    QVBoxLayout* layout = nullptr;
    QWidget* widget = block(14, this, &layout);
    layout->addWidget(sectionHeading(
        QCoreApplication::translate("InspectorView", "Labels"), QStringLiteral("text.alignleft"), widget));

    m_showNumbers = new SwitchToggle(widget);
    m_showNumbers->setAccessibleName(QCoreApplication::translate("InspectorView", "Image numbers"));
    connect(m_showNumbers, &SwitchToggle::clicked, this,
        [this](bool checked) { write([&](BoardSettings& settings) { settings.showNumbers = checked; }); });
    layout->addWidget(
        inspectorRow(QCoreApplication::translate("InspectorView", "Image numbers"), m_showNumbers, widget));

    m_captionMode = popUp(widget);
    for (CaptionMode mode : allCaptionModes()) {
        m_captionMode->addItem(title(mode));
    }
    connect(m_captionMode, &QComboBox::activated, this, [this](int index) {
        write([&](BoardSettings& settings) { settings.captionMode = allCaptionModes().value(index); });
    });
    layout->addWidget(
        inspectorRow(QCoreApplication::translate("InspectorView", "Captions"), m_captionMode, widget));

    m_captionSize = slider(QCoreApplication::translate("InspectorView", "Caption size"), 16, 60, 1,
        [](BoardSettings& s, double v) { s.captionFontSize = v; });
    layout->addWidget(m_captionSize);
    m_captionEditor = new CaptionEditor(m_store, widget);
    layout->addWidget(m_captionEditor);

    auto* titleColumn = new QVBoxLayout;
    titleColumn->setSpacing(7);
    titleColumn->addWidget(textLabel(
        QCoreApplication::translate("InspectorView", "Board title"), InterfaceStyle::callout(), widget));
    m_title = new QLineEdit(widget);
    m_title->setPlaceholderText(QCoreApplication::translate("InspectorView", "Optional title"));
    m_title->setAccessibleName(QCoreApplication::translate("InspectorView", "Board title"));
    m_title->setClearButtonEnabled(false);
    KeyPassThrough::install(m_title, KeyPassThrough::exportKeys());
    connect(m_title, &QLineEdit::textEdited, this, [this](const QString& text) {
        // At most 120 user-perceived characters: typing beyond that has no effect.
        const QString cut = GraphemeText::prefix(text, BoardSettings::maximumTitleCharacters);
        if (cut != text) {
            const int cursor = std::min(m_title->cursorPosition(), int(cut.size()));
            m_title->setText(cut);
            m_title->setCursorPosition(cursor);
        }
        write([&](BoardSettings& settings) { settings.title = cut; });
    });
    titleColumn->addWidget(m_title);
    layout->addLayout(titleColumn);

    m_titleSize = slider(QCoreApplication::translate("InspectorView", "Title size"), 24, 96, 2,
        [](BoardSettings& s, double v) { s.titleFontSize = v; });
    layout->addWidget(m_titleSize);
    return widget;
}

QWidget* InspectorView::exportBlock()
{
    QVBoxLayout* layout = nullptr;
    QWidget* widget = block(13, this, &layout);
    layout->addWidget(sectionHeading(QCoreApplication::translate("InspectorView", "Export"),
        QStringLiteral("square.and.arrow.up"), widget));
    m_outputWidth = popUp(widget);
    m_outputWidth->setToolTip(QCoreApplication::translate("InspectorView", "Output width"));
    m_outputWidth->setAccessibleName(QCoreApplication::translate("InspectorView", "Export width in pixels"));
    connect(m_outputWidth, &QComboBox::activated, this, [this](int index) {
        const qint64 width = m_outputWidth->itemData(index).toLongLong();
        write([&](BoardSettings& settings) { settings.outputWidth = width; });
    });
    layout->addWidget(
        inspectorRow(QCoreApplication::translate("InspectorView", "Width"), m_outputWidth, widget));
    m_sizeReadout = note(QString(), widget);
    layout->addWidget(m_sizeReadout);

    m_warning = new QWidget(widget);
    auto* warningRow = new QHBoxLayout(m_warning);
    warningRow->setContentsMargins(0, 0, 0, 0);
    warningRow->setSpacing(6);
    warningRow->addWidget(ToneWidgets::symbol(QStringLiteral("exclamationmark.triangle"),
                              ToneWidgets::Tone::warning, 14, m_warning),
        0, Qt::AlignTop);
    QLabel* warningLabel
        = textLabel(warningText(), InterfaceStyle::caption(), m_warning, ToneWidgets::Tone::warning);
    warningLabel->setWordWrap(true);
    warningRow->addWidget(warningLabel, 1);
    layout->addWidget(m_warning);

    m_exportNote = note(exportNoteText(), widget);
    layout->addWidget(m_exportNote);
    return widget;
}

void InspectorView::refresh()
{
    const BoardSettings& stored = m_store.settings();
    // Controls show the values the board is drawn with.
    const BoardSettings settings = stored.normalized();
    const qsizetype photoCount = m_store.photos().size();

    m_columns->setCurrentIndex(int(settings.columns) - 1);
    {
        const QSignalBlocker blocker(m_cellAspect);
        m_cellAspect->setCurrentIndex(int(allCellAspects().indexOf(settings.cellAspect)));
    }
    m_photoFit->setCurrentIndex(int(allPhotoFits().indexOf(settings.photoFit)));
    m_fitNote->setText(settings.photoFit == PhotoFit::fit
            ? QCoreApplication::translate("InspectorView", "Fit keeps the entire image visible.")
            : QCoreApplication::translate("InspectorView", "Fill crops the image to match its cell."));
    for (BackgroundButton* button : std::as_const(m_backgroundButtons)) {
        button->setSelected(button->background() == settings.background);
    }
    m_spacing->setValue(settings.spacing);
    m_padding->setValue(settings.padding);
    m_corners->setValue(settings.cornerRadius);
    m_showNumbers->setChecked(settings.showNumbers);
    {
        const QSignalBlocker blocker(m_captionMode);
        m_captionMode->setCurrentIndex(int(allCaptionModes().indexOf(settings.captionMode)));
    }
    m_captionSize->setValue(settings.captionFontSize);
    m_captionSize->setVisible(settings.captionMode != CaptionMode::none);
    m_captionEditor->setVisible(settings.captionMode == CaptionMode::custom);
    if (m_title->text() != stored.title) {
        const QSignalBlocker blocker(m_title);
        m_title->setText(stored.title);
    }
    m_titleSize->setValue(settings.titleFontSize);
    m_titleSize->setVisible(!stored.title.isEmpty());

    const QList<qint64> choices = widthChoices(stored.outputWidth);
    {
        const QSignalBlocker blocker(m_outputWidth);
        m_outputWidth->clear();
        for (qint64 width : choices) {
            m_outputWidth->addItem(
                QString::number(width) + QStringLiteral(" px"), QVariant::fromValue(width));
        }
        m_outputWidth->setCurrentIndex(int(choices.indexOf(stored.outputWidth)));
    }
    if (photoCount > 0) {
        const BoardLayout layout(photoCount, stored);
        m_sizeReadout->setText(QString::number(qint64(layout.width())) + QStringLiteral(" × ")
            + QString::number(qint64(layout.height())) + QStringLiteral(" px"));
    }
    m_sizeReadout->setVisible(photoCount > 0);
    m_warning->setVisible(exceedsExportLimits(photoCount, stored));
}
