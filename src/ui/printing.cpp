#include "ui/printing.h"

#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>

#include <cups/cups.h>

namespace nyra {
namespace {

// IPP status codes up to this one report success (RFC 8011, 4.1.6).
constexpr int kLastSuccessfulStatus = 0x00FF;

// Why CUPS refused the last request of this thread, the print job Qt has
// just handed it included; CUPS keeps that status per thread, and Qt sends
// the job from the thread that paints.
std::optional<QString> LastRequestRefusal() {
    if (cupsLastError() <= kLastSuccessfulStatus) return std::nullopt;
    const char* text = cupsLastErrorString();
    QString reason = QString::fromLocal8Bit(text != nullptr ? text : "");
    if (reason.isEmpty()) return QStringLiteral("The printing system refused the job.");
    return reason;
}

} // namespace

std::optional<QString> PrintQueueRefusal(const QString& printer) {
    const qsizetype slash = printer.indexOf(u'/');
    const QByteArray name = printer.left(slash).toLocal8Bit();
    const QByteArray instance = slash < 0 ? QByteArray() : printer.mid(slash + 1).toLocal8Bit();
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.constData(),
                                         instance.isEmpty() ? nullptr : instance.constData());
    // A queue CUPS cannot find now is left to the job itself to tell.
    if (dest == nullptr) return std::nullopt;
    const char* accepting = cupsGetOption("printer-is-accepting-jobs", dest->num_options, dest->options);
    const bool refuses = accepting != nullptr && qstrcmp(accepting, "false") == 0;
    cupsFreeDests(1, dest);
    if (refuses) return QStringLiteral("The printer is not accepting jobs.");
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
    printer.setDocName(QStringLiteral("Moon Sign Report"));
    document.print(&printer);
    if (printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted)
        outcome.refusal = QStringLiteral("The printer reported an error.");
    else
        outcome.refusal = LastRequestRefusal();
    return outcome;
}

} // namespace nyra
