// frmMain: the commands and the handlers of the selection controls.
#include "frm_main.h"

#include "frm_all.h"
#include "summary_layout.h"
#include "window_places.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/program_folder.h"
#include "platform/tick_state.h"
#include "platform/twips.h"
#include "report/request.h"
#include "report/result_text.h"
#include "report/summary.h"
#include "zones/fixed_offsets.h"
#include "report/year_input.h"
#include "settings/settings_file.h"
#include "text/program_text.h"
#include "text/utf8.h"
#include "ui/drop_down_list.h"
#include "ui/keyboard.h"
#include "ui/link_label.h"
#include "ui/windows/frm_large_textbox.h"
#include "ui/windows/frm_pop_up.h"
#include "ui/windows/frm_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QValidator>

#include <algorithm>
#include <exception>
#include <functional>
#include <utility>
#include <vector>

namespace varnex {

using platform::isTicked;
using platform::twipsToPixels;

namespace {

constexpr std::int16_t kHelpFileText = 16;
constexpr std::int16_t kHelpCaptionText = 36;
constexpr std::int16_t kSavedText = 50;
constexpr std::int16_t kNotSavedText = 51;
constexpr int kYearTypedLength = 4;
// A larger file is read in part: 8 MiB holds some 130,000 result lines, and keeps what a hostile
// file can cost the window (the text, its UTF-16 copy, the widget) well under 50 MB.
constexpr std::size_t kSettingsFileMaxBytes = 8u * 1024 * 1024;

// The year box takes at most four typed characters; a longer text set by the program (a
// restored "02015") stays whole and may be shortened.
class TypedLengthValidator : public QValidator {
public:
    explicit TypedLengthValidator(QLineEdit* box) : QValidator(box), accepted_(box->text()) {
        connect(box, &QLineEdit::textChanged, this, [this](const QString& text) { accepted_ = text; });
    }
    State validate(QString& input, int&) const override {
        return input.size() > kYearTypedLength && input.size() > accepted_.size() ? Invalid : Acceptable;
    }

private:
    QString accepted_;  // the text before the edit being validated
};

}  // namespace

void frmMain::connectHandlers() {
    txbYear->setValidator(new TypedLengthValidator(txbYear));
    txbYear->installEventFilter(this);
    for (int index = 0; index < static_cast<int>(cmdAllOrNoneVarnex.size()); ++index)
        connect(cmdAllOrNoneVarnex[static_cast<std::size_t>(index)], &QPushButton::clicked, this,
                [this, index] { cmdAllOrNoneVarnex_Click(index); });
    for (QCheckBox* box : familyBoxes(EventFamily::CrossQuarter))
        platform::onTickChanged(box, this, [this] { EnableCalculationMethod(); });
    connect(cboCalendar, &QComboBox::currentIndexChanged, this, [this] { cboCalendar_Click(); });
    connect(cboTimezone, &QComboBox::currentIndexChanged, this, [this] { cboTimezone_Click(); });
    connect(optNH, &QRadioButton::toggled, this, [this](bool on) {
        if (on) optNH_Click();
    });
    connect(optSH, &QRadioButton::toggled, this, [this](bool on) {
        if (on) optSH_Click();
    });
    connect(cmdCalculate, &QPushButton::clicked, this, &frmMain::cmdCalculate_Click);
    connect(cmdResults, &QPushButton::clicked, this, &frmMain::cmdResults_Click);
    connect(cmdClear, &QPushButton::clicked, this, &frmMain::cmdClear_Click);
    connect(cmdQuit, &QPushButton::clicked, this, &frmMain::cmdQuit_Click);
    connect(cmdSaveSettings, &QPushButton::clicked, this, &frmMain::cmdSaveSettings_Click);
    connect(cmdDisplayAll, &QPushButton::clicked, this, &frmMain::cmdDisplayAll_Click);
    connect(cmdHelp, &QPushButton::clicked, this, &frmMain::cmdHelp_Click);
    lblOstrel->setActivation([this] { lblOstrel_Click(); });
    lblOnlineUserManual->setActivation([this] { lblOnlineUserManual_Click(); });
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    const bool press = event->type() == QEvent::KeyPress;
    if (watched == txbYear && (press || event->type() == QEvent::KeyRelease)) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        // The release counts only after a press in this box: the release of the Enter that
        // closed a message box must not run the command again.
        if (enter && !key->isAutoRepeat()) {
            if (press) {
                yearEnterPressed_ = true;
            } else if (std::exchange(yearEnterPressed_, false)) {
                txbYear_KeyUp(13);
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

// ---- Calculate ------------------------------------------------------------------------------

bool frmMain::CheckYearInput() {
    const YearCheck check = checkYearText(txbYear->text().toStdString());
    txbYear->setText(QString::fromStdString(check.trimmedText));
    if (check.status == YearCheckStatus::Accepted || check.status == YearCheckStatus::OutOfRange)
        lngYear = check.year;
    if (check.status == YearCheckStatus::Accepted) return true;
    platform::showMessage(this, yearMessage(check.status, intLanguage));
    return false;
}

void frmMain::cmdCalculate_Click() {
    if (!CheckYearInput()) return;
    intCalendarCode = calendarCodeOfIndex(cboCalendar->currentIndex());

    Selection selection;
    for (std::size_t i = 0; i < eventBox.size(); ++i) selection.events[i] = isTicked(eventBox[i]);
    selection.trueSun = isTicked(chkTrueSun);
    selection.meanSun = isTicked(chkMeanSun);
    if (const auto rejection = checkSelection(selection, cmdCalculate->text().toStdString(), intLanguage)) {
        platform::showMessage(this, *rejection);
        return;
    }

    if (!outputText_.empty()) appendOutput(kRequestSeparator);
    intTimezoneOffset = timezoneOffsetOfIndex(cboTimezone->currentIndex());
    const CalculateRequest request{.year = lngYear,
                                   .calendar = prolepticReformOf(intCalendarCode),
                                   .zone = Zone::fixed(intTimezoneOffset),
                                   .selection = selection,
                                   .includeWeekday = isTicked(chkIncludeWeekday),
                                   .language = intLanguage};
    try {
        forEachRequestLine(request, strEventName, [this](const RequestLine& line) { appendOutput(line.text); });
    } catch (const std::exception& failure) {
        // Lines already appended stay.
        platform::showMessage(this, {tr("The calculation failed: %1").arg(QString::fromUtf8(failure.what())).toStdString(),
                                     cmdCalculate->text().toStdString(), MessageIcon::Warning});
    }
    txbOutput->moveCursor(QTextCursor::End);
    txbOutput->ensureCursorVisible();
    cmdResults->setEnabled(true);
    updateResultButtons();
}

// ---- Results --------------------------------------------------------------------------------

void frmMain::cmdResults_Click() {
    ShowResults();
    cmdResults->setVisible(true);
}

void frmMain::ShowResults() {
    std::string trimmed = trimBlanks(outputText_);
    if (trimmed != outputText_) setOutputText(std::move(trimmed));

    if (!frmLargeTextbox_) {
        frmLargeTextbox_ = new frmLargeTextbox(this, {[this] { return txbOutput->isReadOnly(); },
                                                      [this]() -> const std::string& { return outputText_; },
                                                      [this](const std::string& text) { setOutputText(text); }});
    }
    frmLargeTextbox_->setWindowTitle(tr("Results"));
    frmLargeTextbox_->showText(outputText_, resultsPlace(platform::outerGeometry(this), txbOutput->y(),
                                                         utf8Length(outputText_) < kResultsShortTextChars));
}

// ---- Display all ------------------------------------------------------------------------------

void frmMain::cmdDisplayAll_Click() {
    if (!CheckYearInput()) return;
    intCalendarCode = calendarCodeOfIndex(cboCalendar->currentIndex());
    if (!frmAll_) frmAll_ = new frmAll(this);
    frmAll* all = frmAll_;
    const Hemisphere hemisphere = optSH->isChecked() ? Hemisphere::South : Hemisphere::North;
    all->setWindowTitle(QString::fromStdString(summaryCaption(txbYear->text().toStdString(), hemisphere, intLanguage)));
    const QRect screen = (this->screen() ? this->screen() : QGuiApplication::primaryScreen())->geometry();
    const int width = twipsToPixels(kSummaryWidthTwips);
    all->placeForCommand({screen.left() + (screen.width() - width) / 2,
                          platform::outerGeometry(this).top() + twipsToPixels(kSummaryTopBelowMainTwips), width,
                          twipsToPixels(kSummaryHeightTwips)});
    all->show();
    all->raise();
    all->activateWindow();
    all->Form_Activate();  // the layout, whether or not the window manager activates it at once
    intTimezoneOffset = timezoneOffsetOfIndex(cboTimezone->currentIndex());
    all->setCells(summaryCells(lngYear, prolepticReformOf(intCalendarCode), Zone::fixed(intTimezoneOffset), hemisphere, strEventName, intLanguage));
}

// ---- Help and the links -------------------------------------------------------------------------

void frmMain::cmdHelp_Click() {
    if (!frmView_) frmView_ = new frmView(this);
    frmView_->blnCopyToClipboardInvisible = true;
    frmView_->showFile(joinFolderAndFile(platform::programFolder(), shippedText(kHelpFileText)),
                       QString::fromStdString(GetProgramText(kHelpCaptionText)),
                       helpViewerPlace(platform::outerGeometry(this)));
}

// ---- Selection controls ---------------------------------------------------------------------

void frmMain::cmdAllOrNoneVarnex_Click(int index) {
    const TickState value = index == 0 || index == 2 ? TickState::Ticked : TickState::Clear;
    for (QCheckBox* box : familyBoxes(index > 1 ? EventFamily::CrossQuarter : EventFamily::EquinoxSolstice))
        platform::setTickState(box, value);
    cmdCalculate->setFocus();
}

void frmMain::EnableCalculationMethod() {
    const auto crossQuarter = familyBoxes(EventFamily::CrossQuarter);
    const bool enabled = std::any_of(crossQuarter.begin(), crossQuarter.end(), isTicked);
    Label2->setEnabled(enabled);
    chkMeanSun->setEnabled(enabled);
    chkTrueSun->setEnabled(enabled);
}

void frmMain::txbYear_KeyUp(int keyCode) {
    if (keyCode == 13 && cmdCalculate->isEnabled()) cmdCalculate_Click();
}

// A step through the closed list with the keys leaves the focus there, so that the next key
// steps on and a screen reader reads each entry; a choice moves it on to Calculate.
void frmMain::cboCalendar_Click() {
    if (blnStartupCompleted && !cboCalendar->steppingByKey()) cmdCalculate->setFocus();
}

void frmMain::cboTimezone_Click() {
    if (blnStartupCompleted && !cboTimezone->steppingByKey()) cmdCalculate->setFocus();
}

void frmMain::optNH_Click() {
    if (blnStartupCompleted && cmdDisplayAll->isEnabled()) cmdDisplayAll->setFocus();
}

void frmMain::optSH_Click() {
    if (blnStartupCompleted && cmdDisplayAll->isEnabled()) cmdDisplayAll->setFocus();
}

void frmMain::cmdClear_Click() {
    setOutputText({});
    cmdClear->hide();
    cmdResults->hide();
}

void frmMain::cmdQuit_Click() { close(); }

// ---- Settings -------------------------------------------------------------------------------

std::array<QCheckBox*, kSettingsBoxCount> frmMain::settingsBoxes() const {
    const auto seasons = familyBoxes(EventFamily::EquinoxSolstice);
    const auto crossQuarter = familyBoxes(EventFamily::CrossQuarter);
    return {seasons[0],      seasons[1],      seasons[2],      seasons[3], crossQuarter[0],   crossQuarter[1],
            crossQuarter[2], crossQuarter[3], chkTrueSun,      chkMeanSun, chkIncludeWeekday};
}

void frmMain::cmdSaveSettings_Click() {
    cmdSaveSettings->hide();
    const std::string failure = SaveSettings();
    if (!failure.empty()) {
        platform::showMessage(this, {GetProgramText(kNotSavedText) + " " + failure,
                                     cmdSaveSettings->text().toStdString(), MessageIcon::Warning});
    } else {
        if (!frmPopUp_) frmPopUp_ = new frmPopUp(this);
        const auto twips = [](int pixels) { return static_cast<std::int16_t>(platform::pixelsToTwips(pixels)); };
        frmPopUp_->PopUpInForm(this, QString::fromStdString(GetProgramText(kSavedText)), 2000, 380, 2000,
                               static_cast<std::int16_t>(twips(cmdSaveSettings->y()) + 310),
                               static_cast<std::int16_t>(twips(cmdSaveSettings->x()) + 220));
    }
    cmdSaveSettings->show();
    cmdCalculate->setFocus();
}

std::string frmMain::SaveSettings() {
    Settings settings;
    settings.yearText = txbYear->text().toStdString();
    const auto boxes = settingsBoxes();
    for (std::size_t i = 0; i < boxes.size(); ++i) settings.boxes[i] = platform::tickStateOf(boxes[i]);
    settings.timezoneIndex = static_cast<std::int16_t>(cboTimezone->currentIndex());
    settings.southernHemisphere = optSH->isChecked();
    settings.outputText = outputText_;
    return platform::replaceFileContent(strUserSettingsFile, formatSettings(settings));
}

void frmMain::RestoreSettings() {
    const auto content = platform::readFileBytes(strUserSettingsFile, kSettingsFileMaxBytes);
    if (!content) return;
    const RestoredSettings restored = parseSettings(*content);
    const Settings& values = restored.values;
    // The fields in file order; those read are set, each control's handler running as it is set.
    std::vector<std::function<void()>> fields;
    fields.emplace_back([&] { txbYear->setText(QString::fromStdString(values.yearText)); });
    const auto boxes = settingsBoxes();
    for (std::size_t i = 0; i < boxes.size(); ++i)
        fields.emplace_back([&, i] { platform::setTickState(boxes[i], values.boxes[i]); });
    fields.emplace_back([&] { cboTimezone->setCurrentIndex(values.timezoneIndex); });
    fields.emplace_back([&] { (values.southernHemisphere ? optSH : optNH)->setChecked(true); });
    fields.emplace_back([&] { setOutputText(values.outputText); });
    const auto read = static_cast<std::size_t>(std::clamp(restored.fieldsRead, 0, static_cast<int>(fields.size())));
    for (std::size_t field = 0; field < read; ++field) fields[field]();
}

}  // namespace varnex
