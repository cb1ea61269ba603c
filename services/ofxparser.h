#pragma once

#include "data/enums.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDate>
#include <QList>
#include <QString>

#include <functional>

// One statement line of a bank or credit card account. The amount stays the
// decimal text the file gave until the target account, whose currency
// decides the decimals, is known.
struct OfxTransaction
{
    QString accountKey;
    QDate date;
    QString amount;
    QString payee;
    QString memo;
    QString checkNumber;
    QString fitId;   // the bank's own id of the line; empty when the file has none
};

// An account with a bank or credit card statement in the file.
struct OfxAccount
{
    // Bank id, branch and account number, or the card number: unique per
    // account across files of the same bank.
    QString key;
    QString number;
    AccountType suggestedType = AccountType::Checking;
    QString currency;   // ISO 4217 text of the statement; empty when not given
};

struct OfxFile
{
    QList<OfxAccount> accounts;
    QList<OfxTransaction> transactions;
    int unparseable = 0;            // lines without a usable account, date or amount
    int investmentStatements = 0;   // left out: they hold trades, not register lines
    bool cancelled = false;
    QString error;                  // why the file was refused; empty when it was read
};

// Reads OFX and QFX files (OFX 1.x SGML and 2.x XML) through libofx: the
// bank and credit card statements, each line with its date, amount, payee,
// memo, check number and FITID. Investment statements, securities and
// requests are not read.
//
// libofx takes a file path and is not built for hostile input, so it never
// sees the user's file itself. The bytes are bounded in size and checked to
// be one whole OFX document; blank runs are folded (libofx strips each
// blank inside a value one at a time); the investment and security sections
// are cut out; and the statement lines are handed over in passes of a
// bounded number (libofx spends time growing with the square of the lines
// it holds at once), each pass a complete document of its own written to a
// private temporary file. Every pass thus costs time in proportion to its
// own length, and a caller can stop between passes.
class OfxParser
{
    Q_DECLARE_TR_FUNCTIONS(OfxParser)

public:
    static constexpr qint64 kMaxFileSize = 100LL * 1024 * 1024;
    static constexpr int kLinesPerPass = 1000;
    static constexpr int kMaxLines = 1000000;
    static constexpr int kMaxStatements = 200;
    // What lies outside the statement lines is repeated in every pass.
    static constexpr qint64 kMaxFrameSize = 1024 * 1024;

    // Told the lines read so far and their total after each pass; returning
    // false stops the reading, which then reports `cancelled`.
    using Progress = std::function<bool(int linesRead, int totalLines)>;

    static OfxFile parseFile(const QString &path, const Progress &progress = {});
    // `linesPerPass` other than the default is for measuring libofx.
    static OfxFile parse(const QByteArray &bytes, const Progress &progress = {}, int linesPerPass = kLinesPerPass);

    // The documents libofx reads, as prepared above: each pass holds the
    // statement lines [k * perPass, (k + 1) * perPass) and everything else;
    // one pass when there are no more lines than that. No passes, and
    // `error` set, for bytes that are no whole OFX document.
    struct Passes
    {
        QList<QByteArray> documents;
        int lines = 0;
        int investmentStatements = 0;
        QString error;
    };
    static Passes passes(const QByteArray &bytes, int perPass);

    // The shortest decimal text that reads back as `amount` ("-45.2" for
    // the double nearest -45.20): the text the bank wrote whenever it had
    // at most 15 significant digits. Empty for infinities and NaN.
    static QString amountText(double amount);
};
