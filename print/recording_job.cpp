#include "print/recording_job.h"

#include <algorithm>

namespace круголет {

namespace {

class Записывающее_задание : public Задание_печати {
  public:
    explicit Записывающее_задание(Записывающий_принтер &принтер) : принтер_(принтер) {}
    ~Записывающее_задание() override {
        if (!закончено_)
            нарушение("the job was dropped without ending it");
    }

    Фигуры_принтера фигуры_принтера() override { return принтер_.фигуры; }

    int разрешение_экрана() override {
        const auto &разрешения = принтер_.разрешения_экрана;
        return разрешения.at(std::min(запись().страницы.size(), разрешения.size() - 1));
    }

    void выбрать_шрифт(std::string_view семейство, int размер) override {
        действует();
        шрифт_ = std::string(семейство);
        размер_шрифта_ = размер;
    }

    void начать_страницу() override {
        действует();
        if (страница_открыта_)
            нарушение("a page started inside a page");
        if (шрифт_.empty())
            нарушение("a page started with no font selected");
        запись().страницы.push_back({шрифт_, размер_шрифта_, {}});
        страница_открыта_ = true;
    }

    void нарисовать(int x, int y, std::string_view строка) override {
        действует();
        if (!страница_открыта_)
            return нарушение("drawing outside a page");
        запись().страницы.back().надписи.push_back({x, y, std::string(строка)});
    }

    void закончить_страницу() override {
        действует();
        if (!страница_открыта_)
            нарушение("a page ended that was not started");
        страница_открыта_ = false;
    }

    bool отменено() override {
        const auto &после = принтер_.отменить_после_страниц;
        return после && запись().страницы.size() - страница_открыта_ >= *после;
    }

    bool закончить() override {
        действует();
        if (страница_открыта_)
            нарушение("the job ended inside a page");
        закончено_ = true;
        ++запись().закончено_заданий;
        return true;
    }

  private:
    Запись_печати &запись() { return принтер_.запись; }
    void нарушение(std::string что) { запись().нарушения.push_back(std::move(что)); }
    void действует() {
        if (закончено_)
            нарушение("a call after the job ended");
    }

    Записывающий_принтер &принтер_;
    std::string шрифт_;
    int размер_шрифта_ = 0;
    bool страница_открыта_ = false;
    bool закончено_ = false;
};

} // namespace

std::unique_ptr<Задание_печати> Записывающий_принтер::начать(std::string_view заголовок) {
    if (!подключен)
        return nullptr;
    запись.задания.emplace_back(заголовок);
    return std::make_unique<Записывающее_задание>(*this);
}

} // namespace круголет
