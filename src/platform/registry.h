#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <optional>

namespace harbex {

enum class RegistryRoot { CurrentUser, LocalMachine };

// Text values in a registry-like tree, kept as INI files (one per key of the form
// Software\<A>\<B>, deeper key levels as INI groups, <B>'s own values in [General]).
// Key levels and value names are compared without regard to case, as on the original system:
// a value stored as "Zip Temp" is found when asked for "zip temp", and written back under the
// name it already has rather than as a second value.
class Registry {
  public:
    Registry(QString currentUserRoot, QString localMachineRoot);

    std::optional<QString> readText(RegistryRoot root, const QString& key,
                                    const QString& name) const;
    // False when the value exists but is stored as something other than text (a number or
    // binary data written by another program), which a text read must not pass off as text.
    bool isTextOrAbsent(RegistryRoot root, const QString& key, const QString& name) const;
    // Returns false with the system's message in *error when the value cannot be stored.
    bool writeText(RegistryRoot root, const QString& key, const QString& name, const QString& value,
                   QString* error = nullptr);
    // Writes several values of one key in one go: the file is read once and replaced once.
    // Returns false with the system's message when they cannot be stored.
    bool writeTexts(RegistryRoot root, const QString& key,
                    const QList<std::pair<QString, QString>>& values, QString* error = nullptr);
    bool deleteValue(RegistryRoot root, const QString& key, const QString& name);
    bool keyExists(RegistryRoot root, const QString& key) const;
    QStringList valueNames(RegistryRoot root, const QString& key) const;

    QString rootFolder(RegistryRoot root) const;
    // The host file that holds a key's values (for messages that tell the user where to edit).
    QString fileOf(RegistryRoot root, const QString& key) const;

  private:
    struct Location {
        QString file;        // host path of the INI file
        QStringList groups;  // key levels below the file
    };
    std::optional<Location> locate(RegistryRoot root, const QString& key) const;
    std::optional<QVariant> storedValue(RegistryRoot root, const QString& key,
                                        const QString& name) const;

    QString currentUserRoot_;
    QString localMachineRoot_;
};

}  // namespace harbex
