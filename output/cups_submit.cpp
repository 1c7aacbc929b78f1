#include "cups_submit.h"

#include <QCoreApplication>

#include <cups/cups.h>

#include <iterator>
#include <memory>

namespace pecunor {

namespace {

struct HttpClose {
    void operator()(http_t* http) const { httpClose(http); }
};
using Connection = std::unique_ptr<http_t, HttpClose>;

struct IppDelete {
    void operator()(ipp_t* message) const { ippDelete(message); }
};

// A connection of its own rather than the library's shared one: with the
// shared one a scheduler that has gone reads as "the printer does not exist".
Connection connectToScheduler()
{
    constexpr int timeoutMs = 10000;
    return Connection(
        httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, timeoutMs, nullptr));
}

QString unreachable()
{
    return QCoreApplication::translate("pecunor::TfrmPrint", "The printing system (CUPS) cannot be reached.");
}

bool failed(ipp_status_t status) { return status > IPP_STATUS_OK_EVENTS_COMPLETE; }

// The scheduler's words for the last failed request. A scheduler that went
// away half-way leaves words like "Broken pipe"; then that it has gone.
QString failureReason()
{
    const char* text = cupsLastErrorString();
    const QString reason = QString::fromUtf8(text != nullptr && *text != '\0' ? text : ippErrorString(cupsLastError()));
    return connectToScheduler() ? reason : unreachable();
}

// CUPS takes the queue without the instance after the slash.
QByteArray queueName(const QString& queue) { return queue.section(u'/', 0, 0).toUtf8(); }

QByteArray printerUri(const QByteArray& queue)
{
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", ippPort(), "/printers/%s",
                     queue.constData());
    return uri;
}

QString sendDocument(http_t* http, const char* queue, int job, const char* title, QIODevice& pdf)
{
    if (!pdf.seek(0))
        return pdf.errorString();
    http_status_t status = cupsStartDocument(http, queue, job, title, CUPS_FORMAT_PDF, 1);
    char buffer[65536];
    qint64 read = 0;
    while (status == HTTP_STATUS_CONTINUE && (read = pdf.read(buffer, sizeof buffer)) > 0)
        status = cupsWriteRequestData(http, buffer, static_cast<size_t>(read));
    if (read < 0)
        return pdf.errorString();
    if (status != HTTP_STATUS_CONTINUE || failed(cupsFinishDocument(http, queue)))
        return failureReason();
    return {};
}

}  // namespace

QString cupsRefusal(const QString& queue)
{
    const Connection http = connectToScheduler();
    if (!http)
        return unreachable();
    ipp_t* request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr,
                 printerUri(queueName(queue)).constData());
    static const char* const wanted[] = {"printer-is-accepting-jobs", "printer-state-message"};
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                  static_cast<int>(std::size(wanted)), nullptr, wanted);
    const std::unique_ptr<ipp_t, IppDelete> response(cupsDoRequest(http.get(), request, "/"));
    if (failed(cupsLastError()))
        return failureReason();
    ipp_attribute_t* accepting = ippFindAttribute(response.get(), "printer-is-accepting-jobs", IPP_TAG_BOOLEAN);
    if (accepting == nullptr || ippGetBoolean(accepting, 0))
        return {};
    QString reason = QCoreApplication::translate("pecunor::TfrmPrint", "The printer is not accepting jobs.");
    // The administrator's reason, as cupsreject -r gives it.
    if (ipp_attribute_t* message = ippFindAttribute(response.get(), "printer-state-message", IPP_TAG_TEXT)) {
        const QString text = QString::fromUtf8(ippGetString(message, 0, nullptr)).trimmed();
        if (!text.isEmpty())
            reason += u'\n' + text;
    }
    return reason;
}

QString submitToCups(const QString& queue, QIODevice& pdf, const QString& title, const QStringList& options)
{
    const Connection http = connectToScheduler();
    if (!http)
        return unreachable();
    const QByteArray name = queueName(queue);
    const QByteArray jobTitle = title.toUtf8();
    int count = 0;
    cups_option_t* parsed = nullptr;
    for (qsizetype i = 0; i + 1 < options.size(); i += 2)
        count = cupsAddOption(options[i].toUtf8().constData(), options[i + 1].toUtf8().constData(), count, &parsed);
    const int job = cupsCreateJob(http.get(), name.constData(), jobTitle.constData(), count, parsed);
    cupsFreeOptions(count, parsed);
    if (job == 0)
        return failureReason();
    const QString reason = sendDocument(http.get(), name.constData(), job, jobTitle.constData(), pdf);
    // A job without its document would wait in the queue for ever.
    if (!reason.isEmpty())
        cupsCancelJob2(http.get(), name.constData(), job, 1);
    return reason;
}

}  // namespace pecunor
