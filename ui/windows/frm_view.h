// frmView: a text file, read-only, in a large resizable window (the help viewer). The file
// is read once per loading of the window; Close hides it and keeps the text, the close box
// unloads it, so that the next showing reads the file again. It shows only a regular file
// that lies in the program's folder, and reads no more of it than it can show.
#pragma once

#include <QCoreApplication>
#include <QDialog>

#include <string>

class QPlainTextEdit;
class QRect;
class QPushButton;

namespace varnex {

namespace platform {
struct TextFile;
}

class frmView : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(frmView)  // its captions and messages, translated in its own context

public:
    explicit frmView(QWidget* parent);

    // Shows the file `path` under `title`, restored if minimised and placed by its outer
    // rectangle `outer` (pixels) unless maximised, and activates the window.
    void showFile(const std::string& path, const QString& title, const QRect& outer);

    // Set by the caller before showing.
    std::string strFilename;
    bool blnCopyToClipboardInvisible = false;
    // True once the file has been read (or reading it failed) since the window was loaded.
    bool blnFileDisplayed = false;

    QPlainTextEdit* txbText1;
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
    void Form_Resize();
    void showReadFailure(const platform::TextFile& failure);
    void setCopyCaption(bool selection);

    std::string text_;  // what the box shows, with CR LF line breaks
    bool activationQueued_ = false;
};

}  // namespace varnex
