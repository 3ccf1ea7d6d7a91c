// The report window: its report, links, clipboard, labels, saving, PDF
// export and printing.
#include "ui/frm_save.h"

#include "app/program_state.h"
#include "links/web_links.h"
#include "record/record_file.h"
#include "report_test_support.h"
#include "ui/report_text.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <memory>

namespace nyra {
namespace {

using report_test::Describe;
using report_test::MessageRecorder;
using report_test::SaveDialogStub;
using report_test::UrlRecorder;

BirthRecord SampleBirth() {
    BirthRecord birth;
    birth.BirthName = "Asha Rao";
    birth.BirthMonth = 4;
    birth.BirthDay = 14;
    birth.BirthYear = 1985;
    birth.BirthHour = 6;
    birth.BirthMinute = 30;
    birth.ZoneHours = 5;
    birth.ZoneMinutes = 30;
    birth.LonDegrees = 77;
    birth.LonMinutes = 13;
    birth.LatDegrees = 28;
    birth.LatMinutes = 36;
    birth.LonIsEast = kTrue;
    birth.LatIsSouth = kFalse;
    birth.DstOn = kFalse;
    return birth;
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Every entry of a folder, hidden ones (temporary files) included.
QStringList FolderEntries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

void SendMouse(QWidget* widget, QEvent::Type type, QPoint position, Qt::MouseButton button) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, position, widget->mapToGlobal(position), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

class ReportWindow : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = Program();
        Program().description = Describe("Mesha");
        Program().birth = SampleBirth();
    }

    void TearDown() override {
        window.reset();
        Program() = saved_;
    }

    void Open() {
        window = std::make_unique<frmSave>();
        window->show();
    }

    template <typename T>
    T* Control(const char* name) const {
        T* control = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }

    QTextBrowser* Report() const { return Control<QTextBrowser>("RTB"); }
    QString ReportText() const { return Report()->toPlainText(); }
    void Click(const char* button) const { Control<QPushButton>(button)->click(); }

    static QString ExpectedText() { return ReportPlainLines(Program().description).join(u'\n') + u'\n'; }

    // A point of the viewport over the middle of `text`'s third character,
    // scrolled into view.
    QPoint PointOver(const QString& text) const {
        QTextBrowser* report = Report();
        const QTextCursor found = report->document()->find(text);
        EXPECT_FALSE(found.isNull()) << text.toStdString();
        QTextCursor cursor(report->document());
        cursor.setPosition(found.selectionStart() + 2);
        report->setTextCursor(cursor);
        report->ensureCursorVisible();
        const QRect before = report->cursorRect(cursor);
        cursor.setPosition(found.selectionStart() + 3);
        const QRect after = report->cursorRect(cursor);
        return QPoint((before.center().x() + after.center().x()) / 2, before.center().y());
    }

    std::unique_ptr<frmSave> window;

private:
    ProgramState saved_;
};

TEST_F(ReportWindow, IsAModalWindowWithItsControls) {
    Open();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Nyra Moon Sign v2.10"));
    EXPECT_TRUE(window->isModal());
    EXPECT_EQ(Control<QPushButton>("cmdSave")->text(), QStringLiteral("&Save"));
    EXPECT_EQ(Control<QPushButton>("cmdPrint")->text(), QStringLiteral("&Print"));
    EXPECT_EQ(Control<QPushButton>("cmdExportPdf")->text(), QStringLiteral("Export &PDF..."));
    const QFont font = Report()->font();
    EXPECT_EQ(font.family(), QStringLiteral("Verdana"));
    EXPECT_DOUBLE_EQ(font.pointSizeF(), 9.75);
    EXPECT_FALSE(font.bold());
}

TEST_F(ReportWindow, ShowsTheCurrentDescription) {
    Open();
    EXPECT_EQ(ReportText(), ExpectedText());
    EXPECT_TRUE(ReportText().startsWith(QStringLiteral("Common: \nVedic Name: Mesha\n")));
}

TEST_F(ReportWindow, ReopeningComposesAnewWithoutDoubling) {
    Open();
    window->hide();
    Program().description = Describe("Vrishabha");
    window->show();
    EXPECT_EQ(ReportText(), ExpectedText());
    EXPECT_EQ(ReportText().count(QStringLiteral("Common: ")), 1);

    window = std::make_unique<frmSave>();
    window->show();
    EXPECT_EQ(ReportText(), ExpectedText());
}

TEST_F(ReportWindow, UserCannotEditTheReport) {
    Open();
    EXPECT_TRUE(Report()->isReadOnly());
    Report()->setFocus();
    QTest::keyClicks(Report(), QStringLiteral("typed"));
    QTest::keyClick(Report(), Qt::Key_Backspace);
    QTest::keyClick(Report(), Qt::Key_Delete);
    EXPECT_EQ(ReportText(), ExpectedText());
}

TEST_F(ReportWindow, OpeningEmptiesTheClipboard) {
    QGuiApplication::clipboard()->setText(QStringLiteral("copied elsewhere"));
    Open();
    EXPECT_TRUE(QGuiApplication::clipboard()->text().isEmpty());
}

struct MouseRow {
    const char* name;
    QEvent::Type type;
    Qt::MouseButton button;
};

void PrintTo(const MouseRow& row, std::ostream* os) { *os << row.name; }

class ReportMouse : public ReportWindow, public ::testing::WithParamInterface<MouseRow> {};

TEST_P(ReportMouse, EmptiesTheClipboard) {
    Open();
    const QPoint point = PointOver(QStringLiteral("Vedic Name"));
    QGuiApplication::clipboard()->setText(QStringLiteral("copied from the report"));
    SendMouse(Report()->viewport(), GetParam().type, point, GetParam().button);
    EXPECT_TRUE(QGuiApplication::clipboard()->text().isEmpty());
    EXPECT_EQ(ReportText(), ExpectedText());
}

INSTANTIATE_TEST_SUITE_P(Report, ReportMouse,
                         ::testing::Values(MouseRow{"Press", QEvent::MouseButtonPress, Qt::LeftButton},
                                           MouseRow{"Move", QEvent::MouseMove, Qt::NoButton},
                                           MouseRow{"Release", QEvent::MouseButtonRelease, Qt::LeftButton},
                                           MouseRow{"DoubleClick", QEvent::MouseButtonDblClick, Qt::LeftButton},
                                           MouseRow{"RightPress", QEvent::MouseButtonPress, Qt::RightButton}),
                         [](const ::testing::TestParamInfo<MouseRow>& info) { return info.param.name; });

class ReportLinks : public ReportWindow {
protected:
    void SetUp() override {
        ReportWindow::SetUp();
        Program().description.Nature = "Visit www.example.org today";
        Open();
    }
    UrlRecorder browser;
};

TEST_F(ReportLinks, LinkOpensOnThePressAndOnlyOnce) {
    const QPoint link = PointOver(QStringLiteral("www.example.org"));
    ASSERT_EQ(Report()->anchorAt(link), QStringLiteral("http://www.example.org"));

    SendMouse(Report()->viewport(), QEvent::MouseButtonPress, link, Qt::LeftButton);
    ASSERT_EQ(browser.opened.size(), 1) << "the press alone opens the link";
    EXPECT_EQ(browser.opened[0], QUrl(QStringLiteral("http://www.example.org")));

    SendMouse(Report()->viewport(), QEvent::MouseButtonRelease, link, Qt::LeftButton);
    EXPECT_EQ(browser.opened.size(), 1) << "the release must not open it again";
    EXPECT_EQ(ReportText(), ExpectedText());
}

TEST_F(ReportLinks, OtherButtonsAndPlainTextOpenNothing) {
    const QPoint link = PointOver(QStringLiteral("www.example.org"));
    SendMouse(Report()->viewport(), QEvent::MouseButtonPress, link, Qt::RightButton);
    SendMouse(Report()->viewport(), QEvent::MouseButtonRelease, link, Qt::RightButton);
    const QPoint text = PointOver(QStringLiteral("Visit"));
    SendMouse(Report()->viewport(), QEvent::MouseButtonPress, text, Qt::LeftButton);
    SendMouse(Report()->viewport(), QEvent::MouseButtonRelease, text, Qt::LeftButton);
    EXPECT_TRUE(browser.opened.isEmpty());
}

TEST_F(ReportLinks, PressStillReachesTheView) {
    // The press on a link also places the cursor, as any press does.
    const QPoint link = PointOver(QStringLiteral("www.example.org"));
    Report()->moveCursor(QTextCursor::Start);
    SendMouse(Report()->viewport(), QEvent::MouseButtonPress, link, Qt::LeftButton);
    SendMouse(Report()->viewport(), QEvent::MouseButtonRelease, link, Qt::LeftButton);
    EXPECT_GT(Report()->textCursor().position(), 0);
}

struct LabelRow {
    const char* name;
    const char* pageKey;
};

void PrintTo(const LabelRow& row, std::ostream* os) { *os << row.name; }

class ReportLabels : public ReportWindow, public ::testing::WithParamInterface<LabelRow> {};

TEST_P(ReportLabels, ClickOpensItsPage) {
    Open();
    UrlRecorder browser;
    QTest::mouseClick(Control<QLabel>(GetParam().name), Qt::LeftButton);
    ASSERT_EQ(browser.opened.size(), 1);
    EXPECT_EQ(browser.opened[0], WebPageUrl(QString::fromLatin1(GetParam().pageKey)));
}

INSTANTIATE_TEST_SUITE_P(Report, ReportLabels,
                         ::testing::Values(LabelRow{"lblFullBrand", "fully-branded"},
                                           LabelRow{"lblCobrand", "co-brand"},
                                           LabelRow{"Label14", "home-page"},
                                           LabelRow{"Label3", "home-page"}),
                         [](const ::testing::TestParamInfo<LabelRow>& info) { return info.param.name; });

TEST_F(ReportWindow, PromotionTexts) {
    Open();
    const QLabel* fullBrand = Control<QLabel>("lblFullBrand");
    EXPECT_EQ(fullBrand->text(),
              QStringLiteral("Home Business Opportunity. Start your own Internet business and make money online. "
                             "Get this software fully branded for your website. Click here for more details."));
    EXPECT_EQ(fullBrand->parentWidget(), Control<QFrame>("fraFullBrand"));
    const QString coBrand = Control<QLabel>("lblCobrand")->text();
    EXPECT_TRUE(coBrand.endsWith(QStringLiteral("Click Here for more info on co-branding.")));
    EXPECT_EQ(coBrand.count(u'&'), 1);
    EXPECT_EQ(Control<QLabel>("Label14")->text(), QStringLiteral("The Most Popular Online Orrelin Discussion Board"));
    EXPECT_TRUE(Control<QLabel>("Label3")->text().contains(QUrl(ProductPageUrl()).host()));
}

class ReportFiles : public ReportWindow {
protected:
    void SetUp() override {
        ReportWindow::SetUp();
        ASSERT_TRUE(folder.isValid());
        Open();
    }
    QString PathOf(const char* name) const { return folder.filePath(QString::fromLatin1(name)); }

    QTemporaryDir folder;
    MessageRecorder messages;
};

TEST_F(ReportFiles, SaveWritesARecordThatReadsBack) {
    const QString path = PathOf("asha.moo");
    SaveDialogStub dialog(path);
    Click("cmdSave");

    ASSERT_EQ(dialog.requests.size(), 1u);
    EXPECT_EQ(dialog.requests[0].title, QStringLiteral("Save Your Moon Sign Details"));
    EXPECT_EQ(dialog.requests[0].filter, QStringLiteral("Rich Text Format (*.moo)"));
    EXPECT_EQ(dialog.requests[0].defaultSuffix, QStringLiteral("moo"));
    EXPECT_TRUE(messages.shown.empty());

    const RecordReadResult read = ReadBirthRecordFile(QFile::encodeName(path).toStdString());
    ASSERT_TRUE(read.ok) << read.error;
    std::string error;
    const std::optional<BirthRecord> back = BirthRecordFromLines(read.lines, &error);
    ASSERT_TRUE(back.has_value()) << error;
    EXPECT_EQ(*back, SampleBirth());

    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(ReportText(), ExpectedText());
}

TEST_F(ReportFiles, SaveOverReadOnlyFileTellsAndKeepsIt) {
    const QString path = PathOf("kept.moo");
    WriteBytes(path, "old record");
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0444), 0);
    SaveDialogStub dialog(path);
    Click("cmdSave");

    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Stop);
    EXPECT_TRUE(messages.shown[0].text.startsWith(QStringLiteral("Could not save \"") + path + u'"'))
        << messages.shown[0].text.toStdString();
    EXPECT_EQ(FileBytes(path), QByteArray("old record"));
    EXPECT_EQ(FolderEntries(folder.path()), QStringList{QStringLiteral("kept.moo")});
    EXPECT_TRUE(window->isVisible());
}

TEST_F(ReportFiles, CancelledSaveWritesNothingAndSaysNothing) {
    SaveDialogStub dialog(QString{});
    Click("cmdSave");
    EXPECT_EQ(dialog.requests.size(), 1u);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(FolderEntries(folder.path()).isEmpty());
}

// The text of a PDF, or nothing when poppler's pdftotext is missing.
std::optional<QString> PdfText(const QString& path) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    if (!process.waitForStarted(-1) || !process.waitForFinished(-1)) return std::nullopt;
    return QString::fromUtf8(process.readAllStandardOutput());
}

TEST_F(ReportFiles, ExportWritesThePdfReport) {
    const QString path = PathOf("report.pdf");
    SaveDialogStub dialog(path);
    Click("cmdExportPdf");

    ASSERT_EQ(dialog.requests.size(), 1u);
    EXPECT_EQ(dialog.requests[0].filter, QStringLiteral("PDF (*.pdf)"));
    EXPECT_EQ(dialog.requests[0].defaultSuffix, QStringLiteral("pdf"));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(FileBytes(path).startsWith("%PDF"));
    EXPECT_EQ(FolderEntries(folder.path()), QStringList{QStringLiteral("report.pdf")}) << "no temporary file left";

    const std::optional<QString> text = PdfText(path);
    if (!text) GTEST_SKIP() << "pdftotext is not installed";
    EXPECT_TRUE(text->contains(QStringLiteral("Common:")));
    EXPECT_TRUE(text->contains(QStringLiteral("Lucky For....Rashi:")));
    EXPECT_TRUE(text->contains(QStringLiteral("Vedic Name: Mesha")));
    EXPECT_TRUE(text->contains(QStringLiteral("Best Period of Activity:")));
}

TEST_F(ReportFiles, ExportReplacesAnExistingFile) {
    const QString path = PathOf("report.pdf");
    WriteBytes(path, "an older report");
    SaveDialogStub dialog(path);
    Click("cmdExportPdf");
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(FileBytes(path).startsWith("%PDF"));
    EXPECT_EQ(FolderEntries(folder.path()), QStringList{QStringLiteral("report.pdf")});
}

TEST_F(ReportFiles, ExportOverReadOnlyFileTellsAndKeepsIt) {
    const QString path = PathOf("report.pdf");
    WriteBytes(path, "an older report");
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0444), 0);
    SaveDialogStub dialog(path);
    Click("cmdExportPdf");

    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Stop);
    EXPECT_TRUE(messages.shown[0].text.contains(path)) << messages.shown[0].text.toStdString();
    EXPECT_EQ(FileBytes(path), QByteArray("an older report"));
    EXPECT_EQ(FolderEntries(folder.path()), QStringList{QStringLiteral("report.pdf")});
}

TEST_F(ReportFiles, ExportIntoAMissingFolderTells) {
    const QString path = PathOf("missing/report.pdf");
    SaveDialogStub dialog(path);
    Click("cmdExportPdf");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Stop);
    EXPECT_TRUE(messages.shown[0].text.contains(path));
    EXPECT_TRUE(FolderEntries(folder.path()).isEmpty());
}

TEST_F(ReportFiles, CancelledExportWritesNothingAndSaysNothing) {
    SaveDialogStub dialog(QString{});
    Click("cmdExportPdf");
    EXPECT_EQ(dialog.requests.size(), 1u);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(FolderEntries(folder.path()).isEmpty());
}

TEST_F(ReportWindow, PrintWithoutPrinterSaysSoAndClearsTheSelection) {
    if (!QPrinterInfo::defaultPrinter().isNull() || !QPrinterInfo::availablePrinters().isEmpty())
        GTEST_SKIP() << "a printer is installed; printing would use it";
    Open();
    MessageRecorder messages;
    Report()->selectAll();
    Click("cmdPrint");

    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Information);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("No printer is available. Use Export PDF to keep the report."));
    EXPECT_FALSE(Report()->textCursor().hasSelection());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(ReportText(), ExpectedText());
}

} // namespace
} // namespace nyra
