// The data folder of the settings file, under $XDG_CONFIG_HOME.
#include "platform/data_folder.h"
#include "support/temp_folder.h"

#include <QtTest>

#include <fstream>

using namespace varnex::platform;

class DataFolderTest : public QObject {
    Q_OBJECT

private slots:
    void makesTheFolderAndReturnsThePath() {
        varnex::test::TempFolder config;
        qputenv("XDG_CONFIG_HOME", config.path().string().c_str());
        const QString expected = QString::fromStdString((config / "Ostrel" / "varnex.usr").string());
        QCOMPARE(GetDataFilePath("varnex.usr", "Ostrel"), expected);
        QVERIFY(std::filesystem::is_directory(config / "Ostrel"));
        QCOMPARE(GetDataFilePath("varnex.usr", "Ostrel"), expected);  // a second call makes nothing new
        QCOMPARE(GetSpecialFolderPath(kApplicationDataFolder), QString::fromStdString(config.path().string()));
        QCOMPARE(GetSpecialFolderPath(5), QString());
    }

    void relativeConfigFolderIsIgnored() {
        varnex::test::TempFolder home;
        const QByteArray oldHome = qgetenv("HOME");
        qputenv("HOME", home.path().string().c_str());
        qputenv("XDG_CONFIG_HOME", "relative/config");
        QCOMPARE(GetDataFilePath("varnex.usr", "Ostrel"),
                 QString::fromStdString((home / ".config" / "Ostrel" / "varnex.usr").string()));
        qputenv("HOME", "also-relative");  // then the home folder itself
        QCOMPARE(GetSpecialFolderPath(kApplicationDataFolder), QString());
        qputenv("HOME", oldHome);
    }

    void folderAndFileTests() {
        varnex::test::TempFolder temp;
        const QString folder = QString::fromStdString(temp.path().string());
        QVERIFY(FolderExists(folder));
        QVERIFY(FolderExists("  " + folder + "  "));
        QVERIFY(!FolderExists(folder + "/absent"));
        QVERIFY(!FolderExists(""));
        std::ofstream(temp / "file.txt") << "x";
        QVERIFY(FileExists(folder + "/file.txt"));
        QVERIFY(!FolderExists(folder + "/file.txt"));
        QVERIFY(!FileExists(folder));
        QVERIFY(!FileExists(""));
    }
};

QTEST_MAIN(DataFolderTest)
#include "data_folder_test.moc"
