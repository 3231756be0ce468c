#include "text_box_window.h"

#include "platform/clipboard.h"
#include "platform/fonts.h"
#include "ui/text_conversion.h"

#include <QEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>

namespace varnex {

void setUpTextBox(const TextBoxLayout& layout, QPlainTextEdit* box, QPushButton* copy, QPushButton* close,
                  QObject* mouseWatcher) {
    box->setObjectName(layout.boxName);
    box->setGeometry(layout.box);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setFont(platform::designFont("Courier New", layout.boxPoints));
    box->setAccessibleName(layout.accessibleName);
    box->viewport()->installEventFilter(mouseWatcher);

    copy->setObjectName("cmdCopyToClipboard");
    copy->setGeometry(layout.copy);
    close->setObjectName("cmdClose");
    close->setGeometry(layout.close);
    for (QPushButton* button : {copy, close}) {
        button->setFont(platform::designFont(layout.buttonFont, 9.75));
        button->setAutoDefault(false);
    }
    QWidget::setTabOrder(box, close);
    QWidget::setTabOrder(close, copy);
}

QString selectedText(const QPlainTextEdit* box) { return fromDisplaySelection(box->textCursor().selectedText()); }

void copySelectionOrAll(const QPlainTextEdit* box, const std::string& wholeText) {
    const QString selection = selectedText(box);
    platform::copyToClipboard(selection.isEmpty() ? QString::fromStdString(wholeText) : selection);
}

bool isMouseReleaseIn(const QPlainTextEdit* box, const QObject* watched, const QEvent* event) {
    return watched == box->viewport() && event->type() == QEvent::MouseButtonRelease;
}

}  // namespace varnex
