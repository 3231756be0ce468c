#include "frm_view.h"

#include "platform/activation.h"
#include "platform/files.h"
#include "platform/fonts.h"
#include "platform/message_box.h"
#include "platform/program_folder.h"
#include "platform/twips.h"
#include "platform/file_view.h"
#include "text/program_text.h"
#include "ui/keyboard.h"
#include "ui/text_conversion.h"
#include "ui/windows/text_box_window.h"

#include <QCloseEvent>
#include <QDir>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

namespace varnex {

using platform::twipsRect;
using platform::twipsToPixels;

namespace {

constexpr std::int16_t kTitleText = 1;
constexpr std::int16_t kEmptyFileTitle = 13;
constexpr std::int16_t kEmptyFileMessage = 17;
constexpr int kMinimumWidthTwips = 8000;
constexpr int kMinimumHeightTwips = 2000;
constexpr int kCopyAllWidthTwips = 3270;
constexpr int kCopySelectionWidthTwips = 4425;

}  // namespace

frmView::frmView(QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                          Qt::WindowCloseButtonHint),
      txbText1(new QPlainTextEdit(this)), cmdCopyToClipboard(new QPushButton(tr("Copy to clipboard"), this)),
      cmdClose(new QPushButton(tr("Close"), this)) {
    setObjectName("frmView");
    setWindowTitle(tr("Viewing"));
    setAttribute(Qt::WA_DeleteOnClose);  // the close box unloads it; Close only hides it
    setModal(false);
    resize(twipsToPixels(11670), twipsToPixels(6585));

    setUpTextBox({"txbText1", tr("Help text"), 8.25, "Tahoma", twipsRect(105, 105, 11460, 5760),
                  twipsRect(120, 6000, 2220, 330), twipsRect(9825, 6000, 1740, 330)},
                 txbText1, cmdCopyToClipboard, cmdClose, this);
    setReadOnly(txbText1, true);

    connect(cmdCopyToClipboard, &QPushButton::clicked, this, &frmView::cmdCopyToClipboard_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmView::cmdClose_Click);
    pressButtonsWithEnter(this);
}

bool frmView::event(QEvent* event) {
    // The file is read when the window first becomes active after loading; it is also read
    // when the window is shown without being activated (a window manager may refuse to
    // activate it), so that it never stays empty. After the event, since reading may show
    // message boxes.
    const bool activated = event->type() == QEvent::WindowActivate && platform::activatedFromProgram(this);
    if ((activated || event->type() == QEvent::Show) && !blnFileDisplayed && !activationQueued_) {
        activationQueued_ = true;
        QTimer::singleShot(0, this, [this] {
            activationQueued_ = false;
            Form_Activate();
        });
    }
    if (event->type() == QEvent::Resize) Form_Resize();
    return QDialog::event(event);
}

void frmView::showFile(const std::string& path, const QString& title, const QRect& outer) {
    if (isMinimized()) showNormal();
    if (!isMaximized()) platform::setOuterGeometry(this, outer, parentWidget());
    strFilename = path;
    setWindowTitle(title);
    show();
    raise();
    activateWindow();
}

void frmView::Form_Activate() {
    if (blnFileDisplayed || !isVisible()) return;
    cmdClose->setText(tr("Close"));
    txbText1->clear();
    text_.clear();
    setCopyCaption(false);
    cmdCopyToClipboard->setVisible(!blnCopyToClipboardInvisible);
    if (!blnCopyToClipboardInvisible) cmdCopyToClipboard->setEnabled(true);
    setReadOnly(txbText1, true);
    Form_Resize();

    // Only a file of the program's own folder is shown; no more of it is read than is shown.
    const auto inside = platform::pathInsideFolder(strFilename, platform::programFolder());
    const platform::TextFile file = inside ? platform::readTextFile(QString::fromStdString(*inside), kViewerByteLimit)
                                           : platform::textFileFailure(kPathFileAccessError);
    if (!file.ok()) {
        showReadFailure(file);
        return;
    }
    text_ = viewerText(file.text, file.cut, intLanguage);
    txbText1->setPlainText(toDisplayText(text_));
    txbText1->moveCursor(QTextCursor::Start);
    blnFileDisplayed = true;
}

void frmView::showReadFailure(const platform::TextFile& failure) {
    blnFileDisplayed = true;  // not tried again until the window is loaded anew
    platform::showMessage(this, {QDir::toNativeSeparators(QDir::currentPath()).toStdString(),
                                 GetProgramText(kTitleText), MessageIcon::None});
    if (failure.errorNumber == kInputPastEndOfFile) {
        platform::showMessage(this, {GetProgramText(kEmptyFileMessage), GetProgramText(kEmptyFileTitle),
                                     MessageIcon::Warning});
    } else {
        platform::showMessage(this, {fileErrorText(failure.errorNumber, failure.description, intLanguage), tr("Error reading file").toStdString(),
                                     MessageIcon::Warning});
    }
    hide();
}

void frmView::Form_Resize() {
    if (isMinimized()) return;
    const QRect outer = platform::outerGeometry(this);
    const QSize frame = outer.size() - size();
    setMinimumSize(twipsToPixels(kMinimumWidthTwips) - frame.width(), twipsToPixels(kMinimumHeightTwips) - frame.height());
    const int w = std::max(platform::pixelsToTwips(outer.width()), kMinimumWidthTwips);
    const int h = std::max(platform::pixelsToTwips(outer.height()), kMinimumHeightTwips);
    txbText1->setGeometry(twipsToPixels(105), twipsToPixels(105), twipsToPixels(w - 450), twipsToPixels(h - 1200));
    const int buttonsTop = txbText1->geometry().bottom() + 1 + twipsToPixels(100);
    cmdCopyToClipboard->move(txbText1->x(), buttonsTop);
    cmdClose->move(txbText1->geometry().right() + 1 - cmdClose->width(), buttonsTop);
}

void frmView::setCopyCaption(bool selection) {
    cmdCopyToClipboard->setText(selection ? tr("Copy selected text to clipboard") : tr("Copy to clipboard"));
    cmdCopyToClipboard->resize(twipsToPixels(selection ? kCopySelectionWidthTwips : kCopyAllWidthTwips),
                               cmdCopyToClipboard->height());
}

void frmView::cmdCopyToClipboard_Click() {
    if (!text_.empty()) {
        copySelectionOrAll(txbText1, text_);
        setCopyCaption(false);
    }
    cmdClose->setFocus();
}

void frmView::cmdClose_Click() { hide(); }

void frmView::closeEvent(QCloseEvent* event) {
    blnFileDisplayed = false;
    cmdClose_Click();
    event->accept();
}

void frmView::reject() { cmdClose_Click(); }

bool frmView::eventFilter(QObject* watched, QEvent* event) {
    // The release of any mouse button over the text sets the copy command's caption.
    if (isMouseReleaseIn(txbText1, watched, event) && cmdCopyToClipboard->isVisible() &&
        cmdCopyToClipboard->isEnabled())
        setCopyCaption(txbText1->textCursor().hasSelection());
    return QDialog::eventFilter(watched, event);
}

}  // namespace varnex
