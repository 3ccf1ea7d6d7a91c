#include "ui/printing.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>

#include <cups/cups.h>

namespace nyra {
namespace {

// The CUPS calls asked directly, opened when printing is first asked for:
// the library brings a dozen more (TLS, Kerberos, service discovery), about
// 3 MB of memory a user who never prints should not pay for at start. Qt's
// own printing opens the same library then. Their types come from its
// header, so a call cannot be declared wrongly.
struct CupsCalls {
    decltype(&cupsGetNamedDest) getNamedDest = nullptr;
    decltype(&cupsGetOption) getOption = nullptr;
    decltype(&cupsFreeDests) freeDests = nullptr;
    decltype(&cupsLastError) lastError = nullptr;
    decltype(&cupsLastErrorString) lastErrorString = nullptr;

    bool Complete() const { return getNamedDest && getOption && freeDests && lastError && lastErrorString; }
};

template <typename Call>
void Resolve(QLibrary& library, const char* name, Call& call) {
    call = reinterpret_cast<Call>(library.resolve(name));
}

// Without the library every question is left to the print job itself.
const CupsCalls* Cups() {
    static const CupsCalls calls = [] {
        CupsCalls found;
        QLibrary library(QStringLiteral("cups"), 2);
        if (!library.load()) return found;
        Resolve(library, "cupsGetNamedDest", found.getNamedDest);
        Resolve(library, "cupsGetOption", found.getOption);
        Resolve(library, "cupsFreeDests", found.freeDests);
        Resolve(library, "cupsLastError", found.lastError);
        Resolve(library, "cupsLastErrorString", found.lastErrorString);
        return found;
    }();
    return calls.Complete() ? &calls : nullptr;
}

// IPP status codes up to this one report success (RFC 8011, 4.1.6).
constexpr int kLastSuccessfulStatus = 0x00FF;

// Why CUPS refused the last request of this thread, the print job Qt has
// just handed it included; CUPS keeps that status per thread, and Qt sends
// the job from the thread that paints.
std::optional<QString> LastRequestRefusal() {
    const CupsCalls* cups = Cups();
    if (cups == nullptr || cups->lastError() <= kLastSuccessfulStatus) return std::nullopt;
    const char* text = cups->lastErrorString();
    QString reason = QString::fromLocal8Bit(text != nullptr ? text : "");
    if (reason.isEmpty()) return QCoreApplication::translate("nyra::Printing", "The printing system refused the job.");
    return reason;
}

}  // namespace

std::optional<QString> PrintQueueRefusal(const QString& printer) {
    const CupsCalls* cups = Cups();
    if (cups == nullptr) return std::nullopt;
    const qsizetype slash = printer.indexOf(u'/');
    const QByteArray name = printer.left(slash).toLocal8Bit();
    const QByteArray instance = slash < 0 ? QByteArray() : printer.mid(slash + 1).toLocal8Bit();
    cups_dest_t* dest =
        cups->getNamedDest(CUPS_HTTP_DEFAULT, name.constData(), instance.isEmpty() ? nullptr : instance.constData());
    // A queue CUPS cannot find now is left to the job itself to tell.
    if (dest == nullptr) return std::nullopt;
    const char* accepting = cups->getOption("printer-is-accepting-jobs", dest->num_options, dest->options);
    const bool refuses = accepting != nullptr && qstrcmp(accepting, "false") == 0;
    cups->freeDests(1, dest);
    if (refuses) return QCoreApplication::translate("nyra::Printing", "The printer is not accepting jobs.");
    return std::nullopt;
}

PrintOutcome PrintReport(const QTextDocument& document) {
    QPrinterInfo device = QPrinterInfo::defaultPrinter();
    if (device.isNull()) {
        const QList<QPrinterInfo> printers = QPrinterInfo::availablePrinters();
        if (!printers.isEmpty()) device = printers.first();
    }
    if (device.isNull()) return {};

    PrintOutcome outcome{device.printerName(), PrintQueueRefusal(device.printerName())};
    if (outcome.refusal) return outcome;
    QPrinter printer(device, QPrinter::HighResolution);
    printer.setDocName(QCoreApplication::translate("nyra::ReportTitle", "Moon Sign Report"));
    document.print(&printer);
    if (printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted)
        outcome.refusal = QCoreApplication::translate("nyra::Printing", "The printer reported an error.");
    else
        outcome.refusal = LastRequestRefusal();
    return outcome;
}

}  // namespace nyra
