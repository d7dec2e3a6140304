#include "desktop/lesson_window.h"

#include "desktop/accessibility.h"
#include "desktop/field_fit.h"
#include "desktop/figure_actions.h"
#include "desktop/fonts.h"
#include "desktop/gamen.h"
#include "desktop/paper_combo_style.h"
#include "desktop/print_window.h"
#include "desktop/support_menu.h"
#include "desktop/support_store.h"
#include "lesson/layout.h"

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

namespace godo {

namespace {

QColor toColour(Rgb c) { return QColor(c.r, c.g, c.b); }

// The picture area's focus ring: its width and its distance from the frame,
// in pixels.
constexpr int kFocusWidth = 2;
constexpr int kFocusGap = 1;

// The figure's labels and sentence bring their own size; the face's is the
// load step's.
constexpr qreal kFigurePoints = 15;

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

QComboBox* comboBox(QWidget* parent, const ControlLayout& c)
{
    auto* box = new QComboBox(parent);
    // Sharp on paper too; deleted with the box, which keeps no dangling
    // pointer to it.
    auto* style = new PaperComboStyle;
    style->setParent(box);
    box->setStyle(style);
    box->setFont(fontOf(c.font));
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

    // The support menu is the window's context menu: the right button (Qt
    // sends a context menu event to the control under it, which passes it
    // on to the window), a long press, and from the keyboard the Menu key and
    // Shift+F10, wherever the focus is.
    supportMenu_ = new SupportMenu(settings_, [this](const SupportSettings& s) { chooseSupport(s); }, this);
    for (const QKeySequence& key : {QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)}) {
        auto* shortcut = new QShortcut(key, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this] {
            const QWidget* at = focusWidget() ? focusWidget() : this;
            openSupportMenu(at->mapToGlobal(at->rect().center()));
        });
    }
    // Taking the figure out for a worksheet: in the same menu, below the
    // settings, and on the keyboard.
    figureActions_ = new FigureActions(*this, *gamen_, settings_, [this](std::u16string_view m) { showMessage(m); });
    supportMenu_->addSeparator();
    supportMenu_->addAction(figureActions_->copyAction());
    supportMenu_->addAction(figureActions_->saveAction());
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
        case ControlKind::ComboBox: w = keturon_ = comboBox(parent, c); break;
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
            after();
        });
    }
    // A click in the opened list, or Up/Down (and the like) on the closed box.
    connect(keturon_, &QComboBox::activated, this, [this] {
        form_->chosen();
        after();
    });
}

void LessonWindow::after() { gamen_->update(); }

void LessonWindow::chooseSupport(const SupportSettings& settings)
{
    const bool newColours = settings.colours != settings_.colours;
    const bool newFont = settings.font != settings_.font;
    settings_ = settings;
    supportMenu_->reflect(settings_);
    storeSupportSettings(settings_);
    if (newColours) {
        applyColours(settings_.scheme());
        form_->setColourScheme(settings_.scheme());
        after();
    }
    if (newFont)
        applyFont(settings_.fontFace());
}

void LessonWindow::applyFont(const FontChoice& choice)
{
    for (const ControlLayout& c : windowLayout().controls)
        if (c.font.points > 0)
            control(c.id)->setFont(fontOf(c.font, choice));
    keepFieldTextWhole(*keturon_->lineEdit(), keturon_->font());
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

void LessonWindow::openSupportMenu(QPoint globalPos) { supportMenu_->popup(globalPos); }

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
    // While the picture area has the keyboard focus, a ring around its frame
    // shows it, a pixel away from it, in the window's margin: neither the
    // layout nor the figure changes.
    if (!gamen_->hasFocus())
        return;
    const QRect frame = gamen_->geometry().translated(gamen_->parentWidget()->mapTo(this, QPoint()));
    QPainter p(this);
    QPainterPath ring;
    ring.addRect(frame.adjusted(-kFocusGap - kFocusWidth, -kFocusGap - kFocusWidth, kFocusGap + kFocusWidth,
                                kFocusGap + kFocusWidth));
    ring.addRect(frame.adjusted(-kFocusGap, -kFocusGap, kFocusGap, kFocusGap));
    p.fillPath(ring, toColour(settings_.scheme().focus));
}

bool LessonWindow::eventFilter(QObject* watched, QEvent* event)
{
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
    box->open();
}

} // namespace godo
