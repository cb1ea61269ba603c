// Stands in for the program in the kill test: opens the installation at the
// given database file, signed in with the access token from the environment
// (QUILLBY_TEST_ACCESS_TOKEN), and syncs until a sync brings nothing new.
// Exit codes: 0 done, 1 bad arguments, 2 the file could not be opened, 3 a
// sync failed or did not end, 4 still not done after 60 syncs.
#include "common/syncinstallation.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: synckillhelper DATABASE SERVER_URL\n");
        return 1;
    }
    SyncInstallation installation(QStringLiteral("killed"), arguments.at(1));
    installation.signIn(arguments.at(2), qEnvironmentVariable("QUILLBY_TEST_ACCESS_TOKEN"));
    installation.setRequestTimeout(60000);
    if (!installation.open()) {
        std::fprintf(stderr, "synckillhelper: the database could not be opened\n");
        return 2;
    }
    for (int round = 0; round < 60; ++round) {
        const QString cursorBefore = installation.cursor();
        const QVariant rowsBefore = installation.scalar(QStringLiteral("SELECT COUNT(*) FROM transactions"));
        const SyncInstallation::SyncOutcome outcome = installation.sync(300000);
        if (!outcome.ok) {
            std::fprintf(stderr, "synckillhelper: sync %d failed: %s\n", round + 1, qPrintable(outcome.error));
            return 3;
        }
        if (installation.cursor() == cursorBefore
            || installation.scalar(QStringLiteral("SELECT COUNT(*) FROM transactions")) == rowsBefore)
            return 0;
    }
    return 4;
}
