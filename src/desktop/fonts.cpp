#include "desktop/fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace godo {

namespace {

// Asked for once: naming a face that is not installed makes Qt look up
// fallbacks again for every font built from the list. The list of installed
// families is read, not hasFamily(), which runs fontconfig's whole alias
// substitution for a missing name.
const QStringList& families()
{
    static const QStringList list = [] {
        const QString ms = QStringLiteral(u"ＭＳ Ｐゴシック");
        const QString ipa = QStringLiteral("IPAPGothic");
        return QFontDatabase::families().contains(ms) ? QStringList{ms, ipa} : QStringList{ipa};
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
