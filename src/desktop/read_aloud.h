#pragma once
// Read-aloud on the desktop: Qt's text-to-speech, over speech-dispatcher on
// Linux, with a Japanese voice. It is handed kana from the lesson's readings,
// never text to guess at. Speaking never blocks the window: say() returns at
// once, and a new say() cuts off what is being read.

#include "lesson/support.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QTextToSpeech;

namespace godo {

class ReadAloud final : public QObject {
    Q_OBJECT
public:
    // noVoice: told, once, when the device has no Japanese voice.
    ReadAloud(std::function<void()> noVoice, QObject* parent);
    ~ReadAloud() override;

    void setRate(SpeechRate rate);
    void say(const QString& kana);
    void stop();

    // What the window hands over is said by `speaker` instead of the engine:
    // the seam through which the tests hear it. The program never sets it.
    void setSpeakerForTesting(std::function<void(const QString&)> speaker) { speaker_ = std::move(speaker); }

private:
    // The engine is started on the first use, so that a window without
    // read-aloud never pays for it.
    bool ready();

    std::function<void()> noVoice_;
    std::function<void(const QString&)> speaker_;
    QTextToSpeech* engine_ = nullptr;
    bool japanese_ = false;
    bool told_ = false;
    SpeechRate rate_ = SpeechRate::Normal;
};

} // namespace godo
