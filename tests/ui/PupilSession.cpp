#include "PupilSession.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <cmath>
#include <sstream>

#include "engine/NumberText.h"
#include "engine/StepChecks.h"
#include "engine/Trainer.h"
#include "engine/WorkedAnswers.h"

namespace pupil {

using testing_support::control;
using testing_support::qs;

PupilSession::PupilSession(std::mt19937_64& random, std::uint64_t seed, int session)
    : random_(random), texts_(random), seed_(seed), session_(session), order_(random()),
      shown_(&order_) {
    QApplication::instance()->installEventFilter(&watch_);
    for (int n = 8; n <= 25; ++n)
        labels_[static_cast<std::size_t>(n)] =
            control<QLabel>(window(), QStringLiteral("Label%1").arg(n));
    option1_ = control<QRadioButton>(window(), "Option1");
    option2_ = control<QRadioButton>(window(), "Option2");
}

PupilSession::~PupilSession() {
    QApplication::instance()->removeEventFilter(&watch_);
}

QString PupilSession::caption(int n) const {
    return labels_[static_cast<std::size_t>(n)]->text();
}

bool PupilSession::run(int count, int firstIndex) {
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

PupilSession::Action PupilSession::chooseAction() {
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

void PupilSession::log(std::string what) {
    if (recent_.size() == 12)
        recent_.pop_front();
    recent_.push_back("#" + std::to_string(index_) + " " + what);
}

void PupilSession::act() {
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
        if (window().rect().intersects(window().button("cmd1")->geometry())) {
            log("click Начало");
            QTest::mouseClick(window().button("cmd1"), Qt::LeftButton);
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
        QTest::mouseClick(window().button("Command" + std::to_string(k)), Qt::LeftButton);
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
        QTest::mouseClick(window().button("Command9"), Qt::LeftButton);
        break;
    case Action::ClickResults:
        log("click Результат");
        refreshed_ = true;
        QTest::mouseClick(window().button("Command10"), Qt::LeftButton);
        break;
    case Action::CloseResults:
        log("close the results window");
        if (ui::ResultsWindow* results = shown_.app->results().window())
            results->close();
        break;
    }
}

// Whether box k holds, unchanged, the right value typed for this example.
void PupilSession::noteConfirm(int k) {
    confirmedStep_ = k;
    const auto i = static_cast<std::size_t>(k);
    confirmedRight_ = !rightText_[i].isEmpty() && window().answerBox(k)->text() == rightText_[i] &&
                      rightExample_[i] == caption(9);
}

void PupilSession::pressEsc() {
    // Esc belongs to the main window: the pupil first brings it forward.
    if (QApplication::activeWindow() != &window()) {
        window().activateWindow();
        if (!QTest::qWaitForWindowActive(&window(), 1000))
            log("(the main window did not become active)");
    }
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus && focus->window() == &window() ? focus : &window(), Qt::Key_Escape);
}

void PupilSession::typeText(int k) {
    QLineEdit* box = window().answerBox(k);
    const bool right = state().exampleNumber > 0 && pick(2) == 0;
    const QString text = right ? texts_.right(fakes::workedAnswer(state(), k)) : texts_.wrong();
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
                QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
    rightText_[static_cast<std::size_t>(k)] = right ? box->text() : QString();
    rightExample_[static_cast<std::size_t>(k)] = caption(9);
}

PupilSession::Snapshot PupilSession::snapshot() const {
    Snapshot s;
    for (int n = 8; n <= 25; ++n)
        s.captions[static_cast<std::size_t>(n)] = caption(n);
    s.stepErrors = state().stepErrors;
    s.messages = watch_.lastExampleMessages;
    return s;
}

// Reports a broken rule with all that is needed to replay it.
bool PupilSession::fail(const std::string& what) {
    std::ostringstream out;
    out << what << "\n  replay: TRAINER_PUPIL_SEED=" << seed_ << " (session " << session_
        << ", action #" << index_ << ")\n  last actions:";
    for (const std::string& line : recent_)
        out << "\n    " << line;
    ADD_FAILURE() << out.str();
    return false;
}

std::optional<int> PupilSession::number(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

bool PupilSession::checkAfterAction() {
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
    if (option2_->isChecked() != expectedOption2_ || option1_->isChecked() == option2_->isChecked())
        return fail("the reducibility options do not show the pupil's last choice");
    return checkScreenIsFresh();
}

// The screen shows what a fresh paint of the window would: every change
// was repainted. The band of the drawn example is compared after every
// action that may draw, the whole window now and then (a grab is slow).
bool PupilSession::checkScreenIsFresh() {
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
        return fail("the screen was left unpainted in " + std::to_string(stale.width()) + " x " +
                    std::to_string(stale.height()) + " pixels at (" + std::to_string(stale.x()) +
                    ", " + std::to_string(stale.y()) + ")");
    return true;
}

// The echoes and verdicts of the steps.
bool PupilSession::checkSteps(const Snapshot& now, int example) {
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
bool PupilSession::checkCounters(const Snapshot& now) {
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
bool PupilSession::checkResultsWindow(const Snapshot& now, bool started) {
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
        return fail("the results window says " + results->value(ResultLabel::Label2).toStdString() +
                    " examples solved on example " + std::to_string(example));
    if (*solved < solved_)
        return fail("the number of examples solved went down");
    solved_ = *solved;
    return true;
}

} // namespace pupil
