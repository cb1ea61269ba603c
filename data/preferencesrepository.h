#pragma once

#include <QObject>
#include <QString>

#include <optional>

class Database;

// Key-value settings that travel with the data set (the preferences table).
// Every successful write announces its key; reads fall back to defaults.
class PreferencesRepository : public QObject
{
    Q_OBJECT

public:
    explicit PreferencesRepository(Database *database, QObject *parent = nullptr);

    std::optional<QString> get(const QString &key) const;
    QString getValue(const QString &key, const QString &defaultValue) const;
    // True exactly for "1" and "true"; defaultValue when the key is absent.
    bool getBool(const QString &key, bool defaultValue) const;

    bool set(const QString &key, const QString &value);
    void setBool(const QString &key, bool value);
    void setInt(const QString &key, int value);
    bool remove(const QString &key);

Q_SIGNALS:
    void changed(const QString &key);

private:
    Database *m_database;
};
