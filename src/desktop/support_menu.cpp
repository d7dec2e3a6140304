#include "desktop/support_menu.h"

#include "desktop/fonts.h"
#include "desktop/lesson_window.h"
#include "lesson/texts.h"

#include <QActionGroup>

namespace godo {

namespace {

// As large as the captions of the lesson's buttons.
constexpr qreal kMenuPoints = 10.5;

// A group of exclusive entries under a heading of its own.
template <class Choices, class Pick>
QList<QAction*> addGroup(QMenu& menu, std::u16string_view heading, const Choices& choices, Pick pick)
{
    menu.addSection(toQString(heading));
    auto* group = new QActionGroup(&menu);
    group->setExclusive(true);
    QList<QAction*> entries;
    for (const auto& choice : choices) {
        QAction* a = menu.addAction(toQString(choice.caption));
        a->setCheckable(true);
        group->addAction(a);
        QObject::connect(a, &QAction::triggered, &menu, [pick, id = choice.id] { pick(id); });
        entries << a;
    }
    return entries;
}

} // namespace

SupportMenu::SupportMenu(const SupportSettings& settings, std::function<void(const SupportSettings&)> chosen,
                         std::function<void()> readAgain, QWidget* parent)
    : QMenu(toQString(texts::support::kMenu), parent), settings_(settings), chosen_(std::move(chosen))
{
    setFont(japaneseFont(kMenuPoints, false));
    // The title names the menu for screen readers; the headings of its
    // groups say what each one changes.
    schemeEntries_ = addGroup(*this, texts::support::kColours, colourSchemes(), [this](ColourSchemeId id) {
        settings_.colours = id;
        chosen_(settings_);
    });
    fontEntries_ = addGroup(*this, texts::support::kFont, fontChoices(), [this](FontChoiceId id) {
        settings_.font = id;
        chosen_(settings_);
    });
    addSeparator();
    ruby_ = addSwitch(texts::support::kRuby, [this](bool on) { settings_.ruby = on; });

    speech_ = addSwitch(texts::support::kSpeech, [this](bool on) { settings_.speech = on; });
    auto* rates = new QActionGroup(this);
    for (const SpeechRateChoice& r : speechRates()) {
        QAction* a = addAction(QStringLiteral("　") + toQString(r.caption));
        a->setCheckable(true);
        a->setData(int(r.id));
        rates->addAction(a);
        connect(a, &QAction::triggered, this, [this, id = r.id] {
            settings_.rate = id;
            chosen_(settings_);
        });
        rateEntries_ << a;
    }
    QAction* again = addAction(QStringLiteral("　") + toQString(texts::support::kReadAgain));
    connect(again, &QAction::triggered, this, std::move(readAgain));
    reflect(settings);
}

QAction* SupportMenu::addSwitch(std::u16string_view caption, std::function<void(bool)> set)
{
    QAction* a = addAction(toQString(caption));
    a->setCheckable(true);
    connect(a, &QAction::triggered, this, [this, set = std::move(set)](bool on) {
        set(on);
        chosen_(settings_);
    });
    return a;
}

void SupportMenu::reflect(const SupportSettings& settings)
{
    settings_ = settings;
    schemeEntries_[static_cast<int>(settings.colours)]->setChecked(true);
    fontEntries_[static_cast<int>(settings.font)]->setChecked(true);
    ruby_->setChecked(settings.ruby);
    speech_->setChecked(settings.speech);
    for (QAction* a : rateEntries_) {
        a->setChecked(SpeechRate(a->data().toInt()) == settings.rate);
        a->setEnabled(settings.speech);
    }
}

} // namespace godo
