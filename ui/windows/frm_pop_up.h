// frmPopUp: a short message in a small window without a title bar, shown modally until its
// timer runs out or the message is clicked.
#pragma once

#include <QCoreApplication>
#include <QDialog>

#include <cstdint>

class QLabel;
class QTimer;

namespace varnex {

class frmPopUp : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(frmPopUp)  // its captions and messages, translated in its own context

public:
    explicit frmPopUp(QWidget* parent = nullptr);

    // All sizes and positions in twips, the interval in milliseconds; 0 never closes by
    // itself. Each returns once the window has been hidden again.
    // At intTop, intLeft on the screen.
    void PopUp(const QString& strMessage, std::int16_t intWidth, std::int16_t intHeight, std::int16_t intInterval,
               std::int16_t intTop, std::int16_t intLeft);
    // Centred on the screen by the size the window had before this call.
    void PopUpCenterScreen(const QString& strMessage, std::int16_t intWidth, std::int16_t intHeight,
                           std::int16_t intInterval);
    // At intTop, intLeft from the outer top-left corner of frmMe; the message keeps its height.
    void PopUpInForm(QWidget* frmMe, const QString& strMessage, std::int16_t intWidth, std::int16_t intHeight,
                     std::int16_t intInterval, std::int16_t intTop, std::int16_t intLeft);

    QLabel* lblMessage;
    QTimer* Timer1;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void startTimerAndWait(std::int16_t intInterval);
    void Timer1_Timer();
    void lblMessage_MouseUp();
};

}  // namespace varnex
