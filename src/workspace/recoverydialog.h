#ifndef RECOVERYDIALOG_H
#define RECOVERYDIALOG_H

#include <QDialog>
#include <QList>
#include <QStringList>

// "Recuperar proyectos": the projects whose recovery copies a run that did
// not end normally left behind, one line each with the project's name, its
// file and the time of the copy. "Recuperar" opens them, "Descartar"
// deletes the copies; closing the dialog keeps them for the next start.
class RecoveryDialog : public QDialog
{
    Q_OBJECT

public:
    enum Choice { Later = 0, Recover, Discard };

    // `copies`: name, file and time of each copy.
    explicit RecoveryDialog(const QList<QStringList> &copies, QWidget *parent = nullptr);
    ~RecoveryDialog() override;
};

#endif // RECOVERYDIALOG_H
