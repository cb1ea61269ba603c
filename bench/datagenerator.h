#pragma once

#include <QDate>
#include <QString>

#include <memory>

class Database;

struct DataGeneratorOptions
{
    int accounts = 20;
    qint64 transactions = 1000000;   // rows of the transactions table, both transfer halves counted
    int years = 5;
    quint64 seed = 42;
    QDate today = QDate(2026, 12, 1);
    int batchSize = 250000;          // rows per database transaction
};

struct DataGeneratorCounts
{
    int accounts = 0;
    int categories = 0;
    qint64 transactions = 0;
    qint64 transfers = 0;            // linked pairs, each two transactions
    qint64 splitTransactions = 0;
    qint64 splitLines = 0;
    int recurring = 0;
    int reconciliations = 0;
};

// Fills a database with a believable household data set of any size, for
// benchmarks, screenshots and demos. The same options always give the same
// rows, byte for byte: ids are name-based UUIDs of the seed and a counter,
// timestamps follow the rows' dates, and the random source is seeded.
//
// It writes with its own prepared statements in large transactions, not
// through the repositories, so it emits no change signals. While it loads,
// the transactions table's indexes and search triggers are set aside and
// then rebuilt, also after a failure. It refuses a database that already
// holds accounts, and it never deletes rows.
class DataGenerator
{
public:
    explicit DataGenerator(const DataGeneratorOptions &options = {});
    ~DataGenerator();

    // Fills an open, migrated database. On failure the batches already
    // committed stay, and errorText() says what failed.
    bool generate(Database *database);
    // Creates the file (refusing one that exists), migrates it and fills it;
    // on failure the file is removed again.
    bool generateFile(const QString &path);

    const DataGeneratorOptions &options() const { return m_options; }
    const DataGeneratorCounts &counts() const { return m_counts; }
    QString errorText() const { return m_error; }

private:
    bool validate();

    DataGeneratorOptions m_options;
    DataGeneratorCounts m_counts;
    QString m_error;
};
