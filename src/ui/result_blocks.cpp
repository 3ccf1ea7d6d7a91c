#include "ui/result_blocks.h"

#include "calculation/calculation_text.h"
#include "engine/names.h"
#include "ui/choice_guard.h"
#include "ui/named.h"
#include "ui/notice_frame.h"
#include "ui/wrapping_label.h"

#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QStringList>
#include <QVBoxLayout>

#include <string_view>

namespace nyra {
namespace {

constexpr int kSignPictureSize = 96;

QString Text(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// A line of the Moon's details: selectable, so a position can be copied.
template <typename Label = QLabel>
QLabel* NewDetail(const char* name, QWidget* parent) {
    auto* label = Named(new Label(parent), QLatin1String(name));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QFrame* NewSeparator(QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Plain);
    line->setForegroundRole(QPalette::Mid);
    return line;
}

}  // namespace

SignHeadline::SignHeadline(QWidget* parent) : QWidget(parent) {
    signPictures = SharedSignPictures(kSignPictureSize, devicePixelRatioF());
    signPicture = Named(new QLabel(this), "picRashi");
    signPicture->setFixedSize(kSignPictureSize, kSignPictureSize);
    signPicture->setAlignment(Qt::AlignCenter);
    signName = Named(new QLabel(this), "lblVedicName");
    QFont heading = signName->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.8);
    signName->setFont(heading);
    moonPositionLine = NewDetail("lblMoonPosition", this);
    QFont lead = moonPositionLine->font();
    lead.setBold(true);
    moonPositionLine->setFont(lead);
    nakshatraLine = NewDetail("lblNakshatra", this);
    ayanamsaLine = NewDetail("lblAyanamsa", this);
    basisLine = NewDetail("lblBasis", this);
    signSpanLine = NewDetail<WrappingLabel>("lblSignSpan", this);
    nakshatraSpanLine = NewDetail<WrappingLabel>("lblNakshatraSpan", this);
    clockLine = NewDetail<WrappingLabel>("lblClock", this);

    auto* facts = new QHBoxLayout;
    facts->setSpacing(10);
    facts->addWidget(moonPositionLine);
    facts->addWidget(NewSeparator(this));
    facts->addWidget(nakshatraLine);
    facts->addWidget(NewSeparator(this));
    facts->addWidget(ayanamsaLine);
    facts->addStretch();
    // What it was calculated with beside the name, where a small screen
    // has the room to spare.
    // Beside the large name, whose height has room for two lines of text.
    aside_ = new QVBoxLayout;
    aside_->setSpacing(0);
    aside_->addStretch();
    aside_->addWidget(basisLine, 0, Qt::AlignRight);
    auto* name = new QHBoxLayout;
    name->setSpacing(16);
    name->addWidget(signName);
    name->addLayout(aside_, 1);
    column_ = new QVBoxLayout;
    column_->setSpacing(4);
    column_->addLayout(name);
    column_->addLayout(facts);
    column_->addWidget(signSpanLine);
    column_->addWidget(nakshatraSpanLine);
    column_->addWidget(clockLine);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(signPicture, 0, Qt::AlignTop);
    row->addSpacing(10);
    row->addLayout(column_, 1);
}

namespace {

// "Kataka or Simha": every sign the time known leaves possible, in time
// order; the one sign of an exact time or a certain one.
QString PossibleSignNames(const Calculation& calculation, const QString& vedicName, Language language) {
    if (!calculation.possibleSigns || calculation.possibleSigns->certain) return vedicName;
    const WindowResult& signs = *calculation.possibleSigns;
    QStringList names;
    for (const WindowShare& share : signs.shares) {
        const QString name = Text(SignOrNakshatraName(signs.of, share.index, language));
        if (!names.contains(name)) names.append(name);
    }
    QString text = names.takeLast();
    if (!names.isEmpty()) text = SignHeadline::tr("%1 or %2").arg(names.join(QStringLiteral(", ")), text);
    return text;
}

}  // namespace

void SignHeadline::AddBesideTheName(QWidget* line) { aside_->insertWidget(0, line, 0, Qt::AlignRight); }

void SignHeadline::Show(const Calculation& calculation, const SignDescription& sign, Language language) {
    const QString vedicName = QString::fromStdString(sign.VedicName);
    // A time not known exactly leads with every sign it leaves possible;
    // the descriptions below stay those of the clock time used.
    signName->setText(PossibleSignNames(calculation, vedicName, language));
    // The pictures go by the English name, whatever the language shown. An
    // unknown name leaves the picture as it is.
    const QPixmap picture = FindPicture(signPictures, QString::fromStdString(calculation.description.EnglishName));
    if (!picture.isNull()) signPicture->setPixmap(picture);
    signPicture->setAccessibleName(tr("Picture of %1").arg(vedicName));
    signPicture->setAccessibleDescription(tr("%1, symbol of %2").arg(QString::fromStdString(sign.Symbol), vedicName));

    const MoonReading& moon = calculation.moon;
    const QString position = tr("Moon at %1").arg(QString::fromStdString(PositionInSignText(moon, language)));
    // The exact figures hold for the clock time entered only.
    moonPositionLine->setText(calculation.TimeIsExact()
                                  ? position
                                  : tr("At %1, the clock time used: %2")
                                        .arg(QString::fromStdString(EnteredTimeText(calculation)), position));
    nakshatraLine->setText(tr("Nakshatra %1, pada %2 (lord %3)")
                               .arg(Text(NakshatraName(moon.nakshatra.index, language)))
                               .arg(moon.nakshatra.pada)
                               .arg(Text(PlanetName(moon.nakshatra.lord, language))));
    ayanamsaLine->setText(
        tr("Ayanamsa: %1 %2")
            .arg(Text(AyanamsaName(calculation.basis, language)), QString::fromStdString(AyanamsaText(moon))));
    basisLine->setText(tr("Calculated with %1").arg(QString::fromStdString(CalculatedWithText(calculation, language))));
    signSpanLine->setText(QString::fromStdString(SignSpanSentence(moon.signSpan, language)));
    nakshatraSpanLine->setText(QString::fromStdString(NakshatraSpanSentence(moon.nakshatraSpan, language)));
    // A typed zone's offset holds for every time; an atlas zone's clock may
    // change between the birth and a change of sign.
    const bool zoneClock = !calculation.clock.changes.empty();
    clockLine->setText(zoneClock ? tr("Times are on the clock of %1 as it read then, daylight saving changes included.")
                                       .arg(QString::fromStdString(calculation.place.timeZoneId))
                                 : QString());
    clockLine->setVisible(zoneClock);
}

MoonNotices::MoonNotices(QWidget* parent) : QWidget(parent) {
    signNotice = new NoticeFrame(QStringLiteral("fraSignNotice"), QStringLiteral("lblSignNotice"), 20, 1.0, true, this);
    nakshatraNotice = new NoticeFrame(QStringLiteral("fraNakshatraNotice"), QStringLiteral("lblNakshatraNotice"), 16,
                                      0.9, false, this);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(4);
    column->addWidget(signNotice);
    column->addWidget(nakshatraNotice);
}

void MoonNotices::Show(const Calculation& calculation, Language language) {
    // A birth near a change matters only for an exact time; for any other
    // the block of possible signs says what the change means.
    const bool exact = calculation.TimeIsExact();
    signNotice->SetText(exact ? QString::fromStdString(SignChangeNotice(calculation.moon.signSpan, language)) : QString());
    nakshatraNotice->SetText(
        exact ? QString::fromStdString(NakshatraChangeNotice(calculation.moon.nakshatraSpan, language)) : QString());
}

PreciseLine::PreciseLine(QWidget* parent) : QWidget(parent) {
    preciseLine = NewDetail("lblPrecise", this);
    ayanamsaList = Named(new QComboBox(this), "cboAyanamsa");
    ayanamsaList->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    for (const AyanamsaInfo& info : Ayanamsas()) ayanamsaList->addItem(Text(info.displayName), Text(info.key));
    // Another ayanamsa recalculates and is remembered: never by a stray key.
    GuardChoice(ayanamsaList);
    preciseNotice =
        new NoticeFrame(QStringLiteral("fraPreciseNotice"), QStringLiteral("lblPreciseNotice"), 20, 1.0, true, this);

    auto* line = new QHBoxLayout;
    line->setSpacing(8);
    line->addWidget(preciseLine);
    line->addWidget(ayanamsaList);
    line->addStretch();
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(4);
    column->addLayout(line);
    column->addWidget(preciseNotice);

    connect(ayanamsaList, &QComboBox::activated, this, [this](int index) {
        const std::string key = ayanamsaList->itemData(index).toString().toStdString();
        if (const std::optional<Ayanamsa> ayanamsa = AyanamsaFromKey(key)) emit ayanamsaChosen(*ayanamsa);
    });
}

void PreciseLine::SetTexts() {
    // Qt on Linux names a list by its entry; the tool tip says what it is
    // for, and Show sets it for the calculation's basis.
    ayanamsaList->setToolTip(tr("Ayanamsa for the precise position"));
    ayanamsaList->setAccessibleName(ayanamsaList->toolTip());
}

void PreciseLine::Show(const Calculation& calculation, Language language) {
    const auto ayanamsas = Ayanamsas();
    for (int i = 0; i < ayanamsaList->count() && i < static_cast<int>(ayanamsas.size()); ++i)
        ayanamsaList->setItemText(i, Text(ayanamsas[static_cast<std::size_t>(i)].DisplayName(language)));
    {
        // Showing the calculation's choice is not a new choice.
        const QSignalBlocker quiet(ayanamsaList);
        ayanamsaList->setCurrentIndex(ayanamsaList->findData(Text(InfoOf(calculation.ayanamsa).key)));
    }
    // On the Precise basis the list chooses the whole calculation's
    // ayanamsa, on the Classic basis only the precise position's.
    ayanamsaList->setToolTip(calculation.basis.kind == BasisKind::Precise ? tr("Ayanamsa of the calculation")
                                                                          : tr("Ayanamsa for the precise position"));
    ayanamsaList->setAccessibleName(ayanamsaList->toolTip());
    const PreciseTexts texts = SecondOpinionTexts(calculation, language);
    preciseLine->setText(QString::fromStdString(texts.line));
    preciseLine->setToolTip(QString::fromStdString(texts.toolTip));
    preciseNotice->SetText(QString::fromStdString(texts.notice));
}

SignDescription DescriptionIn(const Calculation& calculation, Language language) {
    const SignDescription& own = calculation.description;
    if (language == Language::English) return own;
    return DescribeMoonSign(own.VedicName, language).value_or(own);
}

NoticeFrame* NewTimeWindowBlock(QWidget* parent) {
    return new NoticeFrame(QStringLiteral("fraTimeWindow"), QStringLiteral("lblTimeWindow"), 20, 1.0, false, parent,
                           QStringLiteral("lblTimeWindowHeading"), QStringLiteral("picTimeWindow"));
}

void ShowTimeWindow(NoticeFrame* block, const Calculation& calculation, Language language) {
    const bool certain = calculation.possibleSigns && calculation.possibleSigns->certain;
    block->SetTone(certain ? NoticeFrame::Tone::Calm : NoticeFrame::Tone::Warning);
    block->SetText(QString::fromStdString(TimeWindowText(calculation, language)),
                   QString::fromStdString(TimeWindowHeading(calculation, language)));
}

}  // namespace nyra
