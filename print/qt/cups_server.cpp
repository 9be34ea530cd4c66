#include "print/qt/cups_server.h"

#include <cups/cups.h>

#include <cmath>
#include <iterator>
#include <memory>

namespace круголет {

namespace {

using Связь = std::unique_ptr<http_t, decltype(&httpClose)>;
using Ответ = std::unique_ptr<ipp_t, decltype(&ippDelete)>;

// CUPS's default connection waits a minute for every answer, and some calls ask twice: a
// connection of our own waits as long as we choose.
Связь связь_с_сервером() {
    const auto срок = std::chrono::milliseconds(срок_молчания_сервера);
    http_t *связь = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                                 static_cast<int>(срок.count()), nullptr);
    if (связь)
        httpSetTimeout(связь, static_cast<double>(срок_молчания_сервера.count()), nullptr, nullptr);
    return Связь(связь, &httpClose);
}

std::optional<int> число(ipp_t *набор, const char *имя) {
    ipp_attribute_t *значение = ippFindAttribute(набор, имя, IPP_TAG_INTEGER);
    if (!значение)
        return std::nullopt;
    return ippGetInteger(значение, 0);
}

ipp_t *набор(ipp_t *где, const char *имя) {
    return ippGetCollection(ippFindAttribute(где, имя, IPP_TAG_BEGIN_COLLECTION), 0);
}

// The printer's default resolution and paper, as the server describes the printer.
std::optional<Принтер_сервера> страница_принтера(http_t *связь, const cups_dest_t &принтер) {
    const char *адрес =
        cupsGetOption("printer-uri-supported", принтер.num_options, принтер.options);
    if (!адрес)
        return std::nullopt;
    ipp_t *запрос = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(запрос, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, адрес);
    static const char *const нужные[] = {"printer-resolution-default", "media-col-default"};
    ippAddStrings(запрос, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                  static_cast<int>(std::size(нужные)), nullptr, нужные);
    const Ответ ответ(cupsDoRequest(связь, запрос, "/"), &ippDelete);

    ipp_attribute_t *разрешение =
        ippFindAttribute(ответ.get(), "printer-resolution-default", IPP_TAG_RESOLUTION);
    if (!разрешение)
        return std::nullopt;
    int по_y = 0;
    ipp_res_t единицы = IPP_RES_PER_INCH;
    ippGetResolution(разрешение, 0, &по_y, &единицы);
    const int точек_на_дюйм =
        единицы == IPP_RES_PER_CM ? static_cast<int>(std::lround(по_y * 2.54)) : по_y;

    ipp_t *лист = набор(ответ.get(), "media-col-default");
    ipp_t *размер = набор(лист, "media-size");
    const auto ширина = число(размер, "x-dimension");
    const auto высота = число(размер, "y-dimension");
    if (точек_на_дюйм < 1 || !ширина || !высота)
        return std::nullopt;
    // A paper without margins has no margin members.
    const auto поле = [лист](const char *имя) { return число(лист, имя).value_or(0); };
    return Принтер_сервера{принтер.name,
                           адрес,
                           точек_на_дюйм,
                           *ширина,
                           *высота,
                           поле("media-left-margin"),
                           поле("media-top-margin"),
                           поле("media-right-margin"),
                           поле("media-bottom-margin")};
}

} // namespace

std::optional<Принтер_сервера> принтер_по_умолчанию() {
    const Связь связь = связь_с_сервером();
    if (!связь)
        return std::nullopt;
    const std::unique_ptr<cups_dest_t, void (*)(cups_dest_t *)> принтер(
        cupsGetNamedDest(связь.get(), nullptr, nullptr),
        [](cups_dest_t *найден) { cupsFreeDests(1, найден); });
    if (!принтер)
        return std::nullopt;
    return страница_принтера(связь.get(), *принтер);
}

// The request is made here rather than by cupsPrintFile2, which on a silent server goes on to
// look for the printer on CUPS's default connection, a minute for each request.
bool сдать_в_cups(const std::string &адрес, const std::string &файл, const std::string &название) {
    char схема[32], пользователь[256], узел[256], путь[1024];
    int порт = 0;
    if (httpSeparateURI(HTTP_URI_CODING_ALL, адрес.c_str(), схема, sizeof схема, пользователь,
                        sizeof пользователь, узел, sizeof узел, &порт, путь,
                        sizeof путь) < HTTP_URI_STATUS_OK)
        return false;
    const Связь связь = связь_с_сервером();
    if (!связь)
        return false;
    ipp_t *запрос = ippNewRequest(IPP_OP_PRINT_JOB);
    ippAddString(запрос, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, адрес.c_str());
    ippAddString(запрос, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr,
                 cupsUser());
    ippAddString(запрос, IPP_TAG_OPERATION, IPP_TAG_NAME, "job-name", nullptr, название.c_str());
    ippAddString(запрос, IPP_TAG_OPERATION, IPP_TAG_MIMETYPE, "document-format", nullptr,
                 CUPS_FORMAT_PDF);
    const Ответ ответ(cupsDoFileRequest(связь.get(), запрос, путь, файл.c_str()), &ippDelete);
    return ответ && ippGetStatusCode(ответ.get()) <= IPP_STATUS_OK_CONFLICTING;
}

} // namespace круголет
