#pragma once

#include "io/FileDescriptor.h"

#include <functional>
#include <QByteArray>
#include <QList>
#include <QString>

// Writes a package folder beside its destination and puts it in place in one rename, so the
// destination holds the old package or the new one, whole, whatever happens to the process.
//
// The new tree is built in a hidden folder of the destination's parent whose name starts with
// temporaryPrefix(destination name); every file and folder is flushed before the swap. A save
// that is killed leaves such a folder behind; the next successful save to the same destination
// removes it. A save in progress holds an exclusive flock on its folder, so it is never taken
// for a stale one.
class AtomicPackageWriter
{
public:
    struct File
    {
        QString name;
        QByteArray bytes;
    };

    // Throws when the item named `name` in the parent folder must not be thrown away.
    using ReplaceCheck = std::function<void(int parentDescriptor, const QByteArray& name)>;

    // Opens the destination's parent folder; nothing is created yet. Throws PosixError naming the package.
    explicit AtomicPackageWriter(const QString& destinationPath);
    AtomicPackageWriter(const AtomicPackageWriter&) = delete;
    AtomicPackageWriter& operator=(const AtomicPackageWriter&) = delete;
    // Removes whatever this save left in the parent folder, unless it could not prove it ours.
    ~AtomicPackageWriter();

    int parentDescriptor() const { return m_parent.get(); }
    const QByteArray& destinationName() const { return m_destinationName; }

    // Builds the whole tree in the temporary folder: the files at its top, then one folder of
    // files. Throws PosixError.
    void write(const QList<File>& topFiles, const QString& folderName, const QList<File>& folderFiles);

    // Puts the written tree at the destination. With replaceExisting the item there (which the
    // caller has checked) is exchanged with the new tree in one step and checked again once it
    // is aside, so something slipped in meanwhile is put back instead of deleted; without it the
    // rename refuses to replace anything. The old tree and stale folders of killed saves are
    // then removed. Throws PosixError, or what checkDisplaced throws.
    void commit(bool replaceExisting, const ReplaceCheck& checkDisplaced);

    static QByteArray temporaryPrefix(const QByteArray& destinationName);

private:
    enum class State { empty, building, displacedOldTree, foreign };

    void createTemporaryFolder();
    void removeStaleFolders();
    void writeFile(int folderDescriptor, const File& file) const;
    void flushFolder(int folderDescriptor) const;
    static bool removeTree(int parentDescriptor, const QByteArray& name, int depth);

    FileDescriptor m_parent;
    QByteArray m_destinationName;
    // What a system error names: the package being saved.
    QString m_displayName;
    QByteArray m_temporaryName;
    // Held open with an exclusive flock while the tree is being built.
    FileDescriptor m_temporaryFolder;
    State m_state = State::empty;
};
