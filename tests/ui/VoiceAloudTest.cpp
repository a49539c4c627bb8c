// The program's own voice on the desktop, as a pupil hears it: what a speech
// service was asked to say (the file TRAINER_VOICE_CAPTURE, one line a
// sentence, written by tests/voice/with-voice-capture.sh), and the note shown
// where the system has no Russian voice.
#include <QFile>
#include <QStringList>
#include <cstdio>
#include <string>

#include "WindowTestSupport.h"
#include "engine/Narration.h"
#include "frontend/MainWindowLayout.h"
#include "ui/SystemSpeech.h"

namespace {

using testing_support::control;
using testing_support::qs;
using testing_support::ShownApp;

// What the service wrote down since the last call, its sentences joined by
// one blank as the program says them.
class Heard {
public:
    explicit Heard(const QString& path) : file_(path) {}

    std::string sinceLast() {
        const QStringList all = lines();
        const QString text = all.mid(seen_).join(QLatin1Char(' '));
        seen_ = static_cast<int>(all.size());
        return text.toStdString();
    }

    // Waits, within a bound, until what was said since the last call is
    // `words`; returns what was said.
    std::string waitFor(const QString& words) {
        static_cast<void>(QTest::qWaitFor([&] { return peek() == words; }, 10000));
        return sinceLast();
    }

private:
    QStringList lines() {
        QStringList all;
        if (file_.open(QIODevice::ReadOnly)) {
            for (const QString& line : QString::fromUtf8(file_.readAll()).split(QLatin1Char('\n')))
                if (!line.trimmed().isEmpty())
                    all << line.trimmed();
            file_.close();
        }
        return all;
    }
    QString peek() { return lines().mid(seen_).join(QLatin1Char(' ')); }

    QFile file_;
    int seen_ = 0;
};

void press(Qt::Key key) {
    QTest::keyClick(QApplication::focusWidget(), key);
}

QString announced(ShownApp& app) {
    return control<QLabel>(app.window(), "announcer")->text();
}

TEST(VoiceAloud, SaysWhatAScreenReaderIsToldBetweenTwoF3) {
    const QString capture = qEnvironmentVariable("TRAINER_VOICE_CAPTURE");
    if (capture.isEmpty())
        GTEST_SKIP() << "run through tests/voice/with-voice-capture.sh";
    Heard heard(capture);
    ShownApp app;

    press(Qt::Key_F2); // told to a screen reader, not aloud
    ASSERT_EQ(announced(app).toStdString(), engine::kNothingDrawnWords);
    press(Qt::Key_F3);
    EXPECT_EQ(heard.waitFor(qs(engine::kVoiceOnWords)), engine::kVoiceOnWords);

    press(Qt::Key_Escape);
    EXPECT_EQ(heard.waitFor(announced(app)), announced(app).toStdString());
    press(Qt::Key_F2);
    EXPECT_NE(announced(app).toStdString(), engine::kNothingDrawnWords);
    EXPECT_EQ(heard.waitFor(announced(app)), announced(app).toStdString());

    // The verdict with the number read, then the box the focus moved to.
    QTest::keyClicks(app.window().answerBox(1), QStringLiteral("12"));
    press(Qt::Key_Return);
    const QString verdictThenFocus =
        announced(app) + QLatin1Char(' ') +
        QString::fromStdString(frontend::focusWords(frontend::mainWindowLayout(), "t2"));
    EXPECT_EQ(heard.waitFor(verdictThenFocus), verdictThenFocus.toStdString());

    press(Qt::Key_F3);
    EXPECT_EQ(heard.waitFor(qs(engine::kVoiceOffWords)), engine::kVoiceOffWords);
    press(Qt::Key_F2);
    press(Qt::Key_Tab);
    QTest::qWait(1500);
    EXPECT_EQ(heard.sinceLast(), "");
}

// The system's own speech, whatever voices it has: F3 turns the voice on and
// off, or says twice that there is none. Prints which, for the Windows
// checks under Wine.
TEST(VoiceAloud, TheSystemsSpeechTurnsOnAndOffOrSaysItHasNoRussianVoice) {
    ShownApp app;
    press(Qt::Key_Escape);
    press(Qt::Key_F3);
    const bool found = app.app->voice().isOn();
    std::printf("A Russian voice was %s.\n", found ? "found" : "not found");
    EXPECT_EQ(announced(app).toStdString(), found ? engine::kVoiceOnWords : engine::kNoVoiceWords);
    press(Qt::Key_F2);
    press(Qt::Key_F3);
    EXPECT_EQ(announced(app).toStdString(), found ? engine::kVoiceOffWords : engine::kNoVoiceWords);
    EXPECT_FALSE(app.app->voice().isOn());
}

// A system with speech but no Russian voice.
struct NoRussianVoice final : ui::SystemSpeech {
    bool hasRussianVoice() override { return false; }
    void speak(std::string_view) override { ADD_FAILURE() << "spoke"; }
    void stop() override {}
    void whenQuiet(std::function<void()> done) override { done(); }
};

TEST(VoiceAloud, WithoutARussianVoiceF3SaysSoOnScreenAndToTheScreenReader) {
    NoRussianVoice speech;
    ShownApp app(nullptr, &speech);
    press(Qt::Key_Escape);
    press(Qt::Key_F3);
    auto* note = control<QLabel>(app.window(), "voiceNote");
    ASSERT_NE(note, nullptr);
    EXPECT_TRUE(note->isVisible());
    EXPECT_EQ(note->text().toStdString(), engine::kNoVoiceWords);
    EXPECT_TRUE(app.window().rect().contains(note->geometry()));
    EXPECT_EQ(announced(app).toStdString(), engine::kNoVoiceWords);
    EXPECT_EQ(QApplication::focusWidget(), app.window().answerBox(1));
    // The next action takes the note away.
    QTest::keyClicks(app.window().answerBox(1), QStringLiteral("1"));
    EXPECT_FALSE(note->isVisible());
    EXPECT_FALSE(app.app->voice().isOn());
}

} // namespace
