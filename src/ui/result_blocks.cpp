#include "ui/result_blocks.h"

#include "calculation/calculation_text.h"
#include "engine/names.h"
#include "ui/named.h"
#include "ui/notice_frame.h"
#include "ui/wrapping_label.h"

#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
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

} // namespace

SignHeadline::SignHeadline(QWidget* parent) : QWidget(parent) {
    IMG = SharedSignPictures(kSignPictureSize, devicePixelRatioF());
    picRashi = Named(new QLabel(this), "picRashi");
    picRashi->setFixedSize(kSignPictureSize, kSignPictureSize);
    picRashi->setAlignment(Qt::AlignCenter);
    lblVedicName = Named(new QLabel(this), "lblVedicName");
    QFont heading = lblVedicName->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.8);
    lblVedicName->setFont(heading);
    lblMoonPosition = NewDetail("lblMoonPosition", this);
    QFont lead = lblMoonPosition->font();
    lead.setBold(true);
    lblMoonPosition->setFont(lead);
    lblNakshatra = NewDetail("lblNakshatra", this);
    lblAyanamsa = NewDetail("lblAyanamsa", this);
    lblBasis = NewDetail("lblBasis", this);
    lblSignSpan = NewDetail<WrappingLabel>("lblSignSpan", this);
    lblNakshatraSpan = NewDetail<WrappingLabel>("lblNakshatraSpan", this);

    auto* facts = new QHBoxLayout;
    facts->setSpacing(10);
    facts->addWidget(lblMoonPosition);
    facts->addWidget(NewSeparator(this));
    facts->addWidget(lblNakshatra);
    facts->addWidget(NewSeparator(this));
    facts->addWidget(lblAyanamsa);
    facts->addStretch();
    // What it was calculated with beside the name, where a small screen
    // has the room to spare.
    auto* name = new QHBoxLayout;
    name->setSpacing(16);
    name->addWidget(lblVedicName);
    name->addWidget(lblBasis, 1, Qt::AlignRight | Qt::AlignBottom);
    column_ = new QVBoxLayout;
    column_->setSpacing(4);
    column_->addLayout(name);
    column_->addLayout(facts);
    column_->addWidget(lblSignSpan);
    column_->addWidget(lblNakshatraSpan);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(picRashi, 0, Qt::AlignTop);
    row->addSpacing(10);
    row->addLayout(column_, 1);
}

void SignHeadline::Show(const Calculation& calculation, const SignDescription& sign, Language language) {
    const QString vedicName = QString::fromStdString(sign.VedicName);
    lblVedicName->setText(vedicName);
    // The pictures go by the English name, whatever the language shown. An
    // unknown name leaves the picture as it is.
    const QPixmap picture = FindPicture(IMG, QString::fromStdString(calculation.description.EnglishName));
    if (!picture.isNull()) picRashi->setPixmap(picture);
    picRashi->setAccessibleName(tr("Picture of %1").arg(vedicName));
    picRashi->setAccessibleDescription(tr("%1, symbol of %2").arg(QString::fromStdString(sign.Symbol), vedicName));

    const MoonReading& moon = calculation.moon;
    lblMoonPosition->setText(tr("Moon at %1").arg(QString::fromStdString(PositionInSignText(moon, language))));
    lblNakshatra->setText(tr("Nakshatra %1, pada %2 (lord %3)")
                              .arg(Text(NakshatraName(moon.nakshatra.index, language)))
                              .arg(moon.nakshatra.pada)
                              .arg(Text(PlanetName(moon.nakshatra.lord, language))));
    lblAyanamsa->setText(tr("Ayanamsa: %1 %2")
                             .arg(Text(AyanamsaName(calculation.basis, language)),
                                  QString::fromStdString(AyanamsaText(moon))));
    lblBasis->setText(tr("Calculated with %1").arg(QString::fromStdString(CalculatedWithText(calculation, language))));
    lblSignSpan->setText(QString::fromStdString(SignSpanSentence(moon.signSpan, language)));
    lblNakshatraSpan->setText(QString::fromStdString(NakshatraSpanSentence(moon.nakshatraSpan, language)));
}

MoonNotices::MoonNotices(QWidget* parent) : QWidget(parent) {
    fraSignNotice = new NoticeFrame(QStringLiteral("fraSignNotice"), QStringLiteral("lblSignNotice"), 20, 1.0, true, this);
    fraNakshatraNotice = new NoticeFrame(QStringLiteral("fraNakshatraNotice"), QStringLiteral("lblNakshatraNotice"),
                                         16, 0.9, false, this);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(4);
    column->addWidget(fraSignNotice);
    column->addWidget(fraNakshatraNotice);
}

void MoonNotices::Show(const Calculation& calculation, Language language) {
    fraSignNotice->SetText(QString::fromStdString(SignChangeNotice(calculation.moon.signSpan, language)));
    fraNakshatraNotice->SetText(
        QString::fromStdString(NakshatraChangeNotice(calculation.moon.nakshatraSpan, language)));
}

PreciseLine::PreciseLine(QWidget* parent) : QWidget(parent) {
    lblPrecise = NewDetail("lblPrecise", this);
    cboAyanamsa = Named(new QComboBox(this), "cboAyanamsa");
    cboAyanamsa->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    for (const AyanamsaInfo& info : Ayanamsas()) cboAyanamsa->addItem(Text(info.displayName), Text(info.key));
    fraPreciseNotice =
        new NoticeFrame(QStringLiteral("fraPreciseNotice"), QStringLiteral("lblPreciseNotice"), 20, 1.0, true, this);

    auto* line = new QHBoxLayout;
    line->setSpacing(8);
    line->addWidget(lblPrecise);
    line->addWidget(cboAyanamsa);
    line->addStretch();
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(4);
    column->addLayout(line);
    column->addWidget(fraPreciseNotice);

    connect(cboAyanamsa, &QComboBox::currentIndexChanged, this, [this](int index) {
        const std::string key = cboAyanamsa->itemData(index).toString().toStdString();
        if (const std::optional<Ayanamsa> ayanamsa = AyanamsaFromKey(key)) emit ayanamsaChosen(*ayanamsa);
    });
}

void PreciseLine::SetTexts() {
    // Qt on Linux names a list by its entry; the tool tip says what it is
    // for, and Show sets it for the calculation's basis.
    cboAyanamsa->setToolTip(tr("Ayanamsa for the precise position"));
    cboAyanamsa->setAccessibleName(cboAyanamsa->toolTip());
}

void PreciseLine::Show(const Calculation& calculation, Language language) {
    const auto ayanamsas = Ayanamsas();
    for (int i = 0; i < cboAyanamsa->count() && i < static_cast<int>(ayanamsas.size()); ++i)
        cboAyanamsa->setItemText(i, Text(ayanamsas[static_cast<std::size_t>(i)].DisplayName(language)));
    {
        // Showing the calculation's choice is not a new choice.
        const QSignalBlocker quiet(cboAyanamsa);
        cboAyanamsa->setCurrentIndex(cboAyanamsa->findData(Text(InfoOf(calculation.ayanamsa).key)));
    }
    // On the Precise basis the list chooses the whole calculation's
    // ayanamsa, on the Classic basis only the precise position's.
    cboAyanamsa->setToolTip(calculation.basis.kind == BasisKind::Precise
                                ? tr("Ayanamsa of the calculation")
                                : tr("Ayanamsa for the precise position"));
    cboAyanamsa->setAccessibleName(cboAyanamsa->toolTip());
    const PreciseTexts texts = SecondOpinionTexts(calculation, language);
    lblPrecise->setText(QString::fromStdString(texts.line));
    lblPrecise->setToolTip(QString::fromStdString(texts.toolTip));
    fraPreciseNotice->SetText(QString::fromStdString(texts.notice));
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

} // namespace nyra
