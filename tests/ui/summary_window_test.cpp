// The summary window of "Display all for:": caption, place, layout, cells, Close and the
// close box.
#include "ui_support.h"

#include "platform/twips.h"
#include "report/summary.h"
#include "text/program_text.h"
#include "ui/main/frm_all.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace varnex;
using varnex::test::Started;

namespace {

QString cell(frmAll* all, std::size_t index) { return all->lblEvent[index]->text(); }

}  // namespace

class SummaryWindowTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheYearInTheRing() {
        Started s;
        frmMain& w = s.start();
        w.cmdAllOrNoneVarnex[1]->click();  // no event selected: all eight still shown
        w.cmdAllOrNoneVarnex[3]->click();
        w.txbYear->setText(" +2015 ");
        w.cmdDisplayAll->click();
        frmAll* all = w.summaryWindow();
        QVERIFY(all && all->isVisible());
        QVERIFY(s.log.messages.empty());
        QCOMPARE(all->windowTitle(), QString("All dates and times for +2015 CE in the Northern Hemisphere"));
        QCOMPARE(all->palette().color(QPalette::Window), QColor(128, 128, 255));
        QVERIFY(w.outputText().empty());  // nothing goes to the output box
        // Clockwise from top left; both methods in every cross-quarter cell, no weekday.
        QVERIFY(cell(all, 0).startsWith("Imbolc\nTrue sun: 2015-02-04 CE "));
        QCOMPARE(cell(all, 1), QString("Spring equinox\n2015-03-20 CE 22:45 GMT"));
        QVERIFY(cell(all, 2).startsWith("Beltane\nTrue sun: 2015-05-05 CE "));
        QVERIFY(cell(all, 5).startsWith("Summer solstice\n2015-06-21 CE 16:3"));
        QVERIFY(cell(all, 8).startsWith("Lughnassad\nMean sun: 2015-08-0"));
        QVERIFY(cell(all, 7).startsWith("Autumn equinox\n2015-09-23 CE 08:2"));
        QVERIFY(cell(all, 6).startsWith("Samhain\nMean sun: 2015-11-0"));
        QVERIFY(cell(all, 3).startsWith("Winter solstice\n2015-12-22 CE 04:4"));
        QCOMPARE(cell(all, 4), QString("Read clockwise from top left"));
        QCOMPARE(all->objectName(), QString("frmAll"));
        QCOMPARE(all->lblEvent[8]->objectName(), QString("lblEvent_8"));
    }

    void southernNamesJulianDatesAndTheZone() {
        Started s;
        frmMain& w = s.start();
        w.optSH->setChecked(true);
        w.cboCalendar->setCurrentIndex(1);
        w.cboTimezone->setCurrentIndex(w.cboTimezone->findText("GMT+05:30"));
        w.cmdDisplayAll->click();
        frmAll* all = w.summaryWindow();
        QCOMPARE(all->windowTitle(), QString("All dates and times for 2015 CE in the Southern Hemisphere"));
        QCOMPARE(cell(all, 1), QString("Autumn equinox\n2015-03-08 JC 04:15 GMT+05:30"));
        QVERIFY(cell(all, 0).startsWith("Lughnassad\nTrue sun: "));
        QVERIFY(cell(all, 3).startsWith("Summer solstice\n"));
        QVERIFY(cell(all, 6).startsWith("Beltane\nMean sun: "));
        for (const std::size_t i : kSummaryReadingOrder) QVERIFY(cell(all, i).contains(" JC ") && cell(all, i).endsWith("GMT+05:30"));
    }

    void rejectedYearOpensNothing() {
        Started s;
        frmMain& w = s.start();
        w.txbYear->setText("3001");
        w.cmdDisplayAll->click();
        QCOMPARE(s.log.messages.size(), std::size_t{1});
        QCOMPARE(s.log.messages[0].prompt, GetProgramText(24));
        QVERIFY(!w.summaryWindow());
        w.txbYear->setText("2015");
        w.cmdDisplayAll->click();
        const QString shown = cell(w.summaryWindow(), 1);
        w.txbYear->setText("abc");
        w.cmdDisplayAll->click();  // an open window keeps what it shows
        QCOMPARE(cell(w.summaryWindow(), 1), shown);
        QCOMPARE(s.log.messages.back().prompt, std::string("Invalid input for year."));
    }

    void layoutOncePerCommand() {
        Started s;
        frmMain& w = s.start();
        w.cmdDisplayAll->click();
        frmAll* all = w.summaryWindow();
        QVERIFY(QTest::qWaitForWindowExposed(all));
        // 12180 x 3000 twips: colW 3993, rowH 842; columns at 25, 4043, 8061, rows at 75, 942, 1809.
        const QRect outer = platform::outerGeometry(all);
        QCOMPARE(outer.width(), platform::twipsToPixels(12180));
        QCOMPARE(outer.height(), platform::twipsToPixels(3000) + platform::twipsToPixels(150));
        QCOMPARE(all->lblEvent[0]->geometry(), platform::twipsRect(25, 75, 3993, 842));
        QCOMPARE(all->lblEvent[5]->geometry(), platform::twipsRect(8061, 942, 3993, 842));
        QCOMPARE(all->lblEvent[7]->geometry(), platform::twipsRect(4043, 1809, 3993, 842));
        const QRect centre = all->lblEvent[4]->geometry();
        QCOMPARE(all->cmdClose->geometry().center().x(), centre.center().x());
        QCOMPARE(all->cmdClose->y(), centre.top() + (centre.height() - all->cmdClose->height()) * 2 / 3);
        QCOMPARE(outer.top(), platform::outerGeometry(&w).top() + platform::twipsToPixels(850));
        // Back and forth between the windows: no taller each time.
        QApplication::setActiveWindow(&w);
        QApplication::setActiveWindow(all);
        QApplication::setActiveWindow(&w);
        QApplication::setActiveWindow(all);
        QCOMPARE(platform::outerGeometry(all).height(), outer.height());
        w.cmdDisplayAll->click();  // a new command sets the size again
        QCOMPARE(platform::outerGeometry(all).height(), outer.height());
    }

    void closeHidesAndTheCloseBoxUnloads() {
        Started s;
        frmMain& w = s.start();
        w.cmdDisplayAll->click();
        QPointer<frmAll> all = w.summaryWindow();
        QVERIFY(QTest::qWaitForWindowActive(all));
        all->cmdClose->setFocus();
        QTest::keyClick(all->cmdClose, Qt::Key_Return);
        QVERIFY(all && !all->isVisible());
        w.txbYear->setText("2016");
        w.cmdDisplayAll->click();  // the same window, refreshed
        QCOMPARE(w.summaryWindow(), all.data());
        QVERIFY(cell(all, 1).contains("2016-03-20"));
        all->close();
        QTRY_VERIFY(all.isNull());
        w.cmdDisplayAll->click();
        QVERIFY(w.summaryWindow() && w.summaryWindow()->isVisible());
    }
};

QTEST_MAIN(SummaryWindowTest)
#include "summary_window_test.moc"
