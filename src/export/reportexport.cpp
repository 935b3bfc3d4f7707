#include "reportexport.h"

#include "filesaving.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QFont>
#include <QPainter>
#include <QPdfWriter>
#include <QPixmap>
#include <QSaveFile>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentWriter>
#include <QTextFrame>
#include <QTextTable>
#include <QUrl>

#include <algorithm>
#include <cerrno>
#include <memory>

namespace {

// Why `file` could not be written, in words; errno still holds the
// system's reason of the call that failed.
QString causeOf(const QSaveFile &file)
{
    return FileSaving::writeCause(file.fileName(), errno, file.errorString()) + QLatin1Char('.');
}

// Pages carry 2 cm margins on every side (QTextDocument::print).
constexpr double PrintMarginsMm = 40.0;

struct ImageUse {
    int position;
    int length;
    QTextImageFormat format;
};

QVector<ImageUse> imagesOf(const QTextDocument &document)
{
    QVector<ImageUse> uses;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.isValid() && fragment.charFormat().isImageFormat())
                uses.append({fragment.position(), fragment.length(),
                             fragment.charFormat().toImageFormat()});
        }
    }
    return uses;
}

QImage imageOf(const QTextDocument &document, const QString &name)
{
    const QVariant resource = document.resource(QTextDocument::ImageResource, QUrl(name));
    if (resource.userType() == QMetaType::QImage)
        return resource.value<QImage>();
    if (resource.userType() == QMetaType::QPixmap)
        return resource.value<QPixmap>().toImage();
    if (resource.userType() == QMetaType::QByteArray)
        return QImage::fromData(resource.toByteArray());
    return QImage();
}

// A copy that owns the images it names, whether or not clone() shares them.
std::unique_ptr<QTextDocument> copyOf(const QTextDocument &document)
{
    std::unique_ptr<QTextDocument> copy(document.clone());
    for (const ImageUse &use : imagesOf(document)) {
        const QImage image = imageOf(document, use.format.name());
        if (!image.isNull())
            copy->addResource(QTextDocument::ImageResource, QUrl(use.format.name()), image);
    }
    return copy;
}

// The OpenDocument writer drops the backgrounds of table cells: give each
// cell's paragraphs the cell's background instead.
void carryCellBackgrounds(QTextFrame *frame)
{
    const QList<QTextFrame *> children = frame->childFrames();
    for (QTextFrame *child : children) {
        if (auto *table = qobject_cast<QTextTable *>(child)) {
            for (int row = 0; row < table->rows(); ++row) {
                for (int column = 0; column < table->columns(); ++column) {
                    const QTextTableCell cell = table->cellAt(row, column);
                    const QBrush background = cell.format().background();
                    if (cell.row() != row || cell.column() != column
                        || background.style() == Qt::NoBrush)
                        continue;
                    QTextBlockFormat format;
                    format.setBackground(background);
                    QTextCursor cursor = cell.firstCursorPosition();
                    cursor.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
                    cursor.mergeBlockFormat(format);
                }
            }
        }
        carryCellBackgrounds(child);
    }
}

} // namespace

std::unique_ptr<QTextDocument> ReportExport::headed(const QTextDocument &report,
                                                    const QString &title, const QString &header)
{
    std::unique_ptr<QTextDocument> copy = copyOf(report);
    copy->setMetaInformation(QTextDocument::DocumentTitle, title);
    QTextCursor start(copy.get());
    start.movePosition(QTextCursor::Start);
    start.insertBlock();
    start.movePosition(QTextCursor::Start);
    start.insertHtml(header);
    return copy;
}

ReportExport::Format ReportExport::formatOf(const QString &fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("pdf"))
        return Format::Pdf;
    if (suffix == QLatin1String("odt"))
        return Format::Odt;
    if (suffix == QLatin1String("html") || suffix == QLatin1String("htm"))
        return Format::Html;
    return Format::Unknown;
}

QString ReportExport::fileFilter()
{
    return tr("Documento PDF (*.pdf);;Texto OpenDocument (*.odt);;Página web (*.html *.htm)");
}

QString ReportExport::imageFolder(const QString &htmlFileName)
{
    const QFileInfo info(htmlFileName);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral("_archivos"));
}

QString ReportExport::failure(const QString &fileName, const QString &reason)
{
    return tr("No se pudo escribir «%1»: %2").arg(QDir::toNativeSeparators(fileName), reason);
}

QString ReportExport::write(const QTextDocument &document, const QString &fileName)
{
    const QString obstacle = FileSaving::writeObstacle(fileName);
    if (!obstacle.isEmpty())
        return failure(fileName, obstacle + QLatin1Char('.'));
    switch (formatOf(fileName)) {
    case Format::Pdf:
        return writePdf(document, fileName);
    case Format::Odt:
        return writeOdt(document, fileName);
    case Format::Html:
        return writeHtml(document, fileName);
    case Format::Unknown:
        break;
    }
    return failure(fileName, tr("el tipo de archivo no es PDF, ODT ni HTML."));
}

QPageLayout ReportExport::pageLayout(const QTextDocument &document)
{
    // Laid out at the width of a portrait page, in the document's own units
    // (pixels at the screen's logical resolution), a report that is wider
    // than that overflows it.
    const QScreen *screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchX() : 96.0;
    const QPageSize a4(QPageSize::A4);
    const double portrait = (a4.size(QPageSize::Millimeter).width() - PrintMarginsMm) / 25.4 * dpi;
    const std::unique_ptr<QTextDocument> copy = copyOf(document);
    copy->setDocumentMargin(0);
    copy->setTextWidth(portrait);
    const bool wide = copy->idealWidth() > portrait + 0.5 || copy->size().width() > portrait + 0.5;
    return QPageLayout(a4, wide ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF());
}

void ReportExport::print(const QTextDocument &document, QPagedPaintDevice *device)
{
    // The document is laid out in its own units (pixels at the screen's
    // logical resolution) on pages of the device's size less 2 cm margins,
    // then painted scaled to the device. A table that cannot narrow to the
    // page (figures never break) is shrunk as a whole instead of being cut
    // off at the page's edge.
    const std::unique_ptr<QTextDocument> copy = copyOf(document);
    const QScreen *screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchX() : 96.0;
    const double toDevice = device->logicalDpiX() / dpi;
    const QRect paper = device->pageLayout().paintRectPixels(device->logicalDpiX());
    const QSizeF page(paper.width() / toDevice, paper.height() / toDevice);
    copy->setDocumentMargin(PrintMarginsMm / 2 / 25.4 * dpi);
    copy->setTextWidth(page.width());
    double fit = 1.0;
    if (std::max(copy->idealWidth(), copy->size().width()) > page.width() + 0.5) {
        // At its natural width, where no name is squeezed to a letter a line.
        copy->setTextWidth(-1);
        fit = page.width() / std::max(copy->idealWidth(), copy->size().width());
    }
    copy->setPageSize(page / fit);

    QPainter painter(device);
    painter.scale(toDevice, toDevice);
    // In the document's units, as its own text is.
    QFont font = copy->defaultFont();
    if (font.pointSizeF() > 0)
        font.setPixelSize(qRound(font.pointSizeF() * dpi / 72.0));
    painter.setFont(font);
    const double margin = copy->documentMargin();
    const QSizeF pageSize = copy->pageSize();
    for (int p = 0; p < copy->pageCount(); ++p) {
        if (p > 0)
            device->newPage();
        const QRectF view(QPointF(0, p * pageSize.height()), pageSize);
        painter.save();
        painter.scale(fit, fit);
        painter.translate(0, -view.top());
        copy->drawContents(&painter, view);
        painter.restore();
        // The page's number at the foot of its right margin, as Qt prints it.
        painter.drawText(QRectF(margin, page.height() - margin, page.width() - 2 * margin, margin),
                         Qt::AlignRight | Qt::AlignTop, QString::number(p + 1));
    }
}

QString ReportExport::writePdf(const QTextDocument &document, const QString &fileName)
{
    // QPdfWriter rather than a QPrinter in PDF mode: it writes into a
    // QSaveFile, so that the file is replaced whole and a failure has a reason.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return failure(fileName, causeOf(file));
    {
        QPdfWriter writer(&file);
        writer.setCreator(QStringLiteral("Quintavo"));
        writer.setPageLayout(pageLayout(document));
        print(document, &writer);
    }
    if (!file.commit())
        return failure(fileName, causeOf(file));
    return QString();
}

QString ReportExport::writeOdt(const QTextDocument &document, const QString &fileName)
{
    const std::unique_ptr<QTextDocument> copy = copyOf(document);
    carryCellBackgrounds(copy->rootFrame());
    // The zip writer closes its device when it is done, which a QSaveFile
    // forbids: the file is composed in memory first.
    QBuffer zip;
    QTextDocumentWriter writer(&zip, QByteArrayLiteral("odf"));
    if (!writer.write(copy.get()))
        return failure(fileName, tr("no se pudo componer el documento OpenDocument."));
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return failure(fileName, causeOf(file));
    file.write(zip.data());
    if (!file.commit())
        return failure(fileName, causeOf(file));
    return QString();
}

QString ReportExport::writeHtml(const QTextDocument &document, const QString &fileName)
{
    // Images first, each under a plain name of its own, so that the page is
    // only replaced once everything it shows is in place.
    const std::unique_ptr<QTextDocument> copy = copyOf(document);
    const QString folder = imageFolder(fileName);
    const QString folderUrl =
        QString::fromUtf8(QUrl::toPercentEncoding(QFileInfo(folder).fileName()));
    QHash<QString, QString> written;
    const QVector<ImageUse> uses = imagesOf(*copy);
    for (const ImageUse &use : uses) {
        const QString name = use.format.name();
        if (written.contains(name))
            continue;
        const QImage image = imageOf(document, name);
        if (image.isNull())
            continue;
        if (written.isEmpty() && !QDir().mkpath(folder))
            return failure(fileName, tr("no se pudo crear la carpeta de sus imágenes «%1».")
                                         .arg(QDir::toNativeSeparators(folder)));
        const QString own = QStringLiteral("imagen-%1.png").arg(written.size() + 1);
        QSaveFile file(QDir(folder).filePath(own));
        if (!file.open(QIODevice::WriteOnly))
            return failure(file.fileName(), causeOf(file));
        if (!image.save(&file, "PNG")) {
            const QString reason = file.error() != QFileDevice::NoError
                ? causeOf(file)
                : tr("no se pudo codificar la imagen.");
            file.cancelWriting();
            return failure(file.fileName(), reason);
        }
        if (!file.commit())
            return failure(file.fileName(), causeOf(file));
        written.insert(name, folderUrl + QLatin1Char('/') + own);
    }
    for (const ImageUse &use : uses) {
        if (!written.contains(use.format.name()))
            continue;
        QTextImageFormat format = use.format;
        format.setName(written.value(use.format.name()));
        QTextCursor cursor(copy.get());
        cursor.setPosition(use.position);
        cursor.setPosition(use.position + use.length, QTextCursor::KeepAnchor);
        cursor.setCharFormat(format);
    }

    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return failure(fileName, causeOf(file));
    file.write(copy->toHtml().toUtf8());
    if (!file.commit())
        return failure(fileName, causeOf(file));
    return QString();
}
