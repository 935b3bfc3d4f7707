#include "filestate.h"

#include "dialogs.h"
#include "fileplaces.h"
#include "projectdocument.h"
#include "projectfile.h"

#include <QDir>
#include <QFileInfo>
#include <QUndoStack>
#include <QWidget>

namespace {

// Every project's file state, to find the window that has a file open.
QList<const FileState *> &openStates()
{
    static QList<const FileState *> states;
    return states;
}

// The one spelling of a file's path by which open files are compared.
QString canonical(const QString &path)
{
    const QFileInfo info(path);
    const QString resolved = info.canonicalFilePath();
    return resolved.isEmpty() ? info.absoluteFilePath() : resolved;
}

} // namespace

FileState::FileState(QWidget *window, const ProjectDocument *document, QUndoStack *steps)
    : QObject(window)
    , window(window)
    , document(document)
    , steps(steps)
{
    connect(steps, &QUndoStack::cleanChanged, window,
            [window](bool clean) { window->setWindowModified(!clean); });
    setFilePath(QString());
    openStates().append(this);
}

FileState::~FileState()
{
    openStates().removeAll(this);
}

const FileState *FileState::holderOf(const QString &path, const FileState *except)
{
    const QString file = canonical(path);
    for (const FileState *state : openStates()) {
        if (state != except && !state->m_filePath.isEmpty() && canonical(state->m_filePath) == file)
            return state;
    }
    return nullptr;
}

QString FileState::projectName() const
{
    if (!m_filePath.isEmpty())
        return QFileInfo(m_filePath).completeBaseName();
    const ProjectSnapshot &project = document->project();
    return project.alternatives.isEmpty() ? tr("proyecto")
                                          : project.alternatives.constFirst().name;
}

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
    const QString proposed = m_filePath.isEmpty()
        ? FilePlaces::proposed(QString(), projectName(), QStringLiteral(".quintavo"))
        : m_filePath;
    const QString path = Dialogs::instance()->saveFileName(window, proposed);
    return !path.isEmpty() && saveTo(path);
}

bool FileState::saveTo(const QString &path)
{
    QString error;
    if (const FileState *holder = holderOf(path, this)) {
        Dialogs::instance()->error(
            window, tr("No se guardó «%1»: está abierto en la ventana «%2». Ciérrela o guarde "
                       "con otro nombre.")
                        .arg(QDir::toNativeSeparators(path), holder->displayName()));
        return false;
    }
    if (!ProjectFile::write(path, document->project(), &error,
                            extraKeys ? extraKeys() : QJsonObject())) {
        Dialogs::instance()->error(window, error);
        return false;
    }
    setFilePath(path);
    FilePlaces::remember(path);
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

void FileState::markModified()
{
    steps->resetClean();
    window->setWindowModified(true);
}
