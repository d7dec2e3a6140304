// The lesson window as it stands after its load step: the place, kind,
// caption and font of each of the thirteen controls, the conclusion list, the
// window itself, and the keyboard's way through it.

#include "form1_driver.h"

#include "desktop/figure_actions.h"
#include "desktop/figure_export.h"
#include "desktop/gamen.h"
#include "desktop/lesson_window.h"
#include "desktop/projector.h"
#include "colour_tolerance.h"
#include "lesson/layout.h"
#include "lesson/readings.h"
#include "lesson/support.h"
#include "lesson/texts.h"
#include "desktop/read_aloud.h"
#include "desktop/ruby_text.h"
#include "draw/figure.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QMessageBox>
#include <QMimeData>
#include <QTemporaryDir>
#include <QComboBox>
#include <QMenu>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include <cmath>

using namespace godo;
using namespace godo::test;

namespace {

const QString kHeading = QStringLiteral(u"　　　　結論");
const QString kCaption = QStringLiteral(u"三角形の合同条件の使い方(q.Sorano)");

// The window's layout as the core gives it, a row a control: name, kind,
// caption or text, left, top, width, height (twips), tab index, font size
// (points, 0: none of its own) and weight. The core's own suite checks the
// layout against the table; this one checks the widgets against the layout.
void layoutTable()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("tabIndex");
    QTest::addColumn<double>("points");
    QTest::addColumn<int>("weight");

    for (const ControlLayout& c : windowLayout().controls) {
        const char* kind = c.kind == ControlKind::PushButton ? "button"
                         : c.kind == ControlKind::ComboBox   ? "list"
                         : c.kind == ControlKind::Label      ? "label"
                                                             : "picture";
        const int weight = c.font.points > 0 ? c.font.weight : 0;
        QTest::newRow(std::string(c.name).c_str())
            << QString::fromLatin1(kind) << toQString(c.text) << c.rect.left << c.rect.top << c.rect.width
            << c.rect.height << c.tabIndex << c.font.points << weight;
    }
}

QString shownText(QWidget* w)
{
    if (auto* b = qobject_cast<QPushButton*>(w))
        return b->text();
    if (auto* l = qobject_cast<QLabel*>(w))
        return l->text();
    if (auto* c = qobject_cast<QComboBox*>(w))
        return c->currentText();
    return {};
}

QList<uint> codePoints(std::initializer_list<uint> cps) { return QList<uint>(cps); }

} // namespace

class TestWindowLayout : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();

    void geometry_data() { layoutTable(); }
    void geometry();
    void geometry_command1InPixels();
    void kind_data() { layoutTable(); }
    void kind();
    void caption_data() { layoutTable(); }
    void caption();
    void font_data() { layoutTable(); }
    void font();
    void font_pictureArea();

    void labels_whiteOnOlive_data();
    void labels_whiteOnOlive();
    void window_fixedSizeCaptionBackground();
    void schemes_colourWindowFrameAndFigure_data();
    void schemes_colourWindowFrameAndFigure();
    void supportMenu_opensFromTheKeyboard_data();
    void supportMenu_opensFromTheKeyboard();
    void speech_aPressReadsItsCaptionThenTheFigure();
    void ruby_readingsStayInTheirPlaces();
    void figure_copiedAndSaved();

    void list_entriesCodePointForCodePoint();
    void list_fieldShowsHeading();
    void list_neverGrows_data();
    void list_neverGrows();

    void focus_startsOnPicture();
    void tabOrder_data();
    void tabOrder();

private:
    std::unique_ptr<Form1Driver> d_;
};

void TestWindowLayout::initTestCase() { d_ = std::make_unique<Form1Driver>(); }

void TestWindowLayout::cleanupTestCase() { d_.reset(); }

void TestWindowLayout::geometry()
{
    QFETCH(int, left);
    QFETCH(int, top);
    QFETCH(int, width);
    QFETCH(int, height);
    QWidget* w = d_->control(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(w);
    // Measured in the window: the turning buttons stand in a group of their own.
    const QRect g(w->mapTo(&d_->form(), QPoint(0, 0)), w->size());
    QCOMPARE(g.x(), twipsToPixels(left));
    QCOMPARE(g.y(), twipsToPixels(top));
    QCOMPARE(g.x() + g.width(), twipsToPixels(left + width));
    QCOMPARE(g.y() + g.height(), twipsToPixels(top + height));
}

void TestWindowLayout::geometry_command1InPixels()
{
    QWidget* w = d_->control("Command1");
    QVERIFY(w);
    const QRect g = w->geometry();
    QCOMPARE(g.topLeft(), QPoint(616, 384));
    QCOMPARE(QPoint(g.x() + g.width(), g.y() + g.height()), QPoint(737, 409));
}

void TestWindowLayout::kind()
{
    QFETCH(QString, kind);
    QWidget* w = d_->control(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(w);
    if (kind == "button") {
        QVERIFY(qobject_cast<QPushButton*>(w));
    } else if (kind == "list") {
        auto* box = qobject_cast<QComboBox*>(w);
        QVERIFY(box);
        QVERIFY(box->isEditable());
    } else if (kind == "label") {
        QVERIFY(qobject_cast<QLabel*>(w));
        QCOMPARE(w->focusPolicy(), Qt::NoFocus);
    } else {
        QVERIFY(qobject_cast<Gamen*>(w));
    }
}

void TestWindowLayout::caption()
{
    QFETCH(QString, caption);
    QWidget* w = d_->control(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(w);
    QCOMPARE(shownText(w), caption);
    if (auto* b = qobject_cast<QPushButton*>(w))
        QVERIFY2(!b->text().contains('&'), "no caption carries an access key");
}

void TestWindowLayout::font()
{
    QFETCH(QString, caption);
    QFETCH(double, points);
    QFETCH(int, weight);
    QWidget* w = d_->control(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(w);
    if (points == 0) {
        // The picture area draws in a font of the surface's (below).
        QVERIFY(!w->testAttribute(Qt::WA_SetFont));
        return;
    }
    const QFont f = w->font();
    QCOMPARE(f.pointSizeF(), points);
    QCOMPARE(int(f.weight()), weight);
    QVERIFY(!f.italic());
    QVERIFY(!f.underline());
    QVERIFY(!f.strikeOut());

    const QFontInfo used(f);
    QVERIFY2(used.family() == "IPAPGothic" || used.family() == QStringLiteral(u"ＭＳ Ｐゴシック"),
             qPrintable(used.family()));
    const QFontMetrics metrics(f);
    for (const uint cp : caption.toUcs4())
        QVERIFY2(metrics.inFontUcs4(cp), qPrintable(QString::number(cp, 16)));
    if (auto* box = qobject_cast<QComboBox*>(w)) {
        for (int i = 0; i < box->count(); ++i)
            for (const uint cp : box->itemText(i).toUcs4())
                QVERIFY2(metrics.inFontUcs4(cp), qPrintable(QString::number(cp, 16)));
    }
}

void TestWindowLayout::font_pictureArea()
{
    // The figure's labels and the congruence sentence are set in the area's font.
    const QFont f = d_->form().picture().font();
    QCOMPARE(f.pointSizeF(), 15.0);
    const QFontInfo used(f);
    QVERIFY2(used.family() == "IPAPGothic" || used.family() == QStringLiteral(u"ＭＳ Ｐゴシック"),
             qPrintable(used.family()));
    const QFontMetrics metrics(f);
    const QString shown = QStringLiteral(u"ｌｍＭＡＢＰＱｎ1辺とその両端の角がそれぞれ等しい｡");
    for (const uint cp : shown.toUcs4())
        QVERIFY2(metrics.inFontUcs4(cp), qPrintable(QString::number(cp, 16)));
}

void TestWindowLayout::labels_whiteOnOlive_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("Label1") << "Label1";
    QTest::newRow("Label3") << "Label3";
}

void TestWindowLayout::labels_whiteOnOlive()
{
    QFETCH(QString, name);
    QWidget* w = d_->control(name);
    QVERIFY(w);
    const QImage img = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(img.pixelColor(0, 0), QColor(128, 128, 0));
    QCOMPARE(img.pixelColor(img.width() - 1, img.height() - 1), QColor(128, 128, 0));
    // Every pixel lies between olive and white (the text's antialiased edge),
    // and the text itself is white.
    int white = 0;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            const QColor c = img.pixelColor(x, y);
            const double t = c.blue() / 255.0;
            const double expected = 128 + 127 * t;
            QVERIFY2(std::abs(c.red() - expected) <= 3 && std::abs(c.green() - expected) <= 3,
                     qPrintable(QStringLiteral("%1,%2: %3").arg(x).arg(y).arg(c.name())));
            white += c == QColor(Qt::white);
        }
    }
    QVERIFY(white > 20);
}

void TestWindowLayout::window_fixedSizeCaptionBackground()
{
    LessonWindow& form = d_->form();
    const QSize client = lessonClientSize(); // the core's layout in pixels
    QCOMPARE(form.windowTitle(), kCaption);
    QCOMPARE(form.size(), client);
    QCOMPARE(form.minimumSize(), client);
    QCOMPARE(form.maximumSize(), client);
    // The one size that a window manager keeping to size increments may give.
    QVERIFY(form.windowHandle());
    QCOMPARE(form.windowHandle()->baseSize(), client);
    form.resize(900, 700);
    QCOMPARE(form.size(), client);

    // The olive of the window shows where no control lies.
    const QImage img = form.grab().toImage();
    QCOMPARE(img.pixelColor(2, 2), QColor(128, 128, 0));
    QCOMPARE(img.pixelColor(740, 520), QColor(128, 128, 0));
    QCOMPARE(img.pixelColor(600, 5), QColor(128, 128, 0));
}

void TestWindowLayout::list_entriesCodePointForCodePoint()
{
    QComboBox* box = d_->list();
    QVERIFY(box);
    // In this order, unsorted (sorting would put ∠ U+2220 before U+3000).
    const QList<QList<uint>> entries = {
        codePoints({0x3000, 0x3000, 0x3000, 0x3000, 0x7D50, 0x8AD6}),
        codePoints({0xFF21, 0xFF30, 0xFF1D, 0xFF22, 0xFF31}),
        codePoints({0xFF30, 0xFF2D, 0xFF1D, 0xFF31, 0xFF2D}),
        codePoints({0x2220, 'A', 'P', 'M', 0xFF1D, 0x2220, 'B', 'Q', 'M'}),
    };
    QCOMPARE(box->count(), 4);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(box->itemText(i).toUcs4(), entries[i]);
}

void TestWindowLayout::list_fieldShowsHeading()
{
    QComboBox* box = d_->list();
    QVERIFY(box);
    QCOMPARE(box->currentText(), kHeading);
    QCOMPARE(box->lineEdit()->text(), kHeading);
}

void TestWindowLayout::list_neverGrows_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("key");
    QTest::newRow("new text, Return") << QStringLiteral(u"ＡＢ＝ＣＤ") << int(Qt::Key_Return);
    QTest::newRow("new text, Enter") << QStringLiteral(u"ＡＢ＝ＣＤ") << int(Qt::Key_Enter);
    QTest::newRow("new text, Tab") << QStringLiteral(u"ＡＢ＝ＣＤ") << int(Qt::Key_Tab);
    QTest::newRow("an entry's text, Return") << QStringLiteral(u"ＰＭ＝ＱＭ") << int(Qt::Key_Return);
    QTest::newRow("typing only") << QStringLiteral(u"ＡＰ＝") << 0;
}

void TestWindowLayout::list_neverGrows()
{
    QFETCH(QString, typed);
    QFETCH(int, key);
    Form1Driver d;
    QVERIFY(d.run({"katei", "migi"}));
    QVERIFY(d.typeIntoField(typed));
    if (key != 0)
        QVERIFY(d.keyOnFocus(key));
    QComboBox* box = d.list();
    QCOMPARE(box->count(), 4);
    QCOMPARE(box->itemText(0), kHeading);
    QCOMPARE(box->itemText(1), QStringLiteral(u"ＡＰ＝ＢＱ"));
    QCOMPARE(box->itemText(2), QStringLiteral(u"ＰＭ＝ＱＭ"));
    QCOMPARE(box->itemText(3), QStringLiteral(u"∠APM＝∠BQM"));
}

void TestWindowLayout::focus_startsOnPicture()
{
    Form1Driver d;
    QCOMPARE(d.focusedControl(), QStringLiteral("gamen"));
}

void TestWindowLayout::tabOrder_data()
{
    QTest::addColumn<bool>("allEnabled");
    QTest::addColumn<QStringList>("cycle");
    QTest::newRow("after load")
        << false << QStringList{"gamen", "saisyo", "owari", "katei", "Command1"};
    QTest::newRow("everything enabled")
        << true << QStringList{"gamen", "hidari", "migi",    "saisyo", "owari",   "katei",
                               "sankaku", "henkaku", "godo", "keturon", "Command1"};
}

void TestWindowLayout::tabOrder()
{
    QFETCH(bool, allEnabled);
    QFETCH(QStringList, cycle);
    Form1Driver d;
    if (allEnabled) {
        for (const QString& name : controlNames())
            d.control(name)->setEnabled(true);
    }
    QCOMPARE(d.focusedControl(), cycle.first());
    // Twice round, so that the wrap from the last control back to the first shows.
    QStringList seen{d.focusedControl()};
    for (qsizetype i = 1; i <= 2 * cycle.size(); ++i) {
        QVERIFY(d.keyOnFocus(Qt::Key_Tab));
        seen << d.focusedControl();
    }
    QStringList expected = cycle + cycle;
    expected << cycle.first();
    QCOMPARE(seen, expected);
}

// Ctrl+C copies the figure as SVG and as an image wherever the focus is but
// in the list's field, which copies its own text. A save that cannot be
// written (its folder is a file: root may write anywhere else) says so,
// naming the file, and leaves nothing; one without an extension takes that
// of the format, and writes the figure whole.
void TestWindowLayout::figure_copiedAndSaved()
{
    Form1Driver d;
    QVERIFY(d.run({"katei", "migi"}));
    const QByteArray svg = figureFile(d.form().picture(), d.form().supportSettings().fontFace(), FigureFormat::Svg);
    QClipboard* clipboard = QGuiApplication::clipboard();
    d.control(QStringLiteral("migi"))->setFocus();
    QVERIFY(d.keyOnFocus(Qt::Key_C, Qt::ControlModifier));
    QVERIFY(clipboard->mimeData()->hasImage());
    QCOMPARE(clipboard->mimeData()->data(QStringLiteral("image/svg+xml")), svg);
    QVERIFY(d.typeIntoField(QStringLiteral(u"ＡＰ")));
    d.list()->lineEdit()->selectAll();
    QVERIFY(d.keyOnFocus(Qt::Key_C, Qt::ControlModifier));
    QCOMPARE(clipboard->text(), QStringLiteral(u"ＡＰ"));
    QVERIFY(!clipboard->mimeData()->hasFormat(QStringLiteral("image/svg+xml")));

    QTemporaryDir dir;
    QFile plain(dir.filePath(QStringLiteral("plain")));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    FigureActions& actions = d.form().figureActions();
    QCOMPARE(actions.saveTo(dir.filePath(QStringLiteral(u"plain/図形")), FigureFormat::Png), QString());
    QCOMPARE(d.messageBoxes().size(), 1);
    QVERIFY(d.messageBoxes().front()->text().contains(dir.filePath(QStringLiteral(u"plain/図形.png"))));
    d.closeMessageBoxes();
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList{"plain"});
    QCOMPARE(actions.saveTo(dir.filePath(QStringLiteral(u"図形")), FigureFormat::Svg),
             dir.filePath(QStringLiteral(u"図形.svg")));
    QFile saved(dir.filePath(QStringLiteral(u"図形.svg")));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), svg);
    QVERIFY(d.messageBoxes().isEmpty());
}

QTEST_MAIN(TestWindowLayout)
#include "tst_window_layout.moc"

void TestWindowLayout::schemes_colourWindowFrameAndFigure_data()
{
    QTest::addColumn<int>("scheme");
    for (const ColourScheme& s : colourSchemes())
        QTest::newRow(std::string(s.name).c_str()) << int(s.id);
}

// Each scheme, chosen as from the support menu, colours the window, the labels'
// boxes, the figure's background and its lines, and the picture area's focus
// ring, at places the layout and the figure's numbers give; choosing the
// standard scheme again brings back the window it started as.
void TestWindowLayout::schemes_colourWindowFrameAndFigure()
{
    QFETCH(int, scheme);
    const ColourScheme& cs = colourScheme(ColourSchemeId(scheme));
    const auto rgb = [](Rgb c) { return qRgb(c.r, c.g, c.b); };
    LessonWindow& form = d_->form();
    const QImage before = form.grab().toImage();
    SupportSettings chosen = form.supportSettings();
    chosen.colours = cs.id;
    form.chooseSupport(chosen);
    d_->control(QStringLiteral("gamen"))->setFocus();
    QCoreApplication::processEvents();

    const QImage window = form.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const WindowLayout& layout = windowLayout();
    const TwipsRect label = layout[Control::Label1].rect;
    const TwipsRect area = layout[Control::gamen].rect;
    const int inside = twipsToPixels(area.left) + layout.pictureBorder;
    const int top = twipsToPixels(area.top) + layout.pictureBorder;
    QCOMPARE(window.pixel(2, 2), rgb(cs.window));
    QCOMPARE(window.pixel(twipsToPixels(label.left) + 1, twipsToPixels(label.top) + 1), rgb(cs.window));
    // The focus ring, a pixel out from the frame, halfway down its left side.
    QCOMPARE(window.pixel(twipsToPixels(area.left) - 2, twipsToPixels(area.top + area.height / 2)), rgb(cs.focus));
    // The figure: its background above ｌ, and ｌ itself, where nothing else
    // crosses it (the line is 3 pixels wide about its twips).
    const FigureState& st = d_->state();
    QCOMPARE(window.pixel(inside + 20, top + twipsToPixels(st.Yl) / 2), rgb(cs.pen(kBackground)));
    QVERIFY(withinTolerance(window.pixel(inside + twipsToPixels(8000), top + st.Yl / kTwipsPerPixel),
                            rgb(cs.pen(kBrightWhite)), 64));

    chosen.colours = ColourSchemeId::Standard;
    form.chooseSupport(chosen);
    QCoreApplication::processEvents();
    QCOMPARE(form.grab().toImage(), before);
}

void TestWindowLayout::supportMenu_opensFromTheKeyboard_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("Menu") << int(Qt::Key_Menu) << int(Qt::NoModifier);
    QTest::newRow("Shift+F10") << int(Qt::Key_F10) << int(Qt::ShiftModifier);
}

// From the picture area, where the focus starts, the support menu opens with
// the schemes and the faces, the current ones checked.
void TestWindowLayout::supportMenu_opensFromTheKeyboard()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    d_->control(QStringLiteral("gamen"))->setFocus();
    QVERIFY(d_->keyOnFocus(key, Qt::KeyboardModifiers(modifiers)));
    QTRY_VERIFY(QApplication::activePopupWidget());
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QStringList checked;
    int entries = 0;
    for (const QAction* a : menu->actions()) {
        entries += a->isCheckable();
        if (a->isChecked())
            checked << a->text();
    }
    // The schemes, the faces, ruby, read-aloud and its three speeds.
    QCOMPARE(entries, int(colourSchemes().size() + fontChoices().size() + 5));
    QCOMPARE(checked.size(), 3);
    QCOMPARE(checked[0], QString::fromStdU16String(std::u16string(colourSchemes()[0].caption)));
    QCOMPARE(checked[1], QString::fromStdU16String(std::u16string(fontChoices()[0].caption)));
    QVERIFY(checked[2].endsWith(QString::fromStdU16String(std::u16string(texts::support::kRateNormal))));
    menu->close();
}

// With read-aloud on, a press hands the engine the kana of what was pressed
// and of what the figure shows after it; with it off, nothing.
void TestWindowLayout::speech_aPressReadsItsCaptionThenTheFigure()
{
    LessonWindow& form = d_->form();
    QStringList said;
    form.readAloud().setSpeakerForTesting([&said](const QString& kana) { said << kana; });
    SupportSettings s = form.supportSettings();
    QVERIFY(d_->click(QStringLiteral("saisyo")));
    QVERIFY(said.isEmpty());
    s.speech = true;
    form.chooseSupport(s);
    const auto heard = [&](const char* control, std::u16string_view caption) {
        const bool pressed = control ? d_->click(QString::fromLatin1(control)) : d_->pickEntry(2);
        return pressed && !said.isEmpty() && said.last() == QString::fromStdU16String(spokenAfterPress(caption, d_->state()));
    };
    QVERIFY(heard("katei", texts::kKatei));
    QVERIFY(heard("migi", texts::kMigi));
    QVERIFY(heard(nullptr, texts::kConclusionApBq));
    QCOMPARE(said.size(), 3);
    s.speech = false;
    form.chooseSupport(s);
    QVERIFY(d_->click(QStringLiteral("saisyo")));
    QCOMPARE(said.size(), 3);
    form.readAloud().setSpeakerForTesting({});
}

// With ruby, every reading of a caption stays inside its button, a label's
// above the label in the window and over no control, and the sentence's in
// the picture area, clear of line ｍ and its labels.
void TestWindowLayout::ruby_readingsStayInTheirPlaces()
{
    LessonWindow& form = d_->form();
    SupportSettings s = form.supportSettings();
    s.ruby = true;
    form.chooseSupport(s);
    const WindowLayout& layout = windowLayout();
    int readings = 0;
    for (const ControlLayout& c : layout.controls) {
        const QWidget* w = form.control(c.id);
        if (c.kind == ControlKind::PushButton) {
            for (const RubyReading& r : layoutRubyLine(c.text, w->font(), w->contentsRect(), Qt::AlignHCenter).readings) {
                QVERIFY2(QRectF(w->rect()).contains(r.rect), std::string(c.name).c_str());
                ++readings;
            }
        } else if (c.kind == ControlKind::Label) {
            for (const RubyReading& r : layoutRubyLine(c.text, w->font(), w->geometry(), Qt::AlignLeft, false).readings) {
                QVERIFY(QRectF(form.rect()).contains(r.rect));
                for (const ControlLayout& other : layout.controls)
                    QVERIFY2(!QRectF(form.control(other.id)->geometry()).intersects(r.rect),
                             qPrintable(QStringLiteral("%1 over %2").arg(r.text, QString::fromLatin1(other.name.data(), other.name.size()))));
                ++readings;
            }
        }
    }
    QVERIFY(readings > 15);
    QVERIFY(d_->run({"katei", "migi", "pick:4", "sankaku", "henkaku", "godo"}));
    const auto& ops = form.picture().list().ops();
    int sentence = 0;
    for (const DrawOp& op : ops)
        if (op.kind == OpKind::PrintText && op.size < kFigurePoints) {
            ++sentence;
            QVERIFY(op.at[1] > d_->state().Ym + 300 && op.at[1] < 6700);
            QVERIFY(op.at[0] > 0 && op.at[0] < layout[Control::gamen].rect.width);
        }
    QCOMPARE(sentence, 4); // 1辺, 両端, 角, 等
    QVERIFY(d_->click(QStringLiteral("saisyo")));
    s.ruby = false;
    form.chooseSupport(s);
}
