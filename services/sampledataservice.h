#pragma once

#include "data/result.h"

#include <QObject>
#include <QString>
#include <QStringList>

class Database;

// What clearing the sample data did: how many sample rows went, and for the
// sample rows that had to stay, one sentence per kind saying why.
struct SampleDataClearReport
{
    int removed = 0;
    QStringList stayed;
};

// Fills the database with a small, believable household data set (three
// accounts, their transactions with two transfers, three recurring
// templates) for trying the program without typing, and removes it again.
// Every row it makes has an id that begins with "sample-", which is how it
// finds them; the categories it uses are the existing ones, found by their
// (translated) names.
//
// It writes with its own statements, each operation in one transaction,
// and records what it changed in the change journal, so open screens
// reload once it has committed. It never changes or removes a row of the
// user's: loading only inserts, and clearing leaves every sample row that a
// row of the user's refers to (and what such a row needs in turn).
class SampleDataService : public QObject
{
    Q_OBJECT

public:
    explicit SampleDataService(Database *database, QObject *parent = nullptr);

    bool hasSampleData() const;
    // Inserts the data set; the number of rows on success. Refused while
    // sample data is present; on any failure nothing is written.
    Result<int> loadSampleData();
    // Removes every sample row nothing of the user's refers to.
    Result<SampleDataClearReport> clearSampleData();

private:
    Database *m_database;
};
