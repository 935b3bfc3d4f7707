#include "recoverystore.h"

#include "filesaving.h"
#include "projectfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QStandardPaths>
#include <QThreadPool>
#include <QUuid>

#include <algorithm>

namespace {

const QString CopySuffix = QStringLiteral(".quintavo");
const QString LockSuffix = QStringLiteral(".lock");
const QString RecoveryKey = QStringLiteral("recovery");

// The session a copy "<session>-<n>.quintavo" belongs to.
QString sessionOf(const QString &copyName)
{
    return copyName.left(copyName.lastIndexOf(QLatin1Char('-')));
}

} // namespace

RecoveryStore::RecoveryStore(QObject *parent, const QString &folder)
    : QObject(parent)
    , m_folder(folder.isEmpty() ? defaultFolder() : folder)
    , session(QUuid::createUuid().toString(QUuid::WithoutBraces))
    , worker(new QThreadPool(this))
{
    worker->setMaxThreadCount(1);
}

RecoveryStore::~RecoveryStore()
{
    waitForDone();
    release();
    // The lock goes with `own`; copies still here were not removed by their
    // windows and stay for the next run.
}

QString RecoveryStore::defaultFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("recovery"));
}

bool RecoveryStore::lockSession()
{
    if (own)
        return true;
    if (!QDir().mkpath(m_folder))
        return false;
    auto lock = std::make_unique<QLockFile>(QDir(m_folder).filePath(session + LockSuffix));
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return false;
    own = std::move(lock);
    return true;
}

QString RecoveryStore::newCopyPath()
{
    return QDir(m_folder).filePath(QStringLiteral("%1-%2%3").arg(session).arg(++serial).arg(CopySuffix));
}

QByteArray RecoveryStore::copyData(const ProjectSnapshot &project, const QString &file,
                                   const QString &name)
{
    return ProjectFile::toJson(project, {{RecoveryKey, QJsonObject{{"file", file}, {"name", name}}}});
}

void RecoveryStore::write(const QString &path, const ProjectSnapshot &project, const QString &file,
                          const QString &name)
{
    // Without the session's lock another run could take the copy for an
    // orphan: nothing is written then.
    if (!lockSession())
        return;
    worker->start([path, project, file, name]() {
        FileSaving::write(path, copyData(project, file, name));
    });
}

void RecoveryStore::remove(const QString &path)
{
    worker->start([path]() { QFile::remove(path); });
}

void RecoveryStore::waitForDone()
{
    worker->waitForDone();
}

QVector<RecoveryStore::Copy> RecoveryStore::claimOrphans()
{
    QVector<Copy> copies;
    const QDir folder(m_folder);
    const QFileInfoList files =
        folder.entryInfoList({QLatin1Char('*') + CopySuffix}, QDir::Files, QDir::Time | QDir::Reversed);
    QStringList sessions;
    for (const QFileInfo &info : files) {
        const QString name = sessionOf(info.fileName());
        if (name.isEmpty() || name == session)
            continue;
        if (!sessions.contains(name)) {
            auto lock = std::make_unique<QLockFile>(folder.filePath(name + LockSuffix));
            // Only a run that is gone leaves its lock free; age says nothing.
            lock->setStaleLockTime(0);
            if (!lock->tryLock(0))
                continue;
            sessions << name;
            claimed.push_back(std::move(lock));
        }
        QFile file(info.filePath());
        if (!file.open(QIODevice::ReadOnly) || file.size() > ProjectFile::MaxFileSize)
            continue;
        const QJsonObject root = QJsonDocument::fromJson(file.readAll()).object();
        if (!root.contains(RecoveryKey))
            continue;
        const QJsonObject recovery = root.value(RecoveryKey).toObject();
        Copy copy;
        copy.path = info.filePath();
        copy.name = recovery.value(QLatin1String("name")).toString();
        copy.file = recovery.value(QLatin1String("file")).toString();
        copy.written = info.lastModified();
        const QJsonArray alternatives = root.value(QLatin1String("alternatives")).toArray();
        for (const QJsonValue &alternative : alternatives)
            copy.alternatives << alternative.toObject().value(QLatin1String("name")).toString();
        copies.append(copy);
    }
    // What a killed write left behind: QSaveFile's unfinished files.
    for (const QString &name : qAsConst(sessions)) {
        const QStringList unfinished =
            folder.entryList({name + QStringLiteral("-*") + CopySuffix + QStringLiteral(".*")},
                             QDir::Files | QDir::Hidden);
        for (const QString &file : unfinished)
            QFile::remove(folder.filePath(file));
    }
    return copies;
}

void RecoveryStore::discard(const Copy &copy)
{
    QFile::remove(copy.path);
}

void RecoveryStore::release()
{
    claimed.clear();
}
