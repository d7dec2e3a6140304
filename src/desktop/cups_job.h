#pragma once
// A document handed to the system's default printer through libcups, with
// every wait on the print server bounded by one deadline for the whole talk:
// the program's one thread must not hang on a server that does not answer.
// What became of it is told in enough detail for the pupil's message: the
// printer's name, the job's number, the server's own words.

#include <chrono>
#include <functional>
#include <string>

namespace godo {

enum class PrintOutcome {
    Printed,      // the job was accepted and the printer takes it on
    Held,         // the job was accepted, but the printer is stopped: it waits
    NoServer,     // no print server to connect to
    NoAnswer,     // the server did not answer before the deadline
    NoDefault,    // no default destination
    NotAccepting, // the default printer does not accept jobs
    Refused,      // the server refused the job
    Incomplete,   // the job was created, but its document did not get through
    NoDocument,   // the document could not be made
    NoCupsLibrary, // libcups is not installed
};

struct PrintAttempt {
    PrintOutcome outcome = PrintOutcome::NoServer;
    std::string printer;    // the destination, once known
    std::string reason;     // NotAccepting, Refused: the server's own words, where it gave any
    int job = 0;            // the job's number, once the job exists
    bool cancelled = false; // Incomplete: the unfinished job was cancelled
};

using PrintClock = std::chrono::steady_clock;

// Finds the default destination as lp does (PRINTER, LPDEST, lpoptions, then
// the server's default), checks that it takes jobs, and submits `document`
// (a PDF, made only once the printer is known to take it) as one job titled
// `title`. Returns at the latest a fraction of a second after `deadline`.
PrintAttempt printOnDefaultPrinter(const std::function<std::string()>& document, const std::string& title,
                                   PrintClock::time_point deadline);

} // namespace godo
