#include "ui/BoardFooter.h"

#include "store/BoardStore.h"
#include "ui/ElidedLabel.h"
#include "ui/ExportMenuButton.h"
#include "ui/InterfaceStyle.h"
#include "ui/SymbolIcon.h"
#include "ui/ToneWidgets.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>

namespace {

// A 5-point dot in the secondary colour: the board has unsaved changes.
class UnsavedDot : public QWidget
{
public:
    explicit UnsavedDot(QWidget* parent)
        : QWidget(parent)
    {
        setFixedSize(5, 5);
        setAccessibleName(QCoreApplication::translate("BoardFooter", "Unsaved changes"));
        setToolTip(QCoreApplication::translate("BoardFooter", "This board has unsaved changes"));
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        QColor colour = InterfaceStyle::secondaryText(this);
        colour.setAlphaF(colour.alphaF() * 0.65f);
        painter.setBrush(colour);
        painter.drawEllipse(QRectF(rect()));
    }
};

} // namespace

BoardFooter::BoardFooter(BoardStore& store, QWidget* parent)
    : QWidget(parent)
    , m_store(store)
    , m_count(new QLabel(this))
    , m_unsavedDot(new UnsavedDot(this))
    , m_status(new ElidedLabel(this, Qt::ElideMiddle))
    , m_copy(new QPushButton(SymbolIcon::icon(QStringLiteral("doc.on.doc")),
          QCoreApplication::translate("BoardFooter", "Copy PNG"), this))
    , m_export(new ExportMenuButton(this))
    , m_exportPNG(nullptr)
    , m_exportPDF(nullptr)
{
    setMinimumHeight(minimumBarHeight);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(20, 13, 20, 13);
    row->setSpacing(14);

    QLabel* countIcon
        = ToneWidgets::symbol(QStringLiteral("photo.stack"), ToneWidgets::Tone::secondary, 16, this);
    auto* countRow = new QHBoxLayout;
    countRow->setSpacing(6);
    countRow->addWidget(countIcon);
    countRow->addWidget(m_count);
    row->addLayout(countRow);
    m_count->setFont(InterfaceStyle::callout());
    ToneWidgets::setTone(m_count, ToneWidgets::Tone::secondary);
    m_count->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);

    row->addWidget(m_unsavedDot, 0, Qt::AlignVCenter);
    m_status->setFont(InterfaceStyle::caption());
    ToneWidgets::setTone(m_status, ToneWidgets::Tone::secondary);
    m_status->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    row->addWidget(m_status, 1);

    m_copy->setMinimumHeight(32);
    m_copy->setToolTip(QCoreApplication::translate("BoardFooter", "Copy the finished board as an image"));
    row->addWidget(m_copy);

    auto* menu = new QMenu(m_export);
    m_exportPNG = menu->addAction(
        QCoreApplication::translate("BoardFooter", "Export PNG…"), &m_store, &BoardStore::exportPNG);
    m_exportPDF = menu->addAction(
        QCoreApplication::translate("BoardFooter", "Export PDF…"), &m_store, &BoardStore::exportPDF);
    m_export->setMenu(menu);
    m_export->setToolTip(
        QCoreApplication::translate("BoardFooter", "Export the finished board as PNG or PDF"));
    m_export->setAccessibleName(QCoreApplication::translate("BoardFooter", "Export"));
    row->addWidget(m_export);

    connect(m_copy, &QPushButton::clicked, &m_store, &BoardStore::copyPNG);
    connect(&m_store, &BoardStore::changed, this, &BoardFooter::refresh);
    refresh();
}

QString BoardFooter::imageCountText(qsizetype count)
{
    return count == 1 ? QCoreApplication::translate("BoardFooter", "1 image")
                      : QCoreApplication::translate("BoardFooter", "%1 images").arg(count);
}

void BoardFooter::refresh()
{
    m_count->setText(imageCountText(m_store.photos().size()));
    m_unsavedDot->setVisible(m_store.hasUnsavedChanges());
    m_status->setText(m_store.statusMessage());
    m_status->setToolTip(m_store.statusMessage());
    const bool canExport = m_store.canExport();
    m_copy->setEnabled(canExport);
    m_export->setEnabled(canExport);
    m_exportPNG->setEnabled(canExport);
    m_exportPDF->setEnabled(canExport);
}
