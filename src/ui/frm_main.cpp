#include "ui/frm_main.h"

#include "app/program_state.h"
#include "links/web_links.h"
#include "ui/clickable_label.h"
#include "ui/frm_about.h"
#include "ui/frm_result.h"
#include "ui/frm_time_zone.h"
#include "ui/keyboard_access.h"
#include "ui/messages.h"
#include "ui/named.h"
#include "ui/place_completion.h"
#include "ui/promotions.h"
#include "ui/wrapping_label.h"
#include "ui/screen_fit.h"
#include "ui/sign_pictures.h"
#include "entry/zone_note.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include <array>
#include <variant>

namespace nyra {
namespace {

// Characters the user may type into the zone boxes; text the time zone
// picker writes ("-30") is not held to these.
constexpr int kZoneHourTypingLimit = 3;
constexpr int kZoneMinuteTypingLimit = 2;

constexpr int kMoonPictureSize = 150;

// The entries of cboTimeKnown, in list order. The first, an exact time, is
// the default and leaves the calculation and the result as they always were.
struct TimeKnownChoice {
    const char* caption;
    TimeWindow window;
};
constexpr auto kTimeKnownChoices = std::to_array<TimeKnownChoice>({
    {"exactly", TimeWindow{}},
    {"within 15 min", TimeWindow{false, 15}},
    {"within 1 hour", TimeWindow{false, 60}},
    {"within 2 hours", TimeWindow{false, 120}},
    {"not known", TimeWindow{true, 0}},
});
static_assert(kTimeKnownChoices.size() == 5);

void FillNumbers(QComboBox* list, int first, int last) {
    for (int n = first; n <= last; ++n) list->addItem(QString::number(n));
    list->setCurrentIndex(0);
}

} // namespace

frmMain::frmMain(QWidget* parent) : QMainWindow(parent) {
    setAttribute(Qt::WA_DeleteOnClose);
    CreateControls();
    CreateMenus();
    ArrangeControls();
    ConnectControls();
    SetTexts();
    FillLists();
}

void frmMain::CreateControls() {
    // The controls scroll only on a screen too small for them.
    auto* area = new FittingScrollArea(this);
    setCentralWidget(area);
    content_ = area->widget();
    QWidget* central = content_;

    fraBirth = Named(new QGroupBox(central), "fraBirth");
    lblName = Named(new QLabel(fraBirth), "lblName");
    txtName = Named(new QLineEdit(fraBirth), "txtName");
    lblDateOfBirth = Named(new QLabel(fraBirth), "lblDateOfBirth");
    cboDate = Named(new QComboBox(fraBirth), "cboDate");
    cboMonth = Named(new QComboBox(fraBirth), "cboMonth");
    cboYear = Named(new QComboBox(fraBirth), "cboYear");
    lblTimeOfBirth = Named(new QLabel(fraBirth), "lblTimeOfBirth");
    cboHH = Named(new QComboBox(fraBirth), "cboHH");
    cboMM = Named(new QComboBox(fraBirth), "cboMM");
    cboSS = Named(new QComboBox(fraBirth), "cboSS");
    lblTimeFormat = Named(new QLabel(fraBirth), "lblTimeFormat");
    lblTimeKnown = Named(new QLabel(fraBirth), "lblTimeKnown");
    cboTimeKnown = Named(new QComboBox(fraBirth), "cboTimeKnown");
    lblTimeKnown->setBuddy(cboTimeKnown);

    fraPlace = Named(new QGroupBox(central), "fraPlace");
    lblCity = Named(new QLabel(fraPlace), "lblCity");
    txtMCity = Named(new QLineEdit(fraPlace), "txtMCity");
    lblState = Named(new QLabel(fraPlace), "lblState");
    txtMState = Named(new QLineEdit(fraPlace), "txtMState");
    lblCountry = Named(new QLabel(fraPlace), "lblCountry");
    txtMCountry = Named(new QLineEdit(fraPlace), "txtMCountry");
    cmdBrowser = Named(new QPushButton(fraPlace), "cmdBrowser");

    fraLatitude = Named(new QGroupBox(central), "fraLatitude");
    optLatNorth = Named(new QRadioButton(fraLatitude), "optLat(0)");
    optLatSouth = Named(new QRadioButton(fraLatitude), "optLat(1)");
    lblLatDeg = Named(new QLabel(fraLatitude), "lblLatDeg");
    txtLatD = Named(new QLineEdit(fraLatitude), "txtLatD");
    lblLatMin = Named(new QLabel(fraLatitude), "lblLatMin");
    txtLatM = Named(new QLineEdit(fraLatitude), "txtLatM");

    fraLongitude = Named(new QGroupBox(central), "fraLongitude");
    optLongEast = Named(new QRadioButton(fraLongitude), "optLong(0)");
    optLongWest = Named(new QRadioButton(fraLongitude), "optLong(1)");
    lblLonDeg = Named(new QLabel(fraLongitude), "lblLonDeg");
    txtLonD = Named(new QLineEdit(fraLongitude), "txtLonD");
    lblLonMin = Named(new QLabel(fraLongitude), "lblLonMin");
    txtLonM = Named(new QLineEdit(fraLongitude), "txtLonM");

    fraZone = Named(new QGroupBox(central), "fraZone");
    lblZoneHour = Named(new QLabel(fraZone), "lblZoneHour");
    txtZoneHour = Named(new QLineEdit(fraZone), "txtZoneHour");
    lblZoneMinute = Named(new QLabel(fraZone), "lblZoneMinute");
    txtZoneMinute = Named(new QLineEdit(fraZone), "txtZoneMinute");
    chkDST = Named(new QCheckBox(fraZone), "chkDST");
    lblTZHelp = NewLinkLabel(QStringLiteral("lblTZHelp"), QString(), fraZone, LinkStyle::Link);
    lblZoneNote = Named(new WrappingLabel(central), "lblZoneNote");
    // Right-aligned, so that a short note sits under the zone frame it
    // speaks of; a long one reaches left and wraps.
    lblZoneNote->setAlignment(Qt::AlignRight | Qt::AlignTop);
    QFont noteFont = lblZoneNote->font();
    noteFont.setPointSizeF(noteFont.pointSizeF() * 0.92);
    lblZoneNote->setFont(noteFont);
    QPalette notePalette = lblZoneNote->palette();
    QColor noteColour = notePalette.color(QPalette::WindowText);
    noteColour.setAlphaF(0.72f);
    notePalette.setColor(QPalette::WindowText, noteColour);
    lblZoneNote->setPalette(notePalette);
    placeCompletion_ = new PlaceCompletion(txtMCity, txtMState, txtMCountry, this);

    cmdOpen = Named(new QPushButton(central), "cmdOpen");
    cmdRashi = Named(new QPushButton(central), "cmdRashi");
    QFont strong = cmdRashi->font();
    strong.setBold(true);
    cmdRashi->setFont(strong);

    picMain = Named(new QLabel(central), "picMain");
    picMain->setPixmap(PaintMoonPicture(kMoonPictureSize, devicePixelRatioF()));
    picMain->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblProductName = Named(new QLabel(central), "lblProductName");
    lblProductName->setAlignment(Qt::AlignHCenter);
    QFont heading = lblProductName->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.2);
    lblProductName->setFont(heading);

    lblCobrand = NewLinkLabel(QStringLiteral("lblCobrand"), QString(), central, LinkStyle::Promotion);
    lblFullBrand = NewLinkLabel(QStringLiteral("lblFullBrand"), QString(), central, LinkStyle::Promotion);

    // Room for a few digits, whatever the font size.
    const int digitsWidth = fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 16;
    for (QLineEdit* box : {txtLatD, txtLatM, txtLonD, txtLonM, txtZoneHour, txtZoneMinute}) {
        box->setMaximumWidth(digitsWidth);
        box->installEventFilter(this);
    }
}

void frmMain::CreateMenus() {
    mnuFile = Named(menuBar()->addMenu(QString()), "mnuFile");
    mnuCalculate = Named(mnuFile->addAction(QString()), "mnuCalculate");

    helpMenus_ = CreateHelpMenus(menuBar());
}

void frmMain::ArrangeControls() {
    auto* birth = new QGridLayout(fraBirth);
    birth->addWidget(lblName, 0, 0);
    birth->addWidget(txtName, 0, 1);
    auto* date = new QHBoxLayout;
    date->addWidget(cboDate);
    date->addWidget(cboMonth);
    date->addWidget(cboYear);
    date->addStretch();
    birth->addWidget(lblDateOfBirth, 1, 0);
    birth->addLayout(date, 1, 1);
    auto* time = new QHBoxLayout;
    time->addWidget(cboHH);
    time->addWidget(cboMM);
    time->addWidget(cboSS);
    time->addWidget(lblTimeFormat);
    time->addSpacing(12);
    time->addWidget(lblTimeKnown);
    time->addWidget(cboTimeKnown);
    time->addStretch();
    birth->addWidget(lblTimeOfBirth, 2, 0);
    birth->addLayout(time, 2, 1);
    birth->setColumnStretch(1, 1);

    auto* place = new QGridLayout(fraPlace);
    place->addWidget(lblCity, 0, 0);
    place->addWidget(txtMCity, 0, 1);
    place->addWidget(lblState, 1, 0);
    place->addWidget(txtMState, 1, 1);
    place->addWidget(lblCountry, 2, 0);
    place->addWidget(txtMCountry, 2, 1);
    place->addWidget(cmdBrowser, 3, 1, Qt::AlignLeft);
    place->setColumnStretch(1, 1);

    const auto coordinateFrame = [](QGroupBox* frame, QWidget* first, QWidget* second, QLabel* degLabel,
                                    QLineEdit* deg, QLabel* minLabel, QLineEdit* min) {
        auto* grid = new QGridLayout(frame);
        grid->addWidget(first, 0, 0, 1, 2);
        grid->addWidget(second, 0, 2, 1, 2);
        grid->addWidget(degLabel, 1, 0);
        grid->addWidget(deg, 1, 1);
        grid->addWidget(minLabel, 1, 2);
        grid->addWidget(min, 1, 3);
        // Extra width goes beyond the boxes, not between a label and its box.
        grid->setColumnStretch(4, 1);
    };
    coordinateFrame(fraLatitude, optLatNorth, optLatSouth, lblLatDeg, txtLatD, lblLatMin, txtLatM);
    coordinateFrame(fraLongitude, optLongEast, optLongWest, lblLonDeg, txtLonD, lblLonMin, txtLonM);
    coordinateFrame(fraZone, chkDST, lblTZHelp, lblZoneHour, txtZoneHour, lblZoneMinute, txtZoneMinute);

    auto* coordinates = new QHBoxLayout;
    coordinates->addWidget(fraLatitude);
    coordinates->addWidget(fraLongitude);
    coordinates->addWidget(fraZone);

    auto* commands = new QHBoxLayout;
    commands->addWidget(cmdOpen);
    commands->addStretch();
    commands->addWidget(cmdRashi);

    auto* entry = new QVBoxLayout;
    entry->addWidget(fraBirth);
    entry->addWidget(fraPlace);
    entry->addLayout(coordinates);
    entry->addWidget(lblZoneNote);
    entry->addSpacing(4);
    entry->addLayout(commands);

    auto* emblem = new QVBoxLayout;
    emblem->addWidget(picMain);
    emblem->addWidget(lblProductName);
    emblem->addStretch();
    auto* upper = new QHBoxLayout;
    upper->addLayout(emblem);
    upper->addSpacing(6);
    upper->addLayout(entry, 1);

    auto* promotions = new QFrame(content_);
    promotions->setFrameShape(QFrame::StyledPanel);
    auto* promotionRow = new QHBoxLayout(promotions);
    promotionRow->addWidget(lblCobrand, 1);
    promotionRow->addSpacing(12);
    promotionRow->addWidget(lblFullBrand, 1);

    auto* outer = new QVBoxLayout(content_);
    outer->setContentsMargins(12, 12, 12, 12);
    outer->setSpacing(10);
    outer->addLayout(upper);
    outer->addWidget(promotions);
    // An enlarged window keeps its rows together at the top.
    outer->addStretch(1);

    // Screen readers name a box by the label beside it.
    const std::pair<QLabel*, QWidget*> buddies[] = {
        {lblName, txtName},         {lblDateOfBirth, cboDate}, {lblTimeOfBirth, cboHH},
        {lblCity, txtMCity},        {lblState, txtMState},     {lblCountry, txtMCountry},
        {lblLatDeg, txtLatD},       {lblLatMin, txtLatM},      {lblLonDeg, txtLonD},
        {lblLonMin, txtLonM},       {lblZoneHour, txtZoneHour}, {lblZoneMinute, txtZoneMinute},
    };
    for (const auto& [label, box] : buddies) label->setBuddy(box);
}

void frmMain::ConnectControls() {
    connect(cmdRashi, &QPushButton::clicked, this, &frmMain::Calculate);
    connect(mnuCalculate, &QAction::triggered, this, &frmMain::Calculate);
    connect(cmdOpen, &QPushButton::clicked, this, &frmMain::OpenBirthRecord);
    connect(cmdBrowser, &QPushButton::clicked, this, &frmMain::LookUpPlace);
    connect(lblTZHelp, &ClickableLabel::clicked, this, &frmMain::ShowTimeZonePicker);
    connect(helpMenus_.mnuAbout, &QAction::triggered, this, &frmMain::ShowAbout);
    ConnectHelpMenus(helpMenus_, this);
    connect(lblCobrand, &ClickableLabel::clicked, this, &OpenCoBrandPage);
    connect(lblFullBrand, &ClickableLabel::clicked, this, &OpenFullyBrandedPage);

    connect(placeCompletion_, &PlaceCompletion::placeChosen, this, &frmMain::UsePlace);
    connect(txtMCity, &QLineEdit::textEdited, this, &frmMain::StopFollowingPick);
    for (QComboBox* list : {cboDate, cboMonth, cboYear, cboHH, cboMM})
        connect(list, &QComboBox::currentIndexChanged, this, &frmMain::FollowPickedZone);
    // textChanged rather than textEdited: the picker and an opened record
    // write these boxes too, and either takes the zone over from the pick.
    for (QLineEdit* box : {txtZoneHour, txtZoneMinute})
        connect(box, &QLineEdit::textChanged, this, &frmMain::ZoneBoxChanged);
    connect(chkDST, &QCheckBox::toggled, this, &frmMain::ZoneBoxChanged);
    // The zone's direction can hang on the longitude.
    for (QLineEdit* box : {txtLonD, txtLonM})
        connect(box, &QLineEdit::textChanged, this, &frmMain::UpdateZoneNote);
    connect(optLongEast, &QRadioButton::toggled, this, &frmMain::UpdateZoneNote);
    // A record's place is unknown; one typed after it is the user's own.
    for (QLineEdit* box : {txtMCity, txtMState, txtMCountry})
        connect(box, &QLineEdit::textEdited, this, [this] { placeFromRecord_ = false; });
    PressButtonsOnEnter(this);
}

void frmMain::SetTexts() {
    setWindowTitle(kWindowTitle);
    lblProductName->setText(kAppTitle);

    fraBirth->setTitle(QStringLiteral("Birth Details"));
    lblName->setText(QStringLiteral("Name"));
    lblDateOfBirth->setText(QStringLiteral("Date of Birth"));
    lblTimeOfBirth->setText(QStringLiteral("Time of Birth"));
    lblTimeFormat->setText(QStringLiteral("HH:MM:SS"));
    lblTimeKnown->setText(QStringLiteral("Time known:"));
    cboTimeKnown->setToolTip(QStringLiteral("If you know the time of birth only roughly or not at all, say how "
                                            "well, and the result lists every Moon sign of that stretch of time "
                                            "with its share."));

    fraPlace->setTitle(QStringLiteral("Place of Birth"));
    lblCity->setText(QStringLiteral("City"));
    lblState->setText(QStringLiteral("State"));
    lblCountry->setText(QStringLiteral("Country"));
    cmdBrowser->setText(QStringLiteral("Click Here To Find Latitude && Longitude"));

    fraLatitude->setTitle(QStringLiteral("Latitude"));
    optLatNorth->setText(QStringLiteral("North"));
    optLatSouth->setText(QStringLiteral("South"));
    fraLongitude->setTitle(QStringLiteral("Longitude"));
    optLongEast->setText(QStringLiteral("East"));
    optLongWest->setText(QStringLiteral("West"));
    for (QLabel* label : {lblLatDeg, lblLonDeg}) label->setText(QStringLiteral("Deg"));
    for (QLabel* label : {lblLatMin, lblLonMin, lblZoneMinute}) label->setText(QStringLiteral("Min"));

    fraZone->setTitle(QStringLiteral("Time Zone"));
    lblZoneHour->setText(QStringLiteral("Hour"));
    chkDST->setText(QStringLiteral("DST"));
    lblTZHelp->setText(QStringLiteral("TZ Help"));
    UpdateZoneNote();

    cmdOpen->setText(QStringLiteral("&Open Previously Saved Record"));
    cmdRashi->setText(QStringLiteral("Find My Moon Sign"));

    lblCobrand->setText(kCoBrandInvitation);
    lblFullBrand->setText(kFullBrandOffer + QLatin1Char(' ') + kMoreDetails);

    mnuFile->setTitle(QStringLiteral("&File"));
    mnuCalculate->setText(QStringLiteral("&Calculate"));
    SetHelpMenuTexts(helpMenus_);

    // For screen readers, where one caption serves several boxes or the
    // caption alone ("Deg", "Min") would not say which box it is. Qt on
    // Linux names a list by its entry ("1901"), so the lists say what they
    // are in their description.
    const std::pair<QWidget*, const char*> spoken[] = {
        {cboDate, "Date of Birth: day"},     {cboMonth, "Date of Birth: month"},
        {cboYear, "Date of Birth: year"},    {cboHH, "Time of Birth: hour"},
        {cboMM, "Time of Birth: minute"},    {cboSS, "Time of Birth: second"},
        {txtLatD, "Latitude: degrees"},      {txtLatM, "Latitude: minutes"},
        {txtLonD, "Longitude: degrees"},     {txtLonM, "Longitude: minutes"},
        {txtZoneHour, "Time Zone: hours"},   {txtZoneMinute, "Time Zone: minutes"},
        {picMain, "Crescent Moon"},
    };
    for (const auto& [widget, name] : spoken) {
        widget->setAccessibleName(QLatin1String(name));
        if (qobject_cast<QComboBox*>(widget)) widget->setAccessibleDescription(QLatin1String(name));
    }
}

void frmMain::FillLists() {
    cboMonth->addItems({QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
                        QStringLiteral("April"), QStringLiteral("May"), QStringLiteral("June"),
                        QStringLiteral("July"), QStringLiteral("August"), QStringLiteral("September"),
                        QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December")});
    cboMonth->setCurrentIndex(0);
    FillNumbers(cboDate, 1, 31);
    FillNumbers(cboYear, 1901, 2050);
    FillNumbers(cboHH, 0, 23);
    FillNumbers(cboMM, 0, 59);
    FillNumbers(cboSS, 0, 59);
    for (const TimeKnownChoice& choice : kTimeKnownChoices) cboTimeKnown->addItem(QLatin1String(choice.caption));
    cboTimeKnown->setCurrentIndex(0);
    optLatNorth->setChecked(true);
    optLongEast->setChecked(true);
}

BirthEntry frmMain::ReadEntry() const {
    BirthEntry entry;
    entry.name = txtName->text();
    entry.monthIndex = cboMonth->currentIndex();
    entry.day = cboDate->currentText();
    entry.year = cboYear->currentText();
    entry.hour = cboHH->currentText();
    entry.minute = cboMM->currentText();
    entry.zoneHour = txtZoneHour->text();
    entry.zoneMinute = txtZoneMinute->text();
    entry.lonDegrees = txtLonD->text();
    entry.lonMinutes = txtLonM->text();
    entry.latDegrees = txtLatD->text();
    entry.latMinutes = txtLatM->text();
    entry.east = optLongEast->isChecked();
    entry.south = optLatSouth->isChecked();
    entry.dst = chkDST->isChecked();
    return entry;
}

TimeWindow frmMain::TimeKnown() const {
    const int index = cboTimeKnown->currentIndex();
    if (index < 0 || index >= static_cast<int>(kTimeKnownChoices.size())) return TimeWindow::Exact();
    return kTimeKnownChoices[static_cast<std::size_t>(index)].window;
}

QLineEdit* frmMain::BoxFor(EntryBox box) const {
    switch (box) {
    case EntryBox::Name: return txtName;
    case EntryBox::ZoneHour: return txtZoneHour;
    case EntryBox::ZoneMinute: return txtZoneMinute;
    case EntryBox::LonDegrees: return txtLonD;
    case EntryBox::LonMinutes: return txtLonM;
    case EntryBox::LatDegrees: return txtLatD;
    case EntryBox::LatMinutes: return txtLatM;
    }
    return txtName;
}

void frmMain::Report(const EntryProblem& problem) {
    ShowMessage(this, problem.message, problem.icon);
    if (problem.focus) BoxFor(*problem.focus)->setFocus();
}

bool frmMain::ValidateBirthEntry() {
    const std::optional<EntryProblem> problem = FindEntryProblem(ReadEntry());
    if (!problem) return true;
    Report(*problem);
    return false;
}

void frmMain::Calculate() {
    if (!ValidateBirthEntry()) return;
    const std::variant<BirthRecord, EntryProblem> converted = BirthRecordFromEntry(ReadEntry());
    if (const auto* problem = std::get_if<EntryProblem>(&converted)) {
        Report(*problem);
        return;
    }

    ProgramState& program = Program();
    program.birth = std::get<BirthRecord>(converted);
    program.birthPlace = placeFromRecord_ ? std::string() : TypedPlace().toStdString();
    program.timeWindow = TimeKnown();
    program.chart = ComputeMoonChart(program.birth);
    if (std::optional<SignDescription> description = DescribeMoonSign(program.chart.RashiName))
        program.description = std::move(*description);

    // The result window is shown before this one closes, so the program does
    // not see its last window go.
    auto* result = new frmResult;
    result->show();
    close();
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    // Only the six numeric boxes are watched.
    if (event->type() == QEvent::KeyPress) {
        if (auto* box = qobject_cast<QLineEdit*>(watched)) {
            const auto* key = static_cast<QKeyEvent*>(event);
            const qsizetype selected = box->hasSelectedText() ? box->selectedText().size() : 0;
            switch (JudgeNumericKey(key->key(), key->text(), box->text().size(), selected, TypingLimitOf(box))) {
            case KeyVerdict::Pass:
                break;
            case KeyVerdict::NotANumber:
                ShowMessage(this, kOnlyNumbersMessage, MessageIcon::Stop);
                return true;
            case KeyVerdict::TooLong:
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::showEvent(QShowEvent* event) {
    // Over the window that opened this one (the result window's Back), or
    // centred on the screen at start-up.
    if (!event->spontaneous() && !placed_) {
        placed_ = true;
        PlaceNewWindow(this, QApplication::activeWindow());
    }
    QMainWindow::showEvent(event);
}

int frmMain::TypingLimitOf(const QObject* box) const {
    if (box == txtZoneHour) return kZoneHourTypingLimit;
    if (box == txtZoneMinute) return kZoneMinuteTypingLimit;
    return 0;
}

void frmMain::LookUpPlace() {
    // Not trimmed: a box of blanks counts as filled.
    const struct {
        QLineEdit* box;
        const char* message;
    } required[] = {
        {txtMCity, "Please Enter City"},
        {txtMState, "Please Enter State"},
        {txtMCountry, "Please Enter Country"},
    };
    for (const auto& r : required) {
        if (r.box->text().isEmpty()) {
            ShowMessage(this, QString::fromLatin1(r.message), MessageIcon::Information);
            r.box->setFocus();
            return;
        }
    }
    const QString searchText = txtMCity->text() + QLatin1Char(' ') + txtMState->text() + QLatin1Char(' ') +
                               txtMCountry->text() + QStringLiteral(" Latitude Longitude");
    LookUpCoordinates(searchText, WebPageUrl(QStringLiteral("home-page")).toString());
}

void frmMain::ShowTimeZonePicker() {
    frmTimeZone picker(this);
    // A zone chosen there ends the pick's hold even when it writes the
    // values the boxes already hold.
    connect(&picker, &frmTimeZone::ZoneChosen, this, [this](ZoneOffset zone) {
        txtZoneHour->setText(QString::number(zone.hour));
        txtZoneMinute->setText(QString::number(zone.minute));
        StopFollowingPick();
    });
    picker.exec();
}

void frmMain::ShowAbout() {
    frmAbout about(this);
    about.exec();
}

void frmMain::UsePlace(const Place& place) {
    txtMCity->setText(place.city);
    txtMState->setText(place.state);
    txtMCountry->setText(place.country);
    const DegreesMinutes latitude = SplitDegrees(place.latitudeDeg);
    txtLatD->setText(QString::number(latitude.degrees));
    txtLatM->setText(QString::number(latitude.minutes));
    (latitude.negative ? optLatSouth : optLatNorth)->setChecked(true);
    const DegreesMinutes longitude = SplitDegrees(place.longitudeDeg);
    txtLonD->setText(QString::number(longitude.degrees));
    txtLonM->setText(QString::number(longitude.minutes));
    // The engine reads a longitude of 0 as west, so the choice says so too.
    const bool onMeridian = longitude.degrees == 0 && longitude.minutes == 0;
    (longitude.negative || onMeridian ? optLongWest : optLongEast)->setChecked(true);

    pickedPlace_ = place;
    FollowPickedZone();
}

QString frmMain::TypedPlace() const {
    QStringList parts;
    for (const QLineEdit* box : {txtMCity, txtMState, txtMCountry})
        if (const QString part = box->text().trimmed(); !part.isEmpty()) parts.append(part);
    return parts.join(QStringLiteral(", "));
}

QDate frmMain::DateOnScreen() const {
    return QDate(cboYear->currentText().toInt(), cboMonth->currentIndex() + 1, cboDate->currentText().toInt());
}

void frmMain::FollowPickedZone() {
    if (!pickedPlace_) return;
    const QDate date = DateOnScreen();
    if (!date.isValid()) {
        // 31 April and the like: the checks refuse the date anyway, and the
        // boxes keep what they hold until the date makes sense.
        pickedZone_ = ZoneAtLocalTime{};
        pickedZoneNote_ = QStringLiteral("There is no %1 %2 %3: choose a valid date for the zone of %4.")
                              .arg(cboDate->currentText(), cboMonth->currentText(), cboYear->currentText(),
                                   pickedPlace_->timeZoneId);
        UpdateZoneNote();
        return;
    }
    pickedZone_ = ResolveZone(pickedPlace_->timeZoneId, date, cboHH->currentText().toInt(),
                              cboMM->currentText().toInt());
    const ZoneEntry zone = ZoneEntryFor(pickedZone_);
    pickedZoneNote_ = zone.note;
    if (pickedZone_.valid) {
        // setText, never cut: "-30" is one more character than a user may
        // type into the minute box.
        writingZone_ = true;
        txtZoneHour->setText(zone.zoneHourText);
        txtZoneMinute->setText(zone.zoneMinuteText);
        chkDST->setChecked(zone.dst);
        writingZone_ = false;
    }
    UpdateZoneNote();
}

void frmMain::StopFollowingPick() {
    if (!pickedPlace_) return;
    pickedPlace_.reset();
    pickedZone_ = ZoneAtLocalTime{};
    pickedZoneNote_.clear();
    UpdateZoneNote();
}

void frmMain::ZoneBoxChanged() {
    if (writingZone_) return;
    StopFollowingPick();
    UpdateZoneNote();
}

void frmMain::UpdateZoneNote() {
    if (writingZone_) return;
    const QString note = ZoneNoteText();
    lblZoneNote->setText(note);
    lblZoneNote->setToolTip(note);
}

QString frmMain::ZoneNoteText() const {
    const BirthEntry entry = ReadEntry();
    const QString typed = TypedZoneNoteFor(entry);
    if (!pickedPlace_) return typed;
    if (!DateOnScreen().isValid()) return pickedZoneNote_;
    // No zone data for that date: the boxes kept their values.
    if (!pickedZone_.valid) return pickedZoneNote_ + QStringLiteral("; ") + typed;
    const int pickedAheadMinutes = pickedZone_.utcOffsetSeconds / 60;
    if (ClockAheadMinutes(entry) == pickedAheadMinutes) return pickedZoneNote_;
    // The pick's values, read another way: East/West was changed since.
    return typed + QStringLiteral(", though %1 had UTC%2 then")
                       .arg(pickedPlace_->timeZoneId, FormatUtcOffset(pickedZone_.utcOffsetSeconds));
}

} // namespace nyra
