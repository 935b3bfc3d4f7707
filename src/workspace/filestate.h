#ifndef FILESTATE_H
#define FILESTATE_H

#include <QJsonObject>
#include <QObject>
#include <QString>

#include <functional>

class ProjectDocument;
class QUndoStack;
class QWidget;

// The file of a project window: where the project was opened from or last
// saved to, saving, and the unsaved changes. The window's title is the
// file's name ("Proyecto" until first saved) with the modified marker, which
// is the undo stack's clean state: a step sets it, saving clears it,
// undoing back to the state saved clears it too.
class FileState : public QObject
{
    Q_OBJECT

public:
    FileState(QWidget *window, const ProjectDocument *document, QUndoStack *steps);
    ~FileState() override;

    QString filePath() const { return m_filePath; }
    void setFilePath(const QString &path);
    // The title without the modified marker: the file's name, or "Proyecto".
    QString displayName() const;
    // The name proposed for its files: the file's name without suffix, or,
    // before the first save, the first alternative's name.
    QString projectName() const;
    // The project (other than `except`) whose file is `path`; null for none.
    static const FileState *holderOf(const QString &path, const FileState *except = nullptr);

    // "Guardar": to the project's file; a project never saved goes through
    // saveAs(). False when cancelled or failed (the user has been told
    // why); the project then stays modified and the previous file whole.
    bool save();
    // "Guardar como": asks for a file name, proposing the ".quintavo" one in
    // a folder that exists (FilePlaces).
    bool saveAs();
    // Writes the project to `path`, which becomes its file; tells the user
    // why when it fails. A file that another project window has open is
    // not written.
    bool saveTo(const QString &path);
    // Asks what to do with unsaved changes (Guardar, Descartar, Cancelar)
    // and saves on Guardar. True when the window may close; a Descartar
    // changes nothing yet (see discardChanges()).
    bool maySaveChanges();
    // Forgets the unsaved changes, so that closing asks nothing.
    void discardChanges();
    // Counts the project as changed since it was last saved (a recovered
    // one), until it is saved.
    void markModified();
    // Keys of the window's own that each save adds to the file.
    void setExtraKeys(std::function<QJsonObject()> keys) { extraKeys = std::move(keys); }

signals:
    // The project was written to `path`.
    void saved(const QString &path);

private:
    QWidget *window;
    const ProjectDocument *document;
    QUndoStack *steps;
    QString m_filePath;
    std::function<QJsonObject()> extraKeys;
};

#endif // FILESTATE_H
