#include "desktop/fonts.h"

#include "desktop/lesson_window.h"
#include "lesson/layout.h"

#include <QFontDatabase>
#include <QStringList>

#include <map>

namespace godo {

namespace {

// The choice's faces, then the layout's family and its fallbacks, as far as
// they are installed. Asked for once per choice: naming a face that is not installed makes Qt look up
// fallbacks again for every font built from the list. The list of installed
// families is read, not hasFamily(), which runs fontconfig's whole alias
// substitution for a missing name. Where none is installed, the list stays
// whole and Qt finds what it can.
QStringList findFamilies(const FontChoice& choice)
{
    QStringList wanted;
    for (std::u16string_view f : fontFamilies(choice))
        wanted << toQString(f);
    const QStringList installed = QFontDatabase::families();
    QStringList found;
    for (const QString& f : wanted)
        if (installed.contains(f))
            found << f;
    return found.isEmpty() ? wanted : found;
}

const QStringList& families(const FontChoice& choice)
{
    static std::map<FontChoiceId, QStringList> lists;
    auto it = lists.find(choice.id);
    if (it == lists.end())
        it = lists.emplace(choice.id, findFamilies(choice)).first;
    return it->second;
}

} // namespace

QFont japaneseFont(qreal points, bool bold, const FontChoice& choice)
{
    QFont font;
    font.setFamilies(families(choice));
    font.setPointSizeF(points);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

} // namespace godo
