#pragma once

// What every back end of the window layer promises (platform/window.h), as one parameterised
// suite: a back end's test program instantiates WindowLayerContract with a Фабрика_платформы of
// its own,
//
//   INSTANTIATE_TEST_SUITE_P(Qt, WindowLayerContract,
//                            ::testing::Values(Фабрика_платформы{"Qt", ...}), имя_стенда);
//
// and links krugolet_window_contract. The about window's template is the dialog the suite
// opens, so a back end that loads templates from resources needs the program's resources.

#include "platform/window.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace круголет {

// A back end under test, with what a test needs to act in it as a user does.
class Стенд_платформы {
  public:
    virtual ~Стенд_платформы() = default;

    virtual Платформа &платформа() = 0;
    // The user presses a key in a control, holds it down so that its press repeats there, or
    // lets it go, as the keyboard delivers it there; the control has handled it when this
    // returns.
    virtual void нажать_клавишу(Окно &элемент, Клавиша клавиша) = 0;
    virtual void повторить_клавишу(Окно &элемент, Клавиша клавиша) = 0;
    virtual void отпустить_клавишу(Окно &элемент, Клавиша клавиша) = 0;
    // The user types the text into a control, a key for each character, or pastes it there
    // from the clipboard.
    virtual void набрать(Окно &элемент, std::string_view текст) = 0;
    virtual void вставить(Окно &элемент, std::string_view текст) = 0;
    // Whether the window system sees the keyboard focus in this control.
    virtual bool в_фокусе(Окно &элемент) = 0;
    // The next modal dialog, once it is shown, has `действие` run inside its modal run, as a
    // user acting in it would.
    virtual void в_следующем_диалоге(std::function<void(Окно &диалог)> действие) = 0;
    // The next error box, once it is shown, is read and closed with its button, as a user
    // closes it; `прочитано` is given the text it showed.
    virtual void закрыть_следующую_ошибку(std::function<void(const std::string &)> прочитано) = 0;
    // The next modal window, a dialog or an error box, once it is shown, gets the press of the
    // key where its focus is, as from the keyboard. The key stays down: a test lets it go
    // where the keyboard sends it afterwards.
    virtual void нажать_в_следующем_окне(Клавиша клавиша) = 0;
};

struct Фабрика_платформы {
    const char *имя; // ASCII: it names the instantiation's tests
    std::function<std::unique_ptr<Стенд_платформы>()> создать;
};

inline void PrintTo(const Фабрика_платформы &фабрика, std::ostream *поток) {
    *поток << фабрика.имя;
}

std::string имя_стенда(const ::testing::TestParamInfo<Фабрика_платформы> &параметр);

class WindowLayerContract : public ::testing::TestWithParam<Фабрика_платформы> {
  protected:
    void SetUp() override;

    // A main window whose handler records every event but `прочее` and handles none.
    Окно &создать_главное();
    const std::vector<Событие> &события() const { return *события_; }

    std::unique_ptr<Стенд_платформы> стенд;

  private:
    std::vector<Событие> *события_ = nullptr;
};

} // namespace круголет
