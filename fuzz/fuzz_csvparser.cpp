// libFuzzer target: the bytes of an imported CSV file, through encoding
// detection and decoding, the row parser, and the date and amount readers on
// every cell.

#include "services/csvparser.h"
#include "services/importencoding.h"

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

    ImportEncoding::detect(bytes);
    ImportEncoding::isWellFormedUtf8(bytes);
    const QString text = ImportEncoding::decode(bytes);

    const QList<QStringList> rows = CsvParser::parse(text);
    // The first cell doubles as a user-chosen date format, as the import
    // screen lets the user type one.
    const QString format = rows.isEmpty() || rows.constFirst().isEmpty() ? QString() : rows.constFirst().constFirst();
    for (const QStringList &row : rows) {
        if (row.size() > CsvParser::kMaxColumns)
            abort();
        for (const QString &cell : row) {
            const QDate date = CsvParser::parseDate(cell);
            if (date.isValid() && (date.year() < 1 || date.year() > 9999))
                abort();
            CsvParser::parseDate(cell, format);
            CsvParser::parseAmount(cell);
        }
    }
    return 0;
}
