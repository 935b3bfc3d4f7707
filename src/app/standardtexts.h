#ifndef STANDARDTEXTS_H
#define STANDARDTEXTS_H

#include <QTranslator>

// Qt's own texts (standard dialogs, context menus, the command line's help)
// in Spanish, from Qt's qtbase_es catalogue. Qt 6 asks for the types of the
// file dialogs' "Tipo" column ("Folder", "%1 File") under a context that the
// catalogue of Qt 6.4 does not translate yet, while it still holds them under
// the file dialog's: those are looked up there, so a folder reads "Carpeta".
class StandardTexts : public QTranslator
{
    Q_OBJECT

public:
    // Loads the catalogue of the Qt the program runs on; isEmpty() when
    // it is not installed.
    explicit StandardTexts(QObject *parent = nullptr);

    QString translate(const char *context, const char *sourceText,
                      const char *disambiguation = nullptr, int n = -1) const override;
};

#endif // STANDARDTEXTS_H
