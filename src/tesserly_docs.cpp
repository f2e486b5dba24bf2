// Writes the manual page (tesserly.1) and the bash completion (tesserly.bash) made from the help
// text of `tesserly --help` into the folder given; the build installs them.
#include "cli/ManualPage.h"
#include "cli/RenderHelp.h"
#include "cli/ShellCompletion.h"
#include "cli/Version.h"

#include <QDir>
#include <QFile>
#include <QTextStream>

namespace {

bool write(const QString& path, const QString& text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(text.toUtf8()) >= 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        QTextStream(stderr) << "usage: tesserly_docs FOLDER\n";
        return 2;
    }
    const QDir folder(QFile::decodeName(argv[1]));
    const QString help = RenderHelp::text();
    const bool written = write(folder.filePath(QStringLiteral("tesserly.1")),
                             ManualPage::troff(help, QString::fromLatin1(tesserlyVersion)))
        && write(folder.filePath(QStringLiteral("tesserly.bash")), ShellCompletion::bash(help));
    if (!written) {
        QTextStream(stderr) << "tesserly_docs: cannot write into " << folder.path() << '\n';
        return 1;
    }
    return 0;
}
