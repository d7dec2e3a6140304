#include "desktop/read_aloud.h"

#include <QTextToSpeech>

namespace godo {

namespace {

// Qt's rates run from -1 to 1, 0 being the voice's own.
double qtRate(SpeechRate rate) { return speechRate(rate).factor - 1.0; }

} // namespace

ReadAloud::ReadAloud(std::function<void()> noVoice, QObject* parent) : QObject(parent), noVoice_(std::move(noVoice)) {}

ReadAloud::~ReadAloud() = default;

bool ReadAloud::ready()
{
    if (!engine_) {
        engine_ = new QTextToSpeech(this);
        for (const QLocale& l : engine_->availableLocales())
            if (l.language() == QLocale::Japanese) {
                engine_->setLocale(l);
                japanese_ = true;
                break;
            }
        engine_->setRate(qtRate(rate_));
    }
    if (!japanese_ && !told_) {
        told_ = true;
        noVoice_();
    }
    return japanese_;
}

void ReadAloud::setRate(SpeechRate rate)
{
    rate_ = rate;
    if (engine_)
        engine_->setRate(qtRate(rate));
}

void ReadAloud::say(const QString& kana)
{
    if (speaker_) {
        speaker_(kana);
        return;
    }
    if (!ready())
        return;
    engine_->stop();
    engine_->say(kana);
}

void ReadAloud::stop()
{
    if (engine_)
        engine_->stop();
}

} // namespace godo
