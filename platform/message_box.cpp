#include "message_box.h"

#include <QMessageBox>
#include <QTextDocument>

namespace varnex::platform {
namespace {

std::function<void(const Message&)>& recorder() {
    static std::function<void(const Message&)> r;
    return r;
}

QMessageBox::Icon iconOf(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

void showMessage(QWidget* parent, const Message& message) {
    if (recorder()) {
        recorder()(message);
        return;
    }
    QMessageBox box(iconOf(message.icon), QString::fromStdString(message.title),
                    QString::fromStdString(message.prompt), QMessageBox::Ok, parent);
    box.setObjectName("messageBox");
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

QString plainToolTip(const QString& text) {
    if (!Qt::mightBeRichText(text)) return text;
    return "<p style='white-space:pre'>" + text.toHtmlEscaped() + "</p>";
}

void setMessageRecorderForTesting(std::function<void(const Message&)> r) { recorder() = std::move(r); }

}  // namespace varnex::platform
