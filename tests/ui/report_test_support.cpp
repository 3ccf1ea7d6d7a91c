#include "report_test_support.h"

#include <QDesktopServices>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace nyra::report_test {

UrlRecorder::UrlRecorder() {
    QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "openUrl");
    QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "openUrl");
}

UrlRecorder::~UrlRecorder() {
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
}

void UrlRecorder::openUrl(const QUrl& url) { opened.append(url); }

MessageRecorder::MessageRecorder()
    : previous_(SetMessageHandler([this](const QString& text, MessageIcon icon) { shown.push_back({text, icon}); })) {}

MessageRecorder::~MessageRecorder() { SetMessageHandler(std::move(previous_)); }

SaveDialogStub::SaveDialogStub(QString answer)
    : answer_(std::move(answer)),
      previous_(frmSave::SetSavePathHandler([this](QWidget*, const frmSave::SaveRequest& request) {
          requests.push_back(request);
          return answer_;
      })) {}

SaveDialogStub::~SaveDialogStub() { frmSave::SetSavePathHandler(std::move(previous_)); }

PrintStub::PrintStub(PrintOutcome outcome)
    : outcome_(std::move(outcome)),
      previous_(frmSave::SetPrintHandler([this](const QTextDocument& report) {
          printed.append(report.toPlainText());
          return outcome_;
      })) {}

PrintStub::~PrintStub() { frmSave::SetPrintHandler(std::move(previous_)); }

SignDescription Describe(const char* vedicName) {
    const std::optional<SignDescription> description = DescribeMoonSign(vedicName);
    EXPECT_TRUE(description.has_value()) << vedicName;
    return description.value_or(SignDescription{});
}

} // namespace nyra::report_test
