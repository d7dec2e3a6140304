#include "desktop/accessibility.h"

#include <QAccessibleWidget>
#include <QHash>

namespace godo {

namespace {

QHash<QByteArray, QAccessible::Role>& rolesByClass()
{
    static QHash<QByteArray, QAccessible::Role> roles;
    return roles;
}

// Qt asks the factories with the name of the object's own class first, then
// with those of its base classes; matching the exact name leaves every other
// widget to Qt's own interfaces.
QAccessibleInterface* widgetWithRole(const QString& className, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    const auto found = rolesByClass().constFind(className.toLatin1());
    if (found == rolesByClass().cend())
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), *found);
}

} // namespace

void setAccessibleRole(const QMetaObject& cls, QAccessible::Role role)
{
    if (rolesByClass().isEmpty())
        QAccessible::installFactory(widgetWithRole);
    rolesByClass().insert(QByteArray(cls.className()), role);
}

} // namespace godo
