#include "ui/frm_main.h"

#include "links/web_links.h"
#include "ui/clickable_label.h"
#include "ui/frm_about.h"
#include "ui/frm_time_zone.h"
#include "ui/keyboard_access.h"
#include "ui/language_menu.h"
#include "ui/messages.h"
#include "ui/note_style.h"
#include "ui/calculation_settings.h"
#include "ui/named.h"
#include "ui/numeric_box_filter.h"
#include "ui/place_completion.h"
#include "ui/promotions.h"
#include "ui/time_known_list.h"
#include "ui/wrapping_label.h"
#include "ui/screen_fit.h"
#include "ui/screen_reader.h"
#include "ui/sign_pictures.h"
#include "engine/civil_date.h"
#include "engine/names.h"
#include "entry/translation_language.h"
#include "entry/zone_note.h"
#include "record/birth_check.h"

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

} // namespace

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
    QWidget* central = content_;

    fraBirth = Named(new QGroupBox(central), "fraBirth");
    lblName = Named(new QLabel(fraBirth), "lblName");
    txtName = Named(new QLineEdit(fraBirth), "txtName");
    lblDateOfBirth = Named(new QLabel(fraBirth), "lblDateOfBirth");
    cboDate = Named(new QComboBox(fraBirth), "cboDate");
    cboMonth = Named(new QComboBox(fraBirth), "cboMonth");
    // Named by SetTexts in the language shown.
    for (std::size_t month = 0; month < kMonthNames.size(); ++month) cboMonth->addItem(QString());
    cboYear = Named(new QComboBox(fraBirth), "cboYear");
    lblTimeOfBirth = Named(new QLabel(fraBirth), "lblTimeOfBirth");
    cboHH = Named(new QComboBox(fraBirth), "cboHH");
    cboMM = Named(new QComboBox(fraBirth), "cboMM");
    cboSS = Named(new QComboBox(fraBirth), "cboSS");
    lblTimeFormat = Named(new QLabel(fraBirth), "lblTimeFormat");
    lblTimeKnown = Named(new QLabel(fraBirth), "lblTimeKnown");
    cboTimeKnown = new TimeKnownList(fraBirth);
    lblTimeKnown->setBuddy(cboTimeKnown);
    lblCalculateWith = Named(new QLabel(fraBirth), "lblCalculateWith");
    cboBasis = Named(new QComboBox(fraBirth), "cboBasis");
    cboBasis->addItem(QString(), static_cast<int>(BasisKind::Classic));
    cboBasis->addItem(QString(), static_cast<int>(BasisKind::Precise));
    cboBasis->setCurrentIndex(cboBasis->findData(static_cast<int>(RememberedBasis())));
    cboAyanamsa = Named(new QComboBox(fraBirth), "cboAyanamsa");
    for (const AyanamsaInfo& info : Ayanamsas())
        cboAyanamsa->addItem(QString::fromUtf8(info.displayName.data(), static_cast<qsizetype>(info.displayName.size())),
                             static_cast<int>(info.id));
    cboAyanamsa->setCurrentIndex(cboAyanamsa->findData(static_cast<int>(RememberedAyanamsa())));
    cboAyanamsa->setEnabled(RememberedBasis() == BasisKind::Precise);
    lblCalculateWith->setBuddy(cboBasis);

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

    // Tab visits the controls in the order they are made: here as the frame
    // shows them, DST and TZ Help above the zone's boxes.
    fraZone = Named(new QGroupBox(central), "fraZone");
    chkDST = Named(new QCheckBox(fraZone), "chkDST");
    lblTZHelp = NewLinkLabel(QStringLiteral("lblTZHelp"), QString(), fraZone, LinkStyle::Link);
    lblZoneHour = Named(new QLabel(fraZone), "lblZoneHour");
    txtZoneHour = Named(new QLineEdit(fraZone), "txtZoneHour");
    lblZoneMinute = Named(new QLabel(fraZone), "lblZoneMinute");
    txtZoneMinute = Named(new QLineEdit(fraZone), "txtZoneMinute");
    lblZoneNote = Named(new WrappingLabel(central), "lblZoneNote");
    // Right-aligned, so that a short note sits under the zone frame it
    // speaks of; a long one reaches left and wraps.
    lblZoneNote->setAlignment(Qt::AlignRight | Qt::AlignTop);
    SetNoteStyle(lblZoneNote, NoteStyle::Quiet);
    placeCompletion_ = new PlaceCompletion(txtMCity, txtMState, txtMCountry, this);

    cmdOpen = Named(new QPushButton(central), "cmdOpen");
    cmdRashi = Named(new QPushButton(central), "cmdRashi");
    QFont strong = cmdRashi->font();
    strong.setBold(true);
    cmdRashi->setFont(strong);

    picMain = Named(new QLabel(central), "picMain");
    picMain->setPixmap(PaintMoonPicture(kMoonPictureSize, devicePixelRatioF()));
    picMain->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    MarkDecorative(picMain);
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
    auto* numbers = new NumericBoxFilter(dialogs_, this);
    for (QLineEdit* box : {txtLatD, txtLatM, txtLonD, txtLonM, txtZoneHour, txtZoneMinute}) {
        box->setMaximumWidth(digitsWidth);
        numbers->Watch(box, box == txtZoneHour ? kZoneHourTypingLimit : box == txtZoneMinute ? kZoneMinuteTypingLimit : 0);
    }
}

void frmMain::CreateMenus() {
    mnuFile = Named(menuBar()->addMenu(QString()), "mnuFile");
    mnuCalculate = Named(mnuFile->addAction(QString()), "mnuCalculate");

    languageMenu_ = CreateLanguageMenu(menuBar());
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
    auto* basis = new QHBoxLayout;
    basis->addWidget(cboBasis);
    basis->addWidget(cboAyanamsa);
    basis->addStretch();
    birth->addWidget(lblCalculateWith, 3, 0);
    birth->addLayout(basis, 3, 1);
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
    connect(cboBasis, &QComboBox::activated, this, &frmMain::ChooseBasis);
    connect(cboAyanamsa, &QComboBox::activated, this,
            [this] { RememberAyanamsa(static_cast<Ayanamsa>(cboAyanamsa->currentData().toInt())); });
    connect(cmdBrowser, &QPushButton::clicked, this, &frmMain::LookUpPlace);
    connect(lblTZHelp, &ClickableLabel::clicked, this, &frmMain::ShowTimeZonePicker);
    connect(helpMenus_.mnuAbout, &QAction::triggered, this, &frmMain::ShowAbout);
    ConnectHelpMenus(helpMenus_, this);
    ConnectLanguageMenu(languageMenu_, this, dialogs_);
    connect(lblCobrand, &ClickableLabel::clicked, this, &OpenCoBrandPage);
    connect(lblFullBrand, &ClickableLabel::clicked, this, &OpenFullyBrandedPage);

    connect(placeCompletion_, &PlaceCompletion::placeChosen, this, &frmMain::UsePlace);
    for (QComboBox* list : {cboDate, cboMonth, cboYear, cboHH, cboMM})
        connect(list, &QComboBox::currentIndexChanged, this, &frmMain::FollowPickedZone);
    // The user's own edits (textEdited, clicked) are what take the place,
    // the coordinates or the zone over from a pick; what the pick, the
    // picker or an opened record write only changes the note.
    for (QLineEdit* box : {txtMCity, txtMState, txtMCountry})
        connect(box, &QLineEdit::textEdited, this, &frmMain::NamesEdited);
    // A row highlighted in the place list writes its city into the box
    // without an edit; left there, it is the city the user sees and means.
    // (The box may hear of the row after this does, so the row's own text.)
    connect(txtMCity->completer(), qOverload<const QString&>(&QCompleter::highlighted), this,
            [this](const QString& city) {
                placeLink_.EditNames(city, txtMState->text(), txtMCountry->text());
                UpdateZoneNote();
            });
    for (QLineEdit* box : {txtLatD, txtLatM, txtLonD, txtLonM})
        connect(box, &QLineEdit::textEdited, this, &frmMain::CoordinatesEdited);
    for (QRadioButton* option : {optLatNorth, optLatSouth, optLongEast, optLongWest})
        connect(option, &QRadioButton::clicked, this, &frmMain::CoordinatesEdited);
    for (QLineEdit* box : {txtZoneHour, txtZoneMinute})
        connect(box, &QLineEdit::textEdited, this, &frmMain::ZoneEdited);
    connect(chkDST, &QCheckBox::clicked, this, &frmMain::ZoneEdited);
    // The zone's direction can hang on the longitude, and the note names a
    // place that cannot be.
    for (QLineEdit* box : {txtLatD, txtLatM, txtLonD, txtLonM, txtZoneHour, txtZoneMinute})
        connect(box, &QLineEdit::textChanged, this, &frmMain::UpdateZoneNote);
    connect(optLongEast, &QRadioButton::toggled, this, &frmMain::UpdateZoneNote);
    connect(chkDST, &QCheckBox::toggled, this, &frmMain::UpdateZoneNote);
    PressButtonsOnEnter(this);
}

void frmMain::SetTexts() {
    setWindowTitle(kWindowTitle);
    lblProductName->setText(kAppTitle);

    fraBirth->setTitle(tr("Birth Details"));
    lblName->setText(tr("Name"));
    lblDateOfBirth->setText(tr("Date of Birth"));
    lblTimeOfBirth->setText(tr("Time of Birth"));
    //: The order of the hour, minute and second lists.
    lblTimeFormat->setText(tr("HH:MM:SS"));
    lblTimeKnown->setText(tr("Time known:"));
    cboTimeKnown->SetTexts();
    lblCalculateWith->setText(tr("Calculate with:"));
    cboBasis->setItemText(0, tr("Classic formula"));
    cboBasis->setItemText(1, tr("Swiss Ephemeris"));
    cboBasis->setToolTip(tr("The classic formula is the program's own series; Swiss Ephemeris gives "
                            "the Moon to the arcsecond, with the ayanamsa chosen beside it."));
    const auto ayanamsas = Ayanamsas();
    for (int i = 0; i < cboAyanamsa->count() && i < static_cast<int>(ayanamsas.size()); ++i) {
        const std::string_view name = ayanamsas[static_cast<std::size_t>(i)].DisplayName(TranslationLanguage());
        cboAyanamsa->setItemText(i, QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    }
    cboAyanamsa->setToolTip(tr("Ayanamsa for Swiss Ephemeris"));
    cboBasis->setAccessibleName(tr("Calculate with"));
    cboAyanamsa->setAccessibleName(cboAyanamsa->toolTip());

    fraPlace->setTitle(tr("Place of Birth"));
    lblCity->setText(tr("City"));
    lblState->setText(tr("State"));
    lblCountry->setText(tr("Country"));
    cmdBrowser->setText(tr("Click Here To Find Latitude && Longitude"));

    fraLatitude->setTitle(tr("Latitude"));
    optLatNorth->setText(tr("North"));
    optLatSouth->setText(tr("South"));
    fraLongitude->setTitle(tr("Longitude"));
    optLongEast->setText(tr("East"));
    optLongWest->setText(tr("West"));
    for (QLabel* label : {lblLatDeg, lblLonDeg}) label->setText(tr("Deg"));
    for (QLabel* label : {lblLatMin, lblLonMin, lblZoneMinute}) label->setText(tr("Min"));

    fraZone->setTitle(tr("Time Zone"));
    lblZoneHour->setText(tr("Hour"));
    chkDST->setText(tr("DST"));
    lblTZHelp->setText(tr("TZ Help"));
    UpdateZoneNote();

    cmdOpen->setText(tr("&Open Previously Saved Record"));
    cmdRashi->setText(tr("Find My Moon Sign"));

    lblCobrand->setText(CoBrandInvitation());
    lblFullBrand->setText(FullBrandOffer() + QLatin1Char(' ') + MoreDetails());

    mnuFile->setTitle(tr("&File"));
    mnuCalculate->setText(tr("&Calculate"));
    SetLanguageMenuTexts(languageMenu_);
    SetHelpMenuTexts(helpMenus_);
    // The months in the language shown; the list's index stays the month.
    const Language language = TranslationLanguage();
    for (int month = 1; month <= cboMonth->count(); ++month) {
        const std::string_view name = MonthName(month, language);
        cboMonth->setItemText(month - 1, QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    }

    // For screen readers, where one caption serves several boxes or the
    // caption alone ("Deg", "Min") would not say which box it is.
    const std::pair<QWidget*, const char*> spoken[] = {
        {cboDate, QT_TR_NOOP("Day of birth")},        {cboMonth, QT_TR_NOOP("Month of birth")},
        {cboYear, QT_TR_NOOP("Year of birth")},       {cboHH, QT_TR_NOOP("Hour of birth")},
        {cboMM, QT_TR_NOOP("Minute of birth")},       {cboSS, QT_TR_NOOP("Second of birth")},
        {txtLatD, QT_TR_NOOP("Latitude: degrees")},   {txtLatM, QT_TR_NOOP("Latitude: minutes")},
        {txtLonD, QT_TR_NOOP("Longitude: degrees")},  {txtLonM, QT_TR_NOOP("Longitude: minutes")},
        {txtZoneHour, QT_TR_NOOP("Time Zone: hours")}, {txtZoneMinute, QT_TR_NOOP("Time Zone: minutes")},
    };
    for (const auto& [widget, name] : spoken) widget->setAccessibleName(tr(name));
}

void frmMain::FillLists() {
    FillNumbers(cboDate, 1, 31);
    // The years an opened record may hold (record/birth_check.h).
    FillNumbers(cboYear, kWindowListLimits.firstYear, kWindowListLimits.lastYear);
    FillNumbers(cboHH, 0, 23);
    FillNumbers(cboMM, 0, 59);
    FillNumbers(cboSS, 0, 59);
    optLatNorth->setChecked(true);
    optLongEast->setChecked(true);
}

void frmMain::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        // The picked place's zone note is worded when the pick is followed.
        FollowPickedZone();
        SetTexts();
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
    const auto basis = static_cast<BasisKind>(cboBasis->currentData().toInt());
    RememberBasis(basis);
    cboAyanamsa->setEnabled(basis == BasisKind::Precise);
}

void frmMain::ShowAbout() {
    frmAbout about(this);
    about.exec();
}

} // namespace nyra
