// Every caption, label and entry of the conclusion list is shown whole in the
// box the layout gives it, in the fonts Debian has (IPA P Gothic), at the
// scale the suite is run at (QT_SCALE_FACTOR: 1 and the large view's steps).

#include "desktop/field_fit.h"
#include "desktop/lesson_window.h"
#include "lesson/layout.h"

#include <QApplication>
#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTest>

using namespace godo;

namespace {

struct Ink {
    int left = -1, right = -1, top = -1, bottom = -1; // device pixels, inclusive; -1: none
    int width() const { return left < 0 ? 0 : right - left + 1; }
    int height() const { return top < 0 ? 0 : bottom - top + 1; }
};

// Where `image` differs clearly from its background colour.
Ink inkOf(const QImage& image, QColor background)
{
    const QImage img = image.convertToFormat(QImage::Format_RGB32);
    Ink ink;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            const QColor c = img.pixelColor(x, y);
            const int d = std::abs(c.red() - background.red()) + std::abs(c.green() - background.green())
                + std::abs(c.blue() - background.blue());
            if (d < 96)
                continue;
            if (ink.left < 0 || x < ink.left)
                ink.left = x;
            ink.right = std::max(ink.right, x);
            if (ink.top < 0)
                ink.top = y;
            ink.bottom = y;
        }
    }
    return ink;
}

// `text` drawn on its own, with room all round, as the field draws it.
Ink freeInk(const QString& text, const QFont& font, QColor fore, QColor back, qreal ratio)
{
    const QFontMetrics m(font);
    const QSize logical(m.horizontalAdvance(text) + 40, m.height() + 20);
    QImage img(logical * ratio, QImage::Format_RGB32);
    img.setDevicePixelRatio(ratio);
    img.fill(back);
    QPainter p(&img);
    p.setFont(font);
    p.setPen(fore);
    p.drawText(QPoint(20, 10 + m.ascent()), text);
    p.end();
    return inkOf(img, back);
}

QString describe(const Ink& i)
{
    return QStringLiteral("ink x %1..%2 y %3..%4").arg(i.left).arg(i.right).arg(i.top).arg(i.bottom);
}

// The text's ink as shown is the ink of the text drawn alone, to a pixel,
// and touches neither edge: nothing of it is cut off.
bool wholeInk(const Ink& shown, const Ink& free, int width, QString* why)
{
    *why = QStringLiteral("shown %1, free %2, in %3 px").arg(describe(shown), describe(free)).arg(width);
    return std::abs(shown.width() - free.width()) <= 1 && std::abs(shown.height() - free.height()) <= 1
        && shown.left > 0 && shown.right < width - 1;
}

// The captions of the layout's controls of one kind, a row each.
void captionRows(ControlKind kind)
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    for (const ControlLayout& c : windowLayout().controls)
        if (c.kind == kind)
            QTest::newRow(std::string(c.name).c_str()) << QString::fromLatin1(c.name.data(), qsizetype(c.name.size()))
                                                       << toQString(c.text);
}

} // namespace

class TestTextFits : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void fontIsIpaPGothic();
    void listField_data();
    void listField();
    void listFieldTypedText();
    void buttons_data();
    void buttons();
    void labels_data();
    void labels();

private:
    std::unique_ptr<LessonWindow> form_;
    QComboBox* box_ = nullptr;
};

void TestTextFits::initTestCase()
{
    form_ = std::make_unique<LessonWindow>();
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
    box_ = form_->findChild<QComboBox*>(QStringLiteral("keturon"));
    QVERIFY(box_);
    box_->setEnabled(true);
    qInfo("scale %g, device pixel ratio %g", qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(),
          form_->devicePixelRatioF());
}

void TestTextFits::fontIsIpaPGothic()
{
    // What the issue measured: Debian's proportional face, not a fallback.
    QCOMPARE(QFontInfo(box_->font()).family(), QStringLiteral("IPAPGothic"));
}

void TestTextFits::listField_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("condensed");
    QTest::newRow("heading") << 0 << QStringLiteral(u"　　　　結論") << false;
    QTest::newRow("AP=BQ") << 1 << QStringLiteral(u"ＡＰ＝ＢＱ") << false;
    QTest::newRow("PM=QM") << 2 << QStringLiteral(u"ＰＭ＝ＱＭ") << false;
    QTest::newRow("angles") << 3 << QStringLiteral(u"∠APM＝∠BQM") << true;
}

void TestTextFits::listField()
{
    QFETCH(int, entry);
    QFETCH(QString, text);
    QFETCH(bool, condensed);

    // Down from the entry before, as a pupil chooses it.
    box_->setCurrentIndex(std::max(0, entry - 1));
    if (entry > 0)
        QTest::keyClick(box_, Qt::Key_Down);
    QCOMPARE(box_->currentIndex(), entry);
    QLineEdit* edit = box_->lineEdit();
    // Read back code point for code point: only the look is condensed.
    QCOMPARE(box_->currentText().toUcs4(), text.toUcs4());
    QCOMPARE(edit->text().toUcs4(), text.toUcs4());

    const QFont shown = edit->font();
    QCOMPARE(shown.pointSizeF(), 10.5);
    QCOMPARE(int(shown.weight()), int(QFont::Bold));
    if (condensed) {
        QVERIFY2(shown.stretch() >= kMinFieldStretch && shown.stretch() < 100, qPrintable(QString::number(shown.stretch())));
        // Condensed no more than it must be: a percent wider no longer fits.
        QFont wider = shown;
        wider.setStretch(shown.stretch() + 1);
        QVERIFY2(fieldWidthNeeded(wider, text) > fieldRoom(*edit), qPrintable(QString::number(shown.stretch())));
    } else {
        QCOMPARE(shown, box_->font());
    }
    QVERIFY2(fieldWidthNeeded(shown, text) <= fieldRoom(*edit),
             qPrintable(QStringLiteral("needs %1, has %2").arg(fieldWidthNeeded(shown, text)).arg(fieldRoom(*edit))));

    // Painting lays the text out as the field shows it; then its first and
    // last positions both lie inside the field: nothing scrolled away. The
    // field reports a position as a box 5 pixels either side of it.
    const QImage shot = edit->grab().toImage();
    edit->selectAll();
    const QRect firstBox = edit->inputMethodQuery(Qt::ImAnchorRectangle).toRect();
    const QRect lastBox = edit->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    edit->deselect();
    const int first = (firstBox.left() + firstBox.right() + 1) / 2;
    const int last = (lastBox.left() + lastBox.right() + 1) / 2;
    const QRect room = edit->contentsRect().marginsRemoved(edit->textMargins());
    qInfo("%s: stretch %d, text %d..%d in %d..%d", QTest::currentDataTag(), shown.stretch(), first, last,
          room.left(), room.right());
    QVERIFY2(first >= room.left(), qPrintable(QStringLiteral("text starts at %1").arg(first)));
    QVERIFY2(last <= room.right(), qPrintable(QStringLiteral("text ends at %1, field at %2").arg(last).arg(room.right())));
    QVERIFY2(std::abs(last - first - QFontMetrics(shown).horizontalAdvance(text)) <= 1,
             qPrintable(QStringLiteral("positions %1..%2").arg(first).arg(last)));

    // And in the pixels: the text's ink in the field is as wide as the same
    // text's drawn with room to spare, and keeps off the field's edges.
    const QColor back = edit->palette().color(QPalette::Base);
    const Ink inField = inkOf(shot, back);
    const Ink free = freeInk(text, shown, edit->palette().color(QPalette::Text), back, shot.devicePixelRatio());
    QVERIFY2(inField.width() > 0, "no text in the field");
    QVERIFY2(std::abs(inField.width() - free.width()) <= 1,
             qPrintable(QStringLiteral("field %1, free %2").arg(describe(inField), describe(free))));
    QVERIFY2(std::abs(inField.height() - free.height()) <= 1,
             qPrintable(QStringLiteral("field %1, free %2").arg(describe(inField), describe(free))));
    QVERIFY2(inField.left > 0 && inField.right < shot.width() - 1, qPrintable(describe(inField)));
}

void TestTextFits::listFieldTypedText()
{
    // A text much longer than any entry is condensed no further than the
    // limit and then scrolls, as a field does.
    QLineEdit* edit = box_->lineEdit();
    edit->setText(QStringLiteral(u"∠APM＝∠BQM∠APM＝∠BQM"));
    QCOMPARE(edit->font().stretch(), kMinFieldStretch);
    // Back to an entry that fits: the field's own font again.
    box_->setCurrentIndex(1);
    QCOMPARE(edit->font(), box_->font());
}

void TestTextFits::buttons_data() { captionRows(ControlKind::PushButton); }

void TestTextFits::buttons()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    auto* b = form_->findChild<QPushButton*>(name);
    QVERIFY(b);
    b->setEnabled(true);
    QCOMPARE(b->text(), caption);
    // The style's room for the label holds the caption's advance.
    QStyleOptionButton option;
    option.initFrom(b);
    option.text = b->text();
    const QRect room = b->style()->subElementRect(QStyle::SE_PushButtonContents, &option, b);
    const QFontMetrics m(b->font());
    QVERIFY2(m.horizontalAdvance(caption) <= room.width() && m.height() <= b->height(),
             qPrintable(QStringLiteral("%1 × %2 in %3 × %4").arg(m.horizontalAdvance(caption)).arg(m.height())
                            .arg(room.width()).arg(b->height())));
    // The caption's ink, found as what the caption adds to the empty button,
    // is the ink of the caption drawn alone: nothing of it is cut off.
    const QImage shot = b->grab().toImage().convertToFormat(QImage::Format_RGB32);
    b->setText(QString());
    const QImage empty = b->grab().toImage().convertToFormat(QImage::Format_RGB32);
    b->setText(caption);
    QImage added(shot.size(), QImage::Format_RGB32);
    added.fill(Qt::white);
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            if (shot.pixel(x, y) != empty.pixel(x, y))
                added.setPixel(x, y, shot.pixel(x, y));
    const QColor back = b->palette().color(QPalette::Button);
    const Ink onButton = inkOf(added, Qt::white);
    const Ink free = freeInk(caption, b->font(), b->palette().color(QPalette::ButtonText), back, shot.devicePixelRatio());
    QString why;
    QVERIFY2(wholeInk(onButton, free, shot.width(), &why), qPrintable(why));
}

void TestTextFits::labels_data() { captionRows(ControlKind::Label); }

void TestTextFits::labels()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    auto* l = form_->findChild<QLabel*>(name);
    QVERIFY(l);
    QCOMPARE(l->text(), caption);
    const QFontMetrics m(l->font());
    QVERIFY2(m.horizontalAdvance(caption) <= l->contentsRect().width(),
             qPrintable(QStringLiteral("%1 in %2").arg(m.horizontalAdvance(caption)).arg(l->contentsRect().width())));
    // White on olive: all of the text's ink is inside the label, none of it
    // cut at an edge.
    const QImage shot = l->grab().toImage();
    const QColor olive(128, 128, 0);
    const Ink onLabel = inkOf(shot, olive);
    const Ink free = freeInk(caption, l->font(), Qt::white, olive, shot.devicePixelRatio());
    QString why;
    QVERIFY2(wholeInk(onLabel, free, shot.width(), &why), qPrintable(why));
}

QTEST_MAIN(TestTextFits)
#include "tst_text_fits.moc"
