#include "services/ofxparser.h"

#include "services/importencoding.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QMutexLocker>
#include <QTemporaryFile>

#include <libofx/libofx.h>

#include <charconv>
#include <cmath>
#include <cstring>

#ifdef Q_OS_LINUX
#include <dirent.h>
#include <unistd.h>
#endif

namespace {

// libofx keeps its settings in globals and changes the environment while
// it reads, so one file at a time.
QMutex &libofxLock()
{
    static QMutex lock;
    return lock;
}

void silenceLibofx()
{
    // It prints to standard output and error unless told otherwise, and
    // what it prints includes row contents.
    for (int *flag : {&ofx_PARSER_msg, &ofx_DEBUG_msg, &ofx_DEBUG1_msg, &ofx_DEBUG2_msg, &ofx_DEBUG3_msg,
                      &ofx_DEBUG4_msg, &ofx_DEBUG5_msg, &ofx_STATUS_msg, &ofx_INFO_msg, &ofx_WARNING_msg,
                      &ofx_ERROR_msg, &ofx_show_position})
        *flag = 0;
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v' || c == '\b';
}

bool isNameChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' || c == '_'
           || c == '-';
}

char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

// Where the tag "<name" or "</name" (any case, `name` given in lower case)
// starts at or after `from`, when the name ends there; -1 when there is none.
qsizetype findTag(const QByteArray &text, QByteArrayView name, qsizetype from, bool closing = false)
{
    const char *data = text.constData();
    const qsizetype size = text.size();
    const qsizetype nameStart = closing ? 2 : 1;
    for (qsizetype i = from; i < size;) {
        const void *hit = std::memchr(data + i, '<', size_t(size - i));
        if (!hit)
            return -1;
        i = static_cast<const char *>(hit) - data;
        const qsizetype end = i + nameStart + name.size();
        bool match = end <= size && (!closing || data[i + 1] == '/');
        for (qsizetype k = 0; match && k < name.size(); ++k)
            match = lower(data[i + nameStart + k]) == name[k];
        if (match && (end == size || !isNameChar(data[end])))
            return i;
        ++i;
    }
    return -1;
}

// Whether the tag found at `at` is the plain "<name>" (or "</name>").
bool isPlainTag(const QByteArray &text, qsizetype at, QByteArrayView name, bool closing = false)
{
    const qsizetype close = at + (closing ? 2 : 1) + name.size();
    return close < text.size() && text[close] == '>';
}

int countTags(const QByteArray &text, QByteArrayView name)
{
    int count = 0;
    for (qsizetype at = findTag(text, name, 0); at >= 0; at = findTag(text, name, at + 1))
        ++count;
    return count;
}

// Every run of blanks becomes one: a line feed when a tag follows, else a
// space; other control characters count as blanks. Values then hold no
// tab, line break or other blank libofx would remove one at a time, and
// every tag starts a line of its own.
QByteArray foldBlanks(QByteArrayView body)
{
    QByteArray out;
    out.reserve(body.size());
    bool inRun = false;
    for (const char c : body) {
        if (isBlank(c) || (static_cast<unsigned char>(c) < 0x20)) {
            inRun = true;
            continue;
        }
        if (inRun) {
            out.append(c == '<' ? '\n' : ' ');
            inRun = false;
        }
        out.append(c);
    }
    if (inRun)
        out.append('\n');
    return out;
}

struct Span
{
    qsizetype begin = 0;
    qsizetype end = 0;
};

// Cuts every element `name` out of `text`; false when one is not closed.
bool cutElements(QByteArray &text, QByteArrayView name, int *statements = nullptr)
{
    QByteArray out;
    qsizetype copied = 0;
    for (qsizetype at = findTag(text, name, 0); at >= 0; at = findTag(text, name, copied)) {
        const qsizetype close = findTag(text, name, at, true);
        if (close < 0)
            return false;
        const qsizetype end = text.indexOf('>', close);
        if (end < 0)
            return false;
        if (statements)
            *statements += countTags(text.mid(at, end - at), "invstmtrs");
        out.append(QByteArrayView(text).sliced(copied, at - copied));
        copied = end + 1;
    }
    if (copied == 0)
        return true;
    out.append(QByteArrayView(text).sliced(copied));
    text = out;
    return true;
}

AccountType suggestedType(const OfxAccountData &data)
{
    if (!data.account_type_valid)
        return AccountType::Checking;
    switch (data.account_type) {
    case OfxAccountData::OFX_SAVINGS:
    case OfxAccountData::OFX_MONEYMRKT:
        return AccountType::Savings;
    case OfxAccountData::OFX_CREDITCARD:
        return AccountType::CreditCard;
    case OfxAccountData::OFX_CREDITLINE:
        return AccountType::Other;
    case OfxAccountData::OFX_INVESTMENT:
    case OfxAccountData::OFX_401K:
        return AccountType::Investment;
    case OfxAccountData::OFX_CHECKING:
    case OfxAccountData::OFX_CMA:
        break;
    }
    return AccountType::Checking;
}

// libofx copies texts with strncpy into fixed arrays, so a text that fills
// its array has no terminating zero.
template <std::size_t N>
QString text(const char (&field)[N], int valid)
{
    if (!valid)
        return QString();
    const QByteArray bytes(field, qsizetype(strnlen(field, N)));
    QString decoded = ImportEncoding::decode(bytes);
    for (QChar &c : decoded) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = u' ';
    }
    return decoded.simplified();
}

// What libofx reports for one document, gathered across its passes.
struct Collector
{
    OfxFile file;
    QHash<QString, qsizetype> accountIndex;

    static int onAccount(const OfxAccountData data, void *self)
    {
        auto *collector = static_cast<Collector *>(self);
        const QString key = text(data.account_id, data.account_id_valid);
        if (key.isEmpty() || collector->accountIndex.contains(key))
            return 0;
        OfxAccount account;
        account.key = key;
        account.number = text(data.account_number, data.account_number_valid);
        account.suggestedType = suggestedType(data);
        account.currency = text(data.currency, data.currency_valid).toUpper();
        collector->accountIndex.insert(key, collector->file.accounts.size());
        collector->file.accounts.append(account);
        return 0;
    }

    static int onStatement(const OfxStatementData data, void *self)
    {
        auto *collector = static_cast<Collector *>(self);
        const auto it = collector->accountIndex.constFind(text(data.account_id, data.account_id_valid));
        const QString currency = text(data.currency, data.currency_valid).toUpper();
        if (it != collector->accountIndex.constEnd() && !currency.isEmpty())
            collector->file.accounts[*it].currency = currency;
        return 0;
    }

    static int onTransaction(const OfxTransactionData data, void *self)
    {
        auto *collector = static_cast<Collector *>(self);
        OfxTransaction t;
        t.accountKey = text(data.account_id, data.account_id_valid);
        if (data.date_posted_valid && data.date_posted != time_t(-1)) {
            const QDate date = QDateTime::fromSecsSinceEpoch(qint64(data.date_posted)).date();
            // mktime turns nonsense into some date; only plausible ones stay.
            if (date.isValid() && date.year() >= 1900 && date.year() <= 9999)
                t.date = date;
        }
        if (data.amount_valid)
            t.amount = OfxParser::amountText(data.amount);
        if (t.accountKey.isEmpty() || !collector->accountIndex.contains(t.accountKey) || !t.date.isValid()
            || t.amount.isEmpty()) {
            ++collector->file.unparseable;
            return 0;
        }
        t.payee = text(data.name, data.name_valid);
        t.memo = text(data.memo, data.memo_valid);
        if (t.payee.isEmpty()) {
            t.payee = t.memo;
            t.memo.clear();
        }
        t.checkNumber = text(data.check_number, data.check_number_valid);
        t.fitId = text(data.fi_id, data.fi_id_valid);
        collector->file.transactions.append(t);
        return 0;
    }
};

// libofx opens its own temporary file twice and closes only one of the
// handles, once per document: left alone, a long session runs out of file
// handles. The leaked one names a deleted "libofxtmp" file in its folder.
void closeLeakedHandles()
{
#ifdef Q_OS_LINUX
    QByteArray folder = qgetenv("TMPDIR");
    if (folder.isEmpty())
        folder = qgetenv("TMP");
    if (folder.isEmpty())
        folder = qgetenv("TEMP");
    if (folder.isEmpty())
        folder = "/tmp";
    const QByteArray prefix = folder + "/libofxtmp";
    DIR *dir = opendir("/proc/self/fd");
    if (!dir)
        return;
    QList<int> leaked;
    while (const dirent *entry = readdir(dir)) {
        bool ok = false;
        const int fd = QByteArray(entry->d_name).toInt(&ok);
        if (!ok || fd == dirfd(dir))
            continue;
        char target[4096];
        const ssize_t length = readlink(QByteArray("/proc/self/fd/" + QByteArray::number(fd)).constData(), target,
                                        sizeof target - 1);
        if (length <= 0)
            continue;
        const QByteArray link(target, length);
        if (link.startsWith(prefix) && link.endsWith(" (deleted)"))
            leaked.append(fd);
    }
    closedir(dir);
    for (int fd : std::as_const(leaked))
        ::close(fd);
#endif
}

} // namespace

QString OfxParser::amountText(double amount)
{
    if (!std::isfinite(amount))
        return QString();
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, amount);
    if (error != std::errc())
        return QString();
    return QString::fromLatin1(buffer, end - buffer);
}

OfxParser::Passes OfxParser::passes(const QByteArray &bytes, int perPass)
{
    Passes result;
    const auto refuse = [&result](const QString &why) {
        result.error = why;
        return result;
    };
    if (bytes.contains('\0'))
        return refuse(tr("This is not an OFX or QFX file."));
    const qsizetype start = findTag(bytes, "ofx", 0);
    // The header before the document is a few short lines.
    if (start < 0 || start > 64 * 1024)
        return refuse(tr("This is not an OFX or QFX file."));
    qsizetype close = -1;
    for (qsizetype at = findTag(bytes, "ofx", start, true); at >= 0; at = findTag(bytes, "ofx", at + 1, true))
        close = at;
    if (close < 0 || !isPlainTag(bytes, close, "ofx", true))
        return refuse(tr("The file ends before its statement does; it may have been cut off."));

    QByteArray body = foldBlanks(QByteArrayView(bytes).sliced(start, close + 6 - start));
    if (!cutElements(body, "invstmtmsgsrsv1", &result.investmentStatements) || !cutElements(body, "seclistmsgsrsv1"))
        return refuse(tr("The file is damaged: a section of it is not closed."));

    if (countTags(body, "stmtrs") + countTags(body, "ccstmtrs") > kMaxStatements)
        return refuse(tr("The file holds more than %n statement(s), more than one import can read.", nullptr,
                         kMaxStatements));

    QList<Span> lines;
    for (qsizetype at = findTag(body, "stmttrn", 0); at >= 0;) {
        const qsizetype end = findTag(body, "stmttrn", at, true);
        const qsizetype next = findTag(body, "stmttrn", at + 1);
        if (!isPlainTag(body, at, "stmttrn") || end < 0 || (next >= 0 && next < end)
            || !isPlainTag(body, end, "stmttrn", true))
            return refuse(tr("The file is damaged: a statement line is not closed."));
        lines.append({at, end + 10});
        if (lines.size() > kMaxLines)
            return refuse(tr("The file holds more than %n statement line(s), more than one import can read.",
                             nullptr, kMaxLines));
        at = next;
    }

    const QByteArray header = bytes.left(start);
    qsizetype lineBytes = 0;
    for (const Span &line : std::as_const(lines))
        lineBytes += line.end - line.begin;
    const qsizetype frame = header.size() + body.size() - lineBytes;
    perPass = qMax(1, perPass);
    result.lines = int(lines.size());
    if (lines.size() <= perPass) {
        result.documents = {header + '\n' + body};
        return result;
    }
    if (frame > kMaxFrameSize)
        return refuse(tr("This is not a bank or credit card statement OFX file."));

    for (qsizetype first = 0; first < lines.size(); first += perPass) {
        const qsizetype last = qMin(lines.size(), first + perPass);
        QByteArray document = header + '\n';
        document.reserve(frame + lines[last - 1].end - lines[first].begin + 1);
        qsizetype copied = 0;
        for (qsizetype k = 0; k < lines.size(); ++k) {
            // Everything between lines, and the lines of this pass.
            const qsizetype keepUntil = (k >= first && k < last) ? lines[k].end : lines[k].begin;
            document.append(QByteArrayView(body).sliced(copied, keepUntil - copied));
            copied = lines[k].end;
        }
        document.append(QByteArrayView(body).sliced(copied));
        result.documents.append(document);
    }
    return result;
}

OfxFile OfxParser::parseFile(const QString &path, const Progress &progress)
{
    OfxFile file;
    QFile input(path);
    if (!input.open(QIODevice::ReadOnly)) {
        file.error = tr("%1 could not be read.").arg(QFileInfo(path).fileName());
        return file;
    }
    // One byte past the limit tells a file that is too large.
    const QByteArray bytes = input.read(kMaxFileSize + 1);
    if (bytes.size() > kMaxFileSize) {
        file.error = tr("%1 is larger than %2 MB and was not read.")
                         .arg(QFileInfo(path).fileName())
                         .arg(kMaxFileSize / (1024 * 1024));
        return file;
    }
    return parse(bytes, progress);
}

OfxFile OfxParser::parse(const QByteArray &bytes, const Progress &progress, int linesPerPass)
{
    Collector collector;
    OfxFile &file = collector.file;
    if (bytes.size() > kMaxFileSize) {
        file.error = tr("The file is larger than %1 MB and was not read.").arg(kMaxFileSize / (1024 * 1024));
        return file;
    }
    const Passes prepared = passes(bytes, linesPerPass);
    if (!prepared.error.isEmpty()) {
        file.error = prepared.error;
        return file;
    }
    file.investmentStatements = prepared.investmentStatements;

    QTemporaryFile scratch(QDir::tempPath() + QStringLiteral("/quillby-ofx-XXXXXX.ofx"));
    if (!scratch.open()) {
        file.error = tr("No temporary file could be made to read the statement.");
        return file;
    }
    const QByteArray scratchPath = QFile::encodeName(scratch.fileName());
    int linesRead = 0;
    for (const QByteArray &document : prepared.documents) {
        if (!scratch.resize(0) || !scratch.seek(0) || scratch.write(document) != document.size() || !scratch.flush()) {
            file.error = tr("No temporary file could be made to read the statement.");
            break;
        }
        {
            // Held for the pass only: the progress call below may run the
            // event loop, and whatever it starts may read a file too.
            QMutexLocker locker(&libofxLock());
            silenceLibofx();
            LibofxContextPtr context = libofx_get_new_context();
            ofx_set_account_cb(context, &Collector::onAccount, &collector);
            ofx_set_statement_cb(context, &Collector::onStatement, &collector);
            ofx_set_transaction_cb(context, &Collector::onTransaction, &collector);
            // Its result is no guide: it reports errors for well-formed XML
            // files read against its SGML grammar. What came through counts.
            libofx_proc_file(context, scratchPath.constData(), OFX);
            libofx_free_context(context);
            closeLeakedHandles();
        }
        linesRead = qMin(prepared.lines, linesRead + qMax(1, linesPerPass));
        if (progress && !progress(linesRead, prepared.lines)) {
            file.cancelled = true;
            break;
        }
    }
    if (file.cancelled || !file.error.isEmpty()) {
        file.accounts.clear();
        file.transactions.clear();
        file.unparseable = 0;
    }
    return file;
}
