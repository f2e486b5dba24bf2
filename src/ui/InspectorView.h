#pragma once

#include "model/BoardSettings.h"

#include <functional>
#include <QCoreApplication>
#include <QList>
#include <QWidget>

class BackgroundButton;
class BoardStore;
class CaptionEditor;
class InspectorSlider;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class SegmentedPicker;
class SwitchToggle;

// The settings panel beside the preview. It keeps no state: every control shows the store's
// settings and writes a changed copy back through the store, one undoable change per edit.
class InspectorView : public QWidget
{
    Q_OBJECT

public:
    static constexpr int panelWidth = 310;

    InspectorView(BoardStore& store, QWidget* parent = nullptr);

    // The five standard widths and the board's own, sorted, without repeats.
    static QList<qint64> widthChoices(qint64 outputWidth);
    // False without photos; otherwise whether the export would break a side or the area limit.
    static bool exceedsExportLimits(qsizetype photoCount, const BoardSettings& settings);
    static QString warningText()
    {
        return QCoreApplication::translate(
            "InspectorView", "Use more columns or a smaller width to export this board.");
    }
    static QString exportNoteText()
    {
        return QCoreApplication::translate("InspectorView", "PNG for sharing. PDF for printing.");
    }

    SegmentedPicker* columnsPicker() const { return m_columns; }
    QComboBox* cellAspectPicker() const { return m_cellAspect; }
    SegmentedPicker* photoFitPicker() const { return m_photoFit; }
    QLabel* fitNote() const { return m_fitNote; }
    const QList<BackgroundButton*>& backgroundButtons() const { return m_backgroundButtons; }
    InspectorSlider* spacingSlider() const { return m_spacing; }
    InspectorSlider* paddingSlider() const { return m_padding; }
    InspectorSlider* cornerSlider() const { return m_corners; }
    SwitchToggle* numbersToggle() const { return m_showNumbers; }
    QComboBox* captionModePicker() const { return m_captionMode; }
    InspectorSlider* captionSizeSlider() const { return m_captionSize; }
    CaptionEditor* captionEditor() const { return m_captionEditor; }
    QLineEdit* titleField() const { return m_title; }
    InspectorSlider* titleSizeSlider() const { return m_titleSize; }
    QComboBox* widthPicker() const { return m_outputWidth; }
    QLabel* sizeReadout() const { return m_sizeReadout; }
    QWidget* sizeWarning() const { return m_warning; }
    QLabel* exportNote() const { return m_exportNote; }
    QPushButton* resetButton() const { return m_reset; }

    // Colours taken from the application's palette; again after it changes.
    void applyPanelColours();

protected:
    void changeEvent(QEvent* event) override;

private:
    QWidget* layoutBlock();
    QWidget* appearanceBlock();
    QWidget* labelsBlock();
    QWidget* exportBlock();
    InspectorSlider* slider(const QString& title, double minimum, double maximum, double step,
        std::function<void(BoardSettings&, double)> apply);
    void write(const std::function<void(BoardSettings&)>& change);
    void refresh();

    BoardStore& m_store;
    QScrollArea* m_scrollArea;
    SegmentedPicker* m_columns = nullptr;
    QComboBox* m_cellAspect = nullptr;
    SegmentedPicker* m_photoFit = nullptr;
    QLabel* m_fitNote = nullptr;
    QList<BackgroundButton*> m_backgroundButtons;
    InspectorSlider* m_spacing = nullptr;
    InspectorSlider* m_padding = nullptr;
    InspectorSlider* m_corners = nullptr;
    SwitchToggle* m_showNumbers = nullptr;
    QComboBox* m_captionMode = nullptr;
    InspectorSlider* m_captionSize = nullptr;
    CaptionEditor* m_captionEditor = nullptr;
    QLineEdit* m_title = nullptr;
    InspectorSlider* m_titleSize = nullptr;
    QComboBox* m_outputWidth = nullptr;
    QLabel* m_sizeReadout = nullptr;
    QWidget* m_warning = nullptr;
    QLabel* m_exportNote = nullptr;
    QPushButton* m_reset = nullptr;
};
