// Save settings and the restore at start-up, with damaged and hostile files; the pop-up notice
// that confirms a save: modal, placed in twips, closed by its timer or a click on the message.
#include "ui_support.h"

#include "ui/windows/frm_pop_up.h"

#ifdef __linux__
#include <sys/mount.h>
#include <sys/resource.h>
#endif

using namespace varnex;
using namespace varnex::test;

namespace {

// Runs `check` while the pop-up is up, then clicks what lies at `clickAt` on it (when given).
void whileShown(frmPopUp& popUp, std::function<void()> check, std::optional<QPoint> clickAt = {}) {
    QTimer::singleShot(30, [&popUp, check = std::move(check), clickAt] {
        QVERIFY(popUp.isVisible());
        check();
        if (clickAt) QTest::mouseClick(popUp.childAt(*clickAt) ? popUp.childAt(*clickAt) : &popUp, Qt::LeftButton);
    });
}

const std::string kNineFields = "\"1999\"\r\n 0 \r\n 1 \r\n 0 \r\n 1 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n";

}  // namespace

class SettingsTest : public QObject, EachTest {
    Q_OBJECT

    // A save that fails half-way through writing: the old settings stay whole, and the
    // message gives the reason and the file.
    void expectFailedSaveKeepsTheOldFile(const char* reason) {
        const std::string before = readFile(settingsPath());
        QVERIFY(!before.empty());
        w->cmdCalculate->click();  // a longer file than the old one
        w->cmdSaveSettings->click();
        QCOMPARE(s->log.shown, QStringList{message("Save settings", MessageIcon::Warning, programText(51) + " " +
                                                    reason + ": " + qs(settingsPath().string()))});
        QCOMPARE(readFile(settingsPath()), before);
        QVERIFY(w->cmdSaveSettings->isVisible());
    }

private slots:
    void init() { startFresh(); }
    void cleanup() { s.reset(); }

    void saveWritesTheFifteenRecords() {
        QString shown;  // the notice, closed with a click on its message once it is up
        QTimer::singleShot(50, [&] {
            frmPopUp* popUp = w->popUpWindow();
            QVERIFY(popUp && popUp->isVisible() && !w->cmdSaveSettings->isVisible());  // hidden meanwhile
            shown = popUp->lblMessage->text();
            QCOMPARE(popUp->size(), QSize(133, 25));  // 2000 x 380 twips
            QVERIFY(w->frameGeometry().contains(popUp->geometry()));
            QTest::mouseClick(popUp->lblMessage, Qt::LeftButton, {}, QPoint(5, 5));
        });
        w->cmdSaveSettings->click();
        QCOMPARE(shown, programText(50));
        QVERIFY(w->cmdSaveSettings->isVisible() && s->log.shown.isEmpty());
        QCOMPARE(readFile(settingsPath()),
                 "\"2015\"\r\n 1 \r\n 1 \r\n 1 \r\n 1 \r\n 1 \r\n 1 \r\n 1 \r\n 1 \r\n 1 \r\n 1 \r\n 0 \r\n 24 \r\n"
                 "#FALSE#\r\n\"\"\r\n");
    }

    void roundTrip() {
        w->txbYear->setText("0800");
        w->chkVE->setCheckState(Qt::Unchecked);
        w->chkSamhain->setCheckState(Qt::PartiallyChecked);
        w->chkIncludeWeekday->setCheckState(Qt::Checked);
        w->cboTimezone->setCurrentIndex(35);
        w->cboCalendar->setCurrentIndex(1);  // not saved
        w->optSH->setChecked(true);
        w->cmdCalculate->click();
        QCOMPARE(w->SaveSettings(), std::string());
        const std::string output = w->outputText();
        restartWith(readFile(settingsPath()));
        QCOMPARE(glance(*w), "0800 01111112111 35 S 111 11");
        QCOMPARE(w->cboCalendar->currentIndex(), 0);
        QCOMPARE(w->outputText(), output);
        QTest::keyClick(w->chkSamhain, Qt::Key_Space);  // a greyed box ticks at the user's click
        QCOMPARE(w->chkSamhain->checkState(), Qt::Checked);
    }

    void partialFilesApplyTheFieldsBeforeTheFault_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("restored");
        const QByteArray nine = QByteArray::fromStdString(kNineFields);
        // The four cross-quarter boxes cleared: the handlers run, the method controls disabled.
        QTest::newRow("ends after field 9") << nine << "1999 01010000110 24 N 000 00";
        QTest::newRow("zone 49") << nine + " 0 \r\n 1 \r\n 1 \r\n 49 \r\n" << "1999 01010000011 24 N 000 00";
        QTest::newRow("garbage") << QByteArray("\x01\x02\xff\r\n\r\n")
                                 << QString::fromUtf8("\x01\x02\xff 11111111110 24 N 111 00");
    }

    void partialFilesApplyTheFieldsBeforeTheFault() {
        QFETCH(QByteArray, content);
        QFETCH(QString, restored);
        restartWith(content.toStdString());
        QCOMPARE(glance(*w), restored);
        QVERIFY(w->outputText().empty() && s->log.shown.isEmpty());
        QCOMPARE(w->focusWidget(), w->cmdHelp);  // no focus moves while starting
    }

    void hemisphereAndOutputRules() {
        restartWith(kNineFields + " 1 \r\n 1 \r\n 0 \r\n 30 \r\nyes\r\n\"  first\r\nsecond \"quoted\"\r\n");
        QCOMPARE(glance(*w), "1999 01010000110 30 S 000 11");
        QCOMPARE(w->outputText(), "first\r\nsecond");
    }

    void noTimezoneSelectionCountsAsGmt() {
        restartWith(kNineFields + " 1 \r\n 1 \r\n 0 \r\n-1 \r\n#FALSE#\r\n\"\"\r\n");
        QCOMPARE(w->cboTimezone->currentIndex(), -1);
        w->txbYear->setText("2015");
        w->cmdAllOrNoneVarnex[0]->click();
        w->cmdCalculate->click();
        QCOMPARE(w->intTimezoneOffset, 0);
        QVERIFY(lines(*w).contains("Spring (March) equinox ........ 2015-03-20 CE 22:45 GMT"));
    }

    void saveIntoAFolderThatCannotBeWritten() {
        // A file where the folder should be: nothing can be written inside it.
        std::filesystem::remove_all(s->config / "Ostrel");
        std::ofstream(s->config / "Ostrel") << "not a folder";
        QVERIFY(QTest::qWaitForWindowActive(w));
        w->cmdSaveSettings->click();
        QCOMPARE(s->log.shown.size(), 1);
        const QString shown = s->log.shown[0], tail = ": " + qs((s->config / "Ostrel").string());
        const QString head = message("Save settings", MessageIcon::Warning, programText(51) + " ");
        // The reason between the text and the folder that failed.
        QVERIFY2(shown.startsWith(head) && shown.endsWith(tail) && shown.size() > head.size() + tail.size(),
                 qPrintable(shown));
        QVERIFY(w->cmdSaveSettings->isVisible() && w->cmdCalculate->hasFocus());
        QCOMPARE(readFile(s->config / "Ostrel"), "not a folder");
    }

    void popUpIsModalPlacedAndClosedByItsTimer() {
        frmPopUp popUp;
        QCOMPARE(popUp.objectName() + " " + popUp.lblMessage->objectName(), "frmPopUp lblMessage");
        QVERIFY(popUp.windowFlags() & Qt::FramelessWindowHint);
        bool modal = false;
        whileShown(popUp, [&] {
            modal = popUp.isModal() && QApplication::activeModalWidget() == &popUp;
            QCOMPARE(popUp.geometry(), platform::twipsRect(1500, 1200, 3000, 600));
            QCOMPARE(popUp.lblMessage->geometry(), popUp.rect());
            QCOMPARE(popUp.lblMessage->text(), "Hello");
        });
        QElapsedTimer clock;
        clock.start();
        popUp.PopUp("Hello", 3000, 600, 300, 1200, 1500);  // returns when the timer has closed it
        QVERIFY(modal && !popUp.isVisible() && !popUp.Timer1->isActive());
        QVERIFY(clock.elapsed() >= 250);
    }

    void intervalZeroWaitsForAClickOnTheMessage() {
        frmPopUp popUp;
        whileShown(popUp, [&] { QVERIFY(!popUp.Timer1->isActive()); }, QPoint(5, 5));
        popUp.PopUp("Click me", 3000, 600, 0, 0, 0);
        QVERIFY(!popUp.isVisible());
    }

    void inFormKeepsTheMessageHeightAndIgnoresClicksBelowIt() {
        QWidget form;
        form.setGeometry(200, 100, 400, 300);
        form.show();
        frmPopUp popUp(&form);
        bool shownAfterClickBelow = false;
        // 1740 twips of message in a window 3000 high: a click below the message does nothing.
        whileShown(popUp, [&] {
            QCOMPARE(popUp.pos(), form.frameGeometry().topLeft() + QPoint(twipsToPixels(220), twipsToPixels(310)));
            QCOMPARE(popUp.lblMessage->size(), QSize(twipsToPixels(2000), twipsToPixels(1740)));
            QTest::mouseClick(&popUp, Qt::LeftButton, {}, QPoint(10, twipsToPixels(2500)));
            shownAfterClickBelow = popUp.isVisible();
        }, QPoint(10, 10));
        popUp.PopUpInForm(&form, "Saved", 2000, 3000, 0, 310, 220);
        QVERIFY(shownAfterClickBelow && !popUp.isVisible());
    }

#ifdef __linux__
    void fileSizeLimitFailsTheSaveWithoutKillingTheProgram() {
        QCOMPARE(w->SaveSettings(), std::string());
        rlimit original{};
        getrlimit(RLIMIT_FSIZE, &original);
        const rlimit limited{64, original.rlim_max};  // bytes: less than any settings file
        setrlimit(RLIMIT_FSIZE, &limited);
        expectFailedSaveKeepsTheOldFile("File too large");
        setrlimit(RLIMIT_FSIZE, &original);
    }

    void fullDiskFailsTheSave() {
        // A file system of one 4 KiB block, holding the saved settings: the new file finds no room.
        const std::string folder = (s->config / "Ostrel").string();
        if (mount("varnex-test", folder.c_str(), "tmpfs", 0, "size=4k") != 0)
            QSKIP("cannot mount a small tmpfs here (needs root or CAP_SYS_ADMIN)");
        const std::unique_ptr<const char, int (*)(const char*)> unmount(folder.c_str(), umount);
        QCOMPARE(w->SaveSettings(), std::string());
        expectFailedSaveKeepsTheOldFile("No space left on device");
    }
#endif
};

QTEST_MAIN(SettingsTest)
#include "settings_test.moc"
