#ifndef REPORTEXPORT_H
#define REPORTEXPORT_H

#include <QCoreApplication>
#include <QPageLayout>
#include <QString>

#include <memory>

class QPagedPaintDevice;
class QTextDocument;

// Writes a report document to a file whose suffix names the format:
// .pdf (A4, landscape when the document does not fit a portrait page),
// .odt (OpenDocument text) or .html/.htm (with the document's images in a
// folder beside it, "<name>_archivos"). Images are the document's resources
// named in its markup.
//
// A file is replaced only once it is complete: an earlier file with the
// same name stays whole when the writing fails.
class ReportExport
{
    Q_DECLARE_TR_FUNCTIONS(ReportExport)

public:
    enum class Format { Unknown, Pdf, Odt, Html };

    static Format formatOf(const QString &fileName);
    // For a file dialog: the three types, PDF first.
    static QString fileFilter();

    // An empty string when the file is written; otherwise a sentence that
    // names the file and the reason.
    static QString write(const QTextDocument &document, const QString &fileName);

    // A4 with no margins of its own (the document brings 2 cm), portrait
    // or, when the document is wider than a portrait page, landscape.
    static QPageLayout pageLayout(const QTextDocument &document);

    // Paints `document` on the pages of `device` (a PDF writer, a printer)
    // with 2 cm margins; a document wider than the page is shrunk to fit
    // its width, never cut off.
    static void print(const QTextDocument &document, QPagedPaintDevice *device);

    // A copy of `report`, with its pictures, that begins with the markup
    // `header` and is titled `title` (an HTML file's <title>).
    static std::unique_ptr<QTextDocument> headed(const QTextDocument &report, const QString &title,
                                                 const QString &header);

    // The folder of the images of an HTML file.
    static QString imageFolder(const QString &htmlFileName);

private:
    static QString writePdf(const QTextDocument &document, const QString &fileName);
    static QString writeOdt(const QTextDocument &document, const QString &fileName);
    static QString writeHtml(const QTextDocument &document, const QString &fileName);
    static QString failure(const QString &fileName, const QString &reason);
};

#endif // REPORTEXPORT_H
