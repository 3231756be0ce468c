// frmPopUp: modal, placed in twips, closed by its timer or a click on the message.
#include "platform/twips.h"
#include "ui/windows/frm_pop_up.h"

#include <QElapsedTimer>

#include <cmath>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QtTest>

using namespace varnex;
using platform::twipsToPixels;

namespace {

// Runs `check` while the pop-up is up, then clicks `where` on the window (when given).
void whileShown(frmPopUp& popUp, std::function<void()> check, std::optional<QPoint> clickAt) {
    QTimer::singleShot(30, [&popUp, check = std::move(check), clickAt] {
        QVERIFY(popUp.isVisible());
        check();
        if (clickAt) QTest::mouseClick(popUp.childAt(*clickAt) ? popUp.childAt(*clickAt) : &popUp, Qt::LeftButton);
    });
}

}  // namespace

class PopUpTest : public QObject {
    Q_OBJECT

private slots:
    void popUpIsModalPlacedAndClosedByItsTimer() {
        frmPopUp popUp;
        QCOMPARE(popUp.objectName(), QString("frmPopUp"));
        QCOMPARE(popUp.lblMessage->objectName(), QString("lblMessage"));
        QVERIFY(popUp.windowFlags() & Qt::FramelessWindowHint);
        bool checked = false;
        whileShown(
            popUp,
            [&] {
                checked = true;
                QVERIFY(popUp.isModal());
                QCOMPARE(QApplication::activeModalWidget(), static_cast<QWidget*>(&popUp));
                QCOMPARE(popUp.geometry(), QRect(twipsToPixels(1500), twipsToPixels(1200), twipsToPixels(3000),
                                                 twipsToPixels(600)));
                QCOMPARE(popUp.lblMessage->size(), popUp.size());
                QCOMPARE(popUp.lblMessage->text(), QString("Hello"));
            },
            std::nullopt);
        QElapsedTimer clock;
        clock.start();
        popUp.PopUp("Hello", 3000, 600, 300, 1200, 1500);  // returns when the timer has closed it
        QVERIFY(checked);
        QVERIFY(!popUp.isVisible());
        QVERIFY(clock.elapsed() >= 250);
        QVERIFY(!popUp.Timer1->isActive());
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
        // 1740 twips of message in a window 3000 high: a click below the message does nothing.
        int clicksBelow = 0;
        QTimer::singleShot(30, [&] {
            QCOMPARE(popUp.pos(), form.frameGeometry().topLeft() + QPoint(twipsToPixels(220), twipsToPixels(310)));
            QCOMPARE(popUp.lblMessage->height(), twipsToPixels(1740));
            QCOMPARE(popUp.lblMessage->width(), twipsToPixels(2000));
            QTest::mouseClick(&popUp, Qt::LeftButton, {}, QPoint(10, twipsToPixels(2500)));
            ++clicksBelow;
            QVERIFY(popUp.isVisible());
            QTest::mouseClick(popUp.lblMessage, Qt::LeftButton, {}, QPoint(10, 10));
        });
        popUp.PopUpInForm(&form, "Saved", 2000, 3000, 0, 310, 220);
        QCOMPARE(clicksBelow, 1);
        QVERIFY(!popUp.isVisible());
    }

    void centerScreenUsesThePreviousSize() {
        frmPopUp popUp;
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const QSize initial = popUp.size();  // 3495 x 1995 twips
        QPoint first;
        whileShown(popUp, [&] { first = popUp.pos(); }, QPoint(2, 2));
        popUp.PopUpCenterScreen("One", 1500, 450, 0);
        // Halves of a twip go to the even neighbour.
        const auto centred = [](int screenPixels, int windowPixels) {
            return twipsToPixels(static_cast<int>(std::nearbyint((screenPixels - windowPixels) * 15 / 2.0)));
        };
        QCOMPARE(first.x(), centred(screen.width(), initial.width()));
        QCOMPARE(first.y(), centred(screen.height(), initial.height()));
        QPoint second;
        whileShown(popUp, [&] { second = popUp.pos(); }, QPoint(2, 2));
        popUp.PopUpCenterScreen("Two", 3000, 900, 0);
        QCOMPARE(second.x(), centred(screen.width(), twipsToPixels(1500)));
    }
};

QTEST_MAIN(PopUpTest)
#include "pop_up_test.moc"
