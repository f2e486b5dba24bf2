#pragma once

#include <optional>
#include <QFileDialog>

// A file dialog that treats a folder named *.tesserly as one document: choosing it (Open or Save
// button, Enter, a double click) picks the folder itself instead of entering it. Qt's own dialog
// is used because a desktop's native one cannot be told that such a folder is a document.
class PackageFileDialog : public QFileDialog
{
    Q_OBJECT

public:
    PackageFileDialog(
        QWidget* parent, const QString& title, const QString& packageSuffix, QFileDialog::AcceptMode mode);

    // The chosen package after exec() returned Accepted.
    std::optional<QString> chosenPackage() const { return m_chosen; }
    bool isPackage(const QString& path) const;

    void accept() override;

private:
    // A save over an existing package replaces it, so the user confirms first.
    bool confirmReplace(const QString& path);
    void choose(const QString& path);

    QString m_suffix;
    std::optional<QString> m_chosen;
    bool m_choosing = false;
};
