#include "ui/ToneWidgets.h"

#include "ui/InterfaceStyle.h"
#include "ui/SymbolIcon.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QVariant>

namespace {

const char* const toneProperty = "tesserlyTone";
const char* const symbolProperty = "tesserlySymbol";
const char* const symbolSizeProperty = "tesserlySymbolSize";
const char* const dividerProperty = "tesserlyDivider";
const char* const slimProperty = "tesserlySlimScrollBars";

QColor colourOf(ToneWidgets::Tone tone)
{
    // From the application's palette, never the widget's own (which holds the tone already).
    switch (tone) {
    case ToneWidgets::Tone::primary:
        return InterfaceStyle::primary(nullptr);
    case ToneWidgets::Tone::secondary:
        return InterfaceStyle::secondaryText(nullptr);
    case ToneWidgets::Tone::tertiary:
        return InterfaceStyle::tertiaryText(nullptr);
    case ToneWidgets::Tone::accent:
        return InterfaceStyle::accent(nullptr);
    case ToneWidgets::Tone::warning:
        return InterfaceStyle::warning();
    }
    return InterfaceStyle::primary(nullptr);
}

} // namespace

QLabel* ToneWidgets::label(const QString& text, const QFont& font, Tone tone, QWidget* parent)
{
    auto* result = new QLabel(text, parent);
    result->setFont(font);
    setTone(result, tone);
    return result;
}

QLabel* ToneWidgets::note(const QString& text, Tone tone, QWidget* parent)
{
    QLabel* result = label(text, InterfaceStyle::caption(), tone, parent);
    result->setWordWrap(true);
    return result;
}

QLabel* ToneWidgets::symbol(const QString& symbol, Tone tone, int size, QWidget* parent)
{
    auto* result = new QLabel(parent);
    result->setProperty(symbolProperty, symbol);
    result->setProperty(symbolSizeProperty, size);
    result->setProperty(toneProperty, int(tone));
    result->setFixedSize(size, size);
    apply(result);
    return result;
}

QFrame* ToneWidgets::divider(QWidget* parent, bool vertical)
{
    auto* line = new QFrame(parent);
    if (vertical) {
        line->setFixedWidth(1);
    } else {
        line->setFixedHeight(1);
    }
    line->setAutoFillBackground(true);
    line->setProperty(dividerProperty, true);
    apply(line);
    return line;
}

void ToneWidgets::setTone(QWidget* widget, Tone tone)
{
    widget->setProperty(toneProperty, int(tone));
    apply(widget);
}

void ToneWidgets::slimScrollBars(QAbstractScrollArea* area)
{
    area->setProperty(slimProperty, true);
    apply(area);
}

void ToneWidgets::apply(QWidget* widget)
{
    if (widget->property(dividerProperty).toBool()) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::Window, InterfaceStyle::primary(nullptr, 0.12));
        widget->setPalette(palette);
    }
    if (auto* area = qobject_cast<QAbstractScrollArea*>(widget);
        area && widget->property(slimProperty).toBool()) {
        InterfaceStyle::useSlimScrollBars(area);
    }
    const QVariant tone = widget->property(toneProperty);
    if (!tone.isValid()) {
        return;
    }
    const QColor colour = colourOf(Tone(tone.toInt()));
    const QString symbol = widget->property(symbolProperty).toString();
    if (auto* label = qobject_cast<QLabel*>(widget); label && !symbol.isEmpty()) {
        const int size = widget->property(symbolSizeProperty).toInt();
        label->setPixmap(
            SymbolIcon::drawn(symbol, colour).pixmap(QSize(size, size), widget->devicePixelRatioF()));
        return;
    }
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Active, QPalette::WindowText, colour);
    palette.setColor(QPalette::Inactive, QPalette::WindowText, colour);
    // A label of a disabled area (while busy, say) fades with the controls around it.
    palette.setColor(QPalette::Disabled, QPalette::WindowText, InterfaceStyle::disabled(colour));
    widget->setPalette(palette);
}

void ToneWidgets::refresh(QWidget* root)
{
    apply(root);
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        apply(widget);
    }
}
