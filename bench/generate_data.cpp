// quillby-generate: writes a new quillby.db filled with a deterministic data
// set, for benchmarks, screenshots and demos.

#include "bench/datagenerator.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quillby-generate"));

    const DataGeneratorOptions defaults;
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Creates a Quillby database filled with generated accounts and transactions. "
                       "The same options always produce the same data."));
    parser.addHelpOption();
    const QCommandLineOption out(QStringLiteral("out"), QStringLiteral("Database file to create (must not exist)."),
                                 QStringLiteral("file"));
    const QCommandLineOption accounts(QStringLiteral("accounts"), QStringLiteral("Number of accounts."),
                                      QStringLiteral("n"), QString::number(defaults.accounts));
    const QCommandLineOption transactions(QStringLiteral("transactions"),
                                          QStringLiteral("Number of transaction rows, both transfer halves counted."),
                                          QStringLiteral("n"), QString::number(defaults.transactions));
    const QCommandLineOption years(QStringLiteral("years"), QStringLiteral("Years of history before today."),
                                   QStringLiteral("n"), QString::number(defaults.years));
    const QCommandLineOption seed(QStringLiteral("seed"), QStringLiteral("Seed of the random source."),
                                  QStringLiteral("n"), QString::number(defaults.seed));
    const QCommandLineOption today(QStringLiteral("today"), QStringLiteral("The data set's today, yyyy-MM-dd."),
                                   QStringLiteral("date"), defaults.today.toString(Qt::ISODate));
    parser.addOptions({out, accounts, transactions, years, seed, today});
    parser.process(app);

    QTextStream err(stderr);
    if (!parser.isSet(out)) {
        err << "quillby-generate: --out is required\n";
        parser.showHelp(2);
    }

    DataGeneratorOptions options;
    bool ok[4] = {};
    options.accounts = parser.value(accounts).toInt(&ok[0]);
    options.transactions = parser.value(transactions).toLongLong(&ok[1]);
    options.years = parser.value(years).toInt(&ok[2]);
    options.seed = parser.value(seed).toULongLong(&ok[3]);
    options.today = QDate::fromString(parser.value(today), Qt::ISODate);
    if (!ok[0] || !ok[1] || !ok[2] || !ok[3] || !options.today.isValid()) {
        err << "quillby-generate: --accounts, --transactions, --years and --seed take whole numbers, "
               "--today a date as yyyy-MM-dd\n";
        return 2;
    }

    QElapsedTimer timer;
    timer.start();
    DataGenerator generator(options);
    if (!generator.generateFile(parser.value(out))) {
        err << "quillby-generate: " << generator.errorText() << '\n';
        return 1;
    }
    const DataGeneratorCounts &counts = generator.counts();
    QTextStream(stdout) << parser.value(out) << ": " << counts.accounts << " accounts, " << counts.transactions
                        << " transactions (" << counts.transfers << " transfers, " << counts.splitTransactions
                        << " split into " << counts.splitLines << " lines), " << counts.recurring
                        << " recurring templates, " << counts.reconciliations << " reconciliations, "
                        << counts.categories << " categories in " << timer.elapsed() << " ms\n";
    return 0;
}
