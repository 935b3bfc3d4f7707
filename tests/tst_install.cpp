// `cmake --install` lays Quintavo out where a Linux desktop looks for it: the
// program on the PATH prefix, the menu entry, and icons named as the entry
// says.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

class TestInstall : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void installsWhereDesktopLooks_data();
    void installsWhereDesktopLooks();
    void entryNamesInstalledFiles_data();
    void entryNamesInstalledFiles();
    void entryValidates();

private:
    QString installed(const QString &relative) const { return prefix.filePath(relative); }
    QString entryValue(const QString &key) const;

    QTemporaryDir prefix;
    QStringList entryLines;
};

void TestInstall::initTestCase()
{
    QVERIFY(prefix.isValid());
    QProcess install;
    install.setProcessChannelMode(QProcess::MergedChannels);
    install.start(QStringLiteral(QUINTAVO_CMAKE),
                  {QStringLiteral("--install"), QStringLiteral(QUINTAVO_BUILD_DIR),
                   QStringLiteral("--prefix"), prefix.path()});
    QVERIFY(install.waitForFinished(60000));
    QVERIFY2(install.exitStatus() == QProcess::NormalExit && install.exitCode() == 0,
             install.readAll().constData());

    QFile entry(installed(QStringLiteral("share/applications/quintavo.desktop")));
    QVERIFY(entry.open(QIODevice::ReadOnly | QIODevice::Text));
    entryLines = QString::fromUtf8(entry.readAll()).split(QLatin1Char('\n'));
}

QString TestInstall::entryValue(const QString &key) const
{
    const QString prefixed = key + QLatin1Char('=');
    for (const QString &line : entryLines) {
        if (line.startsWith(prefixed))
            return line.mid(prefixed.size());
    }
    return QString();
}

void TestInstall::installsWhereDesktopLooks_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("executable");
    QTest::newRow("program") << "bin/quintavo" << true;
    QTest::newRow("menu entry") << "share/applications/quintavo.desktop" << false;
    QTest::newRow("scalable icon") << "share/icons/hicolor/scalable/apps/quintavo.svg" << false;
    QTest::newRow("128 px icon") << "share/icons/hicolor/128x128/apps/quintavo.png" << false;
}

void TestInstall::installsWhereDesktopLooks()
{
    QFETCH(QString, path);
    QFETCH(bool, executable);
    const QFileInfo file(installed(path));
    QVERIFY2(file.isFile(), qPrintable(file.filePath()));
    QVERIFY(file.size() > 0);
    QCOMPARE(file.isExecutable(), executable);
}

void TestInstall::entryNamesInstalledFiles_data()
{
    // The launcher finds the program and the icon by the names in the entry.
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("path");
    QTest::newRow("Exec") << "Exec" << "bin/%1";
    QTest::newRow("Icon scalable") << "Icon" << "share/icons/hicolor/scalable/apps/%1.svg";
    QTest::newRow("Icon 128 px") << "Icon" << "share/icons/hicolor/128x128/apps/%1.png";
}

void TestInstall::entryNamesInstalledFiles()
{
    QFETCH(QString, key);
    QFETCH(QString, path);
    const QString name = entryValue(key);
    QVERIFY(!name.isEmpty());
    const QString file = installed(path.arg(name));
    QVERIFY2(QFileInfo(file).isFile(), qPrintable(file));

    if (file.endsWith(QLatin1String(".png"))) {
        const QImage icon(file);
        QCOMPARE(icon.size(), QSize(128, 128));
    } else if (file.endsWith(QLatin1String(".svg"))) {
        QFile svg(file);
        QVERIFY(svg.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&svg);
        QVERIFY(xml.readNextStartElement());
        QCOMPARE(xml.name().toString(), QStringLiteral("svg"));
        xml.skipCurrentElement();
        while (!xml.atEnd())
            xml.readNext();
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    }
}

void TestInstall::entryValidates()
{
    const QString validator = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    QVERIFY2(!validator.isEmpty(), "desktop-file-validate (desktop-file-utils) is not installed");
    QProcess validate;
    validate.setProcessChannelMode(QProcess::MergedChannels);
    validate.start(validator, {installed(QStringLiteral("share/applications/quintavo.desktop"))});
    QVERIFY(validate.waitForFinished(30000));
    const QByteArray complaints = validate.readAll();
    QVERIFY2(validate.exitCode() == 0 && complaints.isEmpty(), complaints.constData());
}

QTEST_GUILESS_MAIN(TestInstall)
#include "tst_install.moc"
