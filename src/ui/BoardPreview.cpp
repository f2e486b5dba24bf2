#include "ui/BoardPreview.h"

#include "render/BoardLayout.h"
#include "store/BoardStore.h"
#include "store/DropItem.h"
#include "ui/BoardCanvas.h"
#include "ui/FocusRing.h"
#include "ui/InterfaceStyle.h"
#include "ui/PhotoKeyboard.h"
#include "ui/PreviewEmptyState.h"
#include "ui/PreviewTile.h"
#include "ui/ToneWidgets.h"

#include <algorithm>
#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QMimeDatabase>
#include <QPainter>
#include <QPainterPath>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>

namespace {

QPainterPath roundedShape(const QRectF& rect)
{
    QPainterPath path;
    path.addRoundedRect(rect, BoardPreview::cornerRadius, BoardPreview::cornerRadius);
    return path;
}

// The scrolled content: at least as large as the visible area, the canvas centred at the top,
// with the board's soft shadow drawn around it.
class PreviewContent : public QWidget
{
public:
    explicit PreviewContent(QWidget* parent)
        : QWidget(parent)
    { }

    QWidget* canvas = nullptr;

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (canvas == nullptr || !canvas->isVisible()) {
            return;
        }
        // Black at 14 % spread over 8 points, 3 points down: rings fading outwards.
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(Qt::NoBrush);
        const QRectF board = QRectF(canvas->geometry()).translated(0, 3);
        constexpr int radius = 8;
        for (int ring = 1; ring <= radius; ++ring) {
            const double strength = 1.0 - double(ring) / (radius + 1);
            painter.setPen(QPen(QColor::fromRgbF(0, 0, 0, float(0.14 * 0.35 * strength * strength)), 1));
            painter.drawRoundedRect(
                board.adjusted(-ring + 0.5, -ring + 0.5, ring - 0.5, ring - 0.5), ring, ring);
        }
    }
};

// Drawn over everything and transparent to the mouse: the rounded corners (by covering what lies
// outside them in the window colour), the drop highlight and the border.
class PreviewFrame : public QWidget
{
public:
    explicit PreviewFrame(BoardPreview* preview)
        : QWidget(preview)
        , m_preview(preview)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QPainterPath shape = roundedShape(QRectF(rect()));
        QPainterPath outside;
        outside.addRect(QRectF(rect()));
        painter.fillPath(outside.subtracted(shape), InterfaceStyle::windowBackground(this));
        if (m_preview->isDropTargeted()) {
            painter.fillPath(shape, InterfaceStyle::accent(this, 0.08));
            painter.setPen(QPen(InterfaceStyle::accent(this), 2));
            painter.drawPath(roundedShape(QRectF(rect()).adjusted(1, 1, -1, -1)));
        } else {
            painter.setPen(QPen(InterfaceStyle::primary(this, 0.07), 1));
            painter.drawPath(roundedShape(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5)));
        }
    }

private:
    BoardPreview* m_preview;
};

} // namespace

BoardPreview::BoardPreview(BoardStore& store, QWidget* parent)
    : QWidget(parent)
    , m_store(store)
    , m_emptyState(new PreviewEmptyState(store, this))
    , m_scrollArea(new QScrollArea(this))
    , m_content(new PreviewContent(m_scrollArea))
    , m_canvas(new BoardCanvas(store, m_content))
    , m_frame(new PreviewFrame(this))
{
    setAcceptDrops(true);
    setMinimumSize(200, 160);
    static_cast<PreviewContent*>(m_content)->canvas = m_canvas;
    m_scrollArea->setFrameShape(QFrame::NoFrame);
    m_scrollArea->setWidgetResizable(false);
    m_scrollArea->setWidget(m_content);
    m_scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_scrollArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The preview's own background shows through the scrolled area.
    m_scrollArea->setStyleSheet(QStringLiteral("QScrollArea { background: transparent; }"));
    m_scrollArea->viewport()->setAutoFillBackground(false);
    ToneWidgets::slimScrollBars(m_scrollArea);
    m_content->setAutoFillBackground(false);
    m_frame->raise();
    // The board is one Tab stop; its keys move and remove photos in the grid's order.
    m_scrollArea->setFocusPolicy(Qt::StrongFocus);
    m_scrollArea->setAccessibleName(QCoreApplication::translate("BoardPreview", "Board preview"));
    m_scrollArea->setToolTip(PhotoKeyboard::helpText(true));
    m_scrollArea->setAccessibleDescription(PhotoKeyboard::helpText(true));
    new PhotoKeyboard(
        m_store, m_scrollArea, [this] { return qsizetype(m_store.settings().normalized().columns); });
    m_focusRing = new FocusRing(m_scrollArea, cornerRadius);

    connect(&m_store, &BoardStore::photosChanged, this, &BoardPreview::refresh);
    connect(&m_store, &BoardStore::settingsChanged, this, &BoardPreview::refresh);
    connect(&m_store, &BoardStore::selectedPhotoIDChanged, this, [this] {
        // Keys move the selection off screen in a tall board; the view follows them.
        if (m_scrollArea->hasFocus()) {
            QTimer::singleShot(0, this, &BoardPreview::revealSelection);
        }
    });
    connect(&m_store, &BoardStore::isBusyChanged, this, [this](bool busy) {
        if (busy) {
            setDropTargeted(false);
        }
    });
    refresh();
}

double BoardPreview::previewScale(double availableWidth, double layoutWidth)
{
    const double scale = (availableWidth - 2 * canvasMargin) / std::max(layoutWidth, 1.0);
    if (!(scale >= minimumScale)) {
        return minimumScale;
    }
    return std::min(scale, 1.0);
}

double BoardPreview::previewScale(double availableWidth) const
{
    return previewScale(availableWidth, BoardLayout(m_store.photos().size(), m_store.settings()).width());
}

bool BoardPreview::offersImages(const QMimeData& mimeData)
{
    for (const QUrl& url : mimeData.urls()) {
        if (url.isLocalFile()) {
            return true;
        }
    }
    const QMimeDatabase database;
    for (const QString& format : mimeData.formats()) {
        if (format.startsWith(QLatin1String("image/")) && database.mimeTypeForName(format).isValid()) {
            return true;
        }
    }
    return false;
}

void BoardPreview::refresh()
{
    const bool empty = m_store.photos().isEmpty();
    m_emptyState->setVisible(empty);
    m_scrollArea->setVisible(!empty);
    if (!empty) {
        m_canvas->refresh();
        placeCanvas();
    }
}

void BoardPreview::placeCanvas()
{
    const QSize viewport = m_scrollArea->size();
    const int scrollBar = m_scrollArea->verticalScrollBar()->sizeHint().width();
    const double layoutWidth = m_canvas->layout().width();
    const double available = viewport.width();
    double scale = previewScale(available, layoutWidth);
    // A board taller than the view needs the vertical scroll bar; fit to the width beside it
    // so that no horizontal scroll bar appears as well.
    const bool tall = std::ceil(m_canvas->layout().height() * scale) + 2 * canvasMargin > viewport.height();
    if (tall) {
        scale = previewScale(available - scrollBar, layoutWidth);
    }
    m_canvas->setScale(scale);
    const QSize board = m_canvas->scaledSize();
    const int visibleWidth = viewport.width() - (tall ? scrollBar : 0);
    // Rounding the board up to whole pixels must not by itself call for a horizontal scroll bar.
    const int contentWidth = board.width() + 2 * canvasMargin <= visibleWidth + 1
        ? visibleWidth
        : board.width() + 2 * canvasMargin;
    const QSize content(contentWidth, std::max(board.height() + 2 * canvasMargin, viewport.height()));
    m_content->resize(content);
    m_canvas->move((content.width() - board.width()) / 2, canvasMargin);
    m_content->update();
}

void BoardPreview::revealSelection()
{
    for (const PreviewTile* tile : m_canvas->tiles()) {
        if (tile->isSelected()) {
            m_scrollArea->ensureWidgetVisible(const_cast<PreviewTile*>(tile), canvasMargin, canvasMargin);
        }
    }
}

void BoardPreview::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_emptyState->setGeometry(rect());
    m_scrollArea->setGeometry(rect().adjusted(1, 1, -1, -1));
    m_frame->setGeometry(rect());
    if (!m_store.photos().isEmpty()) {
        placeCanvas();
    }
}

void BoardPreview::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(roundedShape(QRectF(rect())), InterfaceStyle::underPageBackground(this));
}

void BoardPreview::setDropTargeted(bool targeted)
{
    if (targeted != m_isDropTargeted) {
        m_isDropTargeted = targeted;
        m_frame->update();
    }
}

void BoardPreview::dragEnterEvent(QDragEnterEvent* event)
{
    if (m_store.isBusy() || event->mimeData() == nullptr || !offersImages(*event->mimeData())) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    setDropTargeted(true);
}

void BoardPreview::dragMoveEvent(QDragMoveEvent* event)
{
    if (m_store.isBusy() || event->mimeData() == nullptr || !offersImages(*event->mimeData())) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
}

void BoardPreview::dragLeaveEvent(QDragLeaveEvent*)
{
    setDropTargeted(false);
}

void BoardPreview::dropEvent(QDropEvent* event)
{
    setDropTargeted(false);
    // A drop during an import or export is refused without a message.
    const bool taken = !m_store.isBusy() && event->mimeData() != nullptr
        && m_store.handleDrop(DropItem::fromMimeData(*event->mimeData()));
    if (taken) {
        event->acceptProposedAction();
    } else {
        event->setDropAction(Qt::IgnoreAction);
        event->ignore();
    }
}
