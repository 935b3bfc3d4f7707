#ifndef REPORTDOCUMENT_H
#define REPORTDOCUMENT_H

#include <QImage>
#include <QPair>
#include <QString>
#include <QVector>

// A report as its builder hands it over: the markup and the pictures that
// the markup names in its <img src="..."> tags. Whoever shows, prints or
// exports the report registers each image as an image resource of its
// QTextDocument under its name before setting the markup.
struct ReportDocument {
    QString html;
    QVector<QPair<QString, QImage>> images;

    bool operator==(const ReportDocument &other) const
    {
        return html == other.html && images == other.images;
    }
    bool operator!=(const ReportDocument &other) const { return !(*this == other); }
};

#endif // REPORTDOCUMENT_H
