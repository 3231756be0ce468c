// Helpers of the window tests: a configuration folder of their own, messages recorded
// instead of shown, a started main window, and short forms of the steps and checks they share.
#pragma once

#include "platform/message_box.h"
#include "platform/twips.h"
#include "support/temp_folder.h"
#include "text/program_text.h"
#include "ui/drop_down_list.h"
#include "ui/link_label.h"
#include "ui/main/frm_main.h"

#include <QtTest>
#include <QtWidgets>

#include <fstream>
#include <memory>
#include <optional>
#include <stdexcept>

namespace varnex::test {

using platform::twipsToPixels;

inline QString qs(const std::string& text) { return QString::fromStdString(text); }
inline QString programText(int id) { return qs(GetProgramText(static_cast<std::int16_t>(id))); }
// A message box as the tests compare it.
inline QString message(const QString& title, MessageIcon icon, const QString& prompt) {
    return title + "|" + QString::number(static_cast<int>(icon)) + "|" + prompt;
}

// Records every message box the windows would show, instead of showing it.
struct MessageLog {
    MessageLog() {
        platform::setMessageRecorderForTesting(
            [this](const Message& m) { shown << message(qs(m.title), m.icon, qs(m.prompt)); });
    }
    ~MessageLog() { platform::setMessageRecorderForTesting({}); }
    QStringList shown;
};

// For init() of each test function: a configuration folder of its own ($XDG_CONFIG_HOME), the
// messages recorded, and the main window started.
struct EachTest {
    struct Folder {
        TempFolder config;
        MessageLog log;
        std::unique_ptr<frmMain> window;
    };
    std::unique_ptr<Folder> s;
    frmMain* w = nullptr;

    void startFresh() {
        s = std::make_unique<Folder>();
        qputenv("XDG_CONFIG_HOME", s->config.path().string().c_str());
        restartWith({});
    }
    std::filesystem::path settingsPath() const { return s->config / "Ostrel/varnex.usr"; }
    // The main window started (again), over the settings file `content` when given.
    void restartWith(const std::optional<std::string>& content) {
        s->window.reset();
        if (content) {
            std::filesystem::create_directories(s->config / "Ostrel");
            std::ofstream(settingsPath(), std::ios::binary) << *content;
        }
        s->window = std::make_unique<frmMain>();
        if (!s->window->Form_Load()) throw std::runtime_error("start-up failed");
        w = s->window.get();
    }
};

inline void click(std::initializer_list<QAbstractButton*> buttons) {
    for (QAbstractButton* button : buttons) button->click();
}
inline void tick(Qt::CheckState state, std::initializer_list<QCheckBox*> boxes) {
    for (QCheckBox* box : boxes) box->setCheckState(state);
}
// A key pressed and released in `widget`, with the focus there.
inline void press(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    widget->setFocus();
    QTest::keyClick(widget, key, modifiers);
}

// The lines of the output box without their CR LF.
inline QStringList lines(const frmMain& w) {
    QString text = qs(w.outputText());
    if (text.endsWith("\r\n")) text.chop(2);
    return text.isEmpty() ? QStringList() : text.split("\r\n");
}

// The main window at a glance: the year, the eleven boxes in the order of the settings file
// (0 clear, 1 ticked, 2 greyed), the zone index, N or S; then whether Label2, Mean sun and
// True sun are enabled, and whether Clear and Results are shown.
inline QString glance(const frmMain& w) {
    QString boxes, methods, shown;
    for (const QCheckBox* box : {w.chkVE, w.chkSS, w.chkAE, w.chkWS, w.chkImbolc, w.chkBeltane, w.chkLughnassad,
                                 w.chkSamhain, w.chkTrueSun, w.chkMeanSun, w.chkIncludeWeekday})
        boxes += QString::number(box->checkState() == Qt::PartiallyChecked ? 2 : box->checkState() == Qt::Checked);
    for (const QWidget* x : QList<QWidget*>{w.Label2, w.chkMeanSun, w.chkTrueSun}) methods += x->isEnabled() ? "1" : "0";
    for (const QWidget* x : {w.cmdClear, w.cmdResults}) shown += x->isVisible() ? "1" : "0";
    return QStringList({w.txbYear->text(), boxes, QString::number(w.cboTimezone->currentIndex()),
                        w.optSH->isChecked() ? "S" : w.optNH->isChecked() ? "N" : "-", methods, shown})
        .join(' ');
}

inline void selectText(QPlainTextEdit* box, int from, int to) {
    QTextCursor cursor = box->textCursor();
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    box->setTextCursor(cursor);
}

inline bool caretAtEnd(const QPlainTextEdit* box) {
    return !box->textCursor().hasSelection() && box->textCursor().position() == box->document()->characterCount() - 1;
}

inline std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

}  // namespace varnex::test
