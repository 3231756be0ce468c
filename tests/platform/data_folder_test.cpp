// The data folder of the settings file, under $XDG_CONFIG_HOME.
#include "platform/data_folder.h"
#include "support/temp_folder.h"

#include <QtTest>

#include <fstream>

using namespace varnex::platform;

class DataFolderTest : public QObject {
    Q_OBJECT
    varnex::test::TempFolder temp;
    const QString folder = QString::fromStdString(temp.path().string());

private slots:
    void makesTheFolderAndReturnsThePath() {
        qputenv("XDG_CONFIG_HOME", temp.path().string().c_str());
        QCOMPARE(GetDataFilePath("varnex.usr", "Ostrel"), folder + "/Ostrel/varnex.usr");
        QVERIFY(std::filesystem::is_directory(temp / "Ostrel"));
        QCOMPARE(GetDataFilePath("varnex.usr", "Ostrel"), folder + "/Ostrel/varnex.usr");  // nothing new made
        QCOMPARE(GetSpecialFolderPath(kApplicationDataFolder), folder);
        QCOMPARE(GetSpecialFolderPath(5), QString());
    }

    void relativeConfigFolderIsIgnored() {
        const QByteArray oldHome = qgetenv("HOME");
        qputenv("HOME", temp.path().string().c_str());
        qputenv("XDG_CONFIG_HOME", "relative/config");
        QCOMPARE(GetDataFilePath("varnex.usr", "Ostrel"), folder + "/.config/Ostrel/varnex.usr");
        qputenv("HOME", "also-relative");  // then the home folder itself
        QCOMPARE(GetSpecialFolderPath(kApplicationDataFolder), QString());
        qputenv("HOME", oldHome);
    }

    void folderAndFileTests() {
        std::ofstream(temp / "file.txt") << "x";
        QVERIFY(FolderExists(folder) && FolderExists("  " + folder + "  ") && FileExists(folder + "/file.txt"));
        for (const QString& path : {folder + "/absent", QString(), folder + "/file.txt"}) QVERIFY(!FolderExists(path));
        for (const QString& path : {folder, QString()}) QVERIFY(!FileExists(path));
    }
};

QTEST_MAIN(DataFolderTest)
#include "data_folder_test.moc"
