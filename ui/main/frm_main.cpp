#include "frm_main.h"

#include "app_icon.h"
#include "frm_all.h"
#include "astro/solar_events.h"
#include "form_helpers.h"
#include "platform/activation.h"
#include "platform/data_folder.h"
#include "platform/fonts.h"
#include "platform/message_box.h"
#include "platform/program_folder.h"
#include "platform/tick_state.h"
#include "platform/twips.h"
#include "report/request.h"
#include "zones/fixed_offsets.h"
#include "platform/weblink.h"
#include "text/program_text.h"
#include "ui/drop_down_list.h"
#include "ui/keyboard.h"
#include "ui/link_label.h"
#include "ui/text_conversion.h"
#include "ui/windows/frm_large_textbox.h"
#include "ui/windows/frm_pop_up.h"
#include "ui/windows/frm_view.h"
#include "ui/windows/weblink.h"
#include "varnex/version.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMoveEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

namespace varnex {

using platform::designFont;
using platform::twipsRect;

namespace {

// The calendar list's entries, marked for the translation files.
constexpr std::array<const char*, 2> kCalendarItemTexts = {QT_TRANSLATE_NOOP("frmMain", "Common Era (Gregorian)"),
                                                           QT_TRANSLATE_NOOP("frmMain", "Julian Calendar")};
static_assert(kCalendarItems[0] == kCalendarItemTexts[0] && kCalendarItems[1] == kCalendarItemTexts[1]);

constexpr const char* kTag = "VARNEX";
constexpr std::int16_t kTitleText = 1;
constexpr std::int16_t kResultsCaptionText = 20;
constexpr std::int16_t kSiteText = 14;
constexpr std::int16_t kManualText = 15;
constexpr int kClientWidthTwips = 8235;
constexpr int kClientHeightTwips = 8130;
// The event boxes in their frame: the first box's left and top, the step down to the next
// box, and a box's height (twips).
constexpr int kEventBoxLeftTwips = 240;
constexpr int kEventBoxTopTwips = 360;
constexpr int kEventBoxStepTwips = 330;
constexpr int kEventBoxHeightTwips = 300;

const QColor kNavy(0, 0, 128);
const QColor kWhite(255, 255, 255);
const QColor kLightGrey(180, 180, 180);

// A control of the window at a place given in twips.
template <typename W, typename... Args>
W* place(QWidget* parent, const char* name, int left, int top, int width, int height, Args&&... args) {
    auto* w = new W(std::forward<Args>(args)..., parent);
    w->setObjectName(name);
    w->setGeometry(twipsRect(left, top, width, height));
    return w;
}

// The main window is announced as a window (a frame), not as the plain panel that a QWidget
// of its own is taken for.
QAccessibleInterface* accessibleMainWindow(const QString& className, QObject* object) {
    auto* window = className == QLatin1String("QWidget") ? dynamic_cast<frmMain*>(object) : nullptr;
    return window ? new QAccessibleWidget(window, QAccessible::Window) : nullptr;
}

}  // namespace

frmMain::frmMain(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName("frmMain");
    static const bool factoryInstalled = (QAccessible::installFactory(accessibleMainWindow), true);
    Q_UNUSED(factoryInstalled);
    setFixedSize(platform::twipsToPixels(kClientWidthTwips), platform::twipsToPixels(kClientHeightTwips));
    setFont(designFont("Arial", 8.25));
    setWindowIcon(varnexIcon());
    platform::trackWindowActivation();
    buildControls();
    connectHandlers();
    pressButtonsWithEnter(this);
}

frmMain::~frmMain() = default;

frmLargeTextbox* frmMain::resultsWindow() const { return frmLargeTextbox_; }

frmPopUp* frmMain::popUpWindow() const { return frmPopUp_; }

frmAll* frmMain::summaryWindow() const { return frmAll_; }

frmView* frmMain::helpViewer() const { return frmView_; }

void frmMain::placeEventBoxes(QGroupBox* frame, EventFamily family, int widthTwips) {
    // In table order, which within a family is quarter order: the tab order goes down the frame.
    for (std::size_t i = 0; i < kEventTable.size(); ++i) {
        const EventRow& row = kEventTable[i];
        if (row.family != family) continue;
        const QString caption = QString::fromUtf8(row.caption.data(), static_cast<qsizetype>(row.caption.size()));
        eventBox[i] = place<platform::TickBox>(frame, std::string(row.checkBox).c_str(), kEventBoxLeftTwips,
                                               kEventBoxTopTwips + row.quarter * kEventBoxStepTwips, widthTwips,
                                               kEventBoxHeightTwips, caption);
    }
}

std::array<QCheckBox*, 4> frmMain::familyBoxes(EventFamily family) const {
    std::array<QCheckBox*, 4> boxes{};
    for (std::size_t i = 0; i < kEventTable.size(); ++i)
        if (kEventTable[i].family == family) boxes[static_cast<std::size_t>(kEventTable[i].quarter)] = eventBox[i];
    return boxes;
}

void frmMain::buildControls() {
    // Year, calendar and time zone.
    lblYear = place<QLabel>(this, "lblYear", 120, 180, 450, 255, tr("Year:"));
    txbYear = place<QLineEdit>(this, "txbYear", 600, 135, 700, 315, "2015");
    txbYear->setFont(designFont("Arial", 8.25));
    lblCalendar = place<QLabel>(this, "lblCalendar", 1500, 180, 780, 255, tr("Calendar:"));
    cboCalendar = place<DropDownList>(this, "cboCalendar", 2300, 135, 2450, 315);
    lblTimezone = place<QLabel>(this, "lblTimezone", 4950, 180, 850, 255, tr("Timezone:"));
    cboTimezone = place<DropDownList>(this, "cboTimezone", 5850, 135, 2265, 315);
    cboTimezone->setMaxVisibleItems(16);
    // Names for screen readers where the caption is a label beside the control.
    const std::array<std::pair<QLabel*, QWidget*>, 3> buddies{{{lblYear, txbYear}, {lblCalendar, cboCalendar},
                                                                {lblTimezone, cboTimezone}}};
    for (const auto& [label, control] : buddies) label->setBuddy(control);
    txbYear->setAccessibleName(tr("Year"));
    cboCalendar->setAccessibleName(tr("Calendar"));
    cboTimezone->setAccessibleName(tr("Time zone"));

    // The two frames side by side, each with its All and None buttons at the bottom.
    Frame1 = place<QGroupBox>(this, "Frame1", 120, 600, 3645, 2250, tr("Select equinoxes and solstices: "));
    placeEventBoxes(Frame1, EventFamily::EquinoxSolstice, 3300);
    cmdAllOrNoneVarnex[0] = place<QPushButton>(Frame1, "cmdAllOrNoneVarnex_0", 240, 1770, 900, 330, tr("All"));
    cmdAllOrNoneVarnex[1] = place<QPushButton>(Frame1, "cmdAllOrNoneVarnex_1", 1260, 1770, 900, 330, tr("None"));

    Frame2 = place<QGroupBox>(this, "Frame2", 3885, 600, 4230, 2250, tr("Select cross-quarter days: "));
    placeEventBoxes(Frame2, EventFamily::CrossQuarter, 1700);
    Label2 = place<QLabel>(Frame2, "Label2", 2100, 390, 2000, 255, tr("Calculation method:"));
    chkMeanSun = place<platform::TickBox>(Frame2, "chkMeanSun", 2220, 690, 1800, 300, tr("Mean sun"));
    chkTrueSun = place<platform::TickBox>(Frame2, "chkTrueSun", 2220, 1020, 1800, 300, tr("True sun"));
    cmdAllOrNoneVarnex[2] = place<QPushButton>(Frame2, "cmdAllOrNoneVarnex_2", 240, 1770, 900, 330, tr("All"));
    cmdAllOrNoneVarnex[3] = place<QPushButton>(Frame2, "cmdAllOrNoneVarnex_3", 1260, 1770, 900, 330, tr("None"));

    // The commands, with the hemisphere beside Display all.
    cmdCalculate = place<QPushButton>(this, "cmdCalculate", 120, 3000, 4300, 420,
                                      tr("Calculate dates and times of selected events"));
    cmdCalculate->setFont(designFont("Arial", 8.25, true));
    cmdDisplayAll = place<QPushButton>(this, "cmdDisplayAll", 4530, 3000, 1400, 420, tr("Display all for:"));
    optNH = place<QRadioButton>(this, "optNH", 6075, 2970, 2040, 240, tr("Northern hemisphere"));
    optSH = place<QRadioButton>(this, "optSH", 6075, 3210, 2040, 240, tr("Southern hemisphere"));
    chkIncludeWeekday = place<platform::TickBox>(this, "chkIncludeWeekday", 120, 3570, 2400, 300, tr("Include weekday"));
    cmdSaveSettings = place<QPushButton>(this, "cmdSaveSettings", 5850, 3525, 2265, 360, tr("Save settings"));

    // The output box in a fixed-pitch font, so that the dates line up.
    txbOutput = place<QPlainTextEdit>(this, "txbOutput", 120, 4005, 7995, 3090);
    setReadOnly(txbOutput, true);
    txbOutput->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txbOutput->setFont(designFont("Courier New", 8.25));
    txbOutput->setAccessibleName(tr("Results"));

    cmdClear = place<QPushButton>(this, "cmdClear", 120, 7245, 900, 360, tr("Clear"));
    cmdResults = place<QPushButton>(this, "cmdResults", 1080, 7245, 2700, 360, "");
    cmdResults->setFont(designFont("Arial", 9.75));
    cmdHelp = place<QPushButton>(this, "cmdHelp", 5955, 7245, 1020, 360, tr("Help"));
    cmdQuit = place<QPushButton>(this, "cmdQuit", 7095, 7245, 1020, 360, tr("Quit"));

    // The maker's labels at the foot.
    // The two links come last in the tab order, as they are made last of the focusable controls.
    lblOstrel = place<LinkLabel>(this, "lblOstrel", 120, 7680, 1500, 225, "Ostrel");
    lblOnlineUserManual = place<LinkLabel>(this, "lblOnlineUserManual", 4615, 7680, 3500, 225, tr("Online user manual"));
    lblOnlineUserManual->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont link = designFont("Tahoma", 8.25);
    link.setUnderline(true);
    for (QLabel* label : std::initializer_list<QLabel*>{lblOstrel, lblOnlineUserManual}) label->setFont(link);
    lblURL = place<QLabel>(this, "lblURL", 120, 7890, 3500, 225, "");
    lblCopyrightNotice = place<QLabel>(this, "lblCopyrightNotice", 3735, 7890, 4380, 225,
                                       tr("Varnex \u00A9 Ostrel. All rights reserved."));
    lblCopyrightNotice->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

bool frmMain::Form_Load() {
    blnStartupCompleted = false;
    strProgramTextFile = QString(kTag).toLower().toStdString() + ".dat";
    const ProgramTextLoad text = LoadProgramText(platform::programFolder(), strProgramTextFile);
    if (!text.ok()) {
        platform::showMessage(nullptr, {text.message, "", MessageIcon::Critical});
        return false;
    }
    const QString strProgramTitle = QString::fromStdString(GetProgramText(kTitleText));
    setWindowTitle(strProgramTitle + " " + kVersion);
    InitializeForm();
    SetControlsFontName(this, "Arial", false);

    centreOnScreen();
    show();

    if (platform::FileExists(strUserSettingsFile)) RestoreSettings();
    cmdResults->setText(QString::fromStdString(GetProgramText(kResultsCaptionText)));
    cmdResults->setEnabled(true);
    updateResultButtons();
    cmdHelp->setFocus();
    blnStartupCompleted = true;
    return true;
}

void frmMain::InitializeForm() {
    SetControlsForeColor(this, kWhite);
    SetControlsBackColor(this, kNavy);
    const auto setTextColour = [](QLabel* label, const QColor& colour) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, colour);
        label->setPalette(palette);
    };
    setTextColour(lblCopyrightNotice, kLightGrey);
    const QColor notice = lblCopyrightNotice->palette().color(QPalette::WindowText);
    for (QLabel* label : std::initializer_list<QLabel*>{lblOstrel, lblURL, lblOnlineUserManual}) setTextColour(label, notice);
    // The addresses are program texts: web addresses, or files shipped in the program's folder.
    lblURL->setTextFormat(Qt::PlainText);
    lblURL->setText(QString::fromStdString(shippedText(kSiteText)));
    lblOstrel->setToolTip(platform::plainToolTip(
        tr("Click here for the Ostrel website at %1.").arg(QString::fromStdString(addressOf(kSiteText)))));
    lblOnlineUserManual->setToolTip(platform::plainToolTip(
        tr("Click here for the online user manual at %1.").arg(QString::fromStdString(addressOf(kManualText)))));

    setOutputText({});
    txbYear->setText("2015");
    strUserSettingsFile = platform::GetDataFilePath("varnex.usr", "Ostrel");
    InitPeriodicTerms();

    cboCalendar->clear();
    for (const char* item : kCalendarItemTexts) cboCalendar->addItem(tr(item));
    cboCalendar->setCurrentIndex(0);
    cboTimezone->clear();
    for (const TimezoneEntry& entry : timezoneEntries())
        cboTimezone->addItem(QString::fromStdString(entry.text), static_cast<int>(entry.offsetMinutes));
    cboTimezone->setCurrentIndex(kGmtTimezoneIndex);

    // The event boxes' captions in the language of the program text; the names follow them.
    const EventCaptions languageCaptions = eventCaptions(intLanguage);
    for (std::size_t i = 0; i < eventBox.size(); ++i) eventBox[i]->setText(QString::fromStdString(languageCaptions[i]));
    EventCaptions captions;
    for (std::size_t i = 0; i < eventBox.size(); ++i) captions[i] = eventBox[i]->text().toStdString();
    strEventName = buildEventNames(captions);

    SetCheckBoxesValue(this, 1);
    platform::setTickState(chkIncludeWeekday, TickState::Clear);
    optNH->setChecked(true);
}

std::string frmMain::shippedText(std::int16_t textId) {
    std::string text = GetProgramText(textId);
    if (intLanguage == intEnglish || kindOfAddress(text) != AddressKind::File ||
        platform::FileExists(QString::fromStdString(resolveAddress(text, platform::programFolder()))))
        return text;
    return GetProgramText(textId, intEnglish);
}

std::string frmMain::addressOf(std::int16_t textId) {
    return resolveAddress(shippedText(textId), platform::programFolder());
}

void frmMain::lblOstrel_Click() { LaunchWebBrowser(this, addressOf(kSiteText)); }

void frmMain::lblOnlineUserManual_Click() { LaunchWebBrowser(this, addressOf(kManualText)); }

void frmMain::setOutputText(std::string text) {
    outputText_ = std::move(text);
    txbOutput->setPlainText(toDisplayText(outputText_));
}

void frmMain::appendOutput(std::string_view piece) {
    outputText_ += piece;
    QTextCursor end(txbOutput->document());
    end.movePosition(QTextCursor::End);
    end.insertText(toDisplayText(piece));
}

void frmMain::updateResultButtons() {
    const bool text = !outputText_.empty();
    cmdResults->setVisible(text);
    cmdClear->setVisible(text);
}

void frmMain::centreOnScreen() {
    const QRect screen = (this->screen() ? this->screen() : QGuiApplication::primaryScreen())->availableGeometry();
    const QSize outer = frameGeometry().size();  // the client area until the window is framed
    move(screen.left() + (screen.width() - outer.width()) / 2, screen.top() + (screen.height() - outer.height()) / 2);
}

void frmMain::moveEvent(QMoveEvent* event) {
    // The window manager's frame (title bar, borders) is known only once the window is
    // shown: then the window is centred again, once, as a whole.
    if (!centredAsFramed_ && isVisible() && frameGeometry().size() != size()) {
        centredAsFramed_ = true;
        centreOnScreen();
    }
    QWidget::moveEvent(event);
}

void frmMain::closeEvent(QCloseEvent* event) {
    // The program ends with its main window, whatever auxiliary windows are loaded.
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window != this && window->isVisible()) window->close();
    event->accept();
}

}  // namespace varnex
