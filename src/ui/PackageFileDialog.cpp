#include "ui/PackageFileDialog.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

PackageFileDialog::PackageFileDialog(
    QWidget* parent, const QString& title, const QString& packageSuffix, QFileDialog::AcceptMode mode)
    : QFileDialog(parent, title)
    , m_suffix(packageSuffix)
{
    setOption(QFileDialog::DontUseNativeDialog);
    setAcceptMode(mode);
    setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    // A double click on a package enters it; entering a package means choosing it.
    connect(this, &QFileDialog::directoryEntered, this, [this](const QString& directory) {
        if (isPackage(directory) && !m_choosing) {
            choose(directory);
        }
    });
}

bool PackageFileDialog::isPackage(const QString& path) const
{
    const QFileInfo info(path);
    return info.isDir() && info.suffix().compare(m_suffix, Qt::CaseInsensitive) == 0;
}

bool PackageFileDialog::confirmReplace(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    return QMessageBox::warning(this, windowTitle(),
               QStringLiteral("“") + name + QStringLiteral("” already exists. Do you want to replace it?"),
               QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes;
}

void PackageFileDialog::choose(const QString& path)
{
    m_choosing = true;
    if (acceptMode() == QFileDialog::AcceptSave && QFileInfo::exists(path) && !confirmReplace(path)) {
        // Stay where the package is, outside it.
        setDirectory(QFileInfo(path).absolutePath());
        m_choosing = false;
        return;
    }
    m_chosen = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    m_choosing = false;
    QDialog::accept();
}

void PackageFileDialog::accept()
{
    const QStringList files = selectedFiles();
    if (files.size() == 1) {
        QString path = files.first();
        if (isPackage(path)) {
            choose(path);
            return;
        }
        if (acceptMode() == QFileDialog::AcceptSave && !QFileInfo(path).isDir()) {
            if (QFileInfo(path).suffix().compare(m_suffix, Qt::CaseInsensitive) != 0) {
                path += QLatin1Char('.') + m_suffix;
            }
            if (QFileInfo(path).isFile()) {
                // A plain file by that name: replacing it is the user's call as well.
                if (confirmReplace(path)) {
                    m_chosen = path;
                    QDialog::accept();
                }
                return;
            }
            choose(path);
            return;
        }
    }
    QFileDialog::accept();
}
