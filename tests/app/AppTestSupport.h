#pragma once

#include "app/AboutView.h"
#include "app/BoardWindow.h"
#include "app/TesserlyApp.h"
#include "app/TesserlySettingsView.h"
#include "support/PackageBuilder.h"
#include "support/StoreTesting.h"
#include "support/TestImages.h"
#include "ui/ContentView.h"

#include <memory>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QPalette>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

// The buttons of the store's unsaved-changes question, in order.
enum UnsavedAnswer : qsizetype { saveAnswer, discardAnswer, cancelAnswer };

// A whole application on the offscreen platform with a scripted desktop, user settings in a
// fresh folder, and real image files and project packages made on disk.
class AppTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;
    // Builds the application with whatever appearance the test stored before.
    TesserlyApp& makeApp()
    {
        m_app = std::make_unique<TesserlyApp>(m_platform, [this] { ++m_beeps; });
        m_terminated = std::make_unique<QSignalSpy>(m_app.get(), &TesserlyApp::terminated);
        return *m_app;
    }
    TesserlyApp& shownApp()
    {
        makeApp().showBoardWindow();
        return *m_app;
    }
    // Shows the board window and makes it the active window, as a user's click would.
    void showAndActivate();
    // The item of the board window's menu titled `menu` ("&" ignored); fails the test when missing.
    QAction* menuItem(const QString& menu, const QString& item) const;
    QUrl writeImage(const QString& name)
    {
        return QUrl::fromLocalFile(
            TestImages::writeFile(m_folder, name, TestImages::png(QSize(40, 30), Qt::red)));
    }
    // A valid, empty project package.
    QUrl writeProject(const QString& name)
    {
        return QUrl::fromLocalFile(PackageBuilder().write(m_folder.filePath(name)));
    }
    // Adds real images through the store's own import and waits for it.
    void addImages(int count);
    // One undoable change without images.
    void changeSettings();
    void waitUntilIdle()
    {
        EXPECT_TRUE(QTest::qWaitFor([this] { return !m_app->store().isBusy(); }, 20000));
    }
    // The messages of the alerts shown so far, in order.
    QStringList alertMessages() const
    {
        QStringList messages;
        for (const AlertRequest& alert : m_platform.alerts) {
            messages.append(alert.message);
        }
        return messages;
    }
    static void storeAppearance(const QString& value)
    {
        QSettings("Vandrel", "Tesserly").setValue("appearance", value);
    }
    // The palette the application had before any appearance was applied.
    static QPalette desktopPalette();
    QTemporaryDir m_folder;
    QTemporaryDir m_settingsFolder;
    FakeBoardPlatform m_platform;
    int m_beeps = 0;
    std::unique_ptr<TesserlyApp> m_app;
    std::unique_ptr<QSignalSpy> m_terminated;
};
