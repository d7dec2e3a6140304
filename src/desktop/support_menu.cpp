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
                         QWidget* parent)
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
    reflect(settings);
}

void SupportMenu::reflect(const SupportSettings& settings)
{
    settings_ = settings;
    schemeEntries_[static_cast<int>(settings.colours)]->setChecked(true);
    fontEntries_[static_cast<int>(settings.font)]->setChecked(true);
}

} // namespace godo
