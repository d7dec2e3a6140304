#include "ui/form1.h"

#include "ui/fonts.h"
#include "ui/gamen.h"
#include "ui/texts.h"
#include "ui/twips.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace godo {

namespace {

const QColor kOlive(128, 128, 0);

QPushButton* button(QWidget* parent, const char* name, const QString& caption, QRect geometry,
                    qreal points)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(geometry);
    b->setFont(japaneseFont(points, true));
    b->setAccessibleName(caption);
    // Plain buttons: neither Enter nor Esc is bound to any of them.
    b->setAutoDefault(false);
    return b;
}

QLabel* label(QWidget* parent, const char* name, const QString& text, QRect geometry)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(geometry);
    l->setFont(japaneseFont(13.5, false));
    l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QPalette pal = l->palette();
    pal.setColor(QPalette::Window, kOlive);
    pal.setColor(QPalette::WindowText, Qt::white);
    l->setPalette(pal);
    l->setAutoFillBackground(true);
    return l;
}

} // namespace

Form1::Form1(QWidget* parent) : QWidget(parent)
{
    setWindowTitle(QStringLiteral("Form1"));
    setFixedSize(twipsRect(0, 0, 11190, 7860).size()); // 746 × 524; nothing moves on resize
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kOlive);
    setPalette(pal);
    setAutoFillBackground(true);

    createControls();
    figure_ = std::make_unique<Figure>(gamen->surface(), state_);
    connectHandlers();

    // The load step runs before the window is first shown.
    run(&Form1::Form_Load);
}

void Form1::createControls()
{
    // In the layout's order; the tab order is set below.
    Command1 = button(this, "Command1", texts::print(), twipsRect(9240, 5760, 1815, 375), 12);

    keturon = new QComboBox(this);
    keturon->setObjectName(QStringLiteral("keturon"));
    keturon->setGeometry(twipsRect(9240, 2520, 1812, 330));
    keturon->setFont(japaneseFont(10.5, true));
    keturon->setEditable(true);
    keturon->setInsertPolicy(QComboBox::NoInsert); // typing never adds an entry
    keturon->setCompleter(nullptr);
    keturon->addItems({texts::conclusionHeading(), texts::conclusionApBq(),
                       texts::conclusionPmQm(), texts::conclusionAngles()});
    // Only a choice from the list is an event of the lesson. QComboBox itself
    // would turn Enter in the field, or leaving it, into a choice of the entry
    // whose text was typed: cut its line edit's editingFinished off, and keep
    // Enter away from the box.
    QObject::disconnect(keturon->lineEdit(), SIGNAL(editingFinished()), keturon, nullptr);
    keturon->installEventFilter(this);

    godo = button(this, "godo", texts::godo(), twipsRect(9240, 4320, 1812, 372), 10.5);
    henkaku = button(this, "henkaku", texts::henkaku(), twipsRect(9240, 3720, 1812, 372), 10.5);
    sankaku = button(this, "sankaku", texts::sankaku(), twipsRect(9240, 3120, 1812, 372), 10.5);
    katei = button(this, "katei", texts::katei(), twipsRect(9240, 360, 1812, 372), 10.5);
    owari = button(this, "owari", texts::owari(), twipsRect(9240, 7200, 1815, 375), 10.5);
    saisyo = button(this, "saisyo", texts::saisyo(), twipsRect(9240, 6480, 1815, 375), 10.5);
    migi = button(this, "migi", texts::migi(), twipsRect(10200, 1440, 852, 372), 10.5);
    hidari = button(this, "hidari", texts::hidari(), twipsRect(9240, 1440, 852, 372), 10.5);

    const QRect area = twipsRect(120, 240, 8805, 7485);
    gamen = new Gamen(area.size(), japaneseFont(15, false), this);
    gamen->setObjectName(QStringLiteral("gamen"));
    gamen->setGeometry(area);
    gamen->setAccessibleName(QStringLiteral(u"図形"));

    Label1 = label(this, "Label1", texts::label1(), twipsRect(9120, 2160, 1935, 375));
    Label3 = label(this, "Label3", texts::label3(), twipsRect(9120, 1080, 1950, 270));
    // Label1 names the list below it. On Linux a screen reader takes a combo
    // box's name from its field, not from setAccessibleName, and finds the
    // heading through this label relation instead.
    Label1->setBuddy(keturon);
    // The bottom pixel of Label1 lies under the list.
    keturon->raise();

    QWidget* const order[] = {gamen, hidari, migi, saisyo, owari, katei,
                              sankaku, henkaku, godo, keturon, Command1};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    gamen->setFocus();
}

void Form1::connectHandlers()
{
    const auto on = [this](QPushButton* b, void (Form1::*handler)()) {
        connect(b, &QPushButton::clicked, this, [this, handler] { run(handler); });
    };
    on(katei, &Form1::katei_Click);
    on(hidari, &Form1::hidari_Click);
    on(migi, &Form1::migi_Click);
    on(sankaku, &Form1::sankaku_Click);
    on(henkaku, &Form1::henkaku_Click);
    on(godo, &Form1::godo_Click);
    on(saisyo, &Form1::saisyo_Click);
    on(Command1, &Form1::Command1_Click);
    on(owari, &Form1::owari_Click);
    // A click in the opened list, or Up/Down (and the like) on the closed box.
    connect(keturon, &QComboBox::activated, this, [this] { run(&Form1::keturon_Click); });
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == keturon && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace godo
