// libFuzzer target: the bytes of an imported OFX or QFX file, through the
// preparation of the passes (split into passes of three lines, so the
// splitting itself is exercised on small inputs) and the whole reading by
// libofx, and the import's amount reading on every line.

#include "data/money.h"
#include "services/ofxparser.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QSet>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void quietHandler(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtFatalMsg) {
        fprintf(stderr, "qFatal: %s\n", qPrintable(message));
        abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qInstallMessageHandler(quietHandler);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));

    const OfxParser::Passes passes = OfxParser::passes(bytes, 3);
    if (passes.error.isEmpty() == passes.documents.isEmpty())
        abort();
    if (passes.documents.size() > 1) {
        // Every line is in exactly one pass; whatever else the file holds
        // (a stray closing tag too) is in all of them.
        qsizetype lines = 0;
        for (const QByteArray &document : passes.documents)
            lines += document.toLower().count("<stmttrn>");
        if (lines != passes.lines)
            abort();
    }

    int passesSeen = 0;
    const OfxFile file = OfxParser::parse(bytes, [&passesSeen](int read, int total) {
        ++passesSeen;
        if (read < 0 || read > total)
            abort();
        return passesSeen < 50;
    });
    if (!file.error.isEmpty() && (!file.transactions.isEmpty() || !file.accounts.isEmpty()))
        abort();
    QSet<QString> keys;
    for (const OfxAccount &account : file.accounts)
        keys.insert(account.key);
    for (const OfxTransaction &t : file.transactions) {
        if (!t.date.isValid() || !keys.contains(t.accountKey) || t.amount.isEmpty())
            abort();
        parseMinorUnits(t.amount, 2);
        parseMinorUnits(t.amount, 0);
    }
    return 0;
}
