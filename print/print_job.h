#pragma once

// The print job as the page layout sees it: a job on the system's default printer, its pages,
// a font, and strings drawn at a baseline. Supplied by a back end (Windows GDI, Qt, or the
// recording job of the tests). Text crossing this interface is UTF-8.

#include <memory>
#include <string_view>

namespace круголет {

// The printer's resolution in dots per inch and its printable area in dots, in this order.
struct Фигуры_принтера {
    int точек_на_дюйм_по_x;
    int точек_на_дюйм_по_y;
    int высота_области;
    int ширина_области;
};

// A started print job. Coordinates are printer dots from the top left corner of the printable
// area.
class Задание_печати {
  public:
    virtual ~Задание_печати() = default;

    virtual Фигуры_принтера фигуры_принтера() = 0;
    // The screen's vertical resolution in dots per inch.
    virtual int разрешение_экрана() = 0;

    // Creates the font of this family and size value (the platform makes it size × the screen's
    // resolution / 72 dots high) and selects it for the pages that follow.
    virtual void выбрать_шрифт(std::string_view семейство, int размер) = 0;
    virtual void начать_страницу() = 0;
    // Draws the string with its left end at x and its baseline at y.
    virtual void нарисовать(int x, int y, std::string_view строка) = 0;
    virtual void закончить_страницу() = 0;

    // Whether the user has cancelled the job; the layout then starts no further page.
    virtual bool отменено() = 0;
    // Hands the job to the printer, or discards it when it was cancelled; false when the printer
    // did not take it (refused it, or could not be reached), so that nothing was printed.
    virtual bool закончить() = 0;
};

class Принтер {
  public:
    virtual ~Принтер() = default;

    // Starts a job under this title on the printer, without a printer dialog; nullptr when
    // there is no printer to print on.
    virtual std::unique_ptr<Задание_печати> начать(std::string_view заголовок) = 0;
};

} // namespace круголет
