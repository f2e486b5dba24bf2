#pragma once

#include <QFont>
#include <QString>

class QAbstractScrollArea;
class QFrame;
class QLabel;
class QWidget;

// Labels, dividers and symbols in one of the window's tones (secondary text, accent, ...). The
// tone is remembered on the widget, so that when the desktop or the Settings window switches
// between light and dark, refresh() recolours every one of them from the new palette.
class ToneWidgets
{
public:
    enum class Tone { primary, secondary, tertiary, accent, warning };

    static QLabel* label(const QString& text, const QFont& font, Tone tone, QWidget* parent);
    // A line of text that wraps, in the caption font.
    static QLabel* note(const QString& text, Tone tone, QWidget* parent);
    static QLabel* symbol(const QString& symbol, Tone tone, int size, QWidget* parent);
    // A one-point line in the primary colour at 12 %.
    static QFrame* divider(QWidget* parent, bool vertical);
    // Gives any widget's text a tone.
    static void setTone(QWidget* widget, Tone tone);
    // Slim scroll bars that follow the palette as well.
    static void slimScrollBars(QAbstractScrollArea* area);

    // Recolours every toned widget under root (root included).
    static void refresh(QWidget* root);

private:
    static void apply(QWidget* widget);
};
