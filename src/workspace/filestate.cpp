#include "filestate.h"

#include "dialogs.h"
#include "projectdocument.h"
#include "projectfile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUndoStack>
#include <QWidget>

FileState::FileState(QWidget *window, const ProjectDocument *document, QUndoStack *steps)
    : QObject(window)
    , window(window)
    , document(document)
    , steps(steps)
{
    connect(steps, &QUndoStack::cleanChanged, window,
            [window](bool clean) { window->setWindowModified(!clean); });
    setFilePath(QString());
}

FileState::~FileState() = default;

void FileState::setFilePath(const QString &path)
{
    m_filePath = path;
    window->setWindowTitle(displayName() + QStringLiteral("[*]"));
}

QString FileState::displayName() const
{
    return m_filePath.isEmpty() ? tr("Proyecto") : QFileInfo(m_filePath).fileName();
}

bool FileState::save()
{
    return m_filePath.isEmpty() ? saveAs() : saveTo(m_filePath);
}

bool FileState::saveAs()
{
    QString proposed = m_filePath;
    if (proposed.isEmpty()) {
        const QDir folder(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
        proposed = folder.filePath(tr("proyecto") + QStringLiteral(".quintavo"));
    }
    const QString path = Dialogs::instance()->saveFileName(window, proposed);
    return !path.isEmpty() && saveTo(path);
}

bool FileState::saveTo(const QString &path)
{
    QString error;
    if (!ProjectFile::write(path, document->project(), &error)) {
        Dialogs::instance()->error(window, error);
        return false;
    }
    setFilePath(path);
    steps->setClean();
    window->setWindowModified(false);
    emit saved(path);
    return true;
}

bool FileState::maySaveChanges()
{
    if (!window->isWindowModified())
        return true;
    switch (Dialogs::instance()->unsavedChanges(window, displayName())) {
    case Dialogs::Answer::Save:
        return save();
    case Dialogs::Answer::Discard:
        return true;
    case Dialogs::Answer::Cancel:
        break;
    }
    return false;
}

void FileState::discardChanges()
{
    window->setWindowModified(false);
}
