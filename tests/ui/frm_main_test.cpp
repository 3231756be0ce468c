// The main window driven headless: start-up, Calculate, the selection controls, Clear, Quit.
#include "ui_support.h"

#include "platform/program_folder.h"
#include "varnex/version.h"
#include "ui/windows/frm_large_textbox.h"

using namespace varnex;
using namespace varnex::test;

class FrmMainTest : public QObject, EachTest {
    Q_OBJECT

private slots:
    void init() { startFresh(); }
    void cleanup() { s.reset(); }

    void startUpDefaultsNamesAndColours() {
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QCOMPARE(w->windowTitle(), programText(1) + " " + kVersion);
        QCOMPARE(w->windowIcon().availableSizes().size(), 4);  // rendered from the installed SVG
        QCOMPARE(w->size(), QSize(549, 542));  // 8235 x 8130 twips
        QCOMPARE(glance(*w), "2015 11111111110 24 N 111 00");
        QCOMPARE(QStringList({w->cboCalendar->currentText(), w->cboTimezone->currentText(), w->cmdResults->text()}),
                 QStringList({"Common Era (Gregorian)", "GMT", programText(20)}));
        QCOMPARE(QList<int>({w->cboCalendar->count(), w->cboTimezone->count(), w->cboTimezone->itemData(0).toInt()}),
                 QList<int>({2, 49, -720}));
        QVERIFY(w->outputText().empty() && w->cmdResults->isEnabled() && w->blnStartupCompleted && s->log.shown.isEmpty());
        QCOMPARE(w->focusWidget(), w->cmdHelp);
        QVERIFY(std::filesystem::is_directory(s->config / "Ostrel"));
        QCOMPARE(w->strProgramTextFile, "varnex.dat");
        QCOMPARE(w->strUserSettingsFile, qs(settingsPath().string()));
        const QString names =
            "lblYear txbYear lblCalendar cboCalendar lblTimezone cboTimezone Frame1 Frame2 chkVE chkSS chkAE chkWS "
            "chkImbolc chkBeltane chkLughnassad chkSamhain Label2 chkMeanSun chkTrueSun cmdAllOrNoneVarnex_0 "
            "cmdAllOrNoneVarnex_1 cmdAllOrNoneVarnex_2 cmdAllOrNoneVarnex_3 cmdCalculate cmdDisplayAll optNH optSH "
            "chkIncludeWeekday cmdSaveSettings txbOutput cmdClear cmdResults cmdHelp cmdQuit lblOstrel lblURL "
            "lblOnlineUserManual lblCopyrightNotice";
        for (const QString& name : names.split(' ')) QVERIFY2(w->findChild<QWidget*>(name), qPrintable(name));
        QCOMPARE(w->objectName(), "frmMain");
        QCOMPARE(w->palette().color(QPalette::Window), QColor(0, 0, 128));
        for (QWidget* x : QWidgetList{w->chkVE, w->Frame2, w->lblCopyrightNotice, w->lblOstrel})
            QCOMPARE(x->palette().color(QPalette::WindowText), x->inherits("QLabel") ? QColor(180, 180, 180) : Qt::white);
        for (QWidget* x : QWidgetList{w->chkVE, w->cmdCalculate}) QCOMPARE(x->font().family(), "Arial");
        QVERIFY(w->cmdCalculate->font().bold() && w->txbOutput->isReadOnly());
        QCOMPARE(w->txbOutput->font().family(), "Courier New");
        QCOMPARE(w->lblOstrel->toolTip(), "Click here for the Ostrel website at " + qs(platform::programFolder()) + "/" + programText(14) + ".");
        QVERIFY((w->windowFlags() & Qt::WindowMinimizeButtonHint) && !(w->windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(w->minimumSize(), w->maximumSize());
        // The output box lines up with the frames and the buttons around it.
        QCOMPARE(QList<int>({w->Frame2->geometry().right(), w->cmdQuit->geometry().right()}),
                 QList<int>(2, w->txbOutput->geometry().right()));
    }

    void failedProgramTextEndsTheStart() {
        TempFolder empty;
        platform::setProgramFolderForTesting(empty.path().string());
        frmMain other;
        const bool started = other.Form_Load();
        platform::setProgramFolderForTesting({});
        QVERIFY(LoadProgramText(platform::programFolder(), "varnex.dat").ok());  // again, for the tests that follow
        QVERIFY(!started && !other.isVisible());
        const QString prompt = "Cannot open file containing program text.\r\n" + qs((empty / "varnex.dat").string());
        QCOMPARE(s->log.shown, QStringList{message("", MessageIcon::Critical, prompt)});
    }

    void rejectedRequests_data() {
        QTest::addColumn<QString>("year");
        QTest::addColumn<int>("cleared");  // 1: every event, 2: both methods
        QTest::addColumn<QString>("shown");
        // One for each source of messages; the texts are the core's (tests/report).
        const QString calculate = "Calculate dates and times of selected events";
        QTest::newRow("3001") << " 3001 " << 0 << message(programText(25), MessageIcon::Information, programText(24));
        QTest::newRow("bad year before events") << "abc" << 1
                                                << message("Invalid input", MessageIcon::Information, "Invalid input for year.");
        QTest::newRow("no event") << "2015" << 1
                                  << message(calculate, MessageIcon::None, "At least one event must be selected.");
        QTest::newRow("no method") << "2015" << 2
                                   << message(calculate, MessageIcon::Information, "When calculating cross-quarter days "
                                              "at least one of 'True sun' and 'Mean sun' must be selected.");
    }

    void rejectedRequests() {
        QFETCH(QString, year);
        QFETCH(int, cleared);
        QFETCH(QString, shown);
        w->cmdCalculate->click();  // something in the box first
        const std::string before = w->outputText();
        w->txbYear->setText(year);
        if (cleared == 1) click({w->cmdAllOrNoneVarnex[1], w->cmdAllOrNoneVarnex[3]});
        if (cleared == 2) tick(Qt::Unchecked, {w->chkTrueSun, w->chkMeanSun});
        w->cmdCalculate->click();
        QCOMPARE(s->log.shown, QStringList{shown});
        QCOMPARE(w->outputText(), before);
        QVERIFY(w->cmdResults->isVisible() && w->cmdClear->isVisible());
        QCOMPARE(w->txbYear->text(), year.trimmed());
    }

    void trimmedYearGivesTwelveLinesThenASeparator() {
        w->txbYear->setText(" +02015 ");
        w->cmdCalculate->click();
        QCOMPARE(glance(*w), "+02015 11111111110 24 N 111 11");
        QCOMPARE(w->lngYear, 2015);
        QCOMPARE(lines(*w).size(), 12);
        QVERIFY(w->outputText().ends_with("\r\n") && caretAtEnd(w->txbOutput));
        w->cmdCalculate->click();
        QCOMPARE(lines(*w).size(), 25);
        QCOMPARE(lines(*w)[12], QString(20, '-'));
        QCOMPARE(w->txbOutput->toPlainText().count('\n'), 25);  // the widget shows the same lines
    }

    void calculateReadsWeekdayZoneCalendarAndMethods() {
        click({w->cmdAllOrNoneVarnex[1], w->cmdAllOrNoneVarnex[3]});
        tick(Qt::Checked, {w->chkVE, w->chkIncludeWeekday});
        w->cboTimezone->setCurrentText("GMT+05:30");
        w->optSH->setChecked(true);  // plays no part in Calculate
        w->cmdCalculate->click();
        QCOMPARE(w->outputText(), "Spring (March) equinox ........ 2015-03-21 CE 04:15 GMT+05:30, Saturday\r\n");
        w->cboCalendar->setCurrentIndex(1);
        tick(Qt::Unchecked, {w->chkIncludeWeekday});
        w->cmdCalculate->click();
        QVERIFY(w->outputText().ends_with("2015-03-08 JC 04:15 GMT+05:30\r\n"));
        QCOMPARE(QList<int>({w->intTimezoneOffset, w->intCalendarCode}), QList<int>({330, 'J'}));
        // A cross-quarter day by both methods, mean sun first; an equinox needs no method.
        w->cmdClear->click();
        tick(Qt::Unchecked, {w->chkVE});
        tick(Qt::Checked, {w->chkSamhain});
        w->cmdCalculate->click();
        const QStringList samhain = lines(*w);
        QCOMPARE(samhain.size(), 2);
        QVERIFY(samhain[0].startsWith("Samhain (mean sun)") && samhain[1].startsWith("Samhain (true sun)"));
        w->cmdClear->click();
        tick(Qt::Unchecked, {w->chkSamhain, w->chkMeanSun, w->chkTrueSun});
        tick(Qt::Checked, {w->chkWS});
        w->cmdCalculate->click();
        QVERIFY(s->log.shown.isEmpty());
        QCOMPARE(lines(*w).size(), 1);
    }

    void allNoneTheMethodControlsAndTheFocus() {
        QVERIFY(QTest::qWaitForWindowActive(w));
        press(w->cmdAllOrNoneVarnex[3], Qt::Key_Return);  // Enter presses the focused button: None in Frame2
        QCOMPARE(glance(*w), "2015 11110000110 24 N 000 00");  // the disabled method boxes keep their ticks
        QVERIFY(w->cmdCalculate->hasFocus());
        QTest::keyClick(w->cmdCalculate, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(lines(*w).size(), 4);
        w->cmdAllOrNoneVarnex[1]->click();  // None in Frame1 leaves the method controls alone
        QCOMPARE(glance(*w), "2015 00000000110 24 N 000 11");
        QTest::keyClick(w->chkBeltane, Qt::Key_Space);
        QCOMPARE(glance(*w), "2015 00000100110 24 N 111 11");
        w->chkBeltane->setCheckState(Qt::PartiallyChecked);  // greyed does not count
        QCOMPARE(glance(*w), "2015 00000200110 24 N 000 11");
        click({w->cmdAllOrNoneVarnex[0], w->cmdAllOrNoneVarnex[2]});
        QCOMPARE(glance(*w), "2015 11111111110 24 N 111 11");
        // Once started, the lists move the focus to Calculate, the hemisphere to Display all (when enabled).
        const auto focusAfter = [this](const std::function<void()>& step) {
            w->cmdHelp->setFocus();
            step();
            return QApplication::focusWidget();
        };
        QCOMPARE(focusAfter([this] { w->cboTimezone->setCurrentIndex(30); }), w->cmdCalculate);
        QCOMPARE(focusAfter([this] { w->cboCalendar->setCurrentIndex(1); }), w->cmdCalculate);
        QCOMPARE(focusAfter([this] { w->optSH->setChecked(true); }), w->cmdDisplayAll);
        w->cmdDisplayAll->setEnabled(false);
        QCOMPARE(focusAfter([this] { w->optNH->setChecked(true); }), w->cmdHelp);
    }

    // Keys in the closed list step through it and leave the focus there; a choice made in the
    // open list moves the focus on to Calculate.
    void listsStepByKeyAndMoveOnAtAChoice_data() {
        QTest::addColumn<bool>("zones");
        QTest::addColumn<bool>("open");
        QTest::addColumn<QList<int>>("keys");  // Qt::Key, with Alt as 1 << 30
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("movedOn");
        const int alt = 1 << 30;
        QTest::newRow("zone: Down") << true << false << QList<int>{Qt::Key_Down} << 25 << false;
        QTest::newRow("zone: Down Down Up") << true << false << QList<int>{Qt::Key_Down, Qt::Key_Down, Qt::Key_Up} << 25 << false;
        QTest::newRow("zone: Home") << true << false << QList<int>{Qt::Key_Home} << 0 << false;
        QTest::newRow("zone: End") << true << false << QList<int>{Qt::Key_End} << 48 << false;
        QTest::newRow("zone: Page Down") << true << false << QList<int>{Qt::Key_PageDown} << 25 << false;
        QTest::newRow("zone: Page Up") << true << false << QList<int>{Qt::Key_PageUp} << 23 << false;
        QTest::newRow("calendar: J") << false << false << QList<int>{Qt::Key_J} << 1 << false;
        QTest::newRow("zone: open, Down, Enter") << true << true << QList<int>{Qt::Key_Down, Qt::Key_Return} << 25 << true;
        QTest::newRow("calendar: open, Down, Alt+Up") << false << true << QList<int>{Qt::Key_Down, Qt::Key_Up | alt} << 1 << true;
        QTest::newRow("zone: open, click") << true << true << QList<int>{} << 30 << true;
    }

    void listsStepByKeyAndMoveOnAtAChoice() {
        QFETCH(bool, zones);
        QFETCH(bool, open);
        QFETCH(QList<int>, keys);
        QFETCH(int, index);
        QFETCH(bool, movedOn);
        QVERIFY(QTest::qWaitForWindowActive(w));
        DropDownList* list = zones ? w->cboTimezone : w->cboCalendar;
        list->setFocus();
        QWidget* target = list;
        if (open) {
            list->showPopup();
            target = list->view();
            QVERIFY(QTest::qWaitForWindowExposed(target->window()));
        }
        for (const int key : keys)
            QTest::keyClick(target, Qt::Key(key & ~(1 << 30)), key & (1 << 30) ? Qt::AltModifier : Qt::NoModifier);
        if (open && keys.isEmpty()) {
            const QRect entry = list->view()->visualRect(list->model()->index(index, 0));
            QTest::mouseClick(list->view()->viewport(), Qt::LeftButton, {}, entry.center());
        }
        QVERIFY(!list->view()->isVisible());
        QCOMPARE(list->currentIndex(), index);
        QCOMPARE(QApplication::focusWidget(), movedOn ? static_cast<QWidget*>(w->cmdCalculate) : list);
    }

    void yearAndOutputBoxesByKeyboard() {
        QVERIFY(QTest::qWaitForWindowActive(w));
        press(w->txbYear, Qt::Key_Return);
        QCOMPARE(lines(*w).size(), 12);
        const std::string once = w->outputText();
        QTest::keyClick(w->txbYear, Qt::Key_A);  // any other key does nothing
        QTest::keyRelease(w->txbYear, Qt::Key_Return);  // the release of an Enter pressed elsewhere
        w->cmdCalculate->setEnabled(false);
        QTest::keyClick(w->txbYear, Qt::Key_Enter);
        QCOMPARE(w->outputText(), once);
        QVERIFY(s->log.shown.isEmpty());
        // The output box: read-only, with a caret, selectable by keyboard.
        press(w->txbOutput, Qt::Key_Home, Qt::ControlModifier);
        QTest::keyClick(w->txbOutput, Qt::Key_End, Qt::ShiftModifier);
        QCOMPARE(w->txbOutput->textCursor().selectedText(), lines(*w)[0]);
        QVERIFY(w->txbOutput->textInteractionFlags() & Qt::TextSelectableByKeyboard);
        // Four typed characters at most; a longer text set by the program is kept whole.
        w->txbYear->clear();
        QTest::keyClicks(w->txbYear, "123456");
        QCOMPARE(w->txbYear->text(), "1234");
        w->txbYear->setText("+02015");
        QCOMPARE(w->txbYear->text(), "+02015");
        w->txbYear->setCursorPosition(6);
        QTest::keyClick(w->txbYear, Qt::Key_Backspace);
        QTest::keyClick(w->txbYear, Qt::Key_9);  // five characters still: no room
        QCOMPARE(w->txbYear->text(), "+0201");
    }

    void clearHidesBothButtons() {
        click({w->cmdCalculate, w->cmdClear});
        QVERIFY(w->outputText().empty() && w->txbOutput->toPlainText().isEmpty());
        QCOMPARE(glance(*w), "2015 11111111110 24 N 111 00");
        w->cmdCalculate->click();
        QCOMPARE(glance(*w), "2015 11111111110 24 N 111 11");
        QVERIFY(w->outputText().starts_with("Imbolc"));  // no separator after Clear
    }

    void closingTheMainWindowClosesTheOthers() {
        click({w->cmdCalculate, w->cmdResults});
        QVERIFY(w->resultsWindow() && w->resultsWindow()->isVisible());
        w->cmdQuit->click();
        for (QWidget* window : QApplication::topLevelWidgets())
            QVERIFY2(!window->isVisible(), qPrintable(window->objectName()));
    }
};

QTEST_MAIN(FrmMainTest)
#include "frm_main_test.moc"
