#pragma once

#include "app/appstate.h"

#include <QTemporaryDir>

// Owns the temporary data directory of a TestAppState. A base class of its
// own so the directory exists before the AppState is built and outlives it.
class TemporaryDataDirectory
{
protected:
    TemporaryDataDirectory();
    QTemporaryDir m_dataDir;
};

// An AppState over a fresh, empty data directory of its own: initialize()
// creates the database there and seeds the default categories. Construct one
// per test function; only one may exist at a time (one database connection).
class TestAppState : private TemporaryDataDirectory, public AppState
{
public:
    TestAppState() = default;

    QString dataDirectory() const { return m_dataDir.path(); }

    // Points QSettings at an INI file in a folder of this test process, so
    // tests never read or write the user's own settings. Call once, from
    // initTestCase().
    static void redirectSettings();
};
