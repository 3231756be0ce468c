// The Results window: placement against the main window, copying, write-back, activation.
#include "ui_support.h"

#include "platform/twips.h"
#include "text/program_text.h"
#include "ui/windows/frm_large_textbox.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace varnex;
using varnex::test::Started;

class ResultsWindowTest : public QObject {
    Q_OBJECT

    // The main window with an output text of exactly `characters` characters.
    static frmMain& startWithText(Started& s, std::size_t characters) {
        frmMain& w = s.start();
        std::string text;
        while (text.size() + 22 <= characters) text += "Line of twenty chars\r\n";
        text += std::string(characters - text.size(), 'x');
        w.setOutputText(text);
        w.move(100, 50);
        return w;
    }

    // The main window after one Calculate, with its Results window open.
    static frmLargeTextbox* openResults(Started& s) {
        frmMain& w = s.start();
        w.cmdCalculate->click();
        w.cmdResults->click();
        return w.resultsWindow();
    }

    static void select(frmLargeTextbox* r, int from, int to) {
        QTextCursor cursor = r->txbText->textCursor();
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        r->txbText->setTextCursor(cursor);
    }

private slots:
    void placement_data() {
        QTest::addColumn<int>("characters");
        QTest::addColumn<int>("topBelowMainTwips");
        QTest::newRow("599 characters") << 599 << 4005 + 300;
        QTest::newRow("600 characters") << 600 << 500;
    }

    void placement() {
        QFETCH(int, characters);
        QFETCH(int, topBelowMainTwips);
        Started s;
        frmMain& w = startWithText(s, static_cast<std::size_t>(characters));
        w.cmdResults->setVisible(true);
        w.cmdResults->click();
        frmLargeTextbox* r = w.resultsWindow();
        QVERIFY(r && r->isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(r));
        const QRect main = platform::outerGeometry(&w);
        const QRect results = platform::outerGeometry(r);
        QCOMPARE(results.top(), main.top() + platform::twipsToPixels(topBelowMainTwips));
        QCOMPARE(results.left(), main.left());
        QCOMPARE(results.width(), main.width());
        QCOMPARE(results.bottom(), main.bottom());
        QCOMPARE(r->windowTitle(), QString("Results"));
        QCOMPARE(r->objectName(), QString("frmLargeTextbox"));
        QCOMPARE(r->txbText->objectName(), QString("txbText"));
        QVERIFY(r->txbText->isReadOnly());
        QVERIFY(r->blnToBottom);
        QCOMPARE(r->text(), w.outputText());
        QCOMPARE(r->minimumSize(), r->maximumSize());  // a fixed border
    }

    void activationPutsTheCaretAtTheEndAndLaysOut() {
        Started s;
        frmLargeTextbox* r = openResults(s);
        frmMain& w = *s.window;
        QVERIFY(QTest::qWaitForWindowActive(r));
        QCOMPARE(r->txbText->textCursor().position(), r->txbText->document()->characterCount() - 1);
        QVERIFY(!r->txbText->textCursor().hasSelection());
        // Right edges of the text box and the Close command line up.
        QCOMPARE(r->cmdClose->geometry().right(), r->txbText->geometry().right());
        QCOMPARE(r->cmdClose->y(), r->cmdCopyToClipboard->y());
        QCOMPARE(r->palette().color(QPalette::Window), w.palette().color(QPalette::Window));
    }

    void comingBackFromTheMainWindowResetsIt() {
        Started s;
        frmLargeTextbox* r = openResults(s);
        frmMain& w = *s.window;
        QVERIFY(QTest::qWaitForWindowActive(r));
        select(r, 0, 6);
        QTest::mouseRelease(r->txbText->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(r->cmdCopyToClipboard->text(), QString::fromStdString(GetProgramText(424)));
        // Away to another program and back: nothing changes.
        QApplication::setActiveWindow(nullptr);
        QApplication::setActiveWindow(r);
        QVERIFY(r->txbText->textCursor().hasSelection());
        // To the main window and back: the selection goes, the caret is at the end again.
        QApplication::setActiveWindow(&w);
        QApplication::setActiveWindow(r);
        QVERIFY(!r->txbText->textCursor().hasSelection());
        QCOMPARE(r->txbText->textCursor().position(), r->txbText->document()->characterCount() - 1);
        QCOMPARE(r->cmdCopyToClipboard->text(), QString::fromStdString(GetProgramText(185)));
    }

    void copyWholeTextOrSelection() {
        Started s;
        frmLargeTextbox* r = openResults(s);
        frmMain& w = *s.window;
        QVERIFY(QTest::qWaitForWindowActive(r));
        QCOMPARE(r->cmdCopyToClipboard->text(), QString::fromStdString(GetProgramText(185)));
        QCOMPARE(r->cmdCopyToClipboard->width(), platform::twipsToPixels(2500));
        r->cmdCopyToClipboard->click();
        QCOMPARE(QGuiApplication::clipboard()->text(), QString::fromStdString(w.outputText()).replace("\r\n", "\n"));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(r->cmdClose));

        // A selection made with the mouse: the caption follows on the left button's release.
        select(r, 0, 6);
        QTest::mouseRelease(r->txbText->viewport(), Qt::RightButton, {}, QPoint(5, 5));
        QCOMPARE(r->cmdCopyToClipboard->text(), QString::fromStdString(GetProgramText(185)));
        QTest::mouseRelease(r->txbText->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(r->cmdCopyToClipboard->text(), QString::fromStdString(GetProgramText(424)));
        QCOMPARE(r->cmdCopyToClipboard->width(), platform::twipsToPixels(3750));
        r->cmdCopyToClipboard->click();
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("Imbolc"));
        QVERIFY(!r->txbText->textCursor().hasSelection());
        QCOMPARE(r->cmdCopyToClipboard->text(), QString::fromStdString(GetProgramText(185)));
    }

    void keyboardSelectionIsCopiedWithTheSystemsLineBreaks() {
        Started s;
        frmLargeTextbox* r = openResults(s);
        frmMain& w = *s.window;
        QVERIFY(QTest::qWaitForWindowActive(r));
        r->txbText->setFocus();
        QTest::keyClick(r->txbText, Qt::Key_Home, Qt::ControlModifier);
        QTest::keyClick(r->txbText, Qt::Key_Down, Qt::ShiftModifier);
        QTest::keyClick(r->txbText, Qt::Key_Down, Qt::ShiftModifier);
        r->cmdCopyToClipboard->setFocus();
        QTest::keyClick(r->cmdCopyToClipboard, Qt::Key_Return);  // Enter presses the focused button
        const QStringList lines = QString::fromStdString(w.outputText()).split("\r\n");
        QCOMPARE(QGuiApplication::clipboard()->text(), lines[0] + "\n" + lines[1] + "\n");
        QTest::keyClick(r->cmdClose, Qt::Key_Enter, Qt::KeypadModifier);
        QVERIFY(!r->isVisible());
    }

    void emptyTextCopiesAnEmptyText() {
        Started s;
        frmMain& w = s.start();
        QGuiApplication::clipboard()->setText("before");
        w.cmdResults_Click();
        w.resultsWindow()->cmdCopyToClipboard->click();
        QCOMPARE(QGuiApplication::clipboard()->text(), QString());
    }

    void closeHidesAndTheCloseBoxUnloads() {
        Started s;
        frmMain& w = s.start();
        w.cmdCalculate->click();
        const std::string text = w.outputText();
        w.cmdResults->click();
        QPointer<frmLargeTextbox> r = w.resultsWindow();
        r->cmdClose->click();
        QVERIFY(r && !r->isVisible());  // hidden, still loaded
        QCOMPARE(w.outputText(), text);
        QCOMPARE(w.txbOutput->textCursor().position(), 0);  // the write-back resets the caret

        w.cmdResults->click();
        QVERIFY(r->isVisible());
        r->close();  // the close box
        QTRY_VERIFY(r.isNull());
        QCOMPARE(w.outputText(), text);
        w.cmdResults->click();  // loaded again
        QVERIFY(w.resultsWindow() && w.resultsWindow()->isVisible());
        QVERIFY(!w.resultsWindow()->txbText->textCursor().hasSelection());
    }

    void laterResultsAppearAtTheNextClickAndSurviveTheClose() {
        Started s;
        frmLargeTextbox* r = openResults(s);
        frmMain& w = *s.window;
        const std::string shown = r->text();
        w.cmdCalculate->click();  // the Results window stays modeless and as it was
        QCOMPARE(r->text(), shown);
        const std::string both = w.outputText();
        r->cmdClose->click();  // no write-back over the newer results
        QCOMPARE(w.outputText(), both);
        w.cmdResults->click();
        QCOMPARE(r->text(), both);
    }
};

QTEST_MAIN(ResultsWindowTest)
#include "results_window_test.moc"
