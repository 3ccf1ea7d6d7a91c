#include "ui/frm_main.h"

#include "engine/civil_date.h"
#include "engine/names.h"
#include "entry/translation_language.h"
#include "entry/zone_note.h"
#include "links/web_links.h"
#include "record/birth_check.h"
#include "ui/calculation_settings.h"
#include "ui/clickable_label.h"
#include "ui/frm_about.h"
#include "ui/frm_time_zone.h"
#include "ui/keyboard_access.h"
#include "ui/language_menu.h"
#include "ui/messages.h"
#include "ui/named.h"
#include "ui/note_style.h"
#include "ui/numeric_box_filter.h"
#include "ui/place_completion.h"
#include "ui/promotions.h"
#include "ui/screen_fit.h"
#include "ui/screen_reader.h"
#include "ui/sign_pictures.h"
#include "ui/time_known_list.h"
#include "ui/wrapping_label.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QEvent>
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

namespace nyra {
namespace {

// Characters the user may type into the zone boxes; text the time zone
// picker writes ("-30") is not held to these.
constexpr int kZoneHourTypingLimit = 3;
constexpr int kZoneMinuteTypingLimit = 2;

constexpr int kMoonPictureSize = 150;

void FillNumbers(QComboBox* list, int first, int last) {
    for (int n = first; n <= last; ++n) list->addItem(QString::number(n));
    list->setCurrentIndex(0);
}

}  // namespace

frmMain::frmMain(Dialogs& dialogs, QWidget* parent) : QMainWindow(parent), dialogs_(dialogs) {
    setAttribute(Qt::WA_DeleteOnClose);
    CreateControls();
    CreateMenus();
    ArrangeControls();
    ConnectControls();
    SetTexts();
    FillLists();
}

void frmMain::CreateControls() {
    UseProgramAccessibility();
    // The controls scroll only on a screen too small for them.
    auto* area = new FittingScrollArea(this);
    setCentralWidget(area);
    content_ = area->widget();
    // Tab visits the controls in the order they are made.
    CreateBirthControls();
    CreatePlaceControls();
    CreateZoneControls();
    CreateCommands();
}

void frmMain::CreateBirthControls() {
    birthFrame = Named(new QGroupBox(content_), "fraBirth");
    nameCaption = Named(new QLabel(birthFrame), "lblName");
    nameBox = Named(new QLineEdit(birthFrame), "txtName");
    dateCaption = Named(new QLabel(birthFrame), "lblDateOfBirth");
    dayList = Named(new QComboBox(birthFrame), "cboDate");
    monthList = Named(new QComboBox(birthFrame), "cboMonth");
    // Named by SetTexts in the language shown.
    for (std::size_t month = 0; month < kMonthNames.size(); ++month) monthList->addItem(QString());
    yearList = Named(new QComboBox(birthFrame), "cboYear");
    timeCaption = Named(new QLabel(birthFrame), "lblTimeOfBirth");
    hourList = Named(new QComboBox(birthFrame), "cboHH");
    minuteList = Named(new QComboBox(birthFrame), "cboMM");
    secondList = Named(new QComboBox(birthFrame), "cboSS");
    timeFormatCaption = Named(new QLabel(birthFrame), "lblTimeFormat");
    timeKnownCaption = Named(new QLabel(birthFrame), "lblTimeKnown");
    timeKnownList = new TimeKnownList(birthFrame);
    timeKnownCaption->setBuddy(timeKnownList);
    calculateWithCaption = Named(new QLabel(birthFrame), "lblCalculateWith");
    basisList = Named(new QComboBox(birthFrame), "cboBasis");
    basisList->addItem(QString(), static_cast<int>(BasisKind::Classic));
    basisList->addItem(QString(), static_cast<int>(BasisKind::Precise));
    basisList->setCurrentIndex(basisList->findData(static_cast<int>(RememberedBasis())));
    ayanamsaList = Named(new QComboBox(birthFrame), "cboAyanamsa");
    for (const AyanamsaInfo& info : Ayanamsas())
        ayanamsaList->addItem(
            QString::fromUtf8(info.displayName.data(), static_cast<qsizetype>(info.displayName.size())),
            static_cast<int>(info.id));
    ayanamsaList->setCurrentIndex(ayanamsaList->findData(static_cast<int>(RememberedAyanamsa())));
    ayanamsaList->setEnabled(RememberedBasis() == BasisKind::Precise);
    calculateWithCaption->setBuddy(basisList);
}

void frmMain::CreatePlaceControls() {
    QWidget* central = content_;
    placeFrame = Named(new QGroupBox(central), "fraPlace");
    cityCaption = Named(new QLabel(placeFrame), "lblCity");
    cityBox = Named(new QLineEdit(placeFrame), "txtMCity");
    stateCaption = Named(new QLabel(placeFrame), "lblState");
    stateBox = Named(new QLineEdit(placeFrame), "txtMState");
    countryCaption = Named(new QLabel(placeFrame), "lblCountry");
    countryBox = Named(new QLineEdit(placeFrame), "txtMCountry");
    findPlaceButton = Named(new QPushButton(placeFrame), "cmdBrowser");

    latitudeFrame = Named(new QGroupBox(central), "fraLatitude");
    northChoice = Named(new QRadioButton(latitudeFrame), "optLat(0)");
    southChoice = Named(new QRadioButton(latitudeFrame), "optLat(1)");
    latDegreesCaption = Named(new QLabel(latitudeFrame), "lblLatDeg");
    latDegreesBox = Named(new QLineEdit(latitudeFrame), "txtLatD");
    latMinutesCaption = Named(new QLabel(latitudeFrame), "lblLatMin");
    latMinutesBox = Named(new QLineEdit(latitudeFrame), "txtLatM");

    longitudeFrame = Named(new QGroupBox(central), "fraLongitude");
    eastChoice = Named(new QRadioButton(longitudeFrame), "optLong(0)");
    westChoice = Named(new QRadioButton(longitudeFrame), "optLong(1)");
    lonDegreesCaption = Named(new QLabel(longitudeFrame), "lblLonDeg");
    lonDegreesBox = Named(new QLineEdit(longitudeFrame), "txtLonD");
    lonMinutesCaption = Named(new QLabel(longitudeFrame), "lblLonMin");
    lonMinutesBox = Named(new QLineEdit(longitudeFrame), "txtLonM");
}

void frmMain::CreateZoneControls() {
    QWidget* central = content_;
    // As the frame shows them: DST and TZ Help above the zone's boxes.
    zoneFrame = Named(new QGroupBox(central), "fraZone");
    dstCheck = Named(new QCheckBox(zoneFrame), "chkDST");
    zoneHelpLink = NewLinkLabel(QStringLiteral("lblTZHelp"), QString(), zoneFrame, LinkStyle::Link);
    zoneHoursCaption = Named(new QLabel(zoneFrame), "lblZoneHour");
    zoneHoursBox = Named(new QLineEdit(zoneFrame), "txtZoneHour");
    zoneMinutesCaption = Named(new QLabel(zoneFrame), "lblZoneMinute");
    zoneMinutesBox = Named(new QLineEdit(zoneFrame), "txtZoneMinute");
    zoneNote = Named(new WrappingLabel(central), "lblZoneNote");
    // Right-aligned, so that a short note sits under the zone frame it
    // speaks of; a long one reaches left and wraps.
    zoneNote->setAlignment(Qt::AlignRight | Qt::AlignTop);
    SetNoteStyle(zoneNote, NoteStyle::Quiet);
    placeCompletion_ = new PlaceCompletion(cityBox, stateBox, countryBox, this);

    // Room for a few digits, whatever the font size.
    const int digitsWidth = fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 16;
    auto* numbers = new NumericBoxFilter(dialogs_, this);
    for (QLineEdit* box : {latDegreesBox, latMinutesBox, lonDegreesBox, lonMinutesBox, zoneHoursBox, zoneMinutesBox}) {
        box->setMaximumWidth(digitsWidth);
        numbers->Watch(box, box == zoneHoursBox     ? kZoneHourTypingLimit
                            : box == zoneMinutesBox ? kZoneMinuteTypingLimit
                                                    : 0);
    }
}

void frmMain::CreateCommands() {
    QWidget* central = content_;
    openRecordButton = Named(new QPushButton(central), "cmdOpen");
    findSignButton = Named(new QPushButton(central), "cmdRashi");
    QFont strong = findSignButton->font();
    strong.setBold(true);
    findSignButton->setFont(strong);

    moonPicture = Named(new QLabel(central), "picMain");
    moonPicture->setPixmap(PaintMoonPicture(kMoonPictureSize, devicePixelRatioF()));
    moonPicture->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    MarkDecorative(moonPicture);
    productName = Named(new QLabel(central), "lblProductName");
    productName->setAlignment(Qt::AlignHCenter);
    QFont heading = productName->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.2);
    productName->setFont(heading);

    cobrandLink = NewLinkLabel(QStringLiteral("lblCobrand"), QString(), central, LinkStyle::Promotion);
    fullBrandLink = NewLinkLabel(QStringLiteral("lblFullBrand"), QString(), central, LinkStyle::Promotion);
}

void frmMain::CreateMenus() {
    fileMenu = Named(menuBar()->addMenu(QString()), "mnuFile");
    calculateMenu = Named(fileMenu->addAction(QString()), "mnuCalculate");

    languageMenu_ = CreateLanguageMenu(menuBar());
    helpMenus_ = CreateHelpMenus(menuBar());
}

void frmMain::ArrangeControls() {
    ArrangeBirthFrame();
    ArrangePlaceFrames();
    ArrangeWindow();
    // Screen readers name a box by the label beside it.
    const std::pair<QLabel*, QWidget*> buddies[] = {
        // clang-format off
        {nameCaption, nameBox},         {dateCaption, dayList}, {timeCaption, hourList},
        {cityCaption, cityBox},        {stateCaption, stateBox},     {countryCaption, countryBox},
        {latDegreesCaption, latDegreesBox},       {latMinutesCaption, latMinutesBox},      {lonDegreesCaption, lonDegreesBox},
        {lonMinutesCaption, lonMinutesBox},       {zoneHoursCaption, zoneHoursBox}, {zoneMinutesCaption, zoneMinutesBox},
        // clang-format on
    };
    for (const auto& [label, box] : buddies) label->setBuddy(box);
}

void frmMain::ArrangeBirthFrame() {
    auto* birth = new QGridLayout(birthFrame);
    birth->addWidget(nameCaption, 0, 0);
    birth->addWidget(nameBox, 0, 1);
    auto* date = new QHBoxLayout;
    date->addWidget(dayList);
    date->addWidget(monthList);
    date->addWidget(yearList);
    date->addStretch();
    birth->addWidget(dateCaption, 1, 0);
    birth->addLayout(date, 1, 1);
    auto* time = new QHBoxLayout;
    time->addWidget(hourList);
    time->addWidget(minuteList);
    time->addWidget(secondList);
    time->addWidget(timeFormatCaption);
    time->addSpacing(12);
    time->addWidget(timeKnownCaption);
    time->addWidget(timeKnownList);
    time->addStretch();
    birth->addWidget(timeCaption, 2, 0);
    birth->addLayout(time, 2, 1);
    auto* basis = new QHBoxLayout;
    basis->addWidget(basisList);
    basis->addWidget(ayanamsaList);
    basis->addStretch();
    birth->addWidget(calculateWithCaption, 3, 0);
    birth->addLayout(basis, 3, 1);
    birth->setColumnStretch(1, 1);
}

void frmMain::ArrangePlaceFrames() {
    auto* place = new QGridLayout(placeFrame);
    place->addWidget(cityCaption, 0, 0);
    place->addWidget(cityBox, 0, 1);
    place->addWidget(stateCaption, 1, 0);
    place->addWidget(stateBox, 1, 1);
    place->addWidget(countryCaption, 2, 0);
    place->addWidget(countryBox, 2, 1);
    place->addWidget(findPlaceButton, 3, 1, Qt::AlignLeft);
    place->setColumnStretch(1, 1);

    const auto coordinateFrame = [](QGroupBox* frame, QWidget* first, QWidget* second, QLabel* degLabel, QLineEdit* deg,
                                    QLabel* minLabel, QLineEdit* min) {
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
    coordinateFrame(latitudeFrame, northChoice, southChoice, latDegreesCaption, latDegreesBox, latMinutesCaption,
                    latMinutesBox);
    coordinateFrame(longitudeFrame, eastChoice, westChoice, lonDegreesCaption, lonDegreesBox, lonMinutesCaption,
                    lonMinutesBox);
    coordinateFrame(zoneFrame, dstCheck, zoneHelpLink, zoneHoursCaption, zoneHoursBox, zoneMinutesCaption,
                    zoneMinutesBox);
}

void frmMain::ArrangeWindow() {
    auto* coordinates = new QHBoxLayout;
    coordinates->addWidget(latitudeFrame);
    coordinates->addWidget(longitudeFrame);
    coordinates->addWidget(zoneFrame);

    auto* commands = new QHBoxLayout;
    commands->addWidget(openRecordButton);
    commands->addStretch();
    commands->addWidget(findSignButton);

    auto* entry = new QVBoxLayout;
    entry->addWidget(birthFrame);
    entry->addWidget(placeFrame);
    entry->addLayout(coordinates);
    entry->addWidget(zoneNote);
    entry->addSpacing(4);
    entry->addLayout(commands);

    auto* emblem = new QVBoxLayout;
    emblem->addWidget(moonPicture);
    emblem->addWidget(productName);
    emblem->addStretch();
    auto* upper = new QHBoxLayout;
    upper->addLayout(emblem);
    upper->addSpacing(6);
    upper->addLayout(entry, 1);

    auto* promotions = new QFrame(content_);
    promotions->setFrameShape(QFrame::StyledPanel);
    auto* promotionRow = new QHBoxLayout(promotions);
    promotionRow->addWidget(cobrandLink, 1);
    promotionRow->addSpacing(12);
    promotionRow->addWidget(fullBrandLink, 1);

    auto* outer = new QVBoxLayout(content_);
    outer->setContentsMargins(12, 12, 12, 12);
    outer->setSpacing(10);
    outer->addLayout(upper);
    outer->addWidget(promotions);
    // An enlarged window keeps its rows together at the top.
    outer->addStretch(1);
}

void frmMain::ConnectControls() {
    connect(findSignButton, &QPushButton::clicked, this, &frmMain::Calculate);
    connect(calculateMenu, &QAction::triggered, this, &frmMain::Calculate);
    connect(openRecordButton, &QPushButton::clicked, this, &frmMain::OpenBirthRecord);
    connect(basisList, &QComboBox::activated, this, &frmMain::ChooseBasis);
    connect(ayanamsaList, &QComboBox::activated, this,
            [this] { RememberAyanamsa(static_cast<Ayanamsa>(ayanamsaList->currentData().toInt())); });
    connect(findPlaceButton, &QPushButton::clicked, this, &frmMain::LookUpPlace);
    connect(zoneHelpLink, &ClickableLabel::clicked, this, &frmMain::ShowTimeZonePicker);
    connect(helpMenus_.aboutItem, &QAction::triggered, this, &frmMain::ShowAbout);
    ConnectHelpMenus(helpMenus_, this);
    ConnectLanguageMenu(languageMenu_, this, dialogs_);
    connect(cobrandLink, &ClickableLabel::clicked, this, &OpenCoBrandPage);
    connect(fullBrandLink, &ClickableLabel::clicked, this, &OpenFullyBrandedPage);

    connect(placeCompletion_, &PlaceCompletion::placeChosen, this, &frmMain::UsePlace);
    for (QComboBox* list : {dayList, monthList, yearList, hourList, minuteList})
        connect(list, &QComboBox::currentIndexChanged, this, &frmMain::FollowPickedZone);
    // The user's own edits (textEdited, clicked) are what take the place,
    // the coordinates or the zone over from a pick; what the pick, the
    // picker or an opened record write only changes the note.
    for (QLineEdit* box : {cityBox, stateBox, countryBox})
        connect(box, &QLineEdit::textEdited, this, &frmMain::NamesEdited);
    // A row highlighted in the place list writes its city into the box
    // without an edit; left there, it is the city the user sees and means.
    // (The box may hear of the row after this does, so the row's own text.)
    connect(cityBox->completer(), qOverload<const QString&>(&QCompleter::highlighted), this,
            [this](const QString& city) {
                placeLink_.EditNames(city, stateBox->text(), countryBox->text());
                UpdateZoneNote();
            });
    for (QLineEdit* box : {latDegreesBox, latMinutesBox, lonDegreesBox, lonMinutesBox})
        connect(box, &QLineEdit::textEdited, this, &frmMain::CoordinatesEdited);
    for (QRadioButton* option : {northChoice, southChoice, eastChoice, westChoice})
        connect(option, &QRadioButton::clicked, this, &frmMain::CoordinatesEdited);
    for (QLineEdit* box : {zoneHoursBox, zoneMinutesBox})
        connect(box, &QLineEdit::textEdited, this, &frmMain::ZoneEdited);
    connect(dstCheck, &QCheckBox::clicked, this, &frmMain::ZoneEdited);
    // The zone's direction can hang on the longitude, and the note names a
    // place that cannot be.
    for (QLineEdit* box : {latDegreesBox, latMinutesBox, lonDegreesBox, lonMinutesBox, zoneHoursBox, zoneMinutesBox})
        connect(box, &QLineEdit::textChanged, this, &frmMain::UpdateZoneNote);
    connect(eastChoice, &QRadioButton::toggled, this, &frmMain::UpdateZoneNote);
    connect(dstCheck, &QCheckBox::toggled, this, &frmMain::UpdateZoneNote);
    PressButtonsOnEnter(this);
}

void frmMain::SetTexts() {
    setWindowTitle(kWindowTitle);
    productName->setText(kAppTitle);

    birthFrame->setTitle(tr("Birth Details"));
    nameCaption->setText(tr("Name"));
    dateCaption->setText(tr("Date of Birth"));
    timeCaption->setText(tr("Time of Birth"));
    //: The order of the hour, minute and second lists.
    timeFormatCaption->setText(tr("HH:MM:SS"));
    timeKnownCaption->setText(tr("Time known:"));
    timeKnownList->SetTexts();
    calculateWithCaption->setText(tr("Calculate with:"));
    basisList->setItemText(0, tr("Classic formula"));
    basisList->setItemText(1, tr("Swiss Ephemeris"));
    basisList->setToolTip(
        tr("The classic formula is the program's own series; Swiss Ephemeris gives "
           "the Moon to the arcsecond, with the ayanamsa chosen beside it."));
    ayanamsaList->setToolTip(tr("Ayanamsa for Swiss Ephemeris"));
    basisList->setAccessibleName(tr("Calculate with"));
    ayanamsaList->setAccessibleName(ayanamsaList->toolTip());

    placeFrame->setTitle(tr("Place of Birth"));
    cityCaption->setText(tr("City"));
    stateCaption->setText(tr("State"));
    countryCaption->setText(tr("Country"));
    findPlaceButton->setText(tr("Click Here To Find Latitude && Longitude"));

    latitudeFrame->setTitle(tr("Latitude"));
    northChoice->setText(tr("North"));
    southChoice->setText(tr("South"));
    longitudeFrame->setTitle(tr("Longitude"));
    eastChoice->setText(tr("East"));
    westChoice->setText(tr("West"));
    for (QLabel* label : {latDegreesCaption, lonDegreesCaption}) label->setText(tr("Deg"));
    for (QLabel* label : {latMinutesCaption, lonMinutesCaption, zoneMinutesCaption}) label->setText(tr("Min"));

    zoneFrame->setTitle(tr("Time Zone"));
    zoneHoursCaption->setText(tr("Hour"));
    dstCheck->setText(tr("DST"));
    zoneHelpLink->setText(tr("TZ Help"));
    UpdateZoneNote();

    openRecordButton->setText(tr("&Open Previously Saved Record"));
    findSignButton->setText(tr("Find My Moon Sign"));

    cobrandLink->setText(CoBrandInvitation());
    fullBrandLink->setText(FullBrandOffer() + QLatin1Char(' ') + MoreDetails());

    fileMenu->setTitle(tr("&File"));
    calculateMenu->setText(tr("&Calculate"));
    SetLanguageMenuTexts(languageMenu_);
    SetHelpMenuTexts(helpMenus_);
    SetListTexts();
    SetSpokenNames();
}

// The months and the ayanamsas in the language shown; each list's index
// stays what it was.
void frmMain::SetListTexts() {
    const Language language = TranslationLanguage();
    for (int month = 1; month <= monthList->count(); ++month) {
        const std::string_view name = MonthName(month, language);
        monthList->setItemText(month - 1, QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    }
    const auto ayanamsas = Ayanamsas();
    for (int i = 0; i < ayanamsaList->count() && i < static_cast<int>(ayanamsas.size()); ++i) {
        const std::string_view name = ayanamsas[static_cast<std::size_t>(i)].DisplayName(language);
        ayanamsaList->setItemText(i, QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    }
}

void frmMain::SetSpokenNames() {
    // For screen readers, where one caption serves several boxes or the
    // caption alone ("Deg", "Min") would not say which box it is.
    const std::pair<QWidget*, const char*> spoken[] = {
        // clang-format off
        {dayList, QT_TR_NOOP("Day of birth")},        {monthList, QT_TR_NOOP("Month of birth")},
        {yearList, QT_TR_NOOP("Year of birth")},       {hourList, QT_TR_NOOP("Hour of birth")},
        {minuteList, QT_TR_NOOP("Minute of birth")},       {secondList, QT_TR_NOOP("Second of birth")},
        {latDegreesBox, QT_TR_NOOP("Latitude: degrees")},   {latMinutesBox, QT_TR_NOOP("Latitude: minutes")},
        {lonDegreesBox, QT_TR_NOOP("Longitude: degrees")},  {lonMinutesBox, QT_TR_NOOP("Longitude: minutes")},
        // clang-format on
        {zoneHoursBox, QT_TR_NOOP("Time Zone: hours")},
        {zoneMinutesBox, QT_TR_NOOP("Time Zone: minutes")},
    };
    for (const auto& [widget, name] : spoken) widget->setAccessibleName(tr(name));
}

void frmMain::FillLists() {
    FillNumbers(dayList, 1, 31);
    // The years an opened record may hold (record/birth_check.h).
    FillNumbers(yearList, kWindowListLimits.firstYear, kWindowListLimits.lastYear);
    FillNumbers(hourList, 0, 23);
    FillNumbers(minuteList, 0, 59);
    FillNumbers(secondList, 0, 59);
    northChoice->setChecked(true);
    eastChoice->setChecked(true);
}

void frmMain::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        NamePickedPlace();
        // The picked place's zone note is worded when the pick is followed.
        FollowPickedZone();
        SetTexts();
        RefitToTexts(this);
    }
    QMainWindow::changeEvent(event);
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

void frmMain::ChooseBasis() {
    const auto basis = static_cast<BasisKind>(basisList->currentData().toInt());
    RememberBasis(basis);
    ayanamsaList->setEnabled(basis == BasisKind::Precise);
}

void frmMain::ShowAbout() {
    frmAbout about(this);
    about.exec();
}

}  // namespace nyra
