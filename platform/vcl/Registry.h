#pragma once
#include <QString>
#include <memory>

class QSettings;

// The registry of the toolkit over QSettings: one INI store per root (the
// user's for HKEY_CURRENT_USER, the system's for HKEY_LOCAL_MACHINE, in
// QSettings' user and system scopes), keys as groups ("SOFTWARE\Tarvex\Themes"
// becomes SOFTWARE/Tarvex/Themes). Only what the program reads and writes.
enum TRootKey { HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE };

class TRegistry {
public:
    explicit TRegistry(TRootKey RootKey = HKEY_CURRENT_USER);
    ~TRegistry();

    // False when the key does not exist (nothing is created).
    bool OpenKeyReadOnly(const QString &Key);
    // Creates the key when CanCreate.
    bool OpenKey(const QString &Key, bool CanCreate);
    void CloseKey();
    bool ValueExists(const QString &Name) const;
    // Empty when missing. A value of another type than text (one that the
    // store keeps typed, such as "@ByteArray(...)") raises
    // ERegistryException "Invalid data type for 'Name'".
    QString ReadString(const QString &Name) const;
    void WriteString(const QString &Name, const QString &Value);

private:
    std::unique_ptr<QSettings> settings_;
    QString key_;
};
