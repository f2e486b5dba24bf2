#include "ui/ContentView.h"

#include "render/BoardLayout.h"
#include "store/BoardStore.h"
#include "ui/AlertPresentation.h"
#include "ui/BoardFooter.h"
#include "ui/BoardPreview.h"
#include "ui/BusyOverlay.h"
#include "ui/CaptionEditor.h"
#include "ui/InspectorView.h"
#include "ui/InterfaceStyle.h"
#include "ui/PhotoStripView.h"
#include "ui/PreviewEmptyState.h"
#include "ui/SymbolIcon.h"
#include "ui/ToneWidgets.h"
#include "ui/WheelGuard.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QToolBar>
#include <QVBoxLayout>

ContentView::ContentView(BoardStore& store, QWidget* parent)
    : QWidget(parent)
    , m_store(store)
{
    setMinimumSize(minimumWidth, minimumHeight);
    setAutoFillBackground(true);
    createToolBar();

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    m_body = new QWidget(this);
    auto* split = new QHBoxLayout(m_body);
    split->setContentsMargins(0, 0, 0, 0);
    split->setSpacing(0);

    auto* left = new QWidget(m_body);
    auto* leftColumn = new QVBoxLayout(left);
    leftColumn->setContentsMargins(0, 0, 0, 0);
    leftColumn->setSpacing(0);
    leftColumn->addWidget(buildHeader());
    auto* previewFrame = new QVBoxLayout;
    previewFrame->setContentsMargins(20, 0, 20, 20);
    m_preview = new BoardPreview(m_store, left);
    previewFrame->addWidget(m_preview);
    leftColumn->addLayout(previewFrame, 1);
    leftColumn->addWidget(ToneWidgets::divider(left, false));
    m_strip = new PhotoStripView(m_store, left);
    leftColumn->addWidget(m_strip);
    split->addWidget(left, 1);
    split->addWidget(ToneWidgets::divider(m_body, true));
    m_inspector = new InspectorView(m_store, m_body);
    split->addWidget(m_inspector);

    column->addWidget(m_body, 1);
    column->addWidget(ToneWidgets::divider(this, false));
    m_footer = new BoardFooter(m_store, this);
    column->addWidget(m_footer);

    m_overlay = new BusyOverlay(this);

    connect(&m_store, &BoardStore::photosChanged, this, &ContentView::refreshHeader);
    connect(&m_store, &BoardStore::settingsChanged, this, &ContentView::refreshHeader);
    connect(&m_store, &BoardStore::isBusyChanged, this, &ContentView::refreshBusy);
    connect(&m_store, &BoardStore::statusMessageChanged, this,
        [this] { m_overlay->setMessage(m_store.statusMessage()); });
    // Never inside the store's signal: the alert opens once the current operation has returned.
    connect(
        &m_store, &BoardStore::errorMessageChanged, this, &ContentView::presentError, Qt::QueuedConnection);
    // After every control exists: a wheel over a setting scrolls its panel instead.
    WheelGuard::install(this);
    refreshHeader();
    refreshBusy(m_store.isBusy());
    if (m_store.errorMessage()) {
        QMetaObject::invokeMethod(this, &ContentView::presentError, Qt::QueuedConnection);
    }
}

ContentView::~ContentView()
{
    if (m_toolBar && m_toolBar->parent() == nullptr) {
        delete m_toolBar.data();
    }
}

QToolBar* ContentView::toolBar() const
{
    return m_toolBar;
}

QString ContentView::exportSizeText(qint64 pixelWidth, qint64 pixelHeight)
{
    return QString::number(pixelWidth) + QStringLiteral(" × ") + QString::number(pixelHeight)
        + QStringLiteral(" px");
}

QString ContentView::helpText(const QString& text, const QKeySequence& shortcut)
{
    return text + QStringLiteral(" (") + shortcut.toString(QKeySequence::NativeText) + QLatin1Char(')');
}

void ContentView::createToolBar()
{
    m_toolBar = new QToolBar(QCoreApplication::translate("ContentView", "Board"));
    m_toolBar->setObjectName(QStringLiteral("boardToolBar"));
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_toolBar->setIconSize(QSize(16, 16));
    m_addImages = m_toolBar->addAction(
        SymbolIcon::icon(QStringLiteral("plus")), QCoreApplication::translate("ContentView", "Add Images"));
    m_addImages->setToolTip(
        helpText(QCoreApplication::translate("ContentView", "Add images from this computer"),
            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_I)));
    m_openBoard = m_toolBar->addAction(
        SymbolIcon::icon(QStringLiteral("folder")), QCoreApplication::translate("ContentView", "Open Board"));
    m_openBoard->setToolTip(
        helpText(QCoreApplication::translate("ContentView", "Open a saved Tesserly project"),
            QKeySequence(Qt::CTRL | Qt::Key_O)));
    m_saveBoard = m_toolBar->addAction(SymbolIcon::icon(QStringLiteral("square.and.arrow.down")),
        QCoreApplication::translate("ContentView", "Save Board"));
    m_saveBoard->setToolTip(
        helpText(QCoreApplication::translate("ContentView", "Save an editable copy of this board"),
            QKeySequence(Qt::CTRL | Qt::Key_S)));
    connect(m_addImages, &QAction::triggered, &m_store, &BoardStore::addImages);
    connect(m_openBoard, &QAction::triggered, &m_store, qOverload<>(&BoardStore::openProject));
    connect(m_saveBoard, &QAction::triggered, this, [this] { m_store.saveProject(false); });
}

QWidget* ContentView::buildHeader()
{
    auto* header = new QWidget(this);
    auto* row = new QHBoxLayout(header);
    row->setContentsMargins(24, 20, 24, 12);
    row->setSpacing(12);
    auto* title = new QLabel(QCoreApplication::translate("ContentView", "Preview"), header);
    title->setFont(InterfaceStyle::headline());
    row->addWidget(title);
    row->addStretch(1);
    m_exportSize = new QLabel(header);
    m_exportSize->setFont(InterfaceStyle::caption());
    ToneWidgets::setTone(m_exportSize, ToneWidgets::Tone::secondary);
    m_exportSize->setToolTip(QCoreApplication::translate("ContentView", "Dimensions of the exported board"));
    row->addWidget(m_exportSize);
    // Keeps the header's height whether or not the size is shown.
    header->setMinimumHeight(20 + 12 + title->sizeHint().height());
    return header;
}

void ContentView::refreshHeader()
{
    const qsizetype count = m_store.photos().size();
    if (count > 0) {
        const BoardLayout layout(count, m_store.settings());
        m_exportSize->setText(exportSizeText(layout.pixelWidth(), layout.pixelHeight()));
    }
    m_exportSize->setVisible(count > 0);
    m_saveBoard->setEnabled(count > 0);
}

void ContentView::refreshBusy(bool busy)
{
    m_body->setEnabled(!busy);
    m_footer->setEnabled(!busy);
    if (m_toolBar) {
        m_toolBar->setEnabled(!busy);
    }
    m_overlay->setMessage(m_store.statusMessage());
    m_overlay->setGeometry(rect());
    m_overlay->setVisible(busy);
    if (busy) {
        m_overlay->raise();
    }
}

void ContentView::changeEvent(QEvent* event)
{
    // Light and dark can change while the window is open (the Settings window, the desktop).
    if (event->type() == QEvent::ApplicationPaletteChange || event->type() == QEvent::PaletteChange) {
        ToneWidgets::refresh(this);
        m_inspector->applyPanelColours();
        m_inspector->captionEditor()->applyEditorStyle();
        m_preview->emptyState()->applyProminentColours();
    }
    QWidget::changeEvent(event);
}

void ContentView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_overlay->setGeometry(rect());
}

void ContentView::presentError()
{
    const std::optional<QString>& message = m_store.errorMessage();
    if (m_alert) {
        // Already on screen: show the newest text rather than stacking a second alert.
        if (message) {
            m_alert->setText(*message);
        }
        return;
    }
    if (!message) {
        return;
    }
    // Only failures reach the store's error message: the warning icon is theirs.
    auto* alert = new QMessageBox(
        AlertPresentation::icon(AlertIcon::warning), alertTitle(), *message, QMessageBox::NoButton, this);
    alert->setAttribute(Qt::WA_DeleteOnClose);
    QPushButton* ok
        = alert->addButton(QCoreApplication::translate("ContentView", "OK"), QMessageBox::RejectRole);
    alert->setDefaultButton(ok);
    alert->setEscapeButton(ok);
    // However it closes (the button, Escape, the window's close button), the error is cleared.
    connect(alert, &QMessageBox::finished, this, [this] { m_store.setErrorMessage(std::nullopt); });
    m_alert = alert;
    alert->open();
}
