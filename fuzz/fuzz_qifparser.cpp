// libFuzzer target: the bytes of an imported QIF file, decoded as the import
// does, through the file parser and the date and amount readers on every
// line's value.

#include "services/importencoding.h"
#include "services/qifparser.h"

#include <QByteArray>
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
    const QString text = ImportEncoding::decode(bytes);

    const QifFile file = QifParser::parse(text);
    for (const QifRecord &record : file.records) {
        // Only records with a valid date are kept.
        if (!record.date.isValid())
            abort();
    }

    const bool dayFirst = QifParser::isDayFirst(text);
    const QStringView view(text);
    qsizetype start = 0;
    while (start <= view.size()) {
        qsizetype end = view.indexOf(u'\n', start);
        if (end < 0)
            end = view.size();
        const QStringView line = view.sliced(start, end - start).trimmed();
        if (!line.isEmpty()) {
            const QStringView value = line.sliced(1);
            QifParser::parseDate(value, dayFirst);
            QifParser::parseDate(value, !dayFirst);
            QifParser::parseAmount(value);
        }
        start = end + 1;
    }
    return 0;
}
