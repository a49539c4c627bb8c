// The Linux desktops' speech: speech-dispatcher, through Qt's speech module
// and its speechd engine.
#include <QLocale>
#include <QTextToSpeech>
#include <optional>

#include "ui/FormBuilder.h"
#include "ui/SystemSpeech.h"

namespace ui::platform {
namespace {

// speech-dispatcher's rate runs from -100 to 100, 0 the ordinary pace; Qt's
// from -1 to 1. Debian's espeak-ng module spreads the slower half linearly
// from its ordinary 170 words a minute down to 80.
constexpr double kOrdinaryWordsPerMinute = 170;
constexpr double kSlowestWordsPerMinute = 80;
constexpr double kRate = (frontend::kSpeechPace - 1) * kOrdinaryWordsPerMinute /
                         (kOrdinaryWordsPerMinute - kSlowestWordsPerMinute);

// Qt's say() cuts off whatever is being said, so the sentences wait here and
// the next goes out when the last has ended. The service tells of the end
// through state changes, which also come, late, for a sentence that was cut
// off: a Ready counts only after the sentence last sent began.
class DispatcherSpeech final : public SystemSpeech {
public:
    bool hasRussianVoice() override {
        if (!tts_)
            start();
        if (tts_ && speaksRussian())
            return true;
        // Asked afresh at the next press: a voice may be installed meanwhile.
        tts_.reset();
        return false;
    }

    void speak(std::string_view words) override {
        if (!tts_)
            return;
        waiting_.append(toQString(words));
        if (!sent_)
            sendNext();
    }

    void stop() override {
        waiting_.clear();
        if (sent_) {
            tts_->stop();
            sent_ = false;
        }
        tellQuiet();
    }

    void whenQuiet(std::function<void()> done) override {
        quiet_ = std::move(done);
        if (!sent_)
            tellQuiet();
    }

private:
    void start() {
        // Without the speechd plugin there is nothing to ask, and Qt would
        // complain of an engine it cannot load.
        if (!QTextToSpeech::availableEngines().contains(QLatin1String("speechd")))
            return;
        tts_ = std::make_unique<QTextToSpeech>(QStringLiteral("speechd"));
        if (const std::optional<QLocale> russian = russianLocale())
            tts_->setLocale(*russian);
        tts_->setRate(kRate);
        QObject::connect(tts_.get(), &QTextToSpeech::stateChanged, tts_.get(),
                         [this](QTextToSpeech::State state) { changed(state); });
    }

    // The engine reports an error of configuration where the session's own
    // language has no voice, also once a Russian one has been chosen; only
    // a service out of reach is the end of it.
    bool speaksRussian() const {
        return tts_->errorReason() != QTextToSpeech::ErrorReason::Initialization &&
               tts_->locale().language() == QLocale::Russian;
    }

    std::optional<QLocale> russianLocale() const {
        for (const QLocale& locale : tts_->availableLocales()) {
            if (locale.language() == QLocale::Russian)
                return locale;
        }
        return std::nullopt;
    }

    void sendNext() {
        if (waiting_.isEmpty()) {
            sent_ = false;
            tellQuiet();
            return;
        }
        sent_ = true;
        begun_ = false;
        tts_->say(waiting_.takeFirst());
    }

    void changed(QTextToSpeech::State state) {
        if (state == QTextToSpeech::Speaking) {
            begun_ = true;
        } else if (state == QTextToSpeech::Error) {
            waiting_.clear();
            sent_ = false;
            tellQuiet();
        } else if (state == QTextToSpeech::Ready && sent_ && begun_) {
            sendNext();
        }
    }

    void tellQuiet() {
        if (auto done = std::exchange(quiet_, nullptr))
            done();
    }

    std::unique_ptr<QTextToSpeech> tts_;
    QStringList waiting_;
    bool sent_ = false;  // a sentence is with the service
    bool begun_ = false; // and the service has begun to say it
    std::function<void()> quiet_;
};

} // namespace

std::unique_ptr<SystemSpeech> makeSystemSpeech() {
    return std::make_unique<DispatcherSpeech>();
}

} // namespace ui::platform
