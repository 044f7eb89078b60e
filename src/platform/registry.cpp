#include "platform/registry.h"

#include "platform/hostpaths.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace harbex {
namespace {

// Finds the existing spelling of a name among candidates, ignoring case.
QString ExistingSpelling(const QStringList& candidates, const QString& wanted) {
    for (const QString& candidate : candidates)
        if (candidate.compare(wanted, Qt::CaseInsensitive) == 0) return candidate;
    return QString();
}

// Enters the groups of a key, following the spelling already stored where one exists.
// Returns false when a level does not exist and create is false.
bool EnterGroups(QSettings& settings, const QStringList& groups, bool create) {
    for (const QString& group : groups) {
        QString spelling = ExistingSpelling(settings.childGroups(), group);
        if (spelling.isEmpty()) {
            if (!create) return false;
            spelling = group;
        }
        settings.beginGroup(spelling);
    }
    return true;
}

QString ValueAsText(const QVariant& value) {
    // A hand-written INI line "a, b" reads back as a list; the registry only has text.
    if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(u", ");
    return value.toString();
}

}  // namespace

Registry::Registry(QString currentUserRoot, QString localMachineRoot)
    : currentUserRoot_(std::move(currentUserRoot)),
      localMachineRoot_(std::move(localMachineRoot)) {}

QString Registry::rootFolder(RegistryRoot root) const {
    return root == RegistryRoot::CurrentUser ? currentUserRoot_ : localMachineRoot_;
}

std::optional<Registry::Location> Registry::locate(RegistryRoot root, const QString& key) const {
    QStringList levels = PathComponents(key);
    if (levels.isEmpty() || levels.first().compare(u"Software", Qt::CaseInsensitive) != 0)
        return std::nullopt;
    levels.removeFirst();
    if (levels.isEmpty()) return std::nullopt;
    Location location;
    QString folder = rootFolder(root);
    if (levels.size() == 1) {
        location.file = folder + u'/' + levels.first() + QStringLiteral(".conf");
        return location;
    }
    location.file = folder + u'/' + levels[0] + u'/' + levels[1] + QStringLiteral(".conf");
    location.groups = levels.mid(2);
    return location;
}

std::optional<QVariant> Registry::storedValue(RegistryRoot root, const QString& key,
                                              const QString& name) const {
    const auto location = locate(root, key);
    if (!location || !QFileInfo::exists(location->file)) return std::nullopt;
    QSettings settings(location->file, QSettings::IniFormat);
    if (!EnterGroups(settings, location->groups, false)) return std::nullopt;
    const QString spelling = ExistingSpelling(settings.childKeys(), name);
    if (spelling.isEmpty()) return std::nullopt;
    return settings.value(spelling);
}

std::optional<QString> Registry::readText(RegistryRoot root, const QString& key,
                                          const QString& name) const {
    const auto value = storedValue(root, key, name);
    if (!value) return std::nullopt;
    return ValueAsText(*value);
}

bool Registry::isTextOrAbsent(RegistryRoot root, const QString& key, const QString& name) const {
    const auto value = storedValue(root, key, name);
    return !value || value->typeId() == QMetaType::QString ||
           value->typeId() == QMetaType::QStringList;
}

bool Registry::writeText(RegistryRoot root, const QString& key, const QString& name,
                         const QString& value, QString* error) {
    return writeTexts(root, key, {{name, value}}, error);
}

bool Registry::writeTexts(RegistryRoot root, const QString& key,
                          const QList<std::pair<QString, QString>>& values, QString* error) {
    const auto location = locate(root, key);
    if (!location) {
        if (error) *error = QStringLiteral("Invalid registry key %1").arg(key);
        return false;
    }
    const QFileInfo info(location->file);
    if (!QDir().mkpath(info.absolutePath())) {
        if (error) *error = QStringLiteral("Unable to create %1").arg(info.absolutePath());
        return false;
    }
    QSettings settings(location->file, QSettings::IniFormat);
    EnterGroups(settings, location->groups, true);
    const QStringList stored = settings.childKeys();
    for (const auto& [name, value] : values) {
        const QString spelling = ExistingSpelling(stored, name);
        settings.setValue(spelling.isEmpty() ? name : spelling, value);
    }
    settings.sync();
    if (settings.status() != QSettings::NoError) {
        if (error) *error = QStringLiteral("Unable to write %1").arg(location->file);
        return false;
    }
    return true;
}

QString Registry::fileOf(RegistryRoot root, const QString& key) const {
    const auto location = locate(root, key);
    return location ? location->file : QString();
}

bool Registry::deleteValue(RegistryRoot root, const QString& key, const QString& name) {
    const auto location = locate(root, key);
    if (!location || !QFileInfo::exists(location->file)) return false;
    QSettings settings(location->file, QSettings::IniFormat);
    if (!EnterGroups(settings, location->groups, false)) return false;
    const QString spelling = ExistingSpelling(settings.childKeys(), name);
    if (spelling.isEmpty()) return false;
    settings.remove(spelling);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

bool Registry::keyExists(RegistryRoot root, const QString& key) const {
    const auto location = locate(root, key);
    if (!location || !QFileInfo::exists(location->file)) return false;
    QSettings settings(location->file, QSettings::IniFormat);
    return EnterGroups(settings, location->groups, false);
}

QStringList Registry::valueNames(RegistryRoot root, const QString& key) const {
    const auto location = locate(root, key);
    if (!location || !QFileInfo::exists(location->file)) return {};
    QSettings settings(location->file, QSettings::IniFormat);
    if (!EnterGroups(settings, location->groups, false)) return {};
    return settings.childKeys();
}

}  // namespace harbex
