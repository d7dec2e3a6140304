#include "desktop/support_store.h"

#include <QSettings>

namespace godo {

namespace {

QSettings store() { return QSettings(QStringLiteral("godojoken"), QStringLiteral("godojoken")); }

QString key(std::string_view name) { return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())); }

} // namespace

SupportSettings storedSupportSettings()
{
    SupportSettings settings;
    const QSettings s = store();
    for (const SettingValue& v : settingValues(settings)) {
        const QByteArray value = s.value(key(v.name)).toString().toUtf8();
        applySetting(settings, v.name, std::string_view(value.constData(), static_cast<std::size_t>(value.size())));
    }
    return settings;
}

void storeSupportSettings(const SupportSettings& settings)
{
    QSettings s = store();
    for (const SettingValue& v : settingValues(settings))
        s.setValue(key(v.name), key(v.value));
}

} // namespace godo
