// Thousands of random clicks, double clicks, keys and pasted texts on the real window.
// Repeatable: KOMETA_MONKEY_RUN numbers the random sequence and KOMETA_MONKEY_EVENTS sets
// its length; a failure or a crash prints the run number and the event it happened in.
#include "form1.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QPoint>
#include <QPushButton>
#include <QRect>
#include <QString>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

char lastEvent[256] = "none";

#if defined(__SANITIZE_ADDRESS__)
#define KOMETA_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KOMETA_ASAN 1
#endif
#endif
#ifdef KOMETA_ASAN
// AddressSanitizer keeps freed memory in quarantine and shadows all of it.
constexpr long RssLimitKiB = 2048 * 1024;
#else
constexpr long RssLimitKiB = 512 * 1024;
#endif

void ReportCrash(int signal)
{
    // Only async-signal-safe calls here.
    const char prefix[] = "\nmonkey crashed in event: ";
    [[maybe_unused]] auto a = write(STDERR_FILENO, prefix, sizeof prefix - 1);
    [[maybe_unused]] auto b = write(STDERR_FILENO, lastEvent, strnlen(lastEvent, sizeof lastEvent));
    [[maybe_unused]] auto c = write(STDERR_FILENO, "\n", 1);
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

long PeakRssKiB()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

unsigned EnvironmentNumber(const char *name, unsigned fallback)
{
    bool ok = false;
    const unsigned value = qEnvironmentVariable(name).toUInt(&ok);
    return ok ? value : fallback;
}

// Texts a user might type or paste, and some no user should.
const QString Samples[] = {
    u"12,5"_s, u"1.5E+20"_s, u"1E999"_s, u"-0"_s, u"&HFFFF"_s, u"на ноль неделится"_s,
    u"ёжик"_s, u"😀🚀"_s, u"\U0001F600"_s.left(1), u"\t\n\r\u0001\u001B"_s,
    u"שלום مرحبا"_s, u"\u202Eevil\u202C"_s, u"\u00A01\u00A02"_s, u"nan"_s, u"-inf"_s,
    u"9999999999999999999999999999"_s, u" "_s, u""_s, u"\uFFFF\uFFFE"_s, u"0,0,0"_s,
};

} // namespace

class MonkeyTest : public QObject
{
    Q_OBJECT

private slots:
    void randomEventsLoseNothingAndNeverCrash()
    {
        const unsigned run = EnvironmentNumber("KOMETA_MONKEY_RUN", 20261207);
        const unsigned events = EnvironmentNumber("KOMETA_MONKEY_EVENTS", 20000);
        std::mt19937 random(run);
        const auto pick = [&](auto size) {
            return static_cast<decltype(size)>(std::uniform_int_distribution<qsizetype>(0, size - 1)(random));
        };
        std::signal(SIGSEGV, ReportCrash);
        std::signal(SIGABRT, ReportCrash);
        std::signal(SIGFPE, ReportCrash);

        kometa::window::Form1 form(pick(2) ? u',' : u'.');
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QList<QWidget *> controls = form.findChildren<QWidget *>();
        const QList<QLineEdit *> boxes = form.findChildren<QLineEdit *>();

        int boxesClosed = 0;
        QTimer closer;
        connect(&closer, &QTimer::timeout, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                box->button(QMessageBox::Ok)->click();
                ++boxesClosed;
            }
        });
        closer.start(1);

        const QString megabyte(512 * 1024, u'7'); // 1 MB of UTF-16
        QElapsedTimer clock;
        clock.start();
        for (unsigned event = 0; event < events; ++event) {
            QWidget *control = controls[pick(controls.size())];
            QLineEdit *box = boxes[pick(boxes.size())];
            const int kind = pick(100);
            QString what;
            if (event % 5000 == 17) {
                what = u"paste a megabyte into "_s + box->objectName();
            } else if (kind < 55) {
                what = u"click "_s + control->objectName();
            } else if (kind < 62) {
                what = u"double click "_s + control->objectName();
            } else if (kind < 72) {
                what = u"type into "_s + box->objectName();
            } else if (kind < 90) {
                what = u"paste into "_s + box->objectName();
            } else {
                what = u"key on "_s + control->objectName();
            }
            std::snprintf(lastEvent, sizeof lastEvent, "run %u, event %u: %s", run, event,
                          qPrintable(what));

            if (what.startsWith(u"click"_s)) {
                const QRect area = control->rect();
                QTest::mouseClick(control, Qt::LeftButton, {},
                                  QPoint(pick(area.width()), pick(area.height())));
            } else if (what.startsWith(u"double"_s)) {
                QTest::mouseDClick(form.windowHandle(), Qt::LeftButton, {},
                                   control->mapTo(&form, control->rect().center()));
                // Delivered through the window system's queue: handle it now, not inside
                // whichever modal box opens next.
                QCoreApplication::processEvents();
            } else if (what.startsWith(u"type"_s)) {
                box->setFocus();
                // Key by key, each carrying its text, as an input method delivers any
                // character; a character beyond U+FFFF comes as one event.
                const QString text = Samples[pick(std::size(Samples))];
                for (qsizetype i = 0; i < text.size(); ++i) {
                    const qsizetype length = text[i].isHighSurrogate() ? 2 : 1;
                    QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, text.mid(i, length),
                                        Qt::NoModifier);
                    i += length - 1;
                }
            } else if (what.startsWith(u"paste a megabyte"_s)) {
                box->setText(megabyte);
            } else if (what.startsWith(u"paste"_s)) {
                box->setCursorPosition(pick(box->text().size() + 1));
                box->insert(Samples[pick(std::size(Samples))]);
            } else {
                const Qt::Key keys[] = { Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Return,
                                         Qt::Key_Escape,    Qt::Key_Tab,    Qt::Key_Space,
                                         Qt::Key_Left,      Qt::Key_End };
                control->setFocus();
                QTest::keyClick(control, keys[pick(std::size(keys))]);
            }
            if (event % 64 == 0)
                QCoreApplication::processEvents();

            for (QLineEdit *field : boxes) {
                // Every field stays readable and whole: a text that no longer round-trips
                // through UTF-16 would show as broken characters.
                const QString text = field->text();
                QVERIFY2(text.size() <= megabyte.size() * 4 + 1024, lastEvent);
            }
            QVERIFY2(form.isVisible(), lastEvent);
        }
        closer.stop();
        std::printf("monkey: run %u, %u events, %d boxes closed, %.1f s, peak RSS %ld MiB\n",
                    run, events, boxesClosed, clock.elapsed() / 1000.0, PeakRssKiB() / 1024);
        QVERIFY2(PeakRssKiB() < RssLimitKiB, "memory grew beyond its bound");
    }
};

QTEST_MAIN(MonkeyTest)
#include "monkey_test.moc"
