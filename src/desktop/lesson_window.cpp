#include "desktop/lesson_window.h"

#include "desktop/accessibility.h"
#include "desktop/field_fit.h"
#include "desktop/field_ruby.h"
#include "desktop/figure_actions.h"
#include "desktop/fonts.h"
#include "desktop/gamen.h"
#include "desktop/paper_combo_style.h"
#include "desktop/print_window.h"
#include "desktop/read_aloud.h"
#include "desktop/ruby_text.h"
#include "desktop/support_menu.h"
#include "desktop/support_store.h"
#include "lesson/layout.h"
#include "lesson/readings.h"
#include "lesson/texts.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGestureEvent>
#include <QApplication>
#include <QCoreApplication>
#include <QPainterPath>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace godo {

namespace {

QColor toColour(Rgb c) { return QColor(c.r, c.g, c.b); }

// The picture area's focus ring: its width and its distance from the frame,
// in pixels.
constexpr int kFocusWidth = 2;
constexpr int kFocusGap = 1;

// A message's text, as large as the buttons' captions.
constexpr qreal kMessagePoints = 10.5;

QRect pixels(const TwipsRect& r)
{
    const int l = twipsToPixels(r.left), t = twipsToPixels(r.top);
    return QRect(l, t, twipsToPixels(r.left + r.width) - l, twipsToPixels(r.top + r.height) - t);
}

QFont fontOf(const FontSpec& f, const FontChoice& choice = fontChoice(FontChoiceId::Standard))
{
    return japaneseFont(f.points, f.weight >= 700, choice);
}

QPushButton* button(QWidget* parent, const ControlLayout& c)
{
    auto* b = new QPushButton(toQString(c.text), parent);
    b->setFont(fontOf(c.font));
    b->setAccessibleName(b->text());
    // Plain buttons: neither Enter nor Esc is bound to any of them.
    b->setAutoDefault(false);
    return b;
}

QComboBox* comboBox(QWidget* parent, const ControlLayout& c, const QRect& geometry)
{
    auto* box = new QComboBox(parent);
    // Sharp on paper too; deleted with the box, which keeps no dangling
    // pointer to it.
    auto* style = new PaperComboStyle;
    style->setParent(box);
    box->setStyle(style);
    box->setFont(fontOf(c.font));
    // Placed first, the box is not sized to its entries when it becomes
    // editable: that measured every entry once more, for a size never used.
    box->setGeometry(geometry);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert); // typing never adds an entry
    box->setCompleter(nullptr);
    for (std::u16string_view entry : c.entries)
        box->addItem(toQString(entry));
    box->setEditText(toQString(c.text));
    // "∠APM＝∠BQM" is wider than the field in IPA P Gothic: every text is
    // shown whole, condensed where it has to be.
    keepFieldTextWhole(*box->lineEdit(), box->font());
    // Only a choice from the list is an event of the lesson. QComboBox itself
    // would turn Enter in the field, or leaving it, into a choice of the entry
    // whose text was typed: cut its line edit's editingFinished off, and keep
    // Enter away from the box (the window's event filter).
    QObject::disconnect(box->lineEdit(), SIGNAL(editingFinished()), box, nullptr);
    return box;
}

QLabel* label(QWidget* parent, const ControlLayout& c)
{
    auto* l = new QLabel(toQString(c.text), parent);
    l->setFont(fontOf(c.font));
    l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QPalette pal = l->palette();
    pal.setColor(QPalette::Window, toColour(c.back));
    pal.setColor(QPalette::WindowText, toColour(c.fore));
    l->setPalette(pal);
    l->setAutoFillBackground(true);
    return l;
}

// A message's text with ruby: the label keeps its box, a little taller, and
// paints the text itself, the readings above each line.
class LabelReadings final : public QObject {
public:
    explicit LabelReadings(QLabel& label) : QObject(&label)
    {
        label.installEventFilter(this);
        const qreal width = label.fontMetrics().averageCharWidth() * 40;
        label.setMinimumSize(int(width), int(layoutRubyParagraph(text(label), label.font(), width).height) + 1);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Paint)
            return false;
        auto& label = static_cast<QLabel&>(*watched);
        QPainter p(&label);
        paintRubyParagraph(p, layoutRubyParagraph(text(label), label.font(), label.width()), QPointF(0, 0),
                           label.palette().color(QPalette::WindowText));
        return true;
    }

private:
    static std::u16string text(const QLabel& l) { return l.text().toStdU16String(); }
};

void showRuby(QLabel& label) { new LabelReadings(label); }

} // namespace

QString toQString(std::u16string_view s)
{
    return QString::fromUtf16(s.data(), static_cast<qsizetype>(s.size()));
}

LessonWindow::LessonWindow(const SupportSettings& settings, QWidget* parent) : QWidget(parent), settings_(settings)
{
    // A screen reader meets the window as a frame named by its caption; to it
    // a plain top-level widget is a filler, which it does not take for a window.
    setAccessibleRole(staticMetaObject, QAccessible::Window);
    setAccessibleRole(ControlGroup::staticMetaObject, QAccessible::Grouping);
    // The figure is a picture with a description, not a second window.
    setAccessibleRole(Gamen::staticMetaObject, QAccessible::Graphic);

    const WindowLayout& layout = windowLayout();
    setWindowTitle(toQString(layout.initialCaption));
    // 746 × 524 pixels; nothing moves on resize, so the size is fixed.
    setFixedSize(pixels({0, 0, layout.width, layout.height}).size());
    QPalette pal = palette();
    pal.setColor(QPalette::Window, toColour(layout.back));
    setPalette(pal);
    setAutoFillBackground(true);

    createControls();
    form_ = std::make_unique<Form1>(static_cast<Face&>(*this), settings_.scheme());
    connectEvents();
    if (settings_.colours != ColourSchemeId::Standard)
        applyColours(settings_.scheme());
    if (settings_.font != FontChoiceId::Standard)
        applyFont(settings_.fontFace());
    if (settings_.ruby)
        applyRuby(true);

    // The support menu is the window's context menu: the right button (Qt
    // sends a context menu event to the control under it, which passes it
    // on to the window), a long press, and from the keyboard the Menu key and
    // Shift+F10, wherever the focus is.
    readAloud_ = new ReadAloud([this] { showMessage(std::u16string(texts::support::kNoJapaneseVoice) + std::u16string(texts::support::kJapaneseVoicePackage)); }, this);
    readAloud_->setRate(settings_.rate);
    auto* again = new QShortcut(QKeySequence(Qt::Key_F8), this);
    again->setContext(Qt::WindowShortcut);
    connect(again, &QShortcut::activated, this, &LessonWindow::readAgain);
    for (const QKeySequence& key : {QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)}) {
        auto* shortcut = new QShortcut(key, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this] {
            const QWidget* at = focusWidget() ? focusWidget() : this;
            openSupportMenu(at->mapToGlobal(at->rect().center()));
        });
    }
    // Taking the figure out for a worksheet: on the keyboard at once, and in
    // the same menu, below the settings, once it is built.
    figureActions_ = new FigureActions(*this, *gamen_, settings_, [this](std::u16string_view m) { showMessage(m); });
    grabGesture(Qt::TapAndHoldGesture);
    for (QWidget* c : controls_)
        c->grabGesture(Qt::TapAndHoldGesture);

    // The load step runs before the window is first shown.
    form_->load();
    after();
}

LessonWindow::~LessonWindow() = default;

void LessonWindow::createControls()
{
    const WindowLayout& layout = windowLayout();
    // Controls that a label names as a group stand in a group of their own,
    // just large enough for them, so that a screen reader announces them
    // under the label (the turning buttons under Label3).
    std::array<QWidget*, kControlCount> groupOf{};
    std::array<QWidget*, kControlCount> namedBy{}; // per label: what it names
    for (const Naming& n : layout.namings) {
        if (n.group.empty())
            continue;
        auto* group = new ControlGroup(this);
        group->setObjectName(QString::fromLatin1(n.group.data(), static_cast<qsizetype>(n.group.size())));
        QRect box;
        for (Control c : n.controls) {
            box = box.united(pixels(layout[c].rect));
            groupOf[static_cast<int>(c)] = group;
        }
        group->setGeometry(box);
        namedBy[static_cast<int>(n.label)] = group;
    }

    for (const ControlLayout& c : layout.controls) {
        QWidget* parent = this;
        QPoint origin; // of the parent, in the window
        if (QWidget* group = groupOf[static_cast<int>(c.id)]) {
            parent = group;
            origin = group->pos();
        }
        QWidget* w = nullptr;
        switch (c.kind) {
        case ControlKind::PushButton: w = button(parent, c); break;
        case ControlKind::ComboBox: w = keturon_ = comboBox(parent, c, pixels(c.rect).translated(-origin)); break;
        case ControlKind::Label: w = label(parent, c); break;
        case ControlKind::PictureArea:
            w = gamen_ = new Gamen(pixels(c.rect).size(), japaneseFont(kFigurePoints, false), parent);
            gamen_->setAccessibleName(toQString(c.accessibleName));
            break;
        }
        w->setObjectName(QString::fromLatin1(c.name.data(), static_cast<qsizetype>(c.name.size())));
        w->setGeometry(pixels(c.rect).translated(-origin));
        controls_[static_cast<int>(c.id)] = w;
    }
    keturon_->installEventFilter(this);
    for (const ControlLayout& c : layout.controls)
        if (c.kind == ControlKind::PushButton)
            control(c.id)->installEventFilter(this);

    // Each label names what it stands above: a control, or the group the
    // controls stand in. On Linux a screen reader takes a combo box's name
    // from its field, not from setAccessibleName, and finds the heading
    // through this label relation instead. No label has an access key, so
    // the buddies change nothing for the keyboard.
    for (const Naming& n : layout.namings) {
        QWidget*& named = namedBy[static_cast<int>(n.label)];
        if (!named)
            named = control(n.controls.front());
        static_cast<QLabel*>(control(n.label))->setBuddy(named);
    }
    // The bottom pixel of Label1 lies under the list.
    keturon_->raise();

    for (std::size_t i = 1; i < layout.tabOrder.size(); ++i)
        setTabOrder(control(layout.tabOrder[i - 1]), control(layout.tabOrder[i]));
    control(layout.tabOrder.front())->setFocus();
}

void LessonWindow::connectEvents()
{
    for (const ControlLayout& c : windowLayout().controls) {
        if (c.kind != ControlKind::PushButton)
            continue;
        connect(static_cast<QPushButton*>(control(c.id)), &QPushButton::clicked, this, [this, id = c.id] {
            form_->clicked(id);
            after(windowLayout()[id].text);
        });
    }
    // A click in the opened list, or Up/Down (and the like) on the closed box.
    connect(keturon_, &QComboBox::activated, this, [this] {
        form_->chosen();
        after(keturonText());
    });
}

void LessonWindow::after(std::u16string_view pressed)
{
    gamen_->update();
    if (settings_.speech && !pressed.empty())
        readAloud_->say(toQString(spokenAfterPress(pressed, state())));
}

void LessonWindow::readAgain()
{
    if (settings_.speech)
        readAloud_->say(toQString(spokenAfterPress(windowLayout()[Control::gamen].accessibleName, state())));
}

void LessonWindow::chooseSupport(const SupportSettings& settings)
{
    const bool newColours = settings.colours != settings_.colours;
    const bool newFont = settings.font != settings_.font;
    const bool newRuby = settings.ruby != settings_.ruby;
    settings_ = settings;
    if (supportMenu_)
        supportMenu_->reflect(settings_);
    storeSupportSettings(settings_);
    if (newColours) {
        applyColours(settings_.scheme());
        form_->setColourScheme(settings_.scheme());
        after();
    }
    if (newFont)
        applyFont(settings_.fontFace());
    if (newRuby)
        applyRuby(settings_.ruby);
    readAloud_->setRate(settings_.rate);
    if (!settings_.speech)
        readAloud_->stop();
}

void LessonWindow::applyRuby(bool on)
{
    form_->setRuby(on);
    showListRuby(*keturon_, keturon_->font(), on);
    after();
    update();
    for (QWidget* c : controls_)
        c->update();
}

void LessonWindow::applyFont(const FontChoice& choice)
{
    for (const ControlLayout& c : windowLayout().controls)
        if (c.font.points > 0)
            control(c.id)->setFont(fontOf(c.font, choice));
    showListRuby(*keturon_, keturon_->font(), settings_.ruby);
    gamen_->setFigureFont(japaneseFont(kFigurePoints, false, choice));
}

void LessonWindow::applyColours(const ColourScheme& scheme)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, toColour(scheme.window));
    setPalette(pal);
    for (const ControlLayout& c : windowLayout().controls) {
        if (c.kind != ControlKind::Label)
            continue;
        QWidget* l = control(c.id);
        QPalette lp = l->palette();
        lp.setColor(QPalette::Window, toColour(scheme.window));
        lp.setColor(QPalette::WindowText, toColour(scheme.labelText));
        l->setPalette(lp);
    }
    // The sunken frame: its own colours where the scheme has them, else the
    // system's, as the window first had it.
    QPalette fp = gamen_->palette();
    const QPalette system = QApplication::palette(gamen_);
    fp.setColor(QPalette::Dark, scheme.frame ? toColour(scheme.frame->shadow) : system.color(QPalette::Dark));
    fp.setColor(QPalette::Light, scheme.frame ? toColour(scheme.frame->light) : system.color(QPalette::Light));
    gamen_->setPalette(fp);
    update();
}

void LessonWindow::openSupportMenu(QPoint globalPos)
{
    // Built when first asked for: nothing of it is seen in the first frame.
    if (!supportMenu_) {
        supportMenu_ = new SupportMenu(
            settings_, [this](const SupportSettings& s) { chooseSupport(s); }, [this] { readAgain(); }, this);
        supportMenu_->addSeparator();
        supportMenu_->addAction(figureActions_->copyAction());
        supportMenu_->addAction(figureActions_->saveAction());
    }
    supportMenu_->popup(globalPos);
}

void LessonWindow::contextMenuEvent(QContextMenuEvent* event)
{
    openSupportMenu(event->globalPos());
    event->accept();
}

bool LessonWindow::event(QEvent* e)
{
    if (e->type() == QEvent::Gesture) {
        auto* g = static_cast<QGestureEvent*>(e);
        if (auto* hold = static_cast<QTapAndHoldGesture*>(g->gesture(Qt::TapAndHoldGesture))) {
            if (hold->state() == Qt::GestureFinished)
                openSupportMenu(hold->position().toPoint());
            g->accept(hold);
            return true;
        }
    }
    return QWidget::event(e);
}

void LessonWindow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    // The labels' readings stand in the free space above them.
    if (settings_.ruby)
        for (const ControlLayout& c : windowLayout().controls)
            if (c.kind == ControlKind::Label) {
                const QWidget* l = control(c.id);
                paintReadings(p, layoutRubyLine(c.text, l->font(), l->geometry(), Qt::AlignLeft, false),
                              toColour(settings_.scheme().labelText));
            }
    // While the picture area has the keyboard focus, a ring around its frame
    // shows it, a pixel away from it, in the window's margin: neither the
    // layout nor the figure changes.
    if (!gamen_->hasFocus())
        return;
    const QRect frame = gamen_->geometry().translated(gamen_->parentWidget()->mapTo(this, QPoint()));
    QPainterPath ring;
    ring.addRect(frame.adjusted(-kFocusGap - kFocusWidth, -kFocusGap - kFocusWidth, kFocusGap + kFocusWidth,
                                kFocusGap + kFocusWidth));
    ring.addRect(frame.adjusted(-kFocusGap, -kFocusGap, kFocusGap, kFocusGap));
    p.fillPath(ring, toColour(settings_.scheme().focus));
}

void LessonWindow::showEvent(QShowEvent* event)
{
    // Scaled (QT_SCALE_FACTOR), Qt hands the window manager a size increment,
    // 1 × 1 scaled and rounded (2 × 2 at 1.5 and 1.75), and, with no base size
    // set, a base of -1 × -1 scaled (-2 × -2): a manager that keeps to the
    // increments (metacity, mutter) then allows only even sizes and makes the
    // 1306 × 917 of 1.75 into 1306 × 918. Based on the fixed size itself, the
    // one size allowed is the window's. Qt passes a base size on only once the
    // native window exists, as it does here, before the window is mapped.
    setBaseSize(size());
    QWidget::showEvent(event);
}

bool LessonWindow::eventFilter(QObject* watched, QEvent* event)
{
    // With ruby, a button draws its frame as the style has it and its
    // caption with the readings above the kanji, a little smaller.
    if (settings_.ruby && event->type() == QEvent::Paint) {
        if (auto* b = qobject_cast<QPushButton*>(watched)) {
            QStylePainter p(b);
            QStyleOptionButton opt;
            opt.initFrom(b);
            opt.state |= b->isDown() ? QStyle::State_Sunken : QStyle::State_Raised;
            p.drawControl(QStyle::CE_PushButton, opt);
            const QRect text = b->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, b);
            const std::u16string caption = b->text().toStdU16String();
            paintRubyLine(p, layoutRubyLine(caption, b->font(), text, Qt::AlignHCenter), caption,
                          b->palette().color(b->isEnabled() ? QPalette::Active : QPalette::Disabled,
                                             QPalette::ButtonText));
            return true;
        }
    }
    if (watched == keturon_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

void LessonWindow::setEnabled(Control c, bool enabled) { control(c)->setEnabled(enabled); }

std::u16string LessonWindow::keturonText() const { return keturon_->currentText().toStdU16String(); }

void LessonWindow::setKeturonText(std::u16string_view text)
{
    // Neither of these is a choice from the list: activated is not emitted.
    const QString t = toQString(text);
    const int entry = keturon_->findText(t, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (entry >= 0)
        keturon_->setCurrentIndex(entry);
    keturon_->setEditText(t);
}

void LessonWindow::setCaption(std::u16string_view caption) { setWindowTitle(toQString(caption)); }

Surface& LessonWindow::gamen() { return gamen_->list(); }

void LessonWindow::setFigureDescription(std::u16string_view description)
{
    gamen_->setAccessibleDescription(toQString(description));
}

void LessonWindow::printWindow() { godo::printWindow(*this); }

void LessonWindow::end()
{
    close();
    QCoreApplication::exit(0);
}

void LessonWindow::showMessage(std::u16string_view message)
{
    // Window-modal but not blocking: the handler has ended and the lesson goes
    // on once the box is closed.
    auto* box = new QMessageBox(QMessageBox::Warning, windowTitle(), toQString(message), QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setFont(japaneseFont(kMessagePoints, false, settings_.fontFace()));
    if (settings_.ruby)
        if (auto* text = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
            showRuby(*text);
    // Each new box's OK button gets a new icon from the style, and Qt's pixmap
    // cache keeps every icon's pixmap under a key of its own until the cache
    // is full: some 1.9 KB for every message. The first icon serves them all.
    if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
        if (okIcon_.isNull())
            okIcon_ = ok->icon();
        else
            ok->setIcon(okIcon_);
    }
    box->open();
}

} // namespace godo
