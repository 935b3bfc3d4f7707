#ifndef RECOVERYWRITER_H
#define RECOVERYWRITER_H

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>

class ProjectWindow;
class QTimer;
class RecoveryStore;

// Keeps a recovery copy of one project window while it has unsaved changes.
//
// After a change it writes a copy (RecoveryStore), at most once every
// interval() and only when something changed since the last one, from a
// timer: typing never waits for it. The copy is a snapshot of the project
// taken on the GUI thread (the project's texts are shared, not copied) and
// written on the store's worker thread. Saving, discarding the changes and
// closing the window remove the copy.
class RecoveryWriter : public QObject
{
    Q_OBJECT

public:
    RecoveryWriter(ProjectWindow *window, RecoveryStore *store);
    ~RecoveryWriter() override;

    // The least time between two copies of one project, 30 s unless set.
    static int interval();
    static void setInterval(int milliseconds);

    // Writes the copy at once if the project has unsaved changes.
    void writeNow();
    QString copyPath() const { return path; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void changed();
    void removeCopy();

    ProjectWindow *window;
    QPointer<RecoveryStore> store;
    QTimer *timer;
    QElapsedTimer lastWrite;
    QString path;
    bool written = false;
};

#endif // RECOVERYWRITER_H
