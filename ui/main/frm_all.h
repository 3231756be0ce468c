// frmAll: the summary window of "Display all for:", nine cells in a ring around the note
// "Read clockwise from top left" and the Close command. Close hides it; the close box
// unloads it.
#pragma once

#include <QCoreApplication>
#include <QDialog>

#include <array>
#include <string>

class QLabel;
class QPushButton;

namespace varnex {

class frmAll : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(frmAll)  // its captions and messages, translated in its own context

public:
    // Takes the icon of the main window, its owner.
    explicit frmAll(QWidget* mainWindow);

    // Places the window for a new command, by its outer rectangle in pixels; the next
    // Form_Activate lays it out again.
    void placeForCommand(const QRect& outer);
    // The texts of the eight event cells (the centre cell's text is ignored).
    void setCells(const std::array<std::string, 9>& cells);

    // Restores a minimised window; lays the window out once after each placeForCommand (not
    // at every activation, so that switching windows does not make it taller each time).
    void Form_Activate();
    void cmdClose_Click();

    std::array<QLabel*, 9> lblEvent;
    QPushButton* cmdClose;

protected:
    bool event(QEvent* event) override;
    void reject() override;  // Escape: as Close

private:
    QWidget* mainWindow_;
    bool laidOut_ = false;
    int outerWidth_ = 0;  // pixels, as placed for the command
};

}  // namespace varnex
