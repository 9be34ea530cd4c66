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
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <optional>
#include <string>

namespace круголет {
namespace {

// The standard output of a program, or nothing when it failed.
std::optional<QString> вывод_команды(const QString &программа, const QStringList &аргументы) {
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
        : имя_(имя), была_(qEnvironmentVariableIsSet(имя)), прежняя_(qgetenv(имя)) {
        qputenv(имя, значение);
    }
    ~Переменная_среды() {
        if (была_)
            qputenv(имя_, прежняя_);
        else
            qunsetenv(имя_);
    }

  private:
    const char *имя_;
    bool была_;
    QByteArray прежняя_;
};

// A listening socket that nobody reads: the system takes the connections, and no answer comes.
class Немой_сервер {
  public:
    Немой_сервер() : гнездо_(socket(AF_INET, SOCK_STREAM, 0)) {
        sockaddr_in адрес{};
        адрес.sin_family = AF_INET;
        адрес.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t длина = sizeof адрес;
        // Port 0: the system gives a free one, so tests side by side each have their own.
        слушает_ = гнездо_ >= 0 &&
                   bind(гнездо_, reinterpret_cast<sockaddr *>(&адрес), длина) == 0 &&
                   listen(гнездо_, 16) == 0 &&
                   getsockname(гнездо_, reinterpret_cast<sockaddr *>(&адрес), &длина) == 0;
        порт_ = ntohs(адрес.sin_port);
    }
    ~Немой_сервер() {
        if (гнездо_ >= 0)
            close(гнездо_);
    }
    Немой_сервер(const Немой_сервер &) = delete;
    Немой_сервер &operator=(const Немой_сервер &) = delete;

    bool слушает() const { return слушает_; }
    QByteArray адрес() const { return "127.0.0.1:" + QByteArray::number(порт_); }

  private:
    int гнездо_;
    bool слушает_ = false;
    int порт_ = 0;
};

// A queue of this process's own that refuses jobs, removed with this object. It would write a
// PDF, if it took a job. Its own, so that tests side by side and other users of the print server
// are not disturbed.
class Отказывающая_очередь {
  public:
    Отказывающая_очередь()
        : имя_(QStringLiteral("krugolet-refusing-%1").arg(QCoreApplication::applicationPid())) {
        готова_ = вывод_команды("bash", {KRUGOLET_PRINT_SERVER, "refusing", имя_}).has_value();
    }
    ~Отказывающая_очередь() { вывод_команды("bash", {KRUGOLET_PRINT_SERVER, "remove", имя_}); }
    Отказывающая_очередь(const Отказывающая_очередь &) = delete;
    Отказывающая_очередь &operator=(const Отказывающая_очередь &) = delete;

    bool готова() const { return готова_; }
    const QString &имя() const { return имя_; }

  private:
    QString имя_;
    bool готова_;
};

// Counts the paints of the window it watches until a modal window first blocks it.
class Счетчик_перерисовок final : public QObject {
  public:
    int перерисовок = 0;

  protected:
    bool eventFilter(QObject *, QEvent *событие) override {
        if (событие->type() == QEvent::WindowBlocked)
            заблокировано_ = true;
        if (событие->type() == QEvent::Paint && !заблокировано_)
            ++перерисовок;
        return false;
    }

  private:
    bool заблокировано_ = false;
};

class QtPrintFailure : public Программа_qt {
  protected:
    void SetUp() override {
        Программа_qt::SetUp();
        ASSERT_TRUE(временная_.isValid());
    }

    void ожидать_ящик_ошибки_печати(const Ящики &ящики) {
        ASSERT_EQ(ящики.показаны.size(), 1u);
        EXPECT_EQ(ящики.показаны[0].заголовок, "Ошибка печати");
        EXPECT_EQ(ящики.показаны[0].текст, "Не могу инициализировать принтер");
        EXPECT_EQ(ящики.показаны[0].значок, QMessageBox::Critical);
        EXPECT_EQ(ящики.показаны[0].кнопок, 1);
    }

    // The PDF files in the temporary folder, by name.
    std::string оставлено() const {
        return QDir(временная_.path())
            .entryList({QStringLiteral("*.pdf")}, QDir::Files | QDir::Hidden)
            .join(' ')
            .toStdString();
    }

    // A job's PDF is drawn in the temporary folder: one of the test's own shows what is left (the
    // program's own folder is made there too).
    QTemporaryDir временная_;
    Переменная_среды своя_временная_{"TMPDIR", временная_.path().toUtf8()};
};

TEST_F(QtPrintFailure, AQueueThatRefusesJobsGivesTheErrorBoxAndReceivesNoJob) {
    if (!вывод_команды("bash", {KRUGOLET_PRINT_SERVER, "status"}))
        GTEST_SKIP() << "no print server (scripts/print-server start)";
    const Отказывающая_очередь очередь;
    ASSERT_TRUE(очередь.готова());
    const Переменная_среды по_умолчанию("LPDEST", очередь.имя().toUtf8());
    запустить({1990, 7, 14, 21, 30});

    Ящики ящики;
    щелкнуть(кнопка_печати);
    ожидать_ящик_ошибки_печати(ящики);
    EXPECT_EQ(вывод_команды("lpstat", {"-W", "all", "-o", очередь.имя()}), QString());
    EXPECT_EQ(оставлено(), "") << "the job's file was left behind";
}

TEST_F(QtPrintFailure, AServerThatNeverAnswersGivesTheErrorBoxWithinSecondsWhileTheWindowRepaints) {
    const Немой_сервер сервер;
    ASSERT_TRUE(сервер.слушает());
    const Переменная_среды адрес("CUPS_SERVER", сервер.адрес());
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
    EXPECT_EQ(оставлено(), "") << "a job's file was left behind";
}

} // namespace
} // namespace круголет
