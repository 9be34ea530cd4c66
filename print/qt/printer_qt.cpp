#include "print/qt/printer_qt.h"

#include "print/qt/progress_dialog.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinterInfo>
#include <QScreen>
#include <QTemporaryFile>

#include <cups/cups.h>

#include <cmath>

namespace круголет {

namespace {

QString в_qt(std::string_view текст) {
    return QString::fromUtf8(текст.data(), static_cast<qsizetype>(текст.size()));
}

int разрешение_экрана_по_y() {
    return static_cast<int>(std::lround(QGuiApplication::primaryScreen()->logicalDotsPerInchY()));
}

class Задание_qt final : public Задание_печати {
  public:
    Задание_qt(std::unique_ptr<QPrinter> принтер, const QString &заголовок,
               const QString &имя_принтера, Сдача_задания сдать)
        : принтер_(std::move(принтер)), сдать_(std::move(сдать)), окно_(заголовок, имя_принтера) {}

    // A job dropped unfinished prints nothing.
    ~Задание_qt() override { бросить(); }

    bool начать() { return рисование_.begin(принтер_.get()); }

    Фигуры_принтера фигуры_принтера() override {
        const int dpi = принтер_->resolution();
        const QRect область = принтер_->pageLayout().paintRectPixels(dpi);
        return {принтер_->logicalDpiX(), принтер_->logicalDpiY(), область.height(),
                область.width()};
    }

    int разрешение_экрана() override { return разрешение_экрана_по_y(); }

    // A character of `размер` × S / 72 dots, S the screen's resolution, as the layout counts.
    void выбрать_шрифт(std::string_view семейство, int размер) override {
        QFont шрифт(в_qt(семейство));
        const int S = разрешение_экрана_по_y();
        шрифт.setPixelSize(std::max(1, static_cast<int>((размер * S + 36) / 72)));
        рисование_.setFont(шрифт);
    }

    // The painter's start opened the first page already.
    void начать_страницу() override {
        if (отменено_ || !рисование_.isActive())
            return;
        if (страниц_ > 0)
            принтер_->newPage();
        окно_.показать_страницу(++страниц_);
    }

    void нарисовать(int x, int y, std::string_view строка) override {
        if (рисование_.isActive())
            рисование_.drawText(QPoint(x, y), в_qt(строка));
    }

    void закончить_страницу() override {}

    bool отменено() override {
        if (!отменено_ && окно_.отменено())
            отменено_ = true;
        return отменено_;
    }

    bool закончить() override {
        if (!рисование_.isActive())
            return false;
        if (отменено()) {
            бросить();
            return true;
        }
        if (!рисование_.end()) {
            QFile::remove(принтер_->outputFileName());
            return false;
        }
        if (!сдать_)
            return true;
        const bool сдано = сдать_(принтер_->outputFileName());
        QFile::remove(принтер_->outputFileName());
        return сдано;
    }

  private:
    void бросить() {
        if (!рисование_.isActive())
            return;
        рисование_.end();
        QFile::remove(принтер_->outputFileName());
    }

    std::unique_ptr<QPrinter> принтер_;
    Сдача_задания сдать_;
    QPainter рисование_;
    Окно_хода_печати_qt окно_;
    int страниц_ = 0;
    bool отменено_ = false;
};

} // namespace

std::unique_ptr<Задание_печати> начать_задание(std::unique_ptr<QPrinter> принтер,
                                               std::string_view заголовок,
                                               const QString &имя_принтера, Сдача_задания сдать) {
    принтер->setDocName(в_qt(заголовок));
    auto задание = std::make_unique<Задание_qt>(std::move(принтер), в_qt(заголовок), имя_принтера,
                                                std::move(сдать));
    if (!задание->начать())
        return nullptr;
    return задание;
}

std::unique_ptr<Задание_печати> Принтер_qt::начать(std::string_view заголовок) {
    const QPrinterInfo по_умолчанию = QPrinterInfo::defaultPrinter();
    if (по_умолчанию.isNull())
        return nullptr;
    const QPrinter образец(по_умолчанию, QPrinter::HighResolution);
    QTemporaryFile файл(QDir::tempPath() + QStringLiteral("/krugolet-XXXXXX.pdf"));
    if (!файл.open())
        return nullptr;
    файл.setAutoRemove(false);

    auto принтер = std::make_unique<QPrinter>(QPrinter::HighResolution);
    принтер->setOutputFormat(QPrinter::PdfFormat);
    принтер->setOutputFileName(файл.fileName());
    принтер->setResolution(образец.resolution());
    принтер->setPageLayout(образец.pageLayout());
    const QByteArray имя = по_умолчанию.printerName().toUtf8();
    const QByteArray название =
        QByteArray(заголовок.data(), static_cast<qsizetype>(заголовок.size()));
    return начать_задание(std::move(принтер), заголовок, по_умолчанию.printerName(),
                          [имя, название](const QString &путь) {
                              return cupsPrintFile(имя.constData(), путь.toLocal8Bit().constData(),
                                                   название.constData(), 0, nullptr) != 0;
                          });
}

} // namespace круголет
