#include "print/qt/printer_qt.h"

#include "print/qt/cups_server.h"
#include "print/qt/off_window.h"
#include "print/qt/progress_dialog.h"
#include "runtime/qt_text.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPainter>
#include <QScreen>
#include <QTemporaryFile>

#include <cmath>
#include <string>

namespace круголет {

namespace {

int разрешение_экрана_по_y() {
    return static_cast<int>(std::lround(QGuiApplication::primaryScreen()->logicalDotsPerInchY()));
}

class Задание_qt final : public Задание_печати {
  public:
    Задание_qt(std::unique_ptr<QPdfWriter> лист, const QString &файл, const QString &заголовок,
               const QString &имя_принтера, Сдача_задания сдать)
        : лист_(std::move(лист)), файл_(файл), сдать_(std::move(сдать)),
          окно_(заголовок, имя_принтера) {}

    // A job dropped unfinished prints nothing.
    ~Задание_qt() override { бросить(); }

    bool начать() { return рисование_.begin(лист_.get()); }

    Фигуры_принтера фигуры_принтера() override {
        const int точек_на_дюйм = лист_->resolution();
        const QRect область = лист_->pageLayout().paintRectPixels(точек_на_дюйм);
        return {лист_->logicalDpiX(), лист_->logicalDpiY(), область.height(), область.width()};
    }

    int разрешение_экрана() override { return разрешение_экрана_по_y(); }

    // A character of `размер` × the screen's resolution / 72 dots, as the layout counts.
    void выбрать_шрифт(std::string_view семейство, int размер) override {
        QFont шрифт(в_qt(семейство));
        const int разрешение = разрешение_экрана_по_y();
        шрифт.setPixelSize(std::max(1, static_cast<int>((размер * разрешение + 36) / 72)));
        рисование_.setFont(шрифт);
    }

    // The painter's start opened the first page already.
    void начать_страницу() override {
        if (отменено_ || !рисование_.isActive())
            return;
        if (страниц_ > 0)
            лист_->newPage();
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
            QFile::remove(файл_);
            return false;
        }
        if (!сдать_)
            return true;
        const bool сдано = сдать_(файл_);
        QFile::remove(файл_);
        return сдано;
    }

  private:
    void бросить() {
        if (!рисование_.isActive())
            return;
        рисование_.end();
        QFile::remove(файл_);
    }

    std::unique_ptr<QPdfWriter> лист_;
    QString файл_;
    Сдача_задания сдать_;
    QPainter рисование_;
    Окно_хода_печати_qt окно_;
    int страниц_ = 0;
    bool отменено_ = false;
};

// The printer's paper with its margins, as Qt lays a page out.
QPageLayout раскладка(const Принтер_сервера &принтер) {
    const auto мм = [](int сотых) { return сотых / 100.0; };
    return QPageLayout(
        QPageSize(QSizeF(мм(принтер.ширина), мм(принтер.высота)), QPageSize::Millimeter),
        QPageLayout::Portrait,
        QMarginsF(мм(принтер.поле_слева), мм(принтер.поле_сверху), мм(принтер.поле_справа),
                  мм(принтер.поле_снизу)),
        QPageLayout::Millimeter);
}

} // namespace

std::unique_ptr<Задание_печати> начать_задание(std::unique_ptr<QPdfWriter> лист,
                                               const QString &файл, std::string_view заголовок,
                                               const QString &имя_принтера, Сдача_задания сдать) {
    лист->setTitle(в_qt(заголовок));
    auto задание = std::make_unique<Задание_qt>(std::move(лист), файл, в_qt(заголовок),
                                                имя_принтера, std::move(сдать));
    if (!задание->начать()) {
        QFile::remove(файл);
        return nullptr;
    }
    return задание;
}

std::unique_ptr<Задание_печати> Принтер_qt::начать(std::string_view заголовок) {
    const auto принтер = итог_вне_окна([] { return принтер_по_умолчанию(); });
    if (!принтер)
        return nullptr;
    QTemporaryFile файл(QDir::tempPath() + QStringLiteral("/krugolet-XXXXXX.pdf"));
    if (!файл.open())
        return nullptr;
    файл.setAutoRemove(false);

    auto лист = std::make_unique<QPdfWriter>(файл.fileName());
    лист->setResolution(принтер->точек_на_дюйм);
    лист->setPageLayout(раскладка(*принтер));
    const std::string название(заголовок);
    return начать_задание(
        std::move(лист), файл.fileName(), заголовок, QString::fromStdString(принтер->имя),
        [адрес = принтер->адрес, название](const QString &путь) {
            const std::string файл = QFile::encodeName(путь).toStdString();
            return итог_вне_окна([&] { return сдать_в_cups(адрес, файл, название); });
        });
}

} // namespace круголет
