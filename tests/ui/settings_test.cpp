// Save settings and the restore at start-up, with damaged and hostile files.
#include "ui_support.h"

#include "text/program_text.h"
#include "ui/windows/frm_pop_up.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <fstream>
#include <sstream>

#ifdef __linux__
#include <sys/mount.h>
#include <sys/resource.h>
#endif

using namespace varnex;
using varnex::test::Started;

namespace {

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

const std::string kNineFields = "\"1999\"\r\n 0 \r\n 1 \r\n 0 \r\n 1 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n";

// Closes the pop-up with a click on its message once it is up, noting what it showed.
struct PopUpWatch {
    QString text;
    QRect geometry;
    bool seen = false;
    bool saveButtonShown = true;
    void arm(frmMain& w) {
        QTimer::singleShot(50, [this, &w] {
            frmPopUp* popUp = w.popUpWindow();
            if (!popUp || !popUp->isVisible()) return;
            seen = true;
            saveButtonShown = w.cmdSaveSettings->isVisible();
            text = popUp->lblMessage->text();
            geometry = popUp->geometry();
            QTest::mouseClick(popUp->lblMessage, Qt::LeftButton, {}, QPoint(5, 5));
        });
    }
};

}  // namespace

class SettingsTest : public QObject {
    Q_OBJECT

private slots:
    void saveWritesTheFifteenRecords() {
        Started s;
        frmMain& w = s.start();
        PopUpWatch popUp;
        popUp.arm(w);
        w.cmdSaveSettings->click();
        QVERIFY(popUp.seen);
        QVERIFY(!popUp.saveButtonShown);  // hidden while the notice is up
        QCOMPARE(popUp.text, QString::fromStdString(GetProgramText(50)));
        QCOMPARE(popUp.geometry.size(), QSize(133, 25));  // 2000 x 380 twips
        QVERIFY(w.frameGeometry().contains(popUp.geometry));
        QVERIFY(w.cmdSaveSettings->isVisible());
        QVERIFY(s.log.messages.empty());
        QCOMPARE(readFile(s.settingsPath()),
                 std::string("\"2015\"\r\n 1 \r\n 1 \r\n 1 \r\n 1 \r\n 1 \r\n 1 \r\n 1 \r\n 1 \r\n 1 \r\n 1 \r\n"
                             " 0 \r\n 24 \r\n#FALSE#\r\n\"\"\r\n"));
    }

    void roundTrip() {
        Started s;
        {
            frmMain& w = s.start();
            w.txbYear->setText("0800");
            w.chkVE->setCheckState(Qt::Unchecked);
            w.chkSamhain->setCheckState(Qt::PartiallyChecked);
            w.chkIncludeWeekday->setCheckState(Qt::Checked);
            w.cboTimezone->setCurrentIndex(35);
            w.cboCalendar->setCurrentIndex(1);  // not saved
            w.optSH->setChecked(true);
            w.cmdCalculate->click();
            QCOMPARE(w.SaveSettings(), std::string());
        }
        const std::string saved = s.window->outputText();
        s.window.reset();
        frmMain& w = s.start();
        QCOMPARE(w.txbYear->text(), QString("0800"));
        QCOMPARE(w.chkVE->checkState(), Qt::Unchecked);
        QCOMPARE(w.chkSamhain->checkState(), Qt::PartiallyChecked);
        QCOMPARE(w.chkIncludeWeekday->checkState(), Qt::Checked);
        QCOMPARE(w.cboTimezone->currentIndex(), 35);
        QCOMPARE(w.cboCalendar->currentIndex(), 0);
        QVERIFY(w.optSH->isChecked());
        QCOMPARE(w.outputText(), saved);
        QVERIFY(w.cmdResults->isVisible() && w.cmdClear->isVisible());
        // A greyed box ticks at the user's click.
        QTest::keyClick(w.chkSamhain, Qt::Key_Space);
        QCOMPARE(w.chkSamhain->checkState(), Qt::Checked);
    }

    void partialFilesApplyTheFieldsBeforeTheFault_data() {
        QTest::addColumn<QString>("content");
        QTest::addColumn<QString>("year");
        QTest::addColumn<bool>("veTicked");
        QTest::addColumn<bool>("trueSunTicked");
        QTest::addColumn<int>("zone");
        QTest::newRow("ends after field 9") << QString::fromStdString(kNineFields) << "1999" << false << true << 24;
        QTest::newRow("box value 5") << QString::fromStdString(kNineFields + " 5 \r\n") << "1999" << false << true << 24;
        QTest::newRow("not a number") << QString::fromStdString(kNineFields + " 0 \r\n 1 \r\n 1 \r\n x \r\n") << "1999"
                                      << false << false << 24;
        QTest::newRow("zone 49") << QString::fromStdString(kNineFields + " 0 \r\n 1 \r\n 1 \r\n 49 \r\n") << "1999"
                                 << false << false << 24;
        QTest::newRow("empty file") << "" << "2015" << true << true << 24;
        QTest::newRow("garbage") << "\x01\x02\xff\r\n\r\n" << "\x01\x02\xff" << true << true << 24;
    }

    void partialFilesApplyTheFieldsBeforeTheFault() {
        QFETCH(QString, content);
        QFETCH(QString, year);
        QFETCH(bool, veTicked);
        QFETCH(bool, trueSunTicked);
        QFETCH(int, zone);
        Started s;
        s.writeSettings(content.toStdString());
        frmMain& w = s.start();
        QCOMPARE(w.txbYear->text(), year);
        QCOMPARE(w.chkVE->checkState() == Qt::Checked, veTicked);
        QCOMPARE(w.chkTrueSun->checkState() == Qt::Checked, trueSunTicked);
        QCOMPARE(w.cboTimezone->currentIndex(), zone);
        QVERIFY(w.optNH->isChecked());
        QVERIFY(w.outputText().empty());
        QVERIFY(s.log.messages.empty());
    }

    void restoreRunsTheHandlers() {
        // All four cross-quarter boxes cleared: the method controls are disabled after start-up.
        Started s;
        s.writeSettings(kNineFields);
        frmMain& w = s.start();
        QVERIFY(!w.Label2->isEnabled() && !w.chkMeanSun->isEnabled() && !w.chkTrueSun->isEnabled());
        QCOMPARE(w.focusWidget(), static_cast<QWidget*>(w.cmdHelp));  // no focus moves while starting
    }

    void hemisphereAndOutputRules() {
        Started s;
        const std::string head = kNineFields + " 1 \r\n 1 \r\n 0 \r\n 30 \r\n";
        s.writeSettings(head + "yes\r\n\"  first\r\nsecond \"quoted\"\r\n");
        frmMain& w = s.start();
        QVERIFY(w.optSH->isChecked());
        QCOMPARE(w.outputText(), std::string("first\r\nsecond"));
        QVERIFY(w.cmdResults->isVisible());
    }

    void outputIsCutAt10240Characters() {
        Started s;
        const std::string head = kNineFields + " 1 \r\n 1 \r\n 0 \r\n 24 \r\n#FALSE#\r\n";
        s.writeSettings(head + "\"" + std::string(20000, 'a') + "\"\r\n");
        frmMain& w = s.start();
        QCOMPARE(w.outputText().size(), std::size_t{10240});
    }

    void noTimezoneSelectionCountsAsGmt() {
        Started s;
        s.writeSettings(kNineFields + " 1 \r\n 1 \r\n 0 \r\n-1 \r\n#FALSE#\r\n\"\"\r\n");
        frmMain& w = s.start();
        QCOMPARE(w.cboTimezone->currentIndex(), -1);
        w.txbYear->setText("2015");
        w.cmdAllOrNoneVarnex[0]->click();
        w.cmdCalculate->click();
        QVERIFY(s.log.messages.empty());
        QCOMPARE(w.intTimezoneOffset, 0);
        QVERIFY(w.outputText().find("Spring (March) equinox ........ 2015-03-20 CE 22:45 GMT\r\n") != std::string::npos);
    }

    void saveIntoAFolderThatCannotBeWritten() {
        Started s;
        frmMain& w = s.start();
        // A file where the folder should be: nothing can be written inside it.
        std::filesystem::remove_all(s.config / "Ostrel");
        std::ofstream(s.config / "Ostrel") << "not a folder";
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.cmdSaveSettings->click();
        QCOMPARE(s.log.messages.size(), std::size_t{1});
        const Message& m = s.log.messages[0];
        QCOMPARE(m.icon, MessageIcon::Warning);
        QCOMPARE(m.title, std::string("Save settings"));
        QVERIFY2(m.prompt.rfind(GetProgramText(51) + " ", 0) == 0, m.prompt.c_str());
        // The reason, then the folder that failed.
        QVERIFY2(m.prompt.ends_with(": " + (s.config / "Ostrel").string()), m.prompt.c_str());
        QVERIFY(m.prompt.size() > GetProgramText(51).size() + (s.config / "Ostrel").string().size() + 4);
        QVERIFY(w.cmdSaveSettings->isVisible());
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.cmdCalculate));
        QCOMPARE(readFile(s.config / "Ostrel"), std::string("not a folder"));
    }

#ifdef __linux__
    // A save that fails half-way through writing: the old settings stay whole, and the
    // message gives the reason and the file.
    static void expectFailedSaveKeepsTheOldFile(Started& s, const std::string& reason) {
        frmMain& w = *s.window;
        const std::string before = readFile(s.settingsPath());
        QVERIFY(!before.empty());
        w.cmdCalculate->click();  // a longer file than the old one
        w.cmdSaveSettings->click();
        QCOMPARE(s.log.messages.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(s.log.messages[0].prompt),
                 QString::fromStdString(GetProgramText(51) + " " + reason + ": " + s.settingsPath().string()));
        QCOMPARE(readFile(s.settingsPath()), before);
        QVERIFY(w.cmdSaveSettings->isVisible());
    }

    void fileSizeLimitFailsTheSaveWithoutKillingTheProgram() {
        Started s;
        QCOMPARE(s.start().SaveSettings(), std::string());
        rlimit original{};
        getrlimit(RLIMIT_FSIZE, &original);
        rlimit limited = original;
        limited.rlim_cur = 64;  // bytes: less than any settings file
        setrlimit(RLIMIT_FSIZE, &limited);
        expectFailedSaveKeepsTheOldFile(s, "File too large");
        setrlimit(RLIMIT_FSIZE, &original);
    }

    void fullDiskFailsTheSave() {
        // A file system of one 4 KiB block, holding the saved settings: the new file finds
        // no room.
        Started s;
        s.start();
        const std::string folder = (s.config / "Ostrel").string();
        if (mount("varnex-test", folder.c_str(), "tmpfs", 0, "size=4k") != 0)
            QSKIP("cannot mount a small tmpfs here (needs root or CAP_SYS_ADMIN)");
        struct Unmount {
            std::string folder;
            ~Unmount() { umount(folder.c_str()); }
        } unmount{folder};
        QCOMPARE(s.window->SaveSettings(), std::string());
        expectFailedSaveKeepsTheOldFile(s, "No space left on device");
    }
#endif
};

QTEST_MAIN(SettingsTest)
#include "settings_test.moc"
