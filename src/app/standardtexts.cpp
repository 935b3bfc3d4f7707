#include "standardtexts.h"

#include <QLibraryInfo>

StandardTexts::StandardTexts(QObject *parent)
    : QTranslator(parent)
{
    // Without the catalogue installed the texts stay in English.
    (void)load(QStringLiteral("qtbase_es"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

QString StandardTexts::translate(const char *context, const char *sourceText,
                                 const char *disambiguation, int n) const
{
    const QString text = QTranslator::translate(context, sourceText, disambiguation, n);
    if (text.isEmpty() && qstrcmp(context, "QAbstractFileIconProvider") == 0)
        return QTranslator::translate("QFileDialog", sourceText, disambiguation, n);
    return text;
}
