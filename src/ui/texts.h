#pragma once
// Every text the window shows, code point for code point.

#include <QString>

namespace godo::texts {

inline const QString caption() { return QStringLiteral(u"三角形の合同条件の使い方(q.Sorano)"); }

// The field of the conclusion list at start, and the list's first entry:
// four ideographic spaces, then 結論.
inline const QString conclusionHeading() { return QStringLiteral(u"　　　　結論"); }
inline const QString conclusionApBq() { return QStringLiteral(u"ＡＰ＝ＢＱ"); }
inline const QString conclusionPmQm() { return QStringLiteral(u"ＰＭ＝ＱＭ"); }
inline const QString conclusionAngles() { return QStringLiteral(u"∠APM＝∠BQM"); }

inline const QString print() { return QStringLiteral(u"印刷"); }
inline const QString godo() { return QStringLiteral(u"合同条件"); }
inline const QString henkaku() { return QStringLiteral(u"等しい辺・角"); }
inline const QString sankaku() { return QStringLiteral(u"注目する三角形"); }
inline const QString katei() { return QStringLiteral(u"仮定"); }
inline const QString owari() { return QStringLiteral(u"終了"); }
inline const QString saisyo() { return QStringLiteral(u"最初"); }
inline const QString migi() { return QStringLiteral(u"右回転"); }
inline const QString hidari() { return QStringLiteral(u"左回転"); }
inline const QString label1() { return QStringLiteral(u"証明の進め方"); }
inline const QString label3() { return QStringLiteral(u"直線ｎの移動"); }

} // namespace godo::texts
