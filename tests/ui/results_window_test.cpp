// The Results window: placement against the main window, copying, write-back, activation.
#include "ui_support.h"

#include "ui/windows/frm_large_textbox.h"

using namespace varnex;
using namespace varnex::test;

class ResultsWindowTest : public QObject, EachTest {
    Q_OBJECT
    frmLargeTextbox* r = nullptr;

    // One Calculate, then the Results window open and active.
    bool open() {
        click({w->cmdCalculate, w->cmdResults});
        r = w->resultsWindow();
        return r && QTest::qWaitForWindowActive(r);
    }
    QString copyCaption() const { return r->cmdCopyToClipboard->text(); }
    void release(Qt::MouseButton button) { QTest::mouseRelease(r->txbText->viewport(), button, {}, QPoint(5, 5)); }

private slots:
    void init() { startFresh(); }
    void cleanup() { s.reset(); }

    void placement_data() {
        QTest::addColumn<int>("characters");
        QTest::addColumn<int>("topBelowMainTwips");
        QTest::newRow("599 characters") << 599 << 4005 + 300;
        QTest::newRow("600 characters") << 600 << 500;
    }

    void placement() {
        QFETCH(int, characters);
        QFETCH(int, topBelowMainTwips);
        const QString text = QString("Line of twenty chars\r\n").repeated(characters / 22).leftJustified(characters, 'x');
        w->setOutputText(text.toStdString());
        w->move(100, 50);
        w->cmdResults->setVisible(true);
        w->cmdResults->click();
        r = w->resultsWindow();
        QVERIFY(r && QTest::qWaitForWindowExposed(r));
        const QRect main = platform::outerGeometry(w);
        // Left, width and bottom edge the main window's.
        QCOMPARE(platform::outerGeometry(r), main.adjusted(0, twipsToPixels(topBelowMainTwips), 0, 0));
        QCOMPARE(QStringList({r->windowTitle(), r->objectName(), r->txbText->objectName(), qs(r->text())}),
                 QStringList({"Results", "frmLargeTextbox", "txbText", qs(w->outputText())}));
        QVERIFY(r->txbText->isReadOnly() && r->blnToBottom);
        QCOMPARE(r->minimumSize(), r->maximumSize());  // a fixed border
    }

    void activationPutsTheCaretAtTheEndUnlessBackFromAnotherProgram() {
        QVERIFY(open());
        QVERIFY(caretAtEnd(r->txbText));
        // Right edges of the text box and the Close command line up.
        QCOMPARE(r->cmdClose->geometry().right(), r->txbText->geometry().right());
        QCOMPARE(r->cmdClose->y(), r->cmdCopyToClipboard->y());
        QCOMPARE(r->palette().color(QPalette::Window), w->palette().color(QPalette::Window));
        selectText(r->txbText, 0, 6);
        release(Qt::LeftButton);
        QCOMPARE(copyCaption(), programText(424));
        for (QWidget* away : QWidgetList{nullptr, r}) QApplication::setActiveWindow(away);
        QVERIFY(r->txbText->textCursor().hasSelection());  // back from another program: as it was
        for (QWidget* away : QWidgetList{w, r}) QApplication::setActiveWindow(away);
        QVERIFY(caretAtEnd(r->txbText));  // back from the main window: reset
        QCOMPARE(copyCaption(), programText(185));
    }

    void copyWholeTextOrSelection() {
        QVERIFY(open());
        QCOMPARE(copyCaption(), programText(185));
        QCOMPARE(r->cmdCopyToClipboard->width(), twipsToPixels(2500));
        r->cmdCopyToClipboard->click();
        QCOMPARE(QGuiApplication::clipboard()->text(), qs(w->outputText()).replace("\r\n", "\n"));
        QVERIFY(r->cmdClose->hasFocus());
        // A selection made with the mouse: the caption follows on the left button's release.
        selectText(r->txbText, 0, 6);
        release(Qt::RightButton);
        QCOMPARE(copyCaption(), programText(185));
        release(Qt::LeftButton);
        QCOMPARE(copyCaption(), programText(424));
        QCOMPARE(r->cmdCopyToClipboard->width(), twipsToPixels(3750));
        r->cmdCopyToClipboard->click();
        QCOMPARE(QGuiApplication::clipboard()->text(), "Imbolc");
        QVERIFY(!r->txbText->textCursor().hasSelection());
        QCOMPARE(copyCaption(), programText(185));
    }

    void keyboardSelectionIsCopiedWithTheSystemsLineBreaks() {
        QVERIFY(open());
        r->txbText->setFocus();
        QTest::keyClick(r->txbText, Qt::Key_Home, Qt::ControlModifier);
        for (int i = 0; i < 2; ++i) QTest::keyClick(r->txbText, Qt::Key_Down, Qt::ShiftModifier);
        r->cmdCopyToClipboard->setFocus();
        QTest::keyClick(r->cmdCopyToClipboard, Qt::Key_Return);  // Enter presses the focused button
        QCOMPARE(QGuiApplication::clipboard()->text(), lines(*w).mid(0, 2).join("\n") + "\n");
        QTest::keyClick(r->cmdClose, Qt::Key_Enter, Qt::KeypadModifier);
        QVERIFY(!r->isVisible());
    }

    void closeHidesAndTheCloseBoxUnloads() {
        QVERIFY(open());
        const std::string text = w->outputText();
        QPointer<frmLargeTextbox> loaded = r;
        r->cmdClose->click();
        QVERIFY(loaded && !r->isVisible());  // hidden, still loaded
        QCOMPARE(w->outputText(), text);
        QCOMPARE(w->txbOutput->textCursor().position(), 0);  // the write-back resets the caret
        w->cmdResults->click();
        QVERIFY(r->isVisible());
        r->close();  // the close box
        QTRY_VERIFY(loaded.isNull());
        QCOMPARE(w->outputText(), text);
        w->cmdResults->click();  // loaded again
        QVERIFY(w->resultsWindow() && w->resultsWindow()->isVisible());
        QVERIFY(!w->resultsWindow()->txbText->textCursor().hasSelection());
    }

    void laterResultsAppearAtTheNextClickAndSurviveTheClose() {
        QVERIFY(open());
        const std::string shown = r->text();
        w->cmdCalculate->click();  // the Results window stays modeless and as it was
        QCOMPARE(r->text(), shown);
        const std::string both = w->outputText();
        r->cmdClose->click();  // no write-back over the newer results
        QCOMPARE(w->outputText(), both);
        w->cmdResults->click();
        QCOMPARE(r->text(), both);
    }
};

QTEST_MAIN(ResultsWindowTest)
#include "results_window_test.moc"
