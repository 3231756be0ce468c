// frmLargeTextbox: a long text in a large read-only box, with commands to copy it (or the
// selected part) to the clipboard and to close. The main window shows its results here.
#pragma once

#include <QCoreApplication>
#include <QDialog>

#include <functional>
#include <string>

class QPlainTextEdit;
class QRect;
class QPushButton;

namespace varnex {

// The text box of the window whose text is shown here (the main window's output box).
struct OwnerTextBox {
    std::function<bool()> readOnly;
    std::function<const std::string&()> text;
    std::function<void(const std::string&)> setText;  // the write-back on closing
};

class frmLargeTextbox : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(frmLargeTextbox)  // its captions and messages, translated in its own context

public:
    // `owner` lends its icon and background colour; `ownerBox` is its text box.
    frmLargeTextbox(QWidget* owner, OwnerTextBox ownerBox);

    // Shows `text` read-only, scrolled to its end at the next activation, in a window of fixed
    // size placed by its outer rectangle `outer` (pixels), and activates the window.
    void showText(const std::string& text, const QRect& outer);

    // The text, with CR LF line breaks.
    void setText(const std::string& text);
    const std::string& text() const { return text_; }

    bool blnToBottom = false;

    QPlainTextEdit* txbText;
    QPushButton* cmdCopyToClipboard;
    QPushButton* cmdClose;

    void cmdCopyToClipboard_Click();
    void cmdClose_Click();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;  // Escape: as Close

private:
    void Form_Activate();
    void UpdateCopyButtonCaption();

    QWidget* owner_;
    OwnerTextBox ownerBox_;
    std::string text_;
};

}  // namespace varnex
