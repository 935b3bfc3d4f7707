// `cmake --install` lays Quintavo out where a Linux desktop looks for it: the
// program on the PATH prefix, a menu entry that validates, and icons named as
// the entry says.
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

class TestInstall : public QObject
{
    Q_OBJECT

private slots:
    void installsWhereDesktopLooks()
    {
        QTemporaryDir prefix;
        const auto run = [](const QString &program, const QStringList &arguments) {
            QProcess process;
            process.setProcessChannelMode(QProcess::MergedChannels);
            process.start(program, arguments);
            const bool ok = process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit
                && process.exitCode() == 0;
            return qMakePair(ok, process.readAll());
        };
        const auto installed = run(QUINTAVO_CMAKE, {"--install", QUINTAVO_BUILD_DIR, "--prefix", prefix.path()});
        QVERIFY2(installed.first, installed.second.constData());
        const QString entry = prefix.filePath("share/applications/quintavo.desktop");
        const auto validated = run("desktop-file-validate", {entry}); // of desktop-file-utils
        QVERIFY2(validated.first && validated.second.isEmpty(), validated.second.constData());

        QFile file(entry);
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        const QString text = QString::fromUtf8(file.readAll());
        const auto named = [&text](const char *key) {
            return QRegularExpression(QStringLiteral("^%1=(.+)$").arg(key), QRegularExpression::MultilineOption).match(text).captured(1);
        };
        QVERIFY(QFileInfo(prefix.filePath("bin/" + named("Exec").section(' ', 0, 0))).isExecutable());
        QCOMPARE(named("MimeType"), QStringLiteral("application/x-quintavo;"));
        QVERIFY(QFile(prefix.filePath("share/mime/packages/quintavo.xml")).size() > 0);
        QVERIFY(QFileInfo(prefix.filePath("share/icons/hicolor/scalable/apps/" + named("Icon") + ".svg")).size() > 0);
        QCOMPARE(QImage(prefix.filePath("share/icons/hicolor/128x128/apps/" + named("Icon") + ".png")).size(), QSize(128, 128));
    }
};

QTEST_GUILESS_MAIN(TestInstall)
#include "tst_install.moc"
