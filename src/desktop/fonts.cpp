#include "desktop/fonts.h"

#include "desktop/lesson_window.h"
#include "lesson/layout.h"

#include <QFontDatabase>
#include <QStringList>

#include <map>

namespace godo {

namespace {

// The first installed of the choice's faces, the layout's family and its
// fallbacks, alone. Each covers every character the window shows; a glyph
// one lacked would still come from fontconfig's fallbacks. Naming further
// families made Qt work out fontconfig's fallback lists at once for every
// size and weight (8 million instructions at start, where Noto Sans CJK JP
// is installed besides IPA P Gothic). Asked for once per choice: naming a
// face that is not installed makes Qt look up fallbacks again for every font
// built from the list. The list of installed families is read, not
// hasFamily(), which runs fontconfig's whole alias substitution for a
// missing name. Where none is installed, the list stays whole and Qt finds
// what it can.
QStringList findFamilies(const FontChoice& choice)
{
    QStringList wanted;
    for (std::u16string_view f : fontFamilies(choice))
        wanted << toQString(f);
    const QStringList installed = QFontDatabase::families();
    for (const QString& f : wanted)
        if (installed.contains(f))
            return QStringList{f};
    return wanted;
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
