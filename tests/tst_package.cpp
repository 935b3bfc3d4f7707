// `cpack -G DEB` packs Quintavo as a Debian package: its files land where a
// Linux desktop looks for them, and nothing else (no test, benchmark or
// library); the menu entry and the AppStream metainfo validate; the
// dependencies come from the binary. The program must be built first.
#include <QDirIterator>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Installed {
    const char *path;
    const char *kind;
};
// Every file of the package, under its root.
const Installed files[] = {
    {"usr/bin/quintavo", "program"},
    {"usr/share/applications/quintavo.desktop", "desktop entry"},
    {"usr/share/metainfo/org.quintavo.quintavo.metainfo.xml", "metainfo"},
    {"usr/share/icons/hicolor/scalable/apps/quintavo.svg", "image"},
    {"usr/share/icons/hicolor/128x128/apps/quintavo.png", "image"},
    {"usr/share/mime/packages/quintavo.xml", "text"},
    {"usr/share/doc/quintavo/copyright", "text"},
};

// Runs a program to its end; its output, and whether it succeeded.
QPair<bool, QString> run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    const bool ok = process.waitForFinished(150000) && process.exitStatus() == QProcess::NormalExit
        && process.exitCode() == 0;
    return {ok, QString::fromUtf8(process.readAll()).trimmed()};
}

} // namespace

class TestPackage : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_package;
    QString m_root;

private slots:
    void initTestCase()
    {
        for (const char *tool : {"dpkg-shlibdeps", "dpkg-deb", "appstreamcli", "desktop-file-validate"})
            QVERIFY2(!QStandardPaths::findExecutable(tool).isEmpty(),
                     qPrintable(QStringLiteral("%1 missing: scripts/ensure-deps.sh dpkg-dev appstream desktop-file-utils").arg(tool)));
        const auto packed = run(QUINTAVO_CPACK, {"-G", "DEB", "--config", QUINTAVO_BUILD_DIR "/CPackConfig.cmake", "-B", m_dir.path()});
        QVERIFY2(packed.first, qPrintable(packed.second));
        m_package = m_dir.filePath(QStringLiteral("quintavo_%1_%2.deb").arg(QUINTAVO_VERSION, run("dpkg", {"--print-architecture"}).second));
        QVERIFY2(QFileInfo::exists(m_package), qPrintable(packed.second));
        m_root = m_dir.filePath("root");
        const auto extracted = run("dpkg", {"-x", m_package, m_root});
        QVERIFY2(extracted.first, qPrintable(extracted.second));
    }

    void installs_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("kind");
        for (const Installed &file : files)
            QTest::newRow(file.path) << file.path << file.kind;
    }

    void installs()
    {
        QFETCH(QString, path); QFETCH(QString, kind);
        const QString file = m_root + '/' + path;
        QVERIFY(QFileInfo(file).size() > 0);
        QPair<bool, QString> checked{true, {}};
        if (kind == "program") { // the packed binary runs, and is of this version
            checked = run(file, {"--version"});
            QCOMPARE(checked.second.section('\n', -1), QStringLiteral("quintavo " QUINTAVO_VERSION));
        } else if (kind == "desktop entry")
            checked = run("desktop-file-validate", {file});
        else if (kind == "metainfo") // also that it launches a desktop entry of the package
            checked = run("appstreamcli", {"validate-tree", "--no-net", "--strict", m_root});
        else if (kind == "image")
            QVERIFY(!QImage(file).isNull());
        QVERIFY2(checked.first, qPrintable(checked.second));
    }

    void installsNothingElse()
    {
        QStringList found, listed;
        for (QDirIterator it(m_root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext();)
            found << QDir(m_root).relativeFilePath(it.next());
        for (const Installed &file : files)
            listed << file.path;
        found.sort();
        listed.sort();
        QCOMPARE(found, listed);
    }

    void entryNamesPackagedFiles()
    {
        QFile file(m_root + "/usr/share/applications/quintavo.desktop");
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        const QString text = QString::fromUtf8(file.readAll());
        const auto named = [&text](const char *key) {
            return QRegularExpression(QStringLiteral("^%1=(.+)$").arg(key), QRegularExpression::MultilineOption).match(text).captured(1);
        };
        QVERIFY(QFileInfo(m_root + "/usr/bin/" + named("Exec").section(' ', 0, 0)).isExecutable());
        QVERIFY(QFileInfo::exists(m_root + "/usr/share/icons/hicolor/scalable/apps/" + named("Icon") + ".svg"));
        QCOMPARE(QImage(m_root + "/usr/share/icons/hicolor/128x128/apps/" + named("Icon") + ".png").size(), QSize(128, 128));
        QFile types(m_root + "/usr/share/mime/packages/quintavo.xml");
        QVERIFY(types.open(QIODevice::ReadOnly));
        QVERIFY(types.readAll().contains("type=\"" + named("MimeType").section(';', 0, 0).toUtf8() + '"'));
    }

    void control_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("pattern");
        // Package and Version make the file's name, read in initTestCase().
        QTest::newRow("section") << "Section" << "^science$";
        QTest::newRow("maintainer") << "Maintainer" << "^.+ <.+@.+>$";
        // Computed by dpkg-shlibdeps: versioned, of every Qt library linked.
        QTest::newRow("Qt from the binary") << "Depends" << "libqt6core6 \\(>= 6.*libqt6gui6 \\(>= 6.*libqt6widgets6 \\(>= 6";
        QTest::newRow("C library from the binary") << "Depends" << "\\blibc6 \\(>= ";
        QTest::newRow("SVG icon plugin") << "Depends" << "\\blibqt6svg6\\b";
        QTest::newRow("Spanish dialogs") << "Recommends" << "\\bqt6-translations-l10n\\b";
    }

    void control()
    {
        QFETCH(QString, field); QFETCH(QString, pattern);
        const auto value = run("dpkg-deb", {"--field", m_package, field});
        QVERIFY2(value.first, qPrintable(value.second));
        QVERIFY2(value.second.contains(QRegularExpression(pattern)), qPrintable(field + ": " + value.second));
    }
};

QTEST_GUILESS_MAIN(TestPackage)
#include "tst_package.moc"
