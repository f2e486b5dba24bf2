#pragma once

#include "app/TesserlyApp.h"
#include "support/FakeBoardPlatform.h"

#include <gtest/gtest.h>
#include <memory>
#include <QAction>
#include <QPalette>
#include <QTemporaryDir>

class QMenu;

// A whole application on the offscreen platform with a scripted desktop, user settings in a
// fresh folder, and real image files and project packages made on disk.
class AppTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Builds the application; the stored appearance is whatever the test wrote before.
    TesserlyApp& makeApp();
    // Shows the board window and makes it the active window, as a user's click would.
    void showAndActivate();

    // The item titled `item` in the menu titled `menu` of the board window ("&" mnemonics
    // ignored); fails the test when missing.
    QAction* menuItem(const QString& menu, const QString& item) const;
    // The board window's menu titled `title`, or nullptr.
    QMenu* menu(const QString& title) const;

    // Real PNG files in the test's folder.
    QUrl writeImage(const QString& name);
    // A valid, empty project package named `name` in the test's folder.
    QUrl writeProject(const QString& name);
    // Adds real images through the store's own import and waits for it to finish.
    void addImages(int count);
    // Makes one undoable change without images.
    void changeSettings();
    // Waits (processing events) until the store is idle; fails the test after 20 s.
    void waitUntilIdle();

    static void storeAppearance(const QString& value);
    static QString storedAppearance();
    // The palette the application had before any appearance was applied.
    static QPalette desktopPalette();

    QTemporaryDir m_folder;
    QTemporaryDir m_settingsFolder;
    FakeBoardPlatform m_platform;
    int m_beeps = 0;
    std::unique_ptr<TesserlyApp> m_app;
};
