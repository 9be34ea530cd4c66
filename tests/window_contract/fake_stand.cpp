// The recording fake as a back end of the window layer: the windows' own tests rely on it
// behaving as the real back ends do.

#include "platform/fake/fake_platform.h"
#include "tests/window_contract/contract.h"

namespace круголет {
namespace {

class Стенд_подделки final : public Стенд_платформы {
  public:
    Платформа &платформа() override { return платформа_; }

    void нажать_клавишу(Окно &элемент, Клавиша клавиша) override {
        const bool оставлено = платформа_.нажать_клавишу(элемент, клавиша) != обработано;
        if (оставлено && клавиша == Клавиша::пробел)
            платформа_.ввести(элемент, " ");
    }

    void повторить_клавишу(Окно &элемент, Клавиша клавиша) override {
        платформа_.нажать_клавишу(элемент, клавиша, true);
    }

    void отпустить_клавишу(Окно &элемент, Клавиша клавиша) override {
        платформа_.отпустить_клавишу(элемент, клавиша);
    }

    void набрать(Окно &элемент, std::string_view текст) override {
        платформа_.ввести(элемент, текст);
    }

    void вставить(Окно &элемент, std::string_view текст) override {
        платформа_.вставить(элемент, текст);
    }

    bool в_фокусе(Окно &элемент) override { return платформа_.фокус == &элемент; }

    void в_следующем_диалоге(std::function<void(Окно &)> действие) override {
        действие_ = std::move(действие);
        платформа_.в_диалоге = [this](Окно_для_тестов &диалог) {
            const auto действие = std::move(действие_);
            действие_ = nullptr;
            if (действие)
                действие(диалог);
        };
    }

    void закрыть_следующую_ошибку(std::function<void(const std::string &)> прочитано) override {
        платформа_.при_ошибке = [прочитано = std::move(прочитано)](const Показанная_ошибка &о) {
            прочитано(о.текст);
        };
    }

    // An error box has no window here: the press goes to it and closes it. A dialog has its
    // default button clicked by Enter.
    void нажать_в_следующем_окне(Клавиша клавиша) override {
        платформа_.при_ошибке = [this](const Показанная_ошибка &) {
            платформа_.при_ошибке = nullptr;
        };
        в_следующем_диалоге(
            [this, клавиша](Окно &диалог) { платформа_.нажать_клавишу(диалог, клавиша); });
    }

  private:
    Платформа_для_тестов платформа_;
    std::function<void(Окно &)> действие_;
};

INSTANTIATE_TEST_SUITE_P(Fake, WindowLayerContract,
                         ::testing::Values(Фабрика_платформы{
                             "Fake", [] { return std::make_unique<Стенд_подделки>(); }}),
                         имя_стенда);

} // namespace
} // namespace круголет
