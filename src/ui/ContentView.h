#pragma once

#include <QCoreApplication>
#include <QMessageBox>
#include <QPointer>
#include <QWidget>

class BoardFooter;
class BoardPreview;
class BoardStore;
class BusyOverlay;
class InspectorView;
class PhotoStripView;
class QAction;
class QLabel;

class QToolBar;
class QKeySequence;

// The whole content of the board window: preview with its header, photo strip, inspector,
// footer, busy overlay and error alert. It keeps no state besides the store it observes.
class ContentView : public QWidget
{
    Q_OBJECT

public:
    // Small enough that the window, menu bar, toolbar and title bar included, fits a 1366 × 768
    // screen with a desktop panel: the inspector and the strip scroll, the preview shrinks.
    static constexpr int minimumWidth = 1000;
    static constexpr int minimumHeight = 560;

    explicit ContentView(BoardStore& store, QWidget* parent = nullptr);
    ~ContentView() override;

    // The window's toolbar (Add Images, Open Board, Save Board). It has no parent until the main
    // window takes it with QMainWindow::addToolBar(); the view deletes it if nobody did. It is
    // disabled with the rest of the window while the store is busy.
    QToolBar* toolBar() const;
    QAction* addImagesAction() const { return m_addImages; }
    QAction* openBoardAction() const { return m_openBoard; }
    QAction* saveBoardAction() const { return m_saveBoard; }

    // "2400 × 1725 px": the export size shown above the preview.
    static QString exportSizeText(qint64 pixelWidth, qint64 pixelHeight);
    // A toolbar or menu help text with a shortcut in the desktop's notation.
    static QString helpText(const QString& text, const QKeySequence& shortcut);
    static QString alertTitle() { return QStringLiteral("Tesserly"); }
    static QString fallbackErrorText()
    {
        return QCoreApplication::translate("ContentView", "An unexpected error occurred.");
    }

    BoardPreview* preview() const { return m_preview; }
    PhotoStripView* strip() const { return m_strip; }
    InspectorView* inspector() const { return m_inspector; }
    BoardFooter* footer() const { return m_footer; }
    BusyOverlay* overlay() const { return m_overlay; }
    QLabel* exportSizeLabel() const { return m_exportSize; }
    // The error alert while it is shown.
    QMessageBox* errorAlert() const { return m_alert; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QWidget* buildHeader();
    void createToolBar();
    void refreshHeader();
    void refreshBusy(bool busy);
    void presentError();

    BoardStore& m_store;
    QPointer<QToolBar> m_toolBar;
    QAction* m_addImages = nullptr;
    QAction* m_openBoard = nullptr;
    QAction* m_saveBoard = nullptr;
    QWidget* m_body = nullptr;
    QLabel* m_exportSize = nullptr;
    BoardPreview* m_preview = nullptr;
    PhotoStripView* m_strip = nullptr;
    InspectorView* m_inspector = nullptr;
    BoardFooter* m_footer = nullptr;
    BusyOverlay* m_overlay = nullptr;
    QPointer<QMessageBox> m_alert;
};
