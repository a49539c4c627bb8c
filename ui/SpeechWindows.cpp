// Windows' own speech: SAPI, through its COM interface, which every Windows
// has. A Russian Windows brings its own Russian voices; elsewhere a teacher
// adds one in the system's speech settings.
#include <initguid.h> // SAPI's class and interface ids, defined here once

#include <windows.h>

#include <cmath>
#include <sapi.h>
#include <string>
#include <utility>

#include "ui/SystemSpeech.h"

namespace ui::platform {
namespace {

// Where the system's voices are registered: those of the classic speech
// interface, then those Windows 10 and 11 add from their settings, which the
// same interface speaks with.
constexpr const wchar_t* kVoiceCategories[] = {
    L"HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Speech\\Voices",
    L"HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Speech_OneCore\\Voices",
};
// A voice's language by its Windows language id: 419 is Russian.
constexpr const wchar_t* kRussianLanguage = L"Language=419";

// SAPI's rate runs from -10 to 10, each ten steps three times slower or faster.
long sapiRate() {
    return std::lround(10 * std::log(frontend::kSpeechPace) / std::log(3.0));
}

std::wstring wide(std::string_view utf8) {
    const int size = static_cast<int>(utf8.size());
    std::wstring out(
        static_cast<size_t>(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0)), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, out.data(), static_cast<int>(out.size()));
    return out;
}

template <typename T> void release(T*& p) {
    if (p)
        p->Release();
    p = nullptr;
}

// SAPI queues what it is asked to say itself; the program only counts the
// sentences, by their stream numbers, to know when the last has ended.
// SAPI tells of each end through the thread's window messages, which the
// program's event loop delivers: nothing is polled.
class SapiSpeech final : public SystemSpeech {
public:
    ~SapiSpeech() override {
        if (voice_) {
            voice_->SetNotifySink(nullptr);
            voice_->Speak(nullptr, SPF_PURGEBEFORESPEAK, nullptr);
        }
        release(voice_);
        if (comStarted_)
            CoUninitialize();
    }

    bool hasRussianVoice() override {
        if (!voice_)
            start();
        return voice_ != nullptr;
    }

    void speak(std::string_view words) override {
        if (!voice_)
            return;
        ULONG stream = 0;
        if (SUCCEEDED(voice_->Speak(wide(words).c_str(), SPF_ASYNC | SPF_IS_NOT_XML, &stream)))
            lastSent_ = stream;
    }

    void stop() override {
        if (voice_)
            voice_->Speak(nullptr, SPF_PURGEBEFORESPEAK, nullptr);
        // The ends of the sentences dropped may never be told.
        lastEnded_ = lastSent_;
        tellQuiet();
    }

    void whenQuiet(std::function<void()> done) override {
        quiet_ = std::move(done);
        if (lastEnded_ >= lastSent_)
            tellQuiet();
    }

private:
    // Asked again at the next F3 where it fails: a voice may be added meanwhile.
    void start() {
        if (!comStarted_) {
            const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
            // Qt's own window plugin has started COM on this thread already.
            comStarted_ = SUCCEEDED(com);
            if (FAILED(com) && com != RPC_E_CHANGED_MODE)
                return;
        }
        for (const wchar_t* category : kVoiceCategories) {
            if (ISpObjectToken* russian = findRussianVoice(category)) {
                voice_ = voiceOf(russian);
                release(russian);
            }
            if (voice_)
                return;
        }
    }

    ISpVoice* voiceOf(ISpObjectToken* token) {
        ISpVoice* voice = nullptr;
        if (FAILED(CoCreateInstance(CLSID_SpVoice, nullptr, CLSCTX_ALL, IID_ISpVoice,
                                    reinterpret_cast<void**>(&voice))))
            return nullptr;
        if (FAILED(voice->SetVoice(token))) {
            release(voice);
            return nullptr;
        }
        voice->SetRate(sapiRate());
        const ULONGLONG ends = SPFEI(SPEI_END_INPUT_STREAM);
        voice->SetInterest(ends, ends);
        voice->SetNotifyCallbackFunction(&SapiSpeech::notified, 0, reinterpret_cast<LPARAM>(this));
        return voice;
    }

    static ISpObjectToken* findRussianVoice(const wchar_t* voices) {
        ISpObjectTokenCategory* category = nullptr;
        IEnumSpObjectTokens* tokens = nullptr;
        ISpObjectToken* token = nullptr;
        if (SUCCEEDED(CoCreateInstance(CLSID_SpObjectTokenCategory, nullptr, CLSCTX_ALL,
                                       IID_ISpObjectTokenCategory,
                                       reinterpret_cast<void**>(&category))) &&
            SUCCEEDED(category->SetId(voices, FALSE)) &&
            SUCCEEDED(category->EnumTokens(kRussianLanguage, nullptr, &tokens)) &&
            tokens->Next(1, &token, nullptr) != S_OK)
            token = nullptr;
        release(tokens);
        release(category);
        return token;
    }

    static void __stdcall notified(WPARAM, LPARAM self) {
        reinterpret_cast<SapiSpeech*>(self)->takeEvents();
    }

    void takeEvents() {
        SPEVENT event{};
        ULONG fetched = 0;
        while (voice_ && voice_->GetEvents(1, &event, &fetched) == S_OK && fetched == 1) {
            if (event.eEventId == SPEI_END_INPUT_STREAM && event.ulStreamNum > lastEnded_)
                lastEnded_ = event.ulStreamNum;
            // No event of this kind holds an object or a string to free.
        }
        if (lastEnded_ >= lastSent_)
            tellQuiet();
    }

    void tellQuiet() {
        if (auto done = std::exchange(quiet_, nullptr))
            done();
    }

    bool comStarted_ = false;
    ISpVoice* voice_ = nullptr;
    ULONG lastSent_ = 0;  // the stream number of the last sentence asked for
    ULONG lastEnded_ = 0; // of the last one known to have ended
    std::function<void()> quiet_;
};

} // namespace

std::unique_ptr<SystemSpeech> makeSystemSpeech() {
    return std::make_unique<SapiSpeech>();
}

} // namespace ui::platform
