// The main window driven headless: start-up, Calculate, the selection controls, Clear, Quit.
#include "ui_support.h"

#include "platform/program_folder.h"
#include "text/program_text.h"
#include "ui/windows/frm_large_textbox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace varnex;
using varnex::test::Started;

namespace {

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

}  // namespace

class FrmMainTest : public QObject {
    Q_OBJECT

private slots:
    void startUpDefaults() {
        Started s;
        frmMain& w = s.start();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.windowTitle(), QString::fromStdString(GetProgramText(1)) + " 5.22");
        QCOMPARE(w.size(), QSize(549, 542));  // 8235 x 8130 twips
        QCOMPARE(w.txbYear->text(), QString("2015"));
        QCOMPARE(w.cboCalendar->count(), 2);
        QCOMPARE(w.cboCalendar->currentText(), QString("Common Era (Gregorian)"));
        QCOMPARE(w.cboTimezone->count(), 49);
        QCOMPARE(w.cboTimezone->currentIndex(), 24);
        QCOMPARE(w.cboTimezone->currentText(), QString("GMT"));
        QCOMPARE(w.cboTimezone->itemText(23), QString("GMT-00:30"));
        QCOMPARE(w.cboTimezone->itemData(0).toInt(), -720);
        QCOMPARE(w.cboTimezone->itemData(48).toInt(), 720);
        for (QCheckBox* box : {w.chkVE, w.chkSS, w.chkAE, w.chkWS, w.chkImbolc, w.chkBeltane, w.chkLughnassad,
                               w.chkSamhain, w.chkMeanSun, w.chkTrueSun})
            QCOMPARE(box->checkState(), Qt::Checked);
        QCOMPARE(w.chkIncludeWeekday->checkState(), Qt::Unchecked);
        QVERIFY(w.optNH->isChecked());
        QVERIFY(!w.optSH->isChecked());
        QVERIFY(w.outputText().empty());
        QVERIFY(!w.cmdClear->isVisible());
        QVERIFY(!w.cmdResults->isVisible());
        QVERIFY(w.cmdResults->isEnabled());
        QCOMPARE(w.cmdResults->text(), QString::fromStdString(GetProgramText(20)));
        QVERIFY(w.Label2->isEnabled() && w.chkMeanSun->isEnabled() && w.chkTrueSun->isEnabled());
        QCOMPARE(w.focusWidget(), static_cast<QWidget*>(w.cmdHelp));
        QVERIFY(w.blnStartupCompleted);
        QCOMPARE(w.strProgramTextFile, std::string("varnex.dat"));
        QVERIFY(std::filesystem::is_directory(s.config / "Ostrel"));
        QCOMPARE(w.strUserSettingsFile, QString::fromStdString(s.settingsPath().string()));
        QVERIFY(s.log.messages.empty());
    }

    void controlsCarryTheirNamesAndColours() {
        Started s;
        frmMain& w = s.start();
        for (const char* name : {"lblYear", "txbYear", "lblCalendar", "cboCalendar", "lblTimezone", "cboTimezone",
                                 "Frame1", "Frame2", "chkVE", "chkSS", "chkAE", "chkWS", "chkImbolc", "chkBeltane",
                                 "chkLughnassad", "chkSamhain", "Label2", "chkMeanSun", "chkTrueSun",
                                 "cmdAllOrNoneVarnex_0", "cmdAllOrNoneVarnex_1", "cmdAllOrNoneVarnex_2",
                                 "cmdAllOrNoneVarnex_3", "cmdCalculate", "cmdDisplayAll", "optNH", "optSH",
                                 "chkIncludeWeekday", "cmdSaveSettings", "txbOutput", "cmdClear", "cmdResults",
                                 "cmdHelp", "cmdQuit", "lblOstrel", "lblURL", "lblOnlineUserManual",
                                 "lblCopyrightNotice"})
            QVERIFY2(w.findChild<QWidget*>(name), name);
        QCOMPARE(w.objectName(), QString("frmMain"));
        QCOMPARE(w.palette().color(QPalette::Window), QColor(0, 0, 128));
        QCOMPARE(w.chkVE->palette().color(QPalette::WindowText), QColor(255, 255, 255));
        QCOMPARE(w.Frame2->palette().color(QPalette::WindowText), QColor(255, 255, 255));
        QCOMPARE(w.lblCopyrightNotice->palette().color(QPalette::WindowText), QColor(180, 180, 180));
        QCOMPARE(w.lblOstrel->palette().color(QPalette::WindowText), QColor(180, 180, 180));
        QCOMPARE(w.chkVE->font().family(), QString("Arial"));
        QCOMPARE(w.cmdCalculate->font().family(), QString("Arial"));
        QVERIFY(w.cmdCalculate->font().bold());
        QCOMPARE(w.txbOutput->font().family(), QString("Courier New"));
        QVERIFY(w.txbOutput->isReadOnly());
        QVERIFY(w.lblOstrel->toolTip().startsWith("Click here for the Ostrel website at "));
        QVERIFY(w.lblOstrel->toolTip().endsWith(QString::fromStdString(GetProgramText(14)) + "."));
        const Qt::WindowFlags flags = w.windowFlags();
        QVERIFY(flags & Qt::WindowMinimizeButtonHint);
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QCOMPARE(w.minimumSize(), w.maximumSize());
        // The output box lines up with the frames and the buttons around it.
        QCOMPARE(w.txbOutput->geometry().right(), w.Frame2->geometry().right());
        QCOMPARE(w.txbOutput->geometry().right(), w.cmdQuit->geometry().right());
    }

    void failedProgramTextEndsTheStart() {
        test::TempFolder empty;
        platform::setProgramFolderForTesting(empty.path().string());
        test::MessageLog log;
        frmMain w;
        QVERIFY(!w.Form_Load());
        platform::setProgramFolderForTesting({});
        QCOMPARE(log.messages.size(), std::size_t{1});
        QCOMPARE(log.messages[0].icon, MessageIcon::Critical);
        QCOMPARE(log.messages[0].title, std::string());
        QCOMPARE(log.messages[0].prompt,
                 "Cannot open file containing program text.\r\n" + (empty.path() / "varnex.dat").string());
        QVERIFY(!w.isVisible());
        // The real program text again, for the tests that follow.
        QVERIFY(LoadProgramText(platform::ProgramFolder(), "varnex.dat").ok());
    }

    void rejectedRequests_data() {
        QTest::addColumn<QString>("year");
        QTest::addColumn<bool>("noEvents");
        QTest::addColumn<bool>("noMethods");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("icon");
        const QString range = QString::fromStdString(GetProgramText(24));
        const QString rangeTitle = QString::fromStdString(GetProgramText(25));
        const QString calculate = "Calculate dates and times of selected events";
        const int info = static_cast<int>(MessageIcon::Information);
        QTest::newRow("empty") << "   " << false << false << "Year must be specified." << "Invalid input" << info;
        QTest::newRow("two signs") << "--5" << false << false << "Invalid input for year." << "Invalid input" << info;
        QTest::newRow("3001") << "3001" << false << false << range << rangeTitle << info;
        QTest::newRow("bad year before events") << "abc" << true << false << "Invalid input for year."
                                                << "Invalid input" << info;
        QTest::newRow("no event") << "2015" << true << false << "At least one event must be selected." << calculate
                                  << static_cast<int>(MessageIcon::None);
        QTest::newRow("no method")
            << "2015" << false << true
            << "When calculating cross-quarter days at least one of 'True sun' and 'Mean sun' must be selected."
            << calculate << info;
    }

    void rejectedRequests() {
        QFETCH(QString, year);
        QFETCH(bool, noEvents);
        QFETCH(bool, noMethods);
        QFETCH(QString, prompt);
        QFETCH(QString, title);
        QFETCH(int, icon);
        Started s;
        frmMain& w = s.start();
        w.cmdCalculate->click();  // something in the box first
        const std::string before = w.outputText();
        w.txbYear->setText(year);
        if (noEvents) {
            w.cmdAllOrNoneVarnex[1]->click();
            w.cmdAllOrNoneVarnex[3]->click();
        }
        if (noMethods) {
            w.chkTrueSun->setCheckState(Qt::Unchecked);
            w.chkMeanSun->setCheckState(Qt::Unchecked);
        }
        w.cmdCalculate->click();
        QCOMPARE(s.log.messages.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(s.log.messages[0].prompt), prompt);
        QCOMPARE(QString::fromStdString(s.log.messages[0].title), title);
        QCOMPARE(static_cast<int>(s.log.messages[0].icon), icon);
        QCOMPARE(w.outputText(), before);
        QVERIFY(w.cmdResults->isVisible() && w.cmdClear->isVisible());
        QCOMPARE(w.txbYear->text(), year.trimmed());
    }

    void yearIsTrimmedAndTakenAsANumber() {
        Started s;
        frmMain& w = s.start();
        w.txbYear->setText(" +02015 ");
        w.cmdCalculate->click();
        QCOMPARE(w.txbYear->text(), QString("+02015"));
        QCOMPARE(w.lngYear, 2015);
        QVERIFY(w.outputText().find("2015-03-20 CE 22:45 GMT") != std::string::npos);
    }

    void twelveLinesThenASeparator() {
        Started s;
        frmMain& w = s.start();
        w.cmdCalculate->click();
        QCOMPARE(linesOf(w.outputText()).size(), std::size_t{12});
        QVERIFY(w.outputText().ends_with("\r\n"));
        QVERIFY(w.cmdResults->isVisible() && w.cmdClear->isVisible());
        QCOMPARE(w.txbOutput->textCursor().position(), w.txbOutput->document()->characterCount() - 1);

        w.cmdCalculate->click();
        const auto twice = linesOf(w.outputText());
        QCOMPARE(twice.size(), std::size_t{25});
        QCOMPARE(twice[12], std::string(20, '-'));
        QCOMPARE(w.txbOutput->toPlainText().count('\n'), 25);  // the widget shows the same lines
    }

    void weekdayZoneCalendarAndHemisphere() {
        Started s;
        frmMain& w = s.start();
        w.cmdAllOrNoneVarnex[3]->click();
        w.cmdAllOrNoneVarnex[1]->click();
        w.chkVE->setCheckState(Qt::Checked);
        w.chkIncludeWeekday->setCheckState(Qt::Checked);
        w.cboTimezone->setCurrentIndex(w.cboTimezone->findText("GMT+05:30"));
        w.optSH->setChecked(true);  // plays no part in Calculate
        w.cmdCalculate->click();
        QCOMPARE(w.outputText(), "Spring (March) equinox ........ 2015-03-21 CE 04:15 GMT+05:30, Saturday\r\n");
        QCOMPARE(w.intTimezoneOffset, 330);
        w.cboCalendar->setCurrentIndex(1);
        w.chkIncludeWeekday->setCheckState(Qt::Unchecked);
        w.cmdCalculate->click();
        QVERIFY(w.outputText().ends_with("2015-03-08 JC 04:15 GMT+05:30\r\n"));
        QCOMPARE(w.intCalendarCode, 'J');
    }

    void crossQuarterMethodsAndEquinoxWithoutMethods() {
        Started s;
        frmMain& w = s.start();
        w.cmdAllOrNoneVarnex[1]->click();
        w.cmdAllOrNoneVarnex[3]->click();
        w.chkSamhain->setCheckState(Qt::Checked);
        w.cmdCalculate->click();
        auto lines = linesOf(w.outputText());
        QVERIFY(lines[0].rfind("Samhain (mean sun)", 0) == 0);
        QVERIFY(lines[1].rfind("Samhain (true sun)", 0) == 0);
        w.cmdClear->click();
        w.chkSamhain->setCheckState(Qt::Unchecked);
        w.chkWS->setCheckState(Qt::Checked);
        w.chkMeanSun->setCheckState(Qt::Unchecked);
        w.chkTrueSun->setCheckState(Qt::Unchecked);
        w.cmdCalculate->click();
        QVERIFY(s.log.messages.empty());
        QCOMPARE(linesOf(w.outputText()).size(), std::size_t{1});
    }

    void allNoneAndTheMethodControls() {
        Started s;
        frmMain& w = s.start();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.cmdAllOrNoneVarnex[3]->click();  // None in Frame2
        QVERIFY(!w.Label2->isEnabled() && !w.chkMeanSun->isEnabled() && !w.chkTrueSun->isEnabled());
        QCOMPARE(w.chkMeanSun->checkState(), Qt::Checked);  // a disabled box keeps its tick
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.cmdCalculate));
        w.cmdAllOrNoneVarnex[1]->click();  // None in Frame1 leaves them alone
        QVERIFY(!w.chkMeanSun->isEnabled());
        QCOMPARE(w.chkVE->checkState(), Qt::Unchecked);
        QTest::keyClick(w.chkBeltane, Qt::Key_Space);
        QVERIFY(w.Label2->isEnabled() && w.chkMeanSun->isEnabled() && w.chkTrueSun->isEnabled());
        w.chkBeltane->setCheckState(Qt::PartiallyChecked);  // greyed does not count
        QVERIFY(!w.chkMeanSun->isEnabled());
        w.cmdAllOrNoneVarnex[0]->click();
        QCOMPARE(w.chkWS->checkState(), Qt::Checked);
        w.cmdAllOrNoneVarnex[2]->click();
        QVERIFY(w.chkTrueSun->isEnabled());
    }

    void focusMovesAfterStartUp() {
        Started s;
        frmMain& w = s.start();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.cboTimezone->setCurrentIndex(30);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.cmdCalculate));
        w.cmdHelp->setFocus();
        w.cboCalendar->setCurrentIndex(1);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.cmdCalculate));
        w.optSH->setChecked(true);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.cmdDisplayAll));
        w.cmdHelp->setFocus();
        w.cmdDisplayAll->setEnabled(false);
        w.optNH->setChecked(true);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.cmdHelp));
    }

    void enterInTheYearBox() {
        Started s;
        frmMain& w = s.start();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.txbYear->setFocus();
        QTest::keyClick(w.txbYear, Qt::Key_Return);
        const std::string once = w.outputText();
        QCOMPARE(linesOf(once).size(), std::size_t{12});
        QTest::keyClick(w.txbYear, Qt::Key_A);  // any other key does nothing
        QCOMPARE(w.outputText(), once);
        // The release of an Enter pressed elsewhere (the one that closed a message box).
        QTest::keyRelease(w.txbYear, Qt::Key_Return);
        QCOMPARE(w.outputText(), once);
        w.cmdCalculate->setEnabled(false);
        QTest::keyClick(w.txbYear, Qt::Key_Enter);
        QCOMPARE(w.outputText(), once);
    }

    void enterPressesTheFocusedButton() {
        Started s;
        frmMain& w = s.start();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.cmdAllOrNoneVarnex[3]->setFocus();
        QTest::keyClick(w.cmdAllOrNoneVarnex[3], Qt::Key_Return);
        QCOMPARE(w.chkSamhain->checkState(), Qt::Unchecked);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.cmdCalculate));
        QTest::keyClick(w.cmdCalculate, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(linesOf(w.outputText()).size(), std::size_t{4});
    }

    void outputBoxIsNavigableByKeyboard() {
        Started s;
        frmMain& w = s.start();
        w.cmdCalculate->click();
        QVERIFY(w.txbOutput->isReadOnly());
        w.txbOutput->setFocus();
        QTest::keyClick(w.txbOutput, Qt::Key_Home, Qt::ControlModifier);
        QTest::keyClick(w.txbOutput, Qt::Key_End, Qt::ShiftModifier);
        QCOMPARE(w.txbOutput->textCursor().selectedText(), QString::fromStdString(linesOf(w.outputText())[0]));
        QVERIFY(w.txbOutput->textInteractionFlags() & Qt::TextSelectableByKeyboard);  // with a caret
    }

    void yearBoxTakesFourTypedCharacters() {
        Started s;
        frmMain& w = s.start();
        w.txbYear->clear();
        QTest::keyClicks(w.txbYear, "123456");
        QCOMPARE(w.txbYear->text(), QString("1234"));
        w.txbYear->setText("+02015");  // set by the program: kept whole
        QCOMPARE(w.txbYear->text(), QString("+02015"));
        w.txbYear->setCursorPosition(6);
        QTest::keyClick(w.txbYear, Qt::Key_Backspace);
        QCOMPARE(w.txbYear->text(), QString("+0201"));
        QTest::keyClick(w.txbYear, Qt::Key_9);
        QCOMPARE(w.txbYear->text(), QString("+0201"));
    }

    void clearHidesBothButtons() {
        Started s;
        frmMain& w = s.start();
        w.cmdCalculate->click();
        w.cmdClear->click();
        QVERIFY(w.outputText().empty());
        QVERIFY(w.txbOutput->toPlainText().isEmpty());
        QVERIFY(!w.cmdClear->isVisible() && !w.cmdResults->isVisible());
        w.cmdCalculate->click();
        QVERIFY(w.cmdClear->isVisible() && w.cmdResults->isVisible());
        QVERIFY(linesOf(w.outputText())[0].rfind("Imbolc", 0) == 0);  // no separator after Clear
    }

    void closingTheMainWindowClosesTheOthers() {
        Started s;
        frmMain& w = s.start();
        w.cmdCalculate->click();
        w.cmdResults->click();
        QVERIFY(w.resultsWindow() && w.resultsWindow()->isVisible());
        w.cmdQuit->click();
        QVERIFY(!w.isVisible());
        for (QWidget* window : QApplication::topLevelWidgets()) QVERIFY2(!window->isVisible(), qPrintable(window->objectName()));
    }
};

QTEST_MAIN(FrmMainTest)
#include "frm_main_test.moc"
