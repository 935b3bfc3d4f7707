// `cmake --install` lays Quintavo out where a Linux desktop looks for it: the
// program on the PATH prefix, the menu entry, and icons named as the entry
// says.
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class TestInstall : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void installsWhereDesktopLooks_data();
    void installsWhereDesktopLooks();
    void entryValidates();

private:
    QTemporaryDir prefix;
    QString entry;
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
    QFile file(prefix.filePath(QStringLiteral("share/applications/quintavo.desktop")));
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    entry = QString::fromUtf8(file.readAll());
}

void TestInstall::installsWhereDesktopLooks_data()
{
    // Files named after the entry's Exec= or Icon= value, where the launcher
    // looks for them.
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("key");
    QTest::newRow("program") << "bin/%1" << "Exec";
    QTest::newRow("menu entry") << "share/applications/quintavo.desktop" << "";
    QTest::newRow("scalable icon") << "share/icons/hicolor/scalable/apps/%1.svg" << "Icon";
    QTest::newRow("128 px icon") << "share/icons/hicolor/128x128/apps/%1.png" << "Icon";
    // The file type that the entry opens, declared for *.quintavo files.
    QTest::newRow("file type") << "share/mime/packages/quintavo.xml" << "MimeType";
}

void TestInstall::installsWhereDesktopLooks()
{
    QFETCH(QString, path);
    QFETCH(QString, key);
    if (!key.isEmpty()) {
        const QRegularExpression line(QStringLiteral("^%1=([^ ;\n]+)").arg(key),
                                      QRegularExpression::MultilineOption);
        const QString name = line.match(entry).captured(1);
        QVERIFY2(!name.isEmpty(), qPrintable(key));
        if (key == QLatin1String("MimeType")) {
            QFile types(prefix.filePath(path));
            QVERIFY(types.open(QIODevice::ReadOnly));
            const QString text = QString::fromUtf8(types.readAll());
            QVERIFY(text.contains(QStringLiteral("type=\"%1\"").arg(name)));
            QVERIFY(text.contains(QStringLiteral("pattern=\"*.quintavo\"")));
        } else {
            path = path.arg(name);
        }
    }
    const QFileInfo file(prefix.filePath(path));
    QVERIFY2(file.isFile() && file.size() > 0, qPrintable(file.filePath()));
    QCOMPARE(file.isExecutable(), key == QLatin1String("Exec"));
    if (path.endsWith(QLatin1String(".png")))
        QCOMPARE(QImage(file.filePath()).size(), QSize(128, 128));
}

void TestInstall::entryValidates()
{
    const QString validator = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    QVERIFY2(!validator.isEmpty(), "desktop-file-validate (desktop-file-utils) is not installed");
    QProcess validate;
    validate.setProcessChannelMode(QProcess::MergedChannels);
    validate.start(validator, {prefix.filePath(QStringLiteral("share/applications/quintavo.desktop"))});
    QVERIFY(validate.waitForFinished(30000));
    const QByteArray complaints = validate.readAll();
    QVERIFY2(validate.exitCode() == 0 && complaints.isEmpty(), complaints.constData());
}

QTEST_GUILESS_MAIN(TestInstall)
#include "tst_install.moc"
