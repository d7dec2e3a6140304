#include "desktop/fonts.h"

#include "desktop/lesson_window.h"
#include "lesson/layout.h"

#include <QFontDatabase>
#include <QStringList>

namespace godo {

namespace {

// The first installed of the layout's family and its fallbacks, alone. Each
// covers every character the window shows; a glyph one lacked would still
// come from fontconfig's fallbacks. Naming further families made Qt work out
// fontconfig's fallback lists at once for every size and weight (8 million
// instructions at start, where Noto Sans CJK JP is installed besides IPA P
// Gothic). Asked for once: naming a face that is not installed makes Qt look
// up fallbacks again for every font built from the list. The list of
// installed families is read, not hasFamily(), which runs fontconfig's whole
// alias substitution for a missing name. Where none is installed, the list
// stays whole and Qt finds what it can.
const QStringList& families()
{
    static const QStringList list = [] {
        const WindowLayout& layout = windowLayout();
        QStringList wanted{toQString(layout.fontFamily)};
        for (std::u16string_view f : layout.fallbackFamilies)
            wanted << toQString(f);
        const QStringList installed = QFontDatabase::families();
        for (const QString& f : wanted)
            if (installed.contains(f))
                return QStringList{f};
        return wanted;
    }();
    return list;
}

} // namespace

QFont japaneseFont(qreal points, bool bold)
{
    QFont font;
    font.setFamilies(families());
    font.setPointSizeF(points);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

} // namespace godo
