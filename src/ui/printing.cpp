#include "ui/printing.h"

#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>

#include <dlfcn.h>

namespace nyra {
namespace {

// The few calls of the CUPS client library the program needs, found at run
// time: the program does not require CUPS, and where Qt prints through CUPS
// this is the very library Qt has loaded. The two structures are CUPS's
// cups_option_t and cups_dest_t, unchanged since CUPS 1.1.
struct CupsOption {
    char* name;
    char* value;
};
struct CupsDest {
    char* name;
    char* instance;
    int isDefault;
    int optionCount;
    CupsOption* options;
};

class CupsLibrary {
public:
    CupsLibrary() : handle_(::dlopen("libcups.so.2", RTLD_NOW | RTLD_LOCAL)) {
        if (handle_ == nullptr) return;
        Find(getNamedDest, "cupsGetNamedDest");
        Find(getOption, "cupsGetOption");
        Find(freeDests, "cupsFreeDests");
        Find(lastError, "cupsLastError");
        Find(lastErrorString, "cupsLastErrorString");
    }
    CupsLibrary(const CupsLibrary&) = delete;
    CupsLibrary& operator=(const CupsLibrary&) = delete;
    // Never unloaded: Qt's print support may share it.

    bool usable() const {
        return getNamedDest && getOption && freeDests && lastError && lastErrorString;
    }

    CupsDest* (*getNamedDest)(void* http, const char* name, const char* instance) = nullptr;
    const char* (*getOption)(const char* name, int count, CupsOption* options) = nullptr;
    void (*freeDests)(int count, CupsDest* dests) = nullptr;
    int (*lastError)() = nullptr;
    const char* (*lastErrorString)() = nullptr;

private:
    template <typename Function>
    void Find(Function& function, const char* symbol) {
        function = reinterpret_cast<Function>(::dlsym(handle_, symbol));
    }

    void* handle_;
};

const CupsLibrary& Cups() {
    static const CupsLibrary library;
    return library;
}

// IPP status codes up to this one report success (RFC 8011, 4.1.6).
constexpr int kLastSuccessfulStatus = 0x00FF;

// Why CUPS refused the last request of this thread, the print job Qt has
// just handed it included; CUPS keeps that status per thread, and Qt sends
// the job from the thread that paints.
std::optional<QString> LastRequestRefusal() {
    const CupsLibrary& cups = Cups();
    if (!cups.usable() || cups.lastError() <= kLastSuccessfulStatus) return std::nullopt;
    const char* text = cups.lastErrorString();
    QString reason = QString::fromLocal8Bit(text != nullptr ? text : "");
    if (reason.isEmpty()) return QStringLiteral("The printing system refused the job.");
    return reason;
}

} // namespace

std::optional<QString> PrintQueueRefusal(const QString& printer) {
    const CupsLibrary& cups = Cups();
    if (!cups.usable()) return std::nullopt;
    const qsizetype slash = printer.indexOf(u'/');
    const QByteArray name = printer.left(slash).toLocal8Bit();
    const QByteArray instance = slash < 0 ? QByteArray() : printer.mid(slash + 1).toLocal8Bit();
    CupsDest* dest = cups.getNamedDest(nullptr, name.constData(), instance.isEmpty() ? nullptr : instance.constData());
    // A queue CUPS cannot find now is left to the job itself to tell.
    if (dest == nullptr) return std::nullopt;
    const char* accepting = cups.getOption("printer-is-accepting-jobs", dest->optionCount, dest->options);
    const bool refuses = accepting != nullptr && qstrcmp(accepting, "false") == 0;
    cups.freeDests(1, dest);
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
