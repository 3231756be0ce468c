#include "frm_large_textbox.h"

#include "platform/activation.h"
#include "platform/fonts.h"
#include "platform/twips.h"
#include "text/language.h"
#include "text/program_text.h"
#include "ui/keyboard.h"
#include "ui/text_conversion.h"
#include "ui/windows/text_box_window.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>

namespace varnex {

using platform::twipsRect;
using platform::twipsToPixels;

namespace {

constexpr std::int16_t kCopyAllCaption = 185;
constexpr std::int16_t kCopySelectionCaption = 424;

}  // namespace

frmLargeTextbox::frmLargeTextbox(QWidget* owner, OwnerTextBox ownerBox)
    : QDialog(owner, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint),
      txbText(new QPlainTextEdit(this)), cmdCopyToClipboard(new QPushButton(tr("Copy to clipboard"), this)),
      cmdClose(new QPushButton(tr("Close"), this)), owner_(owner), ownerBox_(std::move(ownerBox)) {
    setObjectName("frmLargeTextbox");
    setWindowTitle(tr("Textbox"));
    setAttribute(Qt::WA_DeleteOnClose);  // the close box unloads it; Close only hides it
    setModal(false);

    setUpTextBox({"txbText", tr("Results"), 9, "DokChampa", twipsRect(105, 105, 6030, 2535),
                  twipsRect(105, 2730, 3165, 330), twipsRect(4560, 2760, 1590, 330)},
                 txbText, cmdCopyToClipboard, cmdClose, this);
    txbText->setStyleSheet("QPlainTextEdit { background: white; }");

    connect(cmdCopyToClipboard, &QPushButton::clicked, this, &frmLargeTextbox::cmdCopyToClipboard_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmLargeTextbox::cmdClose_Click);
    pressButtonsWithEnter(this);
}

void frmLargeTextbox::showText(const std::string& text, const QRect& outer) {
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    platform::setOuterGeometry(this, outer, owner_);
    setFixedSize(size());  // fixed single border
    setWindowIcon(owner_->windowIcon());
    setReadOnly(txbText, true);
    setText(text);
    blnToBottom = true;
    show();
    raise();
    activateWindow();
}

void frmLargeTextbox::setText(const std::string& text) {
    text_ = text;
    txbText->setPlainText(toDisplayText(text_));
}

bool frmLargeTextbox::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && platform::activatedFromProgram(this)) Form_Activate();
    return QDialog::event(event);
}

void frmLargeTextbox::Form_Activate() {
    QTextCursor caret = txbText->textCursor();
    caret.movePosition(QTextCursor::Start);
    txbText->setTextCursor(caret);
    setReadOnly(txbText, ownerBox_.readOnly());
    UpdateCopyButtonCaption();
    cmdCopyToClipboard->setEnabled(true);

    // Layout from the outer size, in twips.
    const QRect outer = platform::outerGeometry(this);
    const int w = platform::pixelsToTwips(outer.width());
    const int h = platform::pixelsToTwips(outer.height());
    txbText->setGeometry(twipsToPixels(100), twipsToPixels(105), twipsToPixels(w - 440), twipsToPixels(h - 1500));
    cmdCopyToClipboard->move(twipsToPixels(105), txbText->geometry().bottom() + 1 + twipsToPixels(200));
    cmdClose->move(txbText->geometry().right() + 1 - cmdClose->width(), cmdCopyToClipboard->y());

    if (blnToBottom) {
        caret.movePosition(QTextCursor::End);
        txbText->setTextCursor(caret);
    }
    setWindowIcon(owner_->windowIcon());
    QPalette background = palette();
    background.setColor(QPalette::Window, owner_->palette().color(QPalette::Window));
    setPalette(background);
    setAutoFillBackground(true);
    update();
}

void frmLargeTextbox::UpdateCopyButtonCaption() {
    const bool selection = !selectedText(txbText).isEmpty();
    cmdCopyToClipboard->setText(QString::fromStdString(GetProgramText(selection ? kCopySelectionCaption : kCopyAllCaption)));
    const CopyButtonTwips widths = languageRow(intLanguage).copyButton;
    const int widthTwips = selection ? widths.selection : widths.all;
    cmdCopyToClipboard->resize(twipsToPixels(widthTwips), cmdCopyToClipboard->height());
}

void frmLargeTextbox::cmdCopyToClipboard_Click() {
    copySelectionOrAll(txbText, text_);
    QTextCursor caret = txbText->textCursor();
    caret.setPosition(caret.selectionStart());
    txbText->setTextCursor(caret);
    UpdateCopyButtonCaption();
    cmdClose->setFocus();
}

void frmLargeTextbox::cmdClose_Click() {
    // The text goes back only while the owner still holds what it gave: results calculated
    // since then stay.
    if (ownerBox_.text() == text_) ownerBox_.setText(text_);
    hide();
}

void frmLargeTextbox::closeEvent(QCloseEvent* event) {
    cmdClose_Click();
    event->accept();
}

void frmLargeTextbox::reject() { cmdClose_Click(); }

bool frmLargeTextbox::eventFilter(QObject* watched, QEvent* event) {
    if (isMouseReleaseIn(txbText, watched, event) && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        UpdateCopyButtonCaption();
    return QDialog::eventFilter(watched, event);
}

}  // namespace varnex
