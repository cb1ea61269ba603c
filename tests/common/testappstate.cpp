#include "common/testappstate.h"

#include <QSettings>

TemporaryDataDirectory::TemporaryDataDirectory()
{
    qputenv("QUILLBY_DATA_DIR", m_dataDir.path().toUtf8());
}

void TestAppState::redirectSettings()
{
    static QTemporaryDir settingsDir;
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
}
