#pragma once
// The support menu 「サポート」: the window's context menu, opened by the
// right mouse button, a long press, the Menu key or Shift+F10. It offers the
// core's colour schemes and font choices as groups of exclusive entries and
// reports the pupil's choice; the window applies it.

#include "lesson/support.h"

#include <QMenu>

#include <functional>

namespace godo {

class SupportMenu final : public QMenu {
    Q_OBJECT
public:
    // readAgain: the entry that reads what the figure shows once more.
    SupportMenu(const SupportSettings& settings, std::function<void(const SupportSettings&)> chosen,
                std::function<void()> readAgain, QWidget* parent);

    // Checks the entries of `settings`, without reporting a choice.
    void reflect(const SupportSettings& settings);

private:
    // A checkable entry that sets one switch of the settings.
    QAction* addSwitch(std::u16string_view caption, std::function<void(bool)> set);

    SupportSettings settings_;
    std::function<void(const SupportSettings&)> chosen_;
    QList<QAction*> schemeEntries_;
    QList<QAction*> fontEntries_;
    QList<QAction*> rateEntries_;
    QAction* ruby_ = nullptr;
    QAction* speech_ = nullptr;
};

} // namespace godo
