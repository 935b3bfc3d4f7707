#ifndef RECOVERYSTORE_H
#define RECOVERYSTORE_H

#include "projectsnapshot.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>

#include <memory>

class QLockFile;
class QThreadPool;

// The recovery copies of the projects with unsaved changes, in
// QStandardPaths::AppDataLocation/recovery (or a folder of one's own).
//
// Each running Quintavo is a session with a name of its own; its copies are
// "<session>-<n>.quintavo", project files whose key "recovery" says which
// file the project came from and its name. While the session runs it holds
// "<session>.lock" (QLockFile); a run that ended without removing its
// copies (a crash, kill -9) leaves them behind with a lock that nobody
// holds, and the next run claims them. Two running sessions never take
// each other's copies.
//
// Copies are written and removed on a worker thread, one after another in
// the order asked, through QSaveFile: a copy is never half written.
class RecoveryStore : public QObject
{
    Q_OBJECT

public:
    // A copy left by a run that did not end normally.
    struct Copy {
        QString path;
        QString name;         // the project's name
        QString file;         // the project's file; empty if never saved
        QDateTime written;
        QStringList alternatives;
    };

    explicit RecoveryStore(QObject *parent = nullptr, const QString &folder = QString());
    ~RecoveryStore() override;

    static QString defaultFolder();
    QString folder() const { return m_folder; }

    // A new path for a copy of this session.
    QString newCopyPath();
    // Writes `project` as the copy at `path`, off the calling thread.
    void write(const QString &path, const ProjectSnapshot &project, const QString &file,
               const QString &name);
    // Removes the copy at `path`, after any write asked before.
    void remove(const QString &path);
    // Waits until every write and removal asked for is done.
    void waitForDone();

    // The copies of sessions that no running Quintavo holds, oldest first;
    // their sessions stay claimed (no other run offers them) until
    // release(). A file that is not a copy is left alone.
    QVector<Copy> claimOrphans();
    // Deletes a claimed copy.
    void discard(const Copy &copy);
    // Lets go of the sessions claimed; copies not discarded are offered
    // again at the next start.
    void release();

    // The bytes of a copy: the project file with the key "recovery".
    static QByteArray copyData(const ProjectSnapshot &project, const QString &file,
                               const QString &name);

private:
    bool lockSession();

    QString m_folder;
    QString session;
    int serial = 0;
    std::unique_ptr<QLockFile> own;
    std::vector<std::unique_ptr<QLockFile>> claimed;
    QThreadPool *worker = nullptr;
};

#endif // RECOVERYSTORE_H
