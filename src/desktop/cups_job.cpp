#include "desktop/cups_job.h"

#include "desktop/cups_library.h"

#include <algorithm>

namespace godo {

namespace {

using std::chrono::duration_cast;

// Only called once printOnDefaultPrinter has found the library.
const CupsLibrary& cups() { return *cupsLibrary(); }
using std::chrono::milliseconds;

// How often a wait on the server looks at the deadline. libcups bounds each
// wait by its own timeout, and a request is made of several waits; with a
// short timeout and a callback that keeps waiting until the deadline, the
// whole talk ends at the deadline, whatever the requests are.
constexpr double kWaitSlice = 0.1; // seconds

struct Talk {
    PrintClock::time_point deadline;
    bool timedOut = false;

    int remainingMs() const
    {
        const auto left = duration_cast<milliseconds>(deadline - PrintClock::now()).count();
        return static_cast<int>(std::max<decltype(left)>(left, 1));
    }
    bool expired() const { return PrintClock::now() >= deadline; }
};

// Without it a server that never answers looks like one without a default
// printer: libcups then says "No default destination." or even "Success".
int onWaitTimeout(http_t*, void* data)
{
    auto* talk = static_cast<Talk*>(data);
    if (!talk->expired())
        return 1;
    talk->timedOut = true;
    return 0;
}

struct Connection {
    http_t* http = nullptr;
    Connection(Talk& talk)
        : http(cups().httpConnect2(cups().cupsServer(), cups().ippPort(), nullptr, AF_UNSPEC, cups().cupsEncryption(),
                                   1, talk.remainingMs(), nullptr))
    {
        if (http)
            cups().httpSetTimeout(http, kWaitSlice, onWaitTimeout, &talk);
    }
    ~Connection()
    {
        if (http)
            cups().httpClose(http);
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
};

struct Destination {
    cups_dest_t* dest;
    ~Destination()
    {
        if (dest)
            cups().cupsFreeDests(1, dest);
    }
};

struct Response {
    ipp_t* ipp;
    ~Response() { cups().ippDelete(ipp); }
};

std::string lastError()
{
    const char* text = cups().cupsLastErrorString();
    return text ? text : "";
}

struct PrinterStatus {
    bool accepting = true;
    int state = IPP_PSTATE_IDLE;
    std::string message; // printer-state-message
};

// The printer's state asked afresh, with the reason text that the lists of
// destinations do not carry. False when there was no answer.
bool askStatus(http_t* http, const cups_dest_t& dest, PrinterStatus& status)
{
    char uri[HTTP_MAX_URI];
    const char* supported = cups().cupsGetOption("printer-uri-supported", dest.num_options, dest.options);
    if (!supported) {
        cups().httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", cups().ippPort(),
                         "/printers/%s", dest.name);
        supported = uri;
    }
    ipp_t* request = cups().ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    cups().ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, supported);
    static const char* const wanted[] = {"printer-is-accepting-jobs", "printer-state", "printer-state-message"};
    cups().ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 3, nullptr, wanted);
    const Response response{cups().cupsDoRequest(http, request, "/")};
    if (!response.ipp || cups().ippGetStatusCode(response.ipp) >= IPP_STATUS_REDIRECTION_OTHER_SITE)
        return false;
    if (ipp_attribute_t* a = cups().ippFindAttribute(response.ipp, "printer-is-accepting-jobs", IPP_TAG_BOOLEAN))
        status.accepting = cups().ippGetBoolean(a, 0) != 0;
    if (ipp_attribute_t* a = cups().ippFindAttribute(response.ipp, "printer-state", IPP_TAG_ENUM))
        status.state = cups().ippGetInteger(a, 0);
    if (ipp_attribute_t* a = cups().ippFindAttribute(response.ipp, "printer-state-message", IPP_TAG_TEXT))
        if (const char* text = cups().ippGetString(a, 0, nullptr))
            status.message = text;
    return true;
}

// The document of the job, whole, and the server's answer that it has it.
// (cupsFinishDocument reports the status of the last answer it read, which
// on a connection broken midway is that of the job's creation: success.)
bool sendDocument(http_t* http, const std::string& printer, int job, const std::string& title, const std::string& pdf)
{
    http_status_t sent = cups().cupsStartDocument(http, printer.c_str(), job, title.c_str(), CUPS_FORMAT_PDF, 1);
    if (sent == HTTP_STATUS_CONTINUE)
        sent = cups().cupsWriteRequestData(http, pdf.data(), pdf.size());
    if (sent != HTTP_STATUS_CONTINUE)
        return false;
    const std::string resource = "/printers/" + printer;
    const Response answer{cups().cupsGetResponse(http, resource.c_str())};
    return answer.ipp && cups().ippGetStatusCode(answer.ipp) < IPP_STATUS_REDIRECTION_OTHER_SITE;
}

// A job whose document did not get through is taken back, on a connection
// of its own (the first may be broken), while time is left.
bool cancelJob(Talk& talk, const std::string& printer, int job)
{
    if (talk.expired())
        return false;
    const Connection c(talk);
    return c.http && cups().cupsCancelJob2(c.http, printer.c_str(), job, 0) < IPP_STATUS_REDIRECTION_OTHER_SITE;
}

} // namespace

PrintAttempt printOnDefaultPrinter(const std::function<std::string()>& document, const std::string& title,
                                   PrintClock::time_point deadline)
{
    Talk talk{deadline};
    PrintAttempt a;
    if (!cupsLibrary()) {
        a.outcome = PrintOutcome::NoCupsLibrary;
        return a;
    }
    const auto failed = [&](PrintOutcome otherwise) {
        a.outcome = talk.timedOut ? PrintOutcome::NoAnswer : otherwise;
        if (!talk.timedOut)
            a.reason = lastError();
        return a;
    };

    const Connection connection(talk);
    if (!connection.http) {
        a.outcome = talk.expired() ? PrintOutcome::NoAnswer : PrintOutcome::NoServer;
        return a;
    }
    http_t* http = connection.http;

    const Destination dest{cups().cupsGetNamedDest(http, nullptr, nullptr)};
    if (!dest.dest)
        return failed(PrintOutcome::NoDefault);
    a.printer = dest.dest->name;

    PrinterStatus status;
    if (!askStatus(http, *dest.dest, status))
        return failed(PrintOutcome::Refused);
    if (!status.accepting) {
        a.outcome = PrintOutcome::NotAccepting;
        a.reason = status.message;
        return a;
    }

    const std::string pdf = document();
    if (pdf.empty()) {
        a.outcome = PrintOutcome::NoDocument;
        return a;
    }
    if (talk.expired()) {
        talk.timedOut = true;
        return failed(PrintOutcome::NoAnswer);
    }

    a.job = cups().cupsCreateJob(http, a.printer.c_str(), title.c_str(), 0, nullptr);
    if (a.job == 0)
        return failed(PrintOutcome::Refused);

    if (!sendDocument(http, a.printer, a.job, title, pdf)) {
        a.outcome = PrintOutcome::Incomplete;
        a.cancelled = cancelJob(talk, a.printer, a.job);
        return a;
    }

    a.outcome = status.state == IPP_PSTATE_STOPPED ? PrintOutcome::Held : PrintOutcome::Printed;
    return a;
}

} // namespace godo
