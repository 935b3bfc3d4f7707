#ifndef DIALOGS_H
#define DIALOGS_H

#include <QString>

class QWidget;

// The one place where the windows ask the user something in a dialog.
//
// The windows never open a dialog of their own: they ask Dialogs::instance(),
// whose methods open the real Qt dialogs. Tests install a subclass that
// answers at once, and keep the real dialogs for the few tests that answer
// them as a user does.
class Dialogs
{
public:
    virtual ~Dialogs();

    static Dialogs *instance();
    // Installs `dialogs` (not owned) in place of the real ones; null restores them.
    static void setInstance(Dialogs *dialogs);

    // "Añadir Alternativa": the typed title; empty when cancelled.
    virtual QString alternativeTitle(QWidget *parent);
    // "Añadir Flujo": the index of the chosen kind (0 uniform, 1 arithmetic,
    // 2 geometric) in *kind; false when cancelled.
    virtual bool flowKind(QWidget *parent, int *kind);
};

#endif // DIALOGS_H
