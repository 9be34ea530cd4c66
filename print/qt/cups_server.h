#pragma once

// The print server as the Linux program uses it: its default printer with the page that printer
// prints on, and the handing over of a finished job. Every exchange goes over a connection of
// its own that gives up after a few seconds of silence, so a server that takes the connection
// and never answers costs seconds, not the minutes of CUPS's default connection. The calls still
// block for those seconds: they are made on a thread of their own, and so use no Qt.

#include <chrono>
#include <optional>
#include <string>

namespace круголет {

// How long the server may stay silent within one exchange (CUPS itself waits a second more
// for the first answer). A print server on this machine or the local network answers in
// milliseconds, and takes a job's file as fast as it comes; five seconds of silence mean it is
// stuck, and are still short enough for the user to wait for the error box.
inline constexpr std::chrono::seconds срок_молчания_сервера{5};

// A printer of the server with its default page: the resolution, and the paper with its margins
// in hundredths of a millimetre, as IPP gives them.
struct Принтер_сервера {
    std::string имя;
    std::string адрес; // its IPP URI on the server
    // A PDF page has one scale for both directions: the vertical resolution, by which the rows
    // of a page are counted.
    int точек_на_дюйм;
    int ширина;
    int высота;
    int поле_слева;
    int поле_сверху;
    int поле_справа;
    int поле_снизу;
};

// The printer that this process prints on by default (LPDEST, PRINTER, lpoptions, else the
// server's default); nothing when there is none or the server does not answer.
std::optional<Принтер_сервера> принтер_по_умолчанию();

// Hands a PDF file to the printer at this IPP URI as a job under this title; whether the server
// took it.
bool сдать_в_cups(const std::string &адрес, const std::string &файл, const std::string &название);

} // namespace круголет
