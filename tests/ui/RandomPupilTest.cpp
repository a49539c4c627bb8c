// A random pupil: seeded sessions of clicks, typing and keys on the real
// windows, checking after every action what a pupil can see must hold.
//
// TRAINER_PUPIL_SEED=N replays seed N exactly: the actions and the example
// orders of its sessions; TRAINER_PUPIL_SEED=random picks a fresh seed. TRAINER_PUPIL_ACTIONS=N
// changes the number of actions.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <array>
#include <cmath>
#include <cstdlib>
#include <deque>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "WindowTestSupport.h"
#include "engine/NumberText.h"
#include "engine/StepChecks.h"
#include "engine/Trainer.h"

#ifndef TRAINER_PUPIL_ACTIONS
#define TRAINER_PUPIL_ACTIONS 20000
#endif

namespace {

using testing_support::control;
using testing_support::qs;

std::uint64_t pupilSeed() {
    const char* text = std::getenv("TRAINER_PUPIL_SEED");
    if (text && std::string_view(text) == "random")
        return std::random_device{}() * 0x100000001ull ^ std::random_device{}();
    if (text && *text)
        return std::strtoull(text, nullptr, 10);
    return 20240611;
}

int pupilActions() {
    const char* text = std::getenv("TRAINER_PUPIL_ACTIONS");
    return text && *text ? std::atoi(text) : TRAINER_PUPIL_ACTIONS;
}

// Watches every window that appears. The last-example message is answered
// with its OK button from a zero-timer, as a pupil would; any other window
// but the two of the program is a fault (and is closed so the run goes on).
class WindowWatch final : public QObject {
public:
    int lastExampleMessages = 0;
    std::vector<std::string> strangers;

    int paints = 0;

    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        if (event->type() != QEvent::Show || !object->isWidgetType())
            return false;
        auto* widget = static_cast<QWidget*>(object);
        if (!widget->isWindow() || widget->objectName() == "Form1" ||
            widget->objectName() == "Form2")
            return false;
        auto* box = qobject_cast<QMessageBox*>(widget);
        if (box && box->objectName() == "lastExampleMessage" &&
            box->text() == qs(engine::kLastExampleMessage) && box->isModal()) {
            ++lastExampleMessages;
            QTimer::singleShot(0, box, [box] {
                if (QAbstractButton* ok = box->button(QMessageBox::Ok))
                    QTest::mouseClick(ok, Qt::LeftButton);
                else
                    box->reject();
            });
        } else {
            std::string name = widget->metaObject()->className();
            name += " \"" + widget->objectName().toStdString() + "\"";
            if (box)
                name += ": " + box->text().toStdString();
            strangers.push_back(name);
            QTimer::singleShot(0, widget, [widget] { widget->close(); });
        }
        return false;
    }
};

// What a pupil types: a mix of right answers in several notations and all
// kinds of wrong or strange text.
class Texts {
public:
    explicit Texts(std::mt19937_64& random) : random_(random) {}

    QString wrong() {
        // clang-format off
        static const char* const kFixed[] = {
            "", " ", "   ", "\t", "0", "-0", "007", "12", "-3", "1.5", ".5", "5.", "1,5",
            "99999999999999999999999", "1e308", "1E400", "-1d-400", "1.5E+2", "3D2", "2e", "e5",
            "&HFF", "&h7fffffffffffffff", "&HFFFFFFFFFFFFFFFFFF", "&O17", "&", "&X1", "0x1A",
            "пять", "Ё", "1а2", "ДваЕ3", "!@#$%^&*()", "½", "😀", "--5", "+-1", "1 2 3", "NaN",
            "inf", "-", "+", ".", "1e-400", "4.9E-324", "1.7976931348623157E+308",
        };
        // clang-format on
        switch (pick(4)) {
        case 0:
            return qs(kFixed[pick(std::size(kFixed))]);
        case 1: // digits, a sign, a point or an exponent in random places
            return randomText("0123456789+-.eEdD &H", 1 + pick(24));
        case 2: // anything printable, Cyrillic included
            return randomText(
                "абвгдеёжзийклмнопрстуфхцчшщъыьэюяАБВЕЁЖЯ0123456789 .,;:!?-+*/()[]\"'&",
                1 + pick(16));
        default: // very long texts
            return pick(2) ? QString(static_cast<qsizetype>(500 + pick(4000)), QChar(u'9'))
                           : randomText("0123456789 .eE-", 200 + pick(3000));
        }
    }

    // `value` written as a pupil might write it, all of which read as value.
    QString right(double value) {
        const QString plain = QString::number(value, 'g', 15);
        switch (pick(7)) {
        case 0:
            return spaced(plain);
        case 1:
            return QString::number(value / 10, 'g', 15) + "E1";
        case 2:
            return QString::number(value * 100, 'g', 15) + "d-2";
        case 3:
            return "+" + plain;
        case 4:
            return plain + qs("abc ёж");
        case 5:
            if (value >= 0 && value == std::floor(value) && value < 1e15)
                return "&H" + QString::number(static_cast<qlonglong>(value), 16).toUpper();
            return plain;
        default:
            return plain;
        }
    }

private:
    std::size_t pick(std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_);
    }

    QString randomText(const char* alphabet, std::size_t length) {
        const QString letters = qs(alphabet);
        QString text;
        for (std::size_t i = 0; i < length; ++i)
            text +=
                letters.at(static_cast<qsizetype>(pick(static_cast<std::size_t>(letters.size()))));
        return text;
    }

    QString spaced(const QString& text) {
        QString out;
        for (QChar c : text) {
            out += c;
            if (pick(2))
                out += ' ';
        }
        return " " + out;
    }

    std::mt19937_64& random_;
};

enum class Action {
    ClickStart,
    PressEsc,
    TypeText,
    ClickConfirm,
    PressEnter,
    ClickOption,
    ClickNext,
    ClickResults,
    CloseResults,
};

// One session: a fresh program driven by the shared random source.
class PupilSession {
public:
    PupilSession(std::mt19937_64& random, std::uint64_t seed, int session)
        : random_(random), texts_(random), seed_(seed), session_(session), order_(random()),
          shown_(&order_) {
        QApplication::instance()->installEventFilter(&watch_);
        for (int n = 8; n <= 25; ++n)
            labels_[static_cast<std::size_t>(n)] =
                control<QLabel>(window(), QStringLiteral("Label%1").arg(n));
        option1_ = control<QRadioButton>(window(), "Option1");
        option2_ = control<QRadioButton>(window(), "Option2");
    }
    ~PupilSession() { QApplication::instance()->removeEventFilter(&watch_); }

    // Runs `count` actions; false after the first broken rule, which it reports.
    bool run(int count, int firstIndex) {
        for (int i = 0; i < count; ++i) {
            index_ = firstIndex + i;
            act();
            QApplication::processEvents();
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            if (!checkAfterAction())
                return false;
        }
        return true;
    }

    int messages() const { return watch_.lastExampleMessages; }
    int paints() const { return watch_.paints; }
    bool reachedTheEnd() const { return settled_; }
    int resultsShown() const { return resultsShown_; }
    int rightVerdicts() const { return rightVerdicts_; }
    int wrongVerdicts() const { return wrongVerdicts_; }

private:
    ui::MainWindow& window() { return shown_.window(); }
    const engine::TrainerState& state() const { return shown_.state(); }
    QString caption(int n) const { return labels_[static_cast<std::size_t>(n)]->text(); }
    std::size_t pick(std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_);
    }
    int pickStep() { return 1 + static_cast<int>(pick(7)); }

    Action chooseAction() {
        struct Weighted {
            Action action;
            int weight;
        };
        static constexpr Weighted kActions[] = {
            {Action::ClickStart, 2},    {Action::PressEsc, 2},     {Action::TypeText, 30},
            {Action::ClickConfirm, 18}, {Action::PressEnter, 12},  {Action::ClickOption, 6},
            {Action::ClickNext, 7},     {Action::ClickResults, 6}, {Action::CloseResults, 3},
        };
        int total = 0;
        for (const Weighted& w : kActions)
            total += w.weight;
        int roll = static_cast<int>(pick(static_cast<std::size_t>(total)));
        for (const Weighted& w : kActions) {
            if (roll < w.weight)
                return w.action;
            roll -= w.weight;
        }
        return Action::TypeText;
    }

    void log(std::string what) {
        if (recent_.size() == 12)
            recent_.pop_front();
        recent_.push_back("#" + std::to_string(index_) + " " + what);
    }

    void act() {
        before_ = snapshot();
        const Action action = chooseAction();
        pressedNext_ = false;
        refreshed_ = false;
        mayDraw_ = action == Action::ClickStart || action == Action::PressEsc ||
                   action == Action::ClickConfirm || action == Action::PressEnter ||
                   action == Action::ClickNext;
        confirmedStep_ = 0;
        switch (action) {
        case Action::ClickStart:
            // A pupil can click "Начало" only while it is inside the window.
            if (window().rect().intersects(window().startButton()->geometry())) {
                log("click Начало");
                QTest::mouseClick(window().startButton(), Qt::LeftButton);
            } else {
                log("Esc (Начало out of view)");
                pressEsc();
            }
            break;
        case Action::PressEsc:
            log("Esc");
            pressEsc();
            break;
        case Action::TypeText:
            typeText(pickStep());
            break;
        case Action::ClickConfirm: {
            const int k = pickStep();
            log("click Да " + std::to_string(k));
            noteConfirm(k);
            QTest::mouseClick(window().confirmButton(k), Qt::LeftButton);
            break;
        }
        case Action::PressEnter: {
            const int k = pickStep();
            log("Enter in t" + std::to_string(k));
            noteConfirm(k);
            QTest::keyClick(window().answerBox(k), pick(2) ? Qt::Key_Return : Qt::Key_Enter);
            break;
        }
        case Action::ClickOption: {
            QRadioButton* option = pick(2) ? option1_ : option2_;
            log("click " + option->objectName().toStdString());
            QTest::mouseClick(option, Qt::LeftButton);
            expectedOption2_ = option == option2_;
            break;
        }
        case Action::ClickNext:
            log("click Ещё пример");
            pressedNext_ = true;
            QTest::mouseClick(window().nextButton(), Qt::LeftButton);
            break;
        case Action::ClickResults:
            log("click Результат");
            refreshed_ = true;
            QTest::mouseClick(window().resultsButton(), Qt::LeftButton);
            break;
        case Action::CloseResults:
            log("close the results window");
            if (ui::ResultsWindow* results = shown_.app->results().window())
                results->close();
            break;
        }
    }

    // Whether box k holds, unchanged, the right value typed for this example.
    void noteConfirm(int k) {
        confirmedStep_ = k;
        const auto i = static_cast<std::size_t>(k);
        confirmedRight_ = !rightText_[i].isEmpty() &&
                          window().answerBox(k)->text() == rightText_[i] &&
                          rightExample_[i] == caption(9);
    }

    void pressEsc() {
        // Esc belongs to the main window: the pupil first brings it forward.
        if (QApplication::activeWindow() != &window()) {
            window().activateWindow();
            if (!QTest::qWaitForWindowActive(&window(), 1000))
                log("(the main window did not become active)");
        }
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus && focus->window() == &window() ? focus : &window(), Qt::Key_Escape);
    }

    void typeText(int k) {
        QLineEdit* box = window().answerBox(k);
        const bool right = state().exampleNumber > 0 && pick(2) == 0;
        const QString text =
            right ? texts_.right(engine::expectedValue(state(), k)) : texts_.wrong();
        const bool replace = right || pick(4) != 0;
        log(std::string(replace ? "type into t" : "append to t") + std::to_string(k) + " \"" +
            text.left(40).toStdString() + (text.size() > 40 ? "...\"" : "\""));
        if (replace) {
            box->setFocus();
            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(box, Qt::Key_Delete);
        }
        if (text.size() > 40 || text.contains('\t')) {
            box->insert(text); // pasted
        } else {
            for (QChar c : text) {
                if (c.unicode() < 0x80)
                    QTest::keyClick(box, static_cast<char>(c.unicode()));
                else
                    QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c),
                                        Qt::NoModifier);
            }
        }
        rightText_[static_cast<std::size_t>(k)] = right ? box->text() : QString();
        rightExample_[static_cast<std::size_t>(k)] = caption(9);
    }

    struct Snapshot {
        std::array<QString, 26> captions;
        std::array<int, engine::kSteps + 1> stepErrors;
        int messages;
    };
    Snapshot snapshot() const {
        Snapshot s;
        for (int n = 8; n <= 25; ++n)
            s.captions[static_cast<std::size_t>(n)] = caption(n);
        s.stepErrors = state().stepErrors;
        s.messages = watch_.lastExampleMessages;
        return s;
    }

    // Reports a broken rule with all that is needed to replay it.
    bool fail(const std::string& what) {
        std::ostringstream out;
        out << what << "\n  replay: TRAINER_PUPIL_SEED=" << seed_ << " (session " << session_
            << ", action #" << index_ << ")\n  last actions:";
        for (const std::string& line : recent_)
            out << "\n    " << line;
        ADD_FAILURE() << out.str();
        return false;
    }

    static std::optional<int> number(const QString& text) {
        bool ok = false;
        const int value = text.toInt(&ok);
        return ok ? std::optional<int>(value) : std::nullopt;
    }

    bool checkAfterAction() {
        const Snapshot now = snapshot();
        if (!watch_.strangers.empty())
            return fail("a window the program never shows appeared: " + watch_.strangers.front());

        // The last-example message comes with every press of "Ещё пример" on
        // the 21st example, and at no other time.
        const bool atLast = before_.captions[9] == "21";
        const int newMessages = now.messages - before_.messages;
        if (newMessages != (pressedNext_ && atLast ? 1 : 0))
            return fail(std::to_string(newMessages) + " last-example messages after this action");
        if (QApplication::activeModalWidget())
            return fail("a modal window stayed open");

        const bool started = !now.captions[9].isEmpty();
        if (!started) {
            for (int n = 8; n <= 25; ++n)
                if (!now.captions[static_cast<std::size_t>(n)].isEmpty())
                    return fail("Label" + std::to_string(n) + " shows text before the start");
        } else {
            const auto example = number(now.captions[9]);
            if (!example || *example < 1 || *example > 21)
                return fail("the example number reads \"" + now.captions[9].toStdString() + "\"");
            const auto before = number(before_.captions[9]);
            if (before && *example < *before)
                return fail("the example number went down");
            if (before && *example > *before + 1)
                return fail("the example number jumped");
            const auto errors = number(now.captions[11]);
            if (!errors || *errors < 0)
                return fail("the error count reads \"" + now.captions[11].toStdString() + "\"");
            if (const auto old = number(before_.captions[11]); old && *errors < *old)
                return fail("the error count went down");
            int sum = 0;
            for (int k = 1; k <= engine::kSteps; ++k)
                sum += now.stepErrors[static_cast<std::size_t>(k)];
            if (*errors != sum)
                return fail("the error count differs from what the results would show");
            if (!checkSteps(now, *example))
                return false;
        }
        if (!checkCounters(now))
            return false;
        if (refreshed_ && !checkResultsWindow(now, started))
            return false;
        if (option2_->isChecked() != expectedOption2_ ||
            option1_->isChecked() == option2_->isChecked())
            return fail("the reducibility options do not show the pupil's last choice");
        return checkScreenIsFresh();
    }

    // The screen shows what a fresh paint of the window would: every change
    // was repainted. The band of the drawn example is compared after every
    // action that may draw, the whole window now and then (a grab is slow).
    bool checkScreenIsFresh() {
        static const QRect kDrawingBand(0, 0, 706, 140);
        QRect area;
        if (index_ % 50 == 0)
            area = window().rect();
        else if (mayDraw_)
            area = kDrawingBand;
        else
            return true;
        QApplication::sendPostedEvents(); // the repaints already asked for
        const QImage shown =
            window()
                .screen()
                ->grabWindow(window().winId(), area.x(), area.y(), area.width(), area.height())
                .toImage()
                .convertToFormat(QImage::Format_RGB32);
        const QImage fresh = window().grab(area).toImage().convertToFormat(QImage::Format_RGB32);
        if (shown.size() != fresh.size())
            return fail("the screen holds a window of another size");
        QRect stale;
        for (int y = 0; y < shown.height(); ++y) {
            const auto* a = reinterpret_cast<const QRgb*>(shown.constScanLine(y));
            const auto* b = reinterpret_cast<const QRgb*>(fresh.constScanLine(y));
            for (int x = 0; x < shown.width(); ++x) {
                if (a[x] != b[x])
                    stale |= QRect(x + area.x(), y + area.y(), 1, 1);
            }
        }
        if (!stale.isNull())
            return fail("the screen was left unpainted in " + std::to_string(stale.width()) +
                        " x " + std::to_string(stale.height()) + " pixels at (" +
                        std::to_string(stale.x()) + ", " + std::to_string(stale.y()) + ")");
        return true;
    }

    // The echoes and verdicts of the steps.
    bool checkSteps(const Snapshot& now, int example) {
        const bool sameExample = before_.captions[9] == now.captions[9];
        if (pressedNext_ && before_.captions[9] == "21") {
            // Settling the 21st example changes only the error count, and
            // every press after it nothing at all.
            for (int n = 8; n <= 25; ++n) {
                if (n != 11 && now.captions[static_cast<std::size_t>(n)] !=
                                   before_.captions[static_cast<std::size_t>(n)])
                    return fail("a press after the 21st example changed Label" + std::to_string(n));
            }
            if (settled_ && now.captions[11] != before_.captions[11])
                return fail("a press after the settling press changed the error count");
            settled_ = true;
        }
        for (int k = 1; k <= engine::kTypedSteps; ++k) {
            const QString& echo = now.captions[static_cast<std::size_t>(11 + k)];
            const QString& verdict = now.captions[static_cast<std::size_t>(18 + k)];
            const QString& echoBefore = before_.captions[static_cast<std::size_t>(11 + k)];
            if (verdict != "" && verdict != qs(engine::kVerdictRight) &&
                verdict != qs(engine::kVerdictWrong))
                return fail("a verdict reads \"" + verdict.toStdString() + "\"");
            if (echo.isEmpty() != verdict.isEmpty())
                return fail("step " + std::to_string(k) + " has an echo without a verdict or back");
            // A step is judged once per example: its echo stays until the next one.
            if (sameExample && !echoBefore.isEmpty() && echo != echoBefore)
                return fail("step " + std::to_string(k) + " was judged twice in one example");
            if (!sameExample && example > 1 && !echo.isEmpty())
                return fail("a new example shows an old echo");
        }
        if (confirmedStep_ > 0 && sameExample && !settled_) {
            const auto i = static_cast<std::size_t>(confirmedStep_);
            const bool wasOpen = before_.captions[11 + i].isEmpty();
            const QString& verdict = now.captions[18 + i];
            if (wasOpen && verdict.isEmpty())
                return fail("confirming an open step gave no verdict");
            if (wasOpen && confirmedRight_ && verdict != qs(engine::kVerdictRight))
                return fail("the right value typed as \"" + rightText_[i].toStdString() +
                            "\" was judged wrong");
            if (!wasOpen && !window().answerBox(confirmedStep_)->text().isEmpty())
                return fail("confirming a judged step did not empty its box");
            if (verdict == qs(engine::kVerdictRight) && wasOpen)
                ++rightVerdicts_;
            if (verdict == qs(engine::kVerdictWrong) && wasOpen)
                ++wrongVerdicts_;
        }
        return true;
    }

    // The step counters: they never go down, and each grows by at most one
    // for every example, counted from the moment the example came on screen
    // to its settling press.
    bool checkCounters(const Snapshot& now) {
        const bool moved = !now.captions[9].isEmpty() && now.captions[9] != before_.captions[9];
        for (int k = 1; k <= engine::kSteps; ++k) {
            const auto i = static_cast<std::size_t>(k);
            if (now.stepErrors[i] < before_.stepErrors[i])
                return fail("the errors of step " + std::to_string(k) + " went down");
            if (now.stepErrors[i] - atExampleStart_[i] > 1)
                return fail("step " + std::to_string(k) + " counted twice for one example");
        }
        if (moved)
            atExampleStart_ = now.stepErrors;
        return true;
    }

    // Right after "Результат": the window is open and shows the run so far.
    bool checkResultsWindow(const Snapshot& now, bool started) {
        ui::ResultsWindow* results = shown_.app->results().window();
        if (!results || !results->isVisible())
            return fail("\"Результат\" did not show the results window");
        ++resultsShown_;
        using engine::ResultLabel;
        if (!started) {
            for (ResultLabel l : {ResultLabel::Label2, ResultLabel::Label4, ResultLabel::Label14})
                if (!results->value(l).isEmpty())
                    return fail("the results window shows figures before the start");
            return true;
        }
        int sum = 0;
        for (int k = 1; k <= engine::kSteps; ++k) {
            const auto count = number(results->value(static_cast<ResultLabel>(13 + k)));
            if (!count)
                return fail("a step count of the results window is no number");
            if (*count != now.stepErrors[static_cast<std::size_t>(k)])
                return fail("the results window shows another count for step " + std::to_string(k));
            sum += *count;
        }
        if (now.captions[11] != QString::number(sum))
            return fail("Label11 (" + now.captions[11].toStdString() +
                        ") differs from the sum of the step counts (" + std::to_string(sum) + ")");
        if (results->value(ResultLabel::Label4) != QString::number(sum))
            return fail("the results window's total differs from its step counts");
        const auto solved = number(results->value(ResultLabel::Label2));
        const int example = now.captions[9].toInt();
        if (!solved || *solved < example - 1 || *solved > example)
            return fail("the results window says " +
                        results->value(ResultLabel::Label2).toStdString() +
                        " examples solved on example " + std::to_string(example));
        if (*solved < solved_)
            return fail("the number of examples solved went down");
        solved_ = *solved;
        return true;
    }

    std::mt19937_64& random_;
    Texts texts_;
    std::uint64_t seed_;
    int session_;
    int index_ = 0;
    testing_support::SeededSource order_; // the example order, from the seed too
    testing_support::ShownApp shown_;
    WindowWatch watch_;
    std::array<QLabel*, 26> labels_{};
    QRadioButton* option1_ = nullptr;
    QRadioButton* option2_ = nullptr;
    bool expectedOption2_ = false;

    Snapshot before_{};
    bool pressedNext_ = false;
    bool refreshed_ = false;
    bool mayDraw_ = false;
    int confirmedStep_ = 0;
    std::array<QString, 8> rightText_{};    // by step: the right value as typed
    std::array<QString, 8> rightExample_{}; // by step: the example it was typed for
    bool confirmedRight_ = false;
    std::array<int, engine::kSteps + 1> atExampleStart_{};
    bool settled_ = false;
    int solved_ = 0;
    int resultsShown_ = 0;
    int rightVerdicts_ = 0;
    int wrongVerdicts_ = 0;
    std::deque<std::string> recent_;
};

TEST(RandomPupil, ThousandsOfActionsKeepWhatThePupilSeesConsistent) {
    const std::uint64_t seed = pupilSeed();
    const int actions = pupilActions();
    std::mt19937_64 random(seed);
    std::printf("random pupil: seed %llu, %d actions\n", static_cast<unsigned long long>(seed),
                actions);
    RecordProperty("seed", std::to_string(seed));

    int done = 0;
    int sessions = 0;
    int endsReached = 0;
    int messages = 0;
    int resultsShown = 0;
    int paints = 0;
    int right = 0;
    int wrong = 0;
    while (done < actions) {
        // Sessions of a few hundred to a couple of thousand actions, so that
        // many of them reach the 21st example and go on past it.
        const int length = std::min(actions - done, 100 + static_cast<int>(random() % 900));
        PupilSession session(random, seed, ++sessions);
        const bool clean = session.run(length, done);
        done += length;
        endsReached += session.reachedTheEnd() ? 1 : 0;
        messages += session.messages();
        resultsShown += session.resultsShown();
        paints += session.paints();
        right += session.rightVerdicts();
        wrong += session.wrongVerdicts();
        if (!clean)
            return;
    }
    std::printf(
        "random pupil: %d sessions, %d reached the 21st example and settled it, %d messages, "
        "%d results shown, %d right and %d wrong verdicts, %d widgets painted\n",
        sessions, endsReached, messages, resultsShown, right, wrong, paints);
    // The pupil really went everywhere: not a check of the program, but of
    // this test's own reach.
    if (actions >= 2000) {
        EXPECT_GT(endsReached, 0);
        EXPECT_GT(messages, endsReached);
        EXPECT_GT(resultsShown, 0);
        EXPECT_GT(right, 0);
        EXPECT_GT(wrong, 0);
    }
}

} // namespace
