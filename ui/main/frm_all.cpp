#include "frm_all.h"

#include "platform/activation.h"
#include "platform/fonts.h"
#include "platform/twips.h"
#include "report/summary.h"
#include "summary_layout.h"
#include "text/program_text.h"
#include "ui/keyboard.h"
#include "ui/text_conversion.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

#include <algorithm>

namespace varnex {

using platform::twipsToPixels;

namespace {

const QColor kBackground(128, 128, 255);  // a light blue around the cells

// An event cell: reached by Tab, and marked inside its border while it has the focus.
class EventCell : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override {
        QLabel::paintEvent(event);
        if (!hasFocus()) return;
        QStylePainter painter(this);
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = contentsRect();
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
    }
};

void setColours(QWidget* w, const QColor& background, const QColor& text) {
    QPalette palette = w->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, text);
    w->setPalette(palette);
    w->setAutoFillBackground(true);
}

}  // namespace

frmAll::frmAll(QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      cmdClose(new QPushButton(tr("Close"), this)), mainWindow_(mainWindow) {
    setObjectName("frmAll");
    setAttribute(Qt::WA_DeleteOnClose);  // the close box unloads it; Close only hides it
    setModal(false);
    setWindowIcon(mainWindow->windowIcon());
    const QPalette system = QApplication::palette();
    for (std::size_t i = 0; i < lblEvent.size(); ++i) {
        auto* label = i == kSummaryNoteCell ? new QLabel(this) : new EventCell(this);
        label->setObjectName(QString("lblEvent_%1").arg(i));
        label->setFrameShape(QFrame::Box);
        label->setLineWidth(1);
        label->setMargin(2);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setFont(platform::designFont("Courier New", 8.25));
        setColours(label, system.color(QPalette::Base), system.color(QPalette::Text));
        lblEvent[i] = label;
    }
    cmdClose->setObjectName("cmdClose");
    // 900 twips wide, or as wide as a translated caption needs.
    const int captionWidth = cmdClose->fontMetrics().horizontalAdvance(cmdClose->text()) +
                             2 * cmdClose->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, cmdClose);
    cmdClose->resize(std::max(twipsToPixels(900), captionWidth), twipsToPixels(330));
    cmdClose->setAutoDefault(false);
    // Screen readers and Tab take the note, then the cells clockwise from top left, then Close
    // (raised over the centre cell); a click leaves the focus where it is.
    lblEvent[kSummaryNoteCell]->raise();
    QWidget* previous = nullptr;
    for (const std::size_t i : kSummaryReadingOrder) {
        lblEvent[i]->setFocusPolicy(Qt::TabFocus);
        lblEvent[i]->raise();
        if (previous) setTabOrder(previous, lblEvent[i]);
        previous = lblEvent[i];
    }
    cmdClose->raise();
    setTabOrder(previous, cmdClose);
    connect(cmdClose, &QPushButton::clicked, this, &frmAll::cmdClose_Click);
    pressButtonsWithEnter(this);
}

void frmAll::placeForCommand(const QRect& outer) {
    setColours(this, kBackground, palette().color(QPalette::WindowText));
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    platform::setOuterGeometry(this, outer, mainWindow_);
    outerWidth_ = outer.width();
    setFixedSize(size());  // fixed single border
    laidOut_ = false;
    cmdClose->setFocus();  // Tab then goes round the cells
}

void frmAll::setCells(const std::array<std::string, 9>& cells) {
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i == kSummaryNoteCell) continue;
        const QString text = toDisplayText(cells[i]);
        lblEvent[i]->setText(text);
        // A screen reader reads the event and its dates as the cell's name.
        lblEvent[i]->setAccessibleName(text.split('\n').join(", "));
    }
}

bool frmAll::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && platform::activatedFromProgram(this)) Form_Activate();
    return QDialog::event(event);
}

void frmAll::Form_Activate() {
    if (isMinimized()) showNormal();
    if (laidOut_) return;
    laidOut_ = true;
    // The width the command gave, and the client height: the frame may not be known yet.
    const SummaryGrid grid = summaryGrid(platform::pixelsToTwips(outerWidth_), platform::pixelsToTwips(height()));
    setFixedSize(width(), height() + twipsToPixels(kSummaryExtraHeightTwips));
    for (std::size_t i = 0; i < lblEvent.size(); ++i) {
        const TwipsBox cell = summaryCell(grid, static_cast<int>(i));
        lblEvent[i]->setGeometry(platform::twipsRect(cell.left, cell.top, cell.width, cell.height));
    }

    QLabel* note = lblEvent[kSummaryNoteCell];
    setColours(note, palette().color(QPalette::Window), note->palette().color(QPalette::WindowText));
    note->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    note->setText(QString::fromStdString(summaryNote(intLanguage)));
    note->setFont(platform::designFont("Arial", lblEvent[3]->font().pointSizeF() + 2));
    note->setFrameShape(QFrame::NoFrame);

    const QRect centre = note->geometry();
    cmdClose->move(centre.left() + (centre.width() - cmdClose->width()) / 2,
                   centre.top() + (centre.height() - cmdClose->height()) * 2 / 3);
    update();
}

void frmAll::cmdClose_Click() { hide(); }

void frmAll::reject() { cmdClose_Click(); }

}  // namespace varnex
