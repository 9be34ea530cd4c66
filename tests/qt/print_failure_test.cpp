// "Печать" where the print server does not take the job: a queue of the test's own that refuses
// jobs, made this process's default printer, and a server that takes the connection and never
// answers. Either way the print error box, and nothing printed.

#include "tests/qt/program_fixture.h"
#include "ui/controls.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <arpa/inet.h>
#include <sys/socket.h>
#include <unistd.h>

#include <optional>

namespace круголет {
namespace {

// The standard output of a command, or nothing when it failed.
std::optional<QString> вывод(const QString &программа, const QStringList &аргументы) {
    QProcess процесс;
    процесс.start(программа, аргументы);
    if (!процесс.waitForFinished(30000) || процесс.exitStatus() != QProcess::NormalExit ||
        процесс.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(процесс.readAllStandardOutput());
}

// An environment variable of this process, set for as long as this object lives.
class Переменная_среды {
  public:
    Переменная_среды(const char *имя, const QByteArray &значение)
        : имя_(имя), прежняя_(qgetenv(имя)) {
        qputenv(имя, значение);
    }
    ~Переменная_среды() { прежняя_.isNull() ? qunsetenv(имя_) : qputenv(имя_, прежняя_); }

  private:
    const char *имя_;
    QByteArray прежняя_;
};

// A queue of this process's own that refuses jobs, so that tests side by side and other users of
// the print server are not disturbed; it would write a PDF, if it took a job.
struct Отказывающая_очередь {
    QString имя = QStringLiteral("krugolet-refusing-%1").arg(QCoreApplication::applicationPid());
    bool готова = вывод("bash", {KRUGOLET_PRINT_SERVER, "refusing", имя}).has_value();
    ~Отказывающая_очередь() { вывод("bash", {KRUGOLET_PRINT_SERVER, "remove", имя}); }
};

// A listening socket on a free port that nobody reads: the system takes the connections, and no
// answer comes. Its address is empty when it could not be made.
class Немой_сервер {
  public:
    Немой_сервер() {
        sockaddr_in место{};
        место.sin_family = AF_INET;
        место.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t длина = sizeof место;
        auto *общее = reinterpret_cast<sockaddr *>(&место);
        if (bind(гнездо_, общее, длина) == 0 && listen(гнездо_, 16) == 0 &&
            getsockname(гнездо_, общее, &длина) == 0)
            адрес = "127.0.0.1:" + QByteArray::number(ntohs(место.sin_port));
    }
    ~Немой_сервер() { close(гнездо_); }

    QByteArray адрес;

  private:
    int гнездо_ = socket(AF_INET, SOCK_STREAM, 0);
};

// Counts the paints of the window it watches until a modal window first blocks it.
class Счетчик_перерисовок final : public QObject {
  public:
    int перерисовок = 0;

  protected:
    bool eventFilter(QObject *, QEvent *событие) override {
        заблокировано_ |= событие->type() == QEvent::WindowBlocked;
        перерисовок += событие->type() == QEvent::Paint && !заблокировано_;
        return false;
    }

  private:
    bool заблокировано_ = false;
};

void ожидать_ящик_ошибки_печати(const Ящики &ящики) {
    ASSERT_EQ(ящики.показаны.size(), 1u);
    EXPECT_EQ(ящики.показаны[0].заголовок, "Ошибка печати");
    EXPECT_EQ(ящики.показаны[0].текст, "Не могу инициализировать принтер");
    EXPECT_EQ(ящики.показаны[0].значок, QMessageBox::Critical);
}

using QtPrintFailure = Программа_qt;

TEST_F(QtPrintFailure, AQueueThatRefusesJobsGivesTheErrorBoxAndReceivesNoJob) {
    if (!вывод("bash", {KRUGOLET_PRINT_SERVER, "status"}))
        GTEST_SKIP() << "no print server (scripts/print-server start)";
    const Отказывающая_очередь очередь;
    ASSERT_TRUE(очередь.готова);
    const Переменная_среды по_умолчанию("LPDEST", очередь.имя.toUtf8());
    // The job's PDF is drawn in the temporary folder: one of the test's own shows what is left.
    const QTemporaryDir временная;
    const Переменная_среды своя_временная("TMPDIR", временная.path().toUtf8());
    запустить({1990, 7, 14, 21, 30});

    Ящики ящики;
    щелкнуть(кнопка_печати);
    ожидать_ящик_ошибки_печати(ящики);
    EXPECT_EQ(вывод("lpstat", {"-W", "all", "-o", очередь.имя}), QString());
    EXPECT_EQ(QDir(временная.path()).entryList({"*.pdf"}, QDir::Files).join(' ').toStdString(), "");
}

TEST_F(QtPrintFailure, AServerThatNeverAnswersGivesTheErrorBoxWithinSecondsWhileTheWindowRepaints) {
    const Немой_сервер сервер;
    ASSERT_FALSE(сервер.адрес.isEmpty());
    const Переменная_среды адрес("CUPS_SERVER", сервер.адрес);
    запустить({1990, 7, 14, 21, 30});

    // The window is asked to repaint again and again; it does only while its thread handles
    // events. (Each paint draws the pictures anew: a few a second on the offscreen platform.)
    Счетчик_перерисовок счетчик;
    главное()->installEventFilter(&счетчик);
    QTimer перерисовка;
    QObject::connect(&перерисовка, &QTimer::timeout, [this] { главное()->update(); });
    перерисовка.start(50);

    Ящики ящики;
    QElapsedTimer часы;
    часы.start();
    щелкнуть(кнопка_печати);
    const qint64 прошло = часы.elapsed();
    ожидать_ящик_ошибки_печати(ящики);
    // Five seconds of silence, and one that CUPS waits first, with room for a loaded machine.
    EXPECT_LT(прошло, 10000);
    EXPECT_GE(счетчик.перерисовок, 5) << "in " << прошло << " ms";
}

} // namespace
} // namespace круголет
