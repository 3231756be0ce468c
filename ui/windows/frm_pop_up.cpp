#include "frm_pop_up.h"

#include "platform/fonts.h"
#include "platform/twips.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

#include <cmath>

namespace varnex {

using platform::twipsToPixels;

frmPopUp::frmPopUp(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), lblMessage(new QLabel(tr("Label1"), this)),
      Timer1(new QTimer(this)) {
    setObjectName("frmPopUp");
    setModal(true);
    setWindowTitle({});
    setAccessibleName(tr("Message"));  // the label's text is read as its name
    setStyleSheet("QDialog#frmPopUp { background: white; border: 1px solid black; }");
    resize(twipsToPixels(3495), twipsToPixels(1995));

    lblMessage->setObjectName("lblMessage");
    lblMessage->setGeometry(platform::twipsRect(0, 0, 3360, 1740));
    lblMessage->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblMessage->setWordWrap(true);
    lblMessage->setStyleSheet("background: white; color: rgb(0, 0, 192);");
    lblMessage->setFont(platform::designFont("Tahoma", 9.75, true));
    lblMessage->installEventFilter(this);

    Timer1->setObjectName("Timer1");
    Timer1->setSingleShot(true);
    Timer1->setInterval(2000);
    connect(Timer1, &QTimer::timeout, this, &frmPopUp::Timer1_Timer);
    connect(this, &QDialog::finished, Timer1, &QTimer::stop);  // also when Escape closes it
}

void frmPopUp::PopUp(const QString& strMessage, std::int16_t intWidth, std::int16_t intHeight, std::int16_t intInterval,
                     std::int16_t intTop, std::int16_t intLeft) {
    lblMessage->setText(strMessage);
    resize(twipsToPixels(intWidth), twipsToPixels(intHeight));
    lblMessage->resize(size());
    move(twipsToPixels(intLeft), twipsToPixels(intTop));
    startTimerAndWait(intInterval);
}

void frmPopUp::PopUpCenterScreen(const QString& strMessage, std::int16_t intWidth, std::int16_t intHeight,
                                 std::int16_t intInterval) {
    const QRect screen = (this->screen() ? this->screen() : QGuiApplication::primaryScreen())->geometry();
    // Halves to the even neighbour, by the window's size before this call.
    const auto centre = [](int screenPixels, int windowPixels) {
        return static_cast<std::int16_t>(
            std::nearbyint(platform::pixelsToTwips(screenPixels - windowPixels) / 2.0));
    };
    PopUp(strMessage, intWidth, intHeight, intInterval, centre(screen.height(), height()),
          centre(screen.width(), width()));
}

void frmPopUp::PopUpInForm(QWidget* frmMe, const QString& strMessage, std::int16_t intWidth, std::int16_t intHeight,
                           std::int16_t intInterval, std::int16_t intTop, std::int16_t intLeft) {
    const QRect form = platform::outerGeometry(frmMe);
    move(form.left() + twipsToPixels(intLeft), form.top() + twipsToPixels(intTop));
    lblMessage->setText(strMessage);
    resize(twipsToPixels(intWidth), twipsToPixels(intHeight));
    lblMessage->resize(twipsToPixels(intWidth), lblMessage->height());
    startTimerAndWait(intInterval);
}

void frmPopUp::startTimerAndWait(std::int16_t intInterval) {
    // An interval of 0 disables the timer: only a click closes the window then.
    if (intInterval > 0) {
        Timer1->setInterval(intInterval);
        Timer1->start();
    }
    exec();
}

void frmPopUp::Timer1_Timer() {
    Timer1->stop();
    done(QDialog::Accepted);
}

void frmPopUp::lblMessage_MouseUp() {
    Timer1->stop();
    done(QDialog::Accepted);
}

bool frmPopUp::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lblMessage && event->type() == QEvent::MouseButtonRelease) lblMessage_MouseUp();
    return QDialog::eventFilter(watched, event);
}

}  // namespace varnex
