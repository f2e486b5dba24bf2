#include "ui/PhotoStripView.h"

#include "store/BoardStore.h"
#include "ui/FocusRing.h"
#include "ui/InterfaceStyle.h"
#include "ui/PhotoKeyboard.h"
#include "ui/PhotoThumbnail.h"
#include "ui/SymbolIcon.h"
#include "ui/ToneWidgets.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QPropertyAnimation>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace {

QLabel* styledLabel(const QString& text, const QFont& font, ToneWidgets::Tone tone, QWidget* parent)
{
    return ToneWidgets::label(text, font, tone, parent);
}

// "Move selected image earlier (Alt+Left)": a header button's help names its key.
QString withKey(const QString& text, QKeyCombination keys)
{
    return text + QStringLiteral(" (") + QKeySequence(keys).toString(QKeySequence::NativeText)
        + QLatin1Char(')');
}

} // namespace

PhotoStripView::PhotoStripView(BoardStore& store, QWidget* parent)
    : QWidget(parent)
    , m_store(store)
    , m_note(styledLabel(QString(), InterfaceStyle::caption(), ToneWidgets::Tone::secondary, this))
    , m_pasteButton(headerButton(QStringLiteral("doc.on.clipboard"),
          QCoreApplication::translate("PhotoStripView", "Paste copied images (%1)")
              .arg(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_V).toString(QKeySequence::NativeText)),
          QCoreApplication::translate("PhotoStripView", "Paste images")))
    , m_earlierButton(headerButton(QStringLiteral("chevron.left"),
          withKey(QCoreApplication::translate("PhotoStripView", "Move selected image earlier"),
              Qt::ALT | Qt::Key_Left),
          QCoreApplication::translate("PhotoStripView", "Move selected image earlier")))
    , m_laterButton(headerButton(QStringLiteral("chevron.right"),
          withKey(QCoreApplication::translate("PhotoStripView", "Move selected image later"),
              Qt::ALT | Qt::Key_Right),
          QCoreApplication::translate("PhotoStripView", "Move selected image later")))
    , m_removeButton(headerButton(QStringLiteral("trash"),
          withKey(QCoreApplication::translate("PhotoStripView", "Remove selected image from this board"),
              Qt::Key_Delete),
          QCoreApplication::translate("PhotoStripView", "Remove selected image")))
    , m_body(new QStackedWidget(this))
    , m_scrollArea(new QScrollArea(this))
    , m_row(new QWidget(m_scrollArea))
    , m_scrollAnimation(new QPropertyAnimation(m_scrollArea->horizontalScrollBar(), "value", this))
{
    setFixedHeight(stripHeight);
    auto* column = new QVBoxLayout(this);
    // 12 above and below as far as the fixed height allows once the header's buttons are in.
    column->setContentsMargins(22, 10, 22, 8);
    column->setSpacing(9);

    auto* header = new QHBoxLayout;
    header->setSpacing(10);
    header->addWidget(styledLabel(QCoreApplication::translate("PhotoStripView", "Images"),
        InterfaceStyle::weighted(InterfaceStyle::callout(), QFont::DemiBold), ToneWidgets::Tone::primary,
        this));
    header->addWidget(m_note);
    header->addStretch(1);
    for (QToolButton* button : { m_pasteButton, m_earlierButton, m_laterButton, m_removeButton }) {
        header->addWidget(button);
    }
    column->addLayout(header);

    auto* empty = new QWidget(m_body);
    empty->setMinimumHeight(95);
    auto* emptyRow = new QHBoxLayout(empty);
    emptyRow->setSpacing(9);
    emptyRow->addStretch(1);
    emptyRow->addWidget(
        ToneWidgets::symbol(QStringLiteral("arrow.up.doc"), ToneWidgets::Tone::secondary, 16, empty));
    emptyRow->addWidget(styledLabel(
        QCoreApplication::translate("PhotoStripView", "Add images above, or drop them onto the preview."),
        InterfaceStyle::caption(), ToneWidgets::Tone::secondary, empty));
    emptyRow->addStretch(1);
    m_body->addWidget(empty);

    m_scrollArea->setFixedHeight(101);
    m_scrollArea->setFrameShape(QFrame::NoFrame);
    m_scrollArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_scrollArea->setWidgetResizable(true);
    m_scrollArea->setWidget(m_row);
    m_scrollArea->viewport()->setAutoFillBackground(false);
    ToneWidgets::slimScrollBars(m_scrollArea);
    // The whole row is one Tab stop; its keys and the wheel work on the photos.
    m_scrollArea->setFocusPolicy(Qt::StrongFocus);
    m_scrollArea->setAccessibleName(QCoreApplication::translate("PhotoStripView", "Images"));
    m_scrollArea->setToolTip(PhotoKeyboard::helpText(false));
    m_scrollArea->setAccessibleDescription(PhotoKeyboard::helpText(false));
    new PhotoKeyboard(m_store, m_scrollArea, [] { return qsizetype(1); });
    m_scrollArea->viewport()->installEventFilter(this);
    m_row->setAutoFillBackground(false);
    auto* row = new QHBoxLayout(m_row);
    row->setContentsMargins(2, 3, 2, 3);
    row->setSpacing(8);
    row->addStretch(1);
    m_body->addWidget(m_scrollArea);
    m_focusRing = new FocusRing(m_scrollArea, 8);
    column->addWidget(m_body);

    m_scrollAnimation->setDuration(180);
    m_scrollAnimation->setEasingCurve(QEasingCurve::InOutQuad);

    connect(m_pasteButton, &QToolButton::clicked, &m_store, &BoardStore::pasteImages);
    connect(m_earlierButton, &QToolButton::clicked, this, [this] {
        if (const std::optional<QUuid> id = m_store.selectedPhotoID()) {
            m_store.movePhoto(*id, -1);
        }
    });
    connect(m_laterButton, &QToolButton::clicked, this, [this] {
        if (const std::optional<QUuid> id = m_store.selectedPhotoID()) {
            m_store.movePhoto(*id, 1);
        }
    });
    connect(m_removeButton, &QToolButton::clicked, this, [this] {
        if (const std::optional<QUuid> id = m_store.selectedPhotoID()) {
            m_store.removePhoto(*id);
        }
    });
    connect(&m_store, &BoardStore::photosChanged, this, &PhotoStripView::refreshPhotos);
    connect(&m_store, &BoardStore::selectedPhotoIDChanged, this, [this] {
        refreshSelection();
        if (m_store.selectedPhotoID()) {
            // After the row has laid out any thumbnail that has just been added.
            QTimer::singleShot(0, this, &PhotoStripView::scrollToSelection);
        }
    });
    refreshPhotos();
}

QToolButton* PhotoStripView::headerButton(
    const QString& symbol, const QString& help, const QString& accessibleName)
{
    auto* button = new QToolButton(this);
    button->setIcon(SymbolIcon::icon(symbol));
    button->setIconSize(QSize(14, 14));
    button->setToolTip(help);
    button->setAccessibleName(accessibleName);
    button->setAutoRaise(false);
    button->setFixedSize(30, 24);
    return button;
}

bool PhotoStripView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_scrollArea->viewport() && event->type() == QEvent::Wheel) {
        const auto* wheel = static_cast<QWheelEvent*>(event);
        const QPoint delta = wheel->angleDelta();
        // A strip only scrolls sideways: the usual vertical wheel moves it along.
        if (std::abs(delta.y()) > std::abs(delta.x())) {
            QCoreApplication::sendEvent(m_scrollArea->horizontalScrollBar(), event);
            event->accept();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

std::optional<qsizetype> PhotoStripView::selectedIndex() const
{
    const std::optional<QUuid>& selected = m_store.selectedPhotoID();
    if (!selected) {
        return std::nullopt;
    }
    const QList<BoardPhoto>& photos = m_store.photos();
    for (qsizetype index = 0; index < photos.size(); ++index) {
        if (photos[index].id() == *selected) {
            return index;
        }
    }
    return std::nullopt;
}

void PhotoStripView::refreshPhotos()
{
    const QList<BoardPhoto>& photos = m_store.photos();
    auto* row = static_cast<QHBoxLayout*>(m_row->layout());
    while (m_thumbnails.size() < photos.size()) {
        auto* thumbnail = new PhotoThumbnail(m_store, m_row);
        row->insertWidget(int(m_thumbnails.size()), thumbnail, 0, Qt::AlignTop);
        m_thumbnails.append(thumbnail);
    }
    while (m_thumbnails.size() > photos.size()) {
        delete m_thumbnails.takeLast();
    }
    for (qsizetype index = 0; index < photos.size(); ++index) {
        m_thumbnails[index]->bind(photos[index], index, photos.size());
    }
    m_note->setText(photos.isEmpty()
            ? QCoreApplication::translate("PhotoStripView", "Your images will appear here")
            : QCoreApplication::translate("PhotoStripView", "Drag to reorder"));
    m_body->setCurrentIndex(photos.isEmpty() ? 0 : 1);
    refreshSelection();
}

void PhotoStripView::refreshSelection()
{
    const std::optional<QUuid>& selected = m_store.selectedPhotoID();
    for (PhotoThumbnail* thumbnail : std::as_const(m_thumbnails)) {
        thumbnail->setSelected(selected && *selected == thumbnail->photoID());
    }
    const std::optional<qsizetype> index = selectedIndex();
    m_earlierButton->setEnabled(index && *index > 0);
    m_laterButton->setEnabled(index && *index < m_store.photos().size() - 1);
    m_removeButton->setEnabled(selected.has_value());
}

void PhotoStripView::scrollToSelection()
{
    const std::optional<qsizetype> index = selectedIndex();
    if (!index || *index >= m_thumbnails.size()) {
        return;
    }
    m_row->layout()->activate();
    const PhotoThumbnail* thumbnail = m_thumbnails[*index];
    QScrollBar* bar = m_scrollArea->horizontalScrollBar();
    const int centre = thumbnail->geometry().center().x();
    const int target
        = std::clamp(centre - m_scrollArea->viewport()->width() / 2, bar->minimum(), bar->maximum());
    m_scrollAnimation->stop();
    if (target == bar->value()) {
        return;
    }
    m_scrollAnimation->setStartValue(bar->value());
    m_scrollAnimation->setEndValue(target);
    m_scrollAnimation->start();
}
