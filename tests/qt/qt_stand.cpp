// The Qt window layer as a back end of the layer's contract, on the offscreen platform, keys
// and clicks coming as Qt delivers a user's.

#include "platform/qt/platform_qt.h"
#include "platform/qt/surface.h"
#include "runtime/qt_text.h"
#include "tests/window_contract/contract.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace круголет {
namespace {

Qt::Key код_клавиши(Клавиша клавиша) {
    switch (клавиша) {
    case Клавиша::ввод:
        return Qt::Key_Return;
    case Клавиша::табуляция:
        return Qt::Key_Tab;
    case Клавиша::пробел:
        return Qt::Key_Space;
    case Клавиша::другая:
        break;
    }
    return Qt::Key_F2;
}

QWidget *виджет(Окно &окно) {
    return static_cast<Окно_qt &>(окно).виджет();
}

class Стенд_qt final : public Стенд_платформы {
  public:
    Платформа &платформа() override { return платформа_; }

    void нажать_клавишу(Окно &элемент, Клавиша клавиша) override {
        QTest::keyPress(виджет(элемент), код_клавиши(клавиша));
    }

    void повторить_клавишу(Окно &элемент, Клавиша клавиша) override {
        const Qt::Key код = код_клавиши(клавиша);
        QTest::simulateEvent(виджет(элемент), true, код, Qt::NoModifier,
                             QString(QChar(QTest::keyToAscii(код))), true);
    }

    void отпустить_клавишу(Окно &элемент, Клавиша клавиша) override {
        QTest::keyRelease(виджет(элемент), код_клавиши(клавиша));
    }

    void набрать(Окно &элемент, std::string_view текст) override {
        QTest::keyClicks(виджет(элемент), в_qt(текст));
    }

    void вставить(Окно &элемент, std::string_view текст) override {
        QGuiApplication::clipboard()->setText(в_qt(текст));
        QTest::keySequence(виджет(элемент), QKeySequence::Paste);
    }

    bool в_фокусе(Окно &элемент) override {
        QWidget *в = виджет(элемент);
        return QTest::qWaitForWindowActive(в->window(), 2000) && QApplication::focusWidget() == в;
    }

    void в_следующем_диалоге(std::function<void(Окно &)> действие) override {
        ждать([действие](QWidget *окно) {
            auto *диалог = dynamic_cast<Поверхность<QDialog> *>(окно);
            if (!диалог || !диалог->окно())
                return false;
            действие(*диалог->окно());
            return true;
        });
    }

    void закрыть_следующую_ошибку(std::function<void(const std::string &)> прочитано) override {
        ждать([прочитано](QWidget *окно) {
            auto *ящик = qobject_cast<QMessageBox *>(окно);
            if (!ящик)
                return false;
            прочитано(ящик->text().toStdString());
            QTest::mouseClick(ящик->button(QMessageBox::Ok), Qt::LeftButton);
            return true;
        });
    }

    void нажать_в_следующем_окне(Клавиша клавиша) override {
        ждать([клавиша](QWidget *окно) {
            QTest::keyPress(окно->focusWidget() ? окно->focusWidget() : окно, код_клавиши(клавиша));
            return true;
        });
    }

  private:
    // Asks the shown modal window every few milliseconds until `взять` has taken one.
    void ждать(std::function<bool(QWidget *)> взять, int попыток = 500) {
        QTimer::singleShot(10, &хозяин_ожиданий_, [this, взять, попыток] {
            QWidget *окно = QApplication::activeModalWidget();
            if (окно && окно->isVisible() && взять(окно))
                return;
            if (попыток > 0)
                ждать(взять, попыток - 1);
        });
    }

    QObject хозяин_ожиданий_;
    Платформа_qt платформа_;
};

INSTANTIATE_TEST_SUITE_P(Qt, WindowLayerContract,
                         ::testing::Values(Фабрика_платформы{
                             "Qt", [] { return std::make_unique<Стенд_qt>(); }}),
                         имя_стенда);

} // namespace
} // namespace круголет
