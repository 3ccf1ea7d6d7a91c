#include "ui_test_support.h"

#include "record/record_file.h"
#include "ui/frm_about.h"
#include "ui/frm_main.h"
#include "ui/frm_result.h"
#include "ui/frm_save.h"
#include "ui/frm_time_zone.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTextDocument>
#include <QTimer>

namespace nyra::test {

void FakeDialogs::Message(QWidget*, const QString& text, MessageIcon icon) { messages.push_back({text, icon}); }

bool FakeDialogs::Ask(QWidget*, const QString& question, Answer byDefault) {
    questions.append(question);
    defaultAnswers.push_back(byDefault);
    if (answers.empty()) return true;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

QString FakeDialogs::OpenPath(QWidget*) {
    ++openDialogs;
    return openPath;
}

QString FakeDialogs::SavePath(QWidget* parent, const SaveRequest& request) {
    saveRequests.push_back(request);
    return realSaveDialog ? Dialogs::SavePath(parent, request) : savePath;
}

PrintOutcome FakeDialogs::Print(const QTextDocument& document) {
    printed.append(document.toPlainText());
    return realPrinting ? Dialogs::Print(document) : printOutcome;
}

QStringList FakeDialogs::MessageTexts() const {
    QStringList texts;
    for (const ShownMessage& message : messages) texts.append(message.text);
    return texts;
}

UrlRecorder::UrlRecorder() {
    QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "openUrl");
    QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "openUrl");
}

UrlRecorder::~UrlRecorder() {
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
}

void UrlRecorder::openUrl(const QUrl& url) { opened.append(url); }

BirthRecord AshaAtDelhi() { return Birth({1985, 4, 14, 6, 30, 77 + 13 / 60.0, 330, 28 + 36 / 60.0}); }

BirthRecord Zoe() {
    BirthRecord r = Birth({1904, 2, 29, 23, 59, 151 + 12 / 60.0, 600, -(33 + 52 / 60.0)},
                          "Zo\u00EB \u00D1\u00FA\u00F1ez \u674E\u5C0F\u9F8D");
    r.DstOn = kTrue;
    return r;
}

Calculation CalculationOf(const BirthRecord& birth, const TimeWindow& timeKnown, const BirthPlace& place) {
    Result<Calculation> made = Calculate({birth, place, timeKnown});
    EXPECT_TRUE(made.ok()) << (made.ok() ? "" : made.problem().Text());
    return made.ok() ? std::move(made).value() : Calculation{};
}

Calculation NearAChange() {
    BirthPlace place;
    place.city = "Greenwich";
    place.state = "England";
    place.country = "United Kingdom";
    return CalculationOf(Birth({1999, 12, 30, 22, 49}), {}, place);
}

Calculation ShowingSign(const char* vedicName) {
    Calculation calculation = NearAChange();
    calculation.description = Describe(vedicName);
    return calculation;
}

SignDescription Describe(const char* vedicName) {
    const std::optional<SignDescription> description = DescribeMoonSign(vedicName);
    EXPECT_TRUE(description.has_value()) << vedicName;
    return description.value_or(SignDescription{});
}

std::string TextOf(const QObject* root, const char* name) {
    const QString objectName = QString::fromLatin1(name);
    if (const auto* label = root->findChild<QLabel*>(objectName)) return label->text().toStdString();
    if (const auto* line = root->findChild<QLineEdit*>(objectName)) return line->text().toStdString();
    if (const auto* paragraph = root->findChild<QPlainTextEdit*>(objectName))
        return paragraph->toPlainText().toStdString();
    ADD_FAILURE() << "no text control " << name;
    return {};
}

bool ShownIn(const QWidget* window, const char* name) {
    const QWidget* control = Child<QWidget>(window, name);
    return control && control->isVisibleTo(window);
}

void RunDeferredDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

QString ModalOpenedBy(const std::function<void()>& trigger) {
    QString seen;
    QTimer closer;
    closer.setSingleShot(true);
    QObject::connect(&closer, &QTimer::timeout, [&seen] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            seen = QString::fromLatin1(modal->metaObject()->className());
            modal->close();
        }
    });
    closer.start(0);
    trigger();
    return seen;
}

void SetBoxes(QWidget* main, std::initializer_list<BoxText> boxes) {
    for (const BoxText& b : boxes)
        if (auto* box = Child<QLineEdit>(main, b.box)) box->setText(QString::fromUtf8(b.text));
}

void TypeBoxes(QWidget* main, std::initializer_list<BoxText> boxes) {
    for (const BoxText& b : boxes) {
        auto* box = Child<QLineEdit>(main, b.box);
        if (!box) continue;
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, QString::fromUtf8(b.text));
        if (const QCompleter* list = box->completer(); list && list->popup()->isVisible())
            QTest::keyClick(list->popup(), Qt::Key_Escape);
    }
}

void SetDate(QWidget* main, int year, int month, int day, int hour, int minute) {
    Child<QComboBox>(main, "cboYear")->setCurrentText(QString::number(year));
    Child<QComboBox>(main, "cboMonth")->setCurrentIndex(month - 1);
    Child<QComboBox>(main, "cboDate")->setCurrentText(QString::number(day));
    Child<QComboBox>(main, "cboHH")->setCurrentText(QString::number(hour));
    Child<QComboBox>(main, "cboMM")->setCurrentText(QString::number(minute));
}

void EnterBirth(QWidget* main, const BirthAt& at, const char* name) {
    const BirthRecord b = Birth(at, name);
    const auto number = [](int n) { return QString::number(n).toStdString(); };
    // A clock ahead of UTC west of Greenwich is typed with a minus sign.
    const std::string sign = b.ZoneIsEast ? "-" : "";
    const std::string boxes[] = {sign + number(b.ZoneHours), number(b.ZoneMinutes), number(b.LonDegrees),
                                 number(b.LonMinutes),       number(b.LatDegrees),  number(b.LatMinutes)};
    SetBoxes(main, {{"txtName", name},
                    {"txtZoneHour", boxes[0].c_str()},
                    {"txtZoneMinute", boxes[1].c_str()},
                    {"txtLonD", boxes[2].c_str()},
                    {"txtLonM", boxes[3].c_str()},
                    {"txtLatD", boxes[4].c_str()},
                    {"txtLatM", boxes[5].c_str()}});
    SetDate(main, at.year, at.month, at.day, at.hour, at.minute);
    Child<QAbstractButton>(main, b.LonIsEast ? "optLong(0)" : "optLong(1)")->setChecked(true);
    Child<QAbstractButton>(main, b.LatIsSouth ? "optLat(1)" : "optLat(0)")->setChecked(true);
}

frmResult* FindMoonSign(QWidget* main) {
    Child<QPushButton>(main, "cmdRashi")->click();
    const QList<frmResult*> results = ShownWindows<frmResult>();
    EXPECT_LE(results.size(), 1);
    return results.value(0);
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QStringList FolderEntries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

QString WriteRecord(const QString& path, const BirthRecord& birth) {
    const Result<void> written = WriteBirthRecord(QFile::encodeName(path).toStdString(), birth);
    EXPECT_TRUE(written.ok()) << (written.ok() ? "" : written.problem().Text());
    return path;
}

namespace {

// Generous bound for poppler on a loaded machine; not what is tested.
constexpr int kToolDeadlineMs = 60000;

}  // namespace

std::optional<QString> Poppler(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForStarted(kToolDeadlineMs) || !process.waitForFinished(kToolDeadlineMs)) return std::nullopt;
    return QString::fromUtf8(process.readAllStandardOutput());
}

std::optional<QStringList> PdfPages(const QString& path) {
    const std::optional<QString> text = Poppler(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    if (!text) return std::nullopt;
    QStringList pages = text->split(u'\f');
    if (!pages.isEmpty() && pages.back().trimmed().isEmpty()) pages.removeLast();
    return pages;
}

void PrintTo(const WindowKind& kind, std::ostream* os) { *os << kind.name; }

namespace {

template <class Window>
QWidget* Shown(Window* window) {
    window->show();
    return window;
}

}  // namespace

const std::array<WindowKind, 5>& Windows() {
    static const std::array<WindowKind, 5> kinds{{
        {"frmMain", [](Dialogs& d) { return Shown(new frmMain(d)); }},
        {"frmResult", [](Dialogs& d) { return Shown(new frmResult(NearAChange(), d)); }},
        {"frmSave",
         [](Dialogs& d) {
             auto* result = new frmResult(NearAChange(), d);
             auto* report = new frmSave(result->calculation(), d, result);
             report->setAttribute(Qt::WA_DeleteOnClose);
             return Shown(report);
         }},
        {"frmAbout", [](Dialogs&) { return Shown(new frmAbout); }},
        {"frmTimeZone", [](Dialogs&) { return Shown(new frmTimeZone); }},
    }};
    return kinds;
}

void WindowTest::TearDown() {
    // Menus are top-level widgets too and go with their window: pick
    // first, delete after.
    // A dialog over a window goes with that window.
    QList<QWidget*> windows;
    for (QWidget* w : QApplication::topLevelWidgets())
        if ((qobject_cast<frmMain*>(w) || qobject_cast<frmResult*>(w) || qobject_cast<frmSave*>(w) ||
             qobject_cast<frmAbout*>(w) || qobject_cast<frmTimeZone*>(w)) &&
            !w->parentWidget())
            windows.append(w);
    qDeleteAll(windows);
    // The ayanamsa a result window remembered.
    QSettings().clear();
}

void WindowTest::Activate(QWidget* window) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
}

}  // namespace nyra::test
