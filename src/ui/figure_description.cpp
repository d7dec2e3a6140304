#include "ui/figure_description.h"

#include "ui/texts.h"

#include <QStringList>

namespace godo {

QString describeFigure(const FigureState& s)
{
    const auto shown = [](int16_t on) {
        return on == 1 ? QStringLiteral(u"表示") : QStringLiteral(u"なし");
    };
    // Ｐ, Ｑ and the marks that need them are drawn only while ｎ crosses ｌ and ｍ.
    const bool crossing = s.kakudo != 0;

    QString conclusion = QStringLiteral(u"なし");
    if (crossing) {
        switch (s.nKeturon) {
        case 1: conclusion = texts::conclusionApBq(); break;
        case 2: conclusion = texts::conclusionPmQm(); break;
        case 3: conclusion = texts::conclusionAngles(); break;
        default: break;
        }
    }

    QStringList parts;
    parts << QStringLiteral(u"平行な直線ｌとｍ、線分ＡＢとその中点Ｍ、Ｍを通る直線ｎ（%1度）")
                 .arg(s.kakudo);
    parts << (crossing ? QStringLiteral(u"直線ｎとｌの交点Ｐ、ｍとの交点Ｑ")
                       : QStringLiteral(u"直線ｎはｌとｍに平行で、交点Ｐ、Ｑはない"));
    parts << QStringLiteral(u"仮定の印：%1").arg(shown(s.fKatei));
    parts << QStringLiteral(u"結論：%1").arg(conclusion);
    parts << QStringLiteral(u"注目する三角形：%1").arg(shown(crossing ? s.fSankaku : 0));
    parts << QStringLiteral(u"等しい角の印：%1").arg(shown(crossing ? s.fHenkaku : 0));
    parts << QStringLiteral(u"合同条件：%1").arg(shown(s.fGodo));
    return parts.join(QStringLiteral(u"。")) + QStringLiteral(u"。");
}

} // namespace godo
