#include "form1_driver.h"

#include "desktop/gamen.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

namespace godo::test {

const QStringList& controlNames()
{
    static const QStringList names = {"Command1", "keturon", "godo",   "henkaku", "sankaku",
                                      "katei",    "owari",   "saisyo", "migi",    "hidari",
                                      "gamen",    "Label1",  "Label3"};
    return names;
}

Form1Driver::Form1Driver() : form_(std::make_unique<LessonWindow>())
{
    form_->show();
    if (!QTest::qWaitForWindowActive(form_.get()))
        qWarning("the lesson window did not become active");
}

Form1Driver::~Form1Driver() { closeMessageBoxes(); }

QWidget* Form1Driver::control(const QString& name) const
{
    // The turning buttons stand in a group of their own.
    auto* w = form_->findChild<QWidget*>(name);
    if (!w)
        qWarning("no control named %s", qPrintable(name));
    return w;
}

QPushButton* Form1Driver::button(const QString& name) const
{
    return qobject_cast<QPushButton*>(control(name));
}

QComboBox* Form1Driver::list() const { return qobject_cast<QComboBox*>(control("keturon")); }

bool Form1Driver::click(const QString& name)
{
    QWidget* w = control(name);
    if (!w)
        return false;
    QTest::mouseClick(w, Qt::LeftButton);
    return true;
}

bool Form1Driver::pickEntry(int entry)
{
    QComboBox* box = list();
    if (!box || entry < 1 || entry > box->count())
        return false;
    box->showPopup();
    QAbstractItemView* view = box->view();
    if (!QTest::qWaitFor([view] { return view->isVisible(); })) {
        qWarning("the list did not open");
        return false;
    }
    const QRect r = view->visualRect(box->model()->index(entry - 1, 0));
    QTest::mouseMove(view->viewport(), r.center());
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
    if (!QTest::qWaitFor([view] { return !view->isVisible(); })) {
        qWarning("the list did not close after a click on entry %d", entry);
        box->hidePopup();
        return false;
    }
    return true;
}

bool Form1Driver::keyOnList(int key, Qt::KeyboardModifiers modifiers)
{
    QComboBox* box = list();
    if (!box)
        return false;
    QTest::keyClick(box, Qt::Key(key), modifiers);
    return true;
}

bool Form1Driver::typeIntoField(const QString& text)
{
    QComboBox* box = list();
    if (!box)
        return false;
    box->setFocus(Qt::TabFocusReason);
    if (!QTest::qWaitFor([box] { return box->hasFocus(); })) {
        qWarning("the list did not take the keyboard focus");
        return false;
    }
    box->lineEdit()->selectAll();
    for (const QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_unknown, QString(ch),
                            Qt::NoModifier);
    if (box->lineEdit()->text() != text) {
        qWarning("the field shows %s after typing", qPrintable(box->lineEdit()->text()));
        return false;
    }
    return true;
}

bool Form1Driver::keyOnFocus(int key, Qt::KeyboardModifiers modifiers)
{
    QWidget* w = QApplication::focusWidget();
    if (!w) {
        qWarning("nothing has the keyboard focus");
        return false;
    }
    QTest::keyClick(w, Qt::Key(key), modifiers);
    return true;
}

namespace {

// The steps' actions carried out on the window's widgets.
class WindowPupil final : public Pupil {
public:
    explicit WindowPupil(Form1Driver& d) : d_(d) {}
    bool click(const std::string& control) override { return d_.click(QString::fromStdString(control)); }
    bool choose(int entry) override { return d_.pickEntry(entry); }
    bool key(const std::string& key) override
    {
        return d_.keyOnList(key == "ArrowDown" ? Qt::Key_Down : Qt::Key_Up);
    }
    bool type(const std::string& text) override { return d_.typeIntoField(QString::fromStdString(text)); }

private:
    Form1Driver& d_;
};

} // namespace

bool Form1Driver::run(const QStringList& steps)
{
    std::vector<std::string> list;
    for (const QString& s : steps)
        list.push_back(s.toStdString());
    WindowPupil pupil(*this);
    return pupil.walk(list);
}

QString Form1Driver::enabledFlags() const
{
    QString flags;
    for (const char* name : kLessonControls) {
        QWidget* w = control(QString::fromLatin1(name));
        flags += w && w->isEnabled() ? '1' : '0';
    }
    return flags;
}

QString Form1Driver::focusedControl() const
{
    // The focus may be on a part of a control, such as the list's field.
    for (QWidget* w = QApplication::focusWidget(); w && w != form_.get(); w = w->parentWidget()) {
        if (controlNames().contains(w->objectName()))
            return w->objectName();
    }
    return {};
}

QImage Form1Driver::picture() const { return form_->picture().image(); }

QList<QMessageBox*> Form1Driver::messageBoxes() const
{
    return form_->findChildren<QMessageBox*>();
}

void Form1Driver::closeMessageBoxes()
{
    for (QMessageBox* box : messageBoxes()) {
        box->close();
        delete box;
    }
}

QString describe(const FigureState& s)
{
    QStringList fields;
    forEachField(s, [&](const char* name, const auto& value) {
        fields << QStringLiteral("%1 %2").arg(QLatin1String(name)).arg(double(value), 0, 'g', 17);
    });
    return fields.join(u' ');
}

} // namespace godo::test
