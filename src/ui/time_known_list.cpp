#include "ui/time_known_list.h"

#include "calculation/calculation_text.h"
#include "entry/translation_language.h"

#include <array>

namespace nyra {
namespace {

// The entries, in list order. The first, an exact time, leaves the
// calculation and the result as they always were.
struct TimeKnownChoice {
    const char* caption;
    TimeWindow window;
};
constexpr auto kTimeKnownChoices = std::to_array<TimeKnownChoice>({
    // clang-format off
    {QT_TRANSLATE_NOOP("nyra::TimeKnownList", "exactly"),        TimeWindow{}},
    {QT_TRANSLATE_NOOP("nyra::TimeKnownList", "within 15 min"),  TimeWindow{false, 15}},
    {QT_TRANSLATE_NOOP("nyra::TimeKnownList", "within 1 hour"),  TimeWindow{false, 60}},
    // clang-format on
    {QT_TRANSLATE_NOOP("nyra::TimeKnownList", "within 2 hours"), TimeWindow{false, 120}},
    {QT_TRANSLATE_NOOP("nyra::TimeKnownList", "not known"), TimeWindow{true, 0}},
});
static_assert(kTimeKnownChoices.size() == 5);

// An entry's window, as its data: minutes, or -1 for the whole day.
int WindowData(const TimeWindow& window) { return window.wholeDay ? -1 : window.minutes; }

}  // namespace

TimeKnownList::TimeKnownList(QWidget* parent) : QComboBox(parent) {
    setObjectName(QStringLiteral("cboTimeKnown"));
    for (const TimeKnownChoice& choice : kTimeKnownChoices) addItem(QString(), WindowData(choice.window));
    setCurrentIndex(0);
}

void TimeKnownList::SetTexts() {
    for (int i = 0; i < count(); ++i) {
        const int data = itemData(i).toInt();
        if (i < static_cast<int>(kTimeKnownChoices.size()))
            setItemText(i, tr(kTimeKnownChoices[static_cast<std::size_t>(i)].caption));
        else
            setItemText(i, QString::fromStdString(WithinWindowText(data, TranslationLanguage())));
    }
    setToolTip(
        tr("If you know the time of birth only roughly or not at all, say how well, and the "
           "result lists every Moon sign of that stretch of time with its share."));
}

TimeWindow TimeKnownList::window() const {
    const int data = currentData().toInt();
    if (data < 0) return TimeWindow::WholeDay();
    return data == 0 ? TimeWindow::Exact() : TimeWindow::PlusMinus(data);
}

void TimeKnownList::SetWindow(const TimeWindow& window) {
    const int data = WindowData(window);
    int index = findData(data);
    if (index < 0) {
        addItem(QString(), data);
        index = count() - 1;
        SetTexts();
    }
    setCurrentIndex(index);
}

}  // namespace nyra
